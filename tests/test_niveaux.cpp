// The level loop and the ending, played through the real game flow with scripted
// input and virtual time.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "clics_plateau.hpp"
#include "partie_scriptee.hpp"

namespace {

long compter(const std::vector<std::uint32_t>& attentes, std::uint32_t ms)
{
    return std::count(attentes.begin(), attentes.end(), ms);
}

// Virtual time of the first frame that shows `photo` full screen, or 0.
struct PremiereApparition {
    Photo photo;
    std::uint32_t quand = 0;
    void regarder(SDL_Surface* ecran, std::uint32_t maintenant)
    {
        if (quand == 0 && photo.sur(ecran, 0, 0))
            quand = maintenant;
    }
};

}  // namespace

TEST(Partie, ToutLeParcoursFacileJusquALaFin)
{
    const auto debut = std::chrono::steady_clock::now();
    Partie partie;
    partie.p.touche(SDLK_KP1);
    for (std::int32_t niveau = 0; niveau <= 90; niveau += 5)
        trier(partie.p, niveau).touche(SDLK_s);
    partie.p.touche(SDLK_ESCAPE);
    const Photo fini(image::FINI);
    bool fin_vue = false;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        if (partie.p.restants() <= 3)  // from the last s's release on
            fin_vue = fini.sur(ecran, 0, 0);
    };

    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.p.restants(), 1u) << "Escape's release comes after the game";
    EXPECT_EQ(partie.dossier.fichier_niveau(), "95");
    EXPECT_TRUE(fin_vue) << "the end screen is the last thing shown";

    // One walk per level (four climbs and four descents), and the track-end picture
    // twice: early in level 7 and early in level 13.
    const auto& attentes = partie.p.attentes();
    EXPECT_EQ(compter(attentes, 700), 19 * 4);
    EXPECT_EQ(compter(attentes, 200), 19 * 4);
    ASSERT_EQ(compter(attentes, 12000), 2);
    const auto premiere = std::find(attentes.begin(), attentes.end(), 12000u);
    const auto seconde = std::find(premiere + 1, attentes.end(), 12000u);
    EXPECT_EQ(std::count(attentes.begin(), premiere, 700u), 6 * 4) << "after level 6";
    EXPECT_EQ(std::count(attentes.begin(), seconde, 700u), 12 * 4) << "after level 12";

    const auto duree = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    RecordProperty("real_seconds", std::to_string(duree));
}

TEST(Partie, PisteMoyenneMontreLaFinDePisteUneFois)
{
    Partie partie;
    partie.dossier.ecrire_fichier_niveau("55");
    partie.p.touche(SDLK_KP2);
    trier(partie.p, 55).touche(SDLK_s);
    trier(partie.p, 60).touche(SDLK_s).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    // Five right at level 12 on the medium track: the picture comes once, in level 13.
    EXPECT_EQ(compter(partie.p.attentes(), 12000), 1);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "65");
}

TEST(Partie, PisteDifficileNeMontreJamaisLaFinDePiste)
{
    Partie partie;
    partie.dossier.ecrire_fichier_niveau("55");
    // Keypad 3 moves to level 13 in memory; the file still says 55. Time runs out, r,
    // and the file brings level 12 back: after it, the player is on the hard track.
    // The pass that r ends still polls once: the next clicks come a moment later.
    partie.p.touche(SDLK_KP3).apres(60000).touche_enfoncee(SDLK_r).apres(500);
    trier(partie.p, 55).touche(SDLK_s);
    trier(partie.p, 60).touche(SDLK_s).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(compter(partie.p.attentes(), 12000), 0);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "65");
}

