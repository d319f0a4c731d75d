#include "plateau.hpp"

#include "draw/noms_images.hpp"
#include "draw/ressources.hpp"
#include "rules/catalogue.hpp"

#include <string>

namespace {
// The choice of food i, or -1 when i has no catalogue entry (a level index outside
// 0 to 90), so that such a row draws nothing rather than reading past the table.
std::int32_t choix_de(const Tableau& tableau, std::int32_t i)
{
    if (i < 0 || i >= NB_ALIMENTS)
        return -1;
    return tableau[static_cast<std::size_t>(LIGNE_CHOIX + i)];
}

std::int16_t y_rangee(std::int16_t y0, std::int32_t k) { return static_cast<std::int16_t>(y0 + HAUTEUR_RANGEE * k); }

void dessiner_aliment(SDL_Surface* ecran, std::int32_t i, std::int32_t k)
{
    const Surface aliment = charger_image_cle(std::string(catalogue_aliments[static_cast<std::size_t>(i)].image).c_str());
    coller(ecran, aliment.get(), X_ALIMENT, y_rangee(Y_ALIMENT_0, k));
}
}  // namespace

void afficher_aliment(SDL_Surface* ecran, const Tableau& tableau, std::int32_t niveau)
{
    for (std::int32_t k = 0; k < ALIMENTS_PAR_NIVEAU; ++k) {
        // A sorted food leaves its row to the background the caller has drawn.
        if (choix_de(tableau, niveau + k) == CHOIX_AUCUN)
            dessiner_aliment(ecran, niveau + k, k);
    }
}

void afficher_erreurs(SDL_Surface* ecran, const Tableau& tableau, std::int32_t niveau)
{
    Surface croix;  // loaded with the first wrong row: none once the child has mended them all
    for (std::int32_t k = 0; k < ALIMENTS_PAR_NIVEAU; ++k) {
        const std::int32_t i = niveau + k;
        const std::int32_t choix = choix_de(tableau, i);
        const bool triee = choix == CHOIX_GAMELLE || choix == CHOIX_POUBELLE;
        if (!triee || choix == tableau[static_cast<std::size_t>(LIGNE_BON + i)])
            continue;  // still in the column, or where it belongs
        dessiner_aliment(ecran, i, k);
        if (!croix)
            croix = charger_image_cle(image::CROIX);
        coller(ecran, croix.get(), X_ALIMENT, y_rangee(Y_ALIMENT_0, k));
    }
}

std::optional<Tri> tri_du_clic(int x, int y, std::uint8_t bouton)
{
    if (bouton != SDL_BUTTON_LEFT && bouton != SDL_BUTTON_RIGHT)
        return std::nullopt;
    for (std::int32_t k = 0; k < ALIMENTS_PAR_NIVEAU; ++k) {
        if (cadre_aliment(k).contient(x, y))
            return Tri{k, bouton == SDL_BUTTON_LEFT ? CHOIX_GAMELLE : CHOIX_POUBELLE};
        // The containers answer both buttons alike: the added one-button way of sorting.
        if (cadre_gamelle(k).contient(x, y))
            return Tri{k, CHOIX_GAMELLE};
        if (cadre_poubelle(k).contient(x, y))
            return Tri{k, CHOIX_POUBELLE};
    }
    return std::nullopt;
}

void afficher_gamelle_poubelle(SDL_Surface* ecran, const Tableau& tableau, std::int32_t niveau,
                               Plateforme& plateforme)
{
    for (std::int32_t k = 0; k < ALIMENTS_PAR_NIVEAU; ++k) {
        const char* nom_gamelle = nullptr;
        const char* nom_poubelle = nullptr;
        switch (choix_de(tableau, niveau + k)) {
        case CHOIX_GAMELLE:
            nom_gamelle = image::GAMELLE_PLEINE;
            nom_poubelle = image::POUBELLE_VIDE;
            break;
        case CHOIX_POUBELLE:
            nom_gamelle = image::GAMELLE_VIDE;
            nom_poubelle = image::POUBELLE_PLEINE;
            break;
        case CHOIX_AUCUN:
            nom_gamelle = image::GAMELLE_VIDE;
            nom_poubelle = image::POUBELLE_VIDE;
            break;
        default:
            continue;  // not a choice the game ever writes: leave the row bare
        }
        // Loaded bin first, released bowl first: the declaration order does both.
        const Surface poubelle = charger_image(nom_poubelle);
        const Surface gamelle = charger_image(nom_gamelle);
        poser_cle_bleue(gamelle.get());
        poser_cle_bleue(poubelle.get());
        const std::int16_t y = y_rangee(Y_RECIPIENT_0, k);
        coller(ecran, gamelle.get(), X_GAMELLE, y);
        coller(ecran, poubelle.get(), X_POUBELLE, y);
    }
    plateforme.presenter(ecran);
}
