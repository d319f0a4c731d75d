#include "aliments.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "fiches.hpp"
#include "trousse.hpp"
#include "rules/catalogue.hpp"

namespace images {
namespace {
std::string_view radical(std::string_view fichier)
{
    if (fichier.starts_with("photo/"))
        fichier.remove_prefix(6);
    if (fichier.ends_with(".bmp"))
        fichier.remove_suffix(4);
    return fichier;
}

const Fiche& fiche(std::string_view fichier)
{
    const auto r = radical(fichier);
    for (const Fiche& f : fiches())
        if (f.fichier == r)
            return f;
    throw std::runtime_error("no entry in fiches.cpp for food picture " + std::string(fichier));
}

// The main emoji large, with the small one over its lower right corner on a white rim.
Surface composer(Atelier& a, cairo_surface_t* principale, std::string_view badge)
{
    Surface s = nouvelle_surface(128, 128);
    Contexte c = nouveau_contexte(s.get());
    poser_image(c.get(), principale, 56, 56, 112, 112);
    if (!badge.empty()) {
        Surface b = ajuster(a.emojis.image(badge), 52, 52);
        Surface rim = autocollant(b.get(), 3, 0xffffff, 0xffffff);
        cairo_set_source_surface(c.get(), rim.get(), 128 - largeur(rim.get()), 128 - hauteur(rim.get()));
        cairo_paint(c.get());
    }
    return s;
}

// Every label is set at this one size: a child compares the names as much as the
// pictures, and a name in smaller letters looked like a lesser food.
constexpr double TAILLE_ETIQUETTE = 12;
constexpr double INTERLIGNE = 12;
// The picture's box, rim included, ends where a one-line label begins.
constexpr double HAUT_IMAGE = 64;

// One line when it fits, else two, broken at a blank, a hyphen (kept) or a '|', the
// break that leaves the narrower lines.
std::vector<std::string> couper(const Police& p, std::string_view nom, double place)
{
    std::string une(nom);
    std::erase(une, '|');
    if (p.largeur(une, TAILLE_ETIQUETTE) <= place)
        return {une};
    std::vector<std::string> meilleure;
    double plus_large = 1e9;
    for (std::size_t i = 0; i < nom.size(); ++i) {
        if (nom[i] != ' ' && nom[i] != '-' && nom[i] != '|')
            continue;
        // A word cut at '|' gets its hyphen, as a French reader expects.
        std::string gauche(nom.substr(0, nom[i] == ' ' ? i : i + 1)), droite(nom.substr(i + 1));
        if (nom[i] == '|')
            gauche.back() = '-';
        std::erase(gauche, '|');
        std::erase(droite, '|');
        const double l = std::max(p.largeur(gauche, TAILLE_ETIQUETTE), p.largeur(droite, TAILLE_ETIQUETTE));
        if (l <= place && l < plus_large)
            plus_large = l, meilleure = {gauche, droite};
    }
    if (meilleure.empty())
        throw std::runtime_error("food name too long for its label: " + une);
    return meilleure;
}

Surface tuile(Atelier& a, const Fiche& f)
{
    Surface s = nouvelle_surface(LARGEUR_ALIMENT, HAUTEUR_ALIMENT);
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();

    const std::vector<std::string> lignes = couper(a.gras, f.nom, LARGEUR_ALIMENT - 6);
    const double h_etiquette = INTERLIGNE * static_cast<double>(lignes.size()) + 5;
    double l_etiquette = 0;
    for (const auto& l : lignes)
        l_etiquette = std::max(l_etiquette, a.gras.largeur(l, TAILLE_ETIQUETTE));
    l_etiquette = std::min<double>(LARGEUR_ALIMENT, std::ceil(l_etiquette) + 8);
    const double y_etiquette = HAUTEUR_ALIMENT - h_etiquette - 0.5;

    // The picture has the same box on every tile, whatever its label. It stands on the
    // label; a tall one over a two-line label keeps its size and lets the label cover
    // its foot, rather than shrinking to fit (a wide one fits above it anyway).
    Surface dessin, teinte, compose;
    cairo_surface_t* source = nullptr;
    if (const auto* e = std::get_if<Emoji>(&f.image)) {
        source = a.emojis.image(e->code);
        if (!e->teintes.empty()) {
            teinte = teinter(source, e->teintes);
            source = teinte.get();
        }
        if (!e->badge.empty()) {
            compose = composer(a, source, e->badge);
            source = compose.get();
        }
    } else {
        dessin = dessiner(std::get<dessins::Dessin>(f.image));
        source = dessin.get();
    }
    Surface petite = ajuster(source, LARGEUR_ALIMENT - 8, HAUT_IMAGE - 8);
    // A picture whose own edge is pale (milk, a white blossom) would melt into the
    // white sticker rim: it gets a tan rim and a dark line instead. The drawn pale
    // foods (cauliflower, hemlock, endive, calla, oat flakes) carry their own outline.
    const bool pale = clarte_du_bord(petite.get()) > 0.76;
    Surface collee = autocollant(petite.get(), 2, pale ? 0xd8c4a0 : 0xffffff, pale ? 0x4a3a28 : 0x8a8070);
    cairo_set_source_surface(cr, collee.get(), (LARGEUR_ALIMENT - largeur(collee.get())) / 2.0,
                             std::max(0.0, std::min(HAUT_IMAGE, y_etiquette + 1) - hauteur(collee.get())));
    cairo_paint(cr);

    rectangle_arrondi(cr, (LARGEUR_ALIMENT - l_etiquette) / 2 + 0.5, y_etiquette, l_etiquette - 1,
                      h_etiquette, 5);
    couleur(cr, 0xfff6dc);
    cairo_fill_preserve(cr);
    couleur(cr, 0x8a6a48);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    couleur(cr, 0x3b2a1a);
    double y = y_etiquette + 2 + TAILLE_ETIQUETTE * 0.95;
    for (const auto& l : lignes) {
        a.gras.centrer(cr, l, TAILLE_ETIQUETTE, LARGEUR_ALIMENT / 2.0, y);
        y += INTERLIGNE;
    }
    return s;
}
}  // namespace

std::vector<Image> images_aliments(Atelier& a)
{
    // Each entry names a catalogue food, so an entry left behind by a renamed food shows.
    if (fiches().size() != catalogue_aliments.size())
        throw std::runtime_error("fiches.cpp lists " + std::to_string(fiches().size()) + " foods, the catalogue " +
                                 std::to_string(catalogue_aliments.size()));
    std::vector<Image> images;
    for (const Aliment& al : catalogue_aliments)
        images.push_back({std::string(al.image), tuile(a, fiche(al.image)), true});
    return images;
}
}  // namespace images
