// The round buttons a finger presses: the verdict's, at the message's right end
// (BOUTON_VERDICT), and the board's pause, rules and sound buttons. Additions to the
// game, see docs/choix.md.
#pragma once

#include "cairo_outils.hpp"
#include "draw/geometrie.hpp"

namespace images {
// What a button shows, each on a face of its own colour, so that a child tells them
// apart without reading: an arrow on (green), a round arrow to play again (orange), two
// bars for the pause (violet), a question mark for the rules (blue), a speaker (pink)
// and the same speaker crossed out on grey when the sound is off.
enum class Signe { Suivant, Rejouer, Pause, Regles, Son, Muet };

// Keyed, BOUTON_VERDICT's size: `suivant` after a won level, to play a lost one again
// otherwise. Its ring stays inside the message box's light rows, the frame's just around it.
Surface bouton_verdict(bool suivant);

// Keyed, at `cadre`'s size: one of the board's buttons, its round face as large as the
// box allows with its lip. Every sign is drawn on the same face outline, so that one
// button blitted over another (sound over muted) leaves nothing of the first.
Surface bouton_plateau(Signe signe, const Cadre& cadre);

// A button drawn at any size, centred on (cx, cy), for the rules card.
void dessiner_bouton(cairo_t* cr, Signe signe, double cx, double cy, double rayon);
}  // namespace images
