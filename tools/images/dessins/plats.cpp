// Prepared foods and where they are kept.
#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
namespace {
// Raw pasta's pale gold: the shapes come straight from the packet, uncooked and bare.
constexpr std::uint32_t PATE = 0xf2c862;

// A penne along x: a ridged tube cut on the slant at both ends, its hollow showing.
void penne(cairo_t* cr, double cx, double cy, double angle)
{
    constexpr double L = 26, r = 9, k = 0.7;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, -L - k * r, -r);
    cairo_line_to(cr, L - k * r, -r);
    cairo_line_to(cr, L + k * r, r);
    cairo_line_to(cr, -L + k * r, r);
    cairo_close_path(cr);
    ombrer(cr, PATE, 2);
    couleur(cr, nuance(PATE, 0.7));
    cairo_set_line_width(cr, 1.3);
    for (double v : {-0.5, 0.0, 0.5}) {
        cairo_move_to(cr, -L + k * r * v + 3, r * v);
        cairo_line_to(cr, L + k * r * v - 6, r * v);
    }
    cairo_stroke(cr);
    // The open end, a dark oval along the cut.
    ellipse(cr, L, 0, 4.5, r * 1.15, -std::atan(k));
    ombrer(cr, nuance(PATE, 0.55), 1.5);
    cairo_restore(cr);
}

// A bow tie: two pinked wings pinched in the middle by a knot.
void farfalle(cairo_t* cr, double cx, double cy, double angle)
{
    constexpr double w = 30, h = 22;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, -6);
    for (int cote : {1, -1}) {
        cairo_curve_to(cr, cote * 10, -h * 0.6 * cote, cote * w * 0.7, -h * cote, cote * w, -h * cote);
        // The zigzag edge the pasta cutter leaves.
        for (int i = 1; i <= 8; ++i)
            cairo_line_to(cr, cote * (w + (i % 2 ? 3.5 : 0)), cote * (-h + 2 * h * i / 8));
        cairo_curve_to(cr, cote * w * 0.7, h * cote, cote * 10, h * 0.6 * cote, 0, 6 * cote);
    }
    cairo_close_path(cr);
    ombrer(cr, PATE, 2);
    couleur(cr, nuance(PATE, 0.7));
    cairo_set_line_width(cr, 1.3);
    for (int cote : {-1, 1})
        for (double v : {-0.45, 0.45}) {
            cairo_move_to(cr, cote * 6, v * 8);
            cairo_curve_to(cr, cote * 12, v * 14, cote * 18, v * 26, cote * 24, v * 34);
        }
    cairo_stroke(cr);
    ellipse(cr, 0, 0, 6, 9);
    ombrer(cr, nuance(PATE, 0.85), 1.6);
    cairo_restore(cr);
}

// A spiral along x: slanted turns over a darker core, the way a screw reads.
void fusilli(cairo_t* cr, double cx, double cy, double angle)
{
    constexpr double L = 28, r = 9;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    rectangle_arrondi(cr, -L, -r * 0.7, 2 * L, r * 1.4, r * 0.7);
    ombrer(cr, nuance(PATE, 0.7), 1.5);
    for (int i = 0; i < 6; ++i)
        ellipse(cr, -L + 5 + i * (2 * L - 10) / 5.0, 0, 4.2, r, 0.5), ombrer(cr, PATE, 1.5);
    cairo_restore(cr);
}
}  // namespace

void pates(cairo_t* cr)
{
    // A little heap of dry pasta: a bow tie, tubes and spirals, no sauce, no steam.
    fusilli(cr, 38, 34, 0.45);
    penne(cr, 88, 36, -0.6);
    fusilli(cr, 84, 96, -0.25);
    penne(cr, 34, 100, 0.35);
    farfalle(cr, 62, 66, -0.25);
}

