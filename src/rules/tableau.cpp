#include "tableau.hpp"

#include "catalogue.hpp"

void bon_non(Tableau& tableau)
{
    for (std::int32_t i = 0; i < NB_ALIMENTS; ++i)
        tableau[LIGNE_BON + i] = catalogue_aliments[i].bon;
}

void remplir_tableau(Tableau& tableau)
{
    for (std::int32_t i = 0; i < NB_ALIMENTS; ++i)
        tableau[LIGNE_CHOIX + i] = CHOIX_AUCUN;
    bon_non(tableau);
}

std::int32_t tous_choisi(const Tableau& tableau, std::int32_t niveau)
{
    std::int32_t tous = 1;
    for (std::int32_t k = 0; k < ALIMENTS_PAR_NIVEAU; ++k)
        if (tableau.at(LIGNE_CHOIX + niveau + k) == CHOIX_AUCUN)
            tous = 0;
    return tous;
}

std::int32_t resultat(const Tableau& tableau, std::int32_t niveau)
{
    std::int32_t justes = 0;
    for (std::int32_t k = 0; k < ALIMENTS_PAR_NIVEAU; ++k)
        if (tableau.at(LIGNE_BON + niveau + k) == tableau.at(LIGNE_CHOIX + niveau + k))
            ++justes;
    return justes;
}
