// What the player sees besides the board: the countdown in the panel and the opening's
// fades, watched frame by frame through the real game flow.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ecran_de_test.hpp"
#include "partie_scriptee.hpp"

namespace {

// The panel along the bottom, 900 x 40 from y 600, as its pixels.
std::vector<Rvb> panneau(SDL_Surface* ecran)
{
    std::vector<Rvb> pixels;
    for (int y = 600; y < 640; y += 2)
        for (int x = 0; x < 900; x += 2)
            pixels.push_back(lire_pixel(ecran, x, y));
    return pixels;
}

struct Decompte {
    const char* quoi;
    int tries;      // foods of level 1 sorted, the rest left on the board
    bool justes;    // sorted right (won) or all wrong (lost)
    bool immobile;  // the panel must not change while the player waits
};

void PrintTo(const Decompte& d, std::ostream* os) { *os << d.quoi; }

class DecompteApresLeTri : public testing::TestWithParam<Decompte> {};

}  // namespace

TEST_P(DecompteApresLeTri, LePanneauSuitLHorloge)
{
    const Decompte& d = GetParam();
    Partie partie;
    partie.p.touche(SDLK_KP1);
    for (int k = 0; k < d.tries; ++k) {
        const bool bon = catalogue_aliments[static_cast<std::size_t>(k)].bon == ALIMENT_BON;
        partie.p.clic(X_CLIC, y_clic(k), bon == d.justes ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT);
    }
    // Twenty seconds of looking at the board, then s and Escape (two events each).
    partie.p.apres(20000).touche(SDLK_s).touche(SDLK_ESCAPE);

    // The frames drawn after the last click is taken and before s is: with a food left on
    // the board, the countdown's; with none, there should be none, or none that differ.
    std::vector<Rvb> premier, dernier;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        if (partie.p.restants() != 4)
            return;
        dernier = panneau(ecran);
        if (premier.empty())
            premier = dernier;
    };
    EXPECT_EQ(partie.jouer(), 0);
    if (d.immobile) {
        EXPECT_EQ(premier, dernier) << "the countdown moved after the fifth food was sorted";
    } else {
        ASSERT_FALSE(premier.empty());
        EXPECT_NE(premier, dernier) << "the countdown stood still with a food on the board";
    }
    // A run-on clock would also have reached the time-up screen, which only r leaves:
    // s and Escape would be swallowed there and the script would run out.
    EXPECT_EQ(partie.p.restants(), 1u) << "only Escape's release is left";
}

INSTANTIATE_TEST_SUITE_P(
    Partie, DecompteApresLeTri,
    testing::Values(Decompte{"gagne", 5, true, true}, Decompte{"perdu", 5, false, true},
                    Decompte{"quatre", 4, true, false}),
    [](const testing::TestParamInfo<Decompte>& i) { return std::string(i.param.quoi); });

TEST(Fondus, ChaqueImageEstCelleQueDonneLeBlitDeSdl)
{
    // The intro and the choice screen fade in through the game's own blending loop; each
    // frame must hold the very colours that SDL's alpha blit of the pictures as loaded
    // would give (keyed for the intro's second picture). Checked on a band through the
    // intro's keyed disc, its ring and the background around it.
    const auto charger = [](const char* nom) {
        return Surface{IMG_Load((std::string(GRIGNOTIN_RUN_DIR) + "/" + nom).c_str())};
    };
    const Surface debut1 = charger(image::DEBUT1), debut2 = charger(image::DEBUT2),
                  difficulte = charger(image::DIFFICULTE);
    ASSERT_TRUE(debut1 && debut2 && difficulte);
    SDL_SetColorKey(debut2.get(), SDL_SRCCOLORKEY, SDL_MapRGB(debut2->format, 0, 0, 255));
    constexpr std::size_t IMAGES_INTRO = 241, IMAGES_DIFFICULTE = 256;
    constexpr int Y_BANDE = 300, HAUTEUR_BANDE = 64;

    Partie partie(Accueil::Reel);
    partie.p.apres(15000).touche(SDLK_ESCAPE);  // once the whole fade is shown
    Surface attendu;
    int differences = 0;
    std::size_t premiere_fausse = 0;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t n) {
        if (n > IMAGES_INTRO + IMAGES_DIFFICULTE)
            return;
        if (!attendu) {
            attendu.reset(SDL_CreateRGBSurface(SDL_SWSURFACE, ecran->w, ecran->h, 32, ecran->format->Rmask,
                                               ecran->format->Gmask, ecran->format->Bmask, 0));
            SDL_BlitSurface(debut1.get(), nullptr, attendu.get(), nullptr);
        }
        // Between the fades the game paints the screen pale yellow.
        if (n == IMAGES_INTRO + 1)
            SDL_FillRect(attendu.get(), nullptr, SDL_MapRGB(attendu->format, 255, 255, 128));
        SDL_Surface* image = n <= IMAGES_INTRO ? debut2.get() : difficulte.get();
        const std::size_t alpha = n <= IMAGES_INTRO ? n - 1 : n - IMAGES_INTRO - 1;
        SDL_SetAlpha(image, SDL_SRCALPHA, static_cast<Uint8>(alpha));
        SDL_Rect bande{0, Y_BANDE, static_cast<Uint16>(ecran->w), HAUTEUR_BANDE};
        SDL_Rect ou = bande;
        SDL_BlitSurface(image, &bande, attendu.get(), &ou);
        for (int y = Y_BANDE; y < Y_BANDE + HAUTEUR_BANDE; ++y)
            for (int x = 0; x < ecran->w; ++x)
                if (lire_pixel(ecran, x, y) != lire_pixel(attendu.get(), x, y) && differences++ == 0)
                    premiere_fausse = n;
    };
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(differences, 0) << "first at frame " << premiere_fausse;
}