TEST(Partie, NiveauPerduLeCercueilPuisLeMemeNiveauToutARefaire)
{
    Partie partie;
    partie.p.touche(SDLK_KP1);
    trier(partie.p, 0, false);
    const std::size_t apres_verdict = partie.p.restants();
    partie.p.apres(1000).touche(SDLK_s);
    const std::size_t apres_s = partie.p.restants();
    partie.p.apres(1000);
    trier(partie.p, 0).apres(1000).touche(SDLK_ESCAPE);

    const std::size_t total = partie.p.restants();
    const Photo cercueil(image::CERCUEIL), bidou(image::BIDOU);
    bool cercueil_vu = false, bidou_revenu = false;
    Plateau apres_recommencer{};
    std::string fichier_apres_verdict;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        const std::size_t pris = total - partie.p.restants();
        if (pris + 1 == apres_verdict) {  // the fifth press: the walk, then the verdict's frame
            cercueil_vu = cercueil_vu || cercueil.sur(ecran, 0, 300);
            fichier_apres_verdict = partie.dossier.fichier_niveau();
        }
        if (pris == apres_s) {
            bidou_revenu = bidou.sur(ecran, 0, 300);
            apres_recommencer = etat_plateau(ecran, 0);
        }
    };
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_TRUE(cercueil_vu);
    EXPECT_EQ(fichier_apres_verdict, "0") << "a lost level is saved again";
    EXPECT_TRUE(bidou_revenu);
    EXPECT_EQ(apres_recommencer, Plateau{}) << "every food is back in the column";
    EXPECT_EQ(compter(partie.p.attentes(), 700), 2 * 4) << "two walks";
    EXPECT_EQ(partie.dossier.fichier_niveau(), "5");
}

TEST(Partie, ToucheSAvantEtApresLeVerdict)
{
    Partie partie;
    partie.dossier.ecrire_fichier_niveau("10");
    partie.p.touche(SDLK_KP1).clic(X_CLIC, y_clic(0), SDL_BUTTON_LEFT).touche(SDLK_s);  // same level again
    trier(partie.p, 10).touche(SDLK_s);  // the verdict saved 15; s must not overwrite it
    trier(partie.p, 15).touche(SDLK_ESCAPE);
    // Every save of the game puts a whole new file in the old one's place and never
    // writes into the old one, so that a game killed in the middle of a save leaves the
    // old value or the new one (the write itself: ArretBrutal). The first file, kept by
    // a second name, must still hold what it held.
    const auto garde = partie.dossier.chemin() / "garde";
    std::filesystem::create_hard_link(partie.dossier.chemin() / "niveau.lvl", garde);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "20");
    std::ifstream ancien(garde);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(ancien), {}), "10") << "a save wrote into the level file";
    for (const auto& f : std::filesystem::directory_iterator(partie.dossier.chemin()))
        EXPECT_FALSE(f.path().filename().string().starts_with("niveau.lvl.")) << f.path() << " left behind";
}

// After a time-up the level that timed out is played again, as its picture says,
// whatever the file holds: another track's level, the finished game, or nothing.
class TempsEcoule : public ::testing::TestWithParam<const char*> {};

TEST_P(TempsEcoule, RejoueLeNiveauQuelQueSoitLeFichier)
{
    Partie partie;
    if (*GetParam())
        partie.dossier.ecrire_fichier_niveau(GetParam());
    PremiereApparition temps_fini{Photo(image::TEMPS_FINI)};
    std::optional<Plateau> apres_r;
    std::size_t pris_apres_r = 0;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        temps_fini.regarder(ecran, partie.p.maintenant());
        if (partie.p.prises().size() == pris_apres_r)
            apres_r = etat_plateau(ecran, 0);  // the last frame before the next event
    };
    // Keypad 1 plays level 1, time runs out; Escape, the close button and a right click
    // are dropped by the time-up screen; r ends it.
    partie.p.touche(SDLK_KP1).apres(60000).touche(SDLK_ESCAPE).fermeture().clic(X_CLIC, y_clic(0), SDL_BUTTON_RIGHT)
        .touche_enfoncee(SDLK_r);
    partie.p.apres(500);
    trier(partie.p, 0).apres(1000).touche(SDLK_ESCAPE);
    // The press of r is the 8th event taken (keypad 1's two, Escape's two, the close,
    // the click's two): the board after it is level 1's again, all in the column.
    pris_apres_r = 8;
    EXPECT_EQ(partie.jouer(), 0);
    // The level starts as keypad 1 is taken. Its first pass takes a step at once (the
    // intro is long): 29 more seconds to go.
    const std::uint32_t debut = partie.p.prises().front();
    EXPECT_GE(temps_fini.quand, debut + 29000u);
    EXPECT_LE(temps_fini.quand, debut + 30000u);
    ASSERT_TRUE(apres_r);
    EXPECT_EQ(*apres_r, (Plateau{Rangee::Aliment, Rangee::Aliment, Rangee::Aliment, Rangee::Aliment, Rangee::Aliment}));
    // Level 1 played again and won: the next one is level 2.
    EXPECT_EQ(partie.dossier.fichier_niveau(), "5");
}

