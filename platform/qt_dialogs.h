#pragma once

#include "core/dialogs.h"

#include <QPointer>
#include <QWidget>

namespace vavivor {

// The program's modal dialogs on Qt: message boxes, the text input box and the open dialog
// for storage files, each centred on the parent window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr);

    void setParent(QWidget* parent);

    void message(const std::string& text, const std::string& title) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    std::optional<std::string> askText(const std::string& prompt,
                                       const std::string& title) override;
    std::optional<std::string> chooseStorageFile(const std::string& title, bool mustExist) override;

    // The folder the open dialog starts in: ~/Vavivor when it exists, else the home folder.
    static QString storageFolder();

private:
    QPointer<QWidget> m_parent;
};

} // namespace vavivor
