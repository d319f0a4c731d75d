// The one way the flow waits: every blocking screen and animation (the intro, the fade,
// the choice, the walk, the track-end picture, the time-up, the pause, the rules, the end)
// comes through here, which presents, waits, applies the wait's rule for what came during
// it, honours a quit, resumes the countdown where the level goes on, and keeps a double
// tap's second tap off the screen that follows.
#include <SDL.h>

#include "flow/partie.hpp"

namespace flux {
namespace {

// A tap this soon after the one that closed a screen is the second half of a double
// tap: a child tapping twice on the middle of the time-up picture must not sort the food
// under the second tap. Well above the 14 ms between the two clicks of a browser's
// double tap and the 100-200 ms of a child's; well below the time it takes a child to
// see a new screen and aim at it.
constexpr std::uint32_t DUREE_DOUBLE_TAP = 300;  // ms, on the platform's clock

}  // namespace

std::optional<SDL_Event> Partie::animer(const Attente& attente, const std::function<bool()>& image,
                                        const std::function<bool(const SDL_Event&)>& interrompt)
{
    for (bool encore = true; encore;) {
        encore = image();
        if (!interrompt)
            continue;
        SDL_Event e;
        while (sonder(e)) {
            if (demande_de_quitter(e)) {
                quitter();
                return std::nullopt;
            }
            if (interrompt(e)) {
                noter_fermeture(e);
                return e;
            }
        }
    }
    finir_attente(attente);
    return std::nullopt;
}

SDL_Event Partie::attendre_ecran(const Attente& attente, const std::function<void()>& dessiner, bool redessine,
                                 const std::function<bool(const SDL_Event&)>& ferme)
{
    SDL_Event e{};
    for (bool premier = true;; premier = false) {
        if (dessiner && (premier || redessine)) {
            dessiner();
            plateforme_.presenter(ecran_);
        }
        prendre(e);
        if (ferme(e))
            break;
    }
    noter_fermeture(e);
    finir_attente(attente);
    return e;
}

void Partie::finir_attente(const Attente& attente)
{
    if (attente.ecarte) {
        const Plateforme::Ecartees vues = plateforme_.ecarter_saisies();
        if (vues.quitter)
            quitter();
        pause_gardee_ |= vues.pause && attente.garde_la_pause;
    }
    if (attente.reprend_decompte)
        reprendre_decompte();
}

bool Partie::second_tap(const SDL_Event& e)
{
    if (!tap_fermant_)
        return false;
    const std::int32_t depuis = ecart_ms(plateforme_.ticks(), *tap_fermant_);
    // Closed at the first event past the window, so that a screen left for weeks, whose
    // clock difference reads negative past 24 days, does not take every tap for a second.
    if (depuis < 0 || depuis >= static_cast<std::int32_t>(DUREE_DOUBLE_TAP)) {
        tap_fermant_.reset();
        return false;
    }
    return clic_gauche(e);
}

// Called with the event that closed a screen or opened one: a tap starts the double
// tap's window, anything else ends it (a key is never half of a double tap).
void Partie::noter_fermeture(const SDL_Event& e)
{
    if (clic_gauche(e))
        tap_fermant_ = plateforme_.ticks();
    else
        tap_fermant_.reset();
}

bool Partie::sonder(SDL_Event& e)
{
    while (plateforme_.sonder_evenement(e))
        if (!second_tap(e))
            return true;
    return false;
}

void Partie::prendre(SDL_Event& e)
{
    do
        plateforme_.attendre_evenement(e);
    while (second_tap(e));
}

}  // namespace flux
