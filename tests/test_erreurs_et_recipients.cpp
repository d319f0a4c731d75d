// Two additions to the game, played through the real game flow: after a lost level each
// wrong food shows a red cross until it is moved, and a click of either button on a
// row's bowl or bin sorts that row's food there.
#include <gtest/gtest.h>

#include <SDL_ttf.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <cstdio>
#include <map>
#include <set>
#include <vector>

#include "clics_plateau.hpp"
#include "partie_scriptee.hpp"

namespace {

using Croix = std::array<bool, 5>;

// Food i as a wrong answer is drawn after a lost level: its tile with the cross over it.
const Photo& aliment_barre(std::int32_t i)
{
    static std::map<std::int32_t, Photo> faites;
    auto trouve = faites.find(i);
    if (trouve == faites.end()) {
        const auto charger = [](const char* nom) {
            return Surface{IMG_Load((std::string(GRIGNOTIN_RUN_DIR) + "/" + nom).c_str())};
        };
        Surface aliment = charger(std::string(catalogue_aliments[static_cast<std::size_t>(i)].image).c_str());
        const Surface croix = charger(image::CROIX);
        EXPECT_TRUE(aliment && croix);
        if (aliment && croix) {
            SDL_SetColorKey(croix.get(), SDL_SRCCOLORKEY, SDL_MapRGB(croix->format, 0, 0, 255));
            SDL_BlitSurface(croix.get(), nullptr, aliment.get(), nullptr);
        }
        trouve = faites.emplace(i, Photo(std::move(aliment))).first;
    }
    return trouve->second;
}

Croix croix_vues(SDL_Surface* ecran, std::int32_t niveau)
{
    Croix vues{};
    for (int k = 0; k < 5; ++k)
        vues[static_cast<std::size_t>(k)] = aliment_barre(niveau + k).sur(ecran, X_ALIMENT, Y_ALIMENT_0 + HAUTEUR_RANGEE * k);
    return vues;
}

bool aucune(const Croix& c) { return c == Croix{}; }

// The n that the panel's score box shows (" Score : n / 5 "), or -1 for none of 0 to 5.
// Each box is rendered as the panel renders it, centred on 800, and compared pixel for
// pixel right of x 790, where the seconds' box never reaches. The game keeps the font
// engine up meanwhile.
int score_vu(SDL_Surface* ecran)
{
    const Police police{TTF_OpenFont((std::string(GRIGNOTIN_RUN_DIR) + "/" + FICHIER_POLICE).c_str(), 48)};
    if (!police)
        return -1;
    for (int n = 0; n <= 5; ++n) {
        char texte[32];
        std::snprintf(texte, sizeof texte, " Score : %d / 5 ", n);
        const Surface boite{
            TTF_RenderText_Shaded(police.get(), texte, SDL_Color{0, 0, 0, 0}, SDL_Color{255, 255, 128, 0})};
        if (!boite)
            continue;
        const int x0 = 800 - boite->w / 2;
        bool pareil = true;
        for (int y = 0; pareil && y < boite->h && Y_PANNEAU + y < ecran->h; ++y)
            for (int x = std::max(0, 790 - x0); pareil && x < boite->w && x0 + x < ecran->w; ++x) {
                Uint8 r, g, b, er, eg, eb;
                SDL_GetRGB(pixel_brut(boite.get(), x, y), boite->format, &r, &g, &b);
                SDL_GetRGB(pixel_brut(ecran, x0 + x, Y_PANNEAU + y), ecran->format, &er, &eg, &eb);
                pareil = r == er && g == eg && b == eb;
            }
        if (pareil)
            return n;
    }
    return -1;
}

}  // namespace

