// Names of the pictures and the font, relative to the working directory. The food
// pictures' names live in the catalogue. The game loads these files by these names and
// the picture tool (tools/images) writes them under the same ones; the build also reads
// this file, one "photo/....bmp" string per line, to know which files the tool makes.
// No SDL here, so that the tool can include it.
#pragma once

namespace image {
inline constexpr const char* ICONE = "photo/icone_bidou.bmp";
inline constexpr const char* DEBUT1 = "photo/debut1.bmp";
inline constexpr const char* DEBUT2 = "photo/debut2.bmp";
inline constexpr const char* DIFFICULTE = "photo/difficulte.bmp";
inline constexpr const char* FOND = "photo/fond.bmp";
inline constexpr const char* BIDOU = "photo/bidou.bmp";
inline constexpr const char* BIDOU_GAUCHE = "photo/bidou_gauche.bmp";
inline constexpr const char* BIDOU_GROS = "photo/bidou_gros.bmp";
inline constexpr const char* CERCUEIL = "photo/cercueil.bmp";
inline constexpr const char* TEMPS_FINI = "photo/temps_fini.bmp";
inline constexpr const char* PSEUDO_FIN = "photo/pseudo_fin.bmp";
inline constexpr const char* FINI = "photo/fini.bmp";
inline constexpr const char* PAUSE = "photo/pause.bmp";
inline constexpr const char* REGLE = "photo/regle.bmp";
inline constexpr const char* GAMELLE_VIDE = "photo/gamelle_vide.bmp";
inline constexpr const char* GAMELLE_PLEINE = "photo/gamelle_pleine.bmp";
inline constexpr const char* POUBELLE_VIDE = "photo/poubelle_vide.bmp";
inline constexpr const char* POUBELLE_PLEINE = "photo/poubelle_pleine.bmp";
// Drawn over a food left in the wrong container once a level is lost: an addition to
// the game, see docs/choix.md.
inline constexpr const char* CROIX = "photo/croix.bmp";
// The verdict's button at the message's right end (BOUTON_VERDICT): an arrow on after a
// won level, a round arrow to play a lost one again. An addition, see docs/choix.md.
inline constexpr const char* BOUTON_SUIVANT = "photo/bouton_suivant.bmp";
inline constexpr const char* BOUTON_REJOUER = "photo/bouton_rejouer.bmp";

// The board's buttons for a finger (BOUTON_PAUSE, BOUTON_REGLES, BOUTON_SON in
// geometrie.hpp): the pause, the rules, and the sound on or muted. Additions, so that a
// child with a touch screen alone reaches every screen; see docs/choix.md.
inline constexpr const char* BOUTON_PAUSE = "photo/bouton_pause.bmp";
inline constexpr const char* BOUTON_REGLES = "photo/bouton_regles.bmp";
inline constexpr const char* BOUTON_SON = "photo/bouton_son.bmp";
inline constexpr const char* BOUTON_MUET = "photo/bouton_muet.bmp";
// Drawn on the track card that holds the saved level, above the level's number: where
// the child stands, for a child who cannot read (MARQUE_CARTE in geometrie.hpp).
inline constexpr const char* MARQUE = "photo/marque.bmp";

// The pictures that tell what to do, as a touch screen shows them: "touche", and no key
// or mouse button named. The desktop shows the others.
inline constexpr const char* FOND_TACTILE = "photo/fond_tactile.bmp";
inline constexpr const char* DIFFICULTE_TACTILE = "photo/difficulte_tactile.bmp";
inline constexpr const char* TEMPS_FINI_TACTILE = "photo/temps_fini_tactile.bmp";
inline constexpr const char* PAUSE_TACTILE = "photo/pause_tactile.bmp";
inline constexpr const char* REGLE_TACTILE = "photo/regle_tactile.bmp";
inline constexpr const char* FINI_TACTILE = "photo/fini_tactile.bmp";

// `nom`'s touch version when it has one and `tactile` is set; `nom` itself otherwise.
constexpr const char* pour(const char* nom, bool tactile)
{
    if (!tactile)
        return nom;
    const char* const paires[][2] = {{FOND, FOND_TACTILE},   {DIFFICULTE, DIFFICULTE_TACTILE},
                                     {TEMPS_FINI, TEMPS_FINI_TACTILE}, {PAUSE, PAUSE_TACTILE},
                                     {REGLE, REGLE_TACTILE}, {FINI, FINI_TACTILE}};
    for (const auto& paire : paires)
        if (paire[0] == nom)
            return paire[1];
    return nom;
}

inline constexpr const char* TOUTES[] = {
    ICONE, DEBUT1, DEBUT2, DIFFICULTE, FOND, BIDOU, BIDOU_GAUCHE, BIDOU_GROS, CERCUEIL,
    TEMPS_FINI, PSEUDO_FIN, FINI, PAUSE, REGLE, GAMELLE_VIDE, GAMELLE_PLEINE, POUBELLE_VIDE,
    POUBELLE_PLEINE, CROIX, BOUTON_SUIVANT, BOUTON_REJOUER, BOUTON_PAUSE, BOUTON_REGLES, BOUTON_SON,
    BOUTON_MUET, MARQUE, FOND_TACTILE, DIFFICULTE_TACTILE, TEMPS_FINI_TACTILE, PAUSE_TACTILE,
    REGLE_TACTILE, FINI_TACTILE,
};
}  // namespace image

inline constexpr const char* FICHIER_POLICE = "angelina.ttf";
