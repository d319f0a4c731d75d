// Flowers, garden and wild.
#include <cmath>
#include <tuple>
#include <utility>

#include "dessins.hpp"
#include "trousse.hpp"

namespace images::dessins {
void renoncule(cairo_t* cr)
{
    // Buttercups: a few small flowers of five round, glossy, cupped petals on slim
    // branching stems, over leaves cut into three toothed lobes.
    for (auto [x, a] : {std::pair{36.0, -0.5}, {92.0, 0.5}})
        for (int k = -1; k <= 1; ++k)
            feuille(cr, x, 122, {.longueur = 26, .largeur = 11, .angle = -PI / 2 + a + k * 0.6, .couleur = VERT, .dents = 3, .rondeur = 0.4, .nervure = false});
    tige(cr, 64, 126, 64, 108, 62, 96, 60, 84, 2.2, VERT);
    tige(cr, 60, 84, 52, 72, 42, 62, 38, 48, 2, VERT);
    tige(cr, 60, 84, 74, 74, 88, 60, 92, 44, 2, VERT);
    tige(cr, 62, 96, 80, 94, 90, 92, 96, 86, 1.8, VERT);
    for (auto [x, y, r] : {std::tuple{38.0, 40.0, 24.0}, {94.0, 36.0, 19.0}}) {
        fleur(cr, x, y, 5, {.longueur = r, .largeur = r * 0.95, .couleur = 0xffd200, .rondeur = 0.95, .nervure = false}, -PI / 2, 0, 0);
        for (int i = 0; i < 5; ++i) {
            const double a = -PI / 2 + 2 * PI * i / 5;
            reflet(cr, x + r * 0.55 * std::cos(a - 0.15), y + r * 0.55 * std::sin(a - 0.15), r * 0.2, r * 0.1, a + PI / 2);
        }
        for (int i = 0; i < 10; ++i)
            point(cr, x + r * 0.28 * std::cos(i * PI / 5), y + r * 0.28 * std::sin(i * PI / 5), 1.8, 0xe8a010, 0.6);
        point(cr, x, y, r * 0.18, 0x9ab82a, 1);
    }
    // A cup seen from the side: three round petals, the front one glossy.
    for (auto [dx, a] : {std::pair{-6.0, -0.5}, {6.0, 0.5}, {0.0, 0.0}}) {
        ellipse(cr, 100 + dx, 76, 7, 11, a);
        ombrer(cr, 0xffd200, 1.5);
    }
    reflet(cr, 98, 72, 2.5, 4, 0.2);
    feuille(cr, 100, 86, {.longueur = 8, .largeur = 6, .angle = PI * 0.8, .couleur = VERT, .nervure = false});
    feuille(cr, 100, 86, {.longueur = 8, .largeur = 6, .angle = PI * 0.2, .couleur = VERT, .nervure = false});
}

void coquelicot(cairo_t* cr)
{
    // Four broad crumpled red petals around a black heart, a thin hairy stem and a bud.
    tige(cr, 64, 126, 70, 110, 58, 90, 64, 72, 2.5, 0x5a8a3a);
    tige(cr, 66, 110, 90, 100, 100, 96, 104, 84, 2, 0x5a8a3a);
    coque(cr, 104, 76, 10, 7, -PI / 2, 0x6aa04a);
    for (int i = 0; i < 4; ++i)
        feuille(cr, 64, 48, {.longueur = 46, .largeur = 50, .angle = -PI / 4 + PI / 2 * i, .couleur = 0xe8281e, .rondeur = 0.95, .nervure = false});
    point(cr, 64, 48, 11, 0x1a1a1a);
    couleur(cr, 0x2a2a2a);
    cairo_set_line_width(cr, 1.5);
    for (int i = 0; i < 12; ++i) {
        cairo_move_to(cr, 64, 48);
        cairo_line_to(cr, 64 + 16 * std::cos(i * PI / 6), 48 + 16 * std::sin(i * PI / 6));
    }
    cairo_stroke(cr);
    point(cr, 64, 48, 6, 0x3a3a4a);
}

void lin(cairo_t* cr)
{
    // Flax: tall wiry stems, bare but for tiny needle leaves, each topped by a sky-blue
    // flower of five broad veined petals, a bud or a round seed capsule.
    const std::tuple<double, double, int> bouts[] = {{28, 30, 0}, {64, 14, 0}, {102, 34, 0}, {44, 58, 1}, {86, 60, 1}, {80, 26, 2}};
    for (auto [x, y, genre] : bouts) {
        tige(cr, 64, 126, 64 + (x - 64) * 0.2, 100, x, y + 40, x, y, 1.2, 0x6a9a4a);
        for (double t : {0.25, 0.45, 0.65, 0.8}) {
            const double px = 64 + (x - 64) * t * t, py = 126 - (126 - y) * t;
            feuille(cr, px, py, {.longueur = 9, .largeur = 2.6, .angle = -PI / 2 + (t < 0.5 ? -0.5 : 0.5), .couleur = 0x5a9a3a, .nervure = false});
        }
        if (genre == 1) {
            point(cr, x, y, 6, 0xc0a860, 1.2);
            tige(cr, x, y - 5, x, y - 7, x, y - 8, x, y - 9, 1, 0x8a7a40);
        } else if (genre == 2) {
            coque(cr, x, y, 6, 3.5, -PI / 2, 0x7aa8e8);
        }
    }
    for (auto [x, y, genre] : bouts)
        if (genre == 0)
            fleur(cr, x, y, 5, {.longueur = 19, .largeur = 19, .couleur = 0x70a8f4, .rondeur = 0.9}, -PI / 2, 3.5, 0xf6f0c8);
}

void liseron(cairo_t* cr)
{
    // A white trumpet with pink bands, arrow-shaped leaves on a twining stem.
    tige(cr, 20, 126, 60, 110, 10, 80, 50, 70, 2.5, 0x5a8a3a);
    for (auto [x, y, a] : {std::tuple{30.0, 100.0, -2.6}, {96.0, 110.0, -0.4}}) {
        Feuille f{.longueur = 40, .largeur = 26, .angle = a, .couleur = VERT, .rondeur = 0.3};
        feuille(cr, x, y, f);
    }
    tige(cr, 64, 124, 80, 116, 96, 112, 96, 110, 2.5, 0x5a8a3a);
    // The funnel seen from the front: a round pale mouth, pink bands to a yellow throat.
    cairo_move_to(cr, 50, 96);
    cairo_line_to(cr, 36, 40);
    cairo_line_to(cr, 92, 40);
    cairo_line_to(cr, 78, 96);
    cairo_close_path(cr);
    ombrer(cr, 0xf6e6ee, 2);
    ellipse(cr, 64, 40, 44, 30);
    ombrer(cr, 0xfff6fa, 2.5);
    couleur(cr, 0xf08ab8);
    cairo_set_line_width(cr, 3);
    for (int i = 0; i < 5; ++i) {
        const double a = -PI / 2 + 2 * PI * i / 5;
        cairo_move_to(cr, 64 + 8 * std::cos(a), 40 + 6 * std::sin(a));
        cairo_line_to(cr, 64 + 42 * std::cos(a), 40 + 28 * std::sin(a));
    }
    cairo_stroke(cr);
    point(cr, 64, 40, 7, 0xf0d050);
}

void muguet(cairo_t* cr)
{
    // An arching stem hung with round white bells, beside a broad leaf.
    feuille(cr, 50, 126, {.longueur = 110, .largeur = 40, .angle = -PI / 2 - 0.3, .couleur = 0x3f8a3a, .rondeur = 0.55});
    tige(cr, 60, 126, 64, 60, 76, 14, 118, 20, 2.5, 0x6aa04a);
    for (auto [x, y] : {std::pair{66.0, 64.0}, {70.0, 40.0}, {84.0, 22.0}, {104.0, 20.0}}) {
        tige(cr, x, y, x + 3, y + 2, x + 6, y + 5, x + 6, y + 8, 1.4, 0x6aa04a);
        const double cx = x + 6, cy = y + 20;
        cairo_move_to(cr, cx - 11, cy + 6);
        cairo_curve_to(cr, cx - 14, cy - 14, cx + 14, cy - 14, cx + 11, cy + 6);
        for (int i = 0; i < 3; ++i) {
            const double x0 = cx + 11 - i * 7.3;
            cairo_line_to(cr, x0 - 1, cy + 9);
            cairo_line_to(cr, x0 - 7.3, cy + 6);
        }
        cairo_close_path(cr);
        ombrer(cr, 0xfbfbf0, 2);
    }
}

void calla(cairo_t* cr)
{
    // One white trumpet, a yellow spike standing in it, on a long green stem.
    tige(cr, 64, 126, 62, 110, 66, 90, 64, 80, 5, 0x4a9a3a);
    feuille(cr, 60, 126, {.longueur = 60, .largeur = 30, .angle = -PI / 2 - 0.6, .couleur = VERT, .rondeur = 0.45});
    cairo_move_to(cr, 64, 86);
    cairo_curve_to(cr, 36, 60, 30, 30, 40, 8);
    cairo_curve_to(cr, 62, 18, 90, 10, 108, 14);
    cairo_curve_to(cr, 96, 30, 86, 60, 64, 86);
    cairo_close_path(cr);
    ombrer(cr, 0xfcfcf4, 2.5);
    cairo_move_to(cr, 50, 22);
    cairo_curve_to(cr, 60, 40, 70, 60, 64, 84);
    couleur(cr, 0xc8d0b0);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    tige(cr, 64, 74, 66, 60, 70, 46, 74, 32, 6, 0xf2c81a);
}

void laurierrose(cairo_t* cr)
{
    // An oleander shoot: long, narrow, leathery leaves in whorls of three up a stem,
    // topped by a cluster of pink five-petalled flowers.
    tige(cr, 64, 126, 64, 110, 64, 80, 64, 56, 3.5, 0x6a8a4a);
    for (auto [y, l] : {std::pair{118.0, 58.0}, {90.0, 52.0}})
        for (int k = 0; k < 3; ++k)
            feuille(cr, 64, y, {.longueur = l, .largeur = 10, .angle = -PI / 2 + (k - 1) * 1.25 + (y > 100 ? 0.2 : -0.2), .couleur = 0x2f6a3a, .rondeur = 0.35});
    for (auto [x, y, r] : {std::tuple{40.0, 44.0, 17.0}, {88.0, 42.0, 17.0}, {64.0, 22.0, 17.0}, {64.0, 56.0, 16.0}, {46.0, 18.0, 12.0}, {84.0, 16.0, 12.0}})
        fleur(cr, x, y, 5, {.longueur = r, .largeur = r * 0.85, .couleur = 0xf06aa8, .rondeur = 0.8, .nervure = false}, x * 0.1, r * 0.22, 0xffe6f0);
}

void jusquiame(cairo_t* cr)
{
    // Henbane: pale creamy funnels netted with purple veins round a dark purple throat,
    // on a hairy stalk with grey-green toothed leaves.
    for (int cote : {-1, 1})
        feuille(cr, 64, 124, {.longueur = 54, .largeur = 28, .angle = -PI / 2 + cote * 1.0, .couleur = 0x7a9a5a, .dents = 5, .rondeur = 0.5});
    tige(cr, 64, 126, 64, 110, 66, 96, 62, 76, 4, 0x7a9a5a);
    couleur(cr, 0xe8f0e0);
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 12; ++i) {
        const double y = 80 + i * 4, cote = i % 2 ? 1 : -1;
        cairo_move_to(cr, 63 + cote * 2, y);
        cairo_line_to(cr, 63 + cote * 6, y - 2);
    }
    cairo_stroke(cr);
    fleur(cr, 56, 44, 5, {.longueur = 40, .largeur = 34, .couleur = 0xf0e4a4, .rondeur = 0.9, .nervure = false}, -PI / 2, 0, 0);
    coeur_raye(cr, 56, 44, 15, 36, 1.4, 0x7a2a7a, 14, 0x3a1038);
    // The net: short purple links between neighbouring veins, ring after ring.
    couleur(cr, 0x8a3a8a);
    cairo_set_line_width(cr, 1);
    for (double r : {20.0, 28.0})
        for (int i = 0; i < 15; ++i) {
            const double a = 2 * PI * i / 15, b = 2 * PI * (i + 1) / 15;
            cairo_move_to(cr, 56 + r * std::cos(a), 44 + r * std::sin(a));
            cairo_line_to(cr, 56 + (r + 3) * std::cos(b), 44 + (r + 3) * std::sin(b));
        }
    cairo_stroke(cr);
    // A second funnel seen from the side, veined the same way.
    cairo_move_to(cr, 100, 96);
    cairo_curve_to(cr, 104, 86, 106, 78, 116, 70);
    cairo_line_to(cr, 88, 62);
    cairo_curve_to(cr, 92, 74, 94, 84, 100, 96);
    cairo_close_path(cr);
    ombrer(cr, 0xf0e4a4, 1.5);
    couleur(cr, 0x8a3a8a);
    for (double u : {0.2, 0.45, 0.7}) {
        cairo_move_to(cr, 100, 94);
        cairo_line_to(cr, 88 + 28 * u, 62 + 8 * u);
    }
    cairo_stroke(cr);
    tige(cr, 64, 90, 80, 92, 94, 96, 99, 96, 2.5, 0x7a9a5a);
}

