#include "accueil.hpp"

#include <cstdint>

#include "draw/geometrie.hpp"
#include "draw/noms_images.hpp"
#include "draw/ressources.hpp"

namespace {

constexpr std::uint32_t PAUSE_INTRO = 50;  // ms per frame of the intro fade
constexpr int ALPHA_FIN_INTRO = 240;
// The difficulty fade: 256 frames 8 ms apart, about two seconds. Paced by the clock on
// purpose: it was written to run as fast as the screen could be presented, which today
// takes a second or less, and less again on a faster machine.
constexpr std::uint32_t PERIODE_FONDU_DIFFICULTE = 8;  // ms

// The track (0 easy, 1 medium, 2 hard) that a key chooses, or -1. Besides the keypad,
// the digits above the letters choose, for keyboards without a keypad. They come as
// SDLK_1 to SDLK_3 on a US layout, and from SDL 1.2 over SDL 2 whatever the layout;
// classic SDL on a French keyboard gives what those keys type unshifted: &, é
// (SDLK_WORLD_73) and ". Modifiers are not looked at, so with Shift they still choose.
int piste_de_touche(SDLKey touche)
{
    switch (touche) {
    case SDLK_KP1:
    case SDLK_1:
    case SDLK_AMPERSAND:
        return 0;
    case SDLK_KP2:
    case SDLK_2:
    case SDLK_WORLD_73:
        return 1;
    case SDLK_KP3:
    case SDLK_3:
    case SDLK_QUOTEDBL:
        return 2;
    default:
        return -1;
    }
}

// The track chosen by a key press or a left click on its card, or -1 for every other
// event: the screen drops them.
int piste_choisie(const SDL_Event& e)
{
    if (e.type == SDL_KEYDOWN)
        return piste_de_touche(e.key.keysym.sym);
    if (e.type == SDL_MOUSEBUTTONDOWN && e.button.button == SDL_BUTTON_LEFT)
        return piste_sous(e.button.x, e.button.y);
    return -1;
}

}  // namespace

void fondu_intro(SDL_Surface* ecran, Plateforme& plateforme)
{
    const Surface debut1 = charger_image(image::DEBUT1);
    coller(ecran, debut1.get(), 0, 0);
    // Made ready once, so that each of the 241 frames blends pixels of the screen's own format.
    const Surface debut2 = pour_fondu(charger_image_cle(image::DEBUT2));
    // The screen is not cleared between frames: each one blends over the last, so the
    // second picture settles in well before its alpha reaches 240.
    for (int alpha = 0; alpha <= ALPHA_FIN_INTRO; ++alpha) {
        fondre(ecran, debut2.get(), static_cast<Uint8>(alpha));
        plateforme.presenter(ecran);
        plateforme.attendre(PAUSE_INTRO);
    }
}

void fondu_difficulte(SDL_Surface* ecran, Plateforme& plateforme)
{
    const Surface difficulte = pour_fondu(charger_image(image::DIFFICULTE));
    Cadence cadence(plateforme, PERIODE_FONDU_DIFFICULTE);
    for (int alpha = 0; alpha <= 255; ++alpha) {
        cadence.attendre_image();
        fondre(ecran, difficulte.get(), static_cast<Uint8>(alpha));
        plateforme.presenter(ecran);
    }
}

int attendre_choix_de_piste(Plateforme& plateforme)
{
    for (;;) {
        SDL_Event e;
        plateforme.attendre_evenement(e);
        if (touche_enfoncee(e, SDLK_ESCAPE) || e.type == SDL_QUIT)
            return -1;
        if (const int piste = piste_choisie(e); piste >= 0)
            return piste;
    }
}
