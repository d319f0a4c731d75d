#include "ecran_de_test.hpp"

#include <vector>

#include "draw/bidou.hpp"
#include "draw/noms_images.hpp"
#include "draw/ressources.hpp"
#include "platform/plateforme_scriptee.hpp"

namespace {
// The slanted legs of the walk go one step every 9 ms of the clock.
constexpr std::uint32_t PERIODE = 9;
constexpr Rvb FOND = 0x305030, GAMELLE = 0x20F020;
// The pet pictures are 4 x 3: a marker column, two body columns, a keyed blue column.
constexpr Rvb MARQUE = 0xFFFF00, DROITE = 0xFF00FF, GAUCHE = 0x00FFFF;

Surface image_bidou(Rvb corps)
{
    Surface s{SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 3, 32, 0xFF0000, 0xFF00, 0xFF, 0)};
    const Rvb colonnes[] = {MARQUE, corps, corps, BLEU_CLE};
    for (Sint16 x = 0; x < 4; ++x) {
        SDL_Rect colonne{x, 0, 1, 3};
        SDL_FillRect(s.get(), &colonne, couleur_sdl(s->format, colonnes[x]));
    }
    return s;
}

struct Pas {
    int x, y;
    char image;  // 'D' the caller's picture, 'G' the left-facing one
    std::uint32_t t;
};

class Promenade : public EcranDeTest {
protected:
    void SetUp() override
    {
        EcranDeTest::SetUp();
        ecrire_image(image::GAMELLE_PLEINE, 30, 20, GAMELLE);
        ecrire_image(image::POUBELLE_VIDE, 30, 20, 0xA01010);
        SDL_SaveBMP(image_bidou(GAUCHE).get(), image::BIDOU_GAUCHE);
        fond.reset(SDL_CreateRGBSurface(SDL_SWSURFACE, LARGEUR_ECRAN, HAUTEUR_ECRAN, 32, 0xFF0000, 0xFF00, 0xFF, 0));
        SDL_FillRect(fond.get(), nullptr, couleur_sdl(fond->format, FOND));
        bidou = image_bidou(DROITE);
        poser_cle_bleue(bidou.get());  // as the level loop does
        remplir_tableau(tableau);
        for (int k = 0; k < 5; ++k)
            tableau[LIGNE_CHOIX + k] = CHOIX_GAMELLE;
        recommencer();
    }

    void recommencer()
    {
        pas.clear();
        plateforme = PlateformeScriptee{};
        plateforme.sur_image = [this](SDL_Surface* s, std::size_t n) { noter(s, n); };
    }

    // Each frame is presented twice: the board alone, then with the pet over it.
    void noter(SDL_Surface* s, std::size_t n)
    {
        if (lire_pixel(s, 415, 110) != GAMELLE)
            ++images_sans_plateau;
        const Pas p = chercher_bidou(s);
        if (n % 2 == 1) {
            images_avec_bidou_trop_tot += p.image != '?';
            return;
        }
        pas.push_back(p);
        // The blue column right of the body must let the background through.
        if (p.image != '?' && lire_pixel(s, p.x + 3, p.y) != FOND)
            ++cles_manquees;
    }

    // The first body pixel, row by row, is the pet's top row and second column; raw
    // pixel words keep 756 scans of the left half of the screen quick.
    Pas chercher_bidou(SDL_Surface* s)
    {
        const Uint32 droite = couleur_sdl(s->format, DROITE), gauche = couleur_sdl(s->format, GAUCHE);
        for (int y = 0; y < HAUTEUR_ECRAN; ++y) {
            const Uint32* ligne = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch);
            for (int x = 0; x < 420; ++x)
                if ((ligne[x] & 0xFFFFFF) == droite || (ligne[x] & 0xFFFFFF) == gauche)
                    return {x - 1, y, (ligne[x] & 0xFFFFFF) == droite ? 'D' : 'G', plateforme.maintenant()};
        }
        return {0, 0, '?', plateforme.maintenant()};
    }

    void marcher(int x, int y)
    {
        SDL_Rect depart{};
        depart.x = Sint16(x);
        depart.y = Sint16(y);
        deplacer_bidou(ecran, bidou.get(), tableau, fond.get(), SDL_Rect{}, depart, 0, plateforme);
        EXPECT_EQ(images_sans_plateau, 0);
        EXPECT_EQ(images_avec_bidou_trop_tot, 0);
        EXPECT_EQ(cles_manquees, 0);
        EXPECT_EQ(plateforme.images(), 2 * pas.size());
    }

    static void attendre_pas(const Pas& p, int x, int y, char image, std::uint32_t t)
    {
        EXPECT_EQ(p.x, x);
        EXPECT_EQ(p.y, y);
        EXPECT_EQ(p.image, image);
        EXPECT_EQ(p.t, t);
    }

    Surface fond, bidou;
    Tableau tableau = tableau_initial();
    PlateformeScriptee plateforme;
    std::vector<Pas> pas;
    int images_sans_plateau = 0, images_avec_bidou_trop_tot = 0, cles_manquees = 0;
};
}  // namespace

