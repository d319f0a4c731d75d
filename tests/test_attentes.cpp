// The one way the flow waits, through the real game: what the child (or the page) does
// during each wait and what it must do afterwards; the second tap of a double tap; the
// card tapped while the cards fade in; the board's buttons; the end picture's tap; the
// page's pause request; the mark on the saved card.
#include <gtest/gtest.h>

#include <SDL_ttf.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "draw/geometrie.hpp"
#include "flow/messages.hpp"
#include "partie_scriptee.hpp"

namespace {

int x_carte(int piste) { return CARTES_PISTE[piste].x + CARTES_PISTE[piste].largeur / 2; }
constexpr int Y_CARTE = CARTES_PISTE[0].y + CARTES_PISTE[0].hauteur / 2;
constexpr int X_GAMELLE_0 = X_GAMELLE + 60, Y_GAMELLE_0 = Y_RECIPIENT_0 + 40;
const Plateau COLONNE{Rangee::Aliment, Rangee::Aliment, Rangee::Aliment, Rangee::Aliment, Rangee::Aliment};

Plateau trie(std::int32_t niveau)
{
    Plateau plateau{};
    for (int k = 0; k < 5; ++k)
        plateau[static_cast<std::size_t>(k)] =
            catalogue_aliments[static_cast<std::size_t>(niveau + k)].bon == ALIMENT_BON ? Rangee::Gamelle
                                                                                        : Rangee::Poubelle;
    return plateau;
}

// A pause picture of the test's own, magenta, so that the pause is known on a frame by
// the blend it leaves over whatever is below it (168/255 of it: red and blue high, green low).
void pause_magenta(DossierDeJeu& dossier)
{
    const auto chemin = dossier.chemin() / image::PAUSE;
    std::filesystem::remove(chemin);
    const Surface s{SDL_CreateRGBSurface(SDL_SWSURFACE, LARGEUR_ECRAN, HAUTEUR_ECRAN, 24, 0xFF0000, 0xFF00, 0xFF, 0)};
    SDL_FillRect(s.get(), nullptr, 0xFF00FF);
    SDL_SaveBMP(s.get(), chemin.c_str());
}

// The panel's point matters: the panel draws and presents itself first as the board is
// drawn again, over what the pause left.
bool pause_montree(SDL_Surface* ecran)
{
    for (const auto& [x, y] : {std::pair{600, 50}, std::pair{300, 300}, std::pair{800, 560}, std::pair{450, 620}}) {
        Uint8 r, g, b;
        SDL_GetRGB(pixel_brut(ecran, x, y), ecran->format, &r, &g, &b);
        if (r < 165 || b < 165 || g > 90)
            return false;
    }
    return true;
}

// What comes during a wait.
enum class Pendant { Tap, Quitter, DemandeDePause };

struct CasAttente {
    const char* nom;
    const char* fichier;                       // the saved level at start-up
    void (*amener)(PlateformeScriptee&);       // the script up to the wait
    Pendant pendant;
    int x, y;                                  // where the tap lands
    void (*fin)(PlateformeScriptee&);          // the script after it, ending the game
    std::int32_t niveau;                       // the level whose board is looked at
    // What must follow.
    bool quitte;          // the game ended at the wait: nothing of `fin` was taken
    bool pause_apres;     // the pause opened after the wait
    Plateau plateau;      // the last board shown
    const char* fichier_apres;
};

void PrintTo(const CasAttente& c, std::ostream* os) { *os << c.nom; }

void rien(PlateformeScriptee&) {}
void echap(PlateformeScriptee& p) { p.apres(2000).touche(SDLK_ESCAPE); }
void choix_puis_echap(PlateformeScriptee& p) { p.apres(15000).touche(SDLK_KP1).apres(2000).touche(SDLK_ESCAPE); }
void p_puis_echap(PlateformeScriptee& p) { p.apres(2000).touche(SDLK_p).apres(1000).touche(SDLK_ESCAPE); }
void j_puis_echap(PlateformeScriptee& p) { p.apres(2000).touche(SDLK_j).apres(1000).touche(SDLK_ESCAPE); }
void r_puis_echap(PlateformeScriptee& p) { p.apres(2000).touche(SDLK_r).apres(1000).touche(SDLK_ESCAPE); }

// The fifth click's press starts the walk; what comes a second after it falls in the walk.
void marche(PlateformeScriptee& p)
{
    p.touche(SDLK_KP1);
    for (int k = 0; k < 5; ++k) {
        const bool bon = catalogue_aliments[static_cast<std::size_t>(k)].bon == ALIMENT_BON;
        SDL_Event e{};
        e.type = e.button.type = SDL_MOUSEBUTTONDOWN;
        e.button.button = bon ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT;
        e.button.x = X_CLIC;
        e.button.y = static_cast<Uint16>(y_clic(k));
        p.evenement(e);
    }
    p.apres(1000);
}
void fin_de_piste(PlateformeScriptee& p) { trier(p.touche(SDLK_KP1), 25).apres(1000).touche(SDLK_s).apres(1000); }
void temps_fini(PlateformeScriptee& p) { p.touche(SDLK_KP1).apres(31000); }
void pause(PlateformeScriptee& p) { p.touche(SDLK_KP1).apres(1000).touche_enfoncee(SDLK_p).apres(500); }
void regles(PlateformeScriptee& p) { p.touche(SDLK_KP1).apres(1000).touche_enfoncee(SDLK_r).apres(500); }
void fin(PlateformeScriptee& p) { trier(p.touche(SDLK_KP3), 90).apres(1000).touche_enfoncee(SDLK_s).apres(500); }

class ToutesLesAttentes : public ::testing::TestWithParam<CasAttente> {};

// Every wait x what came during it x what must follow. The intro, the fade, the walk and
// the track-end picture read nothing: what came is dropped as each ends, a quit still
// quits, and the page's pause request is kept where a level follows (the walk's verdict
// does not count, so nothing opens there). The fade alone takes a card: the choice. The
// time-up, the pause, the rules and the end read every event: only what closes them
// acts, the close of the window included, which they swallow (the end screen excepted).
TEST_P(ToutesLesAttentes, CeQuiVientPendantEtCeQuiSuit)
{
    const CasAttente& c = GetParam();
    Partie partie;
    pause_magenta(partie.dossier);
    if (*c.fichier)
        partie.dossier.ecrire_fichier_niveau(c.fichier);
    PlateformeScriptee& p = partie.p;
    c.amener(p);
    p.impatient();
    switch (c.pendant) {
    case Pendant::Tap: p.clic(c.x, c.y, SDL_BUTTON_LEFT); break;
    case Pendant::Quitter: p.fermeture(); break;
    case Pendant::DemandeDePause: p.demande_de_pause(); break;
    }
    p.patient();
    const std::size_t apres_pendant = p.restants();
    c.fin(p);
    const std::size_t scriptes_a_la_fin = p.restants() - apres_pendant;

    bool pause_apres = false;
    Plateau dernier{};
    p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        const bool pause = pause_montree(ecran);
        if (p.restants() <= scriptes_a_la_fin)  // what came during the wait is gone
            pause_apres |= pause;
        if (!pause)
            dernier = etat_plateau(ecran, c.niveau);
    };
    EXPECT_EQ(partie.jouer(), 0);
    if (c.quitte)
        EXPECT_GE(p.restants(), scriptes_a_la_fin) << "the game ended before what followed";
    else
        EXPECT_LE(p.restants(), 1u) << "only Escape's release is left";
    EXPECT_EQ(pause_apres, c.pause_apres);
    EXPECT_EQ(dernier, c.plateau);
    EXPECT_EQ(partie.dossier.fichier_niveau(), c.fichier_apres);
}