TEST(Ecran, JamaisLeBleuDeLaCle)
{
    // Pure blue is the colour key: on screen it only ever means a picture drawn without
    // its key (a box around the pet, a bin or a food). Level 6 through every screen but
    // the end: pause, rules, time-up, a lost and a won walk, the track-end picture.
    Partie partie;
    partie.dossier.ecrire_fichier_niveau("25");
    tous_les_ecrans(partie.p);
    std::size_t images_bleues = 0, premiere = 0;
    int x_bleu = -1, y_bleu = -1;
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t n) {
        ASSERT_EQ(ecran->format->BytesPerPixel, 4);
        const Uint32 bleu = couleur_sdl(ecran->format, BLEU_CLE);
        const Uint32 rvb = ecran->format->Rmask | ecran->format->Gmask | ecran->format->Bmask;
        for (int y = 0; y < ecran->h; y += 3)
            for (int x = 0; x < ecran->w; x += 3)
                if ((pixel_brut(ecran, x, y) & rvb) == bleu) {
                    if (images_bleues++ == 0) {
                        premiere = n;
                        x_bleu = x;
                        y_bleu = y;
                    }
                    return;
                }
    };
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "30");
    EXPECT_EQ(images_bleues, 0u) << "first on frame " << premiere << " at " << x_bleu << ", " << y_bleu;
}

namespace {

// Dark pixels in the light band at the top of the board where the verdict is written.
int texte_dans_la_bande(SDL_Surface* ecran)
{
    int sombres = 0;
    for (int y = 35; y < 75; y += 2)
        for (int x = 250; x < 890; x += 2) {
            const Rvb c = lire_pixel(ecran, x, y);
            sombres += (c >> 16) + (c >> 8 & 0xFF) + (c & 0xFF) < 3 * 100;
        }
    return sombres;
}

class Verdict : public testing::TestWithParam<bool> {};

}  // namespace

TEST_P(Verdict, LeMessageResteJusquAuNiveauSuivant)
{
    // Level 1 sorted right (won) or all wrong (lost), s, then the next level and Escape.
    Partie partie;
    partie.p.touche(SDLK_KP1);
    trier(partie.p, 0, GetParam()).touche(SDLK_s).touche(SDLK_ESCAPE);
    int avant_s = -1, niveau_suivant = -1;  // on the last frame of each
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        // From the fifth press (its release, s and Escape left) to s: the walk, then the
        // verdict's frame.
        if (partie.p.restants() == 5 || partie.p.restants() == 4)
            avant_s = texte_dans_la_bande(ecran);
        if (partie.p.restants() == 2)
            niveau_suivant = texte_dans_la_bande(ecran);
    };
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_GT(avant_s, 50) << "the verdict's message is written";
    EXPECT_EQ(niveau_suivant, 0) << "the next level starts without it";
    EXPECT_EQ(partie.dossier.fichier_niveau(), GetParam() ? "5" : "0");
}

INSTANTIATE_TEST_SUITE_P(Partie, Verdict, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "gagne" : "perdu"; });
