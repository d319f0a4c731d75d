// Bidou, its coffin, the bowls and the bins: the keyed pictures of the board besides
// the foods, and the icons drawn from the same Bidou.
#pragma once

#include <vector>

#include "atelier.hpp"

namespace images {
// Bidou is a guinea pig drawn with cairo, so that the same animal can face both ways,
// grow fat and be drawn at any icon size. `embonpoint` 0 is Bidou as usual, 1 after a
// perfect level. Faces right, fills a box of 100 x 100 (wider when fat) at scale 1.
void dessiner_bidou(cairo_t* cr, double embonpoint);

// A pet bowl with Bidou's name on it and a green bin, at the size of their Cadre; full,
// with greens heaped in the bowl, the bin's lid thrown back on its rubbish.
Surface gamelle(Atelier& a, bool pleine);
Surface poubelle(Atelier& a, bool pleine);

// bidou, bidou_gauche, bidou_gros, cercueil, gamelle_*, poubelle_*, croix, the verdict's
// and the board's buttons, the saved card's mark, icone_bidou.
std::vector<Image> images_personnages(Atelier& a);

// Bidou on a tile `cote` pixels square: rounded with transparent corners for the
// desktop's PNG icons, filling the square for the window icon, which has no mask.
Surface icone(int cote, bool coins_arrondis = true);
}  // namespace images