const Plateau AUTRE{Rangee::Autre, Rangee::Autre, Rangee::Autre, Rangee::Autre, Rangee::Autre};

INSTANTIATE_TEST_SUITE_P(
    Attentes, ToutesLesAttentes,
    ::testing::Values(
        // The intro: a card tapped is dropped (the keypad 1 after it chooses); a quit quits.
        CasAttente{"IntroTap", "35", rien, Pendant::Tap, x_carte(1), Y_CARTE, choix_puis_echap, 0, false, false, COLONNE, "35"},
        CasAttente{"IntroQuitter", "35", rien, Pendant::Quitter, 0, 0, choix_puis_echap, 0, true, false, AUTRE, "35"},
        CasAttente{"IntroPause", "35", rien, Pendant::DemandeDePause, 0, 0, choix_puis_echap, 0, false, false, COLONNE, "35"},
        // The fade: a card tapped chooses (the medium track, level 8 saved), a quit quits.
        CasAttente{"FonduTap", "35", [](PlateformeScriptee& p) { p.apres(12500); }, Pendant::Tap, x_carte(1), Y_CARTE,
                   choix_puis_echap, 35, false, false, COLONNE, "35"},
        CasAttente{"FonduQuitter", "35", [](PlateformeScriptee& p) { p.apres(12500); }, Pendant::Quitter, 0, 0,
                   choix_puis_echap, 0, true, false, AUTRE, "35"},
        CasAttente{"FonduPause", "35", [](PlateformeScriptee& p) { p.apres(12500); }, Pendant::DemandeDePause, 0, 0,
                   choix_puis_echap, 0, false, false, COLONNE, "35"},
        // The walk: a tap on row 0's bowl (its food is in the bin) is dropped; a quit quits once the verdict saved;
        // the pause request meets a verdict, where nothing counts.
        CasAttente{"MarcheTap", "", marche, Pendant::Tap, X_GAMELLE_0, Y_GAMELLE_0, echap, 0, false, false, trie(0), "5"},
        CasAttente{"MarcheQuitter", "", marche, Pendant::Quitter, 0, 0, echap, 0, true, false, trie(0), "5"},
        CasAttente{"MarchePause", "", marche, Pendant::DemandeDePause, 0, 0, echap, 0, false, false, trie(0), "5"},
        // The track-end picture over level 7: a tap on a food is dropped, a quit quits,
        // the pause request opens level 7's pause once the picture is gone.
        CasAttente{"FinDePisteTap", "25", fin_de_piste, Pendant::Tap, X_CLIC, y_clic(0), echap, 30, false, false, COLONNE, "30"},
        CasAttente{"FinDePisteQuitter", "25", fin_de_piste, Pendant::Quitter, 0, 0, echap, 30, true, false, AUTRE, "30"},
        CasAttente{"FinDePistePause", "25", fin_de_piste, Pendant::DemandeDePause, 0, 0, p_puis_echap, 30, false, true, COLONNE, "30"},
        // The time-up: the close and the pause request are swallowed; r replays level 1.
        CasAttente{"TempsFiniQuitter", "", temps_fini, Pendant::Quitter, 0, 0, r_puis_echap, 0, false, false, COLONNE, "(none)"},
        CasAttente{"TempsFiniPause", "", temps_fini, Pendant::DemandeDePause, 0, 0, r_puis_echap, 0, false, false, COLONNE, "(none)"},
        // The pause: a tap closes it and sorts nothing; the close and a second request are swallowed.
        CasAttente{"PauseTap", "", pause, Pendant::Tap, X_CLIC, y_clic(0), echap, 0, false, false, COLONNE, "(none)"},
        CasAttente{"PauseQuitter", "", pause, Pendant::Quitter, 0, 0, p_puis_echap, 0, false, false, COLONNE, "(none)"},
        CasAttente{"PausePause", "", pause, Pendant::DemandeDePause, 0, 0, p_puis_echap, 0, false, false, COLONNE, "(none)"},
        // The rules: the same, closed by j.
        CasAttente{"ReglesTap", "", regles, Pendant::Tap, X_CLIC, y_clic(0), echap, 0, false, false, COLONNE, "(none)"},
        CasAttente{"ReglesQuitter", "", regles, Pendant::Quitter, 0, 0, j_puis_echap, 0, false, false, COLONNE, "(none)"},
        CasAttente{"ReglesPause", "", regles, Pendant::DemandeDePause, 0, 0, j_puis_echap, 0, false, false, COLONNE, "(none)"},
        // The end: the first event brings the picture, the close ends the game there, the
        // pause request changes nothing.
        CasAttente{"FinQuitter", "90", fin, Pendant::Quitter, 0, 0, echap, 90, true, false, AUTRE, "95"},
        CasAttente{"FinPause", "90", fin, Pendant::DemandeDePause, 0, 0, echap, 90, false, false, AUTRE, "95"}),
    [](const ::testing::TestParamInfo<CasAttente>& info) { return std::string(info.param.nom); });

