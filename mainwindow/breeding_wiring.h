#pragma once

namespace vavivor {

class MainWindow;

// Connects DRAW MUTATIONS, DRAW RELATIVES, REVIEW MUTATIONS and the mouse on the main picture
// area pibZELMpica to the breeding screens and the pick. The alternative area gets no mouse
// handling.
void connectBreeding(MainWindow& window);

} // namespace vavivor
