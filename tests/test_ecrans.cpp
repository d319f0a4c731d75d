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
// other screen's key, a release, a motion, the other buttons or the wheel.
struct Fermeture {
    const char* nom;
    void (*ouvrir)(SDL_Surface*, Plateforme&);
    const char* image;
    SDLKey touche;
    bool par_tap;
    bool redessinee_a_chaque_evenement;
};

void PrintTo(const Fermeture& f, std::ostream* os) { *os << f.nom; }

class FermetureModale : public Modal, public ::testing::WithParamInterface<Fermeture> {};

TEST_P(FermetureModale, ParSaToucheOuUnTapEtRienDAutre)
{
    const Fermeture& f = GetParam();
    ecrire_image(f.image, 900, 640, PAUSE, false);
    plateforme.fermeture().touche(SDLK_a).touche(SDLK_ESCAPE).touche(f.touche == SDLK_p ? SDLK_j : SDLK_p);
    plateforme.relachement(f.touche).mouvement(5, 5);
    for (std::uint8_t bouton : {SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE, SDL_BUTTON_WHEELUP, SDL_BUTTON_WHEELDOWN})
        plateforme.clic(450, 320, bouton);
    const std::size_t ignores = plateforme.restants();
    if (f.par_tap)
        plateforme.clic(899, 639, SDL_BUTTON_LEFT);  // anywhere, the far corner included
    else
        plateforme.touche(f.touche);
    plateforme.touche(SDLK_x);
    f.ouvrir(ecran, plateforme);
    // Everything up to the closing press was taken and dropped; its release and x are left.
    EXPECT_EQ(plateforme.restants(), 3u);
    EXPECT_EQ(plateforme.images(), f.redessinee_a_chaque_evenement ? ignores + 1 : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Ecrans, FermetureModale,
    ::testing::Values(Fermeture{"PauseParP", [](SDL_Surface* e, Plateforme& p) { pause(e, p); }, image::PAUSE, SDLK_p, false, false},
                      Fermeture{"PauseParUnTap", [](SDL_Surface* e, Plateforme& p) { pause(e, p); }, image::PAUSE, SDLK_p, true, false},
                      Fermeture{"ReglesParJ", regle_jeu, image::REGLE, SDLK_j, false, true},
                      Fermeture{"ReglesParUnTap", regle_jeu, image::REGLE, SDLK_j, true, true}),
    [](const ::testing::TestParamInfo<Fermeture>& info) { return std::string(info.param.nom); });

TEST_F(Pause, LePlateauTransparaitAlpha168)
{
    ecrire_image(image::PAUSE, 900, 640, PAUSE, false);
    plateforme.touche_enfoncee(SDLK_p);
    pause(ecran, plateforme);
    // 168/255 of the pause picture's red over the board's green, within blending rounding.
    const Rvb c = pixel(450, 320);
    EXPECT_LE(std::abs(int(canal(c, 16)) - 168), 2);
    EXPECT_LE(std::abs(int(canal(c, 8)) - 87), 2);
    EXPECT_EQ(canal(c, 0), 0u);
}

TEST_F(Pause, SansImageRienNeChange)
{
    plateforme.fermeture().touche_enfoncee(SDLK_p);
    pause(ecran, plateforme);
    EXPECT_EQ(plateforme.images(), 1u);
    EXPECT_EQ(pixel(450, 320), PLATEAU);
}

TEST_F(Regle, FermeeSeulementParJRedessineeApresChaqueEvenement)
{
    ecrire_image(image::REGLE, 900, 640, REGLE, false);
    plateforme.mouvement(3, 4).fermeture().touche(SDLK_r).touche(SDLK_ESCAPE).touche(SDLK_p);
    plateforme.relachement(SDLK_j).touche_enfoncee(SDLK_j).touche(SDLK_x);
    regle_jeu(ecran, plateforme);
    // Ten events up to the key-down of j, one picture before each.
    EXPECT_EQ(plateforme.images(), 10u);
    EXPECT_EQ(plateforme.restants(), 2u);
    EXPECT_EQ(pixel(450, 320), REGLE);  // opaque
}

TEST_F(Regle, RelueDuFichierAChaquePassage)
{
    ecrire_image(image::REGLE, 900, 640, REGLE, false);
    std::vector<Rvb> vus;
    plateforme.sur_image = [&](SDL_Surface*, std::size_t) {
        vus.push_back(pixel(450, 320));
        ecrire_image(image::REGLE, 900, 640, REGLE_BIS, false);
    };
    plateforme.mouvement(3, 4).touche_enfoncee(SDLK_j);
    regle_jeu(ecran, plateforme);
    EXPECT_EQ(vus, (std::vector<Rvb>{REGLE, REGLE_BIS}));
}

TEST_F(Regle, SansImageAttendToujoursJ)
{
    plateforme.touche(SDLK_a).touche_enfoncee(SDLK_j);
    regle_jeu(ecran, plateforme);
    EXPECT_EQ(plateforme.images(), 3u);
    EXPECT_EQ(pixel(450, 320), PLATEAU);
}
