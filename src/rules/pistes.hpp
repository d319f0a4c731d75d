// The three tracks and the levels they hold: the one place that says which track holds
// a level, for the track choice, the verdict and the track-end picture alike.
#pragma once

#include <array>
#include <cstdint>

#include "niveau.hpp"
#include "tableau.hpp"

// Easy (0), medium (1) and hard (2), in that order.
inline constexpr int NB_PISTES = 3;
// Level index of each track's first level: the easy track holds levels 1 to 6, the
// medium 7 to 12, the hard 13 to 19.
inline constexpr std::array<std::int32_t, NB_PISTES> DEBUTS_DE_PISTE = {0, 30, 60};
// The levels of the whole game, as the score panel counts them.
inline constexpr std::int32_t NB_NIVEAUX = NIVEAU_FINI / ALIMENTS_PAR_NIVEAU;

// The track that holds level index `niveau`: anything before the medium track is easy,
// and the finished game (NIVEAU_FINI) belongs to the hard track.
int piste_du_niveau(std::int32_t niveau);

// Level index of the first level of `piste` (0 to NB_PISTES - 1).
std::int32_t debut_de_piste(int piste);

// The level played after choosing `piste` with `niveau_sauve` in the level file: choosing
// the track that holds the saved level resumes there, any other starts at its first
// level. So a saved finished game stays finished only on the hard track.
std::int32_t niveau_apres_choix(int piste, std::int32_t niveau_sauve);

// True for the last level of a track that another follows (levels 6 and 12): winning
// it earns the track-end picture.
bool dernier_niveau_de_piste(std::int32_t niveau);

// True when `niveau` is the first level of the medium or the hard track and the player
// chose another track, so came to it by winning the track before: the moment the
// track-end picture shows. A player who chose that track never sees it.
bool arrive_sur_la_piste_suivante(std::int32_t niveau, int piste_choisie);
