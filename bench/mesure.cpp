// Headless measurements of the game's hot paths, through the real code:
//   - one pass of the level loop with five foods on the board (median),
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
        return script_.sonder_evenement(e);
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

double mediane_ms(const std::vector<Horloge::time_point>& instants, std::size_t pas, std::size_t debut, std::size_t fin)
{
    std::vector<double> durees;
    for (std::size_t i = debut + pas; i < fin && i < instants.size(); i += pas)
        durees.push_back(std::chrono::duration<double, std::milli>(instants[i] - instants[i - pas]).count());
    if (durees.empty())
        return 0;
    std::nth_element(durees.begin(), durees.begin() + static_cast<long>(durees.size() / 2), durees.end());
    return durees[durees.size() / 2];
}

}  // namespace

int main()
{
    DossierDeJeu dossier;

    // Level 1 left alone: one poll per pass, a virtual millisecond per idle poll and
    // no rest, so 10 000 passes before Escape and no time-up.
    PlateformeScriptee script;
    script.pas_inactif = 1;
    script.touche(SDLK_KP1).apres(10000).touche(SDLK_ESCAPE);
    Chronometre chrono(script);
    chrono.sans_repos = true;
    if (jouer(chrono) != 0)
        return 1;
    const long rss_fin = Chronometre::rss_max_ko();
    std::printf("level-loop pass, five foods on the board: median %.3f ms over %zu passes\n",
                mediane_ms(chrono.sondages, 1, 0, chrono.sondages.size()), chrono.sondages.size());
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
