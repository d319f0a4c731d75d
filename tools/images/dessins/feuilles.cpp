// Salads and leaves: rosettes, bunches and single leaves.
#include <cmath>
#include <cstdint>
#include <tuple>

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
            cairo_line_to(cr, L * 0.8, -w * 0.9);
            cairo_line_to(cr, L, 0);
            cairo_line_to(cr, L * 0.8, w * 0.9);
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
    // Only the leaves: a flat rosette on the ground, seen slanting so it lies wide,
    // long leaves cut into deep backward teeth, each with a pale midrib. No flower:
    // that is the dandelion itself.
    cairo_save(cr);
    cairo_translate(cr, 64, 64);
    cairo_scale(cr, 1, 0.62);
    for (int i = 0; i < 7; ++i)
        dent_de_lion(cr, 0, 0, i % 2 ? 58.0 : 64.0, -PI / 2 + 0.3 + i * 2 * PI / 7, i % 2 ? 0x7ac83au : 0x5ab030u);
    point(cr, 0, 0, 6, 0xc86a7a, 1);
    cairo_restore(cr);
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
    // A tight white spindle of leaves with yellow tips, outlined since it is so pale.
    for (int i : {0, 4, 1, 3, 2}) {
        const double d = (i - 2) * 8;
        cairo_move_to(cr, 64 + d * 0.2, 126);
        cairo_curve_to(cr, 64 + d * 1.7 - 8, 104, 64 + d * 1.0 - 8, 30, 64 + d * 0.3, 2 + std::abs(d) * 1.2);
        cairo_curve_to(cr, 64 + d * 1.0 + 8, 30, 64 + d * 1.7 + 8, 104, 64 + d * 0.2, 126);
        cairo_close_path(cr);
        Motif m{cairo_pattern_create_linear(0, 124, 0, 4)};
        arret(m.get(), 0, 0xfbf8e6);
        arret(m.get(), 0.6, 0xf4efc2);
        arret(m.get(), 1, 0xd6dc5a);
        cairo_set_source(cr, m.get());
        cairo_fill_preserve(cr);
        couleur(cr, 0x8a8a4a);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
}

void dieffenbachia(cairo_t* cr)
{
    // A house plant in its pot: a thick jointed cane carrying big pointed leaves,
    // cream in the middle, green at the edges, speckled pale.
    tige(cr, 64, 110, 62, 90, 66, 60, 64, 44, 8, 0x8aa860);
    couleur(cr, 0x5a7a3a);
    cairo_set_line_width(cr, 1.5);
    for (double y : {96.0, 82.0, 68.0, 56.0}) {
        cairo_move_to(cr, 59, y);
        cairo_line_to(cr, 69, y - 1);
    }
    cairo_stroke(cr);
    for (auto [x, y, a, l] : {std::tuple{64.0, 90.0, -2.75, 58.0}, {64.0, 82.0, -0.35, 58.0}, {64.0, 62.0, -2.3, 54.0},
                              {64.0, 56.0, -0.8, 54.0}, {64.0, 44.0, -PI / 2, 48.0}}) {
        feuille(cr, x, y, {.longueur = l, .largeur = l * 0.55, .angle = a, .couleur = 0x2a7a32, .rondeur = 0.45});
        feuille(cr, x + 6 * std::cos(a), y + 6 * std::sin(a), {.longueur = l * 0.72, .largeur = l * 0.3, .angle = a, .couleur = 0xeef2b8, .rondeur = 0.45, .nervure = false});
        for (double t : {0.35, 0.6, 0.8})
            for (int cote : {-1, 1}) {
                const double px = x + l * t * std::cos(a) - cote * l * 0.17 * std::sin(a);
                const double py = y + l * t * std::sin(a) + cote * l * 0.17 * std::cos(a);
                point(cr, px, py, 2, 0xdde8b0, 0);
            }
    }
    cairo_move_to(cr, 40, 104);
    cairo_line_to(cr, 88, 104);
    cairo_line_to(cr, 82, 127);
    cairo_line_to(cr, 46, 127);
    cairo_close_path(cr);
    ombrer(cr, 0xc8643a, 2);
    rectangle_arrondi(cr, 36, 98, 56, 10, 3);
    ombrer(cr, 0xd8744a, 2);
}

void laitue(cairo_t* cr)
{
    // An iceberg lettuce cut in half: a pale, tight round head whose cut face shows
    // the crisp leaves packed in wavy arches over a white core.
    for (int cote : {-1, 1})
        feuille(cr, 64 + cote * 30, 104, {.longueur = 40, .largeur = 30, .angle = PI / 2 - cote * 1.9, .couleur = 0x7ab84a, .dents = 6, .rondeur = 0.8});
    ellipse(cr, 64, 72, 58, 46);
    ombrer(cr, 0x8ac85a, 2);
    ellipse(cr, 64, 74, 50, 39);
    ombrer(cr, 0xeaf2c0, 1.5);
    couleur(cr, 0xa8c878);
    cairo_set_line_width(cr, 2.4);
    for (int i = 1; i <= 6; ++i) {
        const double r = i * 7.5;
        for (int k = 0; k <= 30; ++k) {
            const double a = -PI * k / 30, w = 1 + 0.07 * std::sin(k * 1.3 + i * 2);
            const double x = 64 + r * 1.05 * w * std::cos(a), y = 106 + r * 1.05 * w * std::sin(a);
            k ? cairo_line_to(cr, x, y) : cairo_move_to(cr, x, y);
        }
        cairo_new_sub_path(cr);
    }
    cairo_stroke(cr);
    cairo_move_to(cr, 52, 110);
    cairo_curve_to(cr, 54, 104, 58, 98, 64, 96);
    cairo_curve_to(cr, 70, 98, 74, 104, 76, 110);
    cairo_close_path(cr);
    ombrer(cr, 0xfafae8, 1.5);
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
