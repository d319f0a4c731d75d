// Prepared foods and where they are kept.
#include <cmath>
#include <tuple>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void biscotte(cairo_t* cr)
{
    // A golden rusk seen flat: a domed slice with a darker crust and an airy crumb.
    cairo_move_to(cr, 12, 118);
    cairo_line_to(cr, 12, 46);
    cairo_curve_to(cr, 12, 6, 116, 6, 116, 46);
    cairo_line_to(cr, 116, 118);
    cairo_close_path(cr);
    ombrer(cr, 0xc07a2a, 2.5);
    cairo_move_to(cr, 22, 110);
    cairo_line_to(cr, 22, 48);
    cairo_curve_to(cr, 22, 18, 106, 18, 106, 48);
    cairo_line_to(cr, 106, 110);
    cairo_close_path(cr);
    ombrer(cr, 0xf2c66a, 0);
    couleur(cr, 0xc8903a);
    for (int i = 0; i < 30; ++i)
        ellipse(cr, 30 + (i * 37 % 70), 36 + (i * 23 % 68), 2.4, 1.6), cairo_fill(cr);
}

namespace {
void bol(cairo_t* cr, std::uint32_t c)
{
    cairo_move_to(cr, 6, 66);
    cairo_curve_to(cr, 8, 110, 36, 124, 64, 124);
    cairo_curve_to(cr, 92, 124, 120, 110, 122, 66);
    cairo_close_path(cr);
    ombrer(cr, c, 2.5);
    couleur(cr, 0xffffff, 0.5);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 16, 78);
    cairo_curve_to(cr, 20, 96, 30, 106, 42, 112);
    cairo_stroke(cr);
}
}  // namespace

void cereales(cairo_t* cr)
{
    // A bowl heaped with golden flakes and honey rings, a spoon stuck in it.
    tige(cr, 80, 60, 90, 40, 100, 20, 110, 4, 5, 0xb8b8c0);
    ellipse(cr, 64, 64, 58, 14);
    ombrer(cr, 0xfff8ee, 1.5);
    for (int i = 0; i < 16; ++i) {
        const double x = 16 + (i * 43 % 96), y = 60 - (i * 7 % 22) + std::abs(x - 64) * 0.25;
        if (i % 3 == 0) {
            point(cr, x, y, 8, 0xd88a2a, 1.2);
            point(cr, x, y, 3, 0xfff8ee, 0);
        } else {
            coque(cr, x, y, 10, 7, i * 1.3, 0xe8b040, 0);
        }
    }
    bol(cr, 0xe05a3a);
}

void flocons(cairo_t* cr)
{
    // Pale oat flakes heaped in a wooden scoop, a few spilled before it.
    cairo_move_to(cr, 8, 40);
    cairo_curve_to(cr, 10, 100, 40, 112, 76, 108);
    cairo_curve_to(cr, 100, 104, 112, 80, 110, 46);
    cairo_close_path(cr);
    ombrer(cr, 0xb07a42, 2.5);
    rectangle_arrondi(cr, 104, 56, 22, 10, 4);
    ombrer(cr, 0xa06a32, 1.5);
    for (int i = 0; i < 22; ++i) {
        const double x = 16 + (i * 41 % 88), y = 46 - (i * 11 % 26) + std::abs(x - 60) * 0.3;
        coque(cr, x, y, 10, 7, i * 1.1, 0xf0e0b8, 0);
    }
    for (auto [x, y, a] : {std::tuple{30.0, 118.0, 0.3}, {58.0, 121.0, -0.5}, {86.0, 117.0, 1.2}})
        coque(cr, x, y, 9, 6, a, 0xf0e0b8, 0);
}

// A fridge, since no emoji shows one: white doors, a handle, a cold blue-grey rim.
void frigo(cairo_t* cr)
{
    rectangle_arrondi(cr, 22, 4, 84, 120, 12);
    Motif m{cairo_pattern_create_linear(22, 0, 106, 0)};
    arret(m.get(), 0, 0xffffff);
    arret(m.get(), 1, 0xd8e4ea);
    cairo_set_source(cr, m.get());
    cairo_fill_preserve(cr);
    couleur(cr, 0x6f8796);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_move_to(cr, 24, 46);
    cairo_line_to(cr, 104, 46);
    cairo_stroke(cr);
    couleur(cr, 0x8aa0ad);
    for (double y : {16.0, 58.0}) {
        rectangle_arrondi(cr, 86, y, 8, y < 30 ? 20 : 34, 4);
        cairo_fill(cr);
    }
}
}  // namespace images::dessins
