#include "aliments.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "rules/catalogue.hpp"

namespace {
// Hue bands (degrees) that the recolourings below aim at.
constexpr Teinte VERTS{.de = 55, .a = 170};
constexpr Teinte ROSES{.de = 290, .a = 20};

Teinte vers(Teinte bande, double teinte, double saturation = 1, double clarte = 0)
{
    bande.teinte = teinte;
    bande.saturation = saturation;
    bande.clarte = clarte;
    return bande;
}
Teinte tout(double saturation, double clarte) { return {.sat_min = 0, .saturation = saturation, .clarte = clarte}; }

enum class Dessin { Emoji, Frigo };

struct Fiche {
    std::string_view fichier;  // catalogue name without "photo/" and ".bmp"
    std::string_view nom;      // label; '|' marks where a long word may break
    std::string_view emoji;
    std::vector<Teinte> teintes = {};
    std::string_view badge = {};  // a small second emoji in the lower right corner
    Dessin dessin = Dessin::Emoji;
};

// Emoji are picked so that the five foods of one level differ in shape or colour at a
// glance; the level is noted on each group.
const std::vector<Fiche>& fiches()
{
    static const std::vector<Fiche> f = {
        // level 1
        {"laitue", "laitue", "🥬"},
        {"epinard", "épinards", "🌿", {tout(1.1, -0.3)}},
        {"carotte", "carotte", "🥕"},
        {"chocolat", "chocolat", "🍫"},
        {"muguet", "muguet", "🪻", {{.de = 220, .a = 320, .teinte = 60, .saturation = 0.15, .clarte = 0.8}}},
        // level 2
        {"tomate", "tomate", "🍅"},
        {"biscotte", "biscotte", "🍞", {tout(0.9, -0.05)}},
        {"biscuit", "biscuit", "🍪"},
        {"viande", "viande", "🥩"},
        {"ble", "blé", "🌾"},
        // level 3
        {"alimentcuit", "aliment cuit", "🍲"},
        {"alimentenconserve", "conserve", "🥫"},
        {"alimentdufrigo", "aliment du frigo", "", {}, "🧀", Dessin::Frigo},
        {"cerise", "cerise", "🍒"},
        {"endive", "endive", "🥬", {vers(VERTS, 58, 0.55, 0.45)}},
        // level 4
        {"fanedecarotte", "fanes de carotte", "🌿", {vers(VERTS, 100, 1.0, 0.1)}, "🥕"},
        {"foin", "foin", "🌾", {tout(0.5, 0.15)}},
        {"fraise", "fraise", "🍓"},
        {"framboise", "framboise", "🫐", {{.de = 180, .a = 300, .teinte = 345, .saturation = 1.1, .clarte = 0.1}}},
        {"lait", "lait", "🥛"},
        // level 5
        {"melon", "melon", "🍈", {vers(VERTS, 38, 1.0, 0.05)}},
        {"noisette", "noisette", "🌰"},
        // A walnut kernel is the very shape of this emoji once it is brown.
        {"noix", "noix", "🧠", {{.de = 0, .a = 360, .sat_min = 0, .teinte = 30, .saturation = 0.75, .clarte = -0.2}}},
        {"pain", "pain", "🥖"},
        {"poire", "poire", "🍐"},
        // level 6
        {"thym", "thym", "🌿", {tout(0.45, -0.05)}},
        {"orange", "orange", "🍊"},
        {"salade", "salade", "🥗"},
        {"pomme", "pomme", "🍎"},
        {"pate", "pâtes", "🍝"},
        // level 7
        {"persil", "persil", "🌿", {vers(VERTS, 115, 1.2, 0)}},
        {"crocus", "crocus", "🌷", {vers(ROSES, 272, 0.9, -0.1)}},
        {"renoncule", "renoncule", "🌼", {{.de = 20, .a = 60, .teinte = 52, .saturation = 1.1}}},
        {"coquelicot", "coquelicot", "🌺", {vers(ROSES, 2, 1.1, -0.05)}},
        {"sureau", "sureau", "🍇", {{.de = 240, .a = 330, .teinte = 285, .saturation = 0.55, .clarte = -0.45}}},
        // level 8
        {"concombre", "concombre", "🥒"},
        {"noisetier", "noisetier", "🌳", {}, "🌰"},
        {"pommedeterre", "pomme de terre", "🥔"},
        {"osier", "osier", "🧺"},
        {"avoine", "avoine", "🌾", {tout(0.35, 0.3)}},
        // level 9
        {"amande", "amande", "🌰", {tout(0.75, 0.25)}},
        {"aneth", "aneth", "🌿", {vers(VERTS, 72, 1.0, 0.05)}},
        {"pistache", "pistache", "🥜", {{.de = 15, .a = 50, .teinte = 75, .saturation = 0.7, .clarte = 0.05}}},
        {"romarin", "romarin", "🌲", {vers(VERTS, 150, 0.45, 0.05)}},
        {"poivron", "poivron", "🫑", {{.de = 60, .a = 140, .sat_min = 0.3, .teinte = 6, .saturation = 1.1}}},
        // level 10
        {"artichaut", "artichaut", "🪷", {vers(ROSES, 95, 0.45, -0.25), {.de = 30, .a = 70, .teinte = 290, .saturation = 0.6}}},
        {"fenouil", "fenouil", "🧄", {tout(0.8, 0), {.de = 0, .a = 360, .sat_min = 0, .teinte = 80, .saturation = 2.5}}},
        {"avocat", "avocat", "🥑"},
        {"feuilledepissenlit", "feuille de pissenlit", "🌱", {vers(VERTS, 105, 1.1, -0.1)}, "🌼"},
        {"betterave", "betterave", "🧅", {{.de = 10, .a = 60, .sat_min = 0, .teinte = 335, .saturation = 1.2, .clarte = -0.35}}},
        // level 11
        {"choufleur", "chou-fleur", "🥦", {{.de = 55, .a = 170, .sat_min = 0, .teinte = 45, .saturation = 0.6, .clarte = 0.75}}},
        {"choux", "chou", "🥬", {vers(VERTS, 140, 0.7, 0)}},
        {"cereale", "céréales", "🥣", {{.de = 180, .a = 260, .teinte = 25, .saturation = 0.9, .clarte = 0.1}}},
        {"aubergine", "aubergine", "🍆"},
        {"courgette", "courgette", "🥒", {tout(1.0, -0.25)}},
        // level 12
        {"mache", "mâche", "🍀", {vers(VERTS, 95, 1.0, -0.05)}},
        {"brocolis", "brocolis", "🥦"},
        {"kiwi", "kiwi", "🥝"},
        {"graine", "graines", "🌻"},
        {"calla", "calla", "🌷", {vers(ROSES, 50, 0.1, 0.8)}},
        // level 13
        {"caroube", "caroube", "🫛", {{.de = 50, .a = 170, .sat_min = 0, .teinte = 22, .saturation = 0.7, .clarte = -0.4}}},
        {"herbe", "herbe", "🌱"},
        {"cerisier", "cerisier", "🌸"},
        {"darisroux", "dari roux", "🌾", {{.de = 25, .a = 65, .teinte = 10, .saturation = 1.0, .clarte = -0.15}}},
        {"arumsauvage", "arum sauvage", "🌽", {{.de = 35, .a = 70, .teinte = 8, .saturation = 1.1, .clarte = -0.05}}},
        // level 14
        {"gateau", "gâteau", "🍰"},
        {"menthe", "menthe", "🌿", {vers(VERTS, 150, 1.0, 0.1)}},
        {"basilic", "basilic", "🪴"},
        {"luzerne", "luzerne", "☘️", {}, "🌸"},
        {"banane", "banane", "🍌"},
        // level 15
        {"fougasse", "fougasse", "🫓"},
        {"clematite", "clématite", "🏵️", {{.de = 0, .a = 50, .teinte = 280, .saturation = 0.8}}},
        {"chardon", "chardon", "🌵", {}, "🪻"},
        {"cigue", "ciguë", "💮", {vers(ROSES, 0, 0.1, 0.3)}},
        {"saule", "saule", "🌳", {vers(VERTS, 75, 0.9, 0.15)}},
        // level 16
        {"merisier", "merisier", "🌳", {tout(0.9, -0.1)}, "🍒"},
        {"digitale", "digitale", "🪻", {{.de = 220, .a = 320, .teinte = 320, .saturation = 1.0}}},
        {"angelique", "angélique", "🥦", {vers(VERTS, 78, 0.9, 0.15)}},
        {"treflevert", "trèfle vert", "☘️"},
        {"liseron", "liseron", "🌺", {vers(ROSES, 330, 0.3, 0.55)}},
        // level 17
        {"pissenlit", "pissenlit", "🌼", {{.de = 20, .a = 60, .teinte = 50, .saturation = 1.1}}},
        {"avenas", "flocons d'avoine", "🥣", {{.de = 180, .a = 260, .teinte = 40, .saturation = 0.5, .clarte = 0.3}}, "🌾"},
        {"morelle", "morelle", "🫐", {tout(0.4, -0.55)}},
        {"cossedepois", "cosse de pois", "🫛"},
        {"dieffenbachia", "dieffen|bachia", "🪴", {vers(VERTS, 68, 0.8, 0.35)}},
        // level 18
        {"anemone", "anémone", "🌺", {vers(ROSES, 265, 0.8, 0)}},
        {"laurier", "laurier", "🍂", {{.de = 0, .a = 60, .sat_min = 0.2, .teinte = 120, .saturation = 0.6, .clarte = -0.2}}},
        {"chicoree", "chicorée", "🥬", {{.de = 50, .a = 170, .sat_min = 0.15, .teinte = 335, .saturation = 0.8, .clarte = -0.1}}},
        {"belladone", "belladone", "🍒", {{.de = 300, .a = 40, .teinte = 280, .saturation = 0.3, .clarte = -0.6}}},
        {"celeri", "céleri", "🌿", {vers(VERTS, 90, 0.6, 0.35)}},
        // level 19
        {"laurierrose", "laurier-rose", "🌸", {vers(ROSES, 335, 1.2, -0.1)}},
        {"the", "thé", "🍵"},
        {"lin", "lin", "🌼", {{.de = 15, .a = 65, .teinte = 210, .saturation = 0.7, .clarte = 0.15}}},
        {"accacia", "acacia", "🌳", {}, "🌼"},
        {"jusquiame", "jusquiame", "🥀"},
    };
    return f;
}

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
    throw std::runtime_error("no drawing for food picture " + std::string(fichier));
}

