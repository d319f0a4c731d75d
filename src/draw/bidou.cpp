#include "bidou.hpp"

#include "draw/noms_images.hpp"
#include "draw/plateau.hpp"
#include "draw/ressources.hpp"

namespace {
// Outward and return: the pet moves on a slant, 2 px across for 1 px down (or up).
constexpr std::int16_t PAS_X = 2;
constexpr std::int16_t PAS_Y = 1;
// The outward walk stops at the first x of 370 or more, 30 px left of the bowls.
constexpr std::int16_t X_MAX_ALLER = 369;
// Climbing goes on while y > 100 (so a pet at exactly 100 does not climb).
constexpr std::int16_t Y_HAUT = 100;
// Descending goes on while y is below 400.
constexpr std::int16_t Y_MAX_DESCENTE = 399;
constexpr std::int16_t PAS_RANGEE = 100;
constexpr std::uint32_t ATTENTE_MONTEE_MS = 700;
constexpr std::uint32_t ATTENTE_DESCENTE_MS = 200;
// The slanted legs go one step every 9 ms, so 185 steps take 1.7 s each way. Paced by
// the clock on purpose: left to the speed of drawing they once lasted seconds, and on
// a machine that draws a frame in well under a millisecond the pet would jump from
// the hutch to the bowls. The climb and the descent keep their own waits.
constexpr std::uint32_t PERIODE_PAS_MS = 9;
}  // namespace

void deplacer_bidou(SDL_Surface* ecran, SDL_Surface* sprite_bidou, const Tableau& tableau, SDL_Surface* fond,
                    SDL_Rect position_fond, SDL_Rect position_bidou, std::int32_t niveau,
                    Plateforme& plateforme, const std::function<void()>& un_pas)
{
    // position_bidou is the walk's own copy: the caller's pet stays where it was.
    SDL_Rect& pos = position_bidou;

    // Every frame is presented twice, once by the board without the pet and once with
    // it; the score panel and the level's message are not redrawn.
    const auto dessiner = [&](SDL_Surface* bidou) {
        coller(ecran, fond, position_fond.x, position_fond.y);
        afficher_aliment(ecran, tableau, niveau);
        afficher_gamelle_poubelle(ecran, tableau, niveau, plateforme);
        coller(ecran, bidou, pos.x, pos.y);
        if (un_pas)
            un_pas();
        plateforme.presenter(ecran);
    };

    Cadence aller(plateforme, PERIODE_PAS_MS);
    while (pos.x <= X_MAX_ALLER) {
        aller.attendre_image();
        pos.x += PAS_X;
        pos.y += PAS_Y;
        dessiner(sprite_bidou);
    }
    while (pos.y > Y_HAUT) {
        plateforme.attendre(ATTENTE_MONTEE_MS);
        pos.y -= PAS_RANGEE;
        dessiner(sprite_bidou);
    }
    while (pos.y <= Y_MAX_DESCENTE) {
        plateforme.attendre(ATTENTE_DESCENTE_MS);
        pos.y += PAS_RANGEE;
        dessiner(sprite_bidou);
    }

    // The turn draws no frame of its own. Without the left-facing picture the pet walks
    // back as it came rather than vanishing.
    const Surface bidou_gauche = charger_image_cle(image::BIDOU_GAUCHE);
    SDL_Surface* retour = bidou_gauche ? bidou_gauche.get() : sprite_bidou;

    // From an odd start x this overshoots to x -1, the pet's first column cut off by the
    // window's edge. Intended: the return mirrors the outward walk step for step.
    Cadence retour_au_clapier(plateforme, PERIODE_PAS_MS);
    while (pos.x > 0) {
        retour_au_clapier.attendre_image();
        pos.x -= PAS_X;
        pos.y -= PAS_Y;
        dessiner(retour);
    }
}
