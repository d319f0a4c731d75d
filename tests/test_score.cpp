#include "ecran_de_test.hpp"

#include <SDL_ttf.h>

#include <cstring>
#include <string>
#include <vector>

#include "draw/noms_images.hpp"
#include "draw/ressources.hpp"
#include "draw/score.hpp"
#include "fermeture_polices.hpp"
#include "platform/plateforme_scriptee.hpp"

namespace {
// Any TrueType font does; this one (Debian's fonts-dejavu-extra) gives odd-width score
// boxes, and is narrow enough at 48 points that the score's digit shows beside the
// seconds box.
const char* const POLICE_DE_TEST = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf";

constexpr Rvb FOND = 0x3050A0;
const SDL_Color NOIR{0, 0, 0, 0}, ROUGE{255, 0, 0, 0}, JAUNE{255, 255, 128, 0};

class Panneau : public EcranDeTest {
protected:
    void SetUp() override
    {
        EcranDeTest::SetUp();
        ASSERT_TRUE(std::filesystem::exists(POLICE_DE_TEST)) << "install fonts-dejavu-extra";
        std::filesystem::create_symlink(POLICE_DE_TEST, FICHIER_POLICE);
        // The game flow's own start of the engine and its message font, open all along.
        ASSERT_EQ(TTF_Init(), 0);
        police_message.reset(TTF_OpenFont(FICHIER_POLICE, 34));
        police_48.reset(TTF_OpenFont(POLICE_DE_TEST, 48));
        ASSERT_TRUE(police_message && police_48);
        peindre(FOND);
        remplir_tableau(tableau);
    }
    void TearDown() override
    {
        police_message.reset();
        police_48.reset();
        TTF_Quit();
        EcranDeTest::TearDown();
    }

    void trier_tout(int justes)
    {
        for (int k = 0; k < 5; ++k) {
            const int bon = tableau[LIGNE_BON + k];
            tableau[LIGNE_CHOIX + k] = k < justes ? bon : 1 - bon;
        }
    }

    Surface boite(const char* texte, SDL_Color couleur)
    {
        return Surface{TTF_RenderText_Shaded(police_48.get(), texte, couleur, JAUNE)};
    }

    // The whole screen as it should look: the background, then the three boxes rendered
    // independently with the same font, score box at `x_score`.
    Surface attendu(const char* score, int x_score, const char* niveau, const char* reste, SDL_Color couleur)
    {
        const SDL_PixelFormat* f = ecran->format;
        Surface s{SDL_CreateRGBSurface(SDL_SWSURFACE, LARGEUR_ECRAN, HAUTEUR_ECRAN, 32, f->Rmask, f->Gmask, f->Bmask, 0)};
        SDL_FillRect(s.get(), nullptr, couleur_sdl(s->format, FOND));
        coller(s.get(), boite(score, NOIR).get(), std::int16_t(x_score), 600);
        coller(s.get(), boite(niveau, NOIR).get(), 0, 600);
        coller(s.get(), boite(reste, couleur).get(), 400, 600);
        return s;
    }

    // The score box is centred on 800; for this font its width is odd.
    int x_centre(const char* score)
    {
        const int w = boite(score, NOIR)->w;
        EXPECT_EQ(w % 2, 1) << "the test font no longer gives an odd width to \"" << score << "\"";
        return 800 - (w - 1) / 2;
    }

    int differences(SDL_Surface* s)
    {
        int n = 0;
        for (int y = 0; y < HAUTEUR_ECRAN; ++y)
            for (int x = 0; x < LARGEUR_ECRAN; ++x)
                n += lire_pixel(ecran, x, y) != lire_pixel(s, x, y);
        return n;
    }

    void verifier(const char* score, const char* niveau, const char* reste, SDL_Color couleur,
                  const char* autre_score = nullptr)
    {
        EXPECT_EQ(differences(attendu(score, x_centre(score), niveau, reste, couleur).get()), 0);
        // Only meaningful if the alternative score would show differently on screen.
        if (autre_score) {
            EXPECT_GT(differences(attendu(autre_score, x_centre(autre_score), niveau, reste, couleur).get()), 0);
        }
    }

