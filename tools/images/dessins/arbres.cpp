// Trees and shrubs.
#include <cmath>
#include <cstdint>
#include <tuple>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void saule(cairo_t* cr)
{
    // A weeping willow: a short trunk, long strands of narrow leaves falling to the ground.
    tige(cr, 64, 126, 60, 100, 68, 70, 64, 40, 9, 0x7a5a3a);
    ellipse(cr, 64, 36, 50, 30);
    ombrer(cr, 0x8ab84a, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 14; ++i) {
        const double x = 18 + i * 7, bas = 90 + (i * 7 % 5) * 6 - std::abs(x - 64) * 0.3;
        cairo_move_to(cr, x, 30);
        cairo_curve_to(cr, x + (x - 64) * 0.3, 50, x + (x - 64) * 0.2, 80, x + (x - 64) * 0.15, bas);
        couleur(cr, i % 2 ? 0x5a9a3a : 0x7ab04a);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
}

void acacia(cairo_t* cr)
{
    // A robinia twig with pairs of thorns, leaves of many small paired oval leaflets,
    // and long hanging bunches of white pea-like flowers.
    tige(cr, 4, 14, 40, 8, 80, 14, 124, 8, 3.5, 0x6a4a2a);
    for (double x : {30.0, 66.0, 104.0})
        for (int cote : {-1, 1}) {
            cairo_move_to(cr, x - 3, 11);
            cairo_line_to(cr, x + cote * 6, 11 + cote * 9 - 1);
            cairo_line_to(cr, x + 3, 11);
            cairo_close_path(cr);
            ombrer(cr, 0x8a5a3a, 1);
        }
    for (auto [x, a] : {std::pair{16.0, 2.2}, {112.0, 0.95}})
        penne(cr, x, 12, 60, a, 5, {.longueur = 16, .largeur = 10, .angle = 1.3, .couleur = 0x5a9a3a, .rondeur = 0.9, .nervure = false}, 0x5a8a3a);
    for (auto [x0, l] : {std::pair{46.0, 102.0}, {84.0, 86.0}}) {
        tige(cr, x0, 12, x0, 40, x0 + 2, 70, x0 + 2, 12 + l, 1.5, 0x7a9a4a);
        for (int i = 0; i < 9; ++i) {
            const double y = 24 + i * (l - 18) / 9, w = 24 - i * 2.2;
            const int cote = i % 2 ? 1 : -1;
            cairo_save(cr);
            cairo_translate(cr, x0 + 1 + cote * w * 0.35, y);
            cairo_rotate(cr, cote * 0.5);
            // A pea flower hangs: a round standard petal on top, a keel below it.
            ellipse(cr, 0, 0, 9, 7.5);
            ombrer(cr, 0xfcfaf0, 1.3);
            ellipse(cr, 0, 7, 4.5, 5.5);
            ombrer(cr, 0xf4f0d8, 1);
            point(cr, 0, -7, 2.4, 0x9ab86a, 0.6);
            cairo_restore(cr);
        }
    }
}

void osier(cairo_t* cr)
{
    // Pussy willow rods: thin, bare red-brown twigs carrying silver fluffy catkins,
    // each sitting in a little brown bud scale. Thin and dotted with fur, not the thick
    // pink stalks of rhubarb.
    struct Brin {
        double x0, y0, x1, y1;
    };
    const Brin brins[] = {{10, 120, 118, 14}, {30, 124, 126, 66}, {4, 96, 80, 6}};
    for (const auto& b : brins)
        tige(cr, b.x0, b.y0, b.x0 + (b.x1 - b.x0) * 0.35, b.y0 + (b.y1 - b.y0) * 0.3, b.x0 + (b.x1 - b.x0) * 0.7,
             b.y0 + (b.y1 - b.y0) * 0.72, b.x1, b.y1, 2.6, 0x8a3a2a);
    for (const auto& b : brins) {
        const double a = std::atan2(b.y1 - b.y0, b.x1 - b.x0);
        for (int i = 0; i < 4; ++i) {
            const int cote = i % 2 ? 1 : -1;
            const double t = 0.3 + 0.22 * i, x = b.x0 + (b.x1 - b.x0) * t, y = b.y0 + (b.y1 - b.y0) * t, c = a + cote * 0.6;
            const double cx = x + 9 * std::cos(c), cy = y + 9 * std::sin(c);
            ellipse(cr, cx, cy, 10, 6.5, c);
            ombrer(cr, 0xe4e4e0, 1.2);
            reflet(cr, cx - 1, cy - 2, 4, 2, c);
            ellipse(cr, x + 2 * std::cos(c), y + 2 * std::sin(c), 3.5, 2.5, c);
            ombrer(cr, 0x6a3a20, 0.8);
        }
    }
}

void noisetier(cairo_t* cr)
{
    // A hazel twig: round toothed leaves, dangling yellow catkins, a cluster of nuts.
    tige(cr, 4, 60, 40, 50, 80, 40, 124, 30, 3.5, 0x7a5a3a);
    for (auto [x, y, a] : {std::tuple{30.0, 54.0, -2.0}, {70.0, 42.0, -1.2}, {104.0, 34.0, -0.8}})
        feuille(cr, x, y, {.longueur = 42, .largeur = 34, .angle = a, .couleur = VERT, .dents = 6, .rondeur = 0.8});
    for (double x : {18.0, 50.0}) {
        const double y = 58 - (x - 18) * 0.2;
        for (int i = 0; i < 7; ++i)
            point(cr, x + i * 0.8, y + 6 + i * 7, 4, 0xe0c060, 0.8);
    }
    for (auto [x, y] : {std::pair{84.0, 84.0}, {104.0, 92.0}}) {
        point(cr, x, y, 14, 0x9a5a2a, 2);
        for (int cote : {-1, 1})
            feuille(cr, x, y - 6, {.longueur = 18, .largeur = 12, .angle = -PI / 2 + cote * 0.7, .couleur = 0x8ab84a, .dents = 3, .nervure = false});
    }
    tige(cr, 92, 38, 92, 50, 94, 60, 94, 70, 2, 0x7a5a3a);
}

void merisier(cairo_t* cr)
{
    // A wild cherry tree in summer: a straight trunk of shiny red-brown bark ringed
    // with pale bands, under a round crown of pointed toothed leaves; no fruit.
    cairo_move_to(cr, 50, 126);
    cairo_curve_to(cr, 56, 110, 56, 90, 56, 64);
    cairo_line_to(cr, 72, 64);
    cairo_curve_to(cr, 72, 90, 72, 110, 78, 126);
    cairo_close_path(cr);
    ombrer(cr, 0x8a3428, 2);
    couleur(cr, 0xd8a890);
    cairo_set_line_width(cr, 1.8);
    for (int i = 0; i < 7; ++i) {
        const double y = 74 + i * 7.5;
        cairo_move_to(cr, 57, y);
        cairo_curve_to(cr, 61, y + 1.5, 67, y + 1.5, 71, y);
    }
    cairo_stroke(cr);
    // One crown: the circles outlined first, then filled again over the inner outlines.
    const std::tuple<double, double, double> houppier[] = {{38, 50, 28}, {90, 50, 28}, {64, 30, 30}, {64, 58, 26}};
    for (auto [x, y, r] : houppier)
        point(cr, x, y, r, 0x3f8a34, 2);
    for (auto [x, y, r] : houppier)
        point(cr, x, y, r - 1, 0x3f8a34, 0);
    for (int i = 0; i < 16; ++i) {
        const double a = 2 * PI * i / 16;
        const double x = 64 + 48 * std::cos(a), y = 46 + 34 * std::sin(a);
        if (y > 66 && std::abs(x - 64) < 20)
            continue;
        feuille(cr, 64 + 36 * std::cos(a), 46 + 24 * std::sin(a), {.longueur = 20, .largeur = 11, .angle = a, .couleur = i % 2 ? 0x5aa040u : 0x3f8a34u, .dents = 3, .rondeur = 0.4});
    }
    for (auto [x, y, a] : {std::tuple{50.0, 38.0, -2.0}, {76.0, 30.0, -0.9}, {64.0, 50.0, 1.8}, {86.0, 56.0, 0.3}, {40.0, 58.0, 2.6}})
        feuille(cr, x, y, {.longueur = 18, .largeur = 10, .angle = a, .couleur = 0x6ab04a, .dents = 3, .rondeur = 0.4});
}

namespace {
// A cherry flower face on: five broad pink petals, each with the little notch a cherry
// petal has at its tip, around a ring of stamens.
void fleur_de_cerisier(cairo_t* cr, double cx, double cy, double r, double depart)
{
    for (int i = 0; i < 5; ++i) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, depart + 2 * PI * i / 5);
        const double w = r * 0.62;
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, r * 0.3, -w * 1.1, r * 0.95, -w * 1.1, r, -w * 0.4);
        cairo_line_to(cr, r * 0.78, 0);
        cairo_line_to(cr, r, w * 0.4);
        cairo_curve_to(cr, r * 0.95, w * 1.1, r * 0.3, w * 1.1, 0, 0);
        cairo_close_path(cr);
        ombrer(cr, 0xf6a6c4, 1.4);
        cairo_restore(cr);
    }
    coeur_raye(cr, cx, cy, 10, r * 0.45, 1, 0xb02a5a, r * 0.2, 0xf0d040);
}
}  // namespace

