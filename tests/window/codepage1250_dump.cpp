// codepage1250_dump.cpp: every byte of code page 1250 as the game decodes it, one per line as
// two hexadecimal numbers, for codepage1250_test.py to hold against Python's codec.
#include <cstdio>
#include <string>

#include "codepage1250.h"

int main() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += char(byte);
    const std::u16string text = varn::fromCodePage1250(bytes);
    for (std::size_t i = 0; i < text.size(); ++i)
        std::printf("%02zx %04x\n", i, unsigned(text[i]));
    return text.size() == bytes.size() ? 0 : 1;
}
