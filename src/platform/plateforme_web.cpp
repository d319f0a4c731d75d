#include "plateforme_web.hpp"

#include "son_web.hpp"

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
// Sleeps `ms` or until the child's next press, key or move, whichever comes first. Woken
// a turn after the event (setTimeout 0), once SDL's own listeners have queued it.
EM_ASYNC_JS(void, dormir_ou_saisie, (unsigned ms), {
    await new Promise((reveil) => {
        const types = ["pointerdown", "pointerup", "pointermove", "touchstart", "touchend", "touchmove",
                       "mousedown", "mouseup", "mousemove", "keydown", "keyup", "wheel", "blur", "visibilitychange"];
        let minuterie = 0;
        const fin = () => {
            clearTimeout(minuterie);
            for (const t of types) window.removeEventListener(t, saisie, true);
            reveil();
        };
        const saisie = () => setTimeout(fin, 0);
        for (const t of types) window.addEventListener(t, saisie, true);
        minuterie = setTimeout(fin, ms);
    });
});

}  // namespace

PlateformeWeb::PlateformeWeb()
{
    // SDL 2 would also hand the browser its turn on every frame it puts on the canvas:
    // a wait of at least 4 ms (the browser's shortest timer) each time, twice a step in
    // the walk, which then took 11 s instead of 7. The game's own waits are enough. The
    // same setting makes SDL_Delay spin instead of yield, so the waits below call
    // emscripten_sleep themselves. Set for each game, as SDL_Quit forgets its hints.
    SDL_SetHint(SDL_HINT_EMSCRIPTEN_ASYNCIFY, "0");
}

std::uint32_t PlateformeWeb::ticks() { return SDL_GetTicks(); }

void PlateformeWeb::attendre(std::uint32_t ms)
{
    montrer();
    emscripten_sleep(ms);
}

void PlateformeWeb::attendre_jusqua(std::uint32_t echeance)
{
    montrer();
    // Even past the moment, the browser gets its turn: on a machine slower than the walk's
    // steps, the canvas would otherwise show nothing until the walk was over.
    const std::int32_t reste = ecart_ms(echeance, SDL_GetTicks());
    emscripten_sleep(reste > 0 ? static_cast<unsigned>(reste) : 0);
}

void PlateformeWeb::reposer(std::uint32_t echeance, std::uint32_t au_plus_tard)
{
    // The desktop's level loop looks at its queue a hundred times a second, for taps it
    // has no other way to know of; a page is told of each as it comes, and rests until
    // the first one or the countdown's next step: a wake a second instead of a hundred.
    (void)echeance;
    montrer();
    const std::int32_t reste = ecart_ms(au_plus_tard, SDL_GetTicks());
    if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
        return;
    dormir_ou_saisie(reste > 0 ? static_cast<unsigned>(reste) : 0);
}

void PlateformeWeb::attendre_evenement(SDL_Event& evenement)
{
    montrer();
    while (SDL_PollEvent(&evenement) != 1)
        emscripten_sleep(PERIODE_ATTENTE_EVENEMENT);
}

bool PlateformeWeb::sonder_evenement(SDL_Event& evenement) { return SDL_PollEvent(&evenement) == 1; }

bool PlateformeWeb::ecarter_saisies()
{
    bool quitter = false;
    for (SDL_Event evenement; SDL_PollEvent(&evenement) == 1;)
        quitter |= demande_de_quitter(evenement);
    return quitter;
}

void PlateformeWeb::presenter(SDL_Surface* ecran) { a_montrer_ = ecran; }

void PlateformeWeb::montrer()
{
    if (!a_montrer_)
        return;
    SDL_Flip(a_montrer_);
    a_montrer_ = nullptr;
    if (premiere_image_) {
        premiere_image_ = false;
        annoncer_premiere_image();
    }
}

void PlateformeWeb::progression_sauvee() { garder_progression(); }

void PlateformeWeb::jouer_son(const char* nom) { jouer_son_web(nom); }

void PlateformeWeb::faire_taire() { faire_taire_web(); }
