// A small two-frame GIF in bytes, with and without comment blocks, for tests of the GIF steps.
#pragma once

#include <string>

namespace GifFixture {

inline const std::string Header = std::string("GIF89a\x02\x00\x01\x00\x80\x00\x00", 13) + std::string("\0\0\0\xFF\xFF\xFF", 6);
inline const std::string Image = std::string("\x2C\0\0\0\0\x02\0\x01\0\0\x02\x02\x44\x0A\0", 15);
inline const std::string GraphicControl = std::string("\x21\xF9\x04\x04\x0A\0\0\0", 8);
inline const std::string Trailer = "\x3B";

inline std::string Comment(const std::string& text)
{
    return "\x21\xFE" + std::string(1, static_cast<char>(text.size())) + text + std::string(1, '\0');
}

inline const std::string WithComments = Header + Comment("one") + GraphicControl + Image + GraphicControl
                                        + Comment("two") + Image + Comment("end") + Trailer;
inline const std::string WithoutComments = Header + GraphicControl + Image + GraphicControl + Image + Trailer;

} // namespace GifFixture
