#include "plateforme_web.hpp"

#include <emscripten.h>

namespace {

// How often a wait for an event looks at the queue. SDL's own SDL_WaitEvent looks every
// millisecond, each look a trip through the browser's event loop; a tap answered within
// 10 ms is as quick to a child, for a tenth of the work.
constexpr Uint32 PERIODE_ATTENTE_EVENEMENT = 10;  // ms

// The page (web/pre.js) keeps these: a test waits for the first frame, and the save is
// in the page's storage before the game goes on.
EM_JS(void, annoncer_premiere_image, (), { document.body.dataset.premiereImage = "oui"; });
EM_ASYNC_JS(void, garder_progression, (), { await Module.garder_progression(); });

}  // namespace

std::uint32_t PlateformeWeb::ticks() { return SDL_GetTicks(); }

void PlateformeWeb::attendre(std::uint32_t ms) { SDL_Delay(ms); }

void PlateformeWeb::attendre_jusqua(std::uint32_t echeance)
{
    const std::int32_t reste = ecart_ms(echeance, SDL_GetTicks());
    if (reste > 0)
        SDL_Delay(static_cast<Uint32>(reste));
}

void PlateformeWeb::attendre_evenement(SDL_Event& evenement)
{
    while (SDL_PollEvent(&evenement) != 1)
        SDL_Delay(PERIODE_ATTENTE_EVENEMENT);
}

bool PlateformeWeb::sonder_evenement(SDL_Event& evenement) { return SDL_PollEvent(&evenement) == 1; }

void PlateformeWeb::presenter(SDL_Surface* ecran)
{
    SDL_Flip(ecran);
    if (premiere_image_) {
        premiere_image_ = false;
        annoncer_premiere_image();
    }
}

void PlateformeWeb::progression_sauvee() { garder_progression(); }
