// A child with a touch screen or a mouse alone: the whole road from the track choice on
// with left presses only (a tap is one), and what the child does while the game shows
// something it cannot act on (the intro, the fades, the walk, the track-end picture)
// changing nothing.
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "partie_scriptee.hpp"

namespace {

// Taps, by what they land on.
// The middle of a track's card.
int x_carte(int piste) { return CARTES_PISTE[piste].x + CARTES_PISTE[piste].largeur / 2; }
constexpr int Y_CARTE = CARTES_PISTE[0].y + CARTES_PISTE[0].hauteur / 2;
constexpr int X_BOUTON = BOUTON_VERDICT.x + 22, Y_BOUTON = BOUTON_VERDICT.y + 22;
constexpr int X_BOITE = CADRE_MESSAGE.x + 5, Y_BOITE = CADRE_MESSAGE.y + 5;  // the box's far left
int x_poubelle() { return X_POUBELLE + LARGEUR_POUBELLE / 2; }
int y_recipient(int k) { return Y_RECIPIENT_0 + HAUTEUR_RANGEE * k + HAUTEUR_RECIPIENT / 2; }

// Sorts the five foods of the level at `niveau` with the left button alone: a food's own
// tile sends it to the bowl, its bin to the bin. Right, or all wrong.
PlateformeScriptee& trier_au_doigt(PlateformeScriptee& p, std::int32_t niveau, bool juste = true)
{
    for (int k = 0; k < 5; ++k) {
        const bool bon = catalogue_aliments[static_cast<std::size_t>(niveau + k)].bon == ALIMENT_BON;
        if (bon == juste)
            p.clic(X_CLIC, y_clic(k), SDL_BUTTON_LEFT);
        else
            p.clic(x_poubelle(), y_recipient(k), SDL_BUTTON_LEFT);
    }
    return p;
}

// Where each food of a level sorted right, or all wrong, stands.
Plateau trie(std::int32_t niveau, bool juste = true)
{
    Plateau plateau{};
    for (int k = 0; k < 5; ++k) {
        const bool bon = catalogue_aliments[static_cast<std::size_t>(niveau + k)].bon == ALIMENT_BON;
        plateau[static_cast<std::size_t>(k)] = bon == juste ? Rangee::Gamelle : Rangee::Poubelle;
    }
    return plateau;
}
const Plateau COLONNE{Rangee::Aliment, Rangee::Aliment, Rangee::Aliment, Rangee::Aliment, Rangee::Aliment};

// What a frame shows, as much as these tests look at.
struct Vue {
    std::map<std::int32_t, Plateau> plateaux;  // each watched level's board
    bool suivant = false, rejouer = false, temps_fini = false, fin_de_piste = false;
    std::string fichier;
};

// Watches a game: the last frame shown before each event the game takes, keyed by how
// many scripted events were left then, and marks in the script to look at.
class Temoin {
public:
    Temoin(::Partie& partie, std::vector<std::int32_t> niveaux) : partie_(partie), niveaux_(std::move(niveaux))
    {
        partie_.p.sur_image = [this](SDL_Surface* ecran, std::size_t) {
            Vue v;
            for (std::int32_t n : niveaux_)
                v.plateaux[n] = etat_plateau(ecran, n);
            v.suivant = suivant_.sur(ecran, BOUTON_VERDICT.x, BOUTON_VERDICT.y);
            v.rejouer = rejouer_.sur(ecran, BOUTON_VERDICT.x, BOUTON_VERDICT.y);
            v.temps_fini = temps_fini_.sur(ecran, 0, 0);
            v.fin_de_piste = fin_de_piste_.sur(ecran, 0, 0);
            v.fichier = partie_.dossier.fichier_niveau();
            fin_de_piste_vue |= v.fin_de_piste;
            if (!total_)
                total_ = partie_.p.restants() + partie_.p.prises().size() + partie_.p.ecartes();
            vues_[*total_ - partie_.p.restants()] = std::move(v);
        };
    }
    bool fin_de_piste_vue = false;

