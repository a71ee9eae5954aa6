// The control installers, run in order over a skinned window's direct children.
#pragma once

#include <windows.h>

namespace kestrune {

void InstallPushButtonSkins(int windowId, HWND window);
void InstallCheckRadioSkins(int windowId, HWND window);
void InstallEditComboSkins(int windowId, HWND window);
void SkinTrackbars(int windowId, HWND window);
void SkinProgressBars(int windowId, HWND window);
void SkinListControls(int windowId, HWND window);
void SkinUpDowns(int windowId, HWND window);
void SkinHeaders(int windowId, HWND window);
void SkinToolbars(int windowId, HWND window);

// All nine, in the order above.
void RunControlInstallers(int windowId, HWND window);

}  // namespace kestrune