    void afficher(std::int32_t niveau, std::int32_t reste) { afficher_score(ecran, tableau, niveau, reste, plateforme); }

    Police police_message, police_48;
    Tableau tableau = tableau_initial();
    PlateformeScriptee plateforme;
};
}  // namespace

TEST_F(Panneau, DebutDeNiveau)
{
    afficher(0, 30);
    EXPECT_EQ(plateforme.images(), 1u);
    verifier(" Score : ? / 5 ", " Niveau : 1 / 19 (facile) ", " reste : 30 sec. ", NOIR);
}

TEST_F(Panneau, SecondesRougesAQuatreEtMoins)
{
    afficher(0, 5);
    verifier(" Score : ? / 5 ", " Niveau : 1 / 19 (facile) ", " reste : 5 sec. ", NOIR);
    peindre(FOND);
    afficher(0, 0);
    verifier(" Score : ? / 5 ", " Niveau : 1 / 19 (facile) ", " reste : 0 sec. ", ROUGE);
}

TEST_F(Panneau, ScoreCacheTantQuUnAlimentResteATrier)
{
    trier_tout(5);
    tableau[LIGNE_CHOIX + 4] = CHOIX_AUCUN;
    afficher(0, 12);
    verifier(" Score : ? / 5 ", " Niveau : 1 / 19 (facile) ", " reste : 12 sec. ", NOIR, " Score : 4 / 5 ");
}

TEST_F(Panneau, CinqTriesMontrentLeCompteCentreSur800)
{
    trier_tout(0);
    afficher(0, 4);
    verifier(" Score : 0 / 5 ", " Niveau : 1 / 19 (facile) ", " reste : 4 sec. ", ROUGE, " Score : 5 / 5 ");

    trier_tout(5);
    peindre(FOND);
    afficher(0, 4);
    verifier(" Score : 5 / 5 ", " Niveau : 1 / 19 (facile) ", " reste : 4 sec. ", ROUGE, " Score : 0 / 5 ");
}

TEST_F(Panneau, EtiquetteSuitLeNumeroDeNiveauPasLaPiste)
{
    const struct {
        std::int32_t niveau;
        const char* ligne;
    } cas[] = {{0, " Niveau : 1 / 19 (facile) "},     {25, " Niveau : 6 / 19 (facile) "},
               {30, " Niveau : 7 / 19 (moyen) "},     {45, " Niveau : 10 / 19 (moyen) "},
               {50, " Niveau : 11 / 19 (difficile) "}, {60, " Niveau : 13 / 19 (difficile) "},
               {90, " Niveau : 19 / 19 (difficile) "}};
    for (const auto& c : cas)
        EXPECT_EQ(lignes_panneau(tableau, c.niveau, 30).niveau, c.ligne) << c.niveau;

    // On screen the seconds box hides the label; the number still shows.
    afficher(50, 30);
    verifier(" Score : ? / 5 ", " Niveau : 11 / 19 (difficile) ", " reste : 30 sec. ", NOIR);
}

TEST_F(Panneau, PoliceDuJeuToujoursUtilisableApres)
{
    const SDL_Color blanc{255, 255, 255, 0};
    const Surface avant{TTF_RenderText_Shaded(police_message.get(), "Bravo !", blanc, NOIR)};
    afficher(0, 30);
    const Surface premier = attendu(" Score : ? / 5 ", x_centre(" Score : ? / 5 "), " Niveau : 1 / 19 (facile) ",
                                    " reste : 30 sec. ", NOIR);
    peindre(FOND);
    afficher(0, 30);  // opens its own font again
    EXPECT_EQ(differences(premier.get()), 0);

    // The panel's stop balanced its own start only.
    EXPECT_EQ(TTF_WasInit(), 1);
    const Surface apres{TTF_RenderText_Shaded(police_message.get(), "Bravo !", blanc, NOIR)};
    ASSERT_TRUE(avant && apres);
    ASSERT_EQ(apres->w, avant->w);
    ASSERT_EQ(apres->h, avant->h);
    EXPECT_EQ(0, std::memcmp(avant->pixels, apres->pixels, std::size_t(avant->pitch) * avant->h));
}

