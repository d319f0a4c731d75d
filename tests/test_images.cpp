// The pictures and the font as the game will load them: through SDL_image and SDL_ttf,
// from the run directory the build filled.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>
#include <ft2build.h>
#include <gtest/gtest.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H
#include FT_TRUETYPE_TABLES_H
#include FT_TRUETYPE_TAGS_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <unistd.h>

#include "draw/geometrie.hpp"
#include "draw/noms_images.hpp"
#include "flow/messages.hpp"
#include "pixel_brut.hpp"
#include "rules/catalogue.hpp"

namespace fs = std::filesystem;

namespace {

const fs::path DOSSIER = GRIGNOTIN_RUN_DIR;

struct Liberer {
    void operator()(SDL_Surface* s) const noexcept { SDL_FreeSurface(s); }
    void operator()(TTF_Font* f) const noexcept { TTF_CloseFont(f); }
};
using Image = std::unique_ptr<SDL_Surface, Liberer>;
using Police = std::unique_ptr<TTF_Font, Liberer>;

Image charger(const std::string& nom)
{
    Image im{IMG_Load((DOSSIER / nom).c_str())};
    if (!im)
        ADD_FAILURE() << "IMG_Load: " << nom << ": " << IMG_GetError();
    return im;
}

std::vector<std::string> toutes_les_images()
{
    std::vector<std::string> v(std::begin(image::TOUTES), std::end(image::TOUTES));
    for (const Aliment& a : catalogue_aliments)
        v.emplace_back(a.image);
    return v;
}

bool est_aliment(const std::string& nom)
{
    return std::any_of(catalogue_aliments.begin(), catalogue_aliments.end(),
                       [&](const Aliment& a) { return a.image == nom; });
}

// The pictures the game draws with the blue key (the rest are drawn opaque).
std::vector<std::string> images_a_cle()
{
    std::vector<std::string> v = {image::DEBUT2,         image::BIDOU,         image::BIDOU_GAUCHE,
                                  image::BIDOU_GROS,     image::CERCUEIL,      image::GAMELLE_VIDE,
                                  image::GAMELLE_PLEINE, image::POUBELLE_VIDE, image::POUBELLE_PLEINE,
                                  image::CROIX,          image::BOUTON_SUIVANT, image::BOUTON_REJOUER,
                                  image::BOUTON_PAUSE,   image::BOUTON_REGLES, image::BOUTON_SON,
                                  image::BOUTON_MUET,    image::MARQUE};
    for (const Aliment& a : catalogue_aliments)
        v.emplace_back(a.image);
    return v;
}

struct Rvb {
    int r, g, b;
};

// Each board button and the rectangle a tap on it is tested against; the sound's picture
// serves on the board and on the card screen, muted or not.
struct BoutonPlace {
    const char* nom;
    Cadre cadre;
};
const BoutonPlace BOUTONS_DU_PLATEAU[] = {{image::BOUTON_PAUSE, BOUTON_PAUSE},   {image::BOUTON_REGLES, BOUTON_REGLES},
                                          {image::BOUTON_SON, BOUTON_SON},       {image::BOUTON_MUET, BOUTON_SON},
                                          {image::BOUTON_SON, BOUTON_SON_CARTES}, {image::BOUTON_MUET, BOUTON_SON_CARTES}};

Rvb pixel(SDL_Surface* s, int x, int y)
{
    Uint8 r, g, b;
    SDL_GetRGB(pixel_brut(s, x, y), s->format, &r, &g, &b);
    return {r, g, b};
}

bool est_cle(Rvb c) { return c.r == 0 && c.g == 0 && c.b == 255; }

// A pixel a person would see as "that blue": what a rim blended with the key looks like.
bool presque_bleu(Rvb c)
{
    const double d = std::hypot(c.r, c.g, 255.0 - c.b);
    return d < 100 && c.b > c.r + 80 && c.b > c.g + 80;
}

// The picture keyed on pure blue, as the game sets it, blitted over a plain `fond`.
Image collee_sur(SDL_Surface* image, Uint8 r, Uint8 g, Uint8 b)
{
    Image ecran{SDL_CreateRGBSurface(SDL_SWSURFACE, image->w, image->h, 32, 0xff0000, 0xff00, 0xff, 0)};
    SDL_FillRect(ecran.get(), nullptr, SDL_MapRGB(ecran->format, r, g, b));
    SDL_SetColorKey(image, SDL_SRCCOLORKEY, SDL_MapRGB(image->format, 0, 0, 255));
    SDL_BlitSurface(image, nullptr, ecran.get(), nullptr);
    return ecran;
}

class Moteurs : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_EQ(TTF_Init(), 0) << TTF_GetError(); }
    void TearDown() override { TTF_Quit(); }
};
const auto* const moteurs = ::testing::AddGlobalTestEnvironment(new Moteurs);

Police ouvrir_police(int points)
{
    Police p{TTF_OpenFont((DOSSIER / FICHIER_POLICE).c_str(), points)};
    if (!p)
        ADD_FAILURE() << "TTF_OpenFont: " << TTF_GetError();
    return p;
}

int largeur_texte(TTF_Font* police, const std::string& latin1)
{
    int l = 0, h = 0;
    EXPECT_EQ(TTF_SizeText(police, latin1.c_str(), &l, &h), 0) << latin1;
    return l;
}