// A picture of the test's own under `nom`, one colour, for the pictures the picture tool
// may not draw yet (the board's buttons, the mark).
void image_unie(DossierDeJeu& dossier, const char* nom, int w, int h, Uint32 rvb)
{
    const auto chemin = dossier.chemin() / nom;
    std::filesystem::remove(chemin);
    const Surface s{SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF0000, 0xFF00, 0xFF, 0)};
    SDL_FillRect(s.get(), nullptr, rvb);
    SDL_SaveBMP(s.get(), chemin.c_str());
}

Uint32 rvb(SDL_Surface* ecran, int x, int y)
{
    Uint8 r, g, b;
    SDL_GetRGB(pixel_brut(ecran, x, y), ecran->format, &r, &g, &b);
    return Uint32{r} << 16 | Uint32{g} << 8 | b;
}

// The second tap of a double tap that closed a screen (or went on from it) does not act
// on the screen that follows: 100 ms behind, the tap on row 0's food sorts nothing; 400 ms
// behind, it sorts, as a child's tap on a board it has seen. A key right behind still acts.
struct DoubleTap {
    const char* nom;
    void (*vers_l_ecran)(PlateformeScriptee&);  // up to the screen the first tap closes
    int x, y;                                    // the first tap
    std::int32_t niveau;                          // the level after it
};

