// The game's pace on the clock: the difficulty fade, and the level loop that rests when
// nothing happens yet, draws only what changed, keeps its countdown on a schedule of
// whole seconds and drains a burst of events at once. Played through the real game flow
// on the scripted platform, whose virtual clock moves only by the waits the game asks
// for and by the frame and poll costs a case sets, so every time below is exact.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
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

using std::chrono::milliseconds;
using std::chrono::microseconds;

// Level 1 left alone until its time-up screen (r and Escape come long after): the clock
// at each change of the panel's seconds from the level's first step on (29, 28, ..., 0),
// and the clock at every frame of the level.
struct NiveauSeul {
    std::vector<std::uint32_t> secondes, images;
    std::uint32_t choix = 0;
};

// Keypad 1 opens level 1; `avant_r` fills the level with what the case wants. Frames
// for which `cache` says the board is hidden (a screen over it) are not looked at.
template <typename Preparer>
NiveauSeul niveau_seul(Partie& partie, Preparer avant_r, std::function<bool()> cache = {})
{
    partie.p.touche(SDLK_KP1);
    avant_r(partie.p);
    partie.p.apres(60000).touche_enfoncee(SDLK_r).apres(500).touche(SDLK_ESCAPE);
    ChangementsSecondes secondes;
    NiveauSeul vu;
    const auto tout = std::move(partie.p.sur_image);
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t n) {
        if (!cache || !cache())
            secondes.regarder(ecran, partie.p.maintenant());
        if (partie.p.prises().size() >= 1)
            vu.images.push_back(partie.p.maintenant());
        if (tout)
            tout(ecran, n);
    };
    EXPECT_EQ(partie.jouer(), 0);
    vu.choix = partie.p.prises().front();
    // The first change once keypad 1 is taken is the first step, 29 s on the panel.
    for (std::uint32_t t : secondes.quand)
        if (t >= vu.choix && vu.secondes.size() < 30)
            vu.secondes.push_back(t);
    return vu;
}

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
        partie.p.apres(20000).touche(SDLK_ESCAPE);  // once the fade is over: a key during it ends it
        EXPECT_EQ(partie.jouer(), 0);

        const auto& echeances = partie.p.echeances();
        ASSERT_EQ(echeances.size(), 256u) << "one wait a frame, and no level was played";
        const std::uint32_t debut = echeances.front().depuis;
        for (std::size_t k = 0; k < echeances.size(); ++k)
            ASSERT_EQ(echeances[k].jusqua, debut + 8 * std::uint32_t(k + 1)) << "frame " << k;
        ASSERT_EQ(partie.p.prises().size(), 1u);
        EXPECT_EQ(partie.p.prises().front(), 20000u);
    }
}

TEST(Cadence, UneImageLenteNAmenePasDeRafaleDeRattrapage)
{
    // One frame of the fade takes 50 ms (another program busy): the next frame comes
    // as soon as it is drawn, and every later one 8 ms after the one before, not a run
    // of frames one after the other to catch up the six that were missed.
    Partie partie;
    partie.p.cout_image = 1;
    partie.p.apres(15000).touche(SDLK_ESCAPE);
    std::vector<std::uint32_t> fondu;
    partie.p.sur_image = [&](SDL_Surface*, std::size_t) {
        if (partie.p.echeances().empty() || !partie.p.prises().empty())
            return;  // the intro, paced by plain waits, and the level
        fondu.push_back(partie.p.maintenant());
        partie.p.cout_image = fondu.size() == 100 ? 50 : 1;
    };
    EXPECT_EQ(partie.jouer(), 0);

    ASSERT_EQ(fondu.size(), 256u);
    for (std::size_t k = 1; k < fondu.size(); ++k)
        EXPECT_EQ(fondu[k] - fondu[k - 1], k == 100 ? 50u : 8u) << "frame " << k;
}

