// A headless 900 x 640 screen in a throw-away game directory whose photo/ holds only
// the small pictures a test writes itself, so that pixel checks know every colour.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "dossier_de_jeu.hpp"
#include "pixel_brut.hpp"
#include "draw/geometrie.hpp"

// Colours as 0xRRGGBB, compared exactly.
using Rvb = std::uint32_t;
inline constexpr Rvb BLEU_CLE = 0x0000FF;

inline Uint32 couleur_sdl(const SDL_PixelFormat* format, Rvb c)
{
    return SDL_MapRGB(const_cast<SDL_PixelFormat*>(format), Uint8(c >> 16), Uint8(c >> 8), Uint8(c));
}

// The colour at x, y of a surface of 24 or 32 bits per pixel.
inline Rvb lire_pixel(SDL_Surface* s, int x, int y)
{
    Uint8 r, g, b;
    SDL_GetRGB(pixel_brut(s, x, y), s->format, &r, &g, &b);
    return Rvb(r) << 16 | Rvb(g) << 8 | b;
}

class EcranDeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ecran = SDL_SetVideoMode(LARGEUR_ECRAN, HAUTEUR_ECRAN, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
        ASSERT_NE(ecran, nullptr) << SDL_GetError();
        ASSERT_FALSE(SDL_MUSTLOCK(ecran));
        std::filesystem::create_directory("photo");
    }
    void TearDown() override { SDL_Quit(); }

    // Writes a w x h BMP of colour `fond`; with `coin_cle`, its top-left 4 x 4 pixels are
    // pure blue, which the game must make transparent.
    static void ecrire_image(const char* chemin, int w, int h, Rvb fond, bool coin_cle = true)
    {
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        ASSERT_NE(s, nullptr);
        SDL_FillRect(s, nullptr, couleur_sdl(s->format, fond));
        SDL_Rect coin{0, 0, 4, 4};
        if (coin_cle)
            SDL_FillRect(s, &coin, couleur_sdl(s->format, BLEU_CLE));
        ASSERT_EQ(SDL_SaveBMP(s, chemin), 0) << chemin;
        SDL_FreeSurface(s);
    }

    void peindre(Rvb c) { SDL_FillRect(ecran, nullptr, couleur_sdl(ecran->format, c)); }
    Rvb pixel(int x, int y) const { return lire_pixel(ecran, x, y); }

    DossierDeJeu dossier{false};
    SDL_Surface* ecran = nullptr;
};
