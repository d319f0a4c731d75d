// The full-screen pictures and the board's background.
#pragma once

#include <vector>

#include "atelier.hpp"
#include "draw/geometrie.hpp"

namespace images {
inline constexpr int HAUTEUR_FOND = Y_PANNEAU;  // the score panel keeps the rows below

// fond, debut1, debut2, difficulte, temps_fini, pause, regle, pseudo_fin, fini, and the
// touch versions of those that tell what to do (*_tactile).
std::vector<Image> images_ecrans(Atelier& a);
}  // namespace images
