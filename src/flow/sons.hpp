// The clips the game plays, by name: sons/<nom>.ogg beside photo/, made at build time by
// the sound tool (tools/sons), which reads the same names here. No SDL here, so that the
// tool can include it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace son {
// Sounds, which play over one another and over the voice.
inline constexpr const char* CROQUE = "croque";      // a food into the bowl
inline constexpr const char* POUBELLE = "poubelle";  // a food into the bin
inline constexpr const char* PAS = "pas";            // Bidou's steps, during the walk
inline constexpr const char* AIR_GAGNE = "air_gagne";
inline constexpr const char* AIR_PERDU = "air_perdu";

// Bidou's voice: one at a time, the newest cutting off the one still playing.
inline constexpr const char* VOIX_GAGNE = "voix_gagne";
inline constexpr const char* VOIX_PERDU = "voix_perdu";
inline constexpr const char* VOIX_TEMPS_FINI = "voix_temps_fini";
inline constexpr const char* VOIX_FIN_DE_PISTE = "voix_fin_de_piste";
inline constexpr const char* VOIX_FINI = "voix_fini";
inline constexpr const char* VOIX_CARTES = "voix_cartes";
inline constexpr const char* VOIX_REGLES = "voix_regles";
// The rules as a touch screen shows them: "touche la gamelle", no click named.
inline constexpr const char* VOIX_REGLES_TACTILE = "voix_regles_tactile";

// Every clip but the foods', for the sound tool and the tests to go through.
inline constexpr const char* EFFETS[] = {CROQUE, POUBELLE, PAS, AIR_GAGNE, AIR_PERDU};
inline constexpr const char* PHRASES[] = {VOIX_GAGNE,        VOIX_PERDU, VOIX_FINI, VOIX_TEMPS_FINI,
                                          VOIX_FIN_DE_PISTE, VOIX_CARTES, VOIX_REGLES, VOIX_REGLES_TACTILE};

// The steps' clip: four pats this far apart, one walk's cycle. The tool spaces them so, and
// the walk starts the clip again once a cycle has passed, so that the pats keep in step.
inline constexpr std::uint32_t ECART_PAS_MS = 260;
inline constexpr std::uint32_t PAS_PAR_CLIP = 4;
inline constexpr std::uint32_t CYCLE_PAS_MS = ECART_PAS_MS * PAS_PAR_CLIP;

// True for the rules' clips, which may last up to 40 s; every other clip lasts under 6 s.
inline bool est_regles(std::string_view nom) { return nom == VOIX_REGLES || nom == VOIX_REGLES_TACTILE; }

// Every clip's loudest sample, as the sound tool writes it: 3 dB under full scale, room
// for the lossy coder to overshoot.
inline constexpr float CRETE = 0.7f;
// The gain each clip plays at, so that two clips at once (a won level's tune and its
// message) stay under full scale: the players mix them by adding, and clip what passes.
inline constexpr float GAIN_DE_LECTURE = 0.95f / (2 * CRETE);

// The name of the food at `index` in the catalogue, said as it is sorted: "aliment_07".
inline std::string aliment(std::size_t index)
{
    char nom[32];  // room for any size_t, so no compiler sees a truncation
    std::snprintf(nom, sizeof nom, "aliment_%02zu", index);
    return nom;
}

// True for a voice clip (a food's name or a sentence), false for a sound.
inline bool est_voix(std::string_view nom) { return nom.substr(0, 5) == "voix_" || nom.substr(0, 8) == "aliment_"; }
}  // namespace son