void chardon(cairo_t* cr)
{
    // A purple brush on a spiny green bulb, spiny leaves on the stem.
    tige(cr, 64, 126, 64, 110, 64, 90, 64, 70, 4, 0x5a8a4a);
    for (int cote : {-1, 1})
        feuille(cr, 64, 104, {.longueur = 50, .largeur = 18, .angle = -PI / 2 + cote * 1.1, .couleur = 0x5a8a5a, .dents = 6, .rondeur = 0.3});
    couleur(cr, 0xb048c0);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 17; ++i) {
        const double a = -PI / 2 + (i - 8) * 0.12;
        cairo_move_to(cr, 64, 44);
        cairo_line_to(cr, 64 + 40 * std::cos(a), 48 + 40 * std::sin(a));
    }
    cairo_stroke(cr);
    ellipse(cr, 64, 58, 22, 18);
    ombrer(cr, 0x6a9a4a, 2);
    couleur(cr, 0x2f5a2a);
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 3; ++j) {
            const double x = 48 + i * 8, y = 48 + j * 9;
            cairo_move_to(cr, x - 3, y + 3);
            cairo_line_to(cr, x, y - 3);
            cairo_line_to(cr, x + 3, y + 3);
        }
    cairo_stroke(cr);
}

void anemone(cairo_t* cr)
{
    // Six broad violet petals around a big black heart ringed with dark stamens,
    // above a collar of cut leaves.
    tige(cr, 64, 126, 62, 110, 66, 96, 64, 84, 3, 0x5a8a3a);
    for (int cote : {-1, 1})
        feuille(cr, 64, 92, {.longueur = 34, .largeur = 14, .angle = -PI / 2 + cote * 1.4, .couleur = VERT, .dents = 4, .rondeur = 0.3});
    fleur(cr, 64, 50, 6, {.longueur = 42, .largeur = 34, .couleur = 0x7a3ac8, .rondeur = 0.85, .nervure = false}, -PI / 2, 0, 0);
    coeur_raye(cr, 64, 50, 18, 19, 2, 0x1a1020, 11, 0x201828);
}