void PrintTo(const DoubleTap& d, std::ostream* os) { *os << d.nom; }

class DeuxiemeTap : public ::testing::TestWithParam<std::tuple<DoubleTap, std::uint32_t>> {};

TEST_P(DeuxiemeTap, NAgitPasSurLEcranQuiSuit)
{
    const auto& [d, ecart] = GetParam();
    Partie partie;
    PlateformeScriptee& p = partie.p;
    d.vers_l_ecran(p);
    p.clic(d.x, d.y, SDL_BUTTON_LEFT).apres(ecart).clic(X_CLIC, y_clic(0), SDL_BUTTON_LEFT);
    p.apres(1000).touche(SDLK_ESCAPE);
    Plateau dernier{};
    p.sur_image = [&](SDL_Surface* ecran, std::size_t) { dernier = etat_plateau(ecran, d.niveau); };
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(p.restants(), 1u);
    const bool trie = ecart > 300;
    EXPECT_EQ(dernier[0], trie ? Rangee::Gamelle : Rangee::Aliment) << ecart << " ms behind";
}

INSTANTIATE_TEST_SUITE_P(
    Attentes, DeuxiemeTap,
    ::testing::Combine(
        ::testing::Values(
            DoubleTap{"Carte", [](PlateformeScriptee& p) { p.apres(15000); }, x_carte(0), Y_CARTE, 0},
            DoubleTap{"TempsFini", [](PlateformeScriptee& p) { p.touche(SDLK_KP1).apres(31000); }, 450, 320, 0},
            DoubleTap{"Pause", [](PlateformeScriptee& p) { p.touche(SDLK_KP1).apres(1000).touche(SDLK_p).apres(500); },
                      450, 320, 0},
            DoubleTap{"Regles", [](PlateformeScriptee& p) { p.touche(SDLK_KP1).apres(1000).touche(SDLK_r).apres(500); },
                      450, 320, 0},
            DoubleTap{"BoiteDuVerdict", [](PlateformeScriptee& p) { trier(p.touche(SDLK_KP1), 0).apres(1000); },
                      CADRE_MESSAGE.x + 5, CADRE_MESSAGE.y + 5, 5}),
        ::testing::Values(100u, 400u)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).nom) + std::to_string(std::get<1>(info.param)) + "ms";
    });

// A pause opened by its button and left for 25 days (a tablet forgotten on it): the tap
// that closes it is no double tap's, though the clock's difference from the opening tap
// reads negative past 24 days.
TEST(Attentes, UnTapDesSemainesPlusTardNEstPasUnSecond)
{
    constexpr std::uint32_t VINGT_CINQ_JOURS = 25u * 24 * 3600 * 1000;
    Partie partie;
    partie.p.limite = VINGT_CINQ_JOURS + 3600 * 1000;
    partie.p.touche(SDLK_KP1).apres(1000).clic(BOUTON_PAUSE.x + 28, BOUTON_PAUSE.y + 28, SDL_BUTTON_LEFT);
    partie.p.apres(VINGT_CINQ_JOURS).clic(450, 320, SDL_BUTTON_LEFT).apres(1000).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.p.restants(), 1u);
}

TEST(Attentes, UneToucheDerriereLeTapQuiFermeAgit)
{
    // The time-up closed by a tap, s 50 ms behind: the replayed level ends and saves.
    Partie partie;
    partie.p.touche(SDLK_KP1).apres(31000).clic(450, 320, SDL_BUTTON_LEFT).apres(50).touche(SDLK_s);
    partie.p.apres(1000).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "0");
}

