// A second copy of the program's saving, for the test of two processes saving into one storage
// file: scans the file, says it is ready, waits for the go, then saves `count` records with
// the descriptions NAME-0, NAME-1, ... as fast as it can, without scanning again.
#include "storage/save_record.h"
#include "storage/store_list.h"
#include "support/logic_rig.h"

#include <QFile>
#include <QThread>
#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using namespace vavivor;
    if (argc != 6) {
        std::cerr << "usage: store_save_helper STORE NAME COUNT READY-FILE GO-FILE\n";
        return 2;
    }
    const std::string store = argv[1];
    const std::string name = argv[2];
    const int count = std::atoi(argv[3]);

    LogicRig rig;
    rig.state.store.currentStore = store;
    if (!scanStore(rig.state, rig.services)) {
        std::cerr << rig.platform.dialogs.shown.back().text << "\n";
        return 1;
    }
    rig.state.genome.centralPos = GeneSet{1, 2, 3, 4, 5, 6, 7, 8};
    QFile ready(QString::fromLocal8Bit(argv[4]));
    if (!ready.open(QIODevice::WriteOnly)) {
        return 1;
    }
    ready.close();
    for (int waited = 0; !QFile::exists(QString::fromLocal8Bit(argv[5])); ++waited) {
        if (waited > 20000) {
            std::cerr << "no go\n";
            return 1;
        }
        QThread::msleep(1);
    }

    int failed = 0;
    for (int i = 0; i < count; ++i) {
        rig.platform.dialogs.texts.push_back(name + "-" + std::to_string(i));
        if (saveRecord(rig.state, rig.services, findFreeRecord(rig.state.store)) == 0) {
            ++failed;
        }
    }
    for (const auto& shown : rig.platform.dialogs.shown) {
        if (shown.kind == "message") {
            std::cerr << shown.text << "\n";
        }
    }
    return failed == 0 ? 0 : 1;
}