    // A mark, while scripting: the events scripted so far.
    std::size_t marque() const { return partie_.p.restants(); }
    // The last frame drawn once the game has taken (or dropped) the events up to the
    // mark and before it takes the next. Frames are keyed by the events gone by then.
    const Vue& a(std::size_t marque) const
    {
        const auto v = vues_.upper_bound(marque);
        if (v == vues_.begin())
            throw std::logic_error("no frame shown by mark " + std::to_string(marque));
        return std::prev(v)->second;
    }

private:
    ::Partie& partie_;
    std::vector<std::int32_t> niveaux_;
    std::map<std::size_t, Vue> vues_;
    std::optional<std::size_t> total_;  // events scripted in all, known once the game runs
    const Photo suivant_{image::BOUTON_SUIVANT}, rejouer_{image::BOUTON_REJOUER}, temps_fini_{image::TEMPS_FINI},
        fin_de_piste_{image::PSEUDO_FIN};
};

}  // namespace

// From the track choice to level 3 without a single key: a tap on the easy card, a
// stray tap on the message box before any verdict (nothing), level 1 won and the
// button, level 2 lost and the box, a replay, a time-up ended by a tap, level 2 won,
// and the window closed on level 3.
TEST(Tactile, DuChoixAuNiveauTroisSansUneTouche)
{
    Partie partie;
    Temoin t(partie, {0, 5, 10});
    PlateformeScriptee& p = partie.p;

    p.clic(x_carte(0), Y_CARTE, SDL_BUTTON_LEFT);
    const auto choisi = t.marque();
    p.apres(500).clic(X_BOITE, Y_BOITE, SDL_BUTTON_LEFT);
    const auto tap_avant_verdict = t.marque();
    trier_au_doigt(p, 0);
    const auto gagne1 = t.marque();
    p.apres(1000).clic(X_BOUTON, Y_BOUTON, SDL_BUTTON_LEFT);
    const auto niveau2 = t.marque();
    trier_au_doigt(p.apres(400), 5, false);  // a child who sees the board before tapping
    const auto perdu2 = t.marque();
    p.apres(1000).clic(X_BOITE, Y_BOITE, SDL_BUTTON_LEFT);
    const auto rejoue2 = t.marque();
    p.apres(1000).clic(X_CLIC, y_clic(0), SDL_BUTTON_LEFT).apres(35000);
    const auto ecoule = t.marque();
    p.clic(450, 320, SDL_BUTTON_LEFT);
    const auto apres_temps = t.marque();
    trier_au_doigt(p.apres(400), 5);
    const auto gagne2 = t.marque();
    p.apres(1000).clic(X_BOUTON, Y_BOUTON, SDL_BUTTON_LEFT);
    const auto niveau3 = t.marque();
    p.apres(1000).fermeture();

    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(t.a(choisi).plateaux.at(0), COLONNE) << "the easy track's first level";
    EXPECT_EQ(t.a(tap_avant_verdict).plateaux.at(0), COLONNE);
    EXPECT_EQ(t.a(tap_avant_verdict).fichier, "(none)") << "a tap on the box before the verdict ends nothing";
    EXPECT_FALSE(t.a(tap_avant_verdict).suivant || t.a(tap_avant_verdict).rejouer) << "no button before the verdict";

    EXPECT_EQ(t.a(gagne1).plateaux.at(0), trie(0));
    EXPECT_TRUE(t.a(gagne1).suivant);
    EXPECT_FALSE(t.a(gagne1).rejouer);
    EXPECT_EQ(t.a(gagne1).fichier, "5");
    EXPECT_EQ(t.a(niveau2).plateaux.at(5), COLONNE) << "the button went on to level 2";
    EXPECT_FALSE(t.a(niveau2).suivant);

    EXPECT_EQ(t.a(perdu2).plateaux.at(5), trie(5, false));
    EXPECT_TRUE(t.a(perdu2).rejouer);
    EXPECT_FALSE(t.a(perdu2).suivant);
    EXPECT_EQ(t.a(rejoue2).plateaux.at(5), COLONNE) << "a tap on the box played level 2 again";
    EXPECT_FALSE(t.a(rejoue2).rejouer);
    EXPECT_EQ(t.a(rejoue2).fichier, "5");

    EXPECT_TRUE(t.a(ecoule).temps_fini);
    EXPECT_EQ(t.a(apres_temps).plateaux.at(5), COLONNE) << "a tap on the time-up picture replays the level";

    EXPECT_EQ(t.a(gagne2).plateaux.at(5), trie(5));
    EXPECT_TRUE(t.a(gagne2).suivant);
    EXPECT_EQ(t.a(niveau3).plateaux.at(10), COLONNE);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "10");
    EXPECT_EQ(p.ecartes(), 0u);
}

