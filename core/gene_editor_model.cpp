#include "gene_editor_model.h"

#include <algorithm>
#include <utility>

namespace vavivor {

GeneEditorModel::GeneEditorModel(const GeneEditorModel& other)
    : m_positions(other.m_positions), m_valueTexts(other.m_valueTexts) {}

GeneEditorModel& GeneEditorModel::operator=(const GeneEditorModel& other) {
    // The observers watch this editor, not the one copied from.
    m_positions = other.m_positions;
    m_valueTexts = other.m_valueTexts;
    return *this;
}

std::int16_t GeneEditorModel::position(int gene) const {
    return m_positions.at(static_cast<std::size_t>(gene));
}

const std::string& GeneEditorModel::valueText(int gene) const {
    return m_valueTexts.at(static_cast<std::size_t>(gene));
}

void GeneEditorModel::setPosition(int gene, std::int16_t position) {
    m_positions.at(static_cast<std::size_t>(gene)) = position;
    notify(gene);
}

void GeneEditorModel::setValueText(int gene, std::string text) {
    m_valueTexts.at(static_cast<std::size_t>(gene)) = std::move(text);
    notify(gene);
}

void GeneEditorModel::addObserver(GeneEditorObserver& observer) {
    m_observers.push_back(&observer);
}

void GeneEditorModel::removeObserver(GeneEditorObserver& observer) {
    std::erase(m_observers, &observer);
}

void GeneEditorModel::notify(int gene) const {
    for (GeneEditorObserver* observer : m_observers) {
        observer->geneChanged(gene);
    }
}

} // namespace vavivor
