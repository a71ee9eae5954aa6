#include "skin/control_installers.h"

#include "skin/controls/button_skin.h"
#include "skin/controls/edit_combo_skin.h"

namespace kestrune {

// The control skins arrive one family at a time; until a family's skin is
// built its installer leaves those controls with their own look.
void SkinTrackbars(int, HWND) {}
void SkinProgressBars(int, HWND) {}
void SkinListControls(int, HWND) {}
void SkinUpDowns(int, HWND) {}
void SkinHeaders(int, HWND) {}
void SkinToolbars(int, HWND) {}

void RunControlInstallers(int windowId, HWND window) {
    InstallPushButtonSkins(windowId, window);
    InstallCheckRadioSkins(windowId, window);
    InstallEditComboSkins(windowId, window);
    SkinTrackbars(windowId, window);
    SkinProgressBars(windowId, window);
    SkinListControls(windowId, window);
    SkinUpDowns(windowId, window);
    SkinHeaders(windowId, window);
    SkinToolbars(windowId, window);
}

}  // namespace kestrune
