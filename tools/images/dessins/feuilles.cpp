// Salads and leaves: rosettes, bunches and single leaves.
#include <cmath>
#include <cstdint>
#include <tuple>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void epinard(cairo_t* cr)
{
    // A bunch of broad, smooth, dark leaves on long stalks.
    const double angles[] = {-2.2, -1.85, -1.3, -0.95};
    for (int i = 0; i < 4; ++i) {
        const double a = angles[i], bx = 64 + 10 * std::cos(a), by = 118 + 10 * std::sin(a);
        tige(cr, 64, 120, 64, 110, bx + 25 * std::cos(a), by + 25 * std::sin(a), bx + 30 * std::cos(a),
             by + 30 * std::sin(a), 3, VERT);
        feuille(cr, bx + 28 * std::cos(a), by + 28 * std::sin(a),
                {.longueur = 62, .largeur = 40, .angle = a, .couleur = VERT_FONCE, .rondeur = 0.75});
    }
    feuille(cr, 64, 92, {.longueur = 30, .largeur = 20, .angle = -PI / 2, .couleur = 0x3a8030, .rondeur = 0.7});
}

void fanes(cairo_t* cr)
{
    // The leafy tops of a bunch of carrots, fanned out wide over their orange shoulders.
    for (int i = 0; i < 7; ++i) {
        const double a = -PI / 2 + (i - 3) * 0.4, x = 64 + (i - 3) * 4;
        const double x1 = x + 56 * std::cos(a), y1 = 82 + 56 * std::sin(a);
        tige(cr, x, 82, x + 20 * std::cos(a), 82 + 20 * std::sin(a), x1, y1 + 8, x1, y1, 2.5, 0x5a9a3a);
        fronde(cr, x1, y1, 26, a + PI, 0x3f8a2a);
        fronde(cr, x + 36 * std::cos(a), 82 + 36 * std::sin(a), 20, a + (i < 3 ? -0.9 : 0.9), 0x4a9a3a);
    }
    for (int i = 0; i < 3; ++i) {
        const double x = 46 + i * 18;
        cairo_move_to(cr, x - 11, 80);
        cairo_curve_to(cr, x - 11, 90, x - 6, 98, x, 100);
        cairo_curve_to(cr, x + 6, 98, x + 11, 90, x + 11, 80);
        cairo_close_path(cr);
        ombrer(cr, 0xf0822a, 1.8);
    }
}

// A dandelion leaf from its base at (x, y) along `angle`: a pale midrib and deep
// triangular lobes hooked back towards the base, the lion's teeth, ending in a
// broad triangle.
static void dent_de_lion(cairo_t* cr, double x, double y, double longueur, double angle, std::uint32_t c)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    const double L = longueur, w = longueur * 0.2;
    constexpr int lobes = 4;
    cairo_move_to(cr, 0, 0);
    for (int cote : {-1, 1}) {
        for (int i = 0; i < lobes; ++i) {
            const int k = cote < 0 ? i : lobes - 1 - i;
            const double u0 = 0.1 + 0.17 * k, h = w * (0.6 + 0.4 * k / lobes);
            if (cote < 0) {
                cairo_line_to(cr, L * u0, cote * h * 0.25);
                cairo_line_to(cr, L * (u0 - 0.02), cote * h);
                cairo_line_to(cr, L * (u0 + 0.17), cote * h * 0.3);
            } else {
                cairo_line_to(cr, L * (u0 + 0.17), cote * h * 0.3);
                cairo_line_to(cr, L * (u0 - 0.02), cote * h);
                cairo_line_to(cr, L * u0, cote * h * 0.25);
            }
        }
        if (cote < 0) {
            cairo_line_to(cr, L * 0.8, -w * 0.6);
            cairo_line_to(cr, L, 0);
            cairo_line_to(cr, L * 0.8, w * 0.6);
        }
    }
    cairo_line_to(cr, 0, 0);
    cairo_close_path(cr);
    ombrer(cr, c, 1.5);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, L * 0.9, 0);
    couleur(cr, 0xe8eec0);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void feuille_pissenlit(cairo_t* cr)
{
    // Only the leaves, as picked for salad: a bunch of long bright-green leaves
    // gathered at their base, cut into deep regular teeth hooked backwards, each with a
    // pale midrib. No flower: that is the dandelion itself.
    for (auto [a, l, c] : {std::tuple{-PI / 2 - 0.9, 104.0, 0x5ab830u}, {-PI / 2 + 0.9, 104.0, 0x5ab830u}, {-PI / 2 - 0.32, 122.0, 0x78cc3au}, {-PI / 2 + 0.32, 122.0, 0x78cc3au}})
        dent_de_lion(cr, 64, 126, l, a, c);
}

