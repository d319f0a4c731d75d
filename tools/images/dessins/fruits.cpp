// Berries and pods.
#include <algorithm>
#include <cmath>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void framboise(cairo_t* cr)
{
    // A rounded cone packed with little red drupelets, a green star of sepals on top.
    ellipse(cr, 64, 72, 46, 50);
    ombrer(cr, 0xb81a3a, 2);
    for (int r = 0; r < 8; ++r) {
        const double y = 32 + r * 11, demi = 40 * std::sin(PI * (r + 1.2) / 9.5);
        const int n = std::max(1, static_cast<int>(demi / 6));
        for (int i = 0; i <= n; ++i) {
            const double x = 64 - demi + 2 * demi * i / n + (r % 2) * 3;
            point(cr, x, y, 7.5, 0xe02a50, 1.2);
            reflet(cr, x - 2.5, y - 3, 2.4, 1.4);
        }
    }
    for (int i = 0; i < 5; ++i)
        feuille(cr, 64, 24, {.longueur = 24, .largeur = 9, .angle = -PI + i * PI / 4, .couleur = VERT, .nervure = false});
    tige(cr, 64, 22, 64, 16, 66, 10, 68, 4, 3, VERT);
}

void morelle(cairo_t* cr)
{
    // Black nightshade: a drooping bunch of small shiny black berries, a white star
    // flower with a yellow cone, and a soft leaf.
    feuille(cr, 30, 60, {.longueur = 56, .largeur = 34, .angle = PI - 0.5, .couleur = 0x4a8a3a, .rondeur = 0.5});
    tige(cr, 10, 40, 40, 36, 56, 50, 66, 62, 2.5, 0x5a7a3a);
    for (auto [x, y] : {std::pair{60.0, 80.0}, {80.0, 76.0}, {70.0, 96.0}, {90.0, 94.0}, {52.0, 100.0}, {80.0, 112.0}}) {
        tige(cr, 66, 62, (66 + x) / 2, 66, x, y - 10, x, y, 1.4, 0x5a7a3a);
        point(cr, x, y, 10, 0x1c1a24, 1.5);
        reflet(cr, x - 3, y - 4, 3.5, 2);
    }
    tige(cr, 40, 36, 60, 24, 80, 22, 96, 28, 1.6, 0x5a7a3a);
    fleur(cr, 100, 30, 5, {.longueur = 18, .largeur = 9, .couleur = 0xffffff, .rondeur = 0.4, .nervure = false}, PI / 2, 0, 0);
    ellipse(cr, 100, 30, 4, 6);
    ombrer(cr, 0xf0c820, 1);
}

void belladone(cairo_t* cr)
{
    // A single glossy black berry sitting in a wide green star, and a dull purple bell.
    tige(cr, 30, 0, 40, 30, 50, 50, 60, 70, 2.5, 0x5a7a3a);
    for (int i = 0; i < 5; ++i)
        feuille(cr, 64, 82, {.longueur = 34, .largeur = 16, .angle = -PI / 2 + 2 * PI * i / 5, .couleur = 0x4a8a3a, .rondeur = 0.4});
    point(cr, 64, 80, 26, 0x1c1420, 2);
    reflet(cr, 54, 70, 8, 5);
    tige(cr, 40, 30, 60, 24, 80, 20, 92, 24, 2, 0x5a7a3a);
    cairo_move_to(cr, 86, 26);
    cairo_curve_to(cr, 84, 42, 90, 52, 96, 56);
    cairo_line_to(cr, 120, 52);
    cairo_curve_to(cr, 118, 44, 114, 32, 100, 22);
    cairo_close_path(cr);
    ombrer(cr, 0x8a4a6a, 1.8);
}

void caroube(cairo_t* cr)
{
    // A long leathery pod, dark glossy brown, curved, its seeds bulging in a row.
    cairo_move_to(cr, 10, 100);
    cairo_curve_to(cr, 30, 40, 80, 14, 120, 12);
    cairo_curve_to(cr, 122, 22, 118, 28, 110, 30);
    cairo_curve_to(cr, 76, 36, 38, 70, 26, 112);
    cairo_curve_to(cr, 20, 116, 12, 110, 10, 100);
    cairo_close_path(cr);
    ombrer(cr, 0x5a2e1a, 2.5);
    for (double t = 0.15; t < 0.95; t += 0.12) {
        const double x = 20 + 95 * t - 14 * t * (1 - t), y = 104 - 84 * t - 40 * t * (1 - t);
        ellipse(cr, x + 4, y + 2, 5, 3.5, -0.8);
        couleur(cr, 0x8a5030);
        cairo_fill(cr);
    }
    reflet(cr, 50, 52, 18, 2.5, -0.9);
}
}  // namespace images::dessins
