#include "skin/carried_pictures.h"

namespace kestrune {

std::span<const BYTE> ResourceBytes(const wchar_t* name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, name, RT_RCDATA);
    if (!resource) return {};
    HGLOBAL loaded = LoadResource(module, resource);
    if (!loaded) return {};
    const auto* bytes = static_cast<const BYTE*>(LockResource(loaded));
    if (!bytes) return {};
    return {bytes, SizeofResource(module, resource)};
}

HICON LoadApplicationIcon() {
    HINSTANCE module = GetModuleHandleW(nullptr);
    const auto load = [module](const wchar_t* name) {
        return static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    };
    HICON icon = load(MAKEINTRESOURCEW(APPLICATION_ICON_ID));
    return icon ? icon : load(DEFAULT_ICON);
}

}  // namespace kestrune
