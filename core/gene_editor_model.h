#pragma once

#include "gene_set.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vavivor {

// Told when what the gene editor shows for one gene has changed.
class GeneEditorObserver {
public:
    virtual ~GeneEditorObserver() = default;
    // The position or the value text of gene `gene` has been written.
    virtual void geneChanged(int gene) = 0;
};

// What the gene editor shows: per gene its position 1..genePosMax, which between breeding
// actions holds the central figure's genes, and the value text beside its name. Every write
// tells the observers, whether or not it changes anything. A copy starts without observers.
class GeneEditorModel {
public:
    GeneEditorModel() = default;
    GeneEditorModel(const GeneEditorModel& other);
    GeneEditorModel& operator=(const GeneEditorModel& other);
    ~GeneEditorModel() = default;

    [[nodiscard]] std::int16_t position(int gene) const;
    [[nodiscard]] const GeneSet& positions() const { return m_positions; }
    [[nodiscard]] const std::string& valueText(int gene) const;

    // Writes only the model; the editor's change handler is setEditorPosition (gene_editor.h).
    void setPosition(int gene, std::int16_t position);
    void setValueText(int gene, std::string text);

    void addObserver(GeneEditorObserver& observer);
    void removeObserver(GeneEditorObserver& observer);

private:
    void notify(int gene) const;

    GeneSet m_positions{};
    std::array<std::string, kGeneCount> m_valueTexts;
    std::vector<GeneEditorObserver*> m_observers;
};

} // namespace vavivor
