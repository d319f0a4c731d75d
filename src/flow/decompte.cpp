// The level's countdown and the rest between passes of the level loop: when a step is
// due, how a late or held game takes it, and how long a pass with nothing new waits.
#include <SDL.h>

#include "draw/ressources.hpp"
#include "draw/score.hpp"
#include "flow/partie.hpp"
#include "flow/sons.hpp"
#include "rules/tableau.hpp"

namespace flux {
namespace {

// A level changes only on a click, a key or a countdown step. A pass that found nothing
// new draws nothing and rests until 10 ms after it began, then looks at the queue again:
// a click is seen within 10 ms, well under the tenth of a second at which an answer stops
// feeling immediate, and a level at rest costs a poll of the queue a hundred times a
// second instead of a frame. The rest never runs past a countdown step. A pass that
// handled an event goes straight on, so a burst of events drains at full speed.
constexpr std::uint32_t PERIODE_SONDAGE = 10;  // ms
// A countdown step is due one second after the previous one was due, however late the
// pass that took it came, so that a late pass does not stretch the level.
constexpr std::uint32_t DUREE_SECONDE = 1000;  // ms
// A step found more than this late means the game was held (a stalled machine, a process
// stopped and resumed) rather than merely slow: the schedule starts again from now
// instead of taking the missed steps a pass apart, which would show the seconds racing
// by. A quarter of a second is far above any pass on a slow machine, whose steps keep
// their schedule, and keeps the shortest second a child can see at three quarters of one.
constexpr std::uint32_t RETARD_MAXIMAL = 250;  // ms
// A platform that wakes on input (the browser's) rests at most this long once a level's
// verdict is in and no countdown step is coming.
constexpr std::uint32_t REPOS_SANS_DECOMPTE = 1000;  // ms

}  // namespace

void Partie::reposer(std::uint32_t debut_passe)
{
    // A deliberate rest the loop was not written with (see PERIODE_SONDAGE): until one
    // poll period after the pass began, but never past the moment the countdown's next
    // step is due, so that each second still ends on time.
    std::uint32_t echeance = debut_passe + PERIODE_SONDAGE;
    // With nothing left to count (the verdict is in), only input can change the board.
    std::uint32_t au_plus_tard = debut_passe + REPOS_SANS_DECOMPTE;
    if (phase_ == Phase::Tri) {
        au_plus_tard = dernier_tic_ + DUREE_SECONDE;
        if (ecart_ms(echeance, au_plus_tard) > 0)
            echeance = au_plus_tard;
    }
    plateforme_.reposer(echeance, au_plus_tard);
}

// Before the first level: a step falls due at once, so that the first level shows 29
// seconds from its start. Counted from now, not from the clock's zero: SDL's clock wraps
// after 49 days, and on a machine up for more than 24 of them the zero lies ahead as the
// wrapping clock is read, so no step would fall due until the wrap.
void Partie::commencer_decompte() { dernier_tic_ = plateforme_.ticks() - DUREE_SECONDE; }

// Takes a countdown step when one is due; true when it did.
bool Partie::decompter()
{
    // The countdown stops at the verdict.
    if (phase_ != Phase::Tri)
        return false;
    const std::uint32_t maintenant = plateforme_.ticks();
    const std::int32_t retard = ecart_ms(maintenant, dernier_tic_ + DUREE_SECONDE);
    if (retard < 0)
        return false;
    // dernier_tic is not reset per level: a later level's first pass takes a step when
    // the schedule, held by the verdict's walk, says one is due.
    dernier_tic_ = retard > static_cast<std::int32_t>(RETARD_MAXIMAL) ? maintenant : dernier_tic_ + DUREE_SECONDE;
    --reste_;
    afficher_score(ecran_, tableau_, niveau_, reste_, plateforme_);
    if (reste_ == 0)
        temps_ecoule();
    return true;
}

// After a wait that held the whole game (pause, rules, walk, track-end picture, time-up),
// the countdown goes on from now: a step that fell due meanwhile is taken by the next
// pass, and the one after it a second later, so such a wait costs at most one step.
void Partie::reprendre_decompte()
{
    const std::uint32_t maintenant = plateforme_.ticks();
    if (ecart_ms(maintenant, dernier_tic_ + DUREE_SECONDE) > 0)
        dernier_tic_ = maintenant - DUREE_SECONDE;
}

void Partie::temps_ecoule()
{
    // Only r, or a tap anywhere (an addition, for a child without a keyboard), leaves
    // this screen: Escape and the window's close are dropped on purpose so that a
    // child's stray key does not end the game here. Nothing is saved: the level that
    // timed out is played again. A second tap, or the button's release, must not act on
    // the next board before the child sees it; a request to quit that came behind still
    // quits.
    attendre_ecran(TEMPS_FINI,
                   [&] {
                       coller(ecran_, temps_fini_.get(), 0, 0);
                       dire(son::VOIX_TEMPS_FINI);  // drawn once: said once, as it shows
                   },
                   false,
                   [](const SDL_Event& e) { return touche_enfoncee(e, SDLK_r) || clic_gauche(e); });
    if (phase_ != Phase::Quitte)
        phase_ = Phase::TempsEcoule;
}

}  // namespace flux
