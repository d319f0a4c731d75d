// The game's font: a reader's font shrunk inside its em and renamed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The game opens its font at fixed sizes (34 and 48 points) that an ordinary font fills
// about twice over. Raising unitsPerEm in `head` shrinks every glyph and metric by the
// same factor without touching an outline: `echelle` 0.6 draws at 60 % of the size.
// The family is renamed to `famille`, because the original's licence reserves its
// name for unmodified copies; copyright, licence and trademark records stay.
// The line is cut to what Latin-1 needs (`etendue`): the original's line makes room
// for stacked diacritics of other scripts, which the score panel's 40 pixels cannot
// spare and which the game, writing Latin-1 only, never shows.
// Tables that cache pixel metrics per size (hdmx, VDMX, LTSH) would now be wrong and
// are dropped, with the signature that the edit breaks (DSIG).
// The hinting programs and every glyph's instructions are dropped too: the game opens
// its panel font on every pass, and FreeType ran them all again each time.
struct Etendue {
    int haut = 0, bas = 0;  // font units above and below the baseline (bas < 0)
};
struct Reduction {
    double echelle = 1;
    Etendue ligne;
    std::string famille, description;
};
std::vector<std::uint8_t> reduire_police(const std::vector<std::uint8_t>& ttf, const Reduction& r);

// The highest and lowest ink of the Latin-1 letters of the font in `fichier`.
Etendue etendue_latin1(const std::string& fichier);

// The strings of the `name` table as (nameID, UTF-8 text), for checks and tests.
std::vector<std::pair<int, std::string>> noms_police(const std::vector<std::uint8_t>& ttf);