TEST(Croix, SurLesSeulesErreursDUnNiveauPerduJusquAuDeplacement)
{
    // Level 1 is bin, bowl, bowl, bowl, bin. Rows 1 and 3 go to the bin: lost, 3 / 5.
    Partie partie;
    partie.p.touche(SDLK_KP1);
    const std::uint8_t G = SDL_BUTTON_LEFT, D = SDL_BUTTON_RIGHT;
    const std::uint8_t premiers[5] = {D, D, G, D, D};
    for (int k = 0; k < 5; ++k)
        partie.p.clic(X_CLIC, y_clic(k), premiers[k]);
    // Events taken by then, counted as the script is written.
    const std::size_t verdict = partie.p.restants();
    // Row 1 mended on its food's tile, row 3 by its bowl (with the right button), then
    // row 2, right until now, put in its bin.
    partie.p.apres(1000).clic(X_CLIC, y_clic(1), G);
    const std::size_t ligne_1 = partie.p.restants();
    const Cadre gamelle_3 = cadre_gamelle(3), poubelle_2 = cadre_poubelle(2);
    partie.p.apres(1000).clic(gamelle_3.x + 60, gamelle_3.y + 40, D);
    const std::size_t ligne_3 = partie.p.restants();
    partie.p.apres(1000).clic(poubelle_2.x + 60, poubelle_2.y + 40, G);
    const std::size_t ligne_2 = partie.p.restants();
    // s: the same level again. Two wrong answers, then the time runs out; r, and the
    // level is won; after the win, row 0 is moved to the wrong side.
    partie.p.apres(1000).touche(SDLK_s);
    const std::size_t suivant = partie.p.restants();
    partie.p.clic(X_CLIC, y_clic(0), G).clic(X_CLIC, y_clic(1), D).apres(60000).touche_enfoncee(SDLK_r).apres(500);
    trier(partie.p, 0).apres(1000).clic(X_CLIC, y_clic(0), G).apres(1000).touche(SDLK_ESCAPE);

    const std::size_t total = partie.p.restants();
    const Photo cercueil(image::CERCUEIL);
    std::map<std::size_t, Croix> croix;  // the last frame after each event
    std::map<std::size_t, int> score;
    std::map<std::size_t, Plateau> plateau;
    std::set<std::size_t> croix_hors_verdict;  // events after which a frame showed a cross without the coffin
    std::string fichier_au_verdict, fichier_avant_s;
    const std::set<std::size_t> regardes = {verdict, ligne_1, ligne_3, ligne_2, suivant};
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        const std::size_t pris = total - partie.p.restants();
        const Croix vues = croix_vues(ecran, 0);
        // Nothing marked while playing, walking, after the time-up or a won level: a
        // cross shows only under the verdict of a lost one, the coffin.
        if (!aucune(vues) && !cercueil.sur(ecran, X_BIDOU, Y_BIDOU))
            croix_hors_verdict.insert(pris);
        // A pass draws only when something changed, so the screen after watched event W
        // is the last frame drawn once W is taken: a click's press may draw, its release
        // not. Each frame counts for the first watched event not yet behind it.
        const auto regarde = regardes.lower_bound(pris);
        if (regarde == regardes.end())
            return;
        const std::size_t w = *regarde;
        croix[w] = vues;
        score[w] = score_vu(ecran);
        plateau[w] = etat_plateau(ecran, 0);
        if (w == verdict && fichier_au_verdict.empty() && cercueil.sur(ecran, X_BIDOU, Y_BIDOU)) {
            // The verdict saved its "0"; whatever writes the file from now on shows.
            fichier_au_verdict = partie.dossier.fichier_niveau();
            partie.dossier.ecrire_fichier_niveau("rien");
        }
        if (w == ligne_2)
            fichier_avant_s = partie.dossier.fichier_niveau();
    };
    EXPECT_EQ(partie.jouer(), 0);

    EXPECT_EQ(croix_hors_verdict, std::set<std::size_t>{});
    EXPECT_EQ(croix[verdict], (Croix{false, true, false, true, false})) << "exactly the two wrong rows";
    EXPECT_EQ(score[verdict], 3);
    EXPECT_EQ(croix[ligne_1], (Croix{false, false, false, true, false}));
    EXPECT_EQ(score[ligne_1], 4);
    EXPECT_EQ(croix[ligne_3], Croix{});
    EXPECT_EQ(score[ligne_3], 5);
    const Rangee A = Rangee::Aliment, G_ = Rangee::Gamelle, P = Rangee::Poubelle;
    EXPECT_EQ(plateau[ligne_3], (Plateau{P, G_, G_, G_, P})) << "mended foods sit in their containers";
    // A food moved to the wrong side after a lost verdict is wrong again, and marked.
    EXPECT_EQ(croix[ligne_2], (Croix{false, false, true, false, false}));
    EXPECT_EQ(score[ligne_2], 4);
    EXPECT_EQ(fichier_au_verdict, "0");
    EXPECT_EQ(fichier_avant_s, "rien") << "moving foods after the verdict writes nothing";
    EXPECT_EQ(croix[suivant], Croix{}) << "the next level starts clean";
    EXPECT_EQ(plateau[suivant], (Plateau{A, A, A, A, A}));
    EXPECT_EQ(partie.dossier.fichier_niveau(), "5");
}

