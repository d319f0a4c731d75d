// What Bidou says and how: the game's own texts (the foods' labels as their tiles show
// them, the verdict messages, the screens' sentences) spoken by espeak-ng.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "signal.hpp"

namespace sons {
// espeak-ng's settings for a young listener (docs/choix.md says why each).
struct Voix {
    std::string programme = "espeak-ng";
    std::string variante = "fr+f5";  // French, the smoothest woman's voice: no roughness, echo or flutter
    int hauteur = 55;                // pitch, 0 to 99 (default 50): a touch brighter, not squeaky
    int debit = 130;                 // words per minute (default 175)
    int pause_mots = 1;              // extra gap between words, in units of 10 ms
};

// `texte` (UTF-8) said by `voix`: espeak-ng's WAV read back, the silence around the words
// cut to a short margin, and normalised. Throws when espeak-ng fails or says nothing.
Signal dire(const Voix& voix, const std::string& texte);

// What one clip says: its name (sons.hpp) and its text.
struct Phrase {
    std::string nom;
    std::string texte;
};

// Every voice clip: the catalogue's foods in order (aliment_00...), then the sentences.
// Throws when the picture tool's list of labels does not follow the catalogue.
std::vector<Phrase> phrases();

// A food's label as its tile shows it, said as one word group: the tile's break marks out.
std::string etiquette_parlee(std::string_view nom);

// Empty when `fichiers` (the label list's picture names, in order) names the catalogue's
// pictures one for one; otherwise one line saying the first difference.
std::string ecart_au_catalogue(const std::vector<std::string_view>& fichiers);
}  // namespace sons
