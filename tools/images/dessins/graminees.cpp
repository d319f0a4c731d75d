// Grasses and their grains.
#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void herbe(cairo_t* cr)
{
    // A tuft of meadow grass on its clod of earth: many thin pointed blades of uneven
    // length, some bent, in three greens, and a daisy among them. Grass grows out of
    // the ground; a bunch of chives is a cut bundle of even hollow stems.
    ellipse(cr, 64, 114, 56, 12);
    ombrer(cr, 0x8a5a32, 2);
    for (int i = 0; i < 21; ++i) {
        const double a = -PI / 2 + (i - 10) * 0.1 + (i % 3 - 1) * 0.07;
        constexpr std::uint32_t VERTS[] = {0x5ab03a, 0x3f9a2a, 0x7ac84a};
        feuille(cr, 64 + (i - 10) * 4.2, 116, {.longueur = 92 - std::abs(i - 10) * 4.5 - (i * 7 % 5) * 6, .largeur = 8, .angle = a,
                                             .couleur = VERTS[i % 3], .rondeur = 0.15, .nervure = false});
    }
    tige(cr, 88, 114, 90, 100, 92, 86, 94, 74, 2.2, 0x4a9a34);
    fleur(cr, 94, 72, 12, {.longueur = 11, .largeur = 4.5, .couleur = 0xffffff, .nervure = false}, 0, 4, 0xf4c82a);
}

