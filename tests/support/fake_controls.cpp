#include "fake_controls.h"

namespace vavivor {

FakeControls::FakeControls(GenomeState& genome) : m_genome(genome) {
    m_genome.editor.addObserver(*this);
}

FakeControls::~FakeControls() {
    m_genome.editor.removeObserver(*this);
}

void FakeControls::setGeneNameCaption(int gene, const std::string& caption) {
    names[gene] = caption;
}

void FakeControls::geneChanged(int gene) {
    shownGenes[gene] = m_genome.editor.position(gene);
    values[gene] = m_genome.editor.valueText(gene);
    ++editorWrites;
}

} // namespace vavivor