void mache(cairo_t* cr)
{
    // Three small rosettes of lamb's lettuce: little smooth spoon-shaped leaves, each
    // a round blade on a short pale stalk.
    for (auto [cx, cy, r] : {std::tuple{36.0, 78.0, 1.0}, {92.0, 78.0, 1.0}, {64.0, 50.0, 1.1}})
        for (int i = 0; i < 7; ++i) {
            const double a = 2 * PI * i / 7 + cx * 0.05;
            const double x = cx + 10 * r * std::cos(a), y = cy + 10 * r * std::sin(a);
            tige(cr, cx, cy, cx, cy, x, y, x, y, 2.5, 0x9ad07a);
            feuille(cr, x, y, {.longueur = 22 * r, .largeur = 17 * r, .angle = a, .couleur = i % 2 ? 0x3a8a2au : 0x2f7a26u, .rondeur = 0.95});
        }
}

void chicoree(cairo_t* cr)
{
    // A frizzy head of curly endive seen from the side: a mop of thin, finely cut,
    // crinkled leaves, dark green at the rim and blanched yellow at the heart.
    const struct {
        double rayon, epaisseur;
        std::uint32_t couleur;
    } couches[] = {{62, 6, 0x3f8a2a}, {48, 6, 0x6aae34}, {34, 5.5, 0xb8d050}, {20, 5, 0xf2ea9a}};
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (const auto& c : couches)
        for (int i = 0; i < 17; ++i) {
            const double a = -PI + 0.1 + (PI - 0.2) * (i + 0.3 * std::sin(i * 7.0)) / 16;
            const double r = c.rayon * (0.88 + 0.12 * std::sin(i * 5.3 + c.rayon));
            // A crinkled strip: an uneven zigzag from the heart out, split into three at its end.
            cairo_move_to(cr, 64, 118);
            for (int k = 1; k <= 7; ++k) {
                const double d = r * k / 7, z = (k % 2 ? 1 : -1) * (3 + 2 * std::sin(i + k * 1.7));
                cairo_line_to(cr, 64 + d * std::cos(a) - z * std::sin(a), 118 + d * std::sin(a) * 0.95 + z * std::cos(a));
            }
            const double x = 64 + r * std::cos(a), y = 118 + r * std::sin(a) * 0.95;
            for (int f = -1; f <= 1; ++f) {
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, x + 7 * std::cos(a + f * 0.9), y + 7 * std::sin(a + f * 0.9));
            }
            couleur(cr, nuance(c.couleur, 0.6));
            cairo_set_line_width(cr, c.epaisseur + 2);
            cairo_stroke_preserve(cr);
            couleur(cr, c.couleur);
            cairo_set_line_width(cr, c.epaisseur);
            cairo_stroke(cr);
        }
}

void endive(cairo_t* cr)
{
    // Two chicons as sold: tight white buds of leaves wrapped round each other, the
    // outer ones shorter so their edges overlap in scales, every tip yellow-green;
    // one outer leaf peels away from the right one. Outlined since they are so pale.
    // A leaf from the foot of the bud, `d` off its middle, `haut` tall; `ecart` bends it out.
    auto feuille_endive = [&](double d, double haut, double larg, double ecart) {
        cairo_move_to(cr, d * 0.3, 0);
        cairo_curve_to(cr, d - larg + ecart * 0.2, -haut * 0.2, d - larg * 0.8 + ecart * 0.6, -haut * 0.8, d * 0.4 + ecart, -haut);
        cairo_curve_to(cr, d + larg * 0.8 + ecart * 0.7, -haut * 0.8, d + larg + ecart * 0.3, -haut * 0.2, d * 0.3 + 2, 0);
        cairo_close_path(cr);
        Motif m{cairo_pattern_create_linear(0, 0, 0, -haut)};
        arret(m.get(), 0, 0xfbf8e6);
        arret(m.get(), 0.55, 0xf6f2cc);
        arret(m.get(), 0.85, 0xdde27a);
        arret(m.get(), 1, 0xc2d040);
        cairo_set_source(cr, m.get());
        cairo_fill_preserve(cr);
        couleur(cr, 0x80804a);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    };
    auto chicon = [&](double x, double y, double angle, double h, bool pelee) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, angle);
        if (pelee)
            feuille_endive(10, h * 0.7, 9, 30);
        feuille_endive(0, h, 15, 0);
        for (auto [d, f] : {std::pair{-7.0, 0.86}, {7.0, 0.8}, {-10.0, 0.62}, {10.0, 0.56}, {-4.0, 0.42}})
            feuille_endive(d, h * f, 10, 0);
        cairo_restore(cr);
    };
    chicon(42, 124, -0.22, 112, false);
    chicon(82, 124, 0.26, 100, true);
}