void foin(cairo_t* cr)
{
    // A bale of hay as it stands in the barn: a block of pressed, pale yellow-green
    // dried grass seen from a corner, tied round with two strings, tufts and loose
    // stalks sticking out of every face. Square and tousled, where a bundle of
    // straight, even, golden sticks tied in the middle is dry pasta.
    constexpr std::uint32_t FACE = 0xd4c460, DESSUS = 0xe4d67a, COTE = 0xb8aa4e;
    auto quad = [&](double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3) {
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        cairo_line_to(cr, x2, y2);
        cairo_line_to(cr, x3, y3);
        cairo_close_path(cr);
    };
    quad(10, 52, 86, 52, 86, 118, 10, 118);
    ombrer(cr, FACE, 2.2);
    quad(10, 52, 42, 24, 118, 24, 86, 52);
    ombrer(cr, DESSUS, 2.2);
    quad(86, 52, 118, 24, 118, 90, 86, 118);
    ombrer(cr, COTE, 2.2);
    // The pressed grass: short strokes in three shades, wavy and crossing, as hay lies.
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 1.6);
    constexpr std::uint32_t BRINS[] = {0x9a8a2a, 0x7a9a34, 0xfaf0b0, 0xb89a38};
    for (int i = 0; i < 330; ++i) {
        const double u = (i * 97 % 331) / 331.0, v = (i * 59 % 331) / 331.0, d = (i % 5 - 2) * 2.5;
        couleur(cr, BRINS[i / 3 % 4]);
        if (i % 3 == 0) {  // on the top face
            const double x = 16 + u * 92 - v * 28, y = 48 - v * 22;
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + 10, y + d * 0.4);
        } else if (i % 3 == 1) {  // on the front
            const double x = 14 + u * 66, y = 58 + v * 54;
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + 4, y + d, x + 8, y - d, x + 12, y + d * 0.5);
        } else {  // on the side
            const double x = 90 + u * 24, y = 50 + v * 60 - u * 24;
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + 5, y - 4 + d * 0.5);
        }
        cairo_stroke(cr);
    }
    // Tufts sticking out of the edges.
    cairo_set_line_width(cr, 1.8);
    couleur(cr, 0xb8a444);
    for (int i = 0; i < 26; ++i) {
        const double t = i / 25.0, d = (i % 3 - 1) * 4;
        cairo_move_to(cr, 10 + t * 76, 118);
        cairo_line_to(cr, 8 + t * 76 + d, 125);
        cairo_move_to(cr, 42 + t * 76, 24);
        cairo_line_to(cr, 40 + t * 76 + d, 17 + std::abs(d) * 0.5);
    }
    for (int i = 0; i < 12; ++i) {
        const double t = i / 11.0, d = (i % 3 - 1) * 4;
        cairo_move_to(cr, 10, 56 + t * 58);
        cairo_line_to(cr, 3, 54 + t * 58 + d);
        cairo_move_to(cr, 118, 28 + t * 58);
        cairo_line_to(cr, 125, 26 + t * 58 + d);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // The two strings, round the front, over the top and down the back.
    for (double x : {32.0, 64.0}) {
        cairo_move_to(cr, x, 118);
        cairo_line_to(cr, x, 52);
        cairo_line_to(cr, x + 32, 24);
        couleur(cr, 0x7a1e14);
        cairo_set_line_width(cr, 4.5);
        cairo_stroke_preserve(cr);
        couleur(cr, 0xd03a2a);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
}

void avoine(cairo_t* cr)
{
    // An oat stalk: a loose, open panicle whose spikelets hang on thin threads like
    // little bells, none of the tight ear that wheat has.
    constexpr std::uint32_t EPILLET = 0xe0d870, FIL = 0x7a8a30;
    tige(cr, 66, 126, 64, 90, 60, 40, 62, 6, 3, 0x8aa84a);
    feuille(cr, 65, 112, {.longueur = 56, .largeur = 9, .angle = -PI / 2 + 0.75, .couleur = 0x7aa04a, .rondeur = 0.25});
    auto clochette = [&](double x, double y) {
        // A spikelet: a short thread, then two glumes opening downwards.
        tige(cr, x, y, x, y + 3, x, y + 5, x, y + 7, 1.2, FIL);
        coque(cr, x - 3, y + 18, 12, 6, PI / 2 + 0.3, EPILLET, 1);
        coque(cr, x + 3, y + 18, 12, 6, PI / 2 - 0.3, EPILLET, 1);
    };
    for (int i = 0; i < 4; ++i) {
        const double y = 14 + i * 20, x = 62 - i * 0.4, l = 16 + i * 8;
        for (int cote : {-1, 1}) {
            const double bx = x + cote * l, by = y + 8;
            tige(cr, x, y, x + cote * l * 0.3, y - 8, x + cote * l * 0.8, y - 6, bx, by, 1.5, FIL);
            clochette(bx, by);
            if (i > 0)
                clochette(x + cote * l * 0.5, y - 4);
        }
    }
    clochette(62, 4);
}

void ble(cairo_t* cr)
{
    // Three ears of wheat bound in a sheaf: each a tight, upright ear of plump golden
    // grains set in two staggered rows, every grain bearing a long straight whisker, on
    // a bare golden straw. Tight and whiskered, where the oat's grains hang loose on
    // threads and a rice panicle droops.
    constexpr std::uint32_t GRAIN = 0xf4c23e, PAILLE = 0xe8c060, BARBE = 0xa8782a;
    // An ear from its foot at (x, y), leaning by `angle` from upright.
    auto epi = [&](double x, double y, double angle) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, angle);
        constexpr int RANGS = 6;
        constexpr double LONGUEUR = 36, PAS = LONGUEUR / RANGS;
        // Where grain k of one row sits; the right row stands half a step higher.
        auto grain = [](int k, int cote) { return std::pair{cote * 5.0, -k * PAS - (cote > 0 ? PAS / 2 : 0)}; };
        for (int k = 0; k < RANGS; ++k)
            for (int cote : {-1, 1}) {
                const auto [gx, gy] = grain(k, cote);
                coque(cr, gx, gy - 5, 9.5, 6.2, -PI / 2 + cote * 0.42, GRAIN, 0);
            }
        coque(cr, 0, -LONGUEUR - 4, 9, 5.8, -PI / 2, GRAIN, 0);
        // The whiskers over the grains, each from a grain's tip outwards and up, so that
        // they stand clear of the ear.
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        couleur(cr, BARBE);
        cairo_set_line_width(cr, 1.8);
        for (int k = 0; k < RANGS; ++k)
            for (int cote : {-1, 1}) {
                const auto [gx, gy] = grain(k, cote);
                const double tx = gx + cote * 3.5, ty = gy - 13;
                cairo_move_to(cr, tx, ty);
                cairo_line_to(cr, tx + cote * (9 + k), ty - 26 + k * 1.5);
            }
        cairo_move_to(cr, 0, -LONGUEUR - 12);
        cairo_line_to(cr, 0, -LONGUEUR - 34);
        cairo_stroke(cr);
        cairo_restore(cr);
    };
    // The straws, from the bound foot to each ear, then the ears and the tie.
    const std::tuple<double, double, double> epis[] = {{34, 84, -0.55}, {64, 78, 0.0}, {94, 84, 0.55}};
    for (auto [x, y, a] : epis)
        tige(cr, 64, 124, 64 + (x - 64) * 0.2, 100, x - (x - 64) * 0.1, 80, x, y, 3, PAILLE);
    for (auto [x, y, a] : epis)
        epi(x, y, a);
    rectangle_arrondi(cr, 55, 104, 18, 7, 3);
    ombrer(cr, 0xc84a32, 1.2);
}

