// Start-up, intro and the choice of track, through the real game flow.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <optional>
#include <sstream>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

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
    // 241 intro frames 50 ms apart, then 256 fade frames 8 ms apart.
    EXPECT_EQ(partie.p.maintenant(), 12050u + 2048u);
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

// Printed in the test's name, which would otherwise show the bytes of two pointers.
void PrintTo(const ChoixDePiste& c, std::ostream* os)
{
    *os << '"' << c.enregistre << "\" then keypad " << (c.touche - SDLK_KP0);
}

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

namespace {
// Sets (or, with nullopt, removes) an environment variable for one scope.
class Variable {
public:
    Variable(const char* nom, std::optional<std::string> valeur) : nom_(nom)
    {
        if (const char* avant = std::getenv(nom))
            avant_ = avant;
        if (valeur)
            setenv(nom, valeur->c_str(), 1);
        else
            unsetenv(nom);
    }
    ~Variable()
    {
        if (avant_)
            setenv(nom_, avant_->c_str(), 1);
        else
            unsetenv(nom_);
    }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;

private:
    const char* nom_;
    std::optional<std::string> avant_;
};
}  // namespace

TEST(Demarrage, SansAffichageGraphiqueUnMessageEtLeStatutUn)
{
    // No display and no driver named: the game says so before SDL starts (classic SDL
    // would otherwise draw it in letters in the terminal, see aliment.cpp).
    DossierDeJeu dossier;
    Variable pilote("SDL_VIDEODRIVER", std::nullopt), x("DISPLAY", std::nullopt),
        wayland("WAYLAND_DISPLAY", std::nullopt);
    PlateformeScriptee p;
    p.touche(SDLK_ESCAPE);
    testing::internal::CaptureStderr();
    const int statut = jouer(p);
    const std::string erreur = testing::internal::GetCapturedStderr();
    EXPECT_EQ(statut, 1);
    EXPECT_NE(erreur.find("grignotin: SDL_Init: no graphical display"), std::string::npos) << erreur;
    EXPECT_EQ(std::count(erreur.begin(), erreur.end(), '\n'), 1) << erreur;
    EXPECT_EQ(p.images(), 0u);
}

TEST(Demarrage, AffichageInjoignableLesPilotesSansImageSontRefuses)
{
    // A display that does not answer: classic SDL falls back to its text-mode driver,
    // SDL 1.2 over SDL 2 to an invisible one. Either way the game must stop with a
    // message rather than play where no one can see it.
    if (std::filesystem::exists("/dev/fb0"))
        GTEST_SKIP() << "this machine has a frame buffer: SDL may find a real display on it";
    if (std::filesystem::exists("/tmp/.X11-unix/X4242"))
        GTEST_SKIP() << "display :4242 exists here";
    DossierDeJeu dossier;
    const auto journal = dossier.chemin() / "erreurs.txt";
    const pid_t enfant = ::fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        // In a child: the text-mode driver writes to the terminal as it starts.
        unsetenv("SDL_VIDEODRIVER");
        unsetenv("WAYLAND_DISPLAY");
        setenv("DISPLAY", ":4242", 1);
        setenv("TERM", "dumb", 1);
        const int nul = ::open("/dev/null", O_WRONLY);
        const int err = ::open(journal.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(nul, 1);
        ::dup2(err, 2);
        PlateformeScriptee p;
        p.touche(SDLK_ESCAPE);
        int statut = 99;
        try {
            statut = jouer(p);
        } catch (...) {
            statut = 98;
        }
        // An image shown means the game played without a display.
        ::_exit(p.images() == 0 ? statut : 97);
    }
    int etat = 0;
    ASSERT_EQ(::waitpid(enfant, &etat, 0), enfant);
    std::ifstream f(journal);
    const std::string erreur{std::istreambuf_iterator<char>(f), {}};
    ASSERT_TRUE(WIFEXITED(etat)) << erreur;
    EXPECT_EQ(WEXITSTATUS(etat), 1) << erreur;
    // SDL 2 may add lines of its own about the drivers it tried; the game's is the last.
    EXPECT_NE(erreur.find("grignotin: SDL_Init: no graphical display"), std::string::npos) << erreur;
}
