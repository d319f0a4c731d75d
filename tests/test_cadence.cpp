// The game's pace on the clock: the difficulty fade, and the level loop that rests when
// nothing happens yet keeps its countdown to the second and drains a burst of events at
// once. Played through the real game flow on the scripted platform, whose virtual
// clock moves only by the waits the game asks for (and by the frame and poll costs a
// case sets), so every time below is exact.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "partie_scriptee.hpp"

namespace {

// The seconds box of the score panel: from x 400 up to where the centred score box may
// begin, along the bottom 40 rows, as raw bytes.
std::uint64_t empreinte_secondes(SDL_Surface* ecran)
{
    std::uint64_t h = 1469598103934665603u;
    const int octets = ecran->format->BytesPerPixel;
    for (int y = 600; y < 640; ++y) {
        const auto* ligne = static_cast<const Uint8*>(ecran->pixels) + y * ecran->pitch;
        for (int i = 400 * octets; i < 690 * octets; ++i)
            h = (h ^ ligne[i]) * 1099511628211u;
    }
    return h;
}

// The clock at every frame that changed the seconds box.
struct ChangementsSecondes {
    std::vector<std::uint32_t> quand;
    std::uint64_t derniere = 0;
    void regarder(SDL_Surface* ecran, std::uint32_t maintenant)
    {
        const std::uint64_t h = empreinte_secondes(ecran);
        if (h != derniere && (quand.empty() || quand.back() != maintenant))
            quand.push_back(maintenant);
        derniere = h;
    }
};

std::size_t compter_entre(const std::vector<std::uint32_t>& instants, std::uint32_t debut, std::uint32_t fin)
{
    return static_cast<std::size_t>(std::count_if(instants.begin(), instants.end(),
                                                   [&](std::uint32_t t) { return t >= debut && t < fin; }));
}

}  // namespace

TEST(Cadence, FonduDeDifficulteEnDeuxSecondesQuelQueSoitLeCoutDUneImage)
{
    // However long a frame takes to present, as long as it is shorter than the 8 ms
    // period, the 256 frames come 8 ms apart: the fade lasts 2 048 ms plus the drawing
    // of its last frame.
    for (const std::uint32_t cout : {0u, 7u}) {
        SCOPED_TRACE(testing::Message() << "frame cost " << cout << " ms");
        Partie partie;
        partie.p.cout_image = cout;
        partie.p.touche(SDLK_ESCAPE);
        EXPECT_EQ(partie.jouer(), 0);

        const auto& echeances = partie.p.echeances();
        ASSERT_EQ(echeances.size(), 256u) << "one wait a frame, and no level was played";
        const std::uint32_t debut = echeances.front().depuis;
        for (std::size_t k = 0; k < echeances.size(); ++k)
            ASSERT_EQ(echeances[k].jusqua, debut + 8 * std::uint32_t(k + 1)) << "frame " << k;
        ASSERT_EQ(partie.p.prises().size(), 1u);
        EXPECT_EQ(partie.p.prises().front() - debut, 2048u + cout) << "the choice comes once the fade is over";
    }
}

