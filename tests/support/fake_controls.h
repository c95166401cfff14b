#pragma once

#include "core/genome.h"
#include "core/main_controls.h"

#include <array>
#include <string>
#include <vector>

namespace vavivor {

// The main window's controls as plain fields. Writing a position caption runs the editor's
// change handler, as the window does.
class FakeControls : public MainControls {
public:
    explicit FakeControls(GenomeState& genome) : m_genome(genome) {}

    std::string geneCaption(int gene) const override { return positions[gene]; }
    void setGeneCaption(int gene, const std::string& caption) override;
    void setGeneNameCaption(int gene, const std::string& caption) override;
    void setGeneValueCaption(int gene, const std::string& caption) override;
    bool autoPrintTicked() const override { return autoPrintBox; }
    void setSaveEnabled(bool /*enabled*/) override {}
    void setLoadEnabled(bool enabled) override { loadEnabled = enabled; }
    void setReviewVisible(bool visible) override { reviewVisible = visible; }
    void showRecordLabels(bool visible) override { recordLabelsVisible = visible; }
    void setRecordNumberCaption(const std::string& caption) override { recordNumber = caption; }
    void showStatus(const std::string& text) override { statusLines.push_back(text); }
    void historyChanged(bool canGoBack, bool canGoForward) override {
        backEnabled = canGoBack;
        forwardEnabled = canGoForward;
    }

    // The positions shown, read as numbers.
    GeneSet shownGenes() const;

    std::array<std::string, kGeneCount> positions;
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
    int captionWrites = 0;

private:
    GenomeState& m_genome;
};

} // namespace vavivor
