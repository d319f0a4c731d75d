// Trees and shrubs.
#include <cmath>
#include <tuple>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void saule(cairo_t* cr)
{
    // A weeping willow: a short trunk, long strands of narrow leaves falling to the ground.
    tige(cr, 64, 126, 60, 100, 68, 70, 64, 40, 9, 0x7a5a3a);
    ellipse(cr, 64, 36, 50, 30);
    ombrer(cr, 0x8ab84a, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 14; ++i) {
        const double x = 18 + i * 7, bas = 90 + (i * 7 % 5) * 6 - std::abs(x - 64) * 0.3;
        cairo_move_to(cr, x, 30);
        cairo_curve_to(cr, x + (x - 64) * 0.3, 50, x + (x - 64) * 0.2, 80, x + (x - 64) * 0.15, bas);
        couleur(cr, i % 2 ? 0x5a9a3a : 0x7ab04a);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
}

void acacia(cairo_t* cr)
{
    // A twig with one leaf of paired oval leaflets and a hanging bunch of white
    // pea-like flowers.
    tige(cr, 10, 10, 40, 12, 60, 14, 80, 12, 3.5, 0x7a5a3a);
    tige(cr, 70, 12, 86, 40, 100, 80, 110, 120, 1.8, 0x5a8a3a);
    for (int i = 0; i < 6; ++i) {
        const double t = (i + 0.7) / 6.5, x = 70 + 40 * t, y = 12 + 108 * t;
        for (int cote : {-1, 1})
            feuille(cr, x, y, {.longueur = 22, .largeur = 14, .angle = 1.2 + cote * 1.2, .couleur = VERT, .rondeur = 0.85, .nervure = false});
    }
    feuille(cr, 110, 120, {.longueur = 14, .largeur = 10, .angle = 1.2, .couleur = VERT, .rondeur = 0.85, .nervure = false});
    tige(cr, 36, 12, 36, 30, 38, 60, 38, 100, 1.5, 0x6a8a3a);
    for (int i = 0; i < 7; ++i) {
        const double yy = 24 + i * 13, w = 26 - i * 3.2;
        for (int cote : {-1, 1}) {
            cairo_save(cr);
            cairo_translate(cr, 38 + cote * w * 0.45, yy);
            cairo_rotate(cr, cote * 0.5);
            cairo_move_to(cr, 0, -9);
            cairo_curve_to(cr, 11, -8, 10, 8, 0, 9);
            cairo_curve_to(cr, -10, 8, -11, -8, 0, -9);
            ombrer(cr, 0xfcfaf0, 1.5);
            cairo_restore(cr);
        }
    }
}

void noisetier(cairo_t* cr)
{
    // A hazel twig: round toothed leaves, dangling yellow catkins, a cluster of nuts.
    tige(cr, 4, 60, 40, 50, 80, 40, 124, 30, 3.5, 0x7a5a3a);
    for (auto [x, y, a] : {std::tuple{30.0, 54.0, -2.0}, {70.0, 42.0, -1.2}, {104.0, 34.0, -0.8}})
        feuille(cr, x, y, {.longueur = 42, .largeur = 34, .angle = a, .couleur = VERT, .dents = 6, .rondeur = 0.8});
    for (double x : {18.0, 50.0}) {
        const double y = 58 - (x - 18) * 0.2;
        for (int i = 0; i < 7; ++i)
            point(cr, x + i * 0.8, y + 6 + i * 7, 4, 0xe0c060, 0.8);
    }
    for (auto [x, y] : {std::pair{84.0, 84.0}, {104.0, 92.0}}) {
        point(cr, x, y, 14, 0x9a5a2a, 2);
        for (int cote : {-1, 1})
            feuille(cr, x, y - 6, {.longueur = 18, .largeur = 12, .angle = -PI / 2 + cote * 0.7, .couleur = 0x8ab84a, .dents = 3, .nervure = false});
    }
    tige(cr, 92, 38, 92, 50, 94, 60, 94, 70, 2, 0x7a5a3a);
}
}  // namespace images::dessins
