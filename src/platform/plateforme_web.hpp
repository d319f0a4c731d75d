// The browser's platform: SDL 2's clock, queue and window surface, in a page built with
// Asyncify, where each wait (emscripten_sleep) hands the browser its turn (drawing the
// canvas, taking the child's taps) and the game's blocking loops work as they are written.
#pragma once

#include "plateforme.hpp"

// A frame presented reaches the canvas when the game next waits: the browser shows the
// canvas only once the game has handed it its turn, so of two frames presented between
// two waits (the walk draws each step twice) only the last could ever be seen.
class PlateformeWeb final : public Plateforme {
public:
    PlateformeWeb();
    std::uint32_t ticks() override;
    void attendre(std::uint32_t ms) override;
    void attendre_jusqua(std::uint32_t echeance) override;
    // Until the first input event, or `au_plus_tard`: the page is told of every tap.
    void reposer(std::uint32_t echeance, std::uint32_t au_plus_tard) override;
    void attendre_evenement(SDL_Event& evenement) override;
    bool sonder_evenement(SDL_Event& evenement) override;
    bool ecarter_saisies() override;
    void presenter(SDL_Surface* ecran) override;
    // Copies the level file into the browser's storage, and waits until it is there.
    void progression_sauvee() override;
    void jouer_son(const char* nom) override;  // son_web.cpp
    void faire_taire() override;

private:
    // Puts the last frame presented on the canvas, if it is not there yet.
    void montrer();

    SDL_Surface* a_montrer_ = nullptr;
    bool premiere_image_ = true;
};
