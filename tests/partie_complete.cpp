// Two whole games in one process, every screen shown, for valgrind (tests/valgrind.sh):
// level 6 through pause, rules, a time-up, a lost and a won walk and the track-end
// picture, then level 19 won and the end picture. Exits 0 only when both games ended
// as they should, so that a clean valgrind report is also a correct game.
#include <cstdio>

#include "partie_scriptee.hpp"

namespace {
bool une_partie(const char* nom, const char* avant, const char* apres,
                PlateformeScriptee& (*script)(PlateformeScriptee&))
{
    Partie partie(Accueil::Reel);  // the opening blends real pictures too, under valgrind
    partie.dossier.ecrire_fichier_niveau(avant);
    script(partie.p);
    const int statut = partie.jouer();
    const std::string fichier = partie.dossier.fichier_niveau();
    const bool juste = statut == 0 && fichier == apres && partie.p.restants() == 1;
    std::printf("partie_complete: %s: status %d, niveau.lvl \"%s\" -> \"%s\", %zu frames: %s\n", nom, statut, avant,
                fichier.c_str(), partie.p.images(), juste ? "as expected" : "WRONG");
    return juste;
}
}  // namespace

int main()
{
    bool juste = une_partie("every screen of level 6", "25", "30", tous_les_ecrans);
    juste = une_partie("level 19 to the end", "90", "95", fin_du_jeu) && juste;
    return juste ? 0 : 1;
}
