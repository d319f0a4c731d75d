// Clicks on level 1's board, each with the board it must leave, played through the real
// game flow: for the tests of what a click sorts.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "partie_scriptee.hpp"

// A click on the board and the board it must leave.
struct ClicSurPlateau {
    int x, y;
    std::uint8_t bouton;
    Plateau attendu;
    std::size_t pris = 0;  // events the game has taken once this click is, set as it is scripted
};

// Scripts `clics` on level `niveau`, then Escape, plays the game, and checks the last
// frame drawn by the time each click is taken. `quand(n)` says in a failure where click n stands.
inline void verifier_clics(Partie& partie, std::int32_t niveau, std::vector<ClicSurPlateau>& clics,
                           const std::function<std::string(std::size_t)>& quand = nullptr)
{
    for (ClicSurPlateau& c : clics) {
        partie.p.clic(c.x, c.y, c.bouton);
        c.pris = partie.p.restants();
    }
    partie.p.touche(SDLK_ESCAPE);
    const std::size_t total = partie.p.restants();
    std::map<std::size_t, Plateau> vu;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        vu[total - partie.p.restants()] = etat_plateau(ecran, niveau);
    };
    EXPECT_EQ(partie.jouer(), 0);
    // What the screen shows once each click is taken: the last frame drawn by then (a
    // click that changes nothing draws nothing).
    for (std::size_t n = 0; n < clics.size(); ++n) {
        const ClicSurPlateau& c = clics[n];
        const auto montre = vu.upper_bound(c.pris);
        ASSERT_NE(montre, vu.begin()) << c.x << ", " << c.y;
        EXPECT_EQ(std::prev(montre)->second, c.attendu) << (quand ? quand(n) + ": " : std::string()) << "click at " << c.x << ", "
                                          << c.y << " button " << int(c.bouton);
    }
}