// A fridge, since no emoji shows one: white doors, a handle, a cold blue-grey rim.
Surface frigo()
{
    Surface s = nouvelle_surface(96, 128);
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    rectangle_arrondi(cr, 6, 4, 84, 120, 12);
    Motif m{cairo_pattern_create_linear(6, 0, 90, 0)};
    arret(m.get(), 0, 0xffffff);
    arret(m.get(), 1, 0xd8e4ea);
    cairo_set_source(cr, m.get());
    cairo_fill_preserve(cr);
    couleur(cr, 0x6f8796);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_move_to(cr, 8, 46);
    cairo_line_to(cr, 88, 46);
    cairo_stroke(cr);
    couleur(cr, 0x8aa0ad);
    for (double y : {16.0, 58.0}) {
        rectangle_arrondi(cr, 70, y, 8, y < 30 ? 20 : 34, 4);
        cairo_fill(cr);
    }
    return s;
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

struct Etiquette {
    std::vector<std::string> lignes;
    double taille = 0;
};

// One line when it fits at a comfortable size, else two, broken at a blank, a hyphen
// (kept) or a '|', never below 10 pixels.
Etiquette couper(const Police& p, std::string_view nom, double place)
{
    std::string une(nom);
    std::erase(une, '|');
    for (double t : {13.0, 12.5, 12.0})
        if (p.largeur(une, t) <= place)
            return {{une}, t};
    std::vector<std::pair<std::string, std::string>> coupes;
    for (std::size_t i = 0; i < nom.size(); ++i) {
        if (nom[i] != ' ' && nom[i] != '-' && nom[i] != '|')
            continue;
        // A word cut at '|' gets its hyphen, as a French reader expects.
        std::string gauche(nom.substr(0, nom[i] == ' ' ? i : i + 1)), droite(nom.substr(i + 1));
        if (nom[i] == '|')
            gauche.back() = '-';
        std::erase(gauche, '|');
        std::erase(droite, '|');
        coupes.emplace_back(gauche, droite);
    }
    for (double t = 12.0; t >= 10.0; t -= 0.5) {
        const std::pair<std::string, std::string>* meilleure = nullptr;
        double plus_large = 1e9;
        for (const auto& c : coupes) {
            const double l = std::max(p.largeur(c.first, t), p.largeur(c.second, t));
            if (l <= place && l < plus_large)
                plus_large = l, meilleure = &c;
        }
        if (meilleure)
            return {{meilleure->first, meilleure->second}, t};
    }
    if (p.largeur(une, 10) <= place)
        return {{une}, 10};
    throw std::runtime_error("food name too long for its label: " + une);
}

Surface tuile(Atelier& a, const Fiche& f)
{
    Surface s = nouvelle_surface(LARGEUR_ALIMENT, HAUTEUR_ALIMENT);
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();

    const Etiquette e = couper(a.gras, f.nom, LARGEUR_ALIMENT - 8);
    const double interligne = std::ceil(e.taille * 1.05);
    const double h_etiquette = interligne * static_cast<double>(e.lignes.size()) + 5;
    double l_etiquette = 0;
    for (const auto& l : e.lignes)
        l_etiquette = std::max(l_etiquette, a.gras.largeur(l, e.taille));
    l_etiquette = std::min<double>(LARGEUR_ALIMENT, std::ceil(l_etiquette) + 8);
    const double y_etiquette = HAUTEUR_ALIMENT - h_etiquette - 0.5;

    // The picture above the label, touching it a little so the two read as one.
    Surface dessin = f.dessin == Dessin::Frigo ? frigo() : Surface{};
    cairo_surface_t* source = dessin ? dessin.get() : a.emojis.image(f.emoji);
    Surface teinte = f.teintes.empty() ? Surface{} : teinter(source, f.teintes);
    if (teinte)
        source = teinte.get();
    Surface compose = f.badge.empty() ? Surface{} : composer(a, source, f.badge);
    if (compose)
        source = compose.get();
    Surface petite = ajuster(source, LARGEUR_ALIMENT - 8, y_etiquette + 1 - 6);
    Surface collee = autocollant(petite.get(), 2, 0xffffff, 0x8a8070);
    cairo_set_source_surface(cr, collee.get(), (LARGEUR_ALIMENT - largeur(collee.get())) / 2.0,
                             std::max(0.0, y_etiquette + 3 - hauteur(collee.get())));
    cairo_paint(cr);

    rectangle_arrondi(cr, (LARGEUR_ALIMENT - l_etiquette) / 2 + 0.5, y_etiquette, l_etiquette - 1,
                      h_etiquette, 5);
    couleur(cr, 0xfff6dc);
    cairo_fill_preserve(cr);
    couleur(cr, 0x8a6a48);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    couleur(cr, 0x3b2a1a);
    double y = y_etiquette + 2 + e.taille * 0.95;
    for (const auto& l : e.lignes) {
        a.gras.centrer(cr, l, e.taille, LARGEUR_ALIMENT / 2.0, y);
        y += interligne;
    }
    return s;
}
}  // namespace

std::string nom_aliment(std::string_view fichier)
{
    std::string nom(fiche(fichier).nom);
    std::erase(nom, '|');
    return nom;
}

std::vector<Image> images_aliments(Atelier& a)
{
    std::vector<Image> images;
    for (const Aliment& al : catalogue_aliments)
        images.push_back({std::string(al.image), tuile(a, fiche(al.image)), true});
    return images;
}
