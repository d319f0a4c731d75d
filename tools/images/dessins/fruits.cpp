// Berries and pods.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
namespace {
// A carob pod along a curve from (x0, y0) to (x1, y1) bowed by `courbe`, `l` wide,
// pinched between its `n` seeds; an open pod shows its pale pulp and glossy seeds.
void cosse(cairo_t* cr, double x0, double y0, double x1, double y1, double courbe, double l, int n, bool ouverte)
{
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2 + courbe;
    auto pt = [&](double t, double d) {
        const double u = 1 - t;
        const double x = u * u * x0 + 2 * u * t * cx + t * t * x1, y = u * u * y0 + 2 * u * t * cy + t * t * y1;
        const double tx = 2 * u * (cx - x0) + 2 * t * (x1 - cx), ty = 2 * u * (cy - y0) + 2 * t * (y1 - cy);
        const double m = std::hypot(tx, ty);
        return std::pair{x - ty / m * d, y + tx / m * d};
    };
    auto largeur = [&](double t) {
        const double bout = std::pow(std::min(1.0, t / 0.06), 0.5) * std::pow(std::min(1.0, (1 - t) / 0.12), 0.7);
        return l * bout * (0.86 + 0.14 * std::abs(std::sin(PI * n * (t - 0.05) / 0.9)));
    };
    auto bord = [&](double f, bool aller) {
        for (int i = 0; i <= 80; ++i) {
            const double t = aller ? i / 80.0 : 1 - i / 80.0;
            const auto [x, y] = pt(t, f * largeur(t));
            cairo_line_to(cr, x, y);
        }
    };
    cairo_new_path(cr);
    bord(-1, true);
    bord(1, false);
    cairo_close_path(cr);
    ombrer(cr, 0x4e2612, 2);
    couleur(cr, ouverte ? 0xd8b070 : 0x7a4426);
    if (ouverte) {
        bord(-0.55, true);
        bord(0.55, false);
        cairo_close_path(cr);
        cairo_fill(cr);
    } else {
        cairo_set_line_width(cr, 1.6);
        for (double f : {-0.7, 0.7}) {
            cairo_new_sub_path(cr);
            bord(f, true);
        }
        cairo_stroke(cr);
    }
    for (int k = 0; k < n; ++k) {
        const double t = 0.05 + 0.9 * (k + 0.5) / n;
        const auto [x, y] = pt(t, 0);
        const auto [xa, ya] = pt(t + 0.01, 0);
        ellipse(cr, x, y, l * 0.42, l * 0.3, std::atan2(ya - y, xa - x));
        ombrer(cr, ouverte ? 0x3a1a0a : 0x62321a, ouverte ? 1 : 0);
        reflet(cr, x - 1.5, y - 1.5, l * 0.14, l * 0.07);
    }
    const auto [sx, sy] = pt(0, 0);
    tige(cr, sx, sy, sx - 3, sy + 1, sx - 5, sy + 3, sx - 6, sy + 5, 2.5, 0x6a4a2a);
}
}  // namespace

void framboise(cairo_t* cr)
{
    // A rounded cone packed with little red drupelets, a green star of sepals on top.
    ellipse(cr, 64, 72, 46, 50);
    ombrer(cr, 0xb81a3a, 2);
    for (int r = 0; r < 8; ++r) {
        const double y = 32 + r * 11, demi = 40 * std::sin(PI * (r + 1.2) / 9.5);
        const int n = std::max(1, static_cast<int>(demi / 6));
        for (int i = 0; i <= n; ++i) {
            const double x = 64 - demi + 2 * demi * i / n + (r % 2) * 3;
            point(cr, x, y, 7.5, 0xe02a50, 1.2);
            reflet(cr, x - 2.5, y - 3, 2.4, 1.4);
        }
    }
    for (int i = 0; i < 5; ++i)
        feuille(cr, 64, 24, {.longueur = 24, .largeur = 9, .angle = -PI + i * PI / 4, .couleur = VERT, .nervure = false});
    tige(cr, 64, 22, 64, 16, 66, 10, 68, 4, 3, VERT);
}