void clematite(cairo_t* cr)
{
    // A climber: a cane stake, the vine twining round it with its leaf stalks curled
    // like tendrils, and big flat six-pointed purple stars with a cream tuft.
    cairo_rectangle(cr, 18, 2, 9, 124);
    ombrer(cr, 0xc09a60, 1.5);
    for (int i = 0; i < 6; ++i) {
        const double y = 122 - i * 18;
        tige(cr, 14, y, 22, y - 4, 34, y - 6, 30, y - 9, 2, 0x5a7a3a);
    }
    for (auto [x, y, s] : {std::tuple{34.0, 100.0, 1}, {30.0, 40.0, -1}}) {
        cairo_new_sub_path(cr);
        for (int i = 0; i <= 30; ++i) {
            const double a = i * 0.45, r = 7 - i * 0.2;
            cairo_line_to(cr, x + s * r * std::cos(a) + i * 0.3, y + r * std::sin(a));
        }
        couleur(cr, 0x5a8a3a);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    for (auto [x, y, a] : {std::tuple{30.0, 76.0, 0.2}, {30.0, 20.0, -0.4}, {32.0, 112.0, 0.6}})
        for (int k = -1; k <= 1; ++k)
            feuille(cr, x, y, {.longueur = 18, .largeur = 9, .angle = a + k * 0.7, .couleur = VERT, .nervure = false});
    tige(cr, 28, 60, 46, 56, 56, 54, 70, 52, 2, 0x5a7a3a);
    tige(cr, 30, 96, 50, 100, 70, 104, 90, 100, 2, 0x5a7a3a);
    for (auto [x, y, r] : {std::tuple{76.0, 48.0, 44.0}, {98.0, 102.0, 26.0}}) {
        for (int i = 0; i < 6; ++i) {
            const double a = -PI / 2 + PI / 6 + 2 * PI * i / 6;
            feuille(cr, x, y, {.longueur = r, .largeur = r * 0.55, .angle = a, .couleur = 0x8040b8, .rondeur = 0.42, .nervure = false});
            feuille(cr, x, y, {.longueur = r * 0.8, .largeur = r * 0.14, .angle = a, .couleur = 0xa870d8, .rondeur = 0.4, .nervure = false});
        }
        for (int i = 0; i < 12; ++i) {
            const double a = 2 * PI * i / 12;
            point(cr, x + r * 0.16 * std::cos(a), y + r * 0.16 * std::sin(a), r * 0.07, 0xf4ecc0, 0.8);
        }
        point(cr, x, y, r * 0.1, 0xe8d890, 1);
    }
}

void arum(cairo_t* cr)
{
    // Wild arum: a pale green hood curled around a dark purple spike, an arrow leaf.
    feuille(cr, 40, 124, {.longueur = 80, .largeur = 50, .angle = -PI / 2 - 0.45, .couleur = 0x3f8a3a, .rondeur = 0.35});
    tige(cr, 74, 126, 74, 110, 74, 100, 74, 90, 4, 0x6a9a4a);
    cairo_move_to(cr, 74, 96);
    cairo_curve_to(cr, 50, 80, 50, 30, 84, 4);
    cairo_curve_to(cr, 110, 30, 104, 80, 74, 96);
    cairo_close_path(cr);
    ombrer(cr, 0xd8e8a0, 2.5);
    cairo_move_to(cr, 74, 88);
    cairo_curve_to(cr, 62, 70, 64, 44, 76, 30);
    cairo_curve_to(cr, 90, 44, 90, 70, 74, 88);
    ombrer(cr, 0xa8c878, 0);
    tige(cr, 76, 84, 76, 70, 76, 56, 78, 40, 7, 0x6a2a5a);
}

void pissenlit(cairo_t* cr)
{
    // A dandelion: a rosette of deeply toothed leaves at its foot, a full head of many
    // narrow yellow strips on a hollow stalk, and a white seed clock beside it.
    for (int i = 0; i < 5; ++i)
        feuille(cr, 60, 124, {.longueur = 52, .largeur = 18, .angle = PI + 0.2 + i * (PI - 0.4) / 4, .couleur = 0x4a9a3a, .dents = 6, .rondeur = 0.15});
    tige(cr, 90, 126, 96, 100, 100, 70, 104, 44, 1.6, 0x8ab05a);
    // The clock: a white tuft at the tip of each of its thread-like rays.
    for (int i = 0; i < 28; ++i)
        point(cr, 104 + 19 * std::cos(2 * PI * i / 28), 34 + 19 * std::sin(2 * PI * i / 28), 2.2, 0xffffff, 0.8);
    coeur_raye(cr, 104, 34, 28, 17, 1, 0xb0b8c0, 3, 0x8a7a5a);
    tige(cr, 60, 124, 56, 100, 50, 80, 48, 60, 3.2, 0x8ab05a);
    // Ring after ring of strips, each ring shorter and deeper yellow, offset so that
    // the strips of one show between those of the next.
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const std::tuple<double, int, std::uint32_t> anneaux[] = {{36, 48, 0xfbe040}, {28, 40, 0xf9d830}, {20, 30, 0xf7cc24}, {11, 18, 0xf2b818}};
    for (int k = 0; k < 4; ++k) {
        const auto [r, n, c] = anneaux[k];
        for (int passe = 0; passe < 2; ++passe) {
            for (int i = 0; i < n; ++i) {
                const double a = 2 * PI * (i + 0.5 * k) / n;
                cairo_move_to(cr, 46 + r * 0.3 * std::cos(a), 44 + r * 0.3 * std::sin(a));
                const double bout = r * (1 - 0.08 * ((i * 7) % 3));
                cairo_line_to(cr, 46 + bout * std::cos(a), 44 + bout * std::sin(a));
            }
            couleur(cr, passe == 0 ? 0xb07a00 : c);
            cairo_set_line_width(cr, passe == 0 ? 5 : 3.2);
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
}

void digitale(cairo_t* cr)
{
    // Foxgloves: tall stalks hung down one side with drooping tubular bells,
    // pink-purple, their open mouths spotted dark inside; buds at the tips and broad
    // soft leaves at the foot. A shorter spike stands behind the first.
    auto epi = [cr](double x0, double echelle) {
        cairo_save(cr);
        cairo_translate(cr, x0, 126);
        cairo_scale(cr, echelle, echelle);
        tige(cr, 0, 0, -2, -36, -4, -86, 4, -124, 3, 0x5a8a3a);
        for (int i = 0; i < 4; ++i) {
            const double s = 30 - i * 4, y = -26 - i * 24;
            cairo_save(cr);
            cairo_translate(cr, 0, y);
            cairo_rotate(cr, 0.75);
            // The tube widens from the stalk to a slanted mouth, whose lower lip juts out.
            const double L = s * 1.8, w0 = s * 0.18, w1 = s * 0.5;
            cairo_move_to(cr, 0, -w0);
            cairo_curve_to(cr, L * 0.5, -w0 * 1.3, L * 0.8, -w1, L, -w1);
            cairo_line_to(cr, L * 1.12, w1 * 1.1);
            cairo_curve_to(cr, L * 0.8, w1 * 0.9, L * 0.5, w0 * 1.3, 0, w0);
            cairo_close_path(cr);
            ombrer(cr, 0xc8509e, 1.5);
            ellipse(cr, L * 1.02, w1 * 0.1, s * 0.32, w1 * 0.95, -0.2);
            ombrer(cr, 0xfbe2f0, 1.2);
            for (auto [u, v] : {std::pair{0.94, -0.3}, {1.04, 0.1}, {1.1, 0.55}, {0.98, 0.5}, {1.08, -0.35}})
                point(cr, L * u, w1 * v, s * 0.09, 0x5a1040, 0);
            cairo_restore(cr);
        }
        for (int i = 0; i < 3; ++i)
            coque(cr, 4 + i * 2, -118 + i * 10, 6, 3.5, 0.6, 0xd070b0);
        cairo_restore(cr);
    };
    epi(84, 0.62);
    for (double a : {-2.6, -2.1, -1.1, -0.5})
        feuille(cr, 34, 124, {.longueur = 44, .largeur = 22, .angle = a, .couleur = 0x5a8a4a, .rondeur = 0.45});
    epi(30, 1);
}

void crocus(cairo_t* cr)
{
    // Crocuses straight out of the grass, no stem: thin leaves with a white stripe,
    // and goblets of purple petals, the open one showing its bright orange stigma.
    for (auto [x, a, L] : {std::tuple{50.0, -1.85, 80.0}, {58.0, -1.45, 92.0}, {66.0, -2.2, 60.0}, {74.0, -1.2, 70.0}, {84.0, -1.7, 86.0}, {46.0, -1.3, 64.0}}) {
        feuille(cr, x, 126, {.longueur = L, .largeur = 6, .angle = a, .couleur = 0x3f8a3a, .rondeur = 0.5, .nervure = false});
        couleur(cr, 0xf4f8ea);
        cairo_set_line_width(cr, 1.3);
        cairo_move_to(cr, x + 4 * std::cos(a), 126 + 4 * std::sin(a));
        cairo_line_to(cr, x + L * 0.85 * std::cos(a), 126 + L * 0.85 * std::sin(a));
        cairo_stroke(cr);
    }
    // The open cup: three petals behind, the orange stigma, two in front.
    tige(cr, 54, 126, 54, 116, 54, 104, 54, 92, 6, 0xeee4f4);
    for (double a : {-0.5, 0.0, 0.5})
        feuille(cr, 54, 92, {.longueur = 50, .largeur = 26, .angle = -PI / 2 + a, .couleur = 0x8a48c8, .rondeur = 0.55});
    for (double a : {-0.22, 0.0, 0.22})
        tige(cr, 54, 88, 54, 74, 54 + a * 20, 62, 54 + a * 40, 46, 3, 0xff7a10);
    for (double a : {-0.22, 0.0, 0.22})
        ellipse(cr, 54 + a * 40, 44, 4, 5), ombrer(cr, 0xffa020, 1);
    for (double a : {-0.3, 0.3})
        feuille(cr, 54, 94, {.longueur = 36, .largeur = 24, .angle = -PI / 2 + a, .couleur = 0xa468e0, .rondeur = 0.55});
    // A second still closed, a slim goblet.
    tige(cr, 94, 126, 94, 116, 94, 104, 94, 96, 5, 0xeee4f4);
    for (double a : {-0.16, 0.16, 0.0})
        feuille(cr, 94, 98, {.longueur = 40, .largeur = 18, .angle = -PI / 2 + a, .couleur = a == 0 ? 0xa468e0u : 0x8a48c8u, .rondeur = 0.5});
}
}  // namespace images::dessins
