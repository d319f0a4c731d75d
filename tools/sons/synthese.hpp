// The sounds, made by our own code from a few sines and noise: nothing recorded.
#pragma once

#include "signal.hpp"

namespace sons {
Signal croque();     // a food into the bowl: three short crunchy bites
Signal poubelle();   // a food into the bin: a soft low thud
Signal pas();        // Bidou's steps: four light pats
Signal air_gagne();  // a won level: a quick rising arpeggio ending on its high note
Signal air_perdu();  // a lost level: three gentle notes down to a major chord, kind, not mocking
}  // namespace sons