TEST_F(Panneau, SansPoliceEcranPresenteSansBoites)
{
    std::filesystem::remove(FICHIER_POLICE);
    afficher(0, 30);
    EXPECT_EQ(plateforme.images(), 1u);
    EXPECT_EQ(pixel(450, 620), FOND);
    EXPECT_EQ(pixel(10, 620), FOND);
    EXPECT_EQ(TTF_WasInit(), 1);
}

// The panel alone, with no engine started around it: its own start and stop are the
// only ones, so its font must close between the two, as it must at any game's end.
class PanneauSeul : public EcranDeTest {
protected:
    void SetUp() override
    {
        EcranDeTest::SetUp();
        ASSERT_TRUE(std::filesystem::exists(POLICE_DE_TEST)) << "install fonts-dejavu-extra";
        std::filesystem::create_symlink(POLICE_DE_TEST, FICHIER_POLICE);
        ASSERT_EQ(TTF_WasInit(), 0);
        peindre(FOND);
    }
    Tableau tableau = tableau_initial();
    PlateformeScriptee plateforme;
};

TEST_F(PanneauSeul, SaPoliceFermeeAvantLArretDuMoteur)
{
    const int avant = polices_fermees_sans_moteur;
    for (const std::int32_t reste : {30, 3}) {
        afficher_score(ecran, tableau, 0, reste, plateforme);
        EXPECT_EQ(TTF_WasInit(), 0) << "the panel's stop balances its start";
    }
    EXPECT_EQ(polices_fermees_sans_moteur, avant);
    EXPECT_EQ(plateforme.images(), 2u);
    EXPECT_NE(pixel(10, 620), FOND) << "the panel drew with its font";
}

// The game's own font, whose boxes leave parts of the strip bare: a text that gets
// shorter (10 seconds to 9, a stall from 30 to 3, level 10 to 9) must leave nothing of
// the longer one beside it. After the longer and then the shorter, the strip is what the
// shorter alone draws on a fresh screen.
class PanneauDuJeu : public EcranDeTest {
protected:
    void SetUp() override
    {
        EcranDeTest::SetUp();
        std::filesystem::create_symlink(std::filesystem::path(GRIGNOTIN_RUN_DIR) / FICHIER_POLICE, FICHIER_POLICE);
    }
    Tableau tableau = tableau_initial();
    PlateformeScriptee plateforme;
};

TEST_F(PanneauDuJeu, UnTexteRaccourciNeLaissePasLaFinDuPlusLong)
{
    const struct {
        std::int32_t niveau_avant, reste_avant, niveau, reste;
    } cas[] = {{0, 10, 0, 9}, {0, 30, 0, 3}, {45, 20, 40, 20}};
    remplir_tableau(tableau);
    for (const auto& c : cas) {
        peindre(FOND);
        afficher_score(ecran, tableau, c.niveau, c.reste, plateforme);
        std::vector<Rvb> seul;
        for (int y = Y_PANNEAU; y < HAUTEUR_ECRAN; ++y)
            for (int x = 0; x < LARGEUR_ECRAN; ++x)
                seul.push_back(pixel(x, y));

        peindre(FOND);
        afficher_score(ecran, tableau, c.niveau_avant, c.reste_avant, plateforme);
        afficher_score(ecran, tableau, c.niveau, c.reste, plateforme);
        int differents = 0;
        for (int y = Y_PANNEAU, i = 0; y < HAUTEUR_ECRAN; ++y)
            for (int x = 0; x < LARGEUR_ECRAN; ++x, ++i)
                differents += pixel(x, y) != seul[static_cast<std::size_t>(i)];
        EXPECT_EQ(differents, 0) << "level " << c.niveau_avant << ", " << c.reste_avant << " s, then level "
                                 << c.niveau << ", " << c.reste << " s";
    }
}
