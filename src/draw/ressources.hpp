// One owner per SDL surface and font, and the game's way of loading pictures.
#pragma once

#include "platform/sdl_version.hpp"
#include <SDL_ttf.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct LibererSurface {
    void operator()(SDL_Surface* s) const noexcept { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, LibererSurface>;

struct FermerPolice {
    void operator()(TTF_Font* f) const noexcept { TTF_CloseFont(f); }
};
using Police = std::unique_ptr<TTF_Font, FermerPolice>;

// The picture's file read whole in one go and decoded from memory as the BMP it is
// (IMG_LoadBMP_RW). A picture that cannot be loaded gives a null surface, which every
// drawing call below skips, and one line on standard error the first time that file fails.
Surface charger_image(const char* chemin);
// The same, with pure blue (0, 0, 255) made transparent.
Surface charger_image_cle(const char* chemin);
// Makes pure blue transparent on `image` (nothing for a null surface).
void poser_cle_bleue(SDL_Surface* image);

// A font opened at `points` from its file read whole into memory (TTF_OpenFontRW), for
// the panel that opens its font on every call: FreeType then reads the tables and glyphs
// it needs straight from memory, where through a file it made a seek and a read for
// each. A null font when the file cannot be read or opened, with SDL's error
// (TTF_GetError) saying why.
class PoliceLue {
public:
    PoliceLue(const char* chemin, int points);
    TTF_Font* get() const { return police_.get(); }
    explicit operator bool() const { return police_ != nullptr; }
    // Closes the font, then lets its file's bytes go.
    void reset()
    {
        police_.reset();
        octets_.clear();
        octets_.shrink_to_fit();
    }

private:
    std::vector<unsigned char> octets_;  // declared first, so released after the font
    Police police_;
};

// `image` converted to the screen's pixel format, for pictures blitted many times (the
// background, on every frame): the blit becomes a copy instead of a conversion. Keeps
// the colour key. Returns `image` itself when there is no screen yet or it cannot convert.
Surface au_format_ecran(Surface image);

// Blits the whole of `image` with its top-left corner at x, y; a null image draws nothing.
// The blits that every frame repeats (a 24-bit picture, keyed or not, and a copy in the
// screen's format) skip SDL's general-purpose blitter and write the same pixels.
void coller(SDL_Surface* ecran, SDL_Surface* image, std::int16_t x, std::int16_t y);

// Lays the whole of `image` over `ecran` at 0, 0 with surface alpha `alpha`, writing
// what SDL_BlitSurface writes with SDL_SRCALPHA (a plain copy at 255, key pixels left
// alone): one frame of a fade. Blended here, several times faster than SDL, when the
// picture is in the screen's 32-bit format under classic SDL or in the browser; by SDL
// otherwise.
void fondre(SDL_Surface* ecran, SDL_Surface* image, Uint8 alpha);
// A fade's picture made ready for fondre: converted once to the screen's format where
// fondre blends it itself, left as loaded where SDL does.
Surface pour_fondu(Surface image);

// The game forgets which missing pictures it has reported, so that a new run reports
// them again (the game flow calls it once at start).
void oublier_images_signalees();