// A card the child can see takes the tap: a card tapped, or 2 or 3 pressed, while the
// cards fade in ends the fade at once, shows the whole picture and chooses. (Before it,
// during the intro, taps are dropped: ToutesLesAttentes/IntroTap.)
struct ChoixPendantLeFondu {
    const char* nom;
    SDL_Event evenement;
    const char* fichier_apres;  // what the level the choice played saves once s is pressed
};

void PrintTo(const ChoixPendantLeFondu& c, std::ostream* os) { *os << c.nom; }

SDL_Event tap(int x, int y)
{
    SDL_Event e{};
    e.type = e.button.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    return e;
}

SDL_Event touche(SDLKey sym)
{
    SDL_Event e{};
    e.type = e.key.type = SDL_KEYDOWN;
    e.key.keysym.sym = sym;
    return e;
}

class FonduChoisi : public ::testing::TestWithParam<ChoixPendantLeFondu> {};

TEST_P(FonduChoisi, LeFonduSAcheveEtLaCarteEstPrise)
{
    const ChoixPendantLeFondu& c = GetParam();
    Partie partie(Accueil::Reel);
    const Photo difficulte(image::DIFFICULTE);
    std::size_t image_du_choix = 0;
    bool entiere = false;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t n) {
        if (image_du_choix == 0 && partie.p.prises().size() == 1) {
            image_du_choix = n;
            entiere = difficulte.sur(ecran, 0, 0);
        }
    };
    // Half a second into the fade.
    partie.p.apres(12050 + 500).evenement(c.evenement).apres(1000).touche(SDLK_s).apres(1000).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_TRUE(entiere) << "the whole picture, before the level";
    EXPECT_GT(image_du_choix, 241u);
    EXPECT_LT(image_du_choix, 241u + 256u) << "the fade ended early";
    EXPECT_EQ(partie.dossier.fichier_niveau(), c.fichier_apres);
}

INSTANTIATE_TEST_SUITE_P(Attentes, FonduChoisi,
                         ::testing::Values(ChoixPendantLeFondu{"CarteMoyenne", tap(x_carte(1), Y_CARTE), "30"},
                                           ChoixPendantLeFondu{"Touche3", touche(SDLK_3), "60"},
                                           ChoixPendantLeFondu{"PaveNumerique1", touche(SDLK_KP1), "0"}),
                         [](const auto& info) { return std::string(info.param.nom); });

// The board's buttons: drawn where they stand, and a tap there opens the pause or the
// rules as p and r do, during play and after the verdict; a tap closes each.
TEST(Attentes, LesBoutonsDuPlateauOuvrentLaPauseEtLesRegles)
{
    Partie partie;
    pause_magenta(partie.dossier);
    image_unie(partie.dossier, image::BOUTON_PAUSE, BOUTON_PAUSE.largeur, BOUTON_PAUSE.hauteur, 0x10E010);
    image_unie(partie.dossier, image::BOUTON_REGLES, BOUTON_REGLES.largeur, BOUTON_REGLES.hauteur, 0xE0E010);
    const Photo regle(image::REGLE);
    int pauses = 0, regles = 0;
    bool pause_avant = false, regles_avant = false, boutons = false;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        const bool pause = pause_montree(ecran), r = regle.sur(ecran, 0, 0);
        pauses += pause && !pause_avant;
        regles += r && !regles_avant;
        pause_avant = pause;
        regles_avant = r;
        boutons |= rvb(ecran, BOUTON_PAUSE.x + 28, BOUTON_PAUSE.y + 28) == 0x10E010 &&
                   rvb(ecran, BOUTON_REGLES.x + 28, BOUTON_REGLES.y + 28) == 0xE0E010;
    };
    const auto taper = [&](const Cadre& c) { partie.p.apres(1000).clic(c.x + c.largeur / 2, c.y + c.hauteur / 2, SDL_BUTTON_LEFT); };
    partie.p.touche(SDLK_KP1);
    taper(BOUTON_PAUSE);
    partie.p.apres(1000).clic(X_CLIC, y_clic(0), SDL_BUTTON_LEFT);  // closes, sorts nothing
    taper(BOUTON_REGLES);
    partie.p.apres(1000).clic(10, 10, SDL_BUTTON_LEFT);
    trier(partie.p.apres(1000), 0);
    taper(BOUTON_PAUSE);  // after the verdict
    partie.p.apres(1000).touche(SDLK_p);
    taper(BOUTON_REGLES);
    partie.p.apres(1000).touche(SDLK_j).apres(1000).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_TRUE(boutons) << "both buttons drawn at their places";
    EXPECT_EQ(pauses, 2);
    EXPECT_EQ(regles, 2);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "5") << "the taps that closed them sorted nothing";
}

