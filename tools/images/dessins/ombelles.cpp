// Umbels: flat or round heads of florets or berries on rays from one point.
#include <cmath>
#include <tuple>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void aneth(cairo_t* cr)
{
    // Thread-fine blue-green fronds and a flat yellow umbel on a tall stalk.
    tige(cr, 64, 126, 62, 90, 66, 60, 64, 42, 3, 0x5f8a4a);
    for (auto [y, a, l] : {std::tuple{110.0, -2.6, 50.0}, {108.0, -0.5, 50.0}, {88.0, -2.8, 42.0}, {84.0, -0.3, 42.0}, {66.0, -2.4, 30.0}, {64.0, -0.7, 30.0}})
        fronde(cr, 64, y, l, a, 0x2f7a4a);
    ombelle(cr, 64, 42, 9, 34, 2.2, 0x6a8a3a, [&](double x, double y) {
        ombelle(cr, x, y, 5, 7, 2.0, 0x8a9a3a, [&](double u, double v) { point(cr, u, v, 2.4, 0xf2d21a, 0.6); });
    });
}

void cigue(cairo_t* cr)
{
    // Several small flat umbels of white florets on a purple-spotted stem, lacy leaves.
    tige(cr, 64, 126, 62, 100, 66, 80, 64, 66, 4, 0x6a9a4a);
    couleur(cr, 0x7a2a5a);
    for (double y : {120.0, 108.0, 96.0, 84.0, 74.0})
        ellipse(cr, 64 + (static_cast<int>(y) % 3 - 1), y, 1.6, 2.4), cairo_fill(cr);
    for (int cote : {-1, 1})
        fronde(cr, 64, 100, 46, -PI / 2 + cote * 1.2, 0x4a8a3a);
    ombelle(cr, 64, 66, 7, 36, 2.3, 0x6a9a4a, [&](double x, double y) {
        ombelle(cr, x, y, 6, 9, 2.4, 0x6a9a4a, [&](double u, double v) { point(cr, u, v, 2.6, 0xffffff, 0.9); });
    });
}

void angelique(cairo_t* cr)
{
    // One big ball of greenish florets on a thick hollow stem wrapped in a sheath.
    tige(cr, 64, 126, 64, 110, 64, 90, 64, 70, 8, 0x7aa85a);
    cairo_move_to(cr, 58, 110);
    cairo_curve_to(cr, 48, 96, 52, 84, 62, 78);
    cairo_line_to(cr, 70, 96);
    cairo_close_path(cr);
    ombrer(cr, 0x9ac06a, 1.5);
    feuille(cr, 66, 100, {.longueur = 46, .largeur = 26, .angle = -0.5, .couleur = VERT, .dents = 4});
    couleur(cr, 0x7a9a4a);
    cairo_set_line_width(cr, 1.5);
    for (int i = 0; i < 16; ++i) {
        const double a = 2 * PI * i / 16;
        cairo_move_to(cr, 64, 70);
        cairo_line_to(cr, 64 + 30 * std::cos(a), 44 + 30 * std::sin(a));
    }
    cairo_stroke(cr);
    for (int i = 0; i < 16; ++i) {
        const double a = 2 * PI * i / 16;
        point(cr, 64 + 32 * std::cos(a), 44 + 32 * std::sin(a), 7, 0xd8e890, 1.2);
    }
    point(cr, 64, 44, 14, 0xc8dc80, 1.2);
}

void sureau(cairo_t* cr)
{
    // A hanging flat umbel of tiny black-purple berries on red stalks, a leaf pair.
    tige(cr, 64, 2, 64, 16, 64, 24, 64, 34, 3, 0x7a3a2a);
    for (int cote : {-1, 1})
        feuille(cr, 64, 20, {.longueur = 40, .largeur = 16, .angle = -PI / 2 + cote * 1.3, .couleur = VERT, .dents = 4, .rondeur = 0.4});
    couleur(cr, 0xb0443a);
    cairo_set_line_width(cr, 1.6);
    for (int i = 0; i < 7; ++i) {
        const double a = PI / 2 + (i - 3) * 0.36;
        cairo_move_to(cr, 64, 34);
        cairo_line_to(cr, 64 + 48 * std::cos(a), 34 + 48 * std::sin(a) * 0.9);
    }
    cairo_stroke(cr);
    for (int i = 0; i < 7; ++i) {
        const double a = PI / 2 + (i - 3) * 0.36;
        const double x = 64 + 48 * std::cos(a), y = 34 + 48 * std::sin(a) * 0.9;
        for (auto [dx, dy] : {std::pair{0.0, 0.0}, {-8.0, 6.0}, {8.0, 6.0}, {-5.0, -7.0}, {5.0, -7.0}, {0.0, 12.0}})
            point(cr, x + dx, y + dy, 4.5, 0x3a1a3a);
    }
}
}  // namespace images::dessins
