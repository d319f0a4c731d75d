// What every picture-making function needs: the emoji, the two weights of the text
// font, and the helpers that fit emoji into boxes.
#pragma once

#include <string>
#include <vector>

#include "cairo_outils.hpp"
#include "emoji.hpp"
#include "teinte.hpp"
#include "texte.hpp"

namespace images {
struct Atelier {
    Emojis& emojis;
    const Police& texte;
    const Police& gras;
};

// A picture to write: its path under the run directory and whether it is keyed.
struct Image {
    std::string nom;  // e.g. "photo/laitue.bmp"
    Surface surface;
    bool cle = false;
};

// `image` scaled to fit `l` x `h`, on a surface exactly that scaled size.
Surface ajuster(cairo_surface_t* image, double l, double h);

// A copy of `image` cut down to its ink plus `marge` transparent pixels around it.
Surface rogner(cairo_surface_t* image, int marge);

// The mean lightness (0 black to 1 white) of the ink along the edge of `image`: what
// tells a picture that would melt into a white sticker rim.
double clarte_du_bord(cairo_surface_t* image);
}  // namespace images
