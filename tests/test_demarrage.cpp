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

#include "draw/geometrie.hpp"
#include "partie_scriptee.hpp"

namespace {
constexpr std::size_t IMAGES_INTRO = 241;
constexpr std::size_t IMAGES_DIFFICULTE = 256;
}  // namespace

TEST(Demarrage, IntroPuisChoixPuisFond)
{
    Partie partie(Accueil::Reel);
    // Pressed once the choice is on screen: a key during the fade would end it.
    partie.p.apres(15000).touche(SDLK_ESCAPE);
    std::size_t image_fond = 0;
    const Photo fond(image::FOND), difficulte(image::DIFFICULTE);
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t n) {
        if (n == IMAGES_INTRO + IMAGES_DIFFICULTE) {
            EXPECT_TRUE(difficulte.sur(ecran, 0, 0)) << "the last fade frame shows the choice";
        }
        if (fond.sur(ecran, 0, 0) && image_fond == 0)
            image_fond = n;
        char* titre = nullptr;
        SDL_WM_GetCaption(&titre, nullptr);
        EXPECT_STREQ(titre, "Grignotin") << "frame " << n;
    };
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.p.images(), IMAGES_INTRO + IMAGES_DIFFICULTE + 1);
    EXPECT_EQ(image_fond, IMAGES_INTRO + IMAGES_DIFFICULTE + 1) << "background shown even after Escape";
    EXPECT_EQ(partie.p.attentes(), std::vector<std::uint32_t>(IMAGES_INTRO, 50));
    // 241 intro frames 50 ms apart, then 256 fade frames 8 ms apart.
    ASSERT_FALSE(partie.p.echeances().empty());
    EXPECT_EQ(partie.p.echeances().back().jusqua, 12050u + 2048u);
    EXPECT_EQ(partie.p.maintenant(), 15000u);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "(none)") << "nothing is written before a level";
}

TEST(Demarrage, FermerLaFenetrePendantLeChoix)
{
    Partie partie;
    partie.dossier.ecrire_fichier_niveau("45");
    partie.p.apres(15000).clic(450, 530, SDL_BUTTON_LEFT).fermeture();  // a click on the hint, not a card
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.p.restants(), 0u);
    EXPECT_EQ(partie.p.images(), IMAGES_INTRO + IMAGES_DIFFICULTE + 1) << "closed on the choice screen";
    EXPECT_EQ(partie.dossier.fichier_niveau(), "45");
}

namespace {
// One way to choose a track: a key, or (with SDLK_UNKNOWN) a left click at x, y.
struct Geste {
    const char* nom;
    SDLKey touche;
    int x = 0, y = 0;
};

PlateformeScriptee& faire(PlateformeScriptee& p, const Geste& g)
{
    return g.touche == SDLK_UNKNOWN ? p.clic(g.x, g.y, SDL_BUTTON_LEFT) : p.touche(g.touche);
}

// The keypad; the digits above the letters as a US layout gives them (and SDL 1.2 over
// SDL 2 with any layout); the same keys unshifted on a French layout under classic SDL.
const Geste PAVE_1{"keypad 1", SDLK_KP1}, PAVE_2{"keypad 2", SDLK_KP2}, PAVE_3{"keypad 3", SDLK_KP3};
const Geste CHIFFRE_1{"top-row 1", SDLK_1}, CHIFFRE_2{"top-row 2", SDLK_2}, CHIFFRE_3{"top-row 3", SDLK_3};
const Geste AZERTY_1{"&", SDLK_AMPERSAND}, AZERTY_2{"e acute", SDLK_WORLD_73}, AZERTY_3{"\"", SDLK_QUOTEDBL};
// A card's first and last pixel, which a click must reach.
Geste premier_pixel(int piste)
{
    return {"first pixel of a card", SDLK_UNKNOWN, CARTES_PISTE[piste].x, CARTES_PISTE[piste].y};
}
Geste dernier_pixel(int piste)
{
    const Cadre& c = CARTES_PISTE[piste];
    return {"last pixel of a card", SDLK_UNKNOWN, c.x + c.largeur - 1, c.y + c.hauteur - 1};
}
const Geste CARTE_1 = premier_pixel(0), CARTE_2 = premier_pixel(1), CARTE_3 = premier_pixel(2);
const Geste FIN_CARTE_1 = dernier_pixel(0), FIN_CARTE_2 = dernier_pixel(1), FIN_CARTE_3 = dernier_pixel(2);

// Which level a choice starts from a stored level. The s key saves the level on show
// (nothing is sorted yet), which makes the choice visible in the file.
struct ChoixDePiste {
    const char* enregistre;
    Geste geste;
    const char* attendu;
};

// Printed in the test's name, which would otherwise show the bytes of pointers.
void PrintTo(const ChoixDePiste& c, std::ostream* os)
{
    *os << '"' << c.enregistre << "\" then " << c.geste.nom;
    if (c.geste.touche == SDLK_UNKNOWN)
        *os << " (" << c.geste.x << ", " << c.geste.y << ')';
}
}  // namespace

