#pragma once

#include "core/help_viewer.h"

#include <memory>

namespace vavivor {

class HelpWindow;

// The program's help viewer: one help window on a Qt help collection, opened on the view or
// topic asked for. A help file that is missing or unreadable is reported in a message box.
class QtHelpViewer : public HelpViewer {
public:
    QtHelpViewer();
    ~QtHelpViewer() override;
    QtHelpViewer(const QtHelpViewer&) = delete;
    QtHelpViewer& operator=(const QtHelpViewer&) = delete;

    void showHelp(const std::string& path, HelpView view) override;
    void showTopic(const std::string& path, int topic) override;

    // The help window, once a help file has been opened.
    [[nodiscard]] HelpWindow* window() const { return m_window.get(); }

private:
    HelpWindow* open(const std::string& path);

    std::unique_ptr<HelpWindow> m_window;
};

} // namespace vavivor