TEST(Cadence, CompteAReboursALaSecondeAvecDesReposEntreDeux)
{
    // Level 1 played by nobody until its time-up screen: each step comes exactly one
    // second after the last, and the time-up screen 29 s after the first step. When
    // frames and polls cost time and the mouse moves now and then, a pass that handled
    // a motion does not rest and the passes after it no longer fall on the second: only
    // a rest that stops at the step keeps the second exact.
    const struct {
        std::uint32_t pas_inactif, cout_image, mouvements;
    } cas[] = {{0, 0, 0}, {1, 3, 36}};
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << "poll " << c.pas_inactif << " ms, frame " << c.cout_image << " ms, "
                                         << c.mouvements << " motions");
        Partie partie;
        partie.p.pas_inactif = c.pas_inactif;
        partie.p.cout_image = c.cout_image;
        partie.p.touche(SDLK_KP1);
        for (std::uint32_t i = 0; i < c.mouvements; ++i)  // one every 777 ms, for 28 s
            partie.p.apres(777).mouvement(300 + static_cast<int>(i), 300);
        partie.p.apres(60000).touche_enfoncee(SDLK_r).apres(500).touche(SDLK_ESCAPE);
        ChangementsSecondes secondes;
        const Photo temps_fini(image::TEMPS_FINI);
        std::uint32_t temps_fini_vu = 0;
        partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
            secondes.regarder(ecran, partie.p.maintenant());
            if (temps_fini_vu == 0 && temps_fini.sur(ecran, 0, 0))
                temps_fini_vu = partie.p.maintenant();
        };
        EXPECT_EQ(partie.jouer(), 0);

        // The first change after keypad 1 is the first step, 29 s on the panel.
        const std::uint32_t choix = partie.p.prises().front();
        const auto premier = std::find_if(secondes.quand.begin(), secondes.quand.end(),
                                          [&](std::uint32_t t) { return t >= choix; });
        ASSERT_NE(premier, secondes.quand.end());
        const std::uint32_t debut = *premier;
        EXPECT_LE(debut - choix, c.cout_image) << "the first pass takes its step at once";
        // 29 more steps, down to 0, which brings the time-up picture.
        std::vector<std::uint32_t> attendus;
        for (std::uint32_t k = 0; k <= 29; ++k)
            attendus.push_back(debut + 1000 * k);
        std::vector<std::uint32_t> vus(premier, secondes.quand.end());
        vus.resize(std::min(vus.size(), attendus.size()));
        EXPECT_EQ(vus, attendus);
        EXPECT_EQ(temps_fini_vu, debut + 29000 + c.cout_image) << "shown once the panel says 0";

        // Between two steps the loop rests, up to 40 ms a time and never across a step.
        const std::uint32_t fin = debut + 29000;
        std::size_t repos = 0;
        for (const auto& e : partie.p.echeances()) {
            if (e.depuis < debut || e.depuis >= fin)
                continue;
            ++repos;
            EXPECT_GE(static_cast<std::int32_t>(e.jusqua - e.depuis), 0) << "a rest from " << e.depuis;
            EXPECT_LE(static_cast<std::int32_t>(e.jusqua - e.depuis), 40) << "a rest from " << e.depuis;
            for (std::uint32_t pas : attendus)
                EXPECT_FALSE(e.depuis < pas && pas < e.jusqua) << "a rest from " << e.depuis << " crosses the step at " << pas;
        }
        // At rest the loop makes a few dozen passes a second, not hundreds.
        EXPECT_GE(repos, 29u * 20u);
        EXPECT_LE(repos, 29u * 50u);
        EXPECT_LE(compter_entre(partie.p.sondages(), debut, fin), 29u * 50u);
    }
}

TEST(Cadence, UnClicPendantUnReposEstTraiteALaPasseSuivante)
{
    // A click that comes while the loop rests is taken by the very next pass: at the
    // end of that rest, never later.
    for (const std::uint32_t apres : {17u, 40u, 1000u, 12345u}) {
        SCOPED_TRACE(testing::Message() << "click " << apres << " ms into the level");
        Partie partie;
        partie.p.pas_inactif = 0;
        partie.p.touche(SDLK_KP1).apres(apres).clic(X_CLIC, y_clic(0), SDL_BUTTON_LEFT).apres(500).touche(SDLK_ESCAPE);
        Plateau tableau{};
        std::uint32_t vu_a = 0;
        partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
            if (vu_a == 0 && partie.p.prises().size() >= 3 && etat_rangee(ecran, 0, 0) == Rangee::Gamelle) {
                vu_a = partie.p.maintenant();
                tableau = etat_plateau(ecran, 0);
            }
        };
        EXPECT_EQ(partie.jouer(), 0);

        const auto& prises = partie.p.prises();
        ASSERT_GE(prises.size(), 4u);
        // Keypad 1 starts the level; its release is taken by the level's first pass.
        const std::uint32_t du = prises[1] + apres;
        std::uint32_t fin_du_repos = 0;
        for (const auto& e : partie.p.echeances())
            if (e.depuis < du && du <= e.jusqua)
                fin_du_repos = e.jusqua;
        ASSERT_NE(fin_du_repos, 0u) << "the click came while a pass was running";
        EXPECT_EQ(prises[2], fin_du_repos);
        EXPECT_LT(prises[2] - du, 40u);
        EXPECT_EQ(prises[3], prises[2]) << "the release at once, by the pass after";
        EXPECT_EQ(vu_a, prises[2]) << "the bowl is drawn by the pass that took the press";
        EXPECT_EQ(tableau, (Plateau{Rangee::Gamelle, Rangee::Aliment, Rangee::Aliment, Rangee::Aliment, Rangee::Aliment}));
    }
}