// The end picture, once shown, ends with a tap as Escape does; the tap that brought it,
// and a second one right behind (a double tap), only bring it.
TEST(Attentes, LImageDeFinSeFermeDUnTap)
{
    Partie partie;
    partie.dossier.ecrire_fichier_niveau("90");
    const Photo fini(image::FINI);
    bool fin_vue = false;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) { fin_vue |= fini.sur(ecran, 0, 0); };
    trier(partie.p.touche(SDLK_KP3), 90).apres(1000).touche_enfoncee(SDLK_s);
    partie.p.apres(1000).clic(450, 320, SDL_BUTTON_LEFT).apres(100).clic(450, 320, SDL_BUTTON_LEFT);
    partie.p.apres(1000).clic(450, 320, SDL_BUTTON_LEFT).apres(1000).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_TRUE(fin_vue);
    EXPECT_EQ(partie.p.restants(), 3u) << "the third tap ended the game: its release and Escape are left";
    EXPECT_EQ(partie.dossier.fichier_niveau(), "95");
}

// The page's pause request: a level that counts opens its pause, as p does; the verdict,
// which counts nothing, does not. (During the waits: ToutesLesAttentes.)
TEST(Attentes, LaDemandeDePauseDeLaPage)
{
    Partie partie;
    pause_magenta(partie.dossier);
    int pauses = 0;
    bool avant = false;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        const bool pause = pause_montree(ecran);
        pauses += pause && !avant;
        avant = pause;
    };
    partie.p.touche(SDLK_KP1).apres(1000).demande_de_pause().apres(1000).demande_de_pause();
    partie.p.apres(1000).clic(450, 320, SDL_BUTTON_LEFT);
    trier(partie.p.apres(1000), 0).apres(1000).demande_de_pause().apres(1000).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(pauses, 1) << "once in play (the second request met the pause), never at the verdict";
    EXPECT_EQ(partie.dossier.fichier_niveau(), "5");
}

// Where the child stands: the card of the track that holds the saved level carries the
// mark and the level's number, written under it in the game's font; the other cards
// nothing. A finished game marks no card.
struct CarteMarquee {
    const char* fichier;
    int piste;  // -1: none
    const char* numero;
};

void PrintTo(const CarteMarquee& c, std::ostream* os) { *os << '"' << c.fichier << '"'; }

class MarqueDeLaCarte : public ::testing::TestWithParam<CarteMarquee> {};