// The pause and the rules opened from their keys close on a tap, on the board and away
// from it: the level goes on as it was. (The board's buttons: test_attentes.cpp.)
TEST(Tactile, PauseEtReglesSeFermentDUnTap)
{
    Partie partie;
    const Photo regle(image::REGLE);
    bool regles_vues = false;
    Plateau dernier{};
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        regles_vues |= regle.sur(ecran, 0, 0);
        dernier = etat_plateau(ecran, 0);
    };
    partie.p.touche(SDLK_KP1).apres(1000).touche(SDLK_p).apres(500).clic(X_CLIC, y_clic(0), SDL_BUTTON_LEFT);
    partie.p.apres(500).touche(SDLK_r).apres(500).clic(10, 10, SDL_BUTTON_LEFT);
    trier(partie.p.apres(500), 0).apres(1000).fermeture();
    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_TRUE(regles_vues);
    // The taps that closed the screens sorted nothing: the five clicks after them won.
    EXPECT_EQ(dernier, trie(0));
    EXPECT_EQ(partie.dossier.fichier_niveau(), "5");
}

// What the child does while it cannot act (taps on other cards during the intro; during
// the walk a tap on the box, the bin and the food of sorted rows, a motion and the key s;
// during the track-end picture, taps that would sort the next level) is dropped: the game goes on as though none of it had been done.
TEST(Tactile, CeQuiEstFaitPendantLesAttentesNeChangeRien)
{
    Partie partie;
    partie.dossier.ecrire_fichier_niveau("25");
    Temoin t(partie, {25, 30});
    PlateformeScriptee& p = partie.p;

    // The intro ends 12 s in; the card tapped during the fade that follows chooses.
    p.impatient().clic(x_carte(2), Y_CARTE, SDL_BUTTON_LEFT).clic(x_carte(1), Y_CARTE, SDL_BUTTON_LEFT);
    p.patient().apres(300).clic(x_carte(0), Y_CARTE, SDL_BUTTON_LEFT);
    const auto choisi = t.marque();
    trier_au_doigt(p.apres(500), 25);
    p.impatient().clic(X_BOITE, Y_BOITE, SDL_BUTTON_LEFT);
    for (int k = 0; k < 2; ++k) {
        p.clic(x_poubelle(), y_recipient(k), SDL_BUTTON_LEFT);
        p.clic(X_GAMELLE + 60, y_recipient(k), SDL_BUTTON_LEFT);
    }
    p.mouvement(300, 300).touche(SDLK_s);
    const auto gagne = t.marque();
    p.patient().apres(1000).clic(X_BOUTON, Y_BOUTON, SDL_BUTTON_LEFT);
    // Level 7 opens under the track-end picture for twelve seconds.
    p.impatient().apres(1000);
    for (int k = 0; k < 5; ++k)
        p.clic(X_CLIC, y_clic(k), SDL_BUTTON_LEFT);
    p.patient().apres(500);
    const auto apres_fin_de_piste = t.marque();
    p.fermeture();

    EXPECT_EQ(partie.jouer(), 0);
    EXPECT_EQ(t.a(choisi).plateaux.at(25), COLONNE) << "the card tapped once the choice showed: easy, level 6";
    EXPECT_EQ(t.a(gagne).plateaux.at(25), trie(25)) << "the walk's taps moved nothing";
    EXPECT_TRUE(t.a(gagne).suivant) << "the verdict waits for a tap seen on it";
    EXPECT_EQ(t.a(gagne).fichier, "30");
    EXPECT_TRUE(t.fin_de_piste_vue);
    EXPECT_EQ(t.a(apres_fin_de_piste).plateaux.at(30), COLONNE) << "level 7 starts with all five in the column";
    EXPECT_EQ(partie.dossier.fichier_niveau(), "30");
    // 2 card taps, 5 taps, a motion and s during the walk, 5 taps on the track-end picture.
    EXPECT_EQ(p.ecartes(), 2u * 2 + 5 * 2 + 1 + 2 + 5 * 2);
}
