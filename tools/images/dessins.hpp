// The foods that no emoji shows, drawn with the kit of trousse.hpp.
#pragma once

#include <string_view>

#include "cairo_outils.hpp"

// The drawing named `nom` (a catalogue picture's name without "photo/" and ".bmp"),
// cut to its ink; an empty surface when the food is shown by an emoji instead.
Surface dessin_aliment(std::string_view nom);
