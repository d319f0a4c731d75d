// Salads and leaves: rosettes, bunches and single leaves.
#include <cmath>

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

void feuille_pissenlit(cairo_t* cr)
{
    // Long leaves cut into backward teeth, spread in a rosette, one yellow head.
    for (int i = 0; i < 5; ++i)
        feuille(cr, 64, 96, {.longueur = 64 - std::abs(i - 2) * 2.0, .largeur = 22, .angle = -PI / 2 + (i - 2) * 0.62,
                             .couleur = i % 2 ? 0x7ac84au : 0x62b83au, .dents = 5, .rondeur = 0.2});
    tige(cr, 64, 96, 66, 70, 76, 46, 88, 36, 2.5, 0x8ab85a);
    fleur(cr, 88, 30, 16, {.longueur = 18, .largeur = 6, .couleur = 0xf8d020, .nervure = false}, 0, 4.5, 0xf0b010);
}

void mache(cairo_t* cr)
{
    // A rosette of small spoon-shaped leaves, seen from above.
    for (int anneau = 0; anneau < 2; ++anneau)
        for (int i = 0; i < 8; ++i) {
            const double a = 2 * PI * (i + anneau * 0.5) / 8;
            feuille(cr, 64, 68, {.longueur = anneau ? 34.0 : 54.0, .largeur = anneau ? 20.0 : 28.0, .angle = a,
                                 .couleur = anneau ? 0x4aa03au : 0x2f7a2au, .rondeur = 0.95});
        }
}

void chicoree(cairo_t* cr)
{
    // Curly endive: narrow deeply toothed leaves in a burst, a pale yellow heart.
    for (int i = 0; i < 14; ++i) {
        const double a = -PI / 2 + (i - 6.5) * 0.22;
        feuille(cr, 64, 118, {.longueur = 100 - std::abs(i - 6.5) * 6, .largeur = 16, .angle = a,
                              .couleur = i % 2 ? 0x6ab83au : 0x8ac84au, .dents = 8, .rondeur = 0.3});
    }
    for (int i = 0; i < 5; ++i)
        feuille(cr, 64, 118, {.longueur = 46, .largeur = 12, .angle = -PI / 2 + (i - 2) * 0.25, .couleur = 0xf0e07a, .dents = 4, .rondeur = 0.3});
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
    // A house plant in its pot: broad pointed leaves splashed cream in the middle.
    for (int i = 0; i < 5; ++i) {
        const double a = -PI / 2 + (i - 2) * 0.55;
        const double l = 72 - std::abs(i - 2) * 6;
        feuille(cr, 64, 92, {.longueur = l, .largeur = 36, .angle = a, .couleur = 0x2f8a3a, .rondeur = 0.45});
        feuille(cr, 64 + 14 * std::cos(a), 92 + 14 * std::sin(a),
                {.longueur = l * 0.6, .largeur = 14, .angle = a, .couleur = 0xe8f0b0, .rondeur = 0.4, .nervure = false});
    }
    cairo_move_to(cr, 36, 92);
    cairo_line_to(cr, 92, 92);
    cairo_line_to(cr, 84, 126);
    cairo_line_to(cr, 44, 126);
    cairo_close_path(cr);
    ombrer(cr, 0xc8643a, 2);
    rectangle_arrondi(cr, 32, 86, 64, 12, 3);
    ombrer(cr, 0xd8744a, 2);
}
}  // namespace images::dessins
