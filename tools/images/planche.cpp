#include "planche.hpp"

#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

#include "draw/geometrie.hpp"
#include "draw/noms_images.hpp"
#include "flow/messages.hpp"
#include "latin1.hpp"
#include "rules/catalogue.hpp"

namespace images {
namespace {
void damier(cairo_t* cr, double x, double y, double l, double h)
{
    cairo_save(cr);
    cairo_rectangle(cr, x, y, l, h);
    cairo_clip(cr);
    couleur(cr, 0xb8c8b0);
    cairo_paint(cr);
    couleur(cr, 0x98aa90);
    for (int j = 0; j * 8 < h; ++j)
        for (int i = (j % 2); i * 8 < l; i += 2)
            cairo_rectangle(cr, x + i * 8, y + j * 8, 8, 8);
    cairo_fill(cr);
    cairo_restore(cr);
}

using Planches = std::map<std::string, Surface>;

void coller(cairo_t* cr, const Planches& p, const std::string& nom, double x, double y, double alpha = 1)
{
    cairo_set_source_surface(cr, p.at("photo/" + nom + ".bmp").get(), x, y);
    cairo_paint_with_alpha(cr, alpha);
}

// One shaded box of the score panel: black (or red) text on light yellow, as high as
// the font's line, at the game's 48 points.
double boite(cairo_t* cr, const Police& p, const std::string& texte, double x, bool centre, std::uint32_t c = 0)
{
    const double l = std::ceil(p.largeur(texte, 48));
    if (centre)
        x = 800 - std::floor(l / 2);
    cairo_rectangle(cr, x, Y_PANNEAU, l, 38);
    couleur(cr, 0xffff80);
    cairo_fill(cr);
    couleur(cr, c);
    p.ecrire(cr, texte, 48, x, Y_PANNEAU + 30);
    return l;
}

enum class Etat { Debut, Gagne, Perdu, Pause, Tactile, Cartes };

// A board frame: what the level loop's redraw shows for `niveau` (food index of row 0).
void maquette(cairo_t* cr, const Planches& p, const Police& police, int niveau, Etat etat)
{
    coller(cr, p, "difficulte", 0, 0);  // its last fade frame stays under the panel
    boite(cr, police, etat == Etat::Debut || etat == Etat::Tactile ? " Score : ? / 5 " : etat == Etat::Gagne ? " Score : 5 / 5 " : " Score : 3 / 5 ", 0, true);
    const int n = niveau / 5 + 1;
    boite(cr, police, " Niveau : " + std::to_string(n) + " / 19 (" + (n <= 6 ? "facile" : n <= 10 ? "moyen" : "difficile") + ") ", 0, false);
    boite(cr, police, etat == Etat::Debut ? " reste : 4 sec. " : " reste : 17 sec. ", 400, false,
          etat == Etat::Debut ? 0xff0000 : 0);
    coller(cr, p, etat == Etat::Tactile ? "fond_tactile" : "fond", 0, 0);
    // The board's buttons, the sound's muted in the touch mock-up.
    coller(cr, p, "bouton_pause", BOUTON_PAUSE.x, BOUTON_PAUSE.y);
    coller(cr, p, "bouton_regles", BOUTON_REGLES.x, BOUTON_REGLES.y);
    coller(cr, p, etat == Etat::Tactile ? "bouton_muet" : "bouton_son", BOUTON_SON.x, BOUTON_SON.y);
    const char* message = etat == Etat::Gagne ? MESSAGE_GAGNE : etat == Etat::Perdu ? MESSAGE_PERDU : nullptr;
    if (message) {
        couleur(cr, 0);
        police.ecrire(cr, latin1_vers_utf8(message), TAILLE_MESSAGE, X_MESSAGE, Y_MESSAGE + 24);
    }
    if (message) {
        const std::string bouton = etat == Etat::Gagne ? image::BOUTON_SUIVANT : image::BOUTON_REJOUER;
        coller(cr, p, bouton.substr(6, bouton.size() - 10), BOUTON_VERDICT.x, BOUTON_VERDICT.y);
    }
    coller(cr, p, etat == Etat::Gagne ? "bidou_gros" : etat == Etat::Perdu ? "cercueil" : "bidou", X_BIDOU, Y_BIDOU);
    for (int k = 0; k < 5; ++k) {
        // At the start two foods are already sorted; once judged, all five are, and a
        // lost level's two wrong ones (rows 1 and 3) are back in the column, crossed.
        const bool trie = (etat != Etat::Debut && etat != Etat::Tactile) || k == 1 || k == 3;
        const bool faux = etat == Etat::Perdu && (k == 1 || k == 3);
        const bool gamelle = (catalogue_aliments[static_cast<std::size_t>(niveau + k)].bon == 1) != faux;
        if (!trie || faux) {
            const std::string f(catalogue_aliments[static_cast<std::size_t>(niveau + k)].image);
            coller(cr, p, f.substr(6, f.size() - 10), X_ALIMENT, Y_ALIMENT_0 + HAUTEUR_RANGEE * k);
        }
        if (faux)
            coller(cr, p, "croix", X_ALIMENT, Y_ALIMENT_0 + HAUTEUR_RANGEE * k);
        coller(cr, p, trie && gamelle ? "gamelle_pleine" : "gamelle_vide", X_GAMELLE, Y_RECIPIENT_0 + HAUTEUR_RANGEE * k);
        coller(cr, p, trie && !gamelle ? "poubelle_pleine" : "poubelle_vide", X_POUBELLE,
               Y_RECIPIENT_0 + HAUTEUR_RANGEE * k);
    }
    if (etat == Etat::Pause)
        coller(cr, p, "pause", 0, 0, 168 / 255.0);
}

// The card screen on a touch screen, the medium track's card holding level 9: the mark in
// its corner, the number under it as the game may write it, the sound's button.
void maquette_cartes(cairo_t* cr, const Planches& p, const Police& police)
{
    coller(cr, p, "difficulte_tactile", 0, 0);
    const Cadre m = marque_carte(1);
    coller(cr, p, "marque", m.x, m.y);
    couleur(cr, 0x3b2a1a);
    police.centrer(cr, "9", 26, m.x + m.largeur / 2.0, m.y + m.hauteur + 24);
    coller(cr, p, "bouton_son", BOUTON_SON_CARTES.x, BOUTON_SON_CARTES.y);
}

struct Case {
    std::size_t indice;
    double x, y, echelle;
};
}  // namespace

void ecrire_planche(const std::filesystem::path& png, const std::vector<Image>& images,
                    const std::vector<Pixels>& pixels, const Police& texte, const Police& police_jeu)
{
    // Small pictures at twice their size, full-screen ones at a third.
    constexpr double largeur_planche = 1900;
    std::vector<Case> cases;
    double x = 10, y = 10, ligne = 0;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const Pixels& p = pixels[i];
        const double e = p.largeur > 300 ? 1.0 / 3 : (p.largeur <= 40 ? 3.0 : 2.0);
        const double l = p.largeur * e, h = p.hauteur * e + 18;
        if (x + l > largeur_planche - 10)
            x = 10, y += ligne + 10, ligne = 0;
        cases.push_back({i, x, y, e});
        x += l + 10;
        ligne = std::max(ligne, h);
    }
    // Then the foods at the size a child sees them, level by level, on the board's own
    // shelf: the 2x copies above are for the eye, these for the verdict.
    const double y_etageres = y + ligne + 20, h_etagere = 496 + 24;
    const double y_maquettes = y_etageres + h_etagere + 10;
    const int nb_maquettes = 6;
    Surface s = nouvelle_surface(static_cast<int>(largeur_planche),
                                 static_cast<int>(y_maquettes + (nb_maquettes + 1) / 2 * 660));
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    couleur(cr, 0xf4f1ea);
    cairo_paint(cr);
    for (const Case& k : cases) {
        const Pixels& p = pixels[k.indice];
        Surface image = depuis_pixels(p, images[k.indice].cle);
        if (images[k.indice].cle)
            damier(cr, k.x, k.y, p.largeur * k.echelle, p.hauteur * k.echelle);
        cairo_save(cr);
        cairo_translate(cr, k.x, k.y);
        cairo_scale(cr, k.echelle, k.echelle);
        cairo_set_source_surface(cr, image.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), k.echelle > 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
        std::string nom = images[k.indice].nom;
        if (nom.starts_with("photo/"))
            nom = nom.substr(6);
        couleur(cr, 0x333333);
        texte.ecrire(cr, nom, 11, k.x, k.y + p.hauteur * k.echelle + 13);
    }
    Planches par_nom;
    for (std::size_t i = 0; i < images.size(); ++i) {
        std::string nom = images[i].nom;
        par_nom.emplace(nom, depuis_pixels(pixels[i], images[i].cle));
    }
    const Surface& fond = par_nom.at("photo/fond.bmp");
    for (std::size_t niveau = 0; niveau * 5 < catalogue_aliments.size(); ++niveau) {
        const double xe = 10 + static_cast<double>(niveau) * 98;
        cairo_save(cr);
        cairo_rectangle(cr, xe, y_etageres, 84, 496);
        cairo_clip(cr);
        cairo_set_source_surface(cr, fond.get(), xe - 543, y_etageres - 68);
        cairo_paint(cr);
        for (std::size_t k = 0; k < 5; ++k) {
            const std::string f(catalogue_aliments[niveau * 5 + k].image);
            cairo_set_source_surface(cr, par_nom.at(f).get(), xe + 7, y_etageres + 8 + 100 * static_cast<double>(k));
            cairo_paint(cr);
        }
        cairo_restore(cr);
        couleur(cr, 0x333333);
        texte.ecrire(cr, "niveau " + std::to_string(niveau + 1), 12, xe + 14, y_etageres + 496 + 16);
    }
    const std::pair<int, Etat> scenes[nb_maquettes] = {
        {0, Etat::Debut}, {30, Etat::Gagne}, {90, Etat::Perdu}, {60, Etat::Pause}, {45, Etat::Tactile}, {0, Etat::Cartes}};
    for (int i = 0; i < nb_maquettes; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 10 + (i % 2) * 930, y_maquettes + (i / 2) * 660);
        cairo_rectangle(cr, 0, 0, 900, 640);
        cairo_clip(cr);
        if (scenes[i].second == Etat::Cartes)
            maquette_cartes(cr, par_nom, police_jeu);
        else
            maquette(cr, par_nom, police_jeu, scenes[i].first, scenes[i].second);
        cairo_restore(cr);
    }
    if (cairo_surface_write_to_png(s.get(), png.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + png.string());
}
}  // namespace images
