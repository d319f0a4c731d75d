// The red cross the game draws over a food left in the wrong container after a lost
// level (an addition to the game, see docs/choix.md).
#pragma once

#include "cairo_outils.hpp"

namespace images {
// Keyed, as wide as a food tile and as high as its picture's box (HAUTEUR_IMAGE_ALIMENT):
// at the tile's corner it lies exactly over the food's picture, never over its label.
Surface croix();
}  // namespace images
