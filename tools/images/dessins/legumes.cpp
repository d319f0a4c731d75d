// Vegetables: heads, bulbs, stalks and roots.
#include <cmath>
#include <tuple>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void celeri(cairo_t* cr)
{
    // Pale ribbed stalks side by side, their leaves on top.
    for (int i = 0; i < 4; ++i) {
        const double x = 36 + i * 17, haut = 40 + (i % 2) * 8;
        feuille(cr, x + 2, haut + 4, {.longueur = 30, .largeur = 22, .angle = -PI / 2 - 0.4 + i * 0.25, .couleur = VERT, .dents = 3, .rondeur = 0.7});
        cairo_move_to(cr, x - 8, 124);
        cairo_curve_to(cr, x - 9, 100, x - 6, 70, x - 4, haut);
        cairo_line_to(cr, x + 6, haut);
        cairo_curve_to(cr, x + 8, 70, x + 10, 100, x + 9, 124);
        cairo_close_path(cr);
        ombrer(cr, 0xb5dc7a, 1.8);
        couleur(cr, 0x8ab85a);
        cairo_set_line_width(cr, 1.2);
        for (double d : {-3.0, 1.0, 5.0}) {
            cairo_move_to(cr, x + d * 0.8, haut + 6);
            cairo_line_to(cr, x + d, 120);
        }
        cairo_stroke(cr);
    }
}

void chou(cairo_t* cr)
{
    // A round head with wrapping outer leaves and pale veins.
    ellipse(cr, 64, 66, 54, 50);
    ombrer(cr, 0x5aa04a, 2.5);
    ellipse(cr, 64, 56, 36, 34);
    ombrer(cr, 0x9ad06a, 2);
    for (int cote : {-1, 1}) {
        cairo_move_to(cr, 64 + cote * 4, 116);
        cairo_curve_to(cr, 64 + cote * 60, 110, 64 + cote * 62, 40, 64 + cote * 22, 26);
        cairo_curve_to(cr, 64 + cote * 46, 50, 64 + cote * 40, 96, 64 + cote * 4, 116);
        ombrer(cr, 0x3f8a3a, 2);
    }
    couleur(cr, 0xdff0c0);
    cairo_set_line_width(cr, 1.6);
    for (double a : {-2.4, -1.9, -1.3, -0.8}) {
        cairo_move_to(cr, 64, 76);
        cairo_line_to(cr, 64 + 30 * std::cos(a), 76 + 40 * std::sin(a));
    }
    cairo_stroke(cr);
}

void choufleur(cairo_t* cr)
{
    // A creamy curd of little knobs, in a crown of green leaves.
    for (int cote : {-1, 1})
        for (double a : {0.35, 0.9}) {
            const double ang = -PI / 2 + cote * (PI / 2 + a);
            feuille(cr, 64, 84, {.longueur = 54, .largeur = 34, .angle = ang, .couleur = 0x3f8a3a, .rondeur = 0.7});
        }
    feuille(cr, 64, 80, {.longueur = 44, .largeur = 40, .angle = PI / 2, .couleur = 0x4a9a3a, .rondeur = 0.8});
    ellipse(cr, 64, 58, 44, 34);
    ombrer(cr, 0xf2e8c8, 2.5);
    for (auto [x, y, r] : {std::tuple{46.0, 50.0, 13.0}, {70.0, 42.0, 14.0}, {90.0, 58.0, 12.0}, {56.0, 70.0, 13.0}, {80.0, 72.0, 12.0}, {36.0, 66.0, 10.0}, {62.0, 32.0, 11.0}})
        point(cr, x, y, r, 0xfbf3dc, 1.5);
}

void fenouil(cairo_t* cr)
{
    // A white bulb of overlapping layers, green stalks, feathery fronds.
    for (auto [x, a] : {std::pair{52.0, -2.0}, {64.0, -1.6}, {76.0, -1.2}}) {
        tige(cr, x, 70, x, 50, x + 20 * std::cos(a), 40 + 20 * std::sin(a), x + 30 * std::cos(a), 36 + 30 * std::sin(a), 5, 0x8ac05a);
        fronde(cr, x + 30 * std::cos(a), 36 + 30 * std::sin(a), 30, a, 0x4a9a3a);
        fronde(cr, x + 15 * std::cos(a), 48 + 15 * std::sin(a), 24, a + (x < 64 ? -0.6 : 0.6), 0x5aa84a);
    }
    cairo_move_to(cr, 40, 70);
    cairo_curve_to(cr, 10, 80, 16, 124, 64, 124);
    cairo_curve_to(cr, 112, 124, 118, 80, 88, 70);
    cairo_close_path(cr);
    ombrer(cr, 0xeef4d2, 2.5);
    couleur(cr, 0xb8c88a);
    cairo_set_line_width(cr, 1.8);
    for (int cote : {-1, 1}) {
        cairo_move_to(cr, 64 + cote * 20, 72);
        cairo_curve_to(cr, 64 + cote * 40, 86, 64 + cote * 34, 116, 64 + cote * 8, 122);
    }
    cairo_stroke(cr);
}

