// What the child hears, through the real game flow on the scripted platform: each food's
// name and its container's sound as it is sorted, Bidou's steps over the walk, the
// verdict's tune and message, the time-up, track-end, end and card screens' sentences, the
// rules while they show, and the mute (m, or the speaker on the board and the cards).
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>
#include <string>
#include <vector>

#include "flow/sons.hpp"
#include "partie_scriptee.hpp"

namespace {

using Sons = std::vector<PlateformeScriptee::Son>;

std::vector<std::string> noms(const Sons& sons)
{
    std::vector<std::string> n;
    for (const auto& s : sons)
        n.push_back(s.nom);
    return n;
}

// The clips but the steps', which the walk's test looks at on their own.
Sons sans_pas(const Sons& sons)
{
    Sons r;
    std::copy_if(sons.begin(), sons.end(), std::back_inserter(r), [](const auto& s) { return s.nom != son::PAS; });
    return r;
}

// The sentences alone, in order: no food's name, no sound.
std::vector<std::string> phrases(const Sons& sons)
{
    std::vector<std::string> r;
    for (const auto& s : sons)
        if (s.nom.starts_with("voix_"))
            r.push_back(s.nom);
    return r;
}

// What sorting the food at `index` says: its name, then the bowl's crunch or the bin's thud.
std::vector<std::string> tri(std::size_t index, bool gamelle)
{
    return {son::aliment(index), gamelle ? son::CROQUE : son::POUBELLE};
}

void ajouter(std::vector<std::string>& a, const std::vector<std::string>& b) { a.insert(a.end(), b.begin(), b.end()); }

// A tap in the middle of a button.
PlateformeScriptee& taper(PlateformeScriptee& p, const Cadre& c)
{
    return p.clic(c.x + c.largeur / 2, c.y + c.hauteur / 2, SDL_BUTTON_LEFT);
}

// The intro (12 s) and the card fade (2 s) are over by then: a key scripted this late
// comes to the cards as they wait.
constexpr std::uint32_t APRES_LE_FONDU = 15000;

}  // namespace

// Level 1 sorted right, or all wrong, after the cards were said: each of the five names in
// the board's order, each with its container's sound as the child put it, at the moment the
// click is taken; then the steps over the walk, then the verdict's tune and message together.
class VerdictEntendu : public testing::TestWithParam<bool> {};

TEST_P(VerdictEntendu, CinqNomsLesPasPuisLAirEtLeMessage)
{
    const bool juste = GetParam();
    Partie partie;
    partie.p.apres(APRES_LE_FONDU).touche(SDLK_KP1);
    trier(partie.p.apres(1000), 0, juste).apres(1000).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    const Sons& sons = partie.p.sons();
    const auto& prises = partie.p.prises();

    std::vector<std::string> attendus{son::VOIX_CARTES};
    for (std::size_t k = 0; k < 5; ++k)
        ajouter(attendus, tri(k, (catalogue_aliments[k].bon == ALIMENT_BON) == juste));
    ajouter(attendus, juste ? std::vector<std::string>{son::AIR_GAGNE, son::VOIX_GAGNE}
                            : std::vector<std::string>{son::AIR_PERDU, son::VOIX_PERDU});
    const Sons entendus = sans_pas(sons);
    ASSERT_EQ(noms(entendus), attendus);

    // The cards' invitation once they are whole, before the key that chose.
    EXPECT_GE(entendus[0].quand, 14000u);
    EXPECT_LE(entendus[0].quand, prises.at(0));
    // Each name as its click is taken: events 2, 4... are the five presses.
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(entendus[1 + 2 * k].quand, prises.at(2 + 2 * k)) << "food " << k;
        EXPECT_EQ(entendus[2 + 2 * k].quand, prises.at(2 + 2 * k)) << "food " << k;
    }

    // The steps: from the walk's first frame, a clip each cycle of pats, over the whole walk
    // (some 7 s, with the climb's 700 ms hops), and none after; the verdict as it ends.
    std::vector<std::uint32_t> pas;
    for (const auto& s : sons)
        if (s.nom == son::PAS)
            pas.push_back(s.quand);
    const std::uint32_t debut = prises.at(10), verdict = entendus[11].quand;
    ASSERT_GE(pas.size(), 5u);
    EXPECT_LE(pas.front() - debut, 20u) << "the first step comes with the first frame";
    for (std::size_t i = 1; i < pas.size(); ++i) {
        EXPECT_GE(pas[i] - pas[i - 1], son::CYCLE_PAS_MS) << "a clip cut its own pats short";
        EXPECT_LE(pas[i] - pas[i - 1], 1500u) << "the walk went on without steps";
    }
    EXPECT_LT(pas.back(), verdict);
    EXPECT_LE(verdict - pas.back(), son::CYCLE_PAS_MS + 20) << "the last steps end with the walk";
    EXPECT_GE(verdict - debut, 6000u);
    EXPECT_EQ(entendus[12].quand, verdict) << "the tune and the message start together";
    EXPECT_TRUE(partie.p.silences().empty());
}

