// Umbels: flat or round heads of florets or berries on rays from one point.
#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void aneth(cairo_t* cr)
{
    // Thread-fine blue-green fronds and one broad flat umbel of bright yellow florets.
    tige(cr, 64, 126, 62, 96, 66, 70, 64, 54, 3, 0x5f8a5a);
    for (auto [y, a, l] : {std::tuple{116.0, -2.7, 54.0}, {112.0, -0.45, 54.0}, {96.0, -2.8, 44.0}, {92.0, -0.35, 44.0}, {76.0, -2.5, 32.0}, {74.0, -0.65, 32.0}})
        fronde(cr, 64, y, l, a, 0x3a7a6a);
    ombelle(cr, 64, 54, 11, 50, 2.5, 0x6a8a3a, [&](double x, double y) {
        ombelle(cr, x, y, 6, 9, 2.6, 0x8a9a3a, [&](double u, double v) { point(cr, u, v, 3, 0xf8d810, 0.7); });
    });
}

void cigue(cairo_t* cr)
{
    // Hemlock: a smooth pale stem blotched with purple, fern-like leaves, and flat
    // lacy umbels of white florets.
    tige(cr, 64, 126, 62, 104, 66, 84, 64, 60, 8, 0x8ab86a);
    for (auto [y, dx] : {std::pair{120.0, -1.0}, {110.0, 1.5}, {100.0, -1.5}, {90.0, 1.0}, {80.0, -1.0}, {70.0, 1.0}})
        ellipse(cr, 64 + dx, y, 3, 4.5), ombrer(cr, 0x7a1a5a, 0);
    for (int cote : {-1, 1})
        penne(cr, 64, 104, 52, -PI / 2 + cote * 1.15, 5, {.longueur = 11, .largeur = 6, .angle = 1.1, .couleur = 0x3a7a2a, .dents = 2, .rondeur = 0.5, .nervure = false}, 0x5a8a3a);
    auto blanche = [&](double x, double y) {
        ombelle(cr, x, y, 6, 8, 2.6, 0x6a9a4a, [&](double u, double v) { point(cr, u, v, 2.6, 0xffffff, 0.9); });
    };
    ombelle(cr, 64, 60, 7, 34, 2.3, 0x6a9a4a, blanche);
    for (int cote : {-1, 1}) {
        tige(cr, 64, 84, 64 + cote * 10, 76, 64 + cote * 30, 72, 64 + cote * 38, 72, 2.5, 0x8ab86a);
        ombelle(cr, 64 + cote * 38, 72, 5, 16, 2.0, 0x6a9a4a, blanche);
    }
}

void angelique(cairo_t* cr)
{
    // Angelica: a thick, purple-flushed stalk, and at its top the rays spread out like
    // the ribs of an umbrella, each ending in a small round green ball of florets.
    // Together the balls make a globe with gaps between them, where a hydrangea is one
    // solid mop.
    cairo_rectangle(cr, 56, 70, 16, 58);
    ombrer(cr, 0x9a4a8a, 1.5);
    couleur(cr, 0x5a2a5a);
    cairo_set_line_width(cr, 1.2);
    for (double x : {61.0, 67.0}) {
        cairo_move_to(cr, x, 76);
        cairo_line_to(cr, x, 126);
    }
    cairo_stroke(cr);
    for (int cote : {-1, 1})
        feuille(cr, 64 + cote * 6, 118, {.longueur = 34, .largeur = 16, .angle = -PI / 2 + cote * 1.1, .couleur = VERT_FONCE, .dents = 5});
    // Each ray ends on a sphere round (64, 44): the outer ring at its rim, an inner
    // ring nearer its middle (rays seen coming towards us).
    std::vector<std::pair<double, double>> boules;
    for (int i = 0; i < 11; ++i) {
        const double a = PI + 0.1 + (PI - 0.2) * i / 10;
        boules.emplace_back(64 + 50 * std::cos(a), 46 + 40 * std::sin(a));
    }
    for (int i = 0; i < 4; ++i)
        boules.emplace_back(64 + (i - 1.5) * 22, 36 + std::abs(i - 1.5) * 4);
    couleur(cr, 0x6a8a3a);
    cairo_set_line_width(cr, 2.6);
    for (auto [x, y] : boules) {
        cairo_move_to(cr, 64, 72);
        cairo_line_to(cr, x, y);
    }
    cairo_stroke(cr);
    for (auto [x, y] : boules) {
        point(cr, x, y, 9, 0x9cc060, 1);
        for (int k = 0; k < 6; ++k)
            point(cr, x + 4.5 * std::cos(k * PI / 3), y + 4.5 * std::sin(k * PI / 3), 2.4, 0xe4f0b8, 0.5);
    }
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