void morelle(cairo_t* cr)
{
    // Black nightshade: a stem with soft leaves; on one side small white star flowers,
    // their petals flung back around a big bright yellow cone; on the other a little
    // umbrella of shiny berries on stalks from one point, black when ripe, some green.
    tige(cr, 4, 30, 40, 20, 80, 26, 124, 16, 2.5, 0x5a7a3a);
    for (auto [x, y, a] : {std::tuple{14.0, 28.0, -2.5}, {62.0, 23.0, -1.5}, {112.0, 18.0, -0.5}})
        feuille(cr, x, y, {.longueur = 30, .largeur = 20, .angle = a, .couleur = 0x4a8a3a, .rondeur = 0.6});
    // The flowers: two seen face on, one from the side, hanging from one stalk.
    for (auto [x, y] : {std::pair{18.0, 58.0}, {50.0, 50.0}, {36.0, 88.0}})
        tige(cr, 34, 24, 34, 36, x, y - 14, x, y, 1.2, 0x5a7a3a);
    for (auto [x, y] : {std::pair{18.0, 58.0}, {50.0, 50.0}}) {
        fleur(cr, x, y, 5, {.longueur = 20, .largeur = 8, .couleur = 0xffffff, .rondeur = 0.35, .nervure = false}, -PI / 2, 0, 0);
        point(cr, x, y, 8, 0xffd21a, 1.4);
        point(cr, x, y, 2.5, 0xd89a10, 0);
    }
    for (int k = -2; k <= 2; ++k)
        feuille(cr, 36, 86, {.longueur = 20, .largeur = 7, .angle = -PI / 2 + k * 0.42, .couleur = 0xffffff, .rondeur = 0.35, .nervure = false});
    cairo_move_to(cr, 28, 84);
    cairo_line_to(cr, 36, 108);
    cairo_line_to(cr, 44, 84);
    cairo_close_path(cr);
    ombrer(cr, 0xffd21a, 1.4);
    // The berries: one umbel, ripe black ones glossy, two still green.
    const std::tuple<double, double, std::uint32_t> baies[] = {
        {70, 66, 0x1c1a24}, {86, 60, 0x1c1a24}, {102, 62, 0x1c1a24}, {116, 70, 0x6aa040},
        {78, 82, 0x1c1a24}, {94, 80, 0x1c1a24}, {110, 86, 0x7ab04a}, {88, 96, 0x1c1a24}};
    for (auto [x, y, c] : baies)
        tige(cr, 92, 24, 92, 34, x, y - 16, x, y, 1.2, 0x5a7a3a);
    for (auto [x, y, c] : baies) {
        point(cr, x, y, 9, c, 1.3);
        reflet(cr, x - 3, y - 3.5, 3, 1.7);
    }
}

void belladone(cairo_t* cr)
{
    // Deadly nightshade: one big glossy black berry sitting on a green star of five
    // pointed sepals, a hanging purple-brown bell, broad oval leaves.
    feuille(cr, 16, 124, {.longueur = 56, .largeur = 30, .angle = -1.0, .couleur = 0x4a8a3a, .rondeur = 0.5});
    feuille(cr, 40, 40, {.longueur = 40, .largeur = 22, .angle = -2.4, .couleur = 0x4a8a3a, .rondeur = 0.5});
    tige(cr, 30, 126, 36, 80, 50, 40, 70, 10, 2.5, 0x5a7a3a);
    tige(cr, 40, 80, 50, 84, 56, 86, 58, 88, 2, 0x5a7a3a);
    for (int i = 0; i < 5; ++i)
        feuille(cr, 54, 90, {.longueur = 36, .largeur = 16, .angle = PI / 2 + 2 * PI * i / 5, .couleur = 0x4a9a3a, .rondeur = 0.3});
    point(cr, 54, 80, 24, 0x1c1420, 2);
    reflet(cr, 45, 70, 8, 4.5);
    reflet(cr, 64, 92, 3, 1.5);
    tige(cr, 60, 24, 84, 16, 98, 20, 100, 36, 2, 0x5a7a3a);
    // The bell hangs mouth down: a green cup of sepals, a purple-brown tube widening to
    // five small lobes turned out.
    cairo_move_to(cr, 94, 40);
    cairo_curve_to(cr, 90, 56, 88, 70, 84, 80);
    for (int i = 0; i < 5; ++i) {
        const double x = 84 + i * 8.4;
        cairo_curve_to(cr, x + 1, 86, x + 7, 86, x + 8.4, 80);
    }
    cairo_curve_to(cr, 118, 70, 112, 56, 106, 40);
    cairo_close_path(cr);
    ombrer(cr, 0x74304e, 1.8);
    ellipse(cr, 105, 82, 18, 3.5);
    ombrer(cr, 0x4a1a30, 0);
    for (int k = -2; k <= 2; ++k)
        feuille(cr, 100, 36, {.longueur = 16, .largeur = 7, .angle = PI / 2 + k * 0.35, .couleur = 0x5a9a3a, .nervure = false});
}

