#include "ecrans.hpp"

#include "draw/noms_images.hpp"
#include "draw/ressources.hpp"
#include "platform/plateforme.hpp"

namespace {
// 255 is opaque: the board stays visible through the pause picture.
constexpr Uint8 ALPHA_PAUSE = 168;
}  // namespace

void dessiner_pause(SDL_Surface* ecran, bool tactile)
{
    const Surface image = charger_image(image::pour(image::PAUSE, tactile));
    if (image)
        SDL_SetAlpha(image.get(), SDL_SRCALPHA, ALPHA_PAUSE);
    coller(ecran, image.get(), 0, 0);
}

// Everything else is swallowed, the window's close button and the page's pause request
// included: the game goes on afterwards as though they had not come. A tap anywhere is an
// addition, for a child without a keyboard.
bool ferme_la_pause(const SDL_Event& evenement) { return touche_enfoncee(evenement, SDLK_p) || clic_gauche(evenement); }

void dessiner_regles(SDL_Surface* ecran, bool tactile)
{
    const Surface image = charger_image(image::pour(image::REGLE, tactile));
    coller(ecran, image.get(), 0, 0);
}

// Neither r, which opened them, nor Escape or the close button; a tap anywhere is an
// addition, for a child without a keyboard.
bool ferme_les_regles(const SDL_Event& evenement)
{
    return touche_enfoncee(evenement, SDLK_j) || clic_gauche(evenement);
}
