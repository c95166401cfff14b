#include "logic_rig.h"

#include "core/gene_editor.h"

namespace vavivor {

LogicRig::LogicRig() {
    initProgramState(state);
    state.screen.pics = {&pics[0], &pics[1]};
    for (auto& pic : pics) {
        pic.setScale(0, state.screen.picScale, state.screen.picScale, 0);
    }
    fillEditor(state.genome, controls);
    state.genome.editorReady = true;
}

void LogicRig::setEditor(const GeneSet& genes) {
    for (int g = 0; g < kGeneCount; ++g) {
        setEditorPosition(state.genome, g, genes[g]);
    }
}

} // namespace vavivor
