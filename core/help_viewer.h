#pragma once

#include <string>

namespace vavivor {

// The views of the help window, with the tab values the Help menu passes.
enum class HelpView { Contents = 0, Index = -2, Find = -1 };

class HelpViewer {
public:
    virtual ~HelpViewer() = default;

    // Opens the help file at `path` on `view`. The viewer reports a missing or unreadable
    // file itself.
    virtual void showHelp(const std::string& path, HelpView view) = 0;
    // Opens the help file on the topic with the context number `topic`.
    virtual void showTopic(const std::string& path, int topic) = 0;
};

} // namespace vavivor