namespace {
// A broad blade leaving the stalk at (x, y), arching out towards `cote` and drooping at
// its tip, as maize and sorghum leaves do.
void lame(cairo_t* cr, double x, double y, int cote, double L, double w, std::uint32_t c)
{
    const double x1 = x + cote * L * 0.3, y1 = y - L * 0.5, x2 = x + cote * L * 0.8, y2 = y - L * 0.4;
    const double x3 = x + cote * L, y3 = y + L * 0.05;
    cairo_move_to(cr, x, y - w / 2);
    cairo_curve_to(cr, x1, y1 - w, x2, y2 - w * 0.6, x3, y3);
    cairo_curve_to(cr, x2, y2 + w * 0.6, x1, y1 + w, x, y + w / 2);
    cairo_close_path(cr);
    ombrer(cr, c, 1.5);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x1, y1, x2, y2, x3, y3);
    couleur(cr, nuance(c, 1.3));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}
}  // namespace

void darisroux(cairo_t* cr)
{
    // Sorghum: on a tall stout stalk with broad arching corn-like leaves, a big loose
    // head of round red-brown grains in clumps on short branches, heavy enough to
    // lean over: the gaps between the clumps keep it from reading as a tight spike.
    tige(cr, 60, 126, 60, 100, 58, 80, 60, 56, 8, 0x7a9a3a);
    lame(cr, 60, 114, -1, 56, 17, 0x6a9a3a);
    lame(cr, 60, 94, 1, 58, 16, 0x5f8f34);
    lame(cr, 60, 76, -1, 40, 12, 0x6fa03e);
    constexpr std::uint32_t GRAINS[] = {0xa8442a, 0xbc5a30, 0x94381e}, AXE = 0x8a7a3a;
    cairo_save(cr);
    cairo_translate(cr, 60, 58);
    cairo_rotate(cr, 0.42);
    tige(cr, 0, 2, 0, -20, 1, -40, 0, -62, 3, AXE);
    int n = 0;
    auto grappe = [&](double x, double y, double r) {
        for (auto [dx, dy] : {std::pair{0.0, 0.0}, {-0.9, 0.7}, {0.9, 0.7}, {0.0, 1.5}})
            point(cr, x + dx * r, y + dy * r, r, GRAINS[n++ % 3], 0.9);
    };
    for (int k = 0; k < 6; ++k) {
        const double y = -6 - k * 10, l = 22 - k * 2.6;
        const int cote = k % 2 ? 1 : -1;
        for (int c : {cote, -cote}) {
            const double bx = c * l, by = y - l * 0.35 + (c == cote ? 0 : 5);
            tige(cr, 0, y, c * l * 0.4, y - 4, c * l * 0.8, by - 2, bx, by, 1.4, AXE);
            grappe(bx, by, 5);
        }
    }
    grappe(0, -70, 5);
    cairo_restore(cr);
}
}  // namespace images::dessins
