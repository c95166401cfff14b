#pragma once

#include "colour.h"
#include "drawing_surface.h"
#include "genome.h"
#include "history.h"
#include "picture.h"
#include "renderer.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vavivor {

// The main window's picture areas and screen modes.
struct ScreenState {
    std::int16_t curPic = 0;
    std::array<DrawingSurface*, 2> pics{}; // 0 pibZELMpica, 1 pibZELMpicb
    std::array<std::int16_t, 2> gridFlag{0, 0};
    std::int16_t picScale = kPicScale;
    std::int16_t gridN = kGridN;
    std::int16_t cellSize = kCellSize;
    std::array<std::string, 2> altCaption{"ALTERNATIVE", "MAIN"};
    std::array<std::string, 2> screenCaption{"GRID SCREEN", "FULL SCREEN"};
    Colour backColour = kWhite;
    Colour markColour = kRed;
    std::string programFolder;
    std::string helpFile;
    std::string storeListPath;
    // What the status bar says of the screen last drawn on each picture area, said again when
    // the area comes back into view; empty while an area shows no screen.
    std::array<std::string, 2> areaStatus;

    [[nodiscard]] DrawingSurface& surface() const { return *pics[curPic]; }
    [[nodiscard]] bool fullScreen() const { return gridFlag[curPic] != 0; }
};

// What the breeding screens leave for saving, printing and picking.
struct BreedingState {
    bool sequenceShown = false;
    std::int16_t autoPrint = 0;
    // A page of this screen's Auto-Print run has failed: the rest of the run is drawn without
    // printing, so that one unusable printer gives one message, not one per figure.
    bool autoPrintStopped = false;
    // The last full-screen figure drawn on each picture area, kept after the area was cleared
    // so that it can still be exported.
    std::array<Picture, 2> lastFigure;
};

// Which relative each cell of the relatives screen shows, for picking.
struct RelativesLayout {
    std::array<std::array<std::int16_t, 2>, kCellCount + 1> relCell{}; // gene, direction
};

// The mouse pick on a grid screen.
struct SelectionState {
    bool noSelection = true;
    std::int16_t selCol = 0;
    std::int16_t selRow = 0;                                          // counted from the bottom
    std::array<std::array<std::int16_t, kGridN>, kGridN> innerCell{}; // [column][row]
    // Whether a breeding screen has been drawn on each picture area since the start: before
    // that there are no figures to pick, and a click does nothing.
    std::array<bool, 2> screenDrawn{false, false};
};

// The storage list and the bookkeeping of the current storage file.
struct StoreState {
    std::string currentStore;
    std::int16_t nextRecord = 1;
    std::vector<std::int16_t> recordUsed{0, 0};
    bool storeHasRecords = false;
    std::string defaultStoreName = "\\def-store.zld";
    std::int16_t storeCount = 0;
    std::vector<std::string> storeList{""}; // entries 1..storeCount
    std::int16_t currentEntry = 0;
};

struct CatalogueState {
    std::vector<std::int16_t> catalogueMap{0}; // row k - 1 of the list shows record map[k]
};

// The grid that places printed text: print columns and rows in twips.
struct PrintGrid {
    std::int16_t printColWidth = 115;
    std::int16_t printRowHeight = 271;
    std::int16_t printBottomY = 15176;
    std::int16_t printLeftCol = 6;
    std::int16_t printTopRow = 4;
    std::int16_t printFontSize = 12;
};

// All program-wide state, grouped by owner; it lives for the whole run.
struct ProgramState {
    GenomeState genome;
    RendererState renderer;
    ScreenState screen;
    BreedingState breeding;
    RelativesLayout relatives;
    SelectionState selection;
    StoreState store;
    CatalogueState catalogue;
    PrintGrid print;
    HistoryState history; // the screens of the run, for Back, Forward and the family tree
};

// The fixed layout tables of the relatives screen and of picking.
void fillRelativesLayout(RelativesLayout& layout);
void fillInnerCell(SelectionState& selection);

// The state-only steps of start-up: screen, grid and print constants, the layout tables, the
// gene table, the captions and piValue. The window does the rest.
void initProgramState(ProgramState& state);

} // namespace vavivor
