// Grasses and their grains.
#include <cmath>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void herbe(cairo_t* cr)
{
    // A tuft of grass: thin pointed blades, some bent, in two greens.
    for (int i = 0; i < 13; ++i) {
        const double a = -PI / 2 + (i - 6) * 0.16 + (i % 3 - 1) * 0.05;
        feuille(cr, 64 + (i - 6) * 3, 124, {.longueur = 110 - std::abs(i - 6) * 9.0, .largeur = 9, .angle = a,
                                           .couleur = i % 2 ? 0x5ab03au : 0x3f9a2au, .rondeur = 0.15, .nervure = false});
    }
}

void foin(cairo_t* cr)
{
    // A bundle of dry golden grass, tied with a red string, loose ends sticking out.
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 40; ++i) {
        const double d = (i * 29 % 40) - 20, e = (i * 13 % 11) - 5;
        cairo_move_to(cr, 64 + d * 0.6 + e, 66);
        cairo_curve_to(cr, 64 + d * 1.2, 40, 64 + d * 2.4, 20, 64 + d * 2.8 + e, 6 + std::abs(e));
        cairo_move_to(cr, 64 + d * 0.6 + e, 66);
        cairo_curve_to(cr, 64 + d * 1.2, 90, 64 + d * 2.2, 110, 64 + d * 2.6 - e, 122 - std::abs(e));
        couleur(cr, i % 3 == 0 ? 0xb8902a : i % 3 == 1 ? 0xe8c860 : 0xd8b040);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    rectangle_arrondi(cr, 44, 60, 40, 12, 4);
    ombrer(cr, 0xd03a2a, 1.5);
}

void avoine(cairo_t* cr)
{
    // An oat stalk: golden spikelets dangling on thin threads from a nodding stem.
    tige(cr, 64, 126, 62, 80, 60, 40, 70, 4, 3, 0xa09040);
    feuille(cr, 62, 108, {.longueur = 50, .largeur = 10, .angle = -PI / 2 - 0.7, .couleur = 0x7aa04a, .rondeur = 0.3});
    for (int i = 0; i < 6; ++i) {
        const double y = 14 + i * 14, x = 62 + (i < 3 ? 4 : 0);
        const int cote = i % 2 ? 1 : -1;
        const double bx = x + cote * (28 + i * 4), by = y + 10;
        tige(cr, x, y, x + cote * 12, y - 8, bx, by - 12, bx, by, 1.8, 0x8a7a30);
        coque(cr, bx, by + 12, 15, 10, PI / 2, 0xe0b030, 2);
    }
}

void darisroux(cairo_t* cr)
{
    // Sorghum: a dense oval head of red-brown grains on a stout stalk with blades.
    tige(cr, 64, 126, 64, 100, 64, 80, 64, 62, 4, 0x7a9a4a);
    for (int cote : {-1, 1})
        feuille(cr, 64, 112, {.longueur = 56, .largeur = 12, .angle = -PI / 2 + cote * 0.9, .couleur = 0x6a9a4a, .rondeur = 0.3});
    for (int r = 0; r < 7; ++r) {
        const int n = 3 + (r > 0 && r < 6) + (r > 1 && r < 5);
        for (int i = 0; i < n; ++i)
            point(cr, 64 + (i - (n - 1) / 2.0) * 10, 8 + r * 9, 5.5, r % 2 ? 0xd8602a : 0xe87a3a, 1);
    }
}
}  // namespace images::dessins
