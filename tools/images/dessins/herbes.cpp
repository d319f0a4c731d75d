// Aromatic herbs: sprigs and stems set with small leaves.
#include <cmath>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void thym(cairo_t* cr)
{
    // A low rounded bush of wiry twigs set with tiny grey-green leaves, pink at the tips.
    for (int i = 0; i < 9; ++i) {
        const double a = -PI / 2 + (i - 4) * 0.3, l = 92 - std::abs(i - 4) * 6;
        const double x1 = 64 + l * std::cos(a), y1 = 124 + l * std::sin(a) * 0.95;
        tige(cr, 64, 124, 64 + l * 0.3 * std::cos(a), 124 + l * 0.5 * std::sin(a), x1, y1 + 10, x1, y1, 1.8, 0x8a6a4a);
        for (double t = 0.35; t < 0.95; t += 0.12)
            point(cr, 64 + (x1 - 64) * t, 124 + (y1 - 124) * t, 4.2, 0x7a9a6a, 1);
        point(cr, x1, y1, 4.5, 0xe08ad0, 1);
    }
}

void menthe(cairo_t* cr)
{
    // A square stem with toothed, veined leaves in crossed pairs, bright and fresh.
    tige(cr, 64, 126, 64, 90, 64, 40, 64, 8, 3.5, 0x8a5a6a);
    for (auto [y, l] : {std::pair{104.0, 44.0}, {72.0, 38.0}, {44.0, 30.0}})
        for (int cote : {-1, 1})
            feuille(cr, 64, y, {.longueur = l, .largeur = l * 0.62, .angle = -PI / 2 + cote * 1.05, .couleur = 0x7ad89a, .dents = 5, .rondeur = 0.6});
    feuille(cr, 64, 24, {.longueur = 20, .largeur = 12, .angle = -PI / 2, .couleur = 0x8ae0a8, .dents = 3});
}

void basilic(cairo_t* cr)
{
    // Big glossy cupped leaves, smooth edged, in pairs, a tuft at the top.
    tige(cr, 64, 126, 62, 96, 66, 60, 64, 30, 4, 0x6a9a3a);
    for (auto [y, l] : {std::pair{108.0, 52.0}, {74.0, 44.0}})
        for (int cote : {-1, 1}) {
            feuille(cr, 64, y, {.longueur = l, .largeur = l * 0.7, .angle = -PI / 2 + cote * 1.25, .couleur = 0x2a8a2a, .rondeur = 0.8});
            reflet(cr, 64 + cote * l * 0.45, y - l * 0.22, l * 0.16, l * 0.07, cote * -0.3);
        }
    for (int cote : {-1, 1})
        feuille(cr, 64, 42, {.longueur = 30, .largeur = 22, .angle = -PI / 2 + cote * 0.5, .couleur = 0x35982f, .rondeur = 0.8});
}

void romarin(cairo_t* cr)
{
    // Stiff woody sprigs densely set with needles, dark above and silvery below,
    // and small pale blue flowers.
    for (auto [x1, y1] : {std::pair{30.0, 10.0}, {64.0, 4.0}, {98.0, 12.0}}) {
        tige(cr, 64, 126, 64, 100, x1, y1 + 40, x1, y1, 2.5, 0x7a5a3a);
        for (double t = 0.25; t < 1.0; t += 0.055) {
            const double x = 64 + (x1 - 64) * t, y = 126 + (y1 - 126) * t;
            for (int cote : {-1, 1}) {
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, x + cote * 15, y - 6);
                couleur(cr, cote < 0 ? 0x2f5a3a : 0x4a7a5a);
                cairo_set_line_width(cr, 3.2);
                cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                cairo_stroke(cr);
            }
        }
    }
    for (auto [x, y] : {std::pair{44.0, 60.0}, {88.0, 50.0}, {60.0, 34.0}})
        fleur(cr, x, y, 4, {.longueur = 6, .largeur = 5, .couleur = 0x8ab0ea, .nervure = false}, 0.3, 1.5, 0xffffff);
}

void laurier(cairo_t* cr)
{
    // A bay sprig: stiff, glossy, dark pointed leaves set alternately along a twig.
    tige(cr, 30, 126, 44, 90, 70, 50, 96, 8, 3, 0x7a6a3a);
    for (int i = 0; i < 6; ++i) {
        const double t = 0.15 + i * 0.15, x = 30 + 66 * t + 8 * t * (1 - t), y = 126 - 118 * t;
        const int cote = i % 2 ? 1 : -1;
        feuille(cr, x, y, {.longueur = 46 - i * 3.0, .largeur = 20.0 - i, .angle = -PI / 2 + cote * 0.85 + 0.3,
                           .couleur = 0x2f6a3a, .rondeur = 0.45});
        reflet(cr, x + cote * 12 + 6, y - 14, 6, 2, -PI / 2 + cote * 0.85 + 0.3);
    }
    feuille(cr, 96, 8, {.longueur = 26, .largeur = 12, .angle = -0.9, .couleur = 0x3a7a44, .rondeur = 0.45});
}
}  // namespace images::dessins
