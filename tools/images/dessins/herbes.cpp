// Aromatic herbs: sprigs and stems set with small leaves.
#include <cmath>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void thym(cairo_t* cr)
{
    // A small bushy tuft of thin woody twigs, forking, set with tiny grey-green leaves
    // in pairs; a few lilac flower heads on top.
    struct Brin {
        double x0, y0, x1, y1;
    };
    const Brin brins[] = {{64, 126, 22, 40}, {64, 126, 42, 20}, {64, 126, 66, 10}, {64, 126, 88, 18},
                          {64, 126, 108, 42}, {50, 90, 14, 66}, {78, 88, 116, 70}, {58, 70, 50, 30},
                          {72, 66, 80, 32}};
    for (const auto& b : brins)
        tige(cr, b.x0, b.y0, b.x0 + (b.x1 - b.x0) * 0.2, b.y0 + (b.y1 - b.y0) * 0.6, b.x1, b.y1 + 12, b.x1, b.y1, 1.6,
             0x8a5a3a);
    for (const auto& b : brins) {
        const double a = std::atan2(b.y1 - b.y0, b.x1 - b.x0);
        for (double t = 0.3; t < 1.0; t += 0.1)
            for (int cote : {-1, 1})
                feuille(cr, b.x0 + (b.x1 - b.x0) * t, b.y0 + (b.y1 - b.y0) * t,
                        {.longueur = 9, .largeur = 5.5, .angle = a + cote * 0.9, .couleur = 0x6f8f5a, .rondeur = 0.7, .nervure = false});
    }
    for (int i : {1, 2, 3})
        for (auto [dx, dy] : {std::pair{0.0, 0.0}, {-3.0, 3.0}, {3.0, 3.0}})
            point(cr, brins[i].x1 + dx, brins[i].y1 + dy, 3, 0xc898d8, 0.8);
}

void menthe(cairo_t* cr)
{
    // A square stem with toothed, quilted leaves in crossed pairs, bright and fresh.
    cairo_rectangle(cr, 61, 14, 6, 112);
    ombrer(cr, 0x7a9a5a, 1.5);
    couleur(cr, 0x5a7a3a);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, 64, 16);
    cairo_line_to(cr, 64, 124);
    cairo_stroke(cr);
    for (auto [y, l] : {std::pair{106.0, 50.0}, {70.0, 42.0}, {40.0, 32.0}})
        for (int cote : {-1, 1})
            feuille(cr, 64, y, {.longueur = l, .largeur = l * 0.66, .angle = -PI / 2 + cote * 1.1, .couleur = 0x58c060, .dents = 7, .rondeur = 0.6, .veines = 4});
    for (int cote : {-1, 1})
        feuille(cr, 64, 18, {.longueur = 20, .largeur = 13, .angle = -PI / 2 + cote * 0.35, .couleur = 0x70d070, .dents = 4, .veines = 2});
}

