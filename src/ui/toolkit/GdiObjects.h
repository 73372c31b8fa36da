// Owners of fonts and icons: each is released once, when its owner goes.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
