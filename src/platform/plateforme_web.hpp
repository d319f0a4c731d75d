// The browser's platform: SDL 2's clock, queue and window surface, in a page built with
// Asyncify, where each wait hands the browser its turn (drawing the canvas, taking the
// child's taps) and the game's blocking loops work as they are written.
#pragma once

#include "plateforme.hpp"

#include <vector>

// What the page asks of the game from outside its canvas (web/index.html calls it when
// the page is hidden or the parents' note opens): a pause request, an SDL_USEREVENT of
// code CODE_PAUSE_DEMANDEE, queued at once and waking the wait for input the game is in.
// A timed wait (the walk, the track-end picture) keeps its length: the drop at its end
// reports the request (ecarter_saisies), and the game keeps it for the level that
// follows. Nothing when no game is running.
extern "C" void grignotin_pause();

// A frame presented reaches the canvas when the game next waits: the browser shows the
// canvas only once the game has handed it its turn, so of two frames presented between
// two waits (the walk draws each step twice) only the last could ever be seen.
//
// Every wait first looks at the page's flag Module.partie_suspendue (another tab of the
// game took over): while it is set the game waits on the page's Module.suspendre(), and
// what was tapped or pressed meanwhile is dropped before the game goes on.
class PlateformeWeb final : public Plateforme {
public:
    PlateformeWeb();
    std::uint32_t ticks() override;
    void attendre(std::uint32_t ms) override;
    void attendre_jusqua(std::uint32_t echeance) override;
    // Until the first input event, or `au_plus_tard`: the page is told of every tap.
    void reposer(std::uint32_t echeance, std::uint32_t au_plus_tard) override;
    // Sleeps until input comes: no look at the queue in between.
    void attendre_evenement(SDL_Event& evenement) override;
    bool sonder_evenement(SDL_Event& evenement) override;
    // Drops what is queued, and says whether a quit or a pause request was among it.
    Ecartees ecarter_saisies() override;
    void presenter(SDL_Surface* ecran) override;
    // Copies the level file into the browser's storage, and waits until it is there.
    void progression_sauvee() override;
    void jouer_son(const char* nom) override;  // through web/son.js
    void faire_taire() override;
    // The child's mute, kept in the page's own storage for the next visit (web/son.js).
    void son_coupe(bool muet) override;
    bool muet_au_depart() override;
    // A touch screen is the page's main pointer (CSS's "pointer: coarse").
    bool tactile() override;

private:
    // Puts the last frame presented on the canvas, if it is not there yet.
    void montrer();
    // The next event as the game reads it (see plateforme_web.cpp): a finger's touch or
    // lift as a left button's press or release where it touched, the mouse events that
    // repeat a touch dropped. False when nothing is left.
    bool prendre(SDL_Event& evenement);
    // False for an event that repeats a touch already taken, or that the game has no use
    // for; a finger's event is turned into the click it stands for.
    bool traduire(SDL_Event& evenement);
    // Remembers when a finger last touched or lifted, for the browser's mouse copies.
    void noter_doigt(const SDL_TouchFingerEvent& doigt);
    // While another tab holds the game, waits for the page to hand it back.
    void tenir_si_suspendue();

    SDL_Surface* a_montrer_ = nullptr;
    bool premiere_image_ = true;
    // What the canvas shows, pixel for pixel, so that a frame paints only what changed.
    std::vector<std::uint32_t> vu_;
    int vu_largeur_ = 0;
    // SDL's timestamp of the last finger event, for the mouse events a browser makes
    // from a touch; meaningful once a finger was seen.
    bool doigt_vu_ = false;
    std::uint32_t dernier_doigt_ = 0;
};