TEST_F(Promenade, DepuisLaPlaceDuNiveauLeLongDesGamelles)
{
    marcher(0, 300);
    ASSERT_EQ(pas.size(), 378u);
    EXPECT_EQ(plateforme.images(), 756u);
    // 185 steps each way on the slant, and 3.6 s of climbing and descending.
    EXPECT_EQ(plateforme.maintenant(), 370 * PERIODE + 3600);

    // Outward on the slant, a step every period.
    for (std::size_t i = 0; i < 185; ++i)
        attendre_pas(pas[i], 2 * int(i + 1), 300 + int(i + 1), 'D', PERIODE * std::uint32_t(i + 1));
    // Up along the bowls, 700 ms before each step; down again, 200 ms before each.
    const std::uint32_t arrivee = 185 * PERIODE;
    const int montee[] = {385, 285, 185, 85}, descente[] = {185, 285, 385, 485};
    for (std::size_t i = 0; i < 4; ++i) {
        attendre_pas(pas[185 + i], 370, montee[i], 'D', arrivee + 700 * std::uint32_t(i + 1));
        attendre_pas(pas[189 + i], 370, descente[i], 'D', arrivee + 2800 + 200 * std::uint32_t(i + 1));
    }
    // Turns at the bottom and goes back facing left, at the outward pace.
    for (std::size_t i = 0; i < 185; ++i)
        attendre_pas(pas[193 + i], 370 - 2 * int(i + 1), 485 - int(i + 1), 'G',
                     arrivee + 3600 + PERIODE * std::uint32_t(i + 1));

    // The caller's picture is neither freed nor changed.
    EXPECT_TRUE(bidou->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(lire_pixel(bidou.get(), 1, 1), DROITE);
}

TEST_F(Promenade, FinSelonLeDepart)
{
    const struct {
        int x, y;
        std::size_t images;
        int fin_x, fin_y;
        std::uint32_t pauses;  // climbing and descending, ms
        std::uint32_t biais;   // slanted steps, out and back
    } cas[] = {
        {0, 300, 378, 0, 300, 3600, 370},
        {100, 300, 328, 0, 250, 3600, 320},  // an even start always comes back to x 0
        {0, 50, 376, 0, 250, 2200, 370},     // climbs twice, descends four times
        {101, 300, 329, -1, 249, 3600, 321}, // odd: one return step more, first column cut off
        {0, 314, 378, 0, 314, 3600, 370},    // climbs to 99, so a descent lands on 399 and goes on to 499
        {400, 300, 205, 0, 200, 2000, 200},  // already past 369: no outward step (kept last: see below)
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        recommencer();
        marcher(c.x, c.y);
        ASSERT_EQ(pas.size(), c.images);
        EXPECT_EQ(pas.back().x, c.fin_x);
        EXPECT_EQ(pas.back().y, c.fin_y);
        EXPECT_EQ(plateforme.maintenant(), c.pauses + c.biais * PERIODE);
    }
    // From 400 the first frame is already the first climb.
    attendre_pas(pas.front(), 400, 200, 'D', 700);
}

TEST_F(Promenade, BidouGaucheRechargeAChaquePromenade)
{
    // Missing: the pet walks back as it came.
    std::filesystem::remove(image::BIDOU_GAUCHE);
    marcher(0, 300);
    ASSERT_EQ(pas.size(), 378u);
    EXPECT_EQ(pas[193].image, 'D');
    EXPECT_EQ(pas.back().image, 'D');

    SDL_SaveBMP(image_bidou(GAUCHE).get(), image::BIDOU_GAUCHE);
    recommencer();
    marcher(0, 300);
    ASSERT_EQ(pas.size(), 378u);
    EXPECT_EQ(pas[192].image, 'D');
    EXPECT_EQ(pas[193].image, 'G');
}
