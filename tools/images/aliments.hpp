// The 95 food tiles: an emoji or a drawing of the food above a label with its French name.
#pragma once

#include <vector>

#include "atelier.hpp"

inline constexpr int LARGEUR_ALIMENT = 70;   // the click band is x 550 to 619
inline constexpr int HAUTEUR_ALIMENT = 81;   // and 81 rows high

// One tile per catalogue entry, in catalogue order, named as the catalogue names them.
// Throws for a catalogue picture this tool has no drawing for.
std::vector<Image> images_aliments(Atelier& a);
