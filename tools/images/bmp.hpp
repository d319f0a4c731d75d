// What a picture becomes on disk: 24-bit pixels, with pure blue for the keyed holes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "cairo_outils.hpp"

namespace images {
// Opaque RGB, row after row from the top, 3 bytes a pixel.
struct Pixels {
    int largeur = 0, hauteur = 0;
    std::vector<std::uint8_t> rvb;
};

// Flattens a premultiplied ARGB32 picture for a 24-bit file.
// Keyed: a pixel under half covered becomes exactly (0, 0, 255) and any other keeps its
// own un-premultiplied colour, so the edge is never blended with blue and no bluish rim
// shows once SDL drops the key colour; art that happens to be pure blue moves to
// (0, 0, 254) so that it does not turn into a hole.
// Not keyed: composited over white, so a forgotten transparent corner does not turn black.
Pixels aplatir(cairo_surface_t* image, bool cle);

// An uncompressed bottom-up 24-bit BMP (BITMAPINFOHEADER, BI_RGB). SDL_image reads the
// fourth byte of a 32-bit BMP as alpha and SDL 1.2 then ignores the colour key, and
// paletted files lose their key on some SDL builds: 24 bits avoids both.
std::vector<std::uint8_t> en_bmp(const Pixels& p);

// Back to a cairo picture for the contact sheet, with the key made transparent.
Surface depuis_pixels(const Pixels& p, bool cle);
}  // namespace images
