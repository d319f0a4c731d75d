// Aromatic herbs: sprigs and stems set with small leaves.
#include <cmath>
#include <tuple>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void thym(cairo_t* cr)
{
    // A low rounded cushion of thyme: thin woody twigs forking from one root, the dome
    // thick with tiny round grey-green leaves and dotted with pink-lilac flower heads.
    // A round tuft of dots, where rosemary is a sprig of needles.
    for (int i = 0; i < 7; ++i) {
        const double a = -PI + 0.4 + (PI - 0.8) * i / 6;
        tige(cr, 64, 126, 64 + 12 * std::cos(a), 120, 64 + 40 * std::cos(a), 112 + 30 * std::sin(a),
             64 + 52 * std::cos(a), 112 + 46 * std::sin(a), 1.8, 0x7a4a2a);
    }
    // Leaves scattered over a half-ellipse on a fixed golden-angle spiral, so the tuft
    // looks dense but even.
    for (int k = 0; k < 260; ++k) {
        const double r = std::sqrt((k + 0.5) / 260), a = k * 2.39996;
        const double y = 112 - 64 * r * std::abs(std::sin(a));
        point(cr, 64 + 60 * r * std::cos(a), y, 3.2, k % 3 ? 0x72905eu : 0x5a7a4eu, 0.6);
    }
    for (auto [x, y] : {std::pair{24.0, 84.0}, {42.0, 62.0}, {64.0, 54.0}, {86.0, 62.0}, {104.0, 84.0}, {54.0, 80.0}, {76.0, 80.0}})
        for (int k = 0; k < 6; ++k)
            point(cr, x + 4 * std::cos(k * PI / 3), y + 4 * std::sin(k * PI / 3), 3.4, 0xe08ad0, 0.8);
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
    // Basil in its little pot: a dome of big smooth, glossy leaves, each cupped so its
    // rim curls down (a darker rim round a lighter, shining hump). No teeth, no
    // wrinkles: that is mint.
    cairo_move_to(cr, 36, 96);
    cairo_line_to(cr, 92, 96);
    cairo_line_to(cr, 86, 126);
    cairo_line_to(cr, 42, 126);
    cairo_close_path(cr);
    ombrer(cr, 0xc8643a, 2);
    cairo_rectangle(cr, 32, 92, 64, 9);
    ombrer(cr, 0xd8784a, 2);
    auto bombee = [&](double x, double y, double l, double a) {
        feuille(cr, x, y, {.longueur = l, .largeur = l * 0.7, .angle = a, .couleur = 0x2a9a2a, .rondeur = 0.55, .nervure = false});
        feuille(cr, x + 3 * std::cos(a), y + 3 * std::sin(a), {.longueur = l * 0.8, .largeur = l * 0.48, .angle = a, .couleur = 0x56c83e, .rondeur = 0.55});
        reflet(cr, x + l * 0.55 * std::cos(a - 0.12), y + l * 0.55 * std::sin(a - 0.12), l * 0.2, l * 0.06, a);
    };
    for (auto [a, l] : {std::pair{-PI + 0.1, 52.0}, {-0.1, 52.0}, {-2.5, 50.0}, {-0.64, 50.0}})
        bombee(64, 92, l, a);
    for (auto [a, l] : {std::pair{-2.0, 50.0}, {-1.14, 50.0}, {-1.57, 46.0}})
        bombee(64, 88, l, a);
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

void laurier(cairo_t* cr)
{
    // Bay leaves as the kitchen knows them: a short woody twig with a few broad,
    // pointed ovals, dark glossy green, each split by a clear pale midrib. Broader and
    // darker than an olive's silvery slivers; pointed and leathery, not basil.
    tige(cr, 10, 110, 40, 96, 80, 70, 118, 40, 3.5, 0x7a5a3a);
    for (auto [t, a, l] : {std::tuple{0.2, -2.1, 50.0}, {0.35, 0.6, 52.0}, {0.55, -1.7, 52.0}, {0.7, 0.2, 48.0}, {0.9, -1.0, 46.0}}) {
        const double u = 1 - t, x = u * u * u * 10 + 3 * u * u * t * 40 + 3 * u * t * t * 80 + t * t * t * 118;
        const double y = u * u * u * 110 + 3 * u * u * t * 96 + 3 * u * t * t * 70 + t * t * t * 40;
        feuille(cr, x, y, {.longueur = l, .largeur = l * 0.44, .angle = a, .couleur = 0x2a6a30, .rondeur = 0.5, .nervure = false});
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + l * 0.9 * std::cos(a), y + l * 0.9 * std::sin(a));
        couleur(cr, 0xc8dc9a);
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
        reflet(cr, x + l * 0.45 * std::cos(a - 0.22), y + l * 0.45 * std::sin(a - 0.22), l * 0.2, l * 0.05, a);
    }
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
    // Alfalfa: upright stems, leaves of three narrow oblong leaflets, topped by short
    // upright spikes of small violet flowers (longer than round clover heads).
    const double sommets[][2] = {{14, 46}, {46, 26}, {82, 24}, {114, 44}};
    for (const auto& s : sommets)
        tige(cr, 64, 126, 64, 100, s[0], s[1] + 50, s[0], s[1] + 14, 2.2, 0x5a9a3a);
    for (const auto& s : sommets) {
        for (double t : {0.3, 0.62}) {
            const double x = 64 + (s[0] - 64) * t, y = 126 + (s[1] + 40 - 126) * t;
            const double a0 = -PI / 2 + (s[0] < 64 ? -1.0 : 1.0);
            for (int k = -1; k <= 1; ++k)
                feuille(cr, x, y, {.longueur = k ? 21.0 : 25.0, .largeur = 8.5, .angle = a0 + k * 0.7, .couleur = VERT, .rondeur = 0.75});
        }
        for (int r = 0; r < 3; ++r)
            for (int cote : {-1, 1})
                ellipse(cr, s[0] + cote * (5 - r * 0.8), s[1] + 10 - r * 7, 5.2, 4.2, cote * 0.5), ombrer(cr, r % 2 ? 0x8a5ae0u : 0x6a3ac0u, 1);
        point(cr, s[0], s[1] - 9, 3.5, 0x9a7ae8, 1);
    }
}
}  // namespace images::dessins