std::vector<char> octets(const fs::path& f)
{
    std::ifstream in(f, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

// --- Files, format and sizes ------------------------------------------------------

TEST(Fichiers, ChaqueImageEstUnBmp24BitsNonCompresse)
{
    for (const std::string& nom : toutes_les_images()) {
        SCOPED_TRACE(nom);
        const auto o = octets(DOSSIER / nom);
        ASSERT_GE(o.size(), 54u);
        EXPECT_EQ(o[0], 'B');
        EXPECT_EQ(o[1], 'M');
        EXPECT_EQ(static_cast<unsigned char>(o[28]), 24);  // bits per pixel
        EXPECT_EQ(o[30] | o[31] | o[32] | o[33], 0);        // BI_RGB
        Image im = charger(nom);
        ASSERT_TRUE(im);
        EXPECT_EQ(im->format->BitsPerPixel, 24);
        EXPECT_EQ(im->format->Amask, 0u);
        EXPECT_EQ(im->format->palette, nullptr);
    }
}

TEST(Fichiers, TaillesFaitesPourLePlateau)
{
    for (const std::string& nom : toutes_les_images()) {
        SCOPED_TRACE(nom);
        Image im = charger(nom);
        ASSERT_TRUE(im);
        const int l = im->w, h = im->h;
        if (est_aliment(nom)) {
            EXPECT_EQ(l, LARGEUR_ALIMENT);  // exactly the click band
            EXPECT_EQ(h, HAUTEUR_ALIMENT);
        } else if (nom == image::FOND || nom == image::FOND_TACTILE) {
            EXPECT_EQ(l, LARGEUR_ECRAN);
            EXPECT_EQ(h, Y_PANNEAU);  // leaves the score panel's rows alone
        } else if (nom == image::ICONE) {
            EXPECT_EQ(l, 32);
            EXPECT_EQ(h, 32);
        } else if (nom.starts_with("photo/gamelle")) {
            EXPECT_EQ(l, LARGEUR_GAMELLE);  // exactly where a click puts a food in the bowl
            EXPECT_EQ(h, HAUTEUR_RECIPIENT);
        } else if (nom.starts_with("photo/poubelle")) {
            EXPECT_EQ(l, LARGEUR_POUBELLE);
            EXPECT_EQ(h, HAUTEUR_RECIPIENT);
        } else if (nom == image::CROIX) {
            EXPECT_EQ(l, LARGEUR_ALIMENT);  // lies exactly over the picture of the food it marks
            EXPECT_EQ(h, HAUTEUR_IMAGE_ALIMENT);  // and leaves its label alone
        } else if (nom == image::BOUTON_SUIVANT || nom == image::BOUTON_REJOUER) {
            EXPECT_EQ(l, BOUTON_VERDICT.largeur);  // where a tap goes on after the verdict
            EXPECT_EQ(h, BOUTON_VERDICT.hauteur);
        } else if (nom.starts_with("photo/bouton_")) {
            int places = 0;
            for (const BoutonPlace& b : BOUTONS_DU_PLATEAU)
                if (nom == b.nom) {
                    ++places;
                    EXPECT_EQ(l, b.cadre.largeur);  // exactly what a tap is tested against
                    EXPECT_EQ(h, b.cadre.hauteur);
                    EXPECT_GE(b.cadre.largeur, 48);  // a fingertip's size at the game's own scale
                    EXPECT_GE(b.cadre.hauteur, 48);
                }
            EXPECT_GT(places, 0) << "a button with no place on the board";
        } else if (nom == image::MARQUE) {
            for (int piste = 0; piste < 3; ++piste) {
                EXPECT_EQ(l, marque_carte(piste).largeur);
                EXPECT_EQ(h, marque_carte(piste).hauteur);
            }
        } else if (nom.starts_with("photo/bidou") || nom == image::CERCUEIL) {
            EXPECT_LE(h, 110);  // at y 485 the pet must end above the panel
            EXPECT_GE(h, 80);
            EXPECT_GE(l, 85);
            // The fat one is wider on purpose; it stands at x 0, far from the bowls.
            EXPECT_LE(l, nom == image::BIDOU_GROS ? 150 : 120);
        } else {
            EXPECT_EQ(l, LARGEUR_ECRAN);
            EXPECT_EQ(h, HAUTEUR_ECRAN);
        }
    }
}

TEST(Fichiers, RienDePlusQueCeQueLeJeuCharge)
{
    std::set<std::string> attendus;
    for (const std::string& nom : toutes_les_images())
        attendus.insert(nom);
    std::set<std::string> trouves;
    for (const auto& e : fs::directory_iterator(DOSSIER / "photo"))
        trouves.insert("photo/" + e.path().filename().string());
    EXPECT_EQ(trouves, attendus);
    EXPECT_EQ(attendus.size(), 21u + 5u + 6u + 95u);
}

// --- The blue key ------------------------------------------------------------------

TEST(LecturePixel, ChaqueFormatRendLaCouleurQueSdlAPeinte)
{
    // SDL stores each depth its own way (native words; three bytes in the machine's
    // order); the tests' reader must find every channel where SDL put it. 16 bits keep
    // the top five or six bits of a channel, and SDL fills the rest as it likes.
    struct Format { int bits; Uint32 r, g, b; };
    const Rvb couleurs[] = {{0xF8, 0x10, 0x08}, {0x20, 0xF0, 0x00}, {0x00, 0x08, 0xE8}, {0x80, 0x40, 0xC0}};
    for (const Format& f : {Format{32, 0xFF0000, 0xFF00, 0xFF}, Format{32, 0xFF, 0xFF00, 0xFF0000},
                            Format{24, 0xFF0000, 0xFF00, 0xFF}, Format{24, 0xFF, 0xFF00, 0xFF0000},
                            Format{16, 0xF800, 0x7E0, 0x1F}, Format{16, 0x1F, 0x7E0, 0xF800}}) {
        Image s{SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 3, f.bits, f.r, f.g, f.b, 0)};
        ASSERT_TRUE(s) << SDL_GetError();
        for (int i = 0; i < 4; ++i) {
            const Rvb& c = couleurs[i];
            SDL_Rect case_{Sint16(i), Sint16(i % 3), 1, 1};
            SDL_FillRect(s.get(), &case_, SDL_MapRGB(s->format, Uint8(c.r), Uint8(c.g), Uint8(c.b)));
        }
        for (int i = 0; i < 4; ++i) {
            const Rvb lu = pixel(s.get(), i, i % 3), c = couleurs[i];
            const int perte = f.bits == 16 ? 3 : 0;  // the top five bits, which every channel keeps
            EXPECT_TRUE(lu.r >> perte == c.r >> perte && lu.g >> perte == c.g >> perte && lu.b >> perte == c.b >> perte)
                << f.bits << " bits, red mask " << std::hex << f.r << ", pixel " << i << ": " << lu.r << ' ' << lu.g
                << ' ' << lu.b;
        }
    }
}

TEST(CleBleue, AucunLisereBleuSurUnFondContraste)
{
    for (const std::string& nom : images_a_cle()) {
        SCOPED_TRACE(nom);
        Image im = charger(nom);
        ASSERT_TRUE(im);
        for (const Rvb f : {Rvb{255, 230, 0}, Rvb{40, 160, 40}}) {
            Image ecran = collee_sur(im.get(), static_cast<Uint8>(f.r), static_cast<Uint8>(f.g),
                                     static_cast<Uint8>(f.b));
            int bleus = 0, fond = 0;
            for (int y = 0; y < ecran->h; ++y)
                for (int x = 0; x < ecran->w; ++x) {
                    const Rvb c = pixel(ecran.get(), x, y);
                    bleus += presque_bleu(c);
                    fond += (c.r == f.r && c.g == f.g && c.b == f.b);
                }
            EXPECT_EQ(bleus, 0);
            // The key really cuts: some background shows through every keyed picture.
            EXPECT_GT(fond, ecran->w * ecran->h / 20);
        }
    }
}

TEST(CleBleue, LesTuilesDAlimentsSontTransparentesAuxCoins)
{
    for (const Aliment& a : catalogue_aliments) {
        SCOPED_TRACE(std::string(a.image));
        Image im = charger(std::string(a.image));
        ASSERT_TRUE(im);
        EXPECT_TRUE(est_cle(pixel(im.get(), 0, 0)));
        EXPECT_TRUE(est_cle(pixel(im.get(), 69, 0)));
        // And the label at the foot is opaque in its middle.
        EXPECT_FALSE(est_cle(pixel(im.get(), 35, 78)));
    }
}

TEST(CleBleue, LaFenetreDuTitreLaisseVoirLaPremiereImage)
{
    Image debut2 = charger(image::DEBUT2);
    ASSERT_TRUE(debut2);
    int trous = 0;
    for (int y = 0; y < debut2->h; ++y)
        for (int x = 0; x < debut2->w; ++x)
            trous += est_cle(pixel(debut2.get(), x, y));
    EXPECT_GT(trous, 30000);                        // a real window, not a stray pixel
    EXPECT_LT(trous, debut2->w * debut2->h / 4);    // and the title page around it
    EXPECT_FALSE(est_cle(pixel(debut2.get(), 450, 90)));  // the title
}

TEST(CleBleue, RienNEstCoupeAuBordDUneImage)
{
    // A drawing that runs off its canvas shows a straight cut in the game (the lid of
    // the full bin once did): the top row and the sides down to the labels are all key.
    for (const std::string& nom : images_a_cle()) {
        if (nom == image::DEBUT2)
            continue;  // a full page with a hole, not a shape
        SCOPED_TRACE(nom);
        Image im = charger(nom);
        ASSERT_TRUE(im);
        int encre = 0;
        for (int x = 0; x < im->w; ++x)
            encre += !est_cle(pixel(im.get(), x, 0));
        for (int y = 0; y < im->h * 2 / 3; ++y)
            encre += !est_cle(pixel(im.get(), 0, y)) + !est_cle(pixel(im.get(), im->w - 1, y));
        EXPECT_EQ(encre, 0);
    }
}

TEST(Icone, SansCoinsBlancs)
{
    // The window icon is given to SDL without a mask: every pixel shows, corners too.
    Image icone = charger(image::ICONE);
    ASSERT_TRUE(icone);
    for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) {
        const Rvb c = pixel(icone.get(), x, y);
        EXPECT_FALSE(c.r > 240 && c.g > 240 && c.b > 240) << x << ", " << y;
    }
}

