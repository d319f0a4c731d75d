// The 95 food tiles: one emoji (tinted or paired with a small second one where no
// emoji shows the food itself) above a label with the food's French name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "atelier.hpp"
#include "draw/geometrie.hpp"  // LARGEUR_ALIMENT, HAUTEUR_ALIMENT: a tile is its click band

// One tile per catalogue entry, in catalogue order, named as the catalogue names them.
// Throws for a catalogue picture this tool has no drawing for.
std::vector<Image> images_aliments(Atelier& a);

// The French name shown on the tile of `fichier` ("photo/pommedeterre.bmp" gives
// "pomme de terre"), for the tests and the contact sheet.
std::string nom_aliment(std::string_view fichier);
