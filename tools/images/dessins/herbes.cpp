// Aromatic herbs: sprigs and stems set with small leaves.
#include <cmath>
#include <tuple>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void thym(cairo_t* cr)
{
    // A bunch of thyme as it is sold: thin upright woody sprigs tied with a string,
    // each set all along with tiny grey-green leaves in pairs, a small head of pale
    // pink flowers at each tip. Small leaves on sticks, where rosemary is a sprig of
    // needles.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 7; ++i) {
        const double a = -PI / 2 + (i - 3) * 0.16, l = 112 - std::abs(i - 3) * 7;
        const double x1 = 64 + l * std::cos(a) + (i % 2 ? 4 : -4), y1 = 126 + l * std::sin(a);
        tige(cr, 64 + (i - 3) * 1.5, 126, 64 + (i - 3) * 2, 100, x1, y1 + 30, x1, y1, 2.4, 0x7a4a2a);
        for (double t = 0.3; t < 1.0; t += 0.075) {
            const double x = 64 + (i - 3) * 1.5 + (x1 - 64 - (i - 3) * 1.5) * t * t, y = 126 + (y1 - 126) * t;
            for (int cote : {-1, 1})
                ellipse(cr, x + cote * 4.2, y - 1.5, 4.2, 2.3, cote * -0.5), ombrer(cr, (i + int(t * 20)) % 3 ? 0x7e9a6eu : 0x647e58u, 0.7);
        }
        // A little head of pale pink flowers at every tip, the thyme in bloom.
        for (auto [dx, dy] : {std::pair{-2.2, 0.0}, {2.2, 0.0}, {0.0, -3.0}})
            point(cr, x1 + dx, y1 - 3 + dy, 2.4, 0xf4c6dc, 0.6);
    }
    // The string round the stems.
    cairo_rectangle(cr, 54, 104, 20, 6);
    ombrer(cr, 0xd84a3a, 1);
    for (int cote : {-1, 1})
        ellipse(cr, 64 + cote * 9, 104, 7, 4, cote * 0.5), ombrer(cr, 0xd84a3a, 1);
}

void menthe(cairo_t* cr)
{
    // A sprig of mint as in a cup of tea: a few big bright leaves in opposite pairs,
    // deeply quilted by their veins and sawtoothed, the top pair small.
    tige(cr, 64, 126, 64, 100, 64, 70, 64, 44, 4, 0x6a9a4a);
    for (auto [y, l, a] : {std::tuple{108.0, 60.0, 1.55}, {76.0, 50.0, 1.3}})
        for (int cote : {-1, 1})
            feuille(cr, 64, y, {.longueur = l, .largeur = l * 0.68, .angle = -PI / 2 + cote * a, .couleur = 0x4cc04a, .dents = 9, .rondeur = 0.55, .veines = 5});
    for (int cote : {-1, 1})
        feuille(cr, 64, 48, {.longueur = 26, .largeur = 17, .angle = -PI / 2 + cote * 0.6, .couleur = 0x6ad05a, .dents = 5, .veines = 2});
}

void basilic(cairo_t* cr)
{
    // Basil in its little pot: three soft stems, each with pairs of thin, pointed, oval
    // leaves of bright glossy green, veins curving towards the tip, the top pairs small.
    // Smooth edges: a sawtooth is mint.
    cairo_move_to(cr, 40, 100);
    cairo_line_to(cr, 88, 100);
    cairo_line_to(cr, 83, 126);
    cairo_line_to(cr, 45, 126);
    cairo_close_path(cr);
    ombrer(cr, 0xc8643a, 2);
    cairo_rectangle(cr, 36, 96, 56, 8);
    ombrer(cr, 0xd8784a, 2);
    auto feuille_b = [&](double x, double y, double l, double a) {
        feuille(cr, x, y, {.longueur = l, .largeur = l * 0.56, .angle = a, .couleur = 0x3cb43a, .rondeur = 0.45, .veines = 3});
        reflet(cr, x + l * 0.5 * std::cos(a - 0.15), y + l * 0.5 * std::sin(a - 0.15), l * 0.16, l * 0.05, a);
    };
    for (auto [x0, x1, y1] : {std::tuple{56.0, 24.0, 30.0}, {72.0, 104.0, 30.0}, {64.0, 64.0, 8.0}}) {
        tige(cr, x0, 98, x0, 80, x1, y1 + 30, x1, y1, 2.6, 0x5aa040);
        const double incl = (x1 - 64) * 0.01;
        for (auto [t, l] : {std::pair{0.3, 36.0}, {0.62, 28.0}, {0.9, 17.0}}) {
            const double x = x0 + (x1 - x0) * t * t, y = 98 + (y1 - 98) * t;
            for (int cote : {-1, 1})
                feuille_b(x, y, l, -PI / 2 + incl + cote * (t < 0.5 ? 1.15 : 0.75));
        }
    }
}