class Choix : public testing::TestWithParam<ChoixDePiste> {};

TEST_P(Choix, SelonLeNiveauEnregistre)
{
    const ChoixDePiste& c = GetParam();
    Partie partie;
    partie.dossier.ecrire_fichier_niveau(c.enregistre);
    faire(partie.p, c.geste).touche(SDLK_s).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.dossier.fichier_niveau(), c.attendu) << "stored \"" << c.enregistre << '"';
}

// Every stored level at the edge of a track (0, 25 | 30, 55 | 60, 90 | 95), one inside
// each track and an empty file, each with the three tracks; every way to choose comes
// in more than once. A finished game (95) chosen hard goes to the end screen, where s
// is dropped, and keeps its file.
INSTANTIATE_TEST_SUITE_P(Demarrage, Choix, testing::Values(
    ChoixDePiste{"", PAVE_1, "0"},         ChoixDePiste{"", CHIFFRE_2, "30"},      ChoixDePiste{"", CARTE_3, "60"},
    ChoixDePiste{"0", CHIFFRE_1, "0"},     ChoixDePiste{"0", AZERTY_2, "30"},      ChoixDePiste{"0", FIN_CARTE_3, "60"},
    ChoixDePiste{"10", AZERTY_1, "10"},    ChoixDePiste{"10", CARTE_2, "30"},      ChoixDePiste{"10", PAVE_3, "60"},
    ChoixDePiste{"25", CARTE_1, "25"},     ChoixDePiste{"25", FIN_CARTE_2, "30"},  ChoixDePiste{"25", CHIFFRE_3, "60"},
    ChoixDePiste{"30", FIN_CARTE_1, "0"},  ChoixDePiste{"30", PAVE_2, "30"},       ChoixDePiste{"30", AZERTY_3, "60"},
    ChoixDePiste{"35", PAVE_1, "0"},       ChoixDePiste{"35", CHIFFRE_2, "35"},    ChoixDePiste{"35", CARTE_3, "60"},
    ChoixDePiste{"55", CHIFFRE_1, "0"},    ChoixDePiste{"55", AZERTY_2, "55"},     ChoixDePiste{"55", FIN_CARTE_3, "60"},
    ChoixDePiste{"60", AZERTY_1, "0"},     ChoixDePiste{"60", CARTE_2, "30"},      ChoixDePiste{"60", PAVE_3, "60"},
    ChoixDePiste{"70", CARTE_1, "0"},      ChoixDePiste{"70", FIN_CARTE_2, "30"},  ChoixDePiste{"70", CHIFFRE_3, "70"},
    ChoixDePiste{"90", FIN_CARTE_1, "0"},  ChoixDePiste{"90", PAVE_2, "30"},       ChoixDePiste{"90", AZERTY_3, "90"},
    ChoixDePiste{"95", PAVE_1, "0"},       ChoixDePiste{"95", CHIFFRE_2, "30"},    ChoixDePiste{"95", CARTE_3, "95"}));

