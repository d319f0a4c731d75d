#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "rules/catalogue.hpp"
#include "rules/tableau.hpp"

namespace {

Tableau tableau_rempli()
{
    Tableau t = tableau_initial();
    remplir_tableau(t);
    return t;
}

void choisir(Tableau& t, std::int32_t niveau, std::vector<std::int32_t> choix)
{
    for (std::size_t k = 0; k < choix.size(); ++k)
        t[LIGNE_CHOIX + niveau + static_cast<std::int32_t>(k)] = choix[k];
}

}  // namespace

TEST(Catalogue, CompteLesBonsEtLesMauvais)
{
    const auto bons = std::count_if(catalogue_aliments.begin(), catalogue_aliments.end(),
                                    [](const Aliment& a) { return a.bon == ALIMENT_BON; });
    EXPECT_EQ(bons, 57);
    EXPECT_EQ(NB_ALIMENTS - bons, 38);
    for (const Aliment& a : catalogue_aliments) {
        EXPECT_TRUE(a.bon == ALIMENT_BON || a.bon == ALIMENT_MAUVAIS) << a.image;
        EXPECT_TRUE(a.image.starts_with("photo/") && a.image.ends_with(".bmp")) << a.image;
    }
}

TEST(Catalogue, NomsDeFichiersUniques)
{
    std::vector<std::string_view> noms;
    for (const Aliment& a : catalogue_aliments)
        noms.push_back(a.image);
    std::sort(noms.begin(), noms.end());
    EXPECT_EQ(std::adjacent_find(noms.begin(), noms.end()), noms.end());
}

TEST(Catalogue, ReperesDesImages)
{
    // A few fixed points of the picture list, from both ends and the track borders.
    struct Cas { std::int32_t indice; std::string_view image; };
    for (const Cas& c : {Cas{0, "photo/laitue.bmp"}, Cas{3, "photo/chocolat.bmp"}, Cas{29, "photo/pate.bmp"},
                         Cas{30, "photo/persil.bmp"}, Cas{48, "photo/feuilledepissenlit.bmp"},
                         Cas{59, "photo/calla.bmp"}, Cas{60, "photo/caroube.bmp"}, Cas{91, "photo/the.bmp"},
                         Cas{94, "photo/jusquiame.bmp"}})
        EXPECT_EQ(catalogue_aliments[c.indice].image, c.image) << c.indice;
}

// The published answer key, one digit a food in the game's order (1 good, 0 bad), five
// to a level. Written out again here rather than read from the catalogue, so that two
// answers swapped inside a level (which keeps every count) still show.
constexpr std::string_view GRILLE_PUBLIEE = "01110" "01101" "00011" "11111" "11111" "10111"  // easy
                                            "10000" "01011" "11111" "01010" "11101" "11110"  // medium
                                            "11010" "11111" "10001" "00010" "11000" "00101" "01000";  // hard

TEST(Catalogue, LaGrilleEstCellePubliee)
{
    ASSERT_EQ(GRILLE_PUBLIEE.size(), static_cast<std::size_t>(NB_ALIMENTS));
    // As the catalogue holds it, and as the game table gets it for judging.
    const Tableau t = tableau_rempli();
    for (std::int32_t i = 0; i < NB_ALIMENTS; ++i) {
        const std::int32_t publie = GRILLE_PUBLIEE[static_cast<std::size_t>(i)] - '0';
        EXPECT_EQ(catalogue_aliments[i].bon, publie) << catalogue_aliments[i].image << ", level " << i / 5 + 1;
        EXPECT_EQ(t[LIGNE_BON + i], publie) << "slot " << LIGNE_BON + i;
    }
}

TEST(Tableau, ImageInitiale)
{
    const Tableau t = tableau_initial();
    EXPECT_EQ(t[0], -1);
    EXPECT_TRUE(std::all_of(t.begin() + 1, t.end(), [](std::int32_t v) { return v == 0; }));
}

