// Flowers, garden and wild.
#include <cmath>
#include <tuple>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void renoncule(cairo_t* cr)
{
    // Five round glossy yellow petals in a cup, a green heart, a lobed leaf below.
    tige(cr, 64, 126, 60, 100, 66, 80, 64, 64, 3, VERT);
    for (int i = 0; i < 3; ++i)
        feuille(cr, 64, 108, {.longueur = 26, .largeur = 16, .angle = -PI / 2 + (i - 1) * 0.9, .couleur = VERT, .dents = 2, .rondeur = 0.8});
    fleur(cr, 64, 50, 5, {.longueur = 34, .largeur = 30, .couleur = 0xf8d010, .rondeur = 0.95, .nervure = false}, -PI / 2, 9, 0x9ab82a);
    for (int i = 0; i < 5; ++i) {
        const double a = -PI / 2 + 2 * PI * i / 5;
        reflet(cr, 64 + 22 * std::cos(a), 50 + 22 * std::sin(a), 6, 3, a);
    }
}

void coquelicot(cairo_t* cr)
{
    // Four broad crumpled red petals around a black heart, a thin hairy stem and a bud.
    tige(cr, 64, 126, 70, 110, 58, 90, 64, 72, 2.5, 0x5a8a3a);
    tige(cr, 66, 110, 90, 100, 100, 96, 104, 84, 2, 0x5a8a3a);
    coque(cr, 104, 76, 10, 7, -PI / 2, 0x6aa04a);
    for (int i = 0; i < 4; ++i)
        feuille(cr, 64, 48, {.longueur = 46, .largeur = 50, .angle = -PI / 4 + PI / 2 * i, .couleur = 0xe8281e, .rondeur = 0.95, .nervure = false});
    point(cr, 64, 48, 11, 0x1a1a1a);
    couleur(cr, 0x2a2a2a);
    cairo_set_line_width(cr, 1.5);
    for (int i = 0; i < 12; ++i) {
        cairo_move_to(cr, 64, 48);
        cairo_line_to(cr, 64 + 16 * std::cos(i * PI / 6), 48 + 16 * std::sin(i * PI / 6));
    }
    cairo_stroke(cr);
    point(cr, 64, 48, 6, 0x3a3a4a);
}

void lin(cairo_t* cr)
{
    // Two sky-blue five-petal flowers on slender stems with narrow leaves.
    for (auto [x, y, b] : {std::tuple{40.0, 40.0, 54.0}, {92.0, 58.0, 74.0}}) {
        tige(cr, 64, 126, (64 + x) / 2, 100, x, y + 30, x, y, 2, 0x6a9a4a);
        for (double t : {0.3, 0.55})
            feuille(cr, 64 + (x - 64) * t, 126 - (126 - y) * t, {.longueur = 18, .largeur = 5, .angle = -PI / 2 + (x < 64 ? -0.6 : 0.6), .couleur = VERT, .nervure = false});
        fleur(cr, x, y, 5, {.longueur = 24, .largeur = 20, .couleur = 0x5a8ae0, .rondeur = 0.85}, -PI / 2, 5, 0xf0e080);
        (void)b;
    }
}

void liseron(cairo_t* cr)
{
    // A white trumpet with pink bands, arrow-shaped leaves on a twining stem.
    tige(cr, 20, 126, 60, 110, 10, 80, 50, 70, 2.5, 0x5a8a3a);
    for (auto [x, y, a] : {std::tuple{30.0, 100.0, -2.6}, {96.0, 110.0, -0.4}}) {
        Feuille f{.longueur = 40, .largeur = 26, .angle = a, .couleur = VERT, .rondeur = 0.3};
        feuille(cr, x, y, f);
    }
    tige(cr, 64, 124, 80, 116, 96, 112, 96, 110, 2.5, 0x5a8a3a);
    // The funnel seen from the front: a round pale mouth, pink bands to a yellow throat.
    cairo_move_to(cr, 50, 96);
    cairo_line_to(cr, 36, 40);
    cairo_line_to(cr, 92, 40);
    cairo_line_to(cr, 78, 96);
    cairo_close_path(cr);
    ombrer(cr, 0xf6e6ee, 2);
    ellipse(cr, 64, 40, 44, 30);
    ombrer(cr, 0xfff6fa, 2.5);
    couleur(cr, 0xf08ab8);
    cairo_set_line_width(cr, 3);
    for (int i = 0; i < 5; ++i) {
        const double a = -PI / 2 + 2 * PI * i / 5;
        cairo_move_to(cr, 64 + 8 * std::cos(a), 40 + 6 * std::sin(a));
        cairo_line_to(cr, 64 + 42 * std::cos(a), 40 + 28 * std::sin(a));
    }
    cairo_stroke(cr);
    point(cr, 64, 40, 7, 0xf0d050);
}