void dieffenbachia(cairo_t* cr)
{
    // A big house plant in a glazed pot: a thick jointed cane carrying a few huge
    // pointed leaves, each cream-white over most of its face with a dark green rim
    // and green flecks. Few, huge and white-hearted, where basil is many small, plain
    // green leaves in a terracotta pot.
    tige(cr, 64, 104, 62, 86, 66, 64, 64, 50, 9, 0x8aa860);
    couleur(cr, 0x5a7a3a);
    cairo_set_line_width(cr, 1.5);
    for (double y : {94.0, 80.0, 66.0}) {
        cairo_move_to(cr, 59, y);
        cairo_line_to(cr, 69, y - 1);
    }
    cairo_stroke(cr);
    for (auto [y, a, l] : {std::tuple{88.0, -2.85, 64.0}, {80.0, -0.3, 64.0}, {62.0, -2.25, 60.0}, {58.0, -0.85, 60.0},
                           {50.0, -PI / 2, 52.0}}) {
        feuille(cr, 64, y, {.longueur = l, .largeur = l * 0.6, .angle = a, .couleur = 0x24702e, .rondeur = 0.45});
        feuille(cr, 64 + 5 * std::cos(a), y + 5 * std::sin(a),
                {.longueur = l * 0.8, .largeur = l * 0.42, .angle = a, .couleur = 0xf4f6d0, .rondeur = 0.45, .nervure = false});
        for (double t : {0.3, 0.5, 0.7})
            for (int cote : {-1, 1}) {
                const double px = 64 + l * t * std::cos(a) - cote * l * 0.1 * std::sin(a);
                const double py = y + l * t * std::sin(a) + cote * l * 0.1 * std::cos(a);
                point(cr, px, py, 1.8, 0x4e9a44, 0);
            }
        cairo_move_to(cr, 64, y);
        cairo_line_to(cr, 64 + l * 0.85 * std::cos(a), y + l * 0.85 * std::sin(a));
        couleur(cr, 0x3a8a3a);
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, 38, 102);
    cairo_line_to(cr, 90, 102);
    cairo_curve_to(cr, 90, 116, 84, 127, 76, 127);
    cairo_line_to(cr, 52, 127);
    cairo_curve_to(cr, 44, 127, 38, 116, 38, 102);
    cairo_close_path(cr);
    ombrer(cr, 0x3a78c0, 2);
    reflet(cr, 48, 110, 4, 8, 0);
}

void laitue(cairo_t* cr)
{
    // A lettuce as it comes out of the garden: soft, broad, bright green leaves fanning
    // up from a pale foot, their tops ruffled in deep waves, each with a thick white
    // rib. Open and ruffled, where the cabbage is a smooth, dark, tight ball, and all
    // green, where the garden salad has red rims.
    auto feuille_frisee = [&](double angle, double longueur, double largeur, std::uint32_t c) {
        cairo_save(cr);
        cairo_translate(cr, 64, 124);
        cairo_rotate(cr, angle);
        // Around the leaf from its foot: up one side, over the broad ruffled top, down
        // the other; the waves grow from nothing at the foot to deep at the top.
        constexpr int PAS = 120;
        for (int k = 0; k <= PAS; ++k) {
            const double t = 2 * PI * k / PAS, u = (1 - std::cos(t)) / 2;
            const double vague = 1 + 0.07 * u * u * std::abs(std::sin(t * 9));
            const double x = longueur * u * vague, y = largeur / 2 * std::sin(t) * std::pow(u, 0.35) * vague;
            k ? cairo_line_to(cr, x, y) : cairo_move_to(cr, x, y);
        }
        cairo_close_path(cr);
        ombrer(cr, c, 1.6);
        cairo_move_to(cr, 0, -3);
        cairo_curve_to(cr, longueur * 0.3, -2, longueur * 0.6, -0.8, longueur * 0.8, 0);
        cairo_curve_to(cr, longueur * 0.6, 0.8, longueur * 0.3, 2, 0, 3);
        cairo_close_path(cr);
        ombrer(cr, 0xf2f6d8, 0.8);
        cairo_restore(cr);
    };
    for (auto [a, l, w, c] : {std::tuple{-PI / 2 - 1.0, 70.0, 50.0, 0x5aa83au}, {-PI / 2 + 1.0, 70.0, 50.0, 0x5aa83au},
                              {-PI / 2 - 0.55, 92.0, 56.0, 0x74c040u}, {-PI / 2 + 0.55, 92.0, 56.0, 0x74c040u},
                              {-PI / 2 - 0.18, 104.0, 54.0, 0x8cd24au}, {-PI / 2 + 0.2, 100.0, 54.0, 0x8cd24au},
                              {-PI / 2 - 0.75, 62.0, 42.0, 0xa4de5cu}, {-PI / 2 + 0.75, 62.0, 42.0, 0xa4de5cu},
                              {-PI / 2, 74.0, 46.0, 0xb2e468u}})
        feuille_frisee(a, l, w, c);
}

void salade(cairo_t* cr)
{
    // A garden salad as picked: a loose, open, upright head of frilly green leaves
    // with red rims.
    for (int anneau = 0; anneau < 3; ++anneau)
        for (int i = 0; i < 5; ++i) {
            const double a = -PI / 2 + (i - 2) * (0.42 - anneau * 0.08) + anneau * 0.1;
            const double l = 82 - anneau * 14, x = 64, y = 124;
            // A red frilly leaf with a green one laid inside it: only the rim stays red.
            feuille(cr, x, y, {.longueur = l, .largeur = l * 0.62, .angle = a, .couleur = 0xa8303e, .dents = 10, .rondeur = 0.8, .nervure = false});
            feuille(cr, x, y, {.longueur = l * 0.93, .largeur = l * 0.54, .angle = a, .couleur = 0x72c03e, .dents = 9, .rondeur = 0.8, .veines = 3});
        }
}
}  // namespace images::dessins
