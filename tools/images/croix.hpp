// The red cross the game draws over a food left in the wrong container after a lost
// level (an addition to the game, see docs/choix.md).
#pragma once

#include "cairo_outils.hpp"

namespace images {
// Keyed, the size of a food tile, so that it lies exactly over the food it marks.
Surface croix();
}  // namespace images