INSTANTIATE_TEST_SUITE_P(Partie, TempsEcoule, ::testing::Values("35", "95", "0", ""),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return *info.param ? std::string("fichier") + info.param : std::string("sansfichier");
                         });

// Time up means time up: a tap that comes right behind the r, on the last food left,
// sorts nothing, walks nothing and saves nothing in the level that timed out. Pressed at
// once, as a child tapping twice, it is dropped; pressed by a child who waited, it is
// the replayed level's first click.
class DerriereLeR : public ::testing::TestWithParam<bool> {};

TEST_P(DerriereLeR, UnClicNeTermineJamaisLeNiveauEcoule)
{
    const bool impatient = GetParam();
    Partie partie;
    partie.p.touche(SDLK_KP1);
    for (int k = 0; k < 4; ++k)
        partie.p.clic(X_CLIC, y_clic(k), catalogue_aliments[k].bon == ALIMENT_BON ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT);
    partie.p.apres(60000).touche_enfoncee(SDLK_r);
    if (impatient)
        partie.p.impatient();
    partie.p.clic(X_CLIC, y_clic(4), SDL_BUTTON_LEFT).patient().apres(2000).touche(SDLK_ESCAPE);
    const Photo bidou_gros(image::BIDOU_GROS), cercueil(image::CERCUEIL);
    bool verdict_vu = false;
    Plateau dernier{};
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        verdict_vu |= bidou_gros.sur(ecran, X_BIDOU, Y_BIDOU) || cercueil.sur(ecran, X_BIDOU, Y_BIDOU);
        dernier = etat_plateau(ecran, 0);
    };
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_FALSE(verdict_vu);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "(none)") << "nothing saved";
    EXPECT_EQ(partie.p.ecartes(), impatient ? 2u : 0u);
    const Rangee r4 = impatient ? Rangee::Aliment : Rangee::Gamelle;
    EXPECT_EQ(dernier, (Plateau{Rangee::Aliment, Rangee::Aliment, Rangee::Aliment, Rangee::Aliment, r4}))
        << "level 1 again, the last board shown";
}

INSTANTIATE_TEST_SUITE_P(TempsEcoule, DerriereLeR, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "tapeAussitot" : "apresAvoirVu");
                         });

TEST(Partie, EchapEnCoursDeNiveauNEcritRien)
{
    Partie partie;
    partie.dossier.ecrire_fichier_niveau("10");
    const Photo fini(image::FINI);
    bool fin_vue = false;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) { fin_vue = fin_vue || fini.sur(ecran, 0, 0); };
    partie.p.touche(SDLK_KP1).clic(X_CLIC, y_clic(0), SDL_BUTTON_LEFT).clic(X_CLIC, y_clic(1), SDL_BUTTON_RIGHT)
        .touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "10");
    EXPECT_FALSE(fin_vue);
}

TEST(Partie, FermerLaFenetreEnCoursDeNiveau)
{
    Partie partie;
    partie.dossier.ecrire_fichier_niveau("20");
    partie.p.touche(SDLK_KP1).clic(X_CLIC, y_clic(2), SDL_BUTTON_LEFT).fermeture();
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "20");
}