namespace {
// Each bowl and bin of `rangees` clicked on its first and its last pixel with each
// button, alternating bowl and bin so that every click changes the board; then the
// pixel just outside each of those corners, where nothing may change.
void cliquer_recipients(std::vector<ClicSurPlateau>& cas, Plateau& etat, std::initializer_list<int> rangees)
{
    for (int k : rangees) {
        const Cadre gamelle = cadre_gamelle(k), poubelle = cadre_poubelle(k);
        Rangee& rangee = etat[static_cast<std::size_t>(k)];
        for (std::uint8_t bouton : {SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT})
            for (bool premier : {true, false})
                for (const Cadre* c : {&gamelle, &poubelle}) {
                    rangee = c == &gamelle ? Rangee::Gamelle : Rangee::Poubelle;
                    const int x = premier ? c->x : c->x + c->largeur - 1;
                    const int y = premier ? c->y : c->y + c->hauteur - 1;
                    cas.push_back({x, y, bouton, etat});
                }
        for (const Cadre* c : {&gamelle, &poubelle})
            for (std::uint8_t bouton : {SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT}) {
                cas.push_back({c->x - 1, c->y, bouton, etat});
                cas.push_back({c->x, c->y - 1, bouton, etat});
                cas.push_back({c->x + c->largeur, c->y + c->hauteur - 1, bouton, etat});
                cas.push_back({c->x + c->largeur - 1, c->y + c->hauteur, bouton, etat});
            }
        // The middle button and the wheel do nothing there either.
        for (std::uint8_t bouton : {SDL_BUTTON_MIDDLE, SDL_BUTTON_WHEELUP, SDL_BUTTON_WHEELDOWN}) {
            cas.push_back({gamelle.x + 50, gamelle.y + 40, bouton, etat});
            cas.push_back({poubelle.x + 50, poubelle.y + 40, bouton, etat});
        }
    }
}
}  // namespace

TEST(Recipients, UnClicSurLaGamelleOuLaPoubelleTrieSaRangee)
{
    Partie partie;
    partie.p.touche(SDLK_KP1);
    std::vector<ClicSurPlateau> cas;
    Plateau etat{};
    // During play: rows 0 to 3 (the fifth sorted food would end the level's play).
    cliquer_recipients(cas, etat, {0, 1, 2, 3});
    // Elsewhere, still nothing: the sky beside the board's buttons, Bidou, the panel, the hints over the columns,
    // between food and bin, between two rows of the food column.
    for (const auto& [x, y] : std::initializer_list<std::pair<int, int>>{
             {250, 130}, {40, 340}, {800, 620}, {450, 15}, {760, 15}, {660, 140}, {580, 166}, {468, 195}})
        for (std::uint8_t bouton : {SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT})
            cas.push_back({x, y, bouton, etat});
    // Row 4's bin, as a one-button player would: the verdict follows; then every row again.
    etat[4] = Rangee::Poubelle;
    const Cadre poubelle_4 = cadre_poubelle(4);
    cas.push_back({poubelle_4.x + 60, poubelle_4.y + 40, SDL_BUTTON_LEFT, etat});
    const std::size_t avant_verdict = cas.size();
    cliquer_recipients(cas, etat, {0, 1, 2, 3, 4});

    verifier_clics(partie, 0, cas,
                   [&](std::size_t n) { return n < avant_verdict ? "during play" : "after the verdict"; });
    // Row 4 was the level's fifth food: one walk, one verdict, one save.
    EXPECT_EQ(std::count(partie.p.attentes().begin(), partie.p.attentes().end(), 700u), 4);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "0") << "lost: two of five right";
}
