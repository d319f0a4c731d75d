// The SDL the game is built against. The desktop game is written for SDL 1.2; the
// browser build compiles the same code against SDL 2, which spells a few of the calls
// the game makes differently. Those few are given here under their SDL 1.2 names, so
// that the rest of the code reads the same for both; every other SDL call the game
// makes means the same in both.
#pragma once

#include <SDL.h>

#if SDL_MAJOR_VERSION < 2

#include <SDL_image.h>

// Whether `image` has a colour key, and which: a pixel value of its own format.
inline bool cle_de(SDL_Surface* image, Uint32& cle)
{
    cle = image->format->colorkey;
    return (image->flags & SDL_SRCCOLORKEY) != 0;
}

// Whether SDL blends `image` when it blits it: surface alpha or an alpha channel.
inline bool melange(SDL_Surface* image) { return (image->flags & SDL_SRCALPHA) != 0; }

inline SDL_version version_sdl_liee() { return *SDL_Linked_Version(); }

#else

// The keys. SDL 2 names the keypad's digits differently, and has no names for the keys
// of other layouts: they come as what they type, é (SDL 1.2's SDLK_WORLD_73) as 0xE9.
using SDLKey = SDL_Keycode;
inline constexpr SDL_Keycode SDLK_KP1 = SDLK_KP_1;
inline constexpr SDL_Keycode SDLK_KP2 = SDLK_KP_2;
inline constexpr SDL_Keycode SDLK_KP3 = SDLK_KP_3;
inline constexpr SDL_Keycode SDLK_WORLD_73 = 0xE9;

// SDL 2's SDL_SetColorKey takes a plain yes or no; its surface flags no longer say
// whether there is a key or surface alpha (cle_de and melange ask instead).
inline constexpr int SDL_SRCCOLORKEY = SDL_TRUE;
inline constexpr Uint32 SDL_SRCALPHA = 0x00010000;
inline constexpr Uint32 SDL_HWSURFACE = 0;
inline constexpr Uint32 SDL_DOUBLEBUF = 0;

inline bool cle_de(SDL_Surface* image, Uint32& cle) { return SDL_GetColorKey(image, &cle) == 0; }

inline bool melange(SDL_Surface* image)
{
    SDL_BlendMode mode = SDL_BLENDMODE_NONE;
    return SDL_GetSurfaceBlendMode(image, &mode) == 0 && mode != SDL_BLENDMODE_NONE;
}

inline SDL_version version_sdl_liee()
{
    SDL_version version{};
    SDL_GetVersion(&version);
    return version;
}

// Surface alpha as SDL 1.2 sets it: blended with `alpha` when asked, a plain copy otherwise.
inline int SDL_SetAlpha(SDL_Surface* image, Uint32 drapeaux, Uint8 alpha)
{
    const bool avec = (drapeaux & SDL_SRCALPHA) != 0;
    if (SDL_SetSurfaceAlphaMod(image, avec ? alpha : SDL_ALPHA_OPAQUE) != 0)
        return -1;
    return SDL_SetSurfaceBlendMode(image, avec ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
}

// SDL 1.2 has one screen, SDL 2 windows with a surface each: the game's one window,
// found again by its number, which names no window once SDL_Quit has closed it (a game
// played again after the last one ended opens a new one).
namespace sdl_version_detail {
inline Uint32& numero_fenetre()
{
    static Uint32 numero = 0;
    return numero;
}
inline SDL_Surface*& icone()
{
    static SDL_Surface* icone = nullptr;
    return icone;
}
inline SDL_Window* fenetre() { return SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetWindowFromID(numero_fenetre()) : nullptr; }
}  // namespace sdl_version_detail

// As in SDL 1.2, the icon is given before the window opens.
inline void SDL_WM_SetIcon(SDL_Surface* icone, Uint8*) { sdl_version_detail::icone() = icone; }

// The window at w x h and its surface, in the display's own pixel format (in the
// browser, 32 bits with red in the low byte). The depth and flags mean nothing to SDL 2.
inline SDL_Surface* SDL_SetVideoMode(int largeur, int hauteur, int, Uint32)
{
    SDL_Window* fenetre = sdl_version_detail::fenetre();
    if (!fenetre) {
        fenetre = SDL_CreateWindow("", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, largeur, hauteur, 0);
        if (!fenetre)
            return nullptr;
        sdl_version_detail::numero_fenetre() = SDL_GetWindowID(fenetre);
    } else {
        SDL_SetWindowSize(fenetre, largeur, hauteur);
    }
    if (sdl_version_detail::icone())
        SDL_SetWindowIcon(fenetre, sdl_version_detail::icone());
    return SDL_GetWindowSurface(fenetre);
}

inline SDL_Surface* SDL_GetVideoSurface()
{
    SDL_Window* fenetre = sdl_version_detail::fenetre();
    return fenetre ? SDL_GetWindowSurface(fenetre) : nullptr;
}

inline int SDL_Flip(SDL_Surface*)
{
    SDL_Window* fenetre = sdl_version_detail::fenetre();
    return fenetre ? SDL_UpdateWindowSurface(fenetre) : -1;
}

inline void SDL_WM_SetCaption(const char* titre, const char*)
{
    if (SDL_Window* fenetre = sdl_version_detail::fenetre())
        SDL_SetWindowTitle(fenetre, titre);
}

inline SDL_Surface* SDL_DisplayFormat(SDL_Surface* image)
{
    SDL_Surface* ecran = SDL_GetVideoSurface();
    return ecran ? SDL_ConvertSurface(image, ecran->format, 0) : nullptr;
}

inline char* SDL_VideoDriverName(char* nom, int taille)
{
    const char* pilote = SDL_GetCurrentVideoDriver();
    if (!pilote || taille <= 0)
        return nullptr;
    SDL_strlcpy(nom, pilote, static_cast<size_t>(taille));
    return nom;
}

// The pictures are BMP files: SDL 2 reads those itself, SDL_image is not needed.
inline SDL_Surface* IMG_LoadBMP_RW(SDL_RWops* flux) { return SDL_LoadBMP_RW(flux, 0); }
inline const char* IMG_GetError() { return SDL_GetError(); }

#endif

// Whether the display is the browser's canvas, which needs no DISPLAY to show pictures.
#ifdef __EMSCRIPTEN__
inline constexpr bool AFFICHAGE_NAVIGATEUR = true;
#else
inline constexpr bool AFFICHAGE_NAVIGATEUR = false;
#endif