INSTANTIATE_TEST_SUITE_P(Voix, VerdictEntendu, testing::Bool(),
                         [](const auto& info) { return info.param ? "Gagne" : "Perdu"; });

// Every sentence of level 6 on the easy track through every screen: the rules as they open,
// the time-up, the lost and won verdicts, the track-end picture; and the end picture's.
TEST(Voix, LesPhrasesDeChaqueEcran)
{
    {
        Partie partie;
        partie.dossier.ecrire_fichier_niveau("25");
        tous_les_ecrans(partie.p);
        EXPECT_EQ(partie.jouer(), 0);
        EXPECT_EQ(phrases(partie.p.sons()),
                  (std::vector<std::string>{son::VOIX_REGLES, son::VOIX_TEMPS_FINI, son::VOIX_PERDU, son::VOIX_GAGNE,
                                            son::VOIX_FIN_DE_PISTE}));
        EXPECT_EQ(partie.p.silences().size(), 1u) << "the rules stopped as they closed, nothing else";
    }
    {
        Partie partie;
        partie.dossier.ecrire_fichier_niveau("90");
        // s's release brings the end picture, Escape then closes it.
        trier(partie.p.touche(SDLK_KP3), 90).apres(1000).touche(SDLK_s).apres(3000).touche(SDLK_ESCAPE);
        EXPECT_EQ(partie.jouer(), 0);
        EXPECT_EQ(phrases(partie.p.sons()), (std::vector<std::string>{son::VOIX_GAGNE, son::VOIX_FINI}));
        // The last level's own foods, not the first level's.
        ASSERT_GE(partie.p.sons().size(), 10u);
        for (std::size_t k = 0; k < 5; ++k)
            EXPECT_EQ(partie.p.sons()[2 * k].nom, son::aliment(90 + k));
        EXPECT_EQ(partie.p.sons().back().quand, partie.p.prises().at(13)) << "said as the picture shows";
    }
}

// The rules are said when they open, in the words their picture shows (a touch screen's
// name no click), and the voice stops the moment they close.
class ReglesEntendues : public testing::TestWithParam<bool> {};

TEST_P(ReglesEntendues, DitesALOuvertureTuesALaFermeture)
{
    Partie partie;
    partie.p.ecran_tactile = GetParam();
    partie.p.touche(SDLK_KP1).apres(1000).touche(SDLK_r).apres(5000).touche(SDLK_j).apres(1000).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);
    const auto& prises = partie.p.prises();
    ASSERT_EQ(partie.p.sons().size(), 1u);
    EXPECT_EQ(partie.p.sons()[0].nom, GetParam() ? son::VOIX_REGLES_TACTILE : son::VOIX_REGLES);
    EXPECT_EQ(partie.p.sons()[0].quand, prises.at(2)) << "as r opens them";
    EXPECT_EQ(partie.p.silences(), std::vector<std::uint32_t>{prises.at(4)}) << "as j closes them";
}

INSTANTIATE_TEST_SUITE_P(Voix, ReglesEntendues, testing::Bool(),
                         [](const auto& info) { return info.param ? "Tactile" : "Bureau"; });