TEST(Tableau, RemplirEcritLaGrilleEtEfface)
{
    Tableau t = tableau_initial();
    t[LIGNE_CHOIX + 7] = CHOIX_GAMELLE;
    remplir_tableau(t);
    for (std::int32_t i = 0; i < NB_ALIMENTS; ++i) {
        EXPECT_EQ(t[LIGNE_CHOIX + i], CHOIX_AUCUN) << i;
        EXPECT_EQ(t[LIGNE_BON + i], catalogue_aliments[i].bon) << i;
    }
    // The reserved rows keep the initial image.
    EXPECT_EQ(t[0], -1);
    EXPECT_TRUE(std::all_of(t.begin() + 285, t.end(), [](std::int32_t v) { return v == 0; }));

    Tableau deux_fois = t;
    remplir_tableau(deux_fois);
    EXPECT_EQ(deux_fois, t);
}

TEST(Tableau, RienDeChoisiApresRemplir)
{
    const Tableau t = tableau_rempli();
    for (std::int32_t niveau = 0; niveau <= 90; niveau += 5) {
        EXPECT_EQ(tous_choisi(t, niveau), 0) << niveau;
        EXPECT_EQ(resultat(t, niveau), 0) << niveau;
    }
}

TEST(Tableau, ResultatDuPremierNiveau)
{
    struct Cas { std::vector<std::int32_t> choix; std::int32_t justes; };
    const std::int32_t G = CHOIX_GAMELLE, P = CHOIX_POUBELLE;
    for (const Cas& c : {Cas{{P, G, G, G, P}, 5}, Cas{{G, G, G, G, G}, 3}, Cas{{P, P, P, P, P}, 2},
                         Cas{{G, P, P, P, G}, 0}}) {
        Tableau t = tableau_rempli();
        choisir(t, 0, c.choix);
        EXPECT_EQ(tous_choisi(t, 0), 1);
        EXPECT_EQ(resultat(t, 0), c.justes);
    }
}

TEST(Tableau, DernierNiveauLitLesDernieresCases)
{
    Tableau t = tableau_rempli();
    const std::int32_t G = CHOIX_GAMELLE, P = CHOIX_POUBELLE;
    choisir(t, 90, {P, G, P, P, P});
    EXPECT_EQ(tous_choisi(t, 90), 1);
    EXPECT_EQ(resultat(t, 90), 5);
    // Slot 189 ends the goodness row and 284 the choice row: both are read.
    t[284] = CHOIX_AUCUN;
    EXPECT_EQ(tous_choisi(t, 90), 0);
    EXPECT_EQ(resultat(t, 90), 4);
    t[284] = CHOIX_GAMELLE;
    t[189] = ALIMENT_BON;
    EXPECT_EQ(resultat(t, 90), 5);
}

TEST(Tableau, QuatreTriesSurCinq)
{
    Tableau t = tableau_rempli();
    choisir(t, 0, {CHOIX_POUBELLE, CHOIX_GAMELLE, CHOIX_AUCUN, CHOIX_GAMELLE, CHOIX_POUBELLE});
    EXPECT_EQ(tous_choisi(t, 0), 0);
    EXPECT_EQ(resultat(t, 0), 4);
    // The neighbouring level's choices do not leak into this one.
    choisir(t, 5, {CHOIX_GAMELLE});
    EXPECT_EQ(tous_choisi(t, 0), 0);
}

TEST(Tableau, UnSecondClicRemplaceLePremier)
{
    Tableau t = tableau_rempli();
    choisir(t, 0, {CHOIX_POUBELLE, CHOIX_GAMELLE, CHOIX_GAMELLE, CHOIX_GAMELLE, CHOIX_GAMELLE});
    EXPECT_EQ(resultat(t, 0), 4);
    t[LIGNE_CHOIX + 4] = CHOIX_POUBELLE;  // food 4 moved from the bowl to the bin
    EXPECT_EQ(resultat(t, 0), 5);
}
