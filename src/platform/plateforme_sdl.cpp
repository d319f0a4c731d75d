#include "plateforme.hpp"

#ifdef __EMSCRIPTEN__
// The browser build links PlateformeSdl for SDL_main's sake alone and plays through
// PlateformeWeb (web/son.js); there it is silent, with no SDL_mixer to link.
class Mixeur {
public:
    void jouer(const char*) {}
    void taire() {}
    bool ouvert() const { return false; }
    void reposer(std::uint32_t) {}
};
#else
#include "son_sdl.hpp"
#endif

PlateformeSdl::PlateformeSdl() : mixeur_(std::make_unique<Mixeur>()) {}
PlateformeSdl::~PlateformeSdl() = default;

std::uint32_t PlateformeSdl::ticks() { return SDL_GetTicks(); }

void PlateformeSdl::attendre(std::uint32_t ms)
{
    mixeur_->reposer(SDL_GetTicks());
    SDL_Delay(ms);
}

void PlateformeSdl::attendre_jusqua(std::uint32_t echeance)
{
    mixeur_->reposer(SDL_GetTicks());
    const std::int32_t reste = ecart_ms(echeance, SDL_GetTicks());
    if (reste > 0)
        SDL_Delay(static_cast<Uint32>(reste));
}

void PlateformeSdl::attendre_evenement(SDL_Event& evenement)
{
    // While a clip plays, or the device waits for the next one, look every 10 ms (as
    // SDL 1.2's own SDL_WaitEvent does) so that the device closes once it is idle.
    while (mixeur_->ouvert()) {
        if (SDL_PollEvent(&evenement) == 1)
            return;
        SDL_Delay(10);
        mixeur_->reposer(SDL_GetTicks());
    }
    // SDL_WaitEvent only fails when the event system is down, which cannot happen
    // once the video mode is set; loop rather than hand back a stale record.
    while (SDL_WaitEvent(&evenement) == 0)
        SDL_Delay(10);
}

bool PlateformeSdl::sonder_evenement(SDL_Event& evenement) { return SDL_PollEvent(&evenement) == 1; }

Plateforme::Ecartees PlateformeSdl::ecarter_saisies()
{
    Ecartees vues;
    SDL_Event evenement;
    while (SDL_PollEvent(&evenement) == 1) {
        vues.quitter |= demande_de_quitter(evenement);
        vues.pause |= pause_demandee(evenement);
    }
    return vues;
}

void PlateformeSdl::presenter(SDL_Surface* ecran) { SDL_Flip(ecran); }

void PlateformeSdl::jouer_son(const char* nom) { mixeur_->jouer(nom); }

void PlateformeSdl::faire_taire() { mixeur_->taire(); }
