#include "ecrans.hpp"

#include "draw/noms_images.hpp"
#include "draw/ressources.hpp"

namespace {
// 255 is opaque: the board stays visible through the pause picture.
constexpr Uint8 ALPHA_PAUSE = 168;
}  // namespace

void pause(SDL_Surface* ecran, Plateforme& plateforme)
{
    const Surface image = charger_image(image::PAUSE);
    if (image)
        SDL_SetAlpha(image.get(), SDL_SRCALPHA, ALPHA_PAUSE);
    coller(ecran, image.get(), 0, 0);
    plateforme.presenter(ecran);

    // Drawn once. Everything but the next key-down of p, or a tap anywhere (an addition,
    // for a child without a keyboard), is swallowed, the window's close button included:
    // the game goes on afterwards as though it had not been pressed.
    SDL_Event evenement{};
    do
        plateforme.attendre_evenement(evenement);
    while (!touche_enfoncee(evenement, SDLK_p) && !clic_gauche(evenement));
    // No redraw here: the level loop's next pass repaints the board.
}

void regle_jeu(SDL_Surface* ecran, Plateforme& plateforme)
{
    // Loaded, drawn and presented again after every event, mouse motion included; only
    // a key-down of j, or a tap anywhere (an addition, for a child without a keyboard),
    // closes it (neither r, which opened it, nor Escape or the close button).
    bool continuer = true;
    while (continuer) {
        const Surface image = charger_image(image::REGLE);
        coller(ecran, image.get(), 0, 0);
        plateforme.presenter(ecran);
        SDL_Event evenement{};
        plateforme.attendre_evenement(evenement);
        if (touche_enfoncee(evenement, SDLK_j) || clic_gauche(evenement))
            continuer = false;
    }
}
