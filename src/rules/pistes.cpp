#include "pistes.hpp"

int piste_du_niveau(std::int32_t niveau)
{
    int piste = 0;
    while (piste + 1 < NB_PISTES && niveau >= DEBUTS_DE_PISTE[static_cast<std::size_t>(piste + 1)])
        ++piste;
    return piste;
}

std::int32_t debut_de_piste(int piste) { return DEBUTS_DE_PISTE[static_cast<std::size_t>(piste)]; }

std::int32_t niveau_apres_choix(int piste, std::int32_t niveau_sauve)
{
    return piste_du_niveau(niveau_sauve) == piste ? niveau_sauve : debut_de_piste(piste);
}

bool dernier_niveau_de_piste(std::int32_t niveau)
{
    const int piste = piste_du_niveau(niveau);
    return piste + 1 < NB_PISTES && niveau + ALIMENTS_PAR_NIVEAU == debut_de_piste(piste + 1);
}

bool arrive_sur_la_piste_suivante(std::int32_t niveau, int piste_choisie)
{
    const int piste = piste_du_niveau(niveau);
    return piste > 0 && niveau == debut_de_piste(piste) && piste != piste_choisie;
}
