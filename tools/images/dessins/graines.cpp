// Nuts and seeds.
#include <cmath>
#include <tuple>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
namespace {
// One hazelnut, tip up: round, drawn to a short point, light matt brown with faint
// streaks, and at its base the broad pale rough scar where the husk held it.
void noisette_seule(cairo_t* cr, double x, double y, double r)
{
    cairo_move_to(cr, x, y - r * 1.25);
    cairo_curve_to(cr, x + r * 0.5, y - r * 0.95, x + r * 1.05, y - r * 0.5, x + r * 1.0, y + r * 0.2);
    cairo_curve_to(cr, x + r * 0.95, y + r * 0.9, x + r * 0.4, y + r * 1.05, x, y + r * 1.05);
    cairo_curve_to(cr, x - r * 0.4, y + r * 1.05, x - r * 0.95, y + r * 0.9, x - r * 1.0, y + r * 0.2);
    cairo_curve_to(cr, x - r * 1.05, y - r * 0.5, x - r * 0.5, y - r * 0.95, x, y - r * 1.25);
    cairo_close_path(cr);
    ombrer(cr, 0xc08a4e, 2);
    couleur(cr, 0x9a6634);
    cairo_set_line_width(cr, 1);
    for (int k = -2; k <= 2; ++k) {
        cairo_move_to(cr, x + k * r * 0.08, y - r * 1.1);
        cairo_curve_to(cr, x + k * r * 0.35, y - r * 0.5, x + k * r * 0.4, y + r * 0.1, x + k * r * 0.35, y + r * 0.5);
    }
    cairo_stroke(cr);
    ellipse(cr, x, y + r * 0.7, r * 0.78, r * 0.36);
    ombrer(cr, 0xe8d4a8, 1.2);
    couleur(cr, 0xb89a6a);
    for (int i = 0; i < 9; ++i)
        ellipse(cr, x - r * 0.55 + (i * 7 % 9) * r * 0.14, y + r * 0.58 + (i * 5 % 4) * r * 0.07, 0.9, 0.9), cairo_fill(cr);
}
}  // namespace

void noisette(cairo_t* cr)
{
    // Three hazelnuts: small, round, pointed at the top, light brown and matt with a
    // pale rough base; one still sitting in its frilly green husk, one cracked open on
    // its pale kernel.
    noisette_seule(cr, 22, 78, 20);
    // The husk: ragged green bracts behind the nut and wrapping its lower half.
    for (int cote : {-1, 1})
        for (int i = 0; i < 3; ++i)
            feuille(cr, 64, 96, {.longueur = 50 + i * 2.0, .largeur = 18, .angle = -PI / 2 + cote * (0.25 + i * 0.3),
                                 .couleur = 0x8ac04a, .dents = 4, .rondeur = 0.3, .nervure = false});
    noisette_seule(cr, 64, 60, 20);
    for (int cote : {-1, 1})
        feuille(cr, 64, 104, {.longueur = 26, .largeur = 18, .angle = -PI / 2 + cote * 0.95, .couleur = 0x9ad05a, .dents = 4, .rondeur = 0.4, .nervure = false});
    // The cracked one: a jagged hole in the shell's upper half shows the kernel.
    noisette_seule(cr, 106, 80, 20);
    cairo_move_to(cr, 92, 74);
    const double bord[][2] = {{96, 66}, {99, 70}, {103, 62}, {107, 68}, {111, 61}, {114, 69}, {119, 66}, {120, 76}};
    for (auto [x, y] : bord)
        cairo_line_to(cr, x, y);
    cairo_curve_to(cr, 118, 88, 96, 90, 92, 74);
    cairo_close_path(cr);
    ombrer(cr, 0x8a5a30, 1.5);
    ellipse(cr, 106, 79, 11, 8.5);
    ombrer(cr, 0xf2e2c0, 1.2);
}

void amande(cairo_t* cr)
{
    // Two almonds, flat teardrops of pitted tan shell, one split to its pale kernel.
    coque(cr, 46, 66, 42, 24, -1.9, 0xc89a6a, 0);
    couleur(cr, 0x8a6a4a);
    for (int i = 0; i < 24; ++i)
        ellipse(cr, 36 + (i * 37 % 22), 38 + (i * 53 % 52), 1.4, 1.0), cairo_fill(cr);
    coque(cr, 90, 74, 36, 20, -1.3, 0x9a5a32, 3);
}

void noix(cairo_t* cr)
{
    // A walnut in its shell: round, ridged along its seam, wrinkled all over.
    point(cr, 64, 66, 50, 0xbf9258, 2.5);
    couleur(cr, 0x6a4a24);
    cairo_set_line_width(cr, 2.2);
    for (int i = 0; i < 9; ++i) {
        const double a = i * 0.7, x = 64 + 32 * std::cos(a), y = 66 + 32 * std::sin(a);
        cairo_move_to(cr, x - 10, y);
        cairo_curve_to(cr, x - 4, y - 8, x + 4, y + 8, x + 10, y);
    }
    cairo_stroke(cr);
    tige(cr, 64, 14, 58, 50, 70, 86, 64, 118, 3, 0xb08a5a);
    reflet(cr, 44, 42, 10, 5);
}

void pistache(cairo_t* cr)
{
    // Two pistachios: beige shells split open along their seam, the green nut inside.
    for (auto [x, y, a, e] : {std::tuple{44.0, 56.0, -1.1, 1.0}, {88.0, 76.0, -0.5, 0.9}}) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a);
        cairo_scale(cr, e, e);
        // Back valve, the nut between, front valve opened a little wider.
        coque(cr, 0, -6, 40, 20, 0, 0xe6d2a4, 0);
        ellipse(cr, 2, 0, 30, 14);
        ombrer(cr, 0x8abf3a, 1.5);
        ellipse(cr, -6, -4, 16, 5);
        couleur(cr, 0xa04a6a, 0.75);
        cairo_fill(cr);
        cairo_move_to(cr, -40, 8);
        cairo_curve_to(cr, -20, 30, 24, 28, 40, 6);
        cairo_curve_to(cr, 26, 18, -16, 22, -40, 8);
        ombrer(cr, 0xdcc490, 1.5);
        cairo_restore(cr);
    }
}

void graines(cairo_t* cr)
{
    // A little heap of striped sunflower seeds and round pale seeds.
    for (int i = 0; i < 26; ++i) {
        const double x = 18 + (i * 41 % 92), y = 112 - (i / 6) * 16 - (i * 17 % 9) + std::abs(x - 64) * 0.35 * (i / 6) / 2;
        if (i % 3 == 0) {
            point(cr, x, y, 6, 0xe8d8a0, 1);
        } else {
            coque(cr, x, y, 12, 6, (i * 0.9), 0x2a2a2a, 0);
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, i * 0.9);
            couleur(cr, 0xe8e8e0);
            cairo_set_line_width(cr, 1.4);
            for (int s : {-1, 1}) {
                cairo_move_to(cr, -9, s * 2.5);
                cairo_line_to(cr, 8, s * 1.5);
            }
            cairo_stroke(cr);
            cairo_restore(cr);
        }
    }
}
}  // namespace images::dessins
