#pragma once

namespace vavivor {

class MainWindow;

// Connects File > Export Lineage... to the export of the current screen's lineage.
void connectLineageExport(MainWindow& window);

} // namespace vavivor
