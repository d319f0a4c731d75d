// Reading one pixel of an SDL surface the way SDL itself stores it, on any machine.
#pragma once

#include <SDL.h>

#include <cstring>

// The pixel value at x, y, as SDL_MapRGB gives it and SDL_GetRGB takes it. SDL keeps
// 16- and 32-bit pixels as native words and 24-bit ones as three bytes in the
// machine's byte order, so the bytes are read through those, never assembled by hand.
inline Uint32 pixel_brut(const SDL_Surface* s, int x, int y)
{
    const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    switch (s->format->BytesPerPixel) {
    case 1:
        return *p;
    case 2: {
        Uint16 mot;
        std::memcpy(&mot, p, sizeof mot);
        return mot;
    }
    case 3:
        if (SDL_BYTEORDER == SDL_BIG_ENDIAN)
            return Uint32(p[0]) << 16 | Uint32(p[1]) << 8 | p[2];
        return Uint32(p[2]) << 16 | Uint32(p[1]) << 8 | p[0];
    default: {
        Uint32 mot;
        std::memcpy(&mot, p, sizeof mot);
        return mot;
    }
    }
}