void romarin(cairo_t* cr)
{
    // Two sprigs of rosemary lying across: woody stems thickly set with short dark
    // needles pointing forward, each with a silvery underside, and pale blue flowers
    // along the stem. A sprig in the hand, not a little fir tree.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (auto [x0, y0, x1, y1] : {std::tuple{6.0, 96.0, 122.0, 40.0}, {30.0, 86.0, 100.0, 104.0}}) {
        tige(cr, x0, y0, x0 + (x1 - x0) * 0.3, y0 + (y1 - y0) * 0.3, x0 + (x1 - x0) * 0.7, y0 + (y1 - y0) * 0.7, x1, y1, 3, 0x7a5a3a);
        const double a = std::atan2(y1 - y0, x1 - x0), l = std::hypot(x1 - x0, y1 - y0);
        for (double t = 0.12; t < 1.0; t += 7.0 / l)
            for (int cote : {-1, 1}) {
                const double x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t, b = a + cote * 0.75;
                const double ex = x + 17 * std::cos(b), ey = y + 17 * std::sin(b);
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, ex, ey);
                couleur(cr, 0x2a5a34);
                cairo_set_line_width(cr, 4.4);
                cairo_stroke(cr);
                cairo_move_to(cr, x + 4 * std::cos(b) - cote * 1.3 * std::cos(a), y + 4 * std::sin(b) - cote * 1.3 * std::sin(a));
                cairo_line_to(cr, ex - cote * 1.2 * std::cos(a), ey - cote * 1.2 * std::sin(a));
                couleur(cr, 0xb8c8c0);
                cairo_set_line_width(cr, 1.2);
                cairo_stroke(cr);
            }
    }
    for (auto [x, y] : {std::pair{36.0, 80.0}, {64.0, 66.0}, {94.0, 52.0}, {116.0, 42.0}, {56.0, 92.0}, {84.0, 100.0}})
        fleur(cr, x, y, 5, {.longueur = 9, .largeur = 7.5, .couleur = 0xa8c4f4, .nervure = false}, 0.3, 1.8, 0x6a7ad0);
}

// A bay leaf from its base at (x, y) along `angle`: long, narrow, pointed at both
// ends, its edge gently waved, dark and leathery with a pale midrib.
static void feuille_laurier(cairo_t* cr, double x, double y, double l, double a)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, a);
    const double w = l * 0.15;
    for (int cote : {1, -1})
        for (int k = 0; k <= 24; ++k) {
            const double u = cote > 0 ? k / 24.0 : 1 - k / 24.0;
            const double h = cote * w * std::pow(std::sin(PI * u), 0.8) * (1 + 0.12 * std::sin(u * 2 * PI * 4));
            if (k == 0 && cote > 0)
                cairo_move_to(cr, l * u, h);
            else
                cairo_line_to(cr, l * u, h);
        }
    cairo_close_path(cr);
    ombrer(cr, 0x1e4e26, 1.5);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, l * 0.92, 0);
    couleur(cr, 0xd0e0a0);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    reflet(cr, l * 0.4, -w * 0.5, l * 0.12, w * 0.12, 0);
    cairo_restore(cr);
}

void laurier(cairo_t* cr)
{
    // A sprig of bay: a short woody twig crowded at its tip with long narrow pointed
    // leaves, dark and leathery, waved at the edge, each split by a pale midrib, and a
    // few small black berries. Narrow and bunched at the tip, unlike a fruit-tree twig.
    tige(cr, 24, 124, 36, 110, 50, 92, 62, 76, 4, 0x6a4a2a);
    for (auto [a, l] : {std::pair{-2.9, 52.0}, {0.25, 52.0}, {-2.3, 58.0}, {-0.5, 58.0}, {-1.85, 62.0}, {-1.1, 62.0}, {-1.5, 50.0}})
        feuille_laurier(cr, 62, 76, l, a);
    feuille_laurier(cr, 44, 100, 40, -2.8);
    feuille_laurier(cr, 46, 96, 40, 0.1);
    for (auto [x, y] : {std::pair{36.0, 106.0}, {28.0, 100.0}, {30.0, 110.0}})
        point(cr, x, y, 5, 0x1a1a22, 1);
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
    // Alfalfa: leafy stems, every leaf a clear trefoil of three rounded leaflets, and
    // several short, plump, rounded clusters of purple flowers per stem, not the tall
    // spike of lavender nor the round head of clover.
    auto trefle = [&](double x, double y, double a) {
        for (int k = -1; k <= 1; ++k)
            feuille(cr, x, y, {.longueur = 26, .largeur = 16, .angle = a + k * 1.05, .couleur = VERT, .rondeur = 0.8});
    };
    auto grappe = [&](double x, double y) {
        ellipse(cr, x, y, 8.5, 11);
        ombrer(cr, 0x6a3ab8, 1);
        for (int r = 0; r < 4; ++r)
            for (int c = -1; c <= 1; c += 2)
                point(cr, x + c * 3.6 * (r == 0 ? 0.5 : 1), y - 8 + r * 5.5, 3, r % 2 ? 0xa07ae8u : 0x8a5ad8u, 0.6);
    };
    for (auto [x1, y1] : {std::pair{22.0, 30.0}, {64.0, 12.0}, {106.0, 30.0}}) {
        tige(cr, 64, 126, 64, 100, x1, y1 + 40, x1, y1, 2.4, 0x5a9a3a);
        const double s = x1 < 64 ? -1 : x1 > 64 ? 1 : 0;
        trefle(64 + (x1 - 64) * 0.25, 104, -PI / 2 - (s == 0 ? 1 : s) * 1.2);
        trefle(64 + (x1 - 64) * 0.55, 78 - std::abs(s) * 8, -PI / 2 + (s == 0 ? 1 : s) * 1.2);
        // Side clusters on short stalks, and one at the tip.
        const double xm = 64 + (x1 - 64) * 0.8, ym = y1 + 26;
        tige(cr, xm, ym, xm, ym, xm + (s < 0 ? 12 : -12), ym - 4, xm + (s < 0 ? 14 : -14), ym - 8, 1.6, 0x5a9a3a);
        grappe(xm + (s < 0 ? 14 : -14), ym - 12);
        grappe(x1, y1 - 4);
    }
}
}  // namespace images::dessins