void cerisier(cairo_t* cr)
{
    // A cherry branch in blossom: glossy red-brown bark ringed with pale bands, and
    // bunches of pink notched flowers hanging from it on long thin stalks, a few young
    // leaves at the foot of each bunch.
    tige(cr, 2, 30, 40, 18, 80, 24, 126, 12, 8, 0x9a3a2a);
    couleur(cr, 0xe8b8a0);
    cairo_set_line_width(cr, 1.6);
    for (double x : {14.0, 30.0, 48.0, 66.0, 84.0, 102.0, 118.0}) {
        const double y = x < 40 ? 30 - (x - 2) * 0.3 : x < 80 ? 20 + (x - 40) * 0.08 : 23 - (x - 80) * 0.24;
        cairo_move_to(cr, x - 1, y - 3);
        cairo_line_to(cr, x + 1, y + 3);
    }
    cairo_stroke(cr);
    reflet(cr, 60, 18, 14, 1.2, 0.1);
    for (auto [bx, by, bunch] : {std::tuple{30.0, 22.0, 0}, {94.0, 19.0, 1}}) {
        for (int cote : {-1, 1})
            feuille(cr, bx, by, {.longueur = 16, .largeur = 8, .angle = -PI / 2 + cote * 0.6, .couleur = 0x7ab04a, .nervure = false});
        const std::pair<double, double> bouts[] = {{bx - 19, by + 36}, {bx + 2, by + 68}, {bx + 22, by + 40}};
        for (auto [x, y] : bouts)
            tige(cr, bx, by, bx + (x - bx) * 0.2, by + 20, x, y - 20, x, y, 1.2, 0x6a8a3a);
        for (int k = 0; k < 3; ++k)
            fleur_de_cerisier(cr, bouts[k].first, bouts[k].second, 13, 0.3 * (k + bunch));
    }
    for (auto [x, y] : {std::pair{62.0, 56.0}, {124.0, 50.0}}) {
        tige(cr, x - 4, 22, x - 4, 30, x, y - 10, x, y, 1.2, 0x6a8a3a);
        ellipse(cr, x, y, 4.5, 6);
        ombrer(cr, 0xe8709a, 1);
    }
}
}  // namespace images::dessins
