// The 95 food tiles: one emoji (tinted or paired with a small second one where no
// emoji shows the food itself) above a label with the food's French name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "atelier.hpp"

inline constexpr int LARGEUR_ALIMENT = 70;   // the click band is x 550 to 619
inline constexpr int HAUTEUR_ALIMENT = 81;   // and 81 rows high

// One tile per catalogue entry, in catalogue order, named as the catalogue names them.
// Throws for a catalogue picture this tool has no drawing for.
std::vector<Image> images_aliments(Atelier& a);

// The French name shown on the tile of `fichier` ("photo/pommedeterre.bmp" gives
// "pomme de terre"), for the tests and the contact sheet.
std::string nom_aliment(std::string_view fichier);