TEST(Cadence, UneRafaleEstVideeSansReposUnEvenementParPasse)
{
    // N events queued at once (a storm of mouse motions, a burst of clicks) are taken by
    // N passes one after the other, none resting, then the loop rests again.
    enum class Genre { Mouvements, ClicsHorsDuPlateau, ClicsSurLesAliments };
    const struct {
        Genre genre;
        std::size_t n;
    } cas[] = {
        {Genre::Mouvements, 1},
        {Genre::Mouvements, 127},
        {Genre::ClicsHorsDuPlateau, 10},
        {Genre::ClicsSurLesAliments, 8},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << "kind " << int(c.genre) << ", " << c.n << " events");
        Partie partie;
        partie.p.pas_inactif = 0;
        partie.p.touche(SDLK_KP1).apres(500);
        // Clicks are a press and a release: n / 2 of them.
        for (int i = 0; i < static_cast<int>(c.n); ++i) {
            if (c.genre == Genre::Mouvements)
                partie.p.mouvement(10 + i % 800, 20 + i % 600);
            else if (c.genre == Genre::ClicsHorsDuPlateau && i % 2 == 0)
                partie.p.clic(100 + i, 200, SDL_BUTTON_LEFT);
            else if (c.genre == Genre::ClicsSurLesAliments && i % 2 == 0)
                partie.p.clic(X_CLIC, y_clic(i / 2), SDL_BUTTON_RIGHT);
        }
        // The burst's first and last events, counted from keypad 1's press and release.
        const std::size_t premier = 2, dernier = partie.p.restants() - 1;
        ASSERT_EQ(dernier - premier + 1, c.n);
        partie.p.apres(1000).touche(SDLK_ESCAPE);
        Plateau apres_rafale{};
        partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
            if (partie.p.prises().size() == dernier + 1)
                apres_rafale = etat_plateau(ecran, 0);
        };
        EXPECT_EQ(partie.jouer(), 0);

        const auto& prises = partie.p.prises();
        ASSERT_GT(prises.size(), dernier);
        const std::uint32_t t = prises[premier];
        for (std::size_t i = premier; i <= dernier; ++i)
            ASSERT_EQ(prises[i], t) << "event " << i - premier << " waited";
        // One poll for each event, then one that finds the queue empty and rests: the
        // only rest that begins then.
        const auto& echeances = partie.p.echeances();
        EXPECT_EQ(std::count_if(echeances.begin(), echeances.end(), [&](const auto& e) { return e.depuis == t; }), 1);
        EXPECT_EQ(std::count(partie.p.sondages().begin(), partie.p.sondages().end(), t),
                  static_cast<long>(dernier - premier + 2));
        if (c.genre == Genre::ClicsSurLesAliments) {
            const Rangee P = Rangee::Poubelle, A = Rangee::Aliment;
            EXPECT_EQ(apres_rafale, (Plateau{P, P, P, P, A})) << "every click of the burst counted";
        }
    }
}