void artichaut(cairo_t* cr)
{
    // Rows of pointed scales, green tipped with violet, on a short stem.
    tige(cr, 64, 126, 64, 118, 64, 110, 64, 100, 8, 0x6a9a4a);
    for (int rang = 0; rang < 4; ++rang) {
        const double y = 96 - rang * 20, demi = 46 - rang * 8;
        const int n = 5 - (rang == 3);
        for (int i = 0; i < n; ++i) {
            const double x = 64 - demi + (2 * demi) * (n == 1 ? 0.5 : static_cast<double>(i) / (n - 1));
            const double a = -PI / 2 + (x - 64) / 70;
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, a + PI / 2);
            cairo_move_to(cr, -15, 4);
            cairo_curve_to(cr, -15, -14, -5, -22, 0, -28);
            cairo_curve_to(cr, 5, -22, 15, -14, 15, 4);
            cairo_close_path(cr);
            ombrer(cr, 0x6a9a4a, 2);
            cairo_move_to(cr, -8, -14);
            cairo_line_to(cr, 0, -28);
            cairo_line_to(cr, 8, -14);
            cairo_close_path(cr);
            ombrer(cr, 0x8a3a9a, 1);
            cairo_restore(cr);
        }
    }
}

void courgette(cairo_t* cr)
{
    // A courgette lying on its side: long, dark green and glossy with fine pale
    // speckles, a star-shaped cap on its stem end, its big yellow flower still at the tip.
    // Lying flat rather than slanting, so that it never takes the carrot's pose.
    cairo_save(cr);
    cairo_translate(cr, 58, 84);
    cairo_rotate(cr, 0.12);
    cairo_move_to(cr, -52, -11);
    cairo_curve_to(cr, -10, -13, 20, -16, 38, -16);
    cairo_curve_to(cr, 50, -16, 54, 16, 38, 16);
    cairo_curve_to(cr, 20, 16, -10, 13, -52, 11);
    cairo_curve_to(cr, -58, 8, -58, -8, -52, -11);
    cairo_close_path(cr);
    ombrer(cr, 0x2a5e24, 2);
    couleur(cr, 0xa8d08a);
    for (int i = 0; i < 30; ++i)
        ellipse(cr, -46 + (i * 31 % 88), (i * 17 % 22) - 11, 1.3, 0.8), cairo_fill(cr);
    reflet(cr, -4, -8, 30, 2.5, 0);
    for (int i = 0; i < 5; ++i)
        feuille(cr, -54, 0, {.longueur = 12, .largeur = 7, .angle = 2 * PI * i / 5, .couleur = 0x6a8a3a, .nervure = false});
    rectangle_arrondi(cr, -68, -4, 14, 8, 3);
    ombrer(cr, 0x8aa85a, 1.5);
    cairo_restore(cr);
    fleur(cr, 102, 62, 5, {.longueur = 26, .largeur = 20, .couleur = 0xf8b818, .rondeur = 0.7}, -0.3, 6, 0xe89018);
}

void betterave(cairo_t* cr)
{
    // A round dark red root with its thin tail, and leaves on red-veined stalks.
    for (int i = 0; i < 3; ++i) {
        const double a = -PI / 2 + (i - 1) * 0.55;
        const double bx = 64 + 28 * std::cos(a), by = 68 + 30 * std::sin(a);
        tige(cr, 64, 70, 64, 60, bx, by + 8, bx, by, 3, 0xb02a4a);
        feuille(cr, bx, by, {.longueur = 34, .largeur = 24, .angle = a, .couleur = 0x3f8a3a, .rondeur = 0.6});
    }
    tige(cr, 64, 108, 66, 116, 70, 122, 78, 126, 2, 0x8a1a3a);
    point(cr, 64, 90, 26, 0x9a1a44, 2.5);
    reflet(cr, 54, 80, 7, 3.5);
}

void concombre(cairo_t* cr)
{
    // A cucumber: lighter green with pale stripes along it and little bumps, and in
    // front a round slice, pale flesh with a ring of seeds inside a dark green rim.
    cairo_save(cr);
    cairo_translate(cr, 64, 90);
    cairo_rotate(cr, -0.25);
    rectangle_arrondi(cr, -56, -16, 112, 32, 16);
    ombrer(cr, 0x4a9a38, 2);
    couleur(cr, 0xb8e08a);
    cairo_set_line_width(cr, 2.5);
    for (double v : {-9.0, 0.0, 9.0}) {
        cairo_move_to(cr, -48, v * 0.8);
        cairo_curve_to(cr, -20, v, 20, v, 48, v * 0.8);
    }
    cairo_stroke(cr);
    for (int i = 0; i < 14; ++i)
        point(cr, -44 + i * 6.8, (i % 3 - 1) * 9 + 4.5, 1.6, 0x2f6e2a, 0.6);
    cairo_restore(cr);
    point(cr, 40, 44, 30, 0x2f7a2a, 2);
    point(cr, 40, 44, 26, 0xe6f4c4, 0);
    point(cr, 40, 44, 14, 0xcfe8a0, 0);
    for (int i = 0; i < 10; ++i) {
        const double a = 2 * PI * i / 10;
        ellipse(cr, 40 + 10 * std::cos(a), 44 + 10 * std::sin(a), 3.2, 1.8, a);
        ombrer(cr, 0xfafae6, 0.8);
    }
}
}  // namespace images::dessins