// --- Board layout --------------------------------------------------------------------

TEST(Fond, LaBandeDuMessageEstClaireEtUnie)
{
    // Under both verdicts as the game renders them, whole lines with their descenders,
    // and a row below, out to x 890 where the longest one may end.
    Image fond = charger(image::FOND);
    Police p = ouvrir_police(TAILLE_MESSAGE);
    ASSERT_TRUE(fond && p);
    const SDL_Color noir{0, 0, 0, 0};
    for (const char* message : {MESSAGE_GAGNE, MESSAGE_PERDU}) {
        SCOPED_TRACE(message);
        Image rendu{TTF_RenderText_Blended(p.get(), message, noir)};
        ASSERT_TRUE(rendu);
        int plus_clair = 0, plus_sombre = 255;
        for (int y = Y_MESSAGE; y <= Y_MESSAGE + rendu->h; ++y)
            for (int x = X_MESSAGE; x < 890; ++x) {
                const Rvb c = pixel(fond.get(), x, y);
                const int l = (2126 * c.r + 7152 * c.g + 722 * c.b) / 10000;
                plus_clair = std::max(plus_clair, l);
                plus_sombre = std::min(plus_sombre, l);
            }
        EXPECT_GE(plus_sombre, 215);  // black 34-point text reads everywhere on it
        EXPECT_LE(plus_clair - plus_sombre, 12);
    }
}

TEST(Fond, LeCadreDuMessageSArreteAuDessusDesAliments)
{
    // The frame once ran through the top row of every top food: a tan line across
    // the tiles. Down the middle of the food column, under the light band, the frame
    // begins; none of its colour may show from the top food's first row on.
    Image fond = charger(image::FOND);
    ASSERT_TRUE(fond);
    const int x = X_ALIMENT + LARGEUR_ALIMENT / 2;
    auto clair = [](Rvb c) { return (2126 * c.r + 7152 * c.g + 722 * c.b) / 10000 >= 215; };
    int y = Y_MESSAGE;
    while (y < Y_ALIMENT_0 && clair(pixel(fond.get(), x, y)))
        ++y;
    ASSERT_LT(y, Y_ALIMENT_0) << "the message's band runs into the top food's row";
    // The frame's colour: the darkest of its rows, the others blend into what is around.
    Rvb cadre = pixel(fond.get(), x, y);
    for (int yy = y + 1; yy < y + 3; ++yy) {
        const Rvb c = pixel(fond.get(), x, yy);
        if (c.r + c.g + c.b < cadre.r + cadre.g + cadre.b)
            cadre = c;
    }
    int traces = 0;
    for (int yy = Y_ALIMENT_0; yy < Y_ALIMENT_0 + 10; ++yy)
        for (int xx = 242; xx < 895; ++xx) {
            const Rvb c = pixel(fond.get(), xx, yy);
            traces += std::abs(c.r - cadre.r) + std::abs(c.g - cadre.g) + std::abs(c.b - cadre.b) < 60;
        }
    EXPECT_EQ(traces, 0);
}

TEST(Fond, LeBoutonDuVerdictTientDansLeCadreDuMessage)
{
    // Blitted at BOUTON_VERDICT, each button stands on the message box's light rows
    // (33 to 69 on screen, the frame's 3 px around them) and inside its right end: no
    // ink over the frame or out of the box, the key in its four corners, and no ink
    // where the longest verdict ends (x 890 at most, Police tests).
    for (const char* nom : {image::BOUTON_SUIVANT, image::BOUTON_REJOUER}) {
        SCOPED_TRACE(nom);
        Image im = charger(nom);
        ASSERT_TRUE(im);
        for (auto [x, y] : {std::pair{0, 0}, {im->w - 1, 0}, {0, im->h - 1}, {im->w - 1, im->h - 1}})
            EXPECT_TRUE(est_cle(pixel(im.get(), x, y))) << x << ", " << y;
        int haut = HAUTEUR_ECRAN, bas = 0, gauche = LARGEUR_ECRAN, droite = 0;
        for (int y = 0; y < im->h; ++y)
            for (int x = 0; x < im->w; ++x)
                if (!est_cle(pixel(im.get(), x, y))) {
                    haut = std::min(haut, BOUTON_VERDICT.y + y), bas = std::max(bas, BOUTON_VERDICT.y + y);
                    gauche = std::min(gauche, BOUTON_VERDICT.x + x), droite = std::max(droite, BOUTON_VERDICT.x + x);
                }
        EXPECT_GE(haut, 33);
        EXPECT_LE(bas, 69);
        EXPECT_LE(droite, 891);  // the frame's inner edge on the right is at x 892
        EXPECT_GT(gauche, 850);  // short of where the verdicts' text may end
        EXPECT_GE(bas - haut, 30) << "a button a finger finds";
    }
}

TEST(Fond, LesDeuxBoutonsDuVerdictSeDistinguent)
{
    // Green to go on, orange to play again, told apart without reading, each with a
    // white sign in its middle; and the signs differ (an arrow, a round arrow).
    const auto vert = [](Rvb c) { return c.g > c.r + 40 && c.g > c.b + 40; };
    const auto orange = [](Rvb c) { return c.r > 200 && c.g >= 90 && c.g <= 200 && c.b < 90; };
    const auto blanc = [](Rvb c) { return c.r > 235 && c.g > 235 && c.b > 235; };
    Image suivant = charger(image::BOUTON_SUIVANT), rejouer = charger(image::BOUTON_REJOUER);
    ASSERT_TRUE(suivant && rejouer);
    struct Compte {
        int encre = 0, verts = 0, oranges = 0, blancs_au_milieu = 0;
    };
    const auto compter = [&](SDL_Surface* im) {
        Compte k;
        for (int y = 0; y < im->h; ++y)
            for (int x = 0; x < im->w; ++x) {
                const Rvb c = pixel(im, x, y);
                if (est_cle(c))
                    continue;
                ++k.encre;
                k.verts += vert(c);
                k.oranges += orange(c);
                k.blancs_au_milieu += blanc(c) && std::abs(2 * x + 1 - im->w) <= 22 && std::abs(2 * y + 1 - im->h) <= 22;
            }
        return k;
    };
    const Compte s = compter(suivant.get()), r = compter(rejouer.get());
    EXPECT_GT(s.encre, suivant->w * suivant->h / 3) << "a round button, not a dot";
    EXPECT_GT(s.verts, s.encre / 3);
    EXPECT_EQ(s.oranges, 0);
    EXPECT_GT(r.oranges, r.encre / 4);
    EXPECT_EQ(r.verts, 0);
    EXPECT_GT(s.blancs_au_milieu, 80) << "the arrow";
    EXPECT_GT(r.blancs_au_milieu, 80) << "the round arrow";
    int signes_differents = 0;
    for (int y = 0; y < suivant->h; ++y)
        for (int x = 0; x < suivant->w; ++x)
            signes_differents += blanc(pixel(suivant.get(), x, y)) != blanc(pixel(rejouer.get(), x, y));
    EXPECT_GT(signes_differents, 100);
}