TEST(Cadence, CompteAReboursALaSecondeSansRienDessinerEntreDeux)
{
    // Level 1 played by nobody until its time-up screen: each step comes exactly one
    // second after the last, and the time-up screen 29 s after the first step. Between
    // steps the loop rests in short naps and draws nothing, even when the mouse moves
    // now and then; with frames and polls that cost time and motions that cut the naps
    // short, only a rest that stops at the step keeps the second exact.
    const struct {
        microseconds pas_inactif;
        std::uint32_t cout_image, mouvements;
    } cas[] = {{microseconds(0), 0, 0}, {PlateformeScriptee{}.pas_inactif, 0, 0}, {milliseconds(1), 3, 36}};
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << "poll " << c.pas_inactif.count() << " us, frame " << c.cout_image
                                         << " ms, " << c.mouvements << " motions");
        Partie partie;
        partie.p.pas_inactif = c.pas_inactif;
        partie.p.cout_image = c.cout_image;
        const Photo temps_fini(image::TEMPS_FINI);
        std::uint32_t temps_fini_vu = 0;
        partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
            if (temps_fini_vu == 0 && temps_fini.sur(ecran, 0, 0))
                temps_fini_vu = partie.p.maintenant();
        };
        const NiveauSeul vu = niveau_seul(partie, [&](PlateformeScriptee& p) {
            for (std::uint32_t i = 0; i < c.mouvements; ++i)  // one every 777 ms, for 28 s
                p.apres(777).mouvement(300 + static_cast<int>(i), 300);
        });

        ASSERT_FALSE(vu.secondes.empty());
        const std::uint32_t debut = vu.secondes.front();
        // Keypad 1, pressed during the fade, ends it: its whole picture, then the board.
        EXPECT_LE(debut - vu.choix, 2 * c.cout_image) << "the first pass takes its step at once";
        // 29 more steps, down to 0, which brings the time-up picture.
        std::vector<std::uint32_t> attendus;
        for (std::uint32_t k = 0; k <= 29; ++k)
            attendus.push_back(debut + 1000 * k);
        EXPECT_EQ(vu.secondes, attendus);
        EXPECT_EQ(temps_fini_vu, debut + 29000 + c.cout_image) << "shown once the panel says 0";

        // Frames only at steps: the panel, then the whole board (three presents), and
        // nothing between, neither at rest nor for the motions.
        const std::uint32_t fin = debut + 29000;
        for (std::uint32_t k = 1; k < 29; ++k)
            EXPECT_EQ(compter_entre(vu.images, attendus[k], attendus[k] + 1000), 4u) << "second " << k;

        // Between two steps the loop rests, up to 10 ms a time and never across a step
        // (a pass that drew for longer than that finds its rest's end passed already).
        std::size_t repos = 0;
        for (const auto& e : partie.p.echeances()) {
            if (e.depuis < debut || e.depuis >= fin)
                continue;
            ++repos;
            EXPECT_LE(static_cast<std::int32_t>(e.jusqua - e.depuis), 10) << "a rest from " << e.depuis;
            for (std::uint32_t pas : attendus)
                EXPECT_FALSE(e.depuis < pas && pas < e.jusqua) << "a rest from " << e.depuis << " crosses the step at " << pas;
        }
        // A hundred looks at the queue a second, not thousands.
        EXPECT_GE(repos, 29u * 90u);
        EXPECT_LE(repos, 29u * 101u);
        EXPECT_LE(compter_entre(partie.p.sondages(), debut, fin), 29u * 101u + c.mouvements);
    }
}

TEST(Cadence, LHorlogeQuiRepasseParZeroNeChangeRien)
{
    // SDL's millisecond clock wraps to 0 after 49 days of uptime. A game whose clock
    // wraps during the intro or in the middle of a level plays exactly as one started
    // at 0: every frame at the same moment, every second of the level one second long.
    // A deadline compared unsigned across the wrap would race the countdown (every pass
    // a step) or hold a rest for 49 days.
    struct Vu {
        NiveauSeul niveau;
        std::vector<std::uint32_t> images;
    };
    auto jouer_depuis = [](std::uint32_t origine) {
        Partie partie;
        partie.p.origine = origine;
        Vu vu;
        partie.p.sur_image = [&](SDL_Surface*, std::size_t) { vu.images.push_back(partie.p.maintenant()); };
        vu.niveau = niveau_seul(partie, [](PlateformeScriptee& p) {
            for (int i = 0; i < 6; ++i)  // a few motions, which cut rests short
                p.apres(1700).mouvement(300 + i, 300);
        });
        return vu;
    };
    const Vu depuis_zero = jouer_depuis(0);
    ASSERT_EQ(depuis_zero.niveau.secondes.size(), 30u);
    constexpr std::uint32_t TOUR = 0;  // 2^32 ms: the clock's next value after its last
    for (const std::uint32_t avant_le_tour : {900u, depuis_zero.niveau.choix + 10500}) {
        SCOPED_TRACE(testing::Message() << "the clock wraps " << avant_le_tour << " ms after the start");
        const Vu vu = jouer_depuis(TOUR - avant_le_tour);
        EXPECT_EQ(vu.niveau.secondes, depuis_zero.niveau.secondes);
        EXPECT_EQ(vu.images, depuis_zero.images);
    }
}

