#include <gtest/gtest.h>

#include "rules/pistes.hpp"

// Level numbers as the player counts them (1 to 19) make the tables readable; 20 is the
// finished game.
namespace {
constexpr std::int32_t indice(int numero) { return (numero - 1) * ALIMENTS_PAR_NIVEAU; }
}  // namespace

TEST(Pistes, QuellePisteTientChaqueNiveau)
{
    // The track of every level, the first and last of each track side by side.
    const struct {
        int numero, piste;
    } cas[] = {{1, 0}, {6, 0}, {7, 1}, {12, 1}, {13, 2}, {19, 2}, {20, 2}};
    for (const auto& c : cas)
        EXPECT_EQ(piste_du_niveau(indice(c.numero)), c.piste) << "level " << c.numero;
    for (int piste = 0; piste < NB_PISTES; ++piste)
        EXPECT_EQ(piste_du_niveau(debut_de_piste(piste)), piste);
    EXPECT_EQ(debut_de_piste(1), indice(7));
    EXPECT_EQ(debut_de_piste(2), indice(13));
    EXPECT_EQ(NB_NIVEAUX, 19);
}

TEST(Pistes, LeChoixRepriseOuPremierNiveau)
{
    // {saved level, track chosen, level played}
    const struct {
        int sauve, piste, joue;
    } cas[] = {
        {1, 0, 1},   {1, 1, 7},   {1, 2, 13},   // nothing saved yet: each track's first level
        {4, 0, 4},   {4, 1, 7},   {4, 2, 13},   // an easy level resumes on the easy track only
        {6, 0, 6},   {7, 0, 1},   {12, 1, 12},  // the edges of the medium track
        {7, 1, 7},   {13, 1, 7},  {13, 2, 13},
        {9, 0, 1},   {9, 1, 9},   {9, 2, 13},   // a medium level resumes on the medium track only
        {17, 0, 1},  {17, 1, 7},  {17, 2, 17},  // a hard level on the hard track only
        {19, 2, 19},
        {20, 0, 1},  {20, 1, 7},  {20, 2, 20},  // a finished game stays finished only there
    };
    for (const auto& c : cas)
        EXPECT_EQ(niveau_apres_choix(c.piste, indice(c.sauve)), indice(c.joue))
            << "saved level " << c.sauve << ", track " << c.piste + 1;
}

TEST(Pistes, FinDePisteGagneeEtMontree)
{
    // Only the last levels of the easy and medium tracks end a track; level 19 ends the game.
    for (int numero = 1; numero <= 20; ++numero)
        EXPECT_EQ(dernier_niveau_de_piste(indice(numero)), numero == 6 || numero == 12) << "level " << numero;

    // {level reached, track chosen, picture shown}
    const struct {
        int numero, piste;
        bool montre;
    } cas[] = {
        {7, 0, true},   {7, 1, false},   // the medium track reached from the easy one, or chosen
        {13, 0, true},  {13, 1, true},   // the hard track reached by playing on
        {13, 2, false},                  // ... or chosen
        {1, 0, false},  {1, 1, false},   // the easy track follows none
        {8, 0, false},  {14, 1, false},  // only a track's first level
        {20, 0, false}, {20, 1, false},  // the finished game
    };
    for (const auto& c : cas)
        EXPECT_EQ(arrive_sur_la_piste_suivante(indice(c.numero), c.piste), c.montre)
            << "level " << c.numero << ", track " << c.piste + 1;
}
