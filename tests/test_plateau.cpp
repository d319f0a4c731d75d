#include "ecran_de_test.hpp"

#include <string>

#include "draw/noms_images.hpp"
#include "draw/plateau.hpp"
#include "platform/plateforme_scriptee.hpp"
#include "rules/catalogue.hpp"

namespace {
constexpr Rvb FOND = 0x202020;
constexpr Rvb GAMELLE_VIDE = 0x10A010, GAMELLE_PLEINE = 0x20F020;
constexpr Rvb POUBELLE_VIDE = 0xA01010, POUBELLE_PLEINE = 0xF02020;

// A distinct colour per food index.
Rvb couleur_aliment(int i) { return 0x800000 | Rvb(i) << 8 | 0x40; }

class Plateau : public EcranDeTest {
protected:
    void SetUp() override
    {
        EcranDeTest::SetUp();
        for (int i : {0, 1, 2, 3, 4, 90, 91, 92, 93, 94})
            ecrire_image(std::string(catalogue_aliments[i].image).c_str(), 20, 20, couleur_aliment(i));
        ecrire_image(image::GAMELLE_VIDE, 30, 20, GAMELLE_VIDE);
        ecrire_image(image::GAMELLE_PLEINE, 30, 20, GAMELLE_PLEINE);
        ecrire_image(image::POUBELLE_VIDE, 30, 20, POUBELLE_VIDE);
        ecrire_image(image::POUBELLE_PLEINE, 30, 20, POUBELLE_PLEINE);
        peindre(FOND);
        remplir_tableau(tableau);
    }

    void dessiner(std::int32_t niveau)
    {
        afficher_aliment(ecran, tableau, niveau);
        afficher_gamelle_poubelle(ecran, tableau, niveau, plateforme);
    }
    // Inside each picture (past its keyed corner) and on its keyed corner.
    Rvb aliment(int k) { return pixel(550 + 10, 76 + 100 * k + 10); }
    Rvb gamelle(int k) { return pixel(400 + 15, 100 + 100 * k + 10); }
    Rvb poubelle(int k) { return pixel(700 + 15, 100 + 100 * k + 10); }
    Rvb coin_aliment(int k) { return pixel(550 + 1, 76 + 100 * k + 1); }
    Rvb coin_gamelle(int k) { return pixel(400 + 1, 100 + 100 * k + 1); }
    Rvb coin_poubelle(int k) { return pixel(700 + 1, 100 + 100 * k + 1); }

    Tableau tableau = tableau_initial();
    PlateformeScriptee plateforme;
};
}  // namespace

TEST_F(Plateau, DebutDeNiveauCinqAlimentsEtRecipientsVides)
{
    dessiner(0);
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(aliment(k), couleur_aliment(k));
        EXPECT_EQ(gamelle(k), GAMELLE_VIDE);
        EXPECT_EQ(poubelle(k), POUBELLE_VIDE);
        // The blue key lets the background through on every picture.
        EXPECT_EQ(coin_aliment(k), FOND);
        EXPECT_EQ(coin_gamelle(k), FOND);
        EXPECT_EQ(coin_poubelle(k), FOND);
    }
    // Foods stand 24 px above their containers: nothing at the food's x below its 20 rows.
    EXPECT_EQ(pixel(555, 76 + 20), FOND);
}

TEST_F(Plateau, RangeeTrieeMontreRecipientPlein)
{
    tableau[LIGNE_CHOIX + 0] = CHOIX_GAMELLE;
    tableau[LIGNE_CHOIX + 2] = CHOIX_POUBELLE;
    dessiner(0);

    EXPECT_EQ(aliment(0), FOND);
    EXPECT_EQ(gamelle(0), GAMELLE_PLEINE);
    EXPECT_EQ(poubelle(0), POUBELLE_VIDE);

    EXPECT_EQ(aliment(2), FOND);
    EXPECT_EQ(gamelle(2), GAMELLE_VIDE);
    EXPECT_EQ(poubelle(2), POUBELLE_PLEINE);

    for (int k : {1, 3, 4})
        EXPECT_EQ(aliment(k), couleur_aliment(k)) << k;
}

TEST_F(Plateau, NiveauDixNeufAuxMemesPositions)
{
    tableau[LIGNE_CHOIX + 93] = CHOIX_GAMELLE;
    dessiner(90);
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(aliment(k), k == 3 ? FOND : couleur_aliment(90 + k));
        EXPECT_EQ(gamelle(k), k == 3 ? GAMELLE_PLEINE : GAMELLE_VIDE);
        EXPECT_EQ(poubelle(k), POUBELLE_VIDE);
    }
}

TEST_F(Plateau, ChoixInconnuLaisseLaRangeeVide)
{
    tableau[LIGNE_CHOIX + 1] = 7;
    dessiner(0);
    EXPECT_EQ(aliment(1), FOND);
    EXPECT_EQ(gamelle(1), FOND);
    EXPECT_EQ(poubelle(1), FOND);
    EXPECT_EQ(gamelle(0), GAMELLE_VIDE);
    EXPECT_EQ(gamelle(2), GAMELLE_VIDE);
}

TEST_F(Plateau, AlimentsSansPresenterRecipientsPresententUneFois)
{
    afficher_aliment(ecran, tableau, 0);
    EXPECT_EQ(plateforme.images(), 0u);

    Rvb vu_aliment = 0, vu_poubelle = 0;
    plateforme.sur_image = [&](SDL_Surface*, std::size_t) {
        vu_aliment = aliment(4);
        vu_poubelle = poubelle(4);
    };
    afficher_gamelle_poubelle(ecran, tableau, 0, plateforme);
    EXPECT_EQ(plateforme.images(), 1u);
    // Presented after the last row, with the foods drawn before it.
    EXPECT_EQ(vu_aliment, couleur_aliment(4));
    EXPECT_EQ(vu_poubelle, POUBELLE_VIDE);
}

TEST_F(Plateau, ImageManquanteSautee)
{
    std::filesystem::remove(image::GAMELLE_VIDE);
    std::filesystem::remove(catalogue_aliments[1].image);
    dessiner(0);
    EXPECT_EQ(plateforme.images(), 1u);
    EXPECT_EQ(gamelle(0), FOND);
    EXPECT_EQ(aliment(1), FOND);
    EXPECT_EQ(poubelle(0), POUBELLE_VIDE);
    EXPECT_EQ(aliment(2), couleur_aliment(2));
}
