// The game's texts are Latin-1 bytes (SDL_ttf draws them so); cairo and espeak-ng take
// UTF-8. Both tools convert with this.
#pragma once

#include <string>
#include <string_view>

namespace images {
inline std::string latin1_vers_utf8(std::string_view latin1)
{
    std::string s;
    for (const char c : latin1) {
        const auto octet = static_cast<unsigned char>(c);
        if (octet < 0x80) {
            s += c;
        } else {
            s += static_cast<char>(0xc0 | (octet >> 6));
            s += static_cast<char>(0x80 | (octet & 0x3f));
        }
    }
    return s;
}
}  // namespace images
