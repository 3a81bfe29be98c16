// codepage1250.h: the Central European code page 1250 of the game's 8-bit texts, decoded by a
// table of our own.
#pragma once

#include <string>
#include <string_view>

namespace varn {

// The UTF-16 text of `text` read as code page 1250. The five bytes that the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) stand for the control characters of the same
// number, as the desktop's own converters read them.
std::u16string fromCodePage1250(std::string_view text);

}  // namespace varn
