// The browser's entry. Before main runs, the page (web/pre.js) has mounted the game's
// directory, read the saved progress back into it and linked the pictures and the font
// there, as the desktop's launcher does in a person's own directory.
#include <emscripten.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <exception>

#include "flow/aliment.hpp"
#include "platform/plateforme_web.hpp"

namespace {

// The same name as in web/pre.js.
constexpr const char* DOSSIER_JEU = "/jeu";

// Tells the page the game has ended (Escape, the end screen closed), so that it offers
// to play again rather than leave a still picture.
EM_JS(void, annoncer_fin, (int statut), { Module.partie_finie(statut); });

int partie()
{
    // A process gets its umask from whoever starts it; emscripten starts main with 0777,
    // which would leave niveau.lvl, made 0666 less the umask as on the desktop, unreadable
    // to the game itself. 022 is what a desktop session gives.
    ::umask(022);
    int statut = 1;
    try {
        if (::chdir(DOSSIER_JEU) != 0)
            std::perror("grignotin: chdir");
        else {
            PlateformeWeb plateforme;
            statut = jouer(plateforme);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "grignotin: %s\n", e.what());
    }
    annoncer_fin(statut);
    return statut;
}

}  // namespace

// Called by the page's "Rejouer": a new game in the same page, as jouer allows.
extern "C" EMSCRIPTEN_KEEPALIVE int rejouer() { return partie(); }

int main() { return partie(); }