namespace {
// One rusk seen flat: a rectangle with the wavy rim of a toasted slice, a golden crust
// band around a paler, finely holed crumb.
void tranche_grillee(cairo_t* cr, double cx, double cy, double angle)
{
    constexpr double l = 34, h = 27;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    auto bord = [&](double marge, double onde) {
        // Walks the rim corner to corner, bumping in and out.
        const double a = l - marge, b = h - marge;
        const double coins[5][2] = {{-a, -b}, {a, -b}, {a, b}, {-a, b}, {-a, -b}};
        cairo_move_to(cr, -a, -b);
        for (int c = 0; c < 4; ++c)
            for (int i = 1; i <= 10; ++i) {
                const double t = i / 10.0;
                const double x = coins[c][0] + (coins[c + 1][0] - coins[c][0]) * t;
                const double y = coins[c][1] + (coins[c + 1][1] - coins[c][1]) * t;
                const double o = i % 2 ? onde : 0;
                cairo_line_to(cr, x + (c == 1 ? o : c == 3 ? -o : 0), y + (c == 0 ? -o : c == 2 ? o : 0));
            }
        cairo_close_path(cr);
    };
    bord(0, 2.2);
    ombrer(cr, 0xc8782a, 2);
    bord(6, 0);
    ombrer(cr, 0xf0c474, 0);
    couleur(cr, 0xc08030);
    for (int i = 0; i < 34; ++i)
        ellipse(cr, -l + 10 + (i * 37 % 48), -h + 9 + (i * 23 % 36), 1.6, 1.1), cairo_fill(cr);
    cairo_restore(cr);
}
}  // namespace

void biscotte(cairo_t* cr)
{
    // Three rusks stacked askew: flat, golden, wavy-rimmed, finely holed all over.
    tranche_grillee(cr, 52, 42, -0.18);
    tranche_grillee(cr, 66, 62, 0.08);
    tranche_grillee(cr, 60, 86, -0.05);
}