TEST_P(MarqueDeLaCarte, SurLaCarteDuNiveauEnregistre)
{
    const CarteMarquee& c = GetParam();
    constexpr Uint32 ORANGE = 0xFF8010;
    Partie partie;
    partie.dossier.ecrire_fichier_niveau(c.fichier);
    image_unie(partie.dossier, image::MARQUE, 76, 76, ORANGE);
    Surface vue;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t n) {
        if (n == 241 + 256)  // the fade's last frame
            vue.reset(SDL_ConvertSurface(ecran, ecran->format, SDL_SWSURFACE));
    };
    partie.p.apres(15000).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    ASSERT_TRUE(vue);

    // The number as the game's font writes it, black, centred under the mark.
    ASSERT_EQ(TTF_Init(), 0);  // the game stopped the engine as it ended
    TTF_Font* police = TTF_OpenFont((std::string(GRIGNOTIN_RUN_DIR) + "/" + FICHIER_POLICE).c_str(), TAILLE_MESSAGE);
    ASSERT_NE(police, nullptr);
    const Surface texte{*c.numero ? TTF_RenderText_Blended(police, c.numero, SDL_Color{0, 0, 0, 0})
                                  : TTF_RenderText_Blended(police, "0", SDL_Color{0, 0, 0, 0})};
    TTF_CloseFont(police);
    TTF_Quit();
    ASSERT_TRUE(texte);
    for (int piste = 0; piste < 3; ++piste) {
        SCOPED_TRACE(piste);
        const Cadre m = marque_carte(piste);
        const bool marquee = piste == c.piste;
        EXPECT_EQ(rvb(vue.get(), m.x + 38, m.y + 38) == ORANGE, marquee);
        EXPECT_EQ(rvb(vue.get(), m.x, m.y) == ORANGE && rvb(vue.get(), m.x + 75, m.y + 75) == ORANGE, marquee);
        // The number's inked pixels stand where the text's are, and only under the marked card.
        const int x0 = m.x + (m.largeur - texte->w) / 2, y0 = m.y + m.hauteur;
        int encre_attendue = 0, encre_vue = 0, a_sa_place = 0;
        for (int y = 0; y < texte->h; ++y)
            for (int x = 0; x < texte->w; ++x) {
                Uint8 r, g, b, a;
                SDL_GetRGBA(pixel_brut(texte.get(), x, y), texte->format, &r, &g, &b, &a);
                const bool encre = a > 200;
                const Uint32 v = rvb(vue.get(), x0 + x, y0 + y);
                const bool sombre = (v >> 16 & 0xFF) < 60 && (v >> 8 & 0xFF) < 60 && (v & 0xFF) < 60;
                encre_attendue += encre;
                encre_vue += sombre;
                a_sa_place += encre && sombre;
            }
        if (marquee) {
            EXPECT_GT(encre_attendue, 20);
            EXPECT_EQ(a_sa_place, encre_attendue) << "the number " << c.numero;
            EXPECT_LE(encre_vue, encre_attendue * 3 / 2) << "no other number written there";
        } else {
            EXPECT_EQ(encre_vue, 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Attentes, MarqueDeLaCarte,
                         ::testing::Values(CarteMarquee{"", 0, "1"}, CarteMarquee{"25", 0, "6"},
                                           CarteMarquee{"35", 1, "8"}, CarteMarquee{"60", 2, "13"},
                                           CarteMarquee{"90", 2, "19"}, CarteMarquee{"95", -1, ""}),
                         [](const auto& info) {
                             return std::string("fichier") + (*info.param.fichier ? info.param.fichier : "Absent");
                         });

// On a touch screen the pictures that name keys give way to their touch versions: the
// cards, the board's background, the time-up and the end picture.
TEST(Attentes, UnEcranTactileMontreLesImagesTactiles)
{
    constexpr Uint32 CARTES = 0x3060A0, FOND = 0x60A030, TEMPS = 0xA06030, FIN = 0x30A0A0;
    Partie partie;
    partie.p.ecran_tactile = true;
    partie.dossier.ecrire_fichier_niveau("90");
    image_unie(partie.dossier, image::DIFFICULTE_TACTILE, LARGEUR_ECRAN, HAUTEUR_ECRAN, CARTES);
    image_unie(partie.dossier, image::FOND_TACTILE, LARGEUR_ECRAN, HAUTEUR_ECRAN, FOND);
    image_unie(partie.dossier, image::TEMPS_FINI_TACTILE, LARGEUR_ECRAN, HAUTEUR_ECRAN, TEMPS);
    image_unie(partie.dossier, image::FINI_TACTILE, LARGEUR_ECRAN, HAUTEUR_ECRAN, FIN);
    std::vector<Uint32> vues;  // the colour at 300, 200 on each frame, once it changes
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        const Uint32 c = rvb(ecran, 300, 200);
        if (vues.empty() || vues.back() != c)
            vues.push_back(c);
    };
    partie.p.apres(15000).clic(x_carte(2), Y_CARTE, SDL_BUTTON_LEFT).apres(31000).clic(450, 320, SDL_BUTTON_LEFT);
    trier(partie.p.apres(1000), 90).apres(1000).touche_enfoncee(SDLK_s).apres(1000).clic(450, 320, SDL_BUTTON_LEFT);
    partie.p.apres(1000).clic(450, 320, SDL_BUTTON_LEFT);
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.p.restants(), 1u);
    const auto vu = [&](Uint32 c) { return std::find(vues.begin(), vues.end(), c) != vues.end(); };
    EXPECT_TRUE(vu(CARTES));
    EXPECT_TRUE(vu(FOND));
    EXPECT_TRUE(vu(TEMPS));
    EXPECT_EQ(vues.back(), FIN);
}

}  // namespace
