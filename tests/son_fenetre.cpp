// A small program for xvfb_son.sh: the desktop platform in a real window, asked for a
// crunch and a food's name, then a won verdict's tune and message, as the game will ask
// them, then waiting for one event as every
// modal screen does. It prints whether SDL's audio was still up when that event came, so
// that the script knows the device closed once the clips were over. Run in its game
// directory (sons/ beside it); exits 1 when the window cannot open.
#include <SDL.h>

#include <cstdio>

#include "flow/sons.hpp"
#include "platform/plateforme.hpp"

int main(int, char**)
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || !SDL_SetVideoMode(900, 640, 32, SDL_SWSURFACE)) {
        std::fprintf(stderr, "son_fenetre: %s\n", SDL_GetError());
        return 1;
    }
    SDL_WM_SetCaption("Grignotin son", nullptr);
    int statut = 0;
    {
        PlateformeSdl plateforme;
        plateforme.presenter(SDL_GetVideoSurface());
        plateforme.jouer_son(son::CROQUE);
        plateforme.jouer_son(son::aliment(0).c_str());
        plateforme.attendre(1000);
        // A won verdict: its tune and its message together, the loudest the game plays.
        plateforme.jouer_son(son::AIR_GAGNE);
        plateforme.jouer_son(son::VOIX_GAGNE);
        std::printf("joue\n");
        std::fflush(stdout);
        SDL_Event evenement;
        do
            plateforme.attendre_evenement(evenement);
        while (evenement.type != SDL_KEYDOWN);
        std::printf("audio ouvert a la touche: %d\n", SDL_WasInit(SDL_INIT_AUDIO) ? 1 : 0);
    }
    SDL_Quit();
    return statut;
}