void muguet(cairo_t* cr)
{
    // An arching stem hung with round white bells, beside a broad leaf.
    feuille(cr, 50, 126, {.longueur = 110, .largeur = 40, .angle = -PI / 2 - 0.3, .couleur = 0x3f8a3a, .rondeur = 0.55});
    tige(cr, 60, 126, 64, 60, 76, 14, 118, 20, 2.5, 0x6aa04a);
    for (auto [x, y] : {std::pair{66.0, 64.0}, {70.0, 40.0}, {84.0, 22.0}, {104.0, 20.0}}) {
        tige(cr, x, y, x + 3, y + 2, x + 6, y + 5, x + 6, y + 8, 1.4, 0x6aa04a);
        const double cx = x + 6, cy = y + 20;
        cairo_move_to(cr, cx - 11, cy + 6);
        cairo_curve_to(cr, cx - 14, cy - 14, cx + 14, cy - 14, cx + 11, cy + 6);
        for (int i = 0; i < 3; ++i) {
            const double x0 = cx + 11 - i * 7.3;
            cairo_line_to(cr, x0 - 1, cy + 9);
            cairo_line_to(cr, x0 - 7.3, cy + 6);
        }
        cairo_close_path(cr);
        ombrer(cr, 0xfbfbf0, 2);
    }
}

void calla(cairo_t* cr)
{
    // One white trumpet, a yellow spike standing in it, on a long green stem.
    tige(cr, 64, 126, 62, 110, 66, 90, 64, 80, 5, 0x4a9a3a);
    feuille(cr, 60, 126, {.longueur = 60, .largeur = 30, .angle = -PI / 2 - 0.6, .couleur = VERT, .rondeur = 0.45});
    cairo_move_to(cr, 64, 86);
    cairo_curve_to(cr, 36, 60, 30, 30, 40, 8);
    cairo_curve_to(cr, 62, 18, 90, 10, 108, 14);
    cairo_curve_to(cr, 96, 30, 86, 60, 64, 86);
    cairo_close_path(cr);
    ombrer(cr, 0xfcfcf4, 2.5);
    cairo_move_to(cr, 50, 22);
    cairo_curve_to(cr, 60, 40, 70, 60, 64, 84);
    couleur(cr, 0xc8d0b0);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    tige(cr, 64, 74, 66, 60, 70, 46, 74, 32, 6, 0xf2c81a);
}

void laurierrose(cairo_t* cr)
{
    // A cluster of pink pinwheel flowers over long narrow leathery leaves.
    for (int i = 0; i < 5; ++i)
        feuille(cr, 64, 122, {.longueur = 70, .largeur = 12, .angle = -PI / 2 + (i - 2) * 0.45, .couleur = 0x3f7a4a, .rondeur = 0.4});
    for (auto [x, y, r] : {std::tuple{38.0, 46.0, 20.0}, {88.0, 42.0, 21.0}, {62.0, 22.0, 19.0}, {64.0, 62.0, 20.0}})
        fleur(cr, x, y, 5, {.longueur = r, .largeur = r * 0.9, .couleur = 0xf0509a, .rondeur = 0.8, .nervure = false}, x * 0.1, r * 0.22, 0xffe6f0);
}

void jusquiame(cairo_t* cr)
{
    // A dull yellow bell-flower netted with purple veins, a dark purple eye, hairy
    // toothed leaves.
    for (int cote : {-1, 1})
        feuille(cr, 64, 124, {.longueur = 58, .largeur = 30, .angle = -PI / 2 + cote * 0.95, .couleur = 0x6a8a4a, .dents = 5, .rondeur = 0.5});
    tige(cr, 64, 126, 64, 110, 64, 96, 64, 84, 4, 0x6a8a4a);
    fleur(cr, 64, 50, 5, {.longueur = 46, .largeur = 38, .couleur = 0xf4dc50, .rondeur = 0.9, .nervure = false}, -PI / 2, 0, 0);
    coeur_raye(cr, 64, 50, 15, 40, 1.4, 0x7a3a7a, 15, 0x4a1a4a);
}

