// A copy of the program that only saves: `store_saver FILE COUNT NAME` scans FILE once, as a
// copy does at start-up, then saves its central figure COUNT times with the descriptions
// NAME-0, NAME-1, ... Each record saved is printed as "NUMBER DESCRIPTION" as soon as the save
// has returned; a save that fails ends the program with status 1 and the message.
#include "storage/save_record.h"
#include "storage/store_list.h"
#include "support/logic_rig.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using namespace vavivor;
    if (argc != 4) {
        std::fputs("usage: store_saver FILE COUNT NAME\n", stderr);
        return 2;
    }
    LogicRig rig;
    rig.state.genome.centralPos = startGenes();
    rig.state.store.currentStore = argv[1];
    if (!scanStore(rig.state, rig.services)) {
        std::fprintf(stderr, "%s\n", rig.platform.dialogs.messages().back().c_str());
        return 1;
    }
    const int count = std::stoi(argv[2]);
    for (int i = 0; i < count; ++i) {
        const std::string description = std::string(argv[3]) + "-" + std::to_string(i);
        rig.platform.dialogs.texts.emplace_back(description);
        const int n = saveRecord(rig.state, rig.services, findFreeRecord(rig.state.store));
        if (n == 0) {
            std::fprintf(stderr, "%s\n", rig.platform.dialogs.messages().back().c_str());
            return 1;
        }
        std::printf("%d %s\n", n, description.c_str());
        std::fflush(stdout);
    }
    return 0;
}
