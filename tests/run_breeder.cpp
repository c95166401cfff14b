// A copy of the program that only breeds: `run_breeder FOLDER COUNT` keeps its run in FOLDER
// and breeds COUNT screens, going back before every third one so that the run branches. Each
// screen is printed as "INDEX GENES" (its central figure) as soon as it has been recorded.
#include "breeding/draw_mutations.h"
#include "breeding/history_screens.h"
#include "breeding/relatives.h"
#include "storage/run_recorder.h"
#include "support/logic_rig.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using namespace vavivor;
    if (argc != 3) {
        std::fputs("usage: run_breeder FOLDER COUNT\n", stderr);
        return 2;
    }
    LogicRig rig;
    RunRecorder recorder([folder = std::string(argv[1])] { return folder; });
    rig.services.runLog = &recorder;
    const int count = std::stoi(argv[2]);
    for (int i = 0; i < count; ++i) {
        if (i % 3 == 2) {
            goBack(rig.state, rig.services);
        }
        rig.platform.random.queueDraws(static_cast<unsigned>(i) + 1);
        if (i % 2 == 0) {
            breedMutations(rig.state, rig.services);
        } else {
            breedRelatives(rig.state, rig.services);
        }
        if (!rig.platform.dialogs.messages().empty()) {
            std::fprintf(stderr, "%s\n", rig.platform.dialogs.messages().back().c_str());
            return 1;
        }
        const HistoryState& history = rig.state.history;
        std::printf("%d", history.current());
        for (const auto gene : history.entry(history.current()).screen.central) {
            std::printf(" %d", gene);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    return 0;
}