TEST(Fond, LeBasDesImagesPleinEcranEstLeMemePartout)
{
    // Between the panel's boxes the screen keeps the rows 600 to 639 of the last
    // full-screen picture: they must not change from one picture to the next.
    Image reference = charger(image::DIFFICULTE);
    ASSERT_TRUE(reference);
    for (const char* nom : {image::DEBUT1, image::DEBUT2, image::TEMPS_FINI, image::PSEUDO_FIN, image::FINI,
                            image::PAUSE, image::REGLE, image::DIFFICULTE_TACTILE, image::TEMPS_FINI_TACTILE,
                            image::PAUSE_TACTILE, image::REGLE_TACTILE, image::FINI_TACTILE}) {
        SCOPED_TRACE(nom);
        Image im = charger(nom);
        ASSERT_TRUE(im);
        int differents = 0;
        for (int y = 600; y < 640; ++y)
            for (int x = 0; x < 900; x += 3) {
                const Rvb a = pixel(im.get(), x, y), b = pixel(reference.get(), x, y);
                differents += (a.r != b.r || a.g != b.g || a.b != b.b);
            }
        EXPECT_EQ(differents, 0);
    }
}

// --- The board's buttons, the saved card's mark, the touch pictures -----------------

TEST(BoutonsDuPlateau, RondsSurLeCielLaOuLeDoigtLesCherche)
{
    // Each button's face fills most of its box, the key in its corners; and where the
    // game blits it, on the board (both versions) or on the card screen (both versions),
    // the background under the whole box is sky: no title, roof, card or cloud's edge
    // cut by a button's square.
    const auto ciel = [](Rvb c) { return c.b >= 235 && c.b >= c.g && c.g >= c.r && c.r >= 140; };
    for (const BoutonPlace& b : BOUTONS_DU_PLATEAU) {
        SCOPED_TRACE(testing::Message() << b.nom << " at " << b.cadre.x << ", " << b.cadre.y);
        Image im = charger(b.nom);
        ASSERT_TRUE(im);
        for (auto [x, y] : {std::pair{0, 0}, {im->w - 1, 0}, {0, im->h - 1}, {im->w - 1, im->h - 1}})
            EXPECT_TRUE(est_cle(pixel(im.get(), x, y))) << x << ", " << y;
        int gauche = im->w, droite = -1, haut = im->h, bas = -1;
        for (int y = 0; y < im->h; ++y)
            for (int x = 0; x < im->w; ++x)
                if (!est_cle(pixel(im.get(), x, y)))
                    gauche = std::min(gauche, x), droite = std::max(droite, x), haut = std::min(haut, y),
                    bas = std::max(bas, y);
        EXPECT_GE(droite - gauche + 1, im->w * 4 / 5) << "a round button, not a dot";
        EXPECT_GE(bas - haut + 1, im->h * 4 / 5);
        const bool sur_les_cartes = b.cadre.y == BOUTON_SON_CARTES.y && b.cadre.x == BOUTON_SON_CARTES.x;
        for (const char* fond : sur_les_cartes ? std::vector{image::DIFFICULTE, image::DIFFICULTE_TACTILE}
                                               : std::vector{image::FOND, image::FOND_TACTILE}) {
            Image f = charger(fond);
            ASSERT_TRUE(f);
            int autre = 0;
            for (int y = b.cadre.y; y < b.cadre.y + b.cadre.hauteur; ++y)
                for (int x = b.cadre.x; x < b.cadre.x + b.cadre.largeur; ++x)
                    autre += !ciel(pixel(f.get(), x, y));
            EXPECT_EQ(autre, 0) << "under it on " << fond;
        }
    }
}

TEST(BoutonsDuPlateau, ChacunSeReconnaitEtLeSonCoupeRemplaceLeSon)
{
    // Told apart without reading: any two buttons differ over a good part of their
    // face. The muted speaker shows a red bar the other has not, and both have the same
    // outline, so that the game may blit one over the other without redrawing the sky:
    // nothing of the first is left round the second.
    const char* noms[] = {image::BOUTON_PAUSE, image::BOUTON_REGLES, image::BOUTON_SON, image::BOUTON_MUET};
    std::vector<Image> ims;
    for (const char* nom : noms) {
        ims.push_back(charger(nom));
        ASSERT_TRUE(ims.back()) << nom;
    }
    const auto differents = [](SDL_Surface* a, SDL_Surface* b) {
        int n = 0;
        for (int y = 0; y < std::min(a->h, b->h); ++y)
            for (int x = 0; x < std::min(a->w, b->w); ++x) {
                const Rvb ca = pixel(a, x, y), cb = pixel(b, x, y);
                n += std::abs(ca.r - cb.r) + std::abs(ca.g - cb.g) + std::abs(ca.b - cb.b) > 60;
            }
        return n;
    };
    for (std::size_t i = 0; i < ims.size(); ++i)
        for (std::size_t j = i + 1; j < ims.size(); ++j)
            EXPECT_GT(differents(ims[i].get(), ims[j].get()), ims[i]->w * ims[i]->h / 5) << noms[i] << " and " << noms[j];
    SDL_Surface *son = ims[2].get(), *muet = ims[3].get();
    ASSERT_TRUE(son->w == muet->w && son->h == muet->h);
    const auto rouge = [](Rvb c) { return c.r > 170 && c.g < 70 && c.b < 70; };
    int rouges_son = 0, rouges_muet = 0, contours_differents = 0;
    for (int y = 0; y < son->h; ++y)
        for (int x = 0; x < son->w; ++x) {
            rouges_son += rouge(pixel(son, x, y));
            rouges_muet += rouge(pixel(muet, x, y));
            contours_differents += est_cle(pixel(son, x, y)) != est_cle(pixel(muet, x, y));
        }
    EXPECT_EQ(rouges_son, 0);
    EXPECT_GT(rouges_muet, 60) << "crossed out";
    EXPECT_EQ(contours_differents, 0);
}

TEST(Marque, LeCoinDeLaCarteSauveeEstLibre)
{
    // On both versions of the choice picture, the mark's box and the 30 rows below it
    // where the game writes the level's number hold nothing but the card: its plain
    // colour, its border, and the blend of the two along its rounded corner. And the
    // mark blitted there with its key lies wholly on the card's plain colour, clear of
    // the border.
    Image marque = charger(image::MARQUE);
    ASSERT_TRUE(marque);
    for (const char* nom : {image::DIFFICULTE, image::DIFFICULTE_TACTILE}) {
        Image im = charger(nom);
        ASSERT_TRUE(im);
        for (int piste = 0; piste < 3; ++piste) {
            SCOPED_TRACE(testing::Message() << nom << ", card " << piste);
            const Cadre carte = CARTES_PISTE[piste], m = marque_carte(piste);
            const Rvb fond = pixel(im.get(), carte.x + 10, carte.y + carte.hauteur / 2);
            const Rvb bord = pixel(im.get(), carte.x + 1, carte.y + carte.hauteur / 2);
            int autre = 0;
            for (int y = m.y; y < m.y + m.hauteur + 30; ++y)
                for (int x = m.x; x < m.x + m.largeur; ++x) {
                    // Where the pixel lies between the two colours, and how far from that line.
                    const Rvb c = pixel(im.get(), x, y);
                    const double dr = bord.r - fond.r, dg = bord.g - fond.g, db = bord.b - fond.b;
                    const double t = std::clamp(((c.r - fond.r) * dr + (c.g - fond.g) * dg + (c.b - fond.b) * db) /
                                                    (dr * dr + dg * dg + db * db), 0.0, 1.0);
                    autre += std::hypot(c.r - fond.r - t * dr, c.g - fond.g - t * dg, c.b - fond.b - t * db) > 12;
                }
            EXPECT_EQ(autre, 0);
            int hors_du_fond = 0, encre = 0;
            for (int y = 0; y < marque->h; ++y)
                for (int x = 0; x < marque->w; ++x)
                    if (!est_cle(pixel(marque.get(), x, y))) {
                        ++encre;
                        const Rvb c = pixel(im.get(), m.x + x, m.y + y);
                        hors_du_fond += c.r != fond.r || c.g != fond.g || c.b != fond.b;
                    }
            EXPECT_EQ(hors_du_fond, 0);
            EXPECT_GT(encre, marque->w * marque->h / 2) << "a badge, not a speck";
        }
    }
}

