// The verdict's button, drawn at the message's right end (BOUTON_VERDICT) once a level
// is judged: an addition to the game, see docs/choix.md.
#pragma once

#include "cairo_outils.hpp"

namespace images {
// Keyed, BOUTON_VERDICT's size: a round button, green with a white arrow pointing right
// to go on after a won level (`suivant`), orange with a white round arrow to play a lost
// one again. Its ring stays inside the message box's light rows, the frame's just around it.
Surface bouton_verdict(bool suivant);

// The same button drawn at any size, centred on (cx, cy), for the rules card.
void dessiner_bouton(cairo_t* cr, bool suivant, double cx, double cy, double rayon);
}  // namespace images
