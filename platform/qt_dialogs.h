#pragma once

#include "core/dialogs.h"

#include <QPointer>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

namespace vavivor {

// The program's modal dialogs on Qt: message boxes, the text and number input boxes, the open
// dialog for storage files and the save dialogs for pictures, each centred on the parent
// window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr);

    void setParent(QWidget* parent);
    // Until releaseMessages(), messages are kept instead of shown: the messages of start-up
    // wait for the window they belong over.
    void holdMessages();
    // Shows the messages kept, in order, and shows later ones at once again.
    void releaseMessages();

    void message(const std::string& text, const std::string& title) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    std::optional<std::string> askText(const std::string& prompt,
                                       const std::string& title) override;
    std::optional<std::string> chooseStorageFile(const std::string& title, bool mustExist) override;
    // Starts in the folder of the last drawing saved, at first in storageFolder().
    std::optional<std::string> chooseSvgFile(const std::string& title) override;
    // SVG first; a name without an extension takes that of the filter chosen. Shares the
    // last folder with chooseSvgFile.
    std::optional<std::string> choosePictureFile(const std::string& title) override;
    // GIF first; shares the last folder with the picture dialogs.
    std::optional<std::string> chooseLineageFile(const std::string& title) override;
    std::optional<int> askNumber(const std::string& prompt, const std::string& title, int value,
                                 int low, int high) override;

    // The folder the open dialog starts in: ~/Vavivor when it exists, else the home folder.
    static QString storageFolder();

private:
    struct PictureKind {
        QString filter; // as the file dialog lists it
        QString suffix; // given to a name without an extension
    };
    // The save dialog for pictures of the given kinds, the first one chosen at the start.
    std::optional<std::string> choosePicture(const std::string& title,
                                             const std::vector<PictureKind>& kinds);

    QPointer<QWidget> m_parent;
    bool m_holding = false;
    std::vector<std::pair<std::string, std::string>> m_held; // text and title
    QString m_svgFolder;
};

} // namespace vavivor