TEST(Tactile, ChaqueVersionNeChangeQueSesConsignes)
{
    // A touch picture is its desktop picture with the hints rewritten: every pixel that
    // differs lies where a hint is, and something there did change. The regions are the
    // hints' places as the pictures show them: the reminders over the board's columns,
    // the keys on the cards and the line under them, the key's line under a tap's, the
    // rules' mouse columns, their clock line and their keys.
    struct Paire {
        const char* bureau;
        const char* tactile;
        std::vector<Cadre> consignes;
    };
    std::vector<Cadre> cles_des_cartes;
    for (const Cadre& c : CARTES_PISTE)
        cles_des_cartes.push_back({c.x + c.largeur / 2 - 40, c.y + 16, 80, 80});
    cles_des_cartes.push_back({99, 494, 702, 84});
    const Paire paires[] = {
        // The reminders' boxes end on the message box frame's two outer rows.
        {image::FOND, image::FOND_TACTILE, {{0, 0, LARGEUR_ECRAN, CADRE_MESSAGE.y + 2}}},
        {image::DIFFICULTE, image::DIFFICULTE_TACTILE, cles_des_cartes},
        {image::TEMPS_FINI, image::TEMPS_FINI_TACTILE, {{114, 460, 672, 60}}},
        {image::PAUSE, image::PAUSE_TACTILE, {{0, 515, LARGEUR_ECRAN, 70}}},
        {image::REGLE, image::REGLE_TACTILE, {{34, 140, 832, 100}, {120, 250, 746, 34}, {34, 415, 680, 168}}},
        {image::FINI, image::FINI_TACTILE, {{150, 525, 600, 60}}},
    };
    for (const Paire& p : paires) {
        SCOPED_TRACE(p.tactile);
        ASSERT_EQ(image::pour(p.bureau, true), p.tactile);
        Image a = charger(p.bureau), b = charger(p.tactile);
        ASSERT_TRUE(a && b);
        ASSERT_TRUE(a->w == b->w && a->h == b->h);
        int ailleurs = 0, dedans = 0;
        for (int y = 0; y < a->h; ++y)
            for (int x = 0; x < a->w; ++x) {
                const Rvb ca = pixel(a.get(), x, y), cb = pixel(b.get(), x, y);
                if (ca.r == cb.r && ca.g == cb.g && ca.b == cb.b)
                    continue;
                const bool consigne =
                    std::any_of(p.consignes.begin(), p.consignes.end(), [&](const Cadre& c) { return c.contient(x, y); });
                (consigne ? dedans : ailleurs) += 1;
            }
        EXPECT_EQ(ailleurs, 0);
        EXPECT_GT(dedans, 500);
    }
}

TEST(Tactile, AucuneToucheNiSourisSurUnEcranTactile)
{
    // Keys are drawn as caps on a grey shadow band, the mouse with a pale body: both
    // colours show on every desktop picture that names a key or a mouse button, and on
    // no touch picture.
    const auto compter = [](SDL_Surface* im, Rvb couleur_exacte) {
        int n = 0;
        for (int y = 0; y < im->h; ++y)
            for (int x = 0; x < im->w; ++x) {
                const Rvb c = pixel(im, x, y);
                n += c.r == couleur_exacte.r && c.g == couleur_exacte.g && c.b == couleur_exacte.b;
            }
        return n;
    };
    const Rvb ombre_de_touche{0x8c, 0x8c, 0x96}, corps_de_souris{0xf4, 0xf4, 0xf8};
    for (const char* bureau : {image::FOND, image::DIFFICULTE, image::TEMPS_FINI, image::PAUSE, image::REGLE, image::FINI}) {
        SCOPED_TRACE(bureau);
        Image a = charger(bureau), b = charger(image::pour(bureau, true));
        ASSERT_TRUE(a && b);
        EXPECT_GT(compter(a.get(), ombre_de_touche) + compter(a.get(), corps_de_souris), 50);
        EXPECT_EQ(compter(b.get(), ombre_de_touche), 0);
        EXPECT_EQ(compter(b.get(), corps_de_souris), 0);
    }
}

TEST(Choix, LesCartesDessineesSontCellesQueLeClicChoisit)
{
    // Along each straight side of each card, the border's 4 px start exactly on the
    // rectangle a click is tested against: the pixel just outside is something else,
    // and so is the card's inside after the border.
    Image im = charger(image::DIFFICULTE);
    ASSERT_TRUE(im);
    const auto pareil = [](Rvb a, Rvb b) { return a.r == b.r && a.g == b.g && a.b == b.b; };
    for (const Cadre& c : CARTES_PISTE) {
        SCOPED_TRACE(testing::Message() << "card at x " << c.x);
        ASSERT_TRUE(c.x >= 1 && c.y >= 1 && c.x + c.largeur < LARGEUR_ECRAN && c.y + c.hauteur < Y_PANNEAU);
        const int arrondi = 24;  // the corners are rounded: look only between them
        // From a pixel on the edge, one step inward is (dx, dy).
        struct Cote {
            int x, y, dx, dy, le_long_x, le_long_y, longueur;
        };
        const Cote cotes[] = {
            {c.x, c.y + arrondi, 1, 0, 0, 1, c.hauteur - 2 * arrondi},
            {c.x + c.largeur - 1, c.y + arrondi, -1, 0, 0, 1, c.hauteur - 2 * arrondi},
            {c.x + arrondi, c.y, 0, 1, 1, 0, c.largeur - 2 * arrondi},
            {c.x + arrondi, c.y + c.hauteur - 1, 0, -1, 1, 0, c.largeur - 2 * arrondi},
        };
        for (const Cote& k : cotes)
            for (int i = 0; i < k.longueur; i += 7) {
                const int x = k.x + i * k.le_long_x, y = k.y + i * k.le_long_y;
                const Rvb bord = pixel(im.get(), x, y);
                for (int pas = 1; pas < 4; ++pas)
                    EXPECT_TRUE(pareil(pixel(im.get(), x + pas * k.dx, y + pas * k.dy), bord)) << x << ", " << y;
                EXPECT_FALSE(pareil(pixel(im.get(), x - k.dx, y - k.dy), bord)) << "outside " << x << ", " << y;
                EXPECT_FALSE(pareil(pixel(im.get(), x + 4 * k.dx, y + 4 * k.dy), bord)) << "inside " << x << ", " << y;
            }
    }
}

