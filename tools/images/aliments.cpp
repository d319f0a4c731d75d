#include "aliments.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "dessins.hpp"
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

struct Fiche {
    std::string_view fichier;  // catalogue name without "photo/" and ".bmp"
    std::string_view nom;      // label; '|' marks where a long word may break
    std::string_view emoji = {};  // empty: drawn (dessins.cpp)
    std::vector<Teinte> teintes = {};
    std::string_view badge = {};  // a small second emoji in the lower right corner
};

// An emoji where one shows the food itself, a drawing where none does; no two foods
// share a picture, even recoloured, since a child tells them apart by their shape.
// The level is noted on each group.
const std::vector<Fiche>& fiches()
{
    static const std::vector<Fiche> f = {
        // level 1
        {"laitue", "laitue", "🥬"},
        {"epinard", "épinards"},
        {"carotte", "carotte", "🥕"},
        {"chocolat", "chocolat", "🍫"},
        {"muguet", "muguet"},
        // level 2
        {"tomate", "tomate", "🍅"},
        {"biscotte", "biscotte"},
        {"biscuit", "biscuit", "🍪"},
        {"viande", "viande", "🥩"},
        {"ble", "blé", "🌾"},
        // level 3
        {"alimentcuit", "aliment cuit", "🍲"},
        {"alimentenconserve", "conserve", "🥫"},
        {"alimentdufrigo", "aliment du frigo"},
        {"cerise", "cerise", "🍒"},
        {"endive", "endive"},
        // level 4
        {"fanedecarotte", "fanes de carotte"},
        {"foin", "foin"},
        {"fraise", "fraise", "🍓"},
        {"framboise", "framboise"},
        {"lait", "lait", "🥛"},
        // level 5
        {"melon", "melon", "🍈", {vers(VERTS, 38, 1.0, 0.05)}},
        {"noisette", "noisette"},
        // A walnut kernel is the very shape of this emoji once it is brown.
        {"noix", "noix"},
        {"pain", "pain", "🥖"},
        {"poire", "poire", "🍐"},
        // level 6
        {"thym", "thym"},
        {"orange", "orange", "🍊"},
        {"salade", "salade", "🥗"},
        {"pomme", "pomme", "🍎"},
        {"pate", "pâtes", "🍝"},
        // level 7
        {"persil", "persil", "🌿", {vers(VERTS, 115, 1.2, 0)}},
        {"crocus", "crocus", "🌷", {vers(ROSES, 272, 0.9, -0.1)}},
        {"renoncule", "renoncule"},
        {"coquelicot", "coquelicot"},
        {"sureau", "sureau"},
        // level 8
        {"concombre", "concombre", "🥒"},
        {"noisetier", "noisetier"},
        {"pommedeterre", "pomme de terre", "🥔"},
        {"osier", "osier", "🧺"},
        {"avoine", "avoine"},
        // level 9
        {"amande", "amande"},
        {"aneth", "aneth"},
        {"pistache", "pistache"},
        {"romarin", "romarin"},
        {"poivron", "poivron", "🫑", {{.de = 60, .a = 140, .sat_min = 0.3, .teinte = 6, .saturation = 1.1}}},
        // level 10
        {"artichaut", "artichaut"},
        {"fenouil", "fenouil"},
        {"avocat", "avocat", "🥑"},
        {"feuilledepissenlit", "feuille de pissenlit"},
        {"betterave", "betterave"},
        // level 11
        {"choufleur", "chou-fleur"},
        {"choux", "chou"},
        {"cereale", "céréales"},
        {"aubergine", "aubergine", "🍆"},
        {"courgette", "courgette"},
        // level 12
        {"mache", "mâche"},
        {"brocolis", "brocolis", "🥦"},
        {"kiwi", "kiwi", "🥝"},
        {"graine", "graines"},
        {"calla", "calla"},
        // level 13
        {"caroube", "caroube"},
        {"herbe", "herbe"},
        {"cerisier", "cerisier", "🌸"},
        {"darisroux", "dari roux"},
        {"arumsauvage", "arum sauvage"},
        // level 14
        {"gateau", "gâteau", "🍰"},
        {"menthe", "menthe"},
        {"basilic", "basilic"},
        {"luzerne", "luzerne", "☘️", {}, "🌸"},
        {"banane", "banane", "🍌"},
        // level 15
        {"fougasse", "fougasse", "🫓"},
        {"clematite", "clématite"},
        {"chardon", "chardon"},
        {"cigue", "ciguë"},
        {"saule", "saule"},
        // level 16
        {"merisier", "merisier", "🌳", {tout(0.9, -0.1)}, "🍒"},
        {"digitale", "digitale", "🪻", {{.de = 220, .a = 320, .teinte = 320, .saturation = 1.0}}},
        {"angelique", "angélique"},
        {"treflevert", "trèfle vert", "☘️"},
        {"liseron", "liseron"},
        // level 17
        {"pissenlit", "pissenlit", "🌼", {{.de = 20, .a = 60, .teinte = 50, .saturation = 1.1}}},
        {"avenas", "flocons d'avoine"},
        {"morelle", "morelle"},
        {"cossedepois", "cosse de pois", "🫛"},
        {"dieffenbachia", "dieffen|bachia"},
        // level 18
        {"anemone", "anémone"},
        {"laurier", "laurier"},
        {"chicoree", "chicorée"},
        {"belladone", "belladone"},
        {"celeri", "céleri"},
        // level 19
        {"laurierrose", "laurier-rose"},
        {"the", "thé", "🍵"},
        {"lin", "lin"},
        {"accacia", "acacia"},
        {"jusquiame", "jusquiame"},
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
    Surface dessin = f.emoji.empty() ? dessin_aliment(f.fichier) : Surface{};
    if (f.emoji.empty() && !dessin)
        throw std::runtime_error("no emoji and no drawing for " + std::string(f.fichier));
    cairo_surface_t* source = dessin ? dessin.get() : a.emojis.image(f.emoji);
    Surface teinte = f.teintes.empty() ? Surface{} : teinter(source, f.teintes);
    if (teinte)
        source = teinte.get();
    Surface compose = f.badge.empty() ? Surface{} : composer(a, source, f.badge);
    if (compose)
        source = compose.get();
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
    std::vector<Image> images;
    for (const Aliment& al : catalogue_aliments)
        images.push_back({std::string(al.image), tuile(a, fiche(al.image)), true});
    return images;
}
