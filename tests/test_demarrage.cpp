// Start-up, intro and the choice of track, through the real game flow.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <numeric>

#include "partie_scriptee.hpp"

namespace {
constexpr std::size_t IMAGES_INTRO = 241;
constexpr std::size_t IMAGES_DIFFICULTE = 256;
}  // namespace

TEST(Demarrage, IntroPuisChoixPuisFond)
{
    Partie partie;
    partie.p.touche(SDLK_ESCAPE);
    std::size_t image_fond = 0;
    const Photo fond(image::FOND), difficulte(image::DIFFICULTE);
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t n) {
        if (n == IMAGES_INTRO + IMAGES_DIFFICULTE) {
            EXPECT_TRUE(difficulte.sur(ecran, 0, 0)) << "the last fade frame shows the choice";
        }
        if (fond.sur(ecran, 0, 0) && image_fond == 0)
            image_fond = n;
    };
    EXPECT_EQ(partie.jouer(), 0);
    // The Escape queued from the start is taken only once both fades are over.
    EXPECT_EQ(partie.p.images(), IMAGES_INTRO + IMAGES_DIFFICULTE + 1);
    EXPECT_EQ(image_fond, IMAGES_INTRO + IMAGES_DIFFICULTE + 1) << "background shown even after Escape";
    EXPECT_EQ(partie.p.attentes(), std::vector<std::uint32_t>(IMAGES_INTRO, 50));
    EXPECT_EQ(partie.p.maintenant(), 12050u);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "(none)") << "nothing is written before a level";
}

TEST(Demarrage, FermerLaFenetrePendantLeChoix)
{
    Partie partie;
    partie.dossier.ecrire_fichier_niveau("45");
    partie.p.clic(450, 300, SDL_BUTTON_LEFT).fermeture();
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.p.restants(), 0u);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "45");
}

// Which level a keypad key starts from a stored level. The s key saves the level on
// show (nothing is sorted yet), which makes the choice visible in the file.
struct ChoixDePiste {
    const char* enregistre;
    SDLKey touche;
    const char* attendu;
};

class Choix : public testing::TestWithParam<ChoixDePiste> {};

TEST_P(Choix, SelonLeNiveauEnregistre)
{
    const ChoixDePiste& c = GetParam();
    Partie partie;
    partie.dossier.ecrire_fichier_niveau(c.enregistre);
    partie.p.touche(c.touche).touche(SDLK_s).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.dossier.fichier_niveau(), c.attendu) << "stored \"" << c.enregistre << '"';
}

INSTANTIATE_TEST_SUITE_P(Demarrage, Choix, testing::Values(
    ChoixDePiste{"10", SDLK_KP1, "10"}, ChoixDePiste{"10", SDLK_KP2, "30"}, ChoixDePiste{"10", SDLK_KP3, "60"},
    ChoixDePiste{"35", SDLK_KP1, "0"},  ChoixDePiste{"35", SDLK_KP2, "35"}, ChoixDePiste{"35", SDLK_KP3, "60"},
    ChoixDePiste{"70", SDLK_KP1, "0"},  ChoixDePiste{"70", SDLK_KP2, "30"}, ChoixDePiste{"70", SDLK_KP3, "70"},
    ChoixDePiste{"95", SDLK_KP1, "0"},  ChoixDePiste{"95", SDLK_KP2, "30"},
    ChoixDePiste{"", SDLK_KP1, "0"},    ChoixDePiste{"", SDLK_KP2, "30"},   ChoixDePiste{"", SDLK_KP3, "60"}));

TEST(Demarrage, SeulsLesChiffresDuPaveNumeriqueChoisissent)
{
    Partie partie;
    // Top-row digits, letters, clicks and releases are dropped; keypad 2 then chooses.
    partie.p.touche(SDLK_1).touche(SDLK_3).touche(SDLK_a).clic(450, 320, SDL_BUTTON_LEFT)
        .relachement(SDLK_KP1).mouvement(10, 10).touche(SDLK_KP2).touche(SDLK_s).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "30");
}

TEST(Demarrage, PartieFinieRepriseAuTroisVaALaFin)
{
    Partie partie;
    partie.dossier.ecrire_fichier_niveau("95");
    const Photo fini(image::FINI), fond(image::FOND);
    std::vector<bool> fin_vue;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) { fin_vue.push_back(fini.sur(ecran, 0, 0)); };
    partie.p.touche(SDLK_KP3).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    // Background, then the end picture with the first event (the keypad key's release),
    // then again with Escape. No level was played: no walk, no countdown.
    ASSERT_EQ(fin_vue.size(), IMAGES_INTRO + IMAGES_DIFFICULTE + 3);
    EXPECT_FALSE(fin_vue[IMAGES_INTRO + IMAGES_DIFFICULTE]);
    EXPECT_TRUE(fin_vue.back());
    EXPECT_EQ(partie.dossier.fichier_niveau(), "95");
}

TEST(Demarrage, SansVideoUnMessageEtLeStatutUn)
{
    DossierDeJeu dossier;
    setenv("SDL_VIDEODRIVER", "aucun-pilote-de-ce-nom", 1);
    PlateformeScriptee p;
    testing::internal::CaptureStderr();
    const int statut = jouer(p);
    const std::string erreur = testing::internal::GetCapturedStderr();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    EXPECT_EQ(statut, 1);
    EXPECT_NE(erreur.find("grignotin: SDL_Init"), std::string::npos) << erreur;
    EXPECT_EQ(std::count(erreur.begin(), erreur.end(), '\n'), 1) << erreur;
    EXPECT_EQ(p.images(), 0u);
}

TEST(Demarrage, SansPoliceUnMessageEtLeStatutUn)
{
    DossierDeJeu dossier;
    std::filesystem::remove(dossier.chemin() / "angelina.ttf");
    PlateformeScriptee p;
    testing::internal::CaptureStderr();
    EXPECT_EQ(jouer(p), 1);
    const std::string erreur = testing::internal::GetCapturedStderr();
    EXPECT_NE(erreur.find("angelina.ttf"), std::string::npos) << erreur;
    EXPECT_EQ(p.images(), 0u);
}