TEST(Croix, LEtiquetteDeLAlimentResteLisible)
{
    // The cross once covered the whole tile, and its lower arms ran over the food's
    // name. Now its last row and any below are all key, and over every food, blitted
    // at the tile's corner as the game does, it leaves the label's rows (the gap row
    // from HAUTEUR_IMAGE_ALIMENT down) exactly as they were, and still marks the picture.
    Image croix = charger(image::CROIX);
    ASSERT_TRUE(croix);
    int encre_en_bas = 0;
    for (int y = HAUTEUR_IMAGE_ALIMENT - 1; y < croix->h; ++y)
        for (int x = 0; x < croix->w; ++x)
            encre_en_bas += !est_cle(pixel(croix.get(), x, y));
    EXPECT_EQ(encre_en_bas, 0);
    SDL_SetColorKey(croix.get(), SDL_SRCCOLORKEY, SDL_MapRGB(croix->format, 0, 0, 255));
    for (const Aliment& a : catalogue_aliments) {
        SCOPED_TRACE(std::string(a.image));
        Image tuile = charger(std::string(a.image)), barree = charger(std::string(a.image));
        ASSERT_TRUE(tuile && barree);
        SDL_BlitSurface(croix.get(), nullptr, barree.get(), nullptr);
        int changes_dessous = 0, changes_dessus = 0;
        for (int y = 0; y < HAUTEUR_ALIMENT; ++y)
            for (int x = 0; x < LARGEUR_ALIMENT; ++x) {
                const Rvb c = pixel(tuile.get(), x, y), b = pixel(barree.get(), x, y);
                const bool change = c.r != b.r || c.g != b.g || c.b != b.b;
                (y < HAUTEUR_IMAGE_ALIMENT ? changes_dessus : changes_dessous) += change;
            }
        EXPECT_EQ(changes_dessous, 0) << "the cross runs over the label";
        EXPECT_GT(changes_dessus, LARGEUR_ALIMENT * HAUTEUR_IMAGE_ALIMENT / 4) << "the cross hardly shows";
    }
}

TEST(Croix, RougeBordeDeSombreSurLaTuileDeLAliment)
{
    // Bold red strokes that a dark outline keeps apart from whatever food lies under
    // them: no red pixel touches the key, and the food shows through the rest.
    Image im = charger(image::CROIX);
    ASSERT_TRUE(im);
    const auto rouge = [](Rvb c) { return c.r >= 190 && c.g <= 70 && c.b <= 70; };
    const auto sombre = [](Rvb c) { return c.r + c.g + c.b < 200; };
    int rouges = 0, sombres = 0, cles = 0, rouges_au_bord = 0;
    for (int y = 0; y < im->h; ++y)
        for (int x = 0; x < im->w; ++x) {
            const Rvb c = pixel(im.get(), x, y);
            cles += est_cle(c);
            sombres += !est_cle(c) && sombre(c);
            if (!rouge(c))
                continue;
            ++rouges;
            for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}})
                if (x + dx < 0 || y + dy < 0 || x + dx >= im->w || y + dy >= im->h ||
                    est_cle(pixel(im.get(), x + dx, y + dy)))
                    ++rouges_au_bord;
        }
    const int tuile = im->w * im->h;  // the picture's box of the tile
    EXPECT_GT(rouges, tuile / 8) << "bold enough to see at a glance";
    EXPECT_GT(sombres, tuile / 10);
    EXPECT_GT(cles, tuile / 3) << "the food shows between the strokes";
    EXPECT_EQ(rouges_au_bord, 0);
    EXPECT_TRUE(rouge(pixel(im.get(), im->w / 2, im->h / 2))) << "the strokes cross in the middle";
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{im->w - 1, 0}, std::pair{0, im->h - 1}})
        EXPECT_TRUE(est_cle(pixel(im.get(), x, y)));
}

// --- Bidou -------------------------------------------------------------------------

TEST(Bidou, RegardeAGaucheEnMiroir)
{
    Image droite = charger(image::BIDOU), gauche = charger(image::BIDOU_GAUCHE);
    ASSERT_TRUE(droite && gauche);
    ASSERT_EQ(droite->w, gauche->w);
    ASSERT_EQ(droite->h, gauche->h);
    int differents = 0;
    for (int y = 0; y < droite->h; ++y)
        for (int x = 0; x < droite->w; ++x) {
            const Rvb a = pixel(droite.get(), x, y), b = pixel(gauche.get(), droite->w - 1 - x, y);
            differents += (a.r != b.r || a.g != b.g || a.b != b.b);
        }
    EXPECT_EQ(differents, 0);
    // And it is not symmetric itself: the two pictures do differ.
    int asymetrie = 0;
    for (int y = 0; y < droite->h; ++y)
        for (int x = 0; x < droite->w; ++x)
            asymetrie += est_cle(pixel(droite.get(), x, y)) != est_cle(pixel(gauche.get(), x, y));
    EXPECT_GT(asymetrie, 500);
}

TEST(Bidou, GrosSeVoitAuPremierCoupDOeil)
{
    auto surface_visible = [](const char* nom) {
        Image im = charger(nom);
        int n = 0;
        for (int y = 0; im && y < im->h; ++y)
            for (int x = 0; x < im->w; ++x)
                n += !est_cle(pixel(im.get(), x, y));
        return n;
    };
    EXPECT_GT(surface_visible(image::BIDOU_GROS), surface_visible(image::BIDOU) * 5 / 4);
}

// A food's picture, whatever its size in its box: its drawn pixels enlarged, nearest
// pixel, to the largest picture the box holds (with its proportions: centred across
// the box and standing on its floor) or to the whole box, so that the distinctness
// tests below compare drawings, not how large the tile's layout lets them be.
std::vector<Rvb> image_seule(SDL_Surface* im, bool proportions)
{
    int x0 = LARGEUR_ALIMENT, y0 = HAUTEUR_IMAGE_ALIMENT, x1 = 0, y1 = 0;
    for (int y = 0; y < HAUTEUR_IMAGE_ALIMENT; ++y)
        for (int x = 0; x < LARGEUR_ALIMENT; ++x)
            if (!est_cle(pixel(im, x, y)))
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x + 1), y1 = std::max(y1, y + 1);
    std::vector<Rvb> v(LARGEUR_ALIMENT * HAUTEUR_IMAGE_ALIMENT, Rvb{0, 0, 255});
    if (x1 <= x0 || y1 <= y0)
        return v;
    double ex = double(LARGEUR_ALIMENT) / (x1 - x0), ey = double(HAUTEUR_IMAGE_ALIMENT) / (y1 - y0);
    if (proportions)
        ex = ey = std::min(ex, ey);
    const double gauche = (LARGEUR_ALIMENT - ex * (x1 - x0)) / 2, haut = HAUTEUR_IMAGE_ALIMENT - ey * (y1 - y0);
    for (int y = 0; y < HAUTEUR_IMAGE_ALIMENT; ++y)
        for (int x = 0; x < LARGEUR_ALIMENT; ++x) {
            const int sx = x0 + static_cast<int>(std::floor((x + 0.5 - gauche) / ex));
            const int sy = y0 + static_cast<int>(std::floor((y + 0.5 - haut) / ey));
            if (sx >= x0 && sx < x1 && sy >= y0 && sy < y1)
                v[y * LARGEUR_ALIMENT + x] = pixel(im, sx, sy);
        }
    return v;
}

// --- Foods ---------------------------------------------------------------------------

TEST(Aliments, LesCinqDUnNiveauSeDistinguent)
{
    // A coarse 4 x 4 colour print of each picture (the label left out): two foods of one
    // level drawn from the same emoji with a faint tint would print alike.
    auto empreinte = [](SDL_Surface* im) {
        std::vector<double> e(4 * 4 * 3, 0.0);
        std::vector<int> n(16, 0);
        const std::vector<Rvb> seule = image_seule(im, false);
        for (int y = 0; y < HAUTEUR_IMAGE_ALIMENT; ++y)
            for (int x = 0; x < LARGEUR_ALIMENT; ++x) {
                const int k = (y * 4 / HAUTEUR_IMAGE_ALIMENT) * 4 + x * 4 / LARGEUR_ALIMENT;
                Rvb c = seule[y * LARGEUR_ALIMENT + x];
                if (est_cle(c))
                    c = {128, 128, 128};
                e[3 * k] += c.r, e[3 * k + 1] += c.g, e[3 * k + 2] += c.b;
                ++n[k];
            }
        for (int k = 0; k < 16; ++k)
            for (int i = 0; i < 3; ++i)
                e[3 * k + i] /= n[k];
        return e;
    };
    for (std::size_t niveau = 0; niveau < catalogue_aliments.size(); niveau += 5) {
        std::vector<std::vector<double>> e;
        for (std::size_t k = 0; k < 5; ++k) {
            Image im = charger(std::string(catalogue_aliments[niveau + k].image));
            ASSERT_TRUE(im);
            e.push_back(empreinte(im.get()));
        }
        for (std::size_t i = 0; i < 5; ++i)
            for (std::size_t j = i + 1; j < 5; ++j) {
                double d = 0;
                for (std::size_t c = 0; c < e[i].size(); ++c)
                    d += std::abs(e[i][c] - e[j][c]);
                d /= static_cast<double>(e[i].size());
                EXPECT_GT(d, 14.0) << catalogue_aliments[niveau + i].image << " and "
                                   << catalogue_aliments[niveau + j].image;
            }
    }
}

