// The narrow door between the game and time, events and the display.
//
// Everything the game does with the clock, the event queue or presenting a frame goes
// through a Plateforme. PlateformeSdl (plateforme_sdl.cpp) is the only code that calls
// SDL_GetTicks, SDL_Delay, SDL_WaitEvent, SDL_PollEvent and SDL_Flip; tests hand the
// game a PlateformeScriptee instead and play it with virtual time, and the browser build
// a PlateformeWeb (plateforme_web.hpp).
#pragma once

#include "platform/sdl_version.hpp"

#include <cstdint>
#include <memory>

// How far `a` lies past `b` on the platform's millisecond clock, negative while `a` is
// still before `b`. The clock wraps after 49 days; read as signed, the difference
// stays right across the wrap for any two moments less than 24 days apart.
inline std::int32_t ecart_ms(std::uint32_t a, std::uint32_t b) { return static_cast<std::int32_t>(a - b); }

class Plateforme {
public:
    virtual ~Plateforme() = default;

    // Milliseconds since start; read by the level loop (the countdown, the start of each
    // pass for its rest) and by Cadence (the walk, the difficulty fade).
    virtual std::uint32_t ticks() = 0;
    // Blocks for `ms` milliseconds (intro fade, walk pauses, track-end picture).
    virtual void attendre(std::uint32_t ms) = 0;
    // Blocks until ticks() reaches `echeance`; returns at once when it has passed (the
    // difference is read as signed, so the clock may wrap). For paced frames and the
    // level loop's rest, where what counts is when the next frame comes, however long
    // drawing this one took.
    virtual void attendre_jusqua(std::uint32_t echeance) = 0;
    // The level loop's rest between two looks at its queue (Partie::reposer): until
    // `echeance`, when it must look again for input it cannot otherwise know of. A
    // platform told of input as it comes may rest instead until the first event, or
    // `au_plus_tard` (the countdown's next step) at the latest. On the desktop and in
    // tests, attendre_jusqua(echeance).
    virtual void reposer(std::uint32_t echeance, std::uint32_t au_plus_tard)
    {
        (void)au_plus_tard;
        attendre_jusqua(echeance);
    }
    // Blocks until an event comes and stores it in `evenement` (every modal wait).
    virtual void attendre_evenement(SDL_Event& evenement) = 0;
    // Takes the next event into `evenement` if one is queued; false, and `evenement`
    // untouched, when there is none (the level loop, once per pass).
    virtual bool sonder_evenement(SDL_Event& evenement) = 0;
    // What a drop must not lose: a request to quit (demande_de_quitter), and the page's
    // pause request (pause_demandee), which the game keeps for the level after a wait.
    struct Ecartees {
        bool quitter = false;
        bool pause = false;
    };
    // Drops every event queued now: what the child did while the game showed something
    // it could not act on (the intro, the fades, Bidou's walk, the track-end picture, a
    // time-up screen as it closes), so that the next screen starts from what the child
    // does on it, and says what of it must outlive the drop. Called by the game flow as
    // each such wait ends (src/flow/attente.cpp).
    virtual Ecartees ecarter_saisies() = 0;
    // Shows what has been drawn on `ecran` (SDL_Flip).
    virtual void presenter(SDL_Surface* ecran) = 0;
    // Called after each save the level file took whole. On the desktop the file is where
    // it lasts already; the browser's platform copies it into the page's own storage.
    virtual void progression_sauvee() {}
    // True when the child plays with a finger (the page on a touch screen): the pictures
    // that name keys and mouse buttons give way to their touch versions (image::pour).
    // Asked once, at start-up. The desktop keeps its texts.
    virtual bool tactile() { return false; }
    // Starts the clip `nom` (sons/<nom>.ogg): a voice clip cuts off the voice clip still
    // playing, an effect plays over it. Nothing when there is no sound.
    virtual void jouer_son(const char* nom) { (void)nom; }
    // Stops the voice (the rules' text as they close, everything on mute).
    virtual void faire_taire() {}
    // Told of each mute (true) and unmute the child chooses, with the speaker or m, and of
    // nothing else: unlike faire_taire, which also ends the rules' voice, a choice. The
    // desktop keeps no settings; the page keeps it for the next visit.
    virtual void son_coupe(bool muet) { (void)muet; }
    // Whether the game starts muted: what the page kept. Asked once, at start-up.
    virtual bool muet_au_depart() { return false; }
};

// What a page asks of the game from outside its canvas (the page hidden, the parents'
// note opened): an SDL_USEREVENT with this code. A level then opens its pause, so that its
// countdown never runs out unseen; every other screen lets it pass.
inline constexpr int CODE_PAUSE_DEMANDEE = 1;
inline bool pause_demandee(const SDL_Event& evenement)
{
    return evenement.type == SDL_USEREVENT && evenement.user.code == CODE_PAUSE_DEMANDEE;
}

// True for a key-down of `touche`; modifiers are not looked at.
inline bool touche_enfoncee(const SDL_Event& evenement, SDLKey touche)
{
    return evenement.type == SDL_KEYDOWN && evenement.key.keysym.sym == touche;
}

// True for a press of the left button: also what a tap on a touch screen gives.
inline bool clic_gauche(const SDL_Event& evenement)
{
    return evenement.type == SDL_MOUSEBUTTONDOWN && evenement.button.button == SDL_BUTTON_LEFT;
}

// True for what quits wherever the game can be quit: the window's close, or Escape.
inline bool demande_de_quitter(const SDL_Event& evenement)
{
    return evenement.type == SDL_QUIT || touche_enfoncee(evenement, SDLK_ESCAPE);
}

// Paces frames `periode` ms apart on the platform's clock (the walk, the difficulty
// fade). The first frame comes one period after the Cadence is made.
class Cadence {
public:
    Cadence(Plateforme& plateforme, std::uint32_t periode)
        : plateforme_(plateforme), periode_(periode), echeance_(plateforme.ticks())
    {
    }

    // Waits for the next frame's moment.
    void attendre_image()
    {
        echeance_ += periode_;
        // A machine that fell behind (a frame slower than the period, another program
        // busy) goes on from now: the frames it missed are not rushed through to catch up.
        const std::uint32_t maintenant = plateforme_.ticks();
        if (ecart_ms(maintenant, echeance_) > 0)
            echeance_ = maintenant;
        plateforme_.attendre_jusqua(echeance_);
    }

private:
    Plateforme& plateforme_;
    std::uint32_t periode_;
    std::uint32_t echeance_;
};

class Mixeur;  // son_sdl.hpp: the desktop's sound, out of this header that the page's build reads too

// The real thing: SDL's clock, queue and flip, and SDL_mixer's sound.
class PlateformeSdl final : public Plateforme {
public:
    PlateformeSdl();
    ~PlateformeSdl() override;
    std::uint32_t ticks() override;
    void attendre(std::uint32_t ms) override;
    void attendre_jusqua(std::uint32_t echeance) override;
    void attendre_evenement(SDL_Event& evenement) override;
    bool sonder_evenement(SDL_Event& evenement) override;
    Ecartees ecarter_saisies() override;
    void presenter(SDL_Surface* ecran) override;
    void jouer_son(const char* nom) override;
    void faire_taire() override;

private:
    std::unique_ptr<Mixeur> mixeur_;
};