void fougasse(cairo_t* cr)
{
    // A flat bread shaped like a big leaf lying on the table, its point to the right:
    // golden, cut right through with wide dark oval holes set like a ladder, one near
    // the point and three pairs slanting off the uncut middle. Laid long-ways it fills
    // the wide tile; the thin baked edge below it says it is flat, not a domed loaf.
    // The leaf is drawn point up, turned a quarter; `dy` shifts it down the tile.
    auto poser = [&](double dy) {
        cairo_translate(cr, 64, 64 + dy);
        cairo_rotate(cr, PI / 2);
        cairo_translate(cr, -64, -64);
    };
    auto contour = [&] {
        cairo_move_to(cr, 64, 0);
        cairo_curve_to(cr, 80, 20, 110, 40, 108, 76);
        cairo_curve_to(cr, 107, 108, 86, 128, 64, 128);
        cairo_curve_to(cr, 42, 128, 21, 108, 20, 76);
        cairo_curve_to(cr, 18, 40, 48, 20, 64, 0);
        cairo_close_path(cr);
    };
    for (auto [dy, c] : {std::pair{5.0, 0xa8601eu}, {0.0, 0xe8b054u}}) {
        cairo_save(cr);
        poser(dy);
        contour();
        cairo_restore(cr);
        ombrer(cr, c, 2.5);
    }
    cairo_save(cr);
    poser(0);
    auto trou = [&](double x0, double y0, double x1, double y1, double larg) {
        const double dx = x1 - x0, dy = y1 - y0, n = std::hypot(dx, dy);
        const double nx = -dy / n * larg, ny = dx / n * larg;
        cairo_move_to(cr, x0, y0);
        cairo_curve_to(cr, x0 + nx, y0 + ny, x1 + nx, y1 + ny, x1, y1);
        cairo_curve_to(cr, x1 - nx, y1 - ny, x0 - nx, y0 - ny, x0, y0);
        cairo_close_path(cr);
        // The baked lip around the hole, then the opening in deep shadow: a cut-out
        // hole would be filled by the sticker rim at game size and read as a white
        // egg, a dark one reads as a hole through to the board under the bread.
        couleur(cr, 0x5a3a22);
        cairo_fill_preserve(cr);
        couleur(cr, 0x9a5418);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    };
    trou(64, 12, 64, 42, 9);
    for (int cote : {-1, 1})
        for (int i = 0; i < 3; ++i) {
            const double y = 60 + i * 24;
            trou(64 + cote * 7, y, 64 + cote * (36 + i * 2), y - 22 + i * 4, 9);
        }
    cairo_restore(cr);
    // A dusting of flour.
    couleur(cr, 0xfff4dc, 0.8);
    for (int i = 0; i < 10; ++i)
        ellipse(cr, 12 + (i * 37 % 100), 42 + (i * 29 % 44), 1.5, 1.2), cairo_fill(cr);
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
    // Rolled oats heaped in a wooden bowl and spilling on the table, the oat plant
    // before them: each flake a thin, flat, rounded disc of pale oat beige, many
    // overlapping and some edge-on as thin slivers, so they read as flakes rather
    // than beans or seeds (which are plump). The plant says what they are made of.
    constexpr std::uint32_t BOIS = 0xb07a42, FLOCON = 0xecd7a4;
    // `aplati` is how much of the flake the tilt leaves: 1 face on, near 0 edge-on;
    // `graine` varies its edge so that no two flakes are cut alike.
    auto flocon = [&](double x, double y, double a, double aplati, int graine = 0) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a);
        constexpr int n = 12;
        for (int i = 0; i < n; ++i) {
            const double t = 2 * PI * i / n;
            const double k = 0.86 + ((graine * 7 + i * 5) % 5) * 0.05;
            cairo_line_to(cr, 9 * k * std::cos(t), 7 * aplati * k * std::sin(t));
        }
        cairo_close_path(cr);
        ombrer(cr, nuance(FLOCON, 0.94 + (graine % 4) * 0.03), 1.1);
        cairo_restore(cr);
    };
    // The bowl's far inside, the heap in it, then its near wall over the heap's foot.
    ellipse(cr, 80, 72, 44, 10);
    ombrer(cr, nuance(BOIS, 0.6), 1.5);
    // The heap, back to front: a mound over the bowl's rim, lower flakes drawn first.
    for (int rang = 0; rang < 5; ++rang)
        for (int i = 0; i < 8; ++i) {
            const int g = rang * 8 + i;
            const double x = 46 + i * 9.5 + (rang % 2) * 4 + (g * 5 % 7) - 3;
            const double u = (x - 80) / 40, haut = 44 * (1 - u * u);
            if (rang * 11 > haut + 6)
                continue;
            const double y = 70 - rang * 11 + (g * 3 % 5) - 2;
            flocon(x, y, g * 1.7, g % 4 == 0 ? 0.18 : 0.5 + (g * 13 % 5) * 0.1, g);
        }
    cairo_move_to(cr, 36, 72);
    cairo_curve_to(cr, 38, 104, 60, 112, 80, 112);
    cairo_curve_to(cr, 100, 112, 122, 104, 124, 72);
    cairo_curve_to(cr, 110, 80, 50, 80, 36, 72);
    cairo_close_path(cr);
    ombrer(cr, BOIS, 2.5);
    couleur(cr, 0xffffff, 0.35);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 44, 84);
    cairo_curve_to(cr, 48, 96, 56, 102, 66, 106);
    cairo_stroke(cr);
    int g = 3;
    for (auto [x, y, a, e] : {std::tuple{30.0, 114.0, 0.2, 0.45}, {40.0, 121.0, -0.3, 0.8}, {116.0, 118.0, 0.4, 0.2},
                              {104.0, 122.0, -0.1, 0.6}, {52.0, 122.0, 1.2, 0.7}})
        flocon(x, y, a, e, g++);
    // The oat plant they are rolled from, standing in front of the bowl: the same
    // loose panicle of hanging spikelets as the oats on their own.
    cairo_save(cr);
    cairo_translate(cr, -8, 44);
    cairo_scale(cr, 0.62, 0.62);
    avoine(cr);
    cairo_restore(cr);
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