void chardon(cairo_t* cr)
{
    // A purple brush on a spiny green bulb, spiny leaves on the stem.
    tige(cr, 64, 126, 64, 110, 64, 90, 64, 70, 4, 0x5a8a4a);
    for (int cote : {-1, 1})
        feuille(cr, 64, 104, {.longueur = 50, .largeur = 18, .angle = -PI / 2 + cote * 1.1, .couleur = 0x5a8a5a, .dents = 6, .rondeur = 0.3});
    couleur(cr, 0xb048c0);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 17; ++i) {
        const double a = -PI / 2 + (i - 8) * 0.12;
        cairo_move_to(cr, 64, 44);
        cairo_line_to(cr, 64 + 40 * std::cos(a), 48 + 40 * std::sin(a));
    }
    cairo_stroke(cr);
    ellipse(cr, 64, 58, 22, 18);
    ombrer(cr, 0x6a9a4a, 2);
    couleur(cr, 0x2f5a2a);
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 3; ++j) {
            const double x = 48 + i * 8, y = 48 + j * 9;
            cairo_move_to(cr, x - 3, y + 3);
            cairo_line_to(cr, x, y - 3);
            cairo_line_to(cr, x + 3, y + 3);
        }
    cairo_stroke(cr);
}

void anemone(cairo_t* cr)
{
    // Six broad violet petals around a big black heart ringed with dark stamens,
    // above a collar of cut leaves.
    tige(cr, 64, 126, 62, 110, 66, 96, 64, 84, 3, 0x5a8a3a);
    for (int cote : {-1, 1})
        feuille(cr, 64, 92, {.longueur = 34, .largeur = 14, .angle = -PI / 2 + cote * 1.4, .couleur = VERT, .dents = 4, .rondeur = 0.3});
    fleur(cr, 64, 50, 6, {.longueur = 42, .largeur = 34, .couleur = 0x7a3ac8, .rondeur = 0.85, .nervure = false}, -PI / 2, 0, 0);
    coeur_raye(cr, 64, 50, 18, 19, 2, 0x1a1020, 11, 0x201828);
}

void clematite(cairo_t* cr)
{
    // A climber's flower: four pointed mauve petals with a pale band, a cream tuft of
    // stamens, on a twining stem with a leaf.
    tige(cr, 10, 126, 40, 110, 20, 80, 50, 70, 2.5, 0x6a7a3a);
    feuille(cr, 30, 100, {.longueur = 36, .largeur = 18, .angle = PI + 0.4, .couleur = VERT, .rondeur = 0.4});
    for (int i = 0; i < 4; ++i) {
        const double a = -PI / 4 + PI / 2 * i;
        feuille(cr, 70, 54, {.longueur = 52, .largeur = 30, .angle = a, .couleur = 0xb060c8, .rondeur = 0.35, .nervure = false});
        feuille(cr, 70, 54, {.longueur = 40, .largeur = 8, .angle = a, .couleur = 0xe0b0ec, .rondeur = 0.3, .nervure = false});
    }
    for (int i = 0; i < 12; ++i) {
        const double a = 2 * PI * i / 12;
        point(cr, 70 + 8 * std::cos(a), 54 + 8 * std::sin(a), 3, 0xf4ecc0, 0.8);
    }
    point(cr, 70, 54, 5, 0xe8d890, 1);
}

void arum(cairo_t* cr)
{
    // Wild arum: a pale green hood curled around a dark purple spike, an arrow leaf.
    feuille(cr, 40, 124, {.longueur = 80, .largeur = 50, .angle = -PI / 2 - 0.45, .couleur = 0x3f8a3a, .rondeur = 0.35});
    tige(cr, 74, 126, 74, 110, 74, 100, 74, 90, 4, 0x6a9a4a);
    cairo_move_to(cr, 74, 96);
    cairo_curve_to(cr, 50, 80, 50, 30, 84, 4);
    cairo_curve_to(cr, 110, 30, 104, 80, 74, 96);
    cairo_close_path(cr);
    ombrer(cr, 0xd8e8a0, 2.5);
    cairo_move_to(cr, 74, 88);
    cairo_curve_to(cr, 62, 70, 64, 44, 76, 30);
    cairo_curve_to(cr, 90, 44, 90, 70, 74, 88);
    ombrer(cr, 0xa8c878, 0);
    tige(cr, 76, 84, 76, 70, 76, 56, 78, 40, 7, 0x6a2a5a);
}
}  // namespace images::dessins