TEST(Cadence, DesPassesLentesGardentLaSecondeEtLeNiveau)
{
    // A slow machine: every poll of the queue takes 60 to 200 ms and every frame 20 ms,
    // so a step is noticed late and its redraw takes 80 ms more. Each step is still due
    // one second after the one before, however late the last was taken: no step comes
    // more than a pass late, and the level keeps its length to a tenth of a second (to a
    // pass, when passes take longer). Timing each step from the pass that took it, the
    // lateness would add up step after step.
    for (const std::uint32_t sondage : {60u, 100u, 200u}) {
        SCOPED_TRACE(testing::Message() << "poll " << sondage << " ms");
        Partie partie;
        partie.p.pas_inactif = milliseconds(sondage);
        partie.p.cout_image = 20;
        const NiveauSeul vu = niveau_seul(partie, [](PlateformeScriptee&) {});

        ASSERT_EQ(vu.secondes.size(), 30u) << "29 to 0";
        const std::uint32_t debut = vu.secondes.front();
        for (std::uint32_t k = 1; k < 30; ++k) {
            const std::uint32_t du = debut + 1000 * k;
            EXPECT_GE(vu.secondes[k], du) << "step " << k;
            EXPECT_LE(vu.secondes[k], du + sondage) << "step " << k << ": at most one pass late";
        }
        const std::uint32_t marge = std::max(100u, sondage);
        EXPECT_LE(vu.secondes.back() - debut, 29000u + marge) << "the level from its first step to its time-up";
    }
}

TEST(Cadence, UnArretAuDelaDUnQuartDeSecondeRepartDeMaintenant)
{
    // The redraw of the fifth step stalls the game (a frame that takes that long). A
    // stall that leaves the next step under a quarter of a second late keeps the
    // schedule: the step after comes on its second. A longer one starts the schedule
    // again from the late step, rather than show two seconds go by a pass apart.
    const struct {
        std::uint32_t arret, retard;
        bool repart;
    } cas[] = {{1150, 150, false}, {1240, 240, false}, {1400, 400, true}, {5000, 4000, true}};
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << "stall of " << c.arret << " ms");
        Partie partie;
        partie.p.pas_inactif = microseconds(0);
        std::size_t images = 0;
        partie.p.sur_image = [&](SDL_Surface*, std::size_t) {
            // Frames of the level: the background as it opens, then 4 per step (the
            // panel, then the board's three); the stall is the last of the fifth step's.
            images += partie.p.prises().size() >= 1;
            partie.p.cout_image = images == 1 + 4 * 5 ? c.arret : 0;
        };
        const NiveauSeul vu = niveau_seul(partie, [](PlateformeScriptee&) {});

        ASSERT_GE(vu.secondes.size(), 8u);
        const std::uint32_t debut = vu.secondes.front();
        ASSERT_EQ(vu.secondes[4], debut + 4000);
        EXPECT_EQ(vu.secondes[5], debut + 4000 + c.arret) << "taken by the pass after the stall";
        EXPECT_EQ(vu.secondes[5], debut + 5000 + c.retard);
        const std::uint32_t sixieme = c.repart ? vu.secondes[5] + 1000 : debut + 6000;
        EXPECT_EQ(vu.secondes[6], sixieme);
        EXPECT_EQ(vu.secondes[7], sixieme + 1000);
    }
}

TEST(Cadence, ApresUnePauseLeDecompteRepartDeMaintenant)
{
    // A pause or the rules, opened 400 ms after a step and closed some time later. A
    // step that fell due meanwhile comes as the board is back, and the next one a second
    // after it, whether the screen held the game more than a quarter of a second past
    // that step or less: each screen costs at most one second, and the countdown goes
    // on in whole seconds. A screen closed before the step was due changes nothing.
    for (const SDLKey ecran : {SDLK_p, SDLK_r}) {
        const SDLKey fermer = ecran == SDLK_p ? SDLK_p : SDLK_j;
        for (const std::uint32_t duree : {400u, 700u, 1100u, 3000u}) {
            SCOPED_TRACE(testing::Message() << "screen " << char(ecran) << " for " << duree << " ms");
            // The seconds are read off the panel's pixels, which lie over what the choice
            // screen left there: the real one, whose bottom band the pause and rules
            // pictures share, so that closing them changes nothing there.
            Partie partie(Accueil::Reel);
            partie.p.pas_inactif = microseconds(0);
            // The screen opens on the third event taken (after keypad 1's press and
            // release) and closes on the fifth (its own key's release comes between).
            const NiveauSeul vu = niveau_seul(
                partie, [&](PlateformeScriptee& p) { p.apres(3400).touche(ecran).apres(duree).touche(fermer); },
                [&] { return partie.p.prises().size() == 3 || partie.p.prises().size() == 4; });

            ASSERT_GE(vu.secondes.size(), 7u);
            const std::uint32_t debut = vu.secondes.front(), retour = debut + 3400 + duree;
            EXPECT_EQ(vu.secondes[3], debut + 3000);
            if (3400 + duree < 4000) {
                EXPECT_EQ(vu.secondes[4], debut + 4000);
            } else {
                EXPECT_EQ(vu.secondes[4], retour) << "the step due meanwhile, as the screen closes";
                EXPECT_EQ(vu.secondes[5], retour + 1000);
                EXPECT_EQ(vu.secondes[6], retour + 2000);
            }
        }
    }
}

