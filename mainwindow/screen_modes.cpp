#include "screen_modes.h"

#include "core/renderer.h"

namespace vavivor {

void switchLayout(ScreenState& screen) {
    auto& flag = screen.gridFlag[screen.curPic];
    flag = static_cast<std::int16_t>(1 - flag);
    screen.areaStatus[screen.curPic].clear();
    prepareSurface(screen.surface(), flag, screen.gridN, screen.picScale);
}

void switchPictureArea(ScreenState& screen) {
    screen.curPic = static_cast<std::int16_t>(1 - screen.curPic);
}

std::string areaStatus(const ScreenState& screen) {
    const std::string& status = screen.areaStatus[screen.curPic];
    return status.empty() ? kEmptyAreaStatus : status;
}

std::string layoutSwitchCaption(const ScreenState& screen) {
    return screen.screenCaption[1 - screen.gridFlag[screen.curPic]];
}

std::string areaSwitchCaption(const ScreenState& screen) {
    return screen.altCaption[screen.curPic];
}

bool autoPrintShown(const ScreenState& screen) {
    return screen.gridFlag[screen.curPic] == 1;
}

} // namespace vavivor
