// The game table: answer key and player's choices side by side, one column per food.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::int32_t NB_ALIMENTS = 95;

// Four rows of NB_ALIMENTS slots. Rows 0 and 3 are reserved and never read.
inline constexpr std::size_t TAILLE_TABLEAU = 4 * NB_ALIMENTS;
inline constexpr std::int32_t LIGNE_BON = 95;     // first slot of the goodness row
inline constexpr std::int32_t LIGNE_CHOIX = 190;  // first slot of the choice row

inline constexpr std::int32_t ALIMENT_BON = 1;      // belongs in the bowl
inline constexpr std::int32_t ALIMENT_MAUVAIS = 0;  // belongs in the bin

// The bin is 0 and "not sorted" is 2 so that a choice is right exactly when it
// equals the food's goodness, and an unsorted food never does.
inline constexpr std::int32_t CHOIX_POUBELLE = 0;
inline constexpr std::int32_t CHOIX_GAMELLE = 1;
inline constexpr std::int32_t CHOIX_AUCUN = 2;

// A level shows five foods, one per board row.
inline constexpr std::int32_t ALIMENTS_PAR_NIVEAU = 5;

using Tableau = std::array<std::int32_t, TAILLE_TABLEAU>;

// Content the game copies into its table once at start: -1 in slot 0, 0 elsewhere.
constexpr Tableau tableau_initial()
{
    Tableau t{};
    t[0] = -1;
    return t;
}

// Writes the answer key from the catalogue into the goodness row.
void bon_non(Tableau& tableau);
// Start of a level: every choice becomes CHOIX_AUCUN, then the answer key is written.
void remplir_tableau(Tableau& tableau);
// 1 when none of the five foods from `niveau` on is still unsorted, else 0.
std::int32_t tous_choisi(const Tableau& tableau, std::int32_t niveau);
// How many of the five foods from `niveau` on are sorted right (0 to 5).
std::int32_t resultat(const Tableau& tableau, std::int32_t niveau);
