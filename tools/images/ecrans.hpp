// The full-screen pictures and the board's background.
#pragma once

#include <vector>

#include "atelier.hpp"

inline constexpr int LARGEUR_ECRAN = 900;
inline constexpr int HAUTEUR_ECRAN = 640;
inline constexpr int HAUTEUR_FOND = 600;  // the score panel keeps the rows from y 600

// fond, debut1, debut2, difficulte, temps_fini, pause, regle, pseudo_fin, fini.
std::vector<Image> images_ecrans(Atelier& a);
