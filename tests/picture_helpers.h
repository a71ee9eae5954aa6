// Small pictures made and read back through the graphics layer, for tests.
#pragma once

#include "graphics/brushes.h"
#include "graphics/graphics.h"
#include "graphics/image.h"

#include <span>
#include <string>
#include <vector>

namespace kestrune::testing_pictures {

inline constexpr BYTE PNG_SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

inline bool StartsWithPngSignature(std::span<const BYTE> bytes) {
    return bytes.size() >= 8 && std::equal(std::begin(PNG_SIGNATURE), std::end(PNG_SIGNATURE), bytes.begin());
}

// A width x height PNG of one colour, with an optional differently coloured
// last column.
inline std::vector<BYTE> SolidPng(int width, int height, Gdiplus::ARGB colour,
                                  Gdiplus::ARGB lastColumnColour = 0) {
    Bitmap bitmap;
    bitmap.CreateEmpty(width, height);
    Graphics graphics;
    graphics.FromImage(bitmap);
    graphics.Clear(colour);
    if (lastColumnColour != 0) {
        SolidBrush brush;
        brush.Create(lastColumnColour);
        graphics.FillRectangle(brush, static_cast<float>(width - 1), 0, 1, static_cast<float>(height));
    }
    graphics.Delete();
    return bitmap.SaveToBytes(PNG_FORMAT_ID);
}

// The folder of the test executable (build/win32/bin) with a relative path appended.
inline std::wstring BesideTestProgram(const std::wstring& relative) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return folder + relative;
}

// Writes bytes to a file; false when it cannot.
inline bool WriteFileBytes(const std::wstring& path, std::span<const BYTE> bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

}  // namespace kestrune::testing_pictures
