#include "fake_controls.h"

#include "core/gene_editor.h"
#include "core/number_text.h"

namespace vavivor {

void FakeControls::setGeneCaption(int gene, const std::string& caption) {
    positions[gene] = caption;
    ++captionWrites;
    geneCaptionChanged(m_genome, *this, gene);
}

void FakeControls::setGeneNameCaption(int gene, const std::string& caption) {
    names[gene] = caption;
}

void FakeControls::setGeneValueCaption(int gene, const std::string& caption) {
    values[gene] = caption;
}

GeneSet FakeControls::shownGenes() const {
    GeneSet genes{};
    for (int i = 0; i < kGeneCount; ++i) {
        genes[i] = captionNumber(positions[i]);
    }
    return genes;
}

} // namespace vavivor