void caroube(cairo_t* cr)
{
    // Two carob pods: long, flat, dark brown, slightly curved, their thick edges
    // ridged and the seeds bulging in a row; the lower one split open on its seeds.
    cosse(cr, 6, 40, 122, 26, -16, 15, 9, false);
    cosse(cr, 8, 92, 120, 106, 14, 15, 8, true);
}

void cerise(cairo_t* cr)
{
    // Two cherries whose stalks meet at the top under one leaf.
    tige(cr, 66, 14, 56, 34, 44, 56, 40, 74, 2.5, 0x6a8a3a);
    tige(cr, 66, 14, 74, 38, 86, 60, 88, 80, 2.5, 0x6a8a3a);
    feuille(cr, 66, 14, {.longueur = 46, .largeur = 20, .angle = -0.25, .couleur = VERT, .dents = 6, .rondeur = 0.45});
    for (auto [x, y] : {std::pair{40.0, 96.0}, {88.0, 102.0}}) {
        point(cr, x, y, 24, 0xd0182a, 2);
        reflet(cr, x - 9, y - 8, 7, 4);
        couleur(cr, 0x7a0a14);
        cairo_set_line_width(cr, 1.5);
        cairo_arc(cr, x, y - 26, 6, 0.6, PI - 0.6);
        cairo_stroke(cr);
    }
}

void orange(cairo_t* cr)
{
    // An orange and, in front of it, a half cut open: the whole fruit round and big,
    // its peel dimpled, a green leaf at the stalk; the half shows the white pith ring
    // and the juicy wedges around a pale heart, the sign of an orange rather than a
    // small, flattened tangerine.
    constexpr std::uint32_t PEAU = 0xf8961c, PULPE = 0xffb838, BLANC = 0xfff4dc;
    point(cr, 52, 60, 44, PEAU, 2.2);
    for (auto [x, y] : {std::pair{34.0, 48.0}, {46.0, 36.0}, {30.0, 66.0}, {42.0, 56.0}, {58.0, 44.0}, {38.0, 80.0}, {70.0, 30.0}})
        point(cr, x, y, 1.3, nuance(PEAU, 0.82), 0);
    reflet(cr, 34, 38, 10, 6);
    tige(cr, 54, 18, 55, 16, 56, 14, 57, 12, 3, 0x6a5a2a);
    feuille(cr, 56, 15, {.longueur = 34, .largeur = 15, .angle = -0.4, .couleur = VERT, .rondeur = 0.5});
    // The half, seen face on and a little from above: rind, pith, wedges.
    const double cx = 90, cy = 94, r = 34;
    point(cr, cx, cy, r, PEAU, 2);
    point(cr, cx, cy, r - 4, BLANC, 0);
    point(cr, cx, cy, r - 7, PULPE, 0);
    couleur(cr, BLANC);
    cairo_set_line_width(cr, 2.2);
    constexpr int QUARTIERS = 10;
    for (int i = 0; i < QUARTIERS; ++i) {
        const double a = 2 * PI * i / QUARTIERS;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + (r - 7) * std::cos(a), cy + (r - 7) * std::sin(a));
    }
    cairo_stroke(cr);
    point(cr, cx, cy, 4, BLANC, 0);
    for (int i = 0; i < QUARTIERS; ++i) {
        const double a = 2 * PI * (i + 0.5) / QUARTIERS;
        reflet(cr, cx + (r - 17) * std::cos(a), cy + (r - 17) * std::sin(a), 3, 1.5, a);
    }
}
}  // namespace images::dessins
