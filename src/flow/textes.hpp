// The sentences that a picture shows and Bidou says, written once: the picture tool draws
// them (tools/images/ecrans.cpp) and the sound tool speaks them (tools/sons). UTF-8, as
// both tools take them; the game itself only loads the pictures and the clips. No SDL here.
#pragma once

namespace texte {
// The time-up picture.
inline constexpr const char* TEMPS_ECOULE = "Le temps est écoulé !";
inline constexpr const char* SECONDES_PASSEES = "Les 30 secondes sont passées.";

// The card screen.
inline constexpr const char* CHOISIS_PARCOURS = "Choisis ton parcours";
inline constexpr const char* PISTE_FACILE = "facile";
inline constexpr const char* PISTE_MOYENNE = "moyen";
inline constexpr const char* PISTE_DIFFICILE = "difficile";

// The track-end and end pictures.
inline constexpr const char* BRAVO = "Bravo !";
inline constexpr const char* PARCOURS_FINI = "Tu as fini ce parcours !";
inline constexpr const char* JEU_TERMINE = "Tu as terminé tout le jeu !";
inline constexpr const char* EN_FORME = "Bidou est en pleine forme grâce à toi.";

// The rules picture: its title and the lines said aloud, in the order they stand (the
// keys' list below them is read on the picture only).
inline constexpr const char* REGLES_TITRE = "Les règles du jeu";
inline constexpr const char* REGLES_FAIM = "Bidou a faim ! Pour chaque aliment, choisis s'il est bon pour lui.";
inline constexpr const char* REGLES_GAMELLE = "clic gauche : dans la gamelle";
inline constexpr const char* REGLES_BON = "l'aliment est bon pour Bidou";
inline constexpr const char* REGLES_POUBELLE = "clic droit : à la poubelle";
inline constexpr const char* REGLES_MAUVAIS = "l'aliment est mauvais pour lui";
inline constexpr const char* REGLES_TEMPS = "30 secondes par niveau. Un autre clic sur la ligne change ton choix.";
// The same lines as a touch screen shows them.
inline constexpr const char* REGLES_GAMELLE_TACTILE = "touche la gamelle";
inline constexpr const char* REGLES_POUBELLE_TACTILE = "touche la poubelle";
inline constexpr const char* REGLES_TEMPS_TACTILE = "30 secondes par niveau. Pour changer, touche l'autre côté de la ligne.";
inline constexpr const char* REGLES_REUSSITE = "5 bonnes réponses : Bidou se régale et tu passes au niveau";
inline constexpr const char* REGLES_REUSSITE_SUITE = "suivant. Sinon, il faudra recommencer le niveau.";
inline constexpr const char* REGLES_CROIX = "Niveau perdu : une croix rouge montre chaque aliment mal rangé.";
inline constexpr const char* REGLES_CROIX_SUITE = "Change-le de place, et la croix s'en va.";
}  // namespace texte