TEST(Cadence, UnClicPendantUnReposEstTraiteEtDessineALaPasseSuivante)
{
    // A click that comes while the loop rests is taken by the very next pass, at the
    // end of that rest, under 10 ms later, and that pass draws it.
    for (const std::uint32_t apres : {17u, 40u, 1000u, 12345u}) {
        SCOPED_TRACE(testing::Message() << "click " << apres << " ms into the level");
        Partie partie;
        partie.p.pas_inactif = microseconds(0);
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
        EXPECT_LT(prises[2] - du, 10u);
        EXPECT_EQ(prises[3], prises[2]) << "the release at once, by the pass after";
        EXPECT_EQ(vu_a, prises[2]) << "the bowl is drawn by the pass that took the press";
        EXPECT_EQ(tableau, (Plateau{Rangee::Gamelle, Rangee::Aliment, Rangee::Aliment, Rangee::Aliment, Rangee::Aliment}));
    }
}

TEST(Cadence, UneRafaleEstVideeSansReposUnEvenementParPasse)
{
    // N events queued at once (a storm of mouse motions, a burst of clicks) are taken by
    // N passes one after the other, none resting, then the loop rests again. Only the
    // presses that sort or move a food are drawn, each by its own pass: a motion, a
    // release, a click beside the foods or one that leaves a food where it is draws
    // nothing.
    enum class Genre { Mouvements, ClicsHorsDuPlateau, ClicsSurLesAliments, ClicsSansEffet };
    const struct {
        Genre genre;
        std::size_t n, dessins;
    } cas[] = {
        {Genre::Mouvements, 1, 0},
        {Genre::Mouvements, 127, 0},
        {Genre::ClicsHorsDuPlateau, 10, 0},
        {Genre::ClicsSurLesAliments, 8, 4},
        {Genre::ClicsSansEffet, 8, 1},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << "kind " << int(c.genre) << ", " << c.n << " events");
        Partie partie;
        partie.p.pas_inactif = microseconds(0);
        partie.p.touche(SDLK_KP1).apres(500);
        // Clicks are a press and a release: n / 2 of them.
        for (int i = 0; i < static_cast<int>(c.n); ++i) {
            if (c.genre == Genre::Mouvements)
                partie.p.mouvement(10 + i % 800, 20 + i % 600);
            else if (c.genre == Genre::ClicsHorsDuPlateau && i % 2 == 0)
                partie.p.clic(100 + i, 200, SDL_BUTTON_LEFT);
            else if (c.genre == Genre::ClicsSurLesAliments && i % 2 == 0)
                partie.p.clic(X_CLIC, y_clic(i / 2), SDL_BUTTON_RIGHT);
            else if (c.genre == Genre::ClicsSansEffet && i % 2 == 0)  // the first one sorts
                partie.p.clic(X_CLIC, y_clic(1), SDL_BUTTON_LEFT);
        }
        // The burst's first and last events, counted from keypad 1's press and release.
        const std::size_t premier = 2, dernier = partie.p.restants() - 1;
        ASSERT_EQ(dernier - premier + 1, c.n);
        partie.p.apres(1000).touche(SDLK_ESCAPE);
        Plateau apres_rafale{};
        std::vector<std::uint32_t> images;
        partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
            images.push_back(partie.p.maintenant());
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
        // 500 ms into the level, between two steps: three presents for each redraw.
        EXPECT_EQ(static_cast<std::size_t>(std::count(images.begin(), images.end(), t)), 3 * c.dessins);
        if (c.genre == Genre::ClicsSurLesAliments) {
            const Rangee P = Rangee::Poubelle, A = Rangee::Aliment;
            EXPECT_EQ(apres_rafale, (Plateau{P, P, P, P, A})) << "every click of the burst counted";
        }
    }
}