// A fast child: clicks 60 ms apart, faster than any name is said. Each click's name is a
// voice clip, so the platform cuts the one before; they come in the clicks' order. A food
// moved to the other side is named again with its new sound; a click that changes
// nothing says nothing.
TEST(Voix, UnEnfantRapideCoupeLesNomsPrecedents)
{
    Partie partie;
    partie.p.touche(SDLK_KP1).apres(1000);
    const int rangees[] = {0, 1, 1, 2, 0, 3};
    const std::uint8_t boutons[] = {SDL_BUTTON_LEFT, SDL_BUTTON_LEFT, SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT,
                                    SDL_BUTTON_RIGHT, SDL_BUTTON_LEFT};
    for (std::size_t i = 0; i < std::size(rangees); ++i)
        partie.p.apres(i ? 60 : 0).clic(X_CLIC, y_clic(rangees[i]), boutons[i]);
    partie.p.apres(1000).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);

    std::vector<std::string> attendus;
    ajouter(attendus, tri(0, true));
    ajouter(attendus, tri(1, true));  // the second click on row 2 changes nothing
    ajouter(attendus, tri(2, false));
    ajouter(attendus, tri(0, false));  // moved to the bin: said again
    ajouter(attendus, tri(3, true));
    const Sons& sons = partie.p.sons();
    ASSERT_EQ(noms(sons), attendus);
    for (std::size_t i = 0; i < sons.size(); i += 2) {
        EXPECT_TRUE(son::est_voix(sons[i].nom)) << sons[i].nom << " would not cut the name before";
        EXPECT_FALSE(son::est_voix(sons[i + 1].nom)) << sons[i + 1].nom << " would cut its own name";
        if (i) {
            EXPECT_LT(sons[i].quand - sons[i - 2].quand, 300u) << "sooner than any name ends";
        }
    }
}

namespace {
// What the speaker shows on the cards and on the board on each frame: 'S' on, 'M' muted,
// '?' neither; by the number of events taken when the frame was presented.
struct HautParleur {
    explicit HautParleur(Partie& partie) : partie_(partie)
    {
        partie.p.sur_image = [this](SDL_Surface* ecran, std::size_t) {
            static const Photo son_image(image::BOUTON_SON), muet_image(image::BOUTON_MUET);
            const auto vu = [&](const Cadre& ou) {
                return son_image.sur(ecran, ou.x, ou.y) ? 'S' : muet_image.sur(ecran, ou.x, ou.y) ? 'M' : '?';
            };
            etat[partie_.p.prises().size()] = {vu(BOUTON_SON_CARTES), vu(BOUTON_SON)};
        };
    }
    // The last frame presented once `n` events were taken: the cards' speaker, the board's.
    std::pair<char, char> apres(std::size_t n) const
    {
        const auto i = etat.upper_bound(n);
        return i == etat.begin() ? std::pair{'-', '-'} : std::prev(i)->second;
    }
    char cartes(std::size_t n) const { return apres(n).first; }
    char plateau(std::size_t n) const { return apres(n).second; }
    Partie& partie_;
    std::map<std::size_t, std::pair<char, char>> etat;
};
}  // namespace

// On the board: m mutes (silence at once), nothing is said until a tap on the speaker
// unmutes, then names again; the speaker mutes as m does, and shows crossed out while
// muted; a double tap on it toggles once. Nothing of the walk or the verdict is heard muted.
TEST(Voix, MuetSurLePlateau)
{
    Partie partie;
    HautParleur hp(partie);
    auto& p = partie.p;
    p.touche(SDLK_KP1).apres(1000).clic(X_CLIC, y_clic(0), SDL_BUTTON_LEFT);  // events 0-3
    p.apres(500).touche(SDLK_m);                                              // 4-5: mute
    p.apres(500).clic(X_CLIC, y_clic(1), SDL_BUTTON_LEFT);                    // 6-7: silent
    taper(p.apres(500), BOUTON_SON);                                          // 8-9: unmute
    p.apres(500).clic(X_CLIC, y_clic(2), SDL_BUTTON_LEFT);                    // 10-11: said
    taper(p.apres(500), BOUTON_SON).apres(100);                               // 12-13: mute
    taper(p, BOUTON_SON);                                                     // 14-15: a double tap's second
    p.apres(500).clic(X_CLIC, y_clic(3), SDL_BUTTON_LEFT);                    // 16-17: silent
    p.apres(500).clic(X_CLIC, y_clic(4), SDL_BUTTON_LEFT);                    // 18-19: the walk, the verdict
    p.apres(1000).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);

    std::vector<std::string> attendus = tri(0, true);
    ajouter(attendus, tri(2, true));
    EXPECT_EQ(noms(p.sons()), attendus);
    EXPECT_EQ(p.sons().at(2).quand, p.prises().at(10));
    EXPECT_EQ(p.silences(), (std::vector<std::uint32_t>{p.prises().at(4), p.prises().at(12)}));
    EXPECT_EQ(hp.plateau(4), 'S');
    EXPECT_EQ(hp.plateau(6), 'M') << "crossed out once m is taken";
    EXPECT_EQ(hp.plateau(10), 'S');
    EXPECT_EQ(hp.plateau(18), 'M') << "the double tap left it muted";
    EXPECT_EQ(p.coupures(), (std::vector<bool>{true, false, true})) << "the platform is told of each choice, once";
}

