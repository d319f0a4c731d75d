// Recolouring and outlining emoji, so that one plant emoji can stand for several plants
// and every keyed shape gets an opaque rim to be smoothed against.
#pragma once

#include <vector>

#include "cairo_outils.hpp"

namespace images {
// One recolouring step in HSL. Only pixels whose hue lies in [de, a] (degrees; de > a
// wraps through red) and whose saturation reaches sat_min change, so a step can turn
// petals white and leave the leaves green.
struct Teinte {
    double de = 0, a = 360;
    double sat_min = 0.08;
    double teinte = -1;      // new hue in degrees, or -1 to keep the pixel's own
    double saturation = 1;   // factor on saturation
    double clarte = 0;       // -1..1: pulls lightness towards black (<0) or white (>0)
};

// A copy of `image` with the steps applied in order.
Surface teinter(cairo_surface_t* image, const std::vector<Teinte>& etapes);

// A copy of `image` mirrored left to right.
Surface miroir(cairo_surface_t* image);

// A copy of `image` on a larger canvas, with a sticker rim of `epaisseur` pixels in
// `rgb` around its ink and a thin darker line outside that, so the shape reads on any
// background and its edge is opaque where the colour key cuts it.
Surface autocollant(cairo_surface_t* image, double epaisseur, std::uint32_t rgb,
                    std::uint32_t trait);
}  // namespace images