void basilic(cairo_t* cr)
{
    // A basil top seen from above: big bright, glossy, cupped leaves, smooth edged,
    // in crossed pairs around a small tuft.
    for (int i = 0; i < 4; ++i) {
        const double a = -PI / 4 + i * PI / 2;
        feuille(cr, 64 + 6 * std::cos(a), 66 + 6 * std::sin(a), {.longueur = 58, .largeur = 40, .angle = a, .couleur = 0x3ab02a, .rondeur = 0.7, .veines = 4});
        reflet(cr, 64 + 32 * std::cos(a - 0.15), 66 + 32 * std::sin(a - 0.15), 13, 4.5, a);
    }
    for (int i = 0; i < 4; ++i) {
        const double a = i * PI / 2;
        feuille(cr, 64, 66, {.longueur = 36, .largeur = 26, .angle = a, .couleur = 0x4cc03a, .rondeur = 0.7, .veines = 3});
        reflet(cr, 64 + 19 * std::cos(a - 0.15), 66 + 19 * std::sin(a - 0.15), 6, 2.2, a);
    }
    for (int i = 0; i < 4; ++i)
        feuille(cr, 64, 66, {.longueur = 14, .largeur = 10, .angle = PI / 4 + i * PI / 2, .couleur = 0x6ad04a, .rondeur = 0.7});
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
    // A bay sprig: long, stiff, pointed, dark glossy leaves with smooth edges set
    // alternately along a brown twig.
    tige(cr, 30, 126, 44, 90, 70, 50, 96, 8, 3.5, 0x7a5a3a);
    for (int i = 0; i < 6; ++i) {
        const double t = 0.12 + i * 0.15, x = 30 + 66 * t + 8 * t * (1 - t), y = 126 - 118 * t;
        const int cote = i % 2 ? 1 : -1;
        const double a = -PI / 2 + cote * 0.9 + 0.35;
        feuille(cr, x, y, {.longueur = 54 - i * 3.0, .largeur = 17.0 - i, .angle = a, .couleur = 0x245a2e, .rondeur = 0.45});
        reflet(cr, x + 20 * std::cos(a - 0.12), y + 20 * std::sin(a - 0.12), 8, 2, a);
    }
    feuille(cr, 96, 8, {.longueur = 30, .largeur = 11, .angle = -0.9, .couleur = 0x2f6a36, .rondeur = 0.45});
}

void persil(cairo_t* cr)
{
    // A bunch of parsley: long thin green stalks, each ending in a bright leaflet cut
    // in three deeply toothed lobes, a smaller pair lower down.
    for (int i = 0; i < 4; ++i) {
        const double a = -PI / 2 + (i - 1.5) * 0.5, l = 72 - std::abs(i - 1.5) * 8;
        const double x = 64 + l * std::cos(a), y = 124 + l * std::sin(a);
        tige(cr, 64, 126, 64 + l * 0.3 * std::cos(a), 124 + l * 0.4 * std::sin(a), x, y + 10, x, y, 1.6, 0x6ab83a);
        for (int k = -1; k <= 1; ++k)
            feuille(cr, x, y, {.longueur = k ? 20.0 : 24.0, .largeur = 13, .angle = a + k * 0.85, .couleur = 0x34b02a, .dents = 3, .rondeur = 0.5});
        const double xm = 64 + l * 0.55 * std::cos(a), ym = 124 + l * 0.55 * std::sin(a);
        for (int k : {-1, 1})
            feuille(cr, xm, ym, {.longueur = 14, .largeur = 10, .angle = a + k * 0.9, .couleur = 0x34b02a, .dents = 2, .rondeur = 0.5, .nervure = false});
    }
}

void luzerne(cairo_t* cr)
{
    // Alfalfa in flower: a leafy clump of stems, small leaves in threes, and short
    // round heads of violet pea flowers at the tips.
    const double sommets[][2] = {{20, 44}, {44, 22}, {72, 14}, {100, 28}, {114, 58}};
    for (const auto& s : sommets)
        tige(cr, 64, 126, 64, 100, s[0], s[1] + 40, s[0], s[1] + 8, 2, 0x5a9a3a);
    for (const auto& s : sommets) {
        for (double t : {0.35, 0.65}) {
            const double x = 64 + (s[0] - 64) * t, y = 126 + (s[1] + 30 - 126) * t;
            for (int k = -1; k <= 1; ++k)
                feuille(cr, x, y, {.longueur = 16, .largeur = 9, .angle = -PI / 2 + (s[0] < 64 ? -0.9 : 0.9) + k * 0.6, .couleur = VERT, .dents = 2, .rondeur = 0.6, .nervure = false});
        }
        for (int k = 0; k < 8; ++k) {
            const double a = k * PI / 4;
            ellipse(cr, s[0] + 6 * std::cos(a), s[1] + 7 * std::sin(a), 4.5, 3.5, a), ombrer(cr, 0x7a4ad0, 1);
        }
        point(cr, s[0], s[1], 4, 0x9a70e8, 1);
    }
}
}  // namespace images::dessins
