// The 95 food tiles: an emoji or a drawing of the food above a label with its French name.
#pragma once

#include <vector>

#include "atelier.hpp"
#include "draw/geometrie.hpp"  // LARGEUR_ALIMENT, HAUTEUR_ALIMENT: a tile is its click band

namespace images {
// One tile per catalogue entry, in catalogue order, named as the catalogue names them.
// Throws for a catalogue picture that fiches.cpp has no entry for.
std::vector<Image> images_aliments(Atelier& a);
}  // namespace images
