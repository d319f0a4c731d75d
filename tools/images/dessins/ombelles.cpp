// Umbels: flat or round heads of florets or berries on rays from one point.
#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

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
    // Angelica: one big round ball of green-white florets held up on a thick, hollow,
    // purple-flushed stalk, with a big swollen sheath where a leaf clasps it. The ball
    // is a globe, not the flat plate of hemlock or hogweed.
    cairo_rectangle(cr, 55, 66, 18, 62);
    ombrer(cr, 0x9a4a8a, 1.5);
    couleur(cr, 0x5a2a5a);
    cairo_set_line_width(cr, 1.2);
    for (double x : {60.5, 64.5, 68.5}) {
        cairo_move_to(cr, x, 72);
        cairo_line_to(cr, x, 126);
    }
    cairo_stroke(cr);
    for (int cote : {-1, 1})
        for (int k = -1; k <= 1; ++k)
            feuille(cr, 64 + cote * 26, 112, {.longueur = 28, .largeur = 16, .angle = -PI / 2 + cote * 1.25 + k * 0.55, .couleur = VERT_FONCE, .dents = 5});
    for (int cote : {-1, 1})
        tige(cr, 64, 114, 64 + cote * 10, 112, 64 + cote * 20, 112, 64 + cote * 26, 112, 3, 0x8a5a6a);
    cairo_move_to(cr, 56, 124);
    cairo_curve_to(cr, 40, 110, 42, 90, 58, 80);
    cairo_curve_to(cr, 64, 92, 72, 110, 72, 124);
    cairo_close_path(cr);
    ombrer(cr, 0xa8c070, 1.5);
    // The globe: a green ball of round umbellets, pale at the top where the light
    // falls, the rays showing between them near the stalk.
    couleur(cr, 0x7aa04a);
    cairo_set_line_width(cr, 2.5);
    for (int i = 0; i < 9; ++i) {
        const double a = PI / 2 + (i - 4) * 0.32;
        cairo_move_to(cr, 64, 74);
        cairo_line_to(cr, 64 + 40 * std::cos(a), 74 - 36 * std::sin(a) + 4);
    }
    cairo_stroke(cr);
    ellipse(cr, 64, 38, 44, 36);
    ombrer(cr, 0x9cc060, 1.5);
    for (int ligne = 0; ligne < 6; ++ligne) {
        const double y = 12 + ligne * 11.5, demi = std::sqrt(std::max(0.0, 1 - std::pow((y - 40) / 40, 2))) * 42;
        for (double x = 64 - demi + 6; x <= 64 + demi - 6; x += 12) {
            const double dx = x + (ligne % 2) * 6 - 3;
            const std::uint32_t c = ligne < 3 ? 0xeef4c8 : 0xd0e4a0;
            for (int k = 0; k < 6; ++k)
                point(cr, dx + 3.8 * std::cos(k * PI / 3), y + 3.8 * std::sin(k * PI / 3), 2.6, c, 0.6);
        }
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
