#include "ecran_de_test.hpp"

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "draw/ecrans.hpp"
#include "draw/noms_images.hpp"
#include "platform/plateforme_scriptee.hpp"

namespace {
constexpr Rvb PLATEAU = 0x00FF00, PAUSE = 0xFF0000, REGLE = 0x4040C0, REGLE_BIS = 0xC08040;

class Modal : public EcranDeTest {
protected:
    void SetUp() override
    {
        EcranDeTest::SetUp();
        peindre(PLATEAU);
    }
    PlateformeScriptee plateforme;
};
using Pause = Modal;
using Regle = Modal;

Rvb canal(Rvb c, int decalage) { return (c >> decalage) & 0xFF; }
}  // namespace

// What closes each modal screen: its own key, or a tap anywhere (a left press, which is
// also what a touch screen sends), and nothing else: not the window's close, Escape, the
// other screen's key, a release, a motion, the other buttons, the wheel or the page's
// pause request. (How the flow waits on them: test_attentes.cpp.)
struct Fermeture {
    const char* nom;
    bool (*ferme)(const SDL_Event&);
    SDLKey touche;
};

void PrintTo(const Fermeture& f, std::ostream* os) { *os << f.nom; }

class FermetureModale : public ::testing::TestWithParam<Fermeture> {};

TEST_P(FermetureModale, ParSaToucheOuUnTapEtRienDAutre)
{
    const Fermeture& f = GetParam();
    PlateformeScriptee p;
    p.fermeture().touche(SDLK_a).touche(SDLK_ESCAPE).touche(f.touche == SDLK_p ? SDLK_j : SDLK_p);
    p.touche(SDLK_r).relachement(f.touche).mouvement(5, 5).demande_de_pause();
    for (std::uint8_t bouton : {SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE, SDL_BUTTON_WHEELUP, SDL_BUTTON_WHEELDOWN})
        p.clic(450, 320, bouton);
    p.clic(450, 320, SDL_BUTTON_LEFT);  // its release is the last of the left button's
    const std::size_t avant = p.restants();
    for (std::size_t n = 0; n + 1 < avant; ++n) {
        SDL_Event e;
        p.attendre_evenement(e);
        const bool tap = e.type == SDL_MOUSEBUTTONDOWN && e.button.button == SDL_BUTTON_LEFT;
        EXPECT_EQ(f.ferme(e), tap) << "event " << n;
    }
    p.touche_enfoncee(f.touche).touche_enfoncee(SDLK_x);
    SDL_Event e;
    p.attendre_evenement(e);  // the left release
    EXPECT_FALSE(f.ferme(e));
    p.attendre_evenement(e);
    EXPECT_TRUE(f.ferme(e)) << "its own key";
    p.attendre_evenement(e);
    EXPECT_FALSE(f.ferme(e));
    SDL_Event coin{};
    coin.type = coin.button.type = SDL_MOUSEBUTTONDOWN;
    coin.button.button = SDL_BUTTON_LEFT;
    coin.button.x = 899;
    coin.button.y = 639;
    EXPECT_TRUE(f.ferme(coin)) << "a tap anywhere, the far corner included";
}

INSTANTIATE_TEST_SUITE_P(Ecrans, FermetureModale,
                         ::testing::Values(Fermeture{"Pause", ferme_la_pause, SDLK_p},
                                           Fermeture{"Regles", ferme_les_regles, SDLK_j}),
                         [](const ::testing::TestParamInfo<Fermeture>& info) { return std::string(info.param.nom); });

TEST_F(Pause, LePlateauTransparaitAlpha168)
{
    ecrire_image(image::PAUSE, 900, 640, PAUSE, false);
    dessiner_pause(ecran, false);
    // 168/255 of the pause picture's red over the board's green, within blending rounding.
    const Rvb c = pixel(450, 320);
    EXPECT_LE(std::abs(int(canal(c, 16)) - 168), 2);
    EXPECT_LE(std::abs(int(canal(c, 8)) - 87), 2);
    EXPECT_EQ(canal(c, 0), 0u);
}

TEST_F(Pause, SansImageRienNeChange)
{
    dessiner_pause(ecran, false);
    EXPECT_EQ(pixel(450, 320), PLATEAU);
}

// A touch screen shows the touch versions, which say "touche" and name no key.
TEST_F(Modal, LEcranTactileMontreLesVersionsTactiles)
{
    ecrire_image(image::REGLE, 900, 640, REGLE, false);
    ecrire_image(image::REGLE_TACTILE, 900, 640, REGLE_BIS, false);
    ecrire_image(image::PAUSE, 900, 640, PAUSE, false);
    ecrire_image(image::PAUSE_TACTILE, 900, 640, 0x2020E0, false);
    dessiner_regles(ecran, false);
    EXPECT_EQ(pixel(450, 320), REGLE);
    dessiner_regles(ecran, true);
    EXPECT_EQ(pixel(450, 320), REGLE_BIS);
    peindre(PLATEAU);
    dessiner_pause(ecran, true);
    EXPECT_GT(canal(pixel(450, 320), 0), 100u) << "the touch pause's blue over the board";
}

TEST_F(Regle, RelueDuFichierAChaquePassage)
{
    ecrire_image(image::REGLE, 900, 640, REGLE, false);
    dessiner_regles(ecran, false);
    EXPECT_EQ(pixel(450, 320), REGLE);  // opaque
    ecrire_image(image::REGLE, 900, 640, REGLE_BIS, false);
    dessiner_regles(ecran, false);
    EXPECT_EQ(pixel(450, 320), REGLE_BIS);
}

TEST_F(Regle, SansImageRienNeChange)
{
    dessiner_regles(ecran, false);
    EXPECT_EQ(pixel(450, 320), PLATEAU);
}
