#include "ressources.hpp"

#include <SDL_image.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>

namespace {
// Pictures are reloaded on every frame; a missing one would otherwise flood the
// terminal with the same line hundreds of times a second.
std::set<std::string>& images_signalees()
{
    static std::set<std::string> deja;
    return deja;
}
}  // namespace

void oublier_images_signalees() { images_signalees().clear(); }

Surface charger_image(const char* chemin)
{
    Surface image{IMG_Load(chemin)};
    if (!image && images_signalees().insert(chemin).second)
        std::fprintf(stderr, "grignotin: IMG_Load: %s: %s (picture skipped)\n", chemin, IMG_GetError());
    return image;
}

void poser_cle_bleue(SDL_Surface* image)
{
    if (image)
        SDL_SetColorKey(image, SDL_SRCCOLORKEY, SDL_MapRGB(image->format, 0, 0, 255));
}

Surface charger_image_cle(const char* chemin)
{
    Surface image = charger_image(chemin);
    poser_cle_bleue(image.get());
    return image;
}

Surface au_format_ecran(Surface image)
{
    if (!image || !SDL_GetVideoSurface())
        return image;
    Surface converti{SDL_DisplayFormat(image.get())};
    return converti ? std::move(converti) : std::move(image);
}

void coller(SDL_Surface* ecran, SDL_Surface* image, std::int16_t x, std::int16_t y)
{
    if (!image || !ecran)
        return;
    SDL_Rect position{};
    position.x = x;
    position.y = y;
    SDL_BlitSurface(image, nullptr, ecran, &position);
}
