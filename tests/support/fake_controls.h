#pragma once

#include "core/genome.h"
#include "core/main_controls.h"

#include <array>
#include <string>
#include <vector>

namespace vavivor {

// The main window's controls as plain fields. The gene editor's part watches the genome's
// editor as the window does and keeps what it was last told to show.
class FakeControls : public MainControls, private GeneEditorObserver {
public:
    explicit FakeControls(GenomeState& genome);
    ~FakeControls() override;
    FakeControls(const FakeControls&) = delete;
    FakeControls& operator=(const FakeControls&) = delete;

    void setGeneNameCaption(int gene, const std::string& caption) override;
    bool autoPrintTicked() const override { return autoPrintBox; }
    void setSaveEnabled(bool /*enabled*/) override {}
    void setLoadEnabled(bool enabled) override { loadEnabled = enabled; }
    void setReviewVisible(bool visible) override { reviewVisible = visible; }
    void showRecordLabels(bool visible) override { recordLabelsVisible = visible; }
    void setRecordNumberCaption(const std::string& caption) override { recordNumber = caption; }
    void showStatus(const std::string& text) override { statusLines.push_back(text); }
    std::string status() const override {
        return statusLines.empty() ? std::string() : statusLines.back();
    }
    void historyChanged(bool canGoBack, bool canGoForward) override {
        backEnabled = canGoBack;
        forwardEnabled = canGoForward;
    }

    GeneSet shownGenes{}; // the position boxes
    std::array<std::string, kGeneCount> names;
    std::array<std::string, kGeneCount> values;
    bool autoPrintBox = false;
    bool loadEnabled = true;
    bool reviewVisible = false;
    bool recordLabelsVisible = false;
    std::string recordNumber;
    std::vector<std::string> statusLines;
    bool backEnabled = false;    // mnuZELback
    bool forwardEnabled = false; // mnuZELforward
    int editorWrites = 0;        // notifications from the editor

private:
    void geneChanged(int gene) override;

    GenomeState& m_genome;
};

} // namespace vavivor
