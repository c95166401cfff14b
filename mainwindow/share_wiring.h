#pragma once

namespace vavivor {

class MainWindow;

// Connects Edit > Copy and Edit > Paste Genes, Ctrl+C and Ctrl+V in the gene editor's position
// boxes, dragging a figure out of the main picture area and the closer look that a double
// click on a grid figure opens, all through the desktop's clipboard.
void connectSharing(MainWindow& window);

} // namespace vavivor
