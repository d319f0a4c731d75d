#include "accueil.hpp"

#include <cstdint>
#include <utility>

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

FonduDifficulte::FonduDifficulte(SDL_Surface* ecran, Plateforme& plateforme, bool tactile,
                                 std::function<void()> par_dessus)
    : ecran_(ecran),
      plateforme_(plateforme),
      image_(pour_fondu(charger_image(image::pour(image::DIFFICULTE, tactile)))),
      par_dessus_(std::move(par_dessus)),
      cadence_(plateforme, PERIODE_FONDU_DIFFICULTE)
{
}

bool FonduDifficulte::image_suivante()
{
    cadence_.attendre_image();
    fondre(ecran_, image_.get(), static_cast<Uint8>(alpha_));
    const bool derniere = alpha_ == 255;
    if (derniere && par_dessus_)
        par_dessus_();
    plateforme_.presenter(ecran_);
    ++alpha_;
    return !derniere;
}

void FonduDifficulte::achever()
{
    alpha_ = 255;
    fondre(ecran_, image_.get(), 255);
    if (par_dessus_)
        par_dessus_();
    plateforme_.presenter(ecran_);
}

int piste_choisie(const SDL_Event& e)
{
    if (e.type == SDL_KEYDOWN)
        return piste_de_touche(e.key.keysym.sym);
    if (e.type == SDL_MOUSEBUTTONDOWN && e.button.button == SDL_BUTTON_LEFT)
        return piste_sous(e.button.x, e.button.y);
    return -1;
}
