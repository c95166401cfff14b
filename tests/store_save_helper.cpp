// A second copy of the program's saving, for the test of two processes saving into one storage
// file: scans the file, says "ready", waits for a line on its input, then saves `count` records
// with the descriptions NAME-0, NAME-1, ... as fast as it can, without scanning again.
#include "storage/save_record.h"
#include "storage/store_list.h"
#include "support/logic_rig.h"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using namespace vavivor;
    if (argc != 4) {
        std::cerr << "usage: store_save_helper STORE NAME COUNT\n";
        return 2;
    }
    const std::string name = argv[2];
    LogicRig rig;
    rig.state.store.currentStore = argv[1];
    int failed = scanStore(rig.state, rig.services) ? 0 : 1;
    std::cout << "ready" << std::endl;
    std::string go;
    std::getline(std::cin, go);
    for (int i = 0; failed == 0 && i < std::atoi(argv[3]); ++i) {
        rig.platform.dialogs.texts.push_back(name + "-" + std::to_string(i));
        if (saveRecord(rig.state, rig.services, findFreeRecord(rig.state.store)) == 0) {
            ++failed;
        }
    }
    for (const std::string& message : rig.platform.dialogs.messages()) {
        std::cerr << message << "\n";
    }
    return failed == 0 ? 0 : 1;
}
