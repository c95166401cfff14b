#pragma once

#include <string>

namespace vavivor {

// The controls of the main window that the logic reads and writes, by the names they have
// on the window.
class MainControls {
public:
    virtual ~MainControls() = default;

    // Caption of the gene name lblGene(gene). The positions and values of the gene editor are
    // not captions: the window shows GenomeState::editor.
    virtual void setGeneNameCaption(int gene, const std::string& caption) = 0;

    // Whether the Auto-Print box ckbZel1 is ticked.
    [[nodiscard]] virtual bool autoPrintTicked() const = 0;

    virtual void setSaveEnabled(bool enabled) = 0;   // mnuZELsave
    virtual void setLoadEnabled(bool enabled) = 0;   // mnuZELload
    virtual void setReviewVisible(bool visible) = 0; // cmdZELMrep
    // Label2 and Label3 together.
    virtual void showRecordLabels(bool visible) = 0;
    // Caption of Label3, the number of the loaded record.
    virtual void setRecordNumberCaption(const std::string& caption) = 0;
    // A short note in the status bar about what just happened.
    virtual void showStatus(const std::string& text) = 0;
    // The note showStatus gave last, empty before the first.
    [[nodiscard]] virtual std::string status() const = 0;
    // The history of screens has a new entry or a new current one: Back (mnuZELback) and
    // Forward (mnuZELforward) follow, and so does the family tree. Controls without a Go menu
    // ignore it.
    virtual void historyChanged(bool /*canGoBack*/, bool /*canGoForward*/) {}
};

} // namespace vavivor
