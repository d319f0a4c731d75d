#include "score.hpp"

#include "draw/noms_images.hpp"
#include "draw/ressources.hpp"
#include "rules/pistes.hpp"

#include <SDL_ttf.h>

#include <cstdio>

namespace {
constexpr int TAILLE_POLICE_PANNEAU = 48;
constexpr std::int16_t X_NIVEAU = 0;
constexpr std::int16_t X_RESTE = 400;
constexpr std::int16_t X_CENTRE_SCORE = 800;
// The countdown turns red from 4 seconds on (5 is still black).
constexpr std::int32_t RESTE_ALERTE = 4;

const SDL_Color NOIR{0, 0, 0, 0};
const SDL_Color ROUGE{255, 0, 0, 0};
const SDL_Color JAUNE_PALE{255, 255, 128, 0};

// The label follows the level number alone, on thresholds of its own rather than the
// tracks (rules/pistes.hpp) or the one the player chose: levels 11 and 12 of the medium
// track already read "(difficile)". Intended: the game was written so.
const char* etiquette_niveau(long numero)
{
    const char* etiquette = "facile";
    if (numero > 6)
        etiquette = "moyen";
    if (numero > 10)
        etiquette = "difficile";
    return etiquette;
}

// Shaded: the light-yellow box is as wide as the whole text, its end blanks included.
Surface rendre(TTF_Font* police, const std::string& texte, SDL_Color couleur)
{
    return Surface{TTF_RenderText_Shaded(police, texte.c_str(), couleur, JAUNE_PALE)};
}

void signaler_police_absente()
{
    // Called on every redraw of the panel, each countdown step and each click that sorts
    // a food: say it once per run.
    static bool deja = false;
    if (!deja)
        std::fprintf(stderr, "grignotin: TTF_OpenFont: %s: %s (score panel skipped)\n", FICHIER_POLICE,
                     TTF_GetError());
    deja = true;
}
}  // namespace

LignesPanneau lignes_panneau(const Tableau& tableau, std::int32_t niveau, std::int32_t reste)
{
    // The longest line the game shows is " Niveau : 19 / 19 (difficile) " (30 bytes);
    // the room past it lets any level number print whole.
    char texte[40];
    LignesPanneau lignes;

    // The count stays hidden until all five are sorted, even once some choices are known.
    if (tous_choisi(tableau, niveau))
        std::snprintf(texte, sizeof texte, " Score : %ld / %ld ", static_cast<long>(resultat(tableau, niveau)),
                      static_cast<long>(ALIMENTS_PAR_NIVEAU));
    else
        std::snprintf(texte, sizeof texte, " Score : ? / %ld ", static_cast<long>(ALIMENTS_PAR_NIVEAU));
    lignes.score = texte;

    const long numero = niveau / ALIMENTS_PAR_NIVEAU + 1;
    std::snprintf(texte, sizeof texte, " Niveau : %ld / %ld (%s) ", numero, static_cast<long>(NB_NIVEAUX),
                  etiquette_niveau(numero));
    lignes.niveau = texte;

    std::snprintf(texte, sizeof texte, " reste : %ld sec. ", static_cast<long>(reste));
    lignes.reste = texte;
    lignes.reste_en_rouge = reste <= RESTE_ALERTE;
    return lignes;
}

void afficher_score(SDL_Surface* ecran, const Tableau& tableau, std::int32_t niveau, std::int32_t reste,
                    Plateforme& plateforme)
{
    // The game flow keeps the engine up for its message font; SDL_ttf counts starts,
    // so this start and the stop below nest inside it and leave that font usable.
    TTF_Init();
    PoliceLue police(FICHIER_POLICE, TAILLE_POLICE_PANNEAU);
    // Outlives the flip: released after the font and the engine, as the seconds box always was.
    Surface secondes;

    if (police) {
        const LignesPanneau lignes = lignes_panneau(tableau, niveau, reste);

        // The strip is cleared to the boxes' own yellow first: a text that got shorter
        // (10 seconds to 9, level 10 to 9) would otherwise leave the end of the longer
        // one beside it, a stray dot after "sec.".
        SDL_Rect bande{0, Y_PANNEAU, static_cast<Uint16>(LARGEUR_ECRAN), static_cast<Uint16>(HAUTEUR_ECRAN - Y_PANNEAU)};
        SDL_FillRect(ecran, &bande, SDL_MapRGB(ecran->format, JAUNE_PALE.r, JAUNE_PALE.g, JAUNE_PALE.b));

        // Drawn in this order; where boxes overlap the later one covers the earlier.
        const Surface score = rendre(police.get(), lignes.score, NOIR);
        if (score)  // centred on 800: an odd width w lands at 800 - (w - 1) / 2
            coller(ecran, score.get(), static_cast<std::int16_t>(X_CENTRE_SCORE - score->w / 2), Y_PANNEAU);

        coller(ecran, rendre(police.get(), lignes.niveau, NOIR).get(), X_NIVEAU, Y_PANNEAU);

        secondes = rendre(police.get(), lignes.reste, lignes.reste_en_rouge ? ROUGE : NOIR);
        coller(ecran, secondes.get(), X_RESTE, Y_PANNEAU);
    } else {
        signaler_police_absente();
    }

    plateforme.presenter(ecran);

    // The font must close while the engine is still up.
    police.reset();
    TTF_Quit();
    secondes.reset();
}
