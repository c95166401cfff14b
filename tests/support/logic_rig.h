#pragma once

#include "core/picture.h"
#include "core/program_state.h"
#include "core/services.h"
#include "fake_controls.h"
#include "scripted_services.h"

namespace vavivor {

// The program's state after start-up, wired to fake controls, two recording picture areas and
// scripted services: the logic runs on it as it runs in the window.
struct LogicRig {
    LogicRig();
    LogicRig(const LogicRig&) = delete;
    LogicRig& operator=(const LogicRig&) = delete;

    // Writes `genes` into the gene editor, as a user would.
    void setEditor(const GeneSet& genes);
    // The picture area in use.
    RecordingSurface& picture() { return pics[state.screen.curPic]; }

    ProgramState state;
    FakeControls controls{state.genome};
    ScriptedPlatform platform;
    Services services{platform.services(), controls};
    std::array<RecordingSurface, 2> pics;
};

} // namespace vavivor