TEST(Aliments, LEtiquetteLaisseLImageEntiere)
{
    // A two-line label once covered the lower third of its picture. Now the row under
    // the picture's box is clear from side to side: a label reaching into the box
    // would cross it with its frame, and so would a picture hanging below it. Each
    // picture stands on the box's floor, and its label is there below.
    for (const Aliment& a : catalogue_aliments) {
        SCOPED_TRACE(std::string(a.image));
        Image im = charger(std::string(a.image));
        ASSERT_TRUE(im);
        int dans_l_ecart = 0, au_sol = 0, etiquette = 0;
        for (int x = 0; x < LARGEUR_ALIMENT; ++x) {
            dans_l_ecart += !est_cle(pixel(im.get(), x, HAUTEUR_IMAGE_ALIMENT));
            for (int y = HAUTEUR_IMAGE_ALIMENT - 3; y < HAUTEUR_IMAGE_ALIMENT; ++y)
                au_sol += !est_cle(pixel(im.get(), x, y));
            etiquette += !est_cle(pixel(im.get(), x, HAUTEUR_ALIMENT - 1));
        }
        EXPECT_EQ(dans_l_ecart, 0);
        EXPECT_GT(au_sol, 0);
        EXPECT_GT(etiquette, 10);
    }
}

// No two foods may share a drawing, whatever their colours: a child learns the answer
// from the shape, and a recoloured copy carries the other food's shape. Each tile's
// picture (image_seule) becomes an outline map: the edges of
// its lightness, the colour key counted as black so that the silhouette is an edge too,
// the strongest fifth of them kept whatever the picture's own contrast (a pale copy
// keeps the dark one's outline), blurred by a pixel so that a one-pixel shift still
// matches.
std::vector<double> contours(SDL_Surface* im)
{
    constexpr int L = LARGEUR_ALIMENT, H = HAUTEUR_IMAGE_ALIMENT;
    const std::vector<Rvb> seule = image_seule(im, true);
    std::vector<double> lum(L * H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < L; ++x) {
            const Rvb c = seule[y * L + x];
            lum[y * L + x] = est_cle(c) ? 0.0 : 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b;
        }
    std::vector<double> bord(L * H, 0.0);
    for (int y = 1; y + 1 < H; ++y)
        for (int x = 1; x + 1 < L; ++x) {
            auto v = [&](int dx, int dy) { return lum[(y + dy) * L + x + dx]; };
            const double gx = v(1, -1) + 2 * v(1, 0) + v(1, 1) - v(-1, -1) - 2 * v(-1, 0) - v(-1, 1);
            const double gy = v(-1, 1) + 2 * v(0, 1) + v(1, 1) - v(-1, -1) - 2 * v(0, -1) - v(1, -1);
            bord[y * L + x] = std::hypot(gx, gy);
        }
    std::vector<double> tri(bord);
    const auto quintile = tri.begin() + static_cast<std::ptrdiff_t>(tri.size() * 4 / 5);
    std::nth_element(tri.begin(), quintile, tri.end());
    const double seuil = std::max(1.0, *quintile);
    std::vector<double> flou(L * H, 0.0);
    for (int y = 1; y + 1 < H; ++y)
        for (int x = 1; x + 1 < L; ++x)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    flou[y * L + x] += bord[(y + dy) * L + x + dx] >= seuil;
    return flou;
}

double correlation(const std::vector<double>& a, const std::vector<double>& b)
{
    const double n = static_cast<double>(a.size());
    double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        sa += a[i], sb += b[i];
        saa += a[i] * a[i], sbb += b[i] * b[i], sab += a[i] * b[i];
    }
    const double va = saa - sa * sa / n, vb = sbb - sb * sb / n;
    return (va <= 0 || vb <= 0) ? 1.0 : (sab - sa * sb / n) / std::sqrt(va * vb);
}

TEST(Aliments, DeuxAlimentsNePartagentJamaisUnDessin)
{
    std::vector<std::vector<double>> c;
    for (const Aliment& a : catalogue_aliments) {
        Image im = charger(std::string(a.image));
        ASSERT_TRUE(im);
        c.push_back(contours(im.get()));
    }
    // Calibrated on the set where many foods were recoloured emoji: every recoloured
    // pair scored 0.81 to 0.997 (all the herbs from one sprig, the buttercup and the
    // dandelion, the cherry and the deadly nightshade, the trees), while the closest
    // two different drawings (a biscuit and a white rosette) scored 0.77.
    constexpr double TROP_PROCHES = 0.80;
    // Since the pictures stand above the labels in a shorter box, the round biscuit and
    // the round cabbage outline as one disc (0.85): two good foods, unlike in colour,
    // so the likeness never teaches a wrong answer. Every other pair keeps the bar.
    auto paire_ronde = [](std::string_view a, std::string_view b) {
        return (a == "photo/biscuit.bmp" && b == "photo/choux.bmp") || (a == "photo/choux.bmp" && b == "photo/biscuit.bmp");
    };
    for (std::size_t i = 0; i < c.size(); ++i)
        for (std::size_t j = i + 1; j < c.size(); ++j)
            if (!paire_ronde(catalogue_aliments[i].image, catalogue_aliments[j].image)) {
                EXPECT_LT(correlation(c[i], c[j]), TROP_PROCHES)
                    << catalogue_aliments[i].image << " and " << catalogue_aliments[j].image << " share a drawing";
            }
}

// --- The font, measured the way the game measures it --------------------------------

TEST(Police, TientDansLePanneauDuScoreA48Points)
{
    Police p = ouvrir_police(48);
    ASSERT_TRUE(p);
    EXPECT_LE(TTF_FontHeight(p.get()), 40);
    EXPECT_LE(largeur_texte(p.get(), " Niveau : 19 / 19 (difficile) "), 395);
    // Every level line ends before the seconds box at x 400.
    for (int n = 1; n <= 19; ++n) {
        const char* etiquette = n <= 6 ? "facile" : n <= 10 ? "moyen" : "difficile";
        const std::string t = " Niveau : " + std::to_string(n) + " / 19 (" + etiquette + ") ";
        EXPECT_LE(largeur_texte(p.get(), t), 395) << t;
    }
    int score = largeur_texte(p.get(), " Score : ? / 5 ");
    for (int s = 0; s <= 5; ++s)
        score = std::max(score, largeur_texte(p.get(), " Score : " + std::to_string(s) + " / 5 "));
    EXPECT_LE(score, 200);
    const int debut_score = 800 - score / 2;
    EXPECT_LE(400 + largeur_texte(p.get(), " reste : 30 sec. "), debut_score);
    for (int r = 0; r <= 30; ++r)
        EXPECT_LE(400 + largeur_texte(p.get(), " reste : " + std::to_string(r) + " sec. "), debut_score) << r;
}

