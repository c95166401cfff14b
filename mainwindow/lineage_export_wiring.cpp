#include "lineage_export_wiring.h"

#include "export_lineage.h"
#include "main_window.h"

#include <QAction>

namespace vavivor {

void connectLineageExport(MainWindow& window) {
    QObject::connect(window.commands().exportLineage, &QAction::triggered, &window,
                     [&window] { exportLineage(window.state(), window.services()); });
}

} // namespace vavivor