// On the card screen: the speaker there mutes and m unmutes, each shown at once; muted
// before a level, the board's speaker shows it and nothing is said until it unmutes.
TEST(Voix, MuetSurLesCartes)
{
    Partie partie;
    HautParleur hp(partie);
    auto& p = partie.p;
    taper(p.apres(APRES_LE_FONDU), BOUTON_SON_CARTES);  // 0-1: mute
    p.apres(500).touche(SDLK_m);                         // 2-3: unmute
    p.apres(500).touche(SDLK_m);                         // 4-5: mute
    p.apres(500).touche(SDLK_KP1);                       // 6-7
    p.apres(1000).clic(X_CLIC, y_clic(0), SDL_BUTTON_LEFT);  // 8-9: silent
    taper(p.apres(500), BOUTON_SON);                         // 10-11: unmute
    p.apres(500).clic(X_CLIC, y_clic(1), SDL_BUTTON_LEFT);   // 12-13: said
    p.apres(1000).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);

    ASSERT_EQ(p.sons().size(), 3u);
    EXPECT_EQ(p.sons()[0].nom, son::VOIX_CARTES);
    EXPECT_EQ(p.sons()[1].nom, son::aliment(1));
    EXPECT_EQ(p.sons()[1].quand, p.prises().at(12));
    EXPECT_EQ(p.silences(), (std::vector<std::uint32_t>{p.prises().at(0), p.prises().at(4)}));
    EXPECT_EQ(hp.cartes(0), 'S') << "the speaker shows with the cards";
    EXPECT_EQ(hp.cartes(1), 'M');
    EXPECT_EQ(hp.cartes(3), 'S');
    EXPECT_EQ(hp.cartes(5), 'M');
    EXPECT_EQ(hp.plateau(8), 'M') << "the board shows the mute chosen on the cards";
    EXPECT_EQ(hp.plateau(12), 'S');
}

// A mute kept by the platform (the page's, from the last visit): the game starts muted,
// the speaker crossed out on the cards and the board, the cards' invitation and the first
// sort unsaid, until the child unmutes, which the platform is told of; the rules' silence
// and the start are no choice, and tell it nothing.
TEST(Voix, UnMuetGardeDepuisLaDerniereVisite)
{
    Partie partie;
    HautParleur hp(partie);
    auto& p = partie.p;
    p.muet_garde = true;
    p.apres(APRES_LE_FONDU).touche(SDLK_KP1);                // 0-1
    p.apres(1000).clic(X_CLIC, y_clic(0), SDL_BUTTON_LEFT);  // 2-3: silent
    taper(p.apres(500), BOUTON_SON);                         // 4-5: unmute
    p.apres(500).clic(X_CLIC, y_clic(1), SDL_BUTTON_LEFT);   // 6-7: said
    p.apres(1000).touche(SDLK_ESCAPE);
    EXPECT_EQ(partie.jouer(), 0);

    EXPECT_EQ(noms(p.sons()), tri(1, true));
    EXPECT_EQ(p.coupures(), std::vector<bool>{false});
    EXPECT_EQ(hp.cartes(0), 'M') << "the cards show the kept mute";
    EXPECT_EQ(hp.plateau(2), 'M');
    EXPECT_EQ(hp.plateau(6), 'S');
}
