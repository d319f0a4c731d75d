// Headless measurements of the game's hot paths, through the real code:
//   - one pass of the level loop that finds nothing new, and one that redraws the board
//     after a click (medians),
//   - one frame of Bidou's walk (median),
//   - peak resident memory after 100 and after 10 000 passes.
// Run: SDL_VIDEODRIVER=dummy build/bench/mesure
#include <SDL.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "dossier_de_jeu.hpp"
#include "draw/bidou.hpp"
#include "draw/geometrie.hpp"
#include "draw/noms_images.hpp"
#include "draw/ressources.hpp"
#include "flow/aliment.hpp"
#include "platform/plateforme_scriptee.hpp"

namespace {

using Horloge = std::chrono::steady_clock;

// Passes the game's calls on to a script, noting the real time of the calls it is told to.
class Chronometre final : public Plateforme {
public:
    explicit Chronometre(PlateformeScriptee& script) : script_(script) {}
    std::vector<Horloge::time_point> sondages, presentations;
    std::vector<Uint8> pris;  // for each poll, the type of the event it took, or 0
    long rss_a_100 = 0;
    // Set: deadlines are noted but the clock does not go to them, so the level loop's
    // rests cost no virtual time and a pass is measured for its work alone.
    bool sans_repos = false;

    std::uint32_t ticks() override { return script_.ticks(); }
    void attendre(std::uint32_t ms) override { script_.attendre(ms); }
    void attendre_jusqua(std::uint32_t echeance) override
    {
        script_.attendre_jusqua(sans_repos ? script_.ticks() : echeance);
    }
    void attendre_evenement(SDL_Event& e) override { script_.attendre_evenement(e); }
    bool sonder_evenement(SDL_Event& e) override
    {
        sondages.push_back(Horloge::now());
        if (sondages.size() == 100)
            rss_a_100 = rss_max_ko();
        const bool evenement = script_.sonder_evenement(e);
        pris.push_back(evenement ? e.type : 0);
        return evenement;
    }
    void presenter(SDL_Surface* ecran) override
    {
        presentations.push_back(Horloge::now());
        script_.presenter(ecran);
    }
    static long rss_max_ko()
    {
        rusage u{};
        getrusage(RUSAGE_SELF, &u);
        return u.ru_maxrss;
    }

private:
    PlateformeScriptee& script_;
};

double mediane(std::vector<double> durees)
{
    if (durees.empty())
        return 0;
    std::nth_element(durees.begin(), durees.begin() + static_cast<long>(durees.size() / 2), durees.end());
    return durees[durees.size() / 2];
}

double mediane_ms(const std::vector<Horloge::time_point>& instants, std::size_t pas, std::size_t debut, std::size_t fin)
{
    std::vector<double> durees;
    for (std::size_t i = debut + pas; i < fin && i < instants.size(); i += pas)
        durees.push_back(std::chrono::duration<double, std::milli>(instants[i] - instants[i - pas]).count());
    return mediane(std::move(durees));
}

// The median pass, from its poll to the next, among the passes whose poll took an event
// of type `type` (0: none).
double mediane_passes_ms(const Chronometre& c, Uint8 type, std::size_t &n)
{
    std::vector<double> durees;
    for (std::size_t i = 0; i + 1 < c.sondages.size(); ++i)
        if (c.pris[i] == type)
            durees.push_back(std::chrono::duration<double, std::milli>(c.sondages[i + 1] - c.sondages[i]).count());
    n = durees.size();
    return mediane(std::move(durees));
}

}  // namespace

int main()
{
    DossierDeJeu dossier;

    // Level 1 for ten virtual seconds: a virtual millisecond per idle poll and no rest,
    // and every 5 ms a click on the first food, left and right in turn, so that each
    // press moves it between bowl and bin and its pass redraws the board: 2 000 of those,
    // 2 000 releases and some 10 000 passes with nothing new, before Escape.
    PlateformeScriptee script;
    script.pas_inactif = std::chrono::milliseconds(1);
    script.touche(SDLK_KP1);
    for (int i = 0; i < 2000; ++i)
        script.apres(5).clic(X_ALIMENT + 30, Y_ALIMENT_0 + 30, i % 2 == 0 ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT);
    script.touche(SDLK_ESCAPE);
    Chronometre chrono(script);
    chrono.sans_repos = true;
    if (jouer(chrono) != 0)
        return 1;
    const long rss_fin = Chronometre::rss_max_ko();
    std::size_t au_repos = 0, clics = 0;
    const double repos_ms = mediane_passes_ms(chrono, 0, au_repos);
    const double clic_ms = mediane_passes_ms(chrono, SDL_MOUSEBUTTONDOWN, clics);
    std::printf("level-loop pass with nothing new: median %.4f ms over %zu passes\n", repos_ms, au_repos);
    std::printf("level-loop pass that redraws after a click, five foods on the board: median %.3f ms over %zu passes\n",
                clic_ms, clics);
    std::printf("peak RSS: %ld KiB after 100 passes, %ld KiB after %zu passes\n", chrono.rss_a_100, rss_fin,
                chrono.sondages.size());

    // The walk on its own, as the level loop calls it, with every food sorted.
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return 1;
    SDL_Surface* ecran = SDL_SetVideoMode(900, 640, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
    Tableau tableau = tableau_initial();
    remplir_tableau(tableau);
    for (int k = 0; k < 5; ++k)
        tableau[LIGNE_CHOIX + k] = CHOIX_GAMELLE;
    {
        const Surface fond = au_format_ecran(charger_image(image::FOND));
        const Surface bidou = charger_image_cle(image::BIDOU);
        PlateformeScriptee script_marche;
        Chronometre marche(script_marche);
        SDL_Rect origine{}, depart{};
        depart.y = 300;
        deplacer_bidou(ecran, bidou.get(), tableau, fond.get(), origine, depart, 0, marche);
        // Two presents per frame: the board, then the board with Bidou.
        std::printf("walk frame: median %.3f ms over %zu frames\n",
                    mediane_ms(marche.presentations, 2, 1, marche.presentations.size()),
                    marche.presentations.size() / 2);
    }
    SDL_Quit();
    return 0;
}
