#include "ecran_de_test.hpp"

#include <cstdlib>
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

TEST_F(Pause, FermeeSeulementParP)
{
    ecrire_image(image::PAUSE, 900, 640, PAUSE, false);
    plateforme.fermeture().touche(SDLK_a).clic(10, 10, SDL_BUTTON_LEFT).mouvement(5, 5);
    plateforme.relachement(SDLK_p).touche(SDLK_ESCAPE).touche(SDLK_r);
    plateforme.touche_enfoncee(SDLK_p).touche(SDLK_x);
    pause(ecran, plateforme);
    // Everything up to the key-down of p was taken and dropped; what follows is left.
    EXPECT_EQ(plateforme.restants(), 2u);
    // Drawn once only, however many events came.
    EXPECT_EQ(plateforme.images(), 1u);
}

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