TEST(Partie, ZonesDeClic)
{
    Partie partie;
    partie.p.touche(SDLK_KP1);
    const Rangee A = Rangee::Aliment, G = Rangee::Gamelle, P = Rangee::Poubelle;
    std::vector<ClicSurPlateau> cas = {
        {549, 100, 1, {A, A, A, A, A}}, {620, 100, 1, {A, A, A, A, A}}, {580, 75, 1, {A, A, A, A, A}},
        {580, 157, 1, {A, A, A, A, A}}, {580, 175, 3, {A, A, A, A, A}}, {580, 557, 1, {A, A, A, A, A}},
        {550, 76, 1, {G, A, A, A, A}},  {619, 156, 3, {P, A, A, A, A}}, {619, 176, 1, {P, G, A, A, A}},
        {580, 556, 3, {P, G, A, A, P}}, {580, 300, 2, {P, G, A, A, P}}, {580, 300, 4, {P, G, A, A, P}},
        {580, 300, 5, {P, G, A, A, P}}, {550, 176, 3, {P, P, A, A, P}},
    };
    verifier_clics(partie, 0, cas);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "(none)");
}

TEST(Partie, PauseEtReglesCoutentAuPlusUneSecondeChacune)
{
    auto moment_du_temps_ecoule = [](bool avec_pauses) {
        Partie partie;
        PremiereApparition temps_fini{Photo(image::TEMPS_FINI)};
        partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
            temps_fini.regarder(ecran, partie.p.maintenant());
        };
        partie.p.touche(SDLK_KP1);
        if (avec_pauses) {
            // A long pause and a long look at the rules. Neither r nor Escape closes the
            // rules, nor does the close button either screen.
            partie.p.apres(3000).touche(SDLK_p).apres(50000).touche(SDLK_a).fermeture().touche(SDLK_p);
            partie.p.apres(3000).touche(SDLK_r).apres(40000).touche(SDLK_r).touche(SDLK_ESCAPE).fermeture()
                .mouvement(5, 5).touche(SDLK_j);
        }
        partie.p.apres(120000).touche(SDLK_r).touche(SDLK_ESCAPE);
        EXPECT_EQ(partie.jouer(), 0);
        return temps_fini.quand;
    };
    const std::uint32_t sans = moment_du_temps_ecoule(false);
    const std::uint32_t avec = moment_du_temps_ecoule(true);
    ASSERT_GT(sans, 0u);
    ASSERT_GT(avec, 0u);
    // 90 s spent in the two screens; the clock may lose at most one second for each.
    EXPECT_GE(avec + 2000, sans + 90000);
    EXPECT_LE(avec, sans + 90000);
}

TEST(Partie, UnClicNEstTraiteQuUneFois)
{
    // A button pressed just before time runs out, with nothing after it: the next level
    // must not receive it again.
    Partie partie;
    partie.p.touche(SDLK_KP1);
    SDL_Event clic{};
    clic.type = SDL_MOUSEBUTTONDOWN;
    clic.button.button = SDL_BUTTON_LEFT;
    clic.button.x = X_CLIC;
    clic.button.y = static_cast<Uint16>(y_clic(0));
    partie.p.apres(100).evenement(clic).apres(60000).touche_enfoncee(SDLK_r).apres(5000).touche(SDLK_ESCAPE);
    const std::size_t total = partie.p.restants();
    Plateau avant_r{}, niveau_suivant{};
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        const std::size_t pris = total - partie.p.restants();
        const Plateau etat = etat_plateau(ecran, 0);
        if (pris == 3 && etat[0] != Rangee::Autre)  // not the time-up screen
            avant_r = etat;
        if (pris == 4)
            niveau_suivant = etat;
    };
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(avant_r[0], Rangee::Gamelle) << "the click itself sorted the food";
    EXPECT_EQ(niveau_suivant, Plateau{}) << "the level played again starts unsorted";
}

TEST(Partie, ScriptEpuiseEchoueAuLieuDAttendre)
{
    Partie partie;
    partie.p.touche(SDLK_KP1);  // then nothing: the game would run for ever
    partie.p.limite = 600000;
    EXPECT_THROW(partie.jouer(), ScriptEpuise);
}