TEST(Police, LesVerdictsTiennentA34Points)
{
    // The background's light band for the message ends at x 890 (Fond tests above).
    Police p = ouvrir_police(TAILLE_MESSAGE);
    ASSERT_TRUE(p);
    EXPECT_LE(X_MESSAGE + largeur_texte(p.get(), MESSAGE_GAGNE), 890);
    EXPECT_LE(X_MESSAGE + largeur_texte(p.get(), MESSAGE_PERDU), 890);
    // Still large enough to read from a child's chair.
    EXPECT_GE(largeur_texte(p.get(), MESSAGE_GAGNE), 380);
}

TEST(Police, ToutesLesLettresLatin1SansRienCouper)
{
    Police p = ouvrir_police(48);
    ASSERT_TRUE(p);
    for (Uint16 c = 0x21; c <= 0xff; ++c) {
        if (c < 0x7f || c >= 0xa1) {
            EXPECT_TRUE(TTF_GlyphIsProvided(p.get(), c)) << std::hex << c;
        }
    }
    // The line was cut to Latin-1: the tallest capital and the deepest descender must
    // still fit inside the shaded box, their top and bottom rows left blank.
    const SDL_Color noir{0, 0, 0, 0}, jaune{255, 255, 128, 0};
    Image boite{TTF_RenderText_Shaded(p.get(), "\xc0\xc9\xc2\xc7\xe7pqy\xff\xca", noir, jaune)};
    ASSERT_TRUE(boite);
    ASSERT_EQ(boite->format->BitsPerPixel, 8);
    auto ligne_vide = [&](int y) {
        const Uint8* p8 = static_cast<const Uint8*>(boite->pixels) + y * boite->pitch;
        return std::all_of(p8, p8 + boite->w, [](Uint8 v) { return v == 0; });
    };
    EXPECT_TRUE(ligne_vide(0));
    EXPECT_TRUE(ligne_vide(boite->h - 1));
}

TEST(Police, RenommeeAvecSaLicence)
{
    Police p = ouvrir_police(34);
    ASSERT_TRUE(p);
    const std::string famille = TTF_FontFaceFamilyName(p.get());
    EXPECT_EQ(famille, "Angelina");
    const auto licence = octets(DOSSIER / "angelina-OFL.txt");
    const std::string texte(licence.begin(), licence.end());
    EXPECT_NE(texte.find("SIL Open Font License"), std::string::npos);
    EXPECT_NE(texte.find("Reserved Font Names"), std::string::npos);
}

TEST(Police, SesDroitsGardesSousSonNomASoiSansProgrammes)
{
    FT_Library ft = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&ft), 0);
    const std::unique_ptr<FT_LibraryRec_, FT_Error (*)(FT_Library)> garde_ft(ft, FT_Done_FreeType);
    FT_Face face = nullptr;
    ASSERT_EQ(FT_New_Face(ft, (DOSSIER / FICHIER_POLICE).c_str(), 0, &face), 0);

    // The Windows English records (the only ones the font keeps), UTF-16 read as ASCII.
    std::map<int, std::string> noms;
    for (FT_UInt i = 0; i < FT_Get_Sfnt_Name_Count(face); ++i) {
        FT_SfntName n{};
        ASSERT_EQ(FT_Get_Sfnt_Name(face, i, &n), 0);
        if (n.platform_id != TT_PLATFORM_MICROSOFT || n.language_id != TT_MS_LANGID_ENGLISH_UNITED_STATES)
            continue;
        std::string texte;
        for (FT_UInt k = 1; k < n.string_len; k += 2)
            texte += n.string[k - 1] ? '?' : static_cast<char>(n.string[k]);
        noms[n.name_id] = texte;
    }
    // The original's licence reserves its name: no record that names the font may carry it.
    EXPECT_EQ(noms[1], "Angelina");
    EXPECT_EQ(noms[2], "Regular");
    EXPECT_EQ(noms[4], "Angelina");
    EXPECT_EQ(noms[6], "Angelina-Regular");
    for (int id : {1, 2, 3, 4, 6, 16, 17, 18, 20, 21, 22, 25})
        EXPECT_EQ(noms[id].find("Andika"), std::string::npos) << "name " << id << ": " << noms[id];
    // Credits, trademark and licence travel with it unchanged.
    EXPECT_TRUE(noms[0].starts_with("Copyright (c) ")) << noms[0];
    EXPECT_NE(noms[0].find("SIL International"), std::string::npos) << noms[0];
    EXPECT_NE(noms[7].find("Andika is a trademark of SIL International"), std::string::npos) << noms[7];
    EXPECT_NE(noms[13].find("Reserved Font Names \"Andika\" and \"SIL\""), std::string::npos);
    EXPECT_NE(noms[13].find("SIL Open Font License, Version 1.1"), std::string::npos);
    EXPECT_EQ(noms[14], "http://scripts.sil.org/OFL");
    EXPECT_NE(noms[10].find("Andika (" + noms[5] + ")"), std::string::npos) << "whence it comes: " << noms[10];

    // The hinting programs are gone; only the one-instruction control value program
    // stays, which keeps FreeType's auto-hinter away.
    FT_ULong longueur = 0;
    EXPECT_NE(FT_Load_Sfnt_Table(face, TTAG_fpgm, 0, nullptr, &longueur), 0) << "font program";
    EXPECT_NE(FT_Load_Sfnt_Table(face, TTAG_cvt, 0, nullptr, &longueur), 0) << "control value table";
    ASSERT_EQ(FT_Load_Sfnt_Table(face, TTAG_prep, 0, nullptr, &longueur), 0);
    EXPECT_EQ(longueur, 1u);
    const auto* maxp = static_cast<const TT_MaxProfile*>(FT_Get_Sfnt_Table(face, FT_SFNT_MAXP));
    ASSERT_NE(maxp, nullptr);
    EXPECT_EQ(maxp->maxSizeOfInstructions, 0);
    // And no glyph keeps instructions of its own (FreeType hands a glyph's to its slot).
    ASSERT_EQ(FT_Set_Char_Size(face, 0, 48 * 64, 72, 72), 0);
    for (FT_Long g = 0; g < face->num_glyphs; ++g) {
        ASSERT_EQ(FT_Load_Glyph(face, static_cast<FT_UInt>(g), FT_LOAD_DEFAULT), 0) << "glyph " << g;
        ASSERT_EQ(face->glyph->control_len, 0) << "glyph " << g;
    }
    FT_Done_Face(face);
}

// --- Generation ------------------------------------------------------------------------

TEST(Generation, DeuxPassagesDonnentLesMemesOctets)
{
    const fs::path base = fs::temp_directory_path() / ("grignotin-images-" + std::to_string(::getpid()));
    fs::remove_all(base);
    const fs::path a = base / "a", b = base / "b";
    for (const fs::path& d : {a, b}) {
        const std::string images = std::string("'") + GRIGNOTIN_OUTIL_IMAGES + "' " +
                                   GRIGNOTIN_ARGUMENTS_POLICES + " --sortie '" + d.string() + "' > /dev/null";
        const std::string police = std::string(GRIGNOTIN_COMMANDE_POLICE) + " '" + d.string() + "'";
        for (const std::string& commande : {images, police})
            ASSERT_EQ(std::system(commande.c_str()), 0) << commande;
    }
    std::vector<std::string> fichiers = toutes_les_images();
    fichiers.emplace_back(FICHIER_POLICE);
    fichiers.emplace_back("angelina-OFL.txt");
    for (const std::string& f : fichiers) {
        SCOPED_TRACE(f);
        const auto oa = octets(a / f);
        ASSERT_FALSE(oa.empty());
        EXPECT_TRUE(oa == octets(b / f));
        // And the build's own copy is that same output.
        EXPECT_TRUE(oa == octets(DOSSIER / f));
    }
    fs::remove_all(base);
}