TEST(Demarrage, LeChoixLaisseLeReste)
{
    // Each is dropped: digits and letters that choose nothing, key releases, the mouse
    // moving, and clicks that are not a left click inside a card (the pixel just outside
    // each side of each card, between the cards, on the hint, other buttons on a card,
    // a left button's release on one). Then Escape ends the screen with no choice made.
    Partie partie;
    partie.dossier.ecrire_fichier_niveau("35");
    partie.p.apres(15000).touche(SDLK_4).touche(SDLK_0).touche(SDLK_KP4).touche(SDLK_KP0).touche(SDLK_a).touche(SDLK_QUOTE)
        .touche(SDLK_RETURN).touche(SDLK_SPACE).relachement(SDLK_KP1).relachement(SDLK_1).mouvement(100, 200);
    for (const Cadre& c : CARTES_PISTE) {
        const int milieu_x = c.x + c.largeur / 2, milieu_y = c.y + c.hauteur / 2;
        partie.p.clic(c.x - 1, milieu_y, SDL_BUTTON_LEFT).clic(c.x + c.largeur, milieu_y, SDL_BUTTON_LEFT)
            .clic(milieu_x, c.y - 1, SDL_BUTTON_LEFT).clic(milieu_x, c.y + c.hauteur, SDL_BUTTON_LEFT);
        for (std::uint8_t bouton : {SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE, SDL_BUTTON_WHEELUP, SDL_BUTTON_WHEELDOWN})
            partie.p.clic(milieu_x, milieu_y, bouton);
        SDL_Event relache{};
        relache.type = SDL_MOUSEBUTTONUP;
        relache.button.type = SDL_MOUSEBUTTONUP;
        relache.button.button = SDL_BUTTON_LEFT;
        relache.button.state = SDL_RELEASED;
        relache.button.x = static_cast<Uint16>(milieu_x);
        relache.button.y = static_cast<Uint16>(milieu_y);
        partie.p.evenement(relache);
    }
    partie.p.clic(310, 300, SDL_BUTTON_LEFT).clic(450, 530, SDL_BUTTON_LEFT).touche_enfoncee(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.p.restants(), 0u);
    // Had any of them chosen, a level would have begun and shown frames of its own.
    EXPECT_EQ(partie.p.images(), IMAGES_INTRO + IMAGES_DIFFICULTE + 1);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "35");
}

TEST(Demarrage, LesRestesDUnJeuTueSontEnleves)
{
    // A game killed in the middle of a save left its temporary file; another game, still
    // running in the same directory, is writing one of its own.
    Partie partie;
    partie.dossier.ecrire_fichier_niveau("35");
    const pid_t mort = ::fork();
    ASSERT_GE(mort, 0);
    if (mort == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(mort, nullptr, 0), mort);
    const std::string reste = "niveau.lvl.tmp." + std::to_string(mort) + ".aB3xYz";
    const std::string en_cours = "niveau.lvl.tmp." + std::to_string(::getppid()) + ".aB3xYz";
    for (const std::string& nom : {reste, en_cours})
        std::ofstream(partie.dossier.chemin() / nom) << "40";
    partie.p.touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_FALSE(std::filesystem::exists(partie.dossier.chemin() / reste));
    EXPECT_TRUE(std::filesystem::exists(partie.dossier.chemin() / en_cours));
    EXPECT_EQ(partie.dossier.fichier_niveau(), "35");
}

TEST(Demarrage, PartieFinieRepriseAuTroisVaALaFin)
{
    Partie partie;
    partie.dossier.ecrire_fichier_niveau("95");
    const Photo fini(image::FINI), fond(image::FOND);
    std::vector<bool> fin_vue;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) { fin_vue.push_back(fini.sur(ecran, 0, 0)); };
    partie.p.apres(15000).touche(SDLK_KP3).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    // Background, then the end picture with the first event (the keypad key's release),
    // and Escape ends it. No level was played: no walk, no countdown.
    ASSERT_EQ(fin_vue.size(), IMAGES_INTRO + IMAGES_DIFFICULTE + 2);
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
