#include "dessins.hpp"

#include <cmath>
#include <map>

#include "atelier.hpp"
#include "trousse.hpp"

namespace {
// Every drawing is made on a 128 x 128 canvas, y down, then cut to its ink.
constexpr double PI = M_PI;

// Greens shared by the plants, so that the herbs differ by shape, not by tint alone.
constexpr std::uint32_t VERT = 0x4f9a3a, VERT_FONCE = 0x2f6e2a, VERT_CLAIR = 0x9acd5a, VERT_GRIS = 0x7f9a6a;

void point(cairo_t* cr, double x, double y, double r, std::uint32_t c, double trait = 1)
{
    ellipse(cr, x, y, r, r);
    ombrer(cr, c, trait);
}

// A flower's heart: `n` lines raying out from (x, y) to `rayon` (stamens, or veins
// across the petals), then a dark centre of radius `r` over them.
void coeur_raye(cairo_t* cr, double x, double y, int n, double rayon, double epaisseur, std::uint32_t trait,
                double r, std::uint32_t centre)
{
    couleur(cr, trait);
    cairo_set_line_width(cr, epaisseur);
    for (int i = 0; i < n; ++i) {
        const double a = 2 * PI * i / n;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + rayon * std::cos(a), y + rayon * std::sin(a));
    }
    cairo_stroke(cr);
    point(cr, x, y, r, centre);
}

void reflet(cairo_t* cr, double x, double y, double rx, double ry, double angle = -0.6)
{
    ellipse(cr, x, y, rx, ry, angle);
    couleur(cr, 0xffffff, 0.6);
    cairo_fill(cr);
}

// --- Leaves and herbs ----------------------------------------------------------------

void epinard(cairo_t* cr)
{
    // A bunch of broad, smooth, dark leaves on long stalks.
    const double angles[] = {-2.2, -1.85, -1.3, -0.95};
    for (int i = 0; i < 4; ++i) {
        const double a = angles[i], bx = 64 + 10 * std::cos(a), by = 118 + 10 * std::sin(a);
        tige(cr, 64, 120, 64, 110, bx + 25 * std::cos(a), by + 25 * std::sin(a), bx + 30 * std::cos(a),
             by + 30 * std::sin(a), 3, VERT);
        feuille(cr, bx + 28 * std::cos(a), by + 28 * std::sin(a),
                {.longueur = 62, .largeur = 40, .angle = a, .couleur = VERT_FONCE, .rondeur = 0.75});
    }
    feuille(cr, 64, 92, {.longueur = 30, .largeur = 20, .angle = -PI / 2, .couleur = 0x3a8030, .rondeur = 0.7});
}

void thym(cairo_t* cr)
{
    // A low rounded bush of wiry twigs set with tiny grey-green leaves, pink at the tips.
    for (int i = 0; i < 9; ++i) {
        const double a = -PI / 2 + (i - 4) * 0.3, l = 92 - std::abs(i - 4) * 6;
        const double x1 = 64 + l * std::cos(a), y1 = 124 + l * std::sin(a) * 0.95;
        tige(cr, 64, 124, 64 + l * 0.3 * std::cos(a), 124 + l * 0.5 * std::sin(a), x1, y1 + 10, x1, y1, 1.8, 0x8a6a4a);
        for (double t = 0.35; t < 0.95; t += 0.12)
            point(cr, 64 + (x1 - 64) * t, 124 + (y1 - 124) * t, 4.2, 0x7a9a6a, 1);
        point(cr, x1, y1, 4.5, 0xe08ad0, 1);
    }
}

void aneth(cairo_t* cr)
{
    // Thread-fine blue-green fronds and a flat yellow umbel on a tall stalk.
    tige(cr, 64, 126, 62, 90, 66, 60, 64, 42, 3, 0x5f8a4a);
    for (auto [y, a, l] : {std::tuple{110.0, -2.6, 50.0}, {108.0, -0.5, 50.0}, {88.0, -2.8, 42.0}, {84.0, -0.3, 42.0}, {66.0, -2.4, 30.0}, {64.0, -0.7, 30.0}})
        fronde(cr, 64, y, l, a, 0x2f7a4a);
    ombelle(cr, 64, 42, 9, 34, 2.2, 0x6a8a3a, [&](double x, double y) {
        ombelle(cr, x, y, 5, 7, 2.0, 0x8a9a3a, [&](double u, double v) { point(cr, u, v, 2.4, 0xf2d21a, 0.6); });
    });
}

void celeri(cairo_t* cr)
{
    // Pale ribbed stalks side by side, their leaves on top.
    for (int i = 0; i < 4; ++i) {
        const double x = 36 + i * 17, haut = 40 + (i % 2) * 8;
        feuille(cr, x + 2, haut + 4, {.longueur = 30, .largeur = 22, .angle = -PI / 2 - 0.4 + i * 0.25, .couleur = VERT, .dents = 3, .rondeur = 0.7});
        cairo_move_to(cr, x - 8, 124);
        cairo_curve_to(cr, x - 9, 100, x - 6, 70, x - 4, haut);
        cairo_line_to(cr, x + 6, haut);
        cairo_curve_to(cr, x + 8, 70, x + 10, 100, x + 9, 124);
        cairo_close_path(cr);
        ombrer(cr, 0xb5dc7a, 1.8);
        couleur(cr, 0x8ab85a);
        cairo_set_line_width(cr, 1.2);
        for (double d : {-3.0, 1.0, 5.0}) {
            cairo_move_to(cr, x + d * 0.8, haut + 6);
            cairo_line_to(cr, x + d, 120);
        }
        cairo_stroke(cr);
    }
}

void fanes(cairo_t* cr)
{
    // The leafy tops of a bunch of carrots, fanned out wide over their orange shoulders.
    for (int i = 0; i < 7; ++i) {
        const double a = -PI / 2 + (i - 3) * 0.4, x = 64 + (i - 3) * 4;
        const double x1 = x + 56 * std::cos(a), y1 = 82 + 56 * std::sin(a);
        tige(cr, x, 82, x + 20 * std::cos(a), 82 + 20 * std::sin(a), x1, y1 + 8, x1, y1, 2.5, 0x5a9a3a);
        fronde(cr, x1, y1, 26, a + PI, 0x3f8a2a);
        fronde(cr, x + 36 * std::cos(a), 82 + 36 * std::sin(a), 20, a + (i < 3 ? -0.9 : 0.9), 0x4a9a3a);
    }
    for (int i = 0; i < 3; ++i) {
        const double x = 46 + i * 18;
        cairo_move_to(cr, x - 11, 80);
        cairo_curve_to(cr, x - 11, 90, x - 6, 98, x, 100);
        cairo_curve_to(cr, x + 6, 98, x + 11, 90, x + 11, 80);
        cairo_close_path(cr);
        ombrer(cr, 0xf0822a, 1.8);
    }
}

void feuille_pissenlit(cairo_t* cr)
{
    // Long leaves cut into backward teeth, spread in a rosette, one yellow head.
    for (int i = 0; i < 5; ++i)
        feuille(cr, 64, 96, {.longueur = 64 - std::abs(i - 2) * 2.0, .largeur = 22, .angle = -PI / 2 + (i - 2) * 0.62,
                             .couleur = i % 2 ? 0x7ac84au : 0x62b83au, .dents = 5, .rondeur = 0.2});
    tige(cr, 64, 96, 66, 70, 76, 46, 88, 36, 2.5, 0x8ab85a);
    fleur(cr, 88, 30, 16, {.longueur = 18, .largeur = 6, .couleur = 0xf8d020, .nervure = false}, 0, 4.5, 0xf0b010);
}

void herbe(cairo_t* cr)
{
    // A tuft of grass: thin pointed blades, some bent, in two greens.
    for (int i = 0; i < 13; ++i) {
        const double a = -PI / 2 + (i - 6) * 0.16 + (i % 3 - 1) * 0.05;
        feuille(cr, 64 + (i - 6) * 3, 124, {.longueur = 110 - std::abs(i - 6) * 9.0, .largeur = 9, .angle = a,
                                           .couleur = i % 2 ? 0x5ab03au : 0x3f9a2au, .rondeur = 0.15, .nervure = false});
    }
}

void dieffenbachia(cairo_t* cr)
{
    // A house plant in its pot: broad pointed leaves splashed cream in the middle.
    for (int i = 0; i < 5; ++i) {
        const double a = -PI / 2 + (i - 2) * 0.55;
        const double l = 72 - std::abs(i - 2) * 6;
        feuille(cr, 64, 92, {.longueur = l, .largeur = 36, .angle = a, .couleur = 0x2f8a3a, .rondeur = 0.45});
        feuille(cr, 64 + 14 * std::cos(a), 92 + 14 * std::sin(a),
                {.longueur = l * 0.6, .largeur = 14, .angle = a, .couleur = 0xe8f0b0, .rondeur = 0.4, .nervure = false});
    }
    cairo_move_to(cr, 36, 92);
    cairo_line_to(cr, 92, 92);
    cairo_line_to(cr, 84, 126);
    cairo_line_to(cr, 44, 126);
    cairo_close_path(cr);
    ombrer(cr, 0xc8643a, 2);
    rectangle_arrondi(cr, 32, 86, 64, 12, 3);
    ombrer(cr, 0xd8744a, 2);
}

void menthe(cairo_t* cr)
{
    // A square stem with toothed, veined leaves in crossed pairs, bright and fresh.
    tige(cr, 64, 126, 64, 90, 64, 40, 64, 8, 3.5, 0x8a5a6a);
    for (auto [y, l] : {std::pair{104.0, 44.0}, {72.0, 38.0}, {44.0, 30.0}})
        for (int cote : {-1, 1})
            feuille(cr, 64, y, {.longueur = l, .largeur = l * 0.62, .angle = -PI / 2 + cote * 1.05, .couleur = 0x7ad89a, .dents = 5, .rondeur = 0.6});
    feuille(cr, 64, 24, {.longueur = 20, .largeur = 12, .angle = -PI / 2, .couleur = 0x8ae0a8, .dents = 3});
}

void basilic(cairo_t* cr)
{
    // Big glossy cupped leaves, smooth edged, in pairs, a tuft at the top.
    tige(cr, 64, 126, 62, 96, 66, 60, 64, 30, 4, 0x6a9a3a);
    for (auto [y, l] : {std::pair{108.0, 52.0}, {74.0, 44.0}})
        for (int cote : {-1, 1}) {
            feuille(cr, 64, y, {.longueur = l, .largeur = l * 0.7, .angle = -PI / 2 + cote * 1.25, .couleur = 0x2a8a2a, .rondeur = 0.8});
            reflet(cr, 64 + cote * l * 0.45, y - l * 0.22, l * 0.16, l * 0.07, cote * -0.3);
        }
    for (int cote : {-1, 1})
        feuille(cr, 64, 42, {.longueur = 30, .largeur = 22, .angle = -PI / 2 + cote * 0.5, .couleur = 0x35982f, .rondeur = 0.8});
}

void romarin(cairo_t* cr)
{
    // Stiff woody sprigs densely set with needles, dark above and silvery below,
    // and small pale blue flowers.
    for (auto [x1, y1] : {std::pair{30.0, 10.0}, {64.0, 4.0}, {98.0, 12.0}}) {
        tige(cr, 64, 126, 64, 100, x1, y1 + 40, x1, y1, 2.5, 0x7a5a3a);
        for (double t = 0.25; t < 1.0; t += 0.055) {
            const double x = 64 + (x1 - 64) * t, y = 126 + (y1 - 126) * t;
            for (int cote : {-1, 1}) {
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, x + cote * 15, y - 6);
                couleur(cr, cote < 0 ? 0x2f5a3a : 0x4a7a5a);
                cairo_set_line_width(cr, 3.2);
                cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                cairo_stroke(cr);
            }
        }
    }
    for (auto [x, y] : {std::pair{44.0, 60.0}, {88.0, 50.0}, {60.0, 34.0}})
        fleur(cr, x, y, 4, {.longueur = 6, .largeur = 5, .couleur = 0x8ab0ea, .nervure = false}, 0.3, 1.5, 0xffffff);
}

void mache(cairo_t* cr)
{
    // A rosette of small spoon-shaped leaves, seen from above.
    for (int anneau = 0; anneau < 2; ++anneau)
        for (int i = 0; i < 8; ++i) {
            const double a = 2 * PI * (i + anneau * 0.5) / 8;
            feuille(cr, 64, 68, {.longueur = anneau ? 34.0 : 54.0, .largeur = anneau ? 20.0 : 28.0, .angle = a,
                                 .couleur = anneau ? 0x4aa03au : 0x2f7a2au, .rondeur = 0.95});
        }
}

void chicoree(cairo_t* cr)
{
    // Curly endive: narrow deeply toothed leaves in a burst, a pale yellow heart.
    for (int i = 0; i < 14; ++i) {
        const double a = -PI / 2 + (i - 6.5) * 0.22;
        feuille(cr, 64, 118, {.longueur = 100 - std::abs(i - 6.5) * 6, .largeur = 16, .angle = a,
                              .couleur = i % 2 ? 0x6ab83au : 0x8ac84au, .dents = 8, .rondeur = 0.3});
    }
    for (int i = 0; i < 5; ++i)
        feuille(cr, 64, 118, {.longueur = 46, .largeur = 12, .angle = -PI / 2 + (i - 2) * 0.25, .couleur = 0xf0e07a, .dents = 4, .rondeur = 0.3});
}

void endive(cairo_t* cr)
{
    // A tight white spindle of leaves with yellow tips, outlined since it is so pale.
    for (int i : {0, 4, 1, 3, 2}) {
        const double d = (i - 2) * 8;
        cairo_move_to(cr, 64 + d * 0.2, 126);
        cairo_curve_to(cr, 64 + d * 1.7 - 8, 104, 64 + d * 1.0 - 8, 30, 64 + d * 0.3, 2 + std::abs(d) * 1.2);
        cairo_curve_to(cr, 64 + d * 1.0 + 8, 30, 64 + d * 1.7 + 8, 104, 64 + d * 0.2, 126);
        cairo_close_path(cr);
        Motif m{cairo_pattern_create_linear(0, 124, 0, 4)};
        arret(m.get(), 0, 0xfbf8e6);
        arret(m.get(), 0.6, 0xf4efc2);
        arret(m.get(), 1, 0xd6dc5a);
        cairo_set_source(cr, m.get());
        cairo_fill_preserve(cr);
        couleur(cr, 0x8a8a4a);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
}

void chou(cairo_t* cr)
{
    // A round head with wrapping outer leaves and pale veins.
    ellipse(cr, 64, 66, 54, 50);
    ombrer(cr, 0x5aa04a, 2.5);
    ellipse(cr, 64, 56, 36, 34);
    ombrer(cr, 0x9ad06a, 2);
    for (int cote : {-1, 1}) {
        cairo_move_to(cr, 64 + cote * 4, 116);
        cairo_curve_to(cr, 64 + cote * 60, 110, 64 + cote * 62, 40, 64 + cote * 22, 26);
        cairo_curve_to(cr, 64 + cote * 46, 50, 64 + cote * 40, 96, 64 + cote * 4, 116);
        ombrer(cr, 0x3f8a3a, 2);
    }
    couleur(cr, 0xdff0c0);
    cairo_set_line_width(cr, 1.6);
    for (double a : {-2.4, -1.9, -1.3, -0.8}) {
        cairo_move_to(cr, 64, 76);
        cairo_line_to(cr, 64 + 30 * std::cos(a), 76 + 40 * std::sin(a));
    }
    cairo_stroke(cr);
}

void choufleur(cairo_t* cr)
{
    // A creamy curd of little knobs, in a crown of green leaves.
    for (int cote : {-1, 1})
        for (double a : {0.35, 0.9}) {
            const double ang = -PI / 2 + cote * (PI / 2 + a);
            feuille(cr, 64, 84, {.longueur = 54, .largeur = 34, .angle = ang, .couleur = 0x3f8a3a, .rondeur = 0.7});
        }
    feuille(cr, 64, 80, {.longueur = 44, .largeur = 40, .angle = PI / 2, .couleur = 0x4a9a3a, .rondeur = 0.8});
    ellipse(cr, 64, 58, 44, 34);
    ombrer(cr, 0xf2e8c8, 2.5);
    for (auto [x, y, r] : {std::tuple{46.0, 50.0, 13.0}, {70.0, 42.0, 14.0}, {90.0, 58.0, 12.0}, {56.0, 70.0, 13.0}, {80.0, 72.0, 12.0}, {36.0, 66.0, 10.0}, {62.0, 32.0, 11.0}})
        point(cr, x, y, r, 0xfbf3dc, 1.5);
}

void fenouil(cairo_t* cr)
{
    // A white bulb of overlapping layers, green stalks, feathery fronds.
    for (auto [x, a] : {std::pair{52.0, -2.0}, {64.0, -1.6}, {76.0, -1.2}}) {
        tige(cr, x, 70, x, 50, x + 20 * std::cos(a), 40 + 20 * std::sin(a), x + 30 * std::cos(a), 36 + 30 * std::sin(a), 5, 0x8ac05a);
        fronde(cr, x + 30 * std::cos(a), 36 + 30 * std::sin(a), 30, a, 0x4a9a3a);
        fronde(cr, x + 15 * std::cos(a), 48 + 15 * std::sin(a), 24, a + (x < 64 ? -0.6 : 0.6), 0x5aa84a);
    }
    cairo_move_to(cr, 40, 70);
    cairo_curve_to(cr, 10, 80, 16, 124, 64, 124);
    cairo_curve_to(cr, 112, 124, 118, 80, 88, 70);
    cairo_close_path(cr);
    ombrer(cr, 0xeef4d2, 2.5);
    couleur(cr, 0xb8c88a);
    cairo_set_line_width(cr, 1.8);
    for (int cote : {-1, 1}) {
        cairo_move_to(cr, 64 + cote * 20, 72);
        cairo_curve_to(cr, 64 + cote * 40, 86, 64 + cote * 34, 116, 64 + cote * 8, 122);
    }
    cairo_stroke(cr);
}

void artichaut(cairo_t* cr)
{
    // Rows of pointed scales, green tipped with violet, on a short stem.
    tige(cr, 64, 126, 64, 118, 64, 110, 64, 100, 8, 0x6a9a4a);
    for (int rang = 0; rang < 4; ++rang) {
        const double y = 96 - rang * 20, demi = 46 - rang * 8;
        const int n = 5 - (rang == 3);
        for (int i = 0; i < n; ++i) {
            const double x = 64 - demi + (2 * demi) * (n == 1 ? 0.5 : static_cast<double>(i) / (n - 1));
            const double a = -PI / 2 + (x - 64) / 70;
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, a + PI / 2);
            cairo_move_to(cr, -15, 4);
            cairo_curve_to(cr, -15, -14, -5, -22, 0, -28);
            cairo_curve_to(cr, 5, -22, 15, -14, 15, 4);
            cairo_close_path(cr);
            ombrer(cr, 0x6a9a4a, 2);
            cairo_move_to(cr, -8, -14);
            cairo_line_to(cr, 0, -28);
            cairo_line_to(cr, 8, -14);
            cairo_close_path(cr);
            ombrer(cr, 0x8a3a9a, 1);
            cairo_restore(cr);
        }
    }
}

// --- Flowers -------------------------------------------------------------------------

void renoncule(cairo_t* cr)
{
    // Five round glossy yellow petals in a cup, a green heart, a lobed leaf below.
    tige(cr, 64, 126, 60, 100, 66, 80, 64, 64, 3, VERT);
    for (int i = 0; i < 3; ++i)
        feuille(cr, 64, 108, {.longueur = 26, .largeur = 16, .angle = -PI / 2 + (i - 1) * 0.9, .couleur = VERT, .dents = 2, .rondeur = 0.8});
    fleur(cr, 64, 50, 5, {.longueur = 34, .largeur = 30, .couleur = 0xf8d010, .rondeur = 0.95, .nervure = false}, -PI / 2, 9, 0x9ab82a);
    for (int i = 0; i < 5; ++i) {
        const double a = -PI / 2 + 2 * PI * i / 5;
        reflet(cr, 64 + 22 * std::cos(a), 50 + 22 * std::sin(a), 6, 3, a);
    }
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
    // Two sky-blue five-petal flowers on slender stems with narrow leaves.
    for (auto [x, y, b] : {std::tuple{40.0, 40.0, 54.0}, {92.0, 58.0, 74.0}}) {
        tige(cr, 64, 126, (64 + x) / 2, 100, x, y + 30, x, y, 2, 0x6a9a4a);
        for (double t : {0.3, 0.55})
            feuille(cr, 64 + (x - 64) * t, 126 - (126 - y) * t, {.longueur = 18, .largeur = 5, .angle = -PI / 2 + (x < 64 ? -0.6 : 0.6), .couleur = VERT, .nervure = false});
        fleur(cr, x, y, 5, {.longueur = 24, .largeur = 20, .couleur = 0x5a8ae0, .rondeur = 0.85}, -PI / 2, 5, 0xf0e080);
        (void)b;
    }
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
    // A cluster of pink pinwheel flowers over long narrow leathery leaves.
    for (int i = 0; i < 5; ++i)
        feuille(cr, 64, 122, {.longueur = 70, .largeur = 12, .angle = -PI / 2 + (i - 2) * 0.45, .couleur = 0x3f7a4a, .rondeur = 0.4});
    for (auto [x, y, r] : {std::tuple{38.0, 46.0, 20.0}, {88.0, 42.0, 21.0}, {62.0, 22.0, 19.0}, {64.0, 62.0, 20.0}})
        fleur(cr, x, y, 5, {.longueur = r, .largeur = r * 0.9, .couleur = 0xf0509a, .rondeur = 0.8, .nervure = false}, x * 0.1, r * 0.22, 0xffe6f0);
}

void jusquiame(cairo_t* cr)
{
    // A dull yellow bell-flower netted with purple veins, a dark purple eye, hairy
    // toothed leaves.
    for (int cote : {-1, 1})
        feuille(cr, 64, 124, {.longueur = 58, .largeur = 30, .angle = -PI / 2 + cote * 0.95, .couleur = 0x6a8a4a, .dents = 5, .rondeur = 0.5});
    tige(cr, 64, 126, 64, 110, 64, 96, 64, 84, 4, 0x6a8a4a);
    fleur(cr, 64, 50, 5, {.longueur = 46, .largeur = 38, .couleur = 0xf4dc50, .rondeur = 0.9, .nervure = false}, -PI / 2, 0, 0);
    coeur_raye(cr, 64, 50, 15, 40, 1.4, 0x7a3a7a, 15, 0x4a1a4a);
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
    // A climber's flower: four pointed mauve petals with a pale band, a cream tuft of
    // stamens, on a twining stem with a leaf.
    tige(cr, 10, 126, 40, 110, 20, 80, 50, 70, 2.5, 0x6a7a3a);
    feuille(cr, 30, 100, {.longueur = 36, .largeur = 18, .angle = PI + 0.4, .couleur = VERT, .rondeur = 0.4});
    for (int i = 0; i < 4; ++i) {
        const double a = -PI / 4 + PI / 2 * i;
        feuille(cr, 70, 54, {.longueur = 52, .largeur = 30, .angle = a, .couleur = 0xb060c8, .rondeur = 0.35, .nervure = false});
        feuille(cr, 70, 54, {.longueur = 40, .largeur = 8, .angle = a, .couleur = 0xe0b0ec, .rondeur = 0.3, .nervure = false});
    }
    for (int i = 0; i < 12; ++i) {
        const double a = 2 * PI * i / 12;
        point(cr, 70 + 8 * std::cos(a), 54 + 8 * std::sin(a), 3, 0xf4ecc0, 0.8);
    }
    point(cr, 70, 54, 5, 0xe8d890, 1);
}

void laurier(cairo_t* cr)
{
    // A bay sprig: stiff, glossy, dark pointed leaves set alternately along a twig.
    tige(cr, 30, 126, 44, 90, 70, 50, 96, 8, 3, 0x7a6a3a);
    for (int i = 0; i < 6; ++i) {
        const double t = 0.15 + i * 0.15, x = 30 + 66 * t + 8 * t * (1 - t), y = 126 - 118 * t;
        const int cote = i % 2 ? 1 : -1;
        feuille(cr, x, y, {.longueur = 46 - i * 3.0, .largeur = 20.0 - i, .angle = -PI / 2 + cote * 0.85 + 0.3,
                           .couleur = 0x2f6a3a, .rondeur = 0.45});
        reflet(cr, x + cote * 12 + 6, y - 14, 6, 2, -PI / 2 + cote * 0.85 + 0.3);
    }
    feuille(cr, 96, 8, {.longueur = 26, .largeur = 12, .angle = -0.9, .couleur = 0x3a7a44, .rondeur = 0.45});
}

void morelle(cairo_t* cr)
{
    // Black nightshade: a drooping bunch of small shiny black berries, a white star
    // flower with a yellow cone, and a soft leaf.
    feuille(cr, 30, 60, {.longueur = 56, .largeur = 34, .angle = PI - 0.5, .couleur = 0x4a8a3a, .rondeur = 0.5});
    tige(cr, 10, 40, 40, 36, 56, 50, 66, 62, 2.5, 0x5a7a3a);
    for (auto [x, y] : {std::pair{60.0, 80.0}, {80.0, 76.0}, {70.0, 96.0}, {90.0, 94.0}, {52.0, 100.0}, {80.0, 112.0}}) {
        tige(cr, 66, 62, (66 + x) / 2, 66, x, y - 10, x, y, 1.4, 0x5a7a3a);
        point(cr, x, y, 10, 0x1c1a24, 1.5);
        reflet(cr, x - 3, y - 4, 3.5, 2);
    }
    tige(cr, 40, 36, 60, 24, 80, 22, 96, 28, 1.6, 0x5a7a3a);
    fleur(cr, 100, 30, 5, {.longueur = 18, .largeur = 9, .couleur = 0xffffff, .rondeur = 0.4, .nervure = false}, PI / 2, 0, 0);
    ellipse(cr, 100, 30, 4, 6);
    ombrer(cr, 0xf0c820, 1);
}

void betterave(cairo_t* cr)
{
    // A round dark red root with its thin tail, and leaves on red-veined stalks.
    for (int i = 0; i < 3; ++i) {
        const double a = -PI / 2 + (i - 1) * 0.55;
        const double bx = 64 + 28 * std::cos(a), by = 68 + 30 * std::sin(a);
        tige(cr, 64, 70, 64, 60, bx, by + 8, bx, by, 3, 0xb02a4a);
        feuille(cr, bx, by, {.longueur = 34, .largeur = 24, .angle = a, .couleur = 0x3f8a3a, .rondeur = 0.6});
    }
    tige(cr, 64, 108, 66, 116, 70, 122, 78, 126, 2, 0x8a1a3a);
    point(cr, 64, 90, 26, 0x9a1a44, 2.5);
    reflet(cr, 54, 80, 7, 3.5);
}

// --- Umbels --------------------------------------------------------------------------

void cigue(cairo_t* cr)
{
    // Several small flat umbels of white florets on a purple-spotted stem, lacy leaves.
    tige(cr, 64, 126, 62, 100, 66, 80, 64, 66, 4, 0x6a9a4a);
    couleur(cr, 0x7a2a5a);
    for (double y : {120.0, 108.0, 96.0, 84.0, 74.0})
        ellipse(cr, 64 + (static_cast<int>(y) % 3 - 1), y, 1.6, 2.4), cairo_fill(cr);
    for (int cote : {-1, 1})
        fronde(cr, 64, 100, 46, -PI / 2 + cote * 1.2, 0x4a8a3a);
    ombelle(cr, 64, 66, 7, 36, 2.3, 0x6a9a4a, [&](double x, double y) {
        ombelle(cr, x, y, 6, 9, 2.4, 0x6a9a4a, [&](double u, double v) { point(cr, u, v, 2.6, 0xffffff, 0.9); });
    });
}

void angelique(cairo_t* cr)
{
    // One big ball of greenish florets on a thick hollow stem wrapped in a sheath.
    tige(cr, 64, 126, 64, 110, 64, 90, 64, 70, 8, 0x7aa85a);
    cairo_move_to(cr, 58, 110);
    cairo_curve_to(cr, 48, 96, 52, 84, 62, 78);
    cairo_line_to(cr, 70, 96);
    cairo_close_path(cr);
    ombrer(cr, 0x9ac06a, 1.5);
    feuille(cr, 66, 100, {.longueur = 46, .largeur = 26, .angle = -0.5, .couleur = VERT, .dents = 4});
    couleur(cr, 0x7a9a4a);
    cairo_set_line_width(cr, 1.5);
    for (int i = 0; i < 16; ++i) {
        const double a = 2 * PI * i / 16;
        cairo_move_to(cr, 64, 70);
        cairo_line_to(cr, 64 + 30 * std::cos(a), 44 + 30 * std::sin(a));
    }
    cairo_stroke(cr);
    for (int i = 0; i < 16; ++i) {
        const double a = 2 * PI * i / 16;
        point(cr, 64 + 32 * std::cos(a), 44 + 32 * std::sin(a), 7, 0xd8e890, 1.2);
    }
    point(cr, 64, 44, 14, 0xc8dc80, 1.2);
}

void sureau(cairo_t* cr)
{
    // A hanging flat umbel of tiny black-purple berries on red stalks, a leaf pair.
    tige(cr, 64, 2, 64, 16, 64, 24, 64, 34, 3, 0x7a3a2a);
    for (int cote : {-1, 1})
        feuille(cr, 64, 20, {.longueur = 40, .largeur = 16, .angle = -PI / 2 + cote * 1.3, .couleur = VERT, .dents = 4, .rondeur = 0.4});
    couleur(cr, 0xb0443a);
    cairo_set_line_width(cr, 1.6);
    for (int i = 0; i < 7; ++i) {
        const double a = PI / 2 + (i - 3) * 0.36;
        cairo_move_to(cr, 64, 34);
        cairo_line_to(cr, 64 + 48 * std::cos(a), 34 + 48 * std::sin(a) * 0.9);
    }
    cairo_stroke(cr);
    for (int i = 0; i < 7; ++i) {
        const double a = PI / 2 + (i - 3) * 0.36;
        const double x = 64 + 48 * std::cos(a), y = 34 + 48 * std::sin(a) * 0.9;
        for (auto [dx, dy] : {std::pair{0.0, 0.0}, {-8.0, 6.0}, {8.0, 6.0}, {-5.0, -7.0}, {5.0, -7.0}, {0.0, 12.0}})
            point(cr, x + dx, y + dy, 4.5, 0x3a1a3a);
    }
}

// --- Fruits, nuts, seeds -----------------------------------------------------------------

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

void belladone(cairo_t* cr)
{
    // A single glossy black berry sitting in a wide green star, and a dull purple bell.
    tige(cr, 30, 0, 40, 30, 50, 50, 60, 70, 2.5, 0x5a7a3a);
    for (int i = 0; i < 5; ++i)
        feuille(cr, 64, 82, {.longueur = 34, .largeur = 16, .angle = -PI / 2 + 2 * PI * i / 5, .couleur = 0x4a8a3a, .rondeur = 0.4});
    point(cr, 64, 80, 26, 0x1c1420, 2);
    reflet(cr, 54, 70, 8, 5);
    tige(cr, 40, 30, 60, 24, 80, 20, 92, 24, 2, 0x5a7a3a);
    cairo_move_to(cr, 86, 26);
    cairo_curve_to(cr, 84, 42, 90, 52, 96, 56);
    cairo_line_to(cr, 120, 52);
    cairo_curve_to(cr, 118, 44, 114, 32, 100, 22);
    cairo_close_path(cr);
    ombrer(cr, 0x8a4a6a, 1.8);
}

void courgette(cairo_t* cr)
{
    // A long dark green squash, speckled, with its big yellow flower at the tip.
    cairo_save(cr);
    cairo_translate(cr, 64, 64);
    cairo_rotate(cr, -0.7);
    rectangle_arrondi(cr, -58, -14, 100, 28, 14);
    ombrer(cr, 0x2f6a2a, 2);
    couleur(cr, 0xa8d08a);
    for (int i = 0; i < 16; ++i)
        ellipse(cr, -48 + i * 5.8, (i % 3 - 1) * 6, 2.2, 1.2), cairo_fill(cr);
    rectangle_arrondi(cr, -66, -5, 12, 10, 3);
    ombrer(cr, 0x8aa85a, 1.5);
    cairo_restore(cr);
    fleur(cr, 98, 32, 5, {.longueur = 24, .largeur = 18, .couleur = 0xf8b818, .rondeur = 0.7}, -0.3, 5, 0xe89018);
}

void caroube(cairo_t* cr)
{
    // A long leathery pod, dark glossy brown, curved, its seeds bulging in a row.
    cairo_move_to(cr, 10, 100);
    cairo_curve_to(cr, 30, 40, 80, 14, 120, 12);
    cairo_curve_to(cr, 122, 22, 118, 28, 110, 30);
    cairo_curve_to(cr, 76, 36, 38, 70, 26, 112);
    cairo_curve_to(cr, 20, 116, 12, 110, 10, 100);
    cairo_close_path(cr);
    ombrer(cr, 0x5a2e1a, 2.5);
    for (double t = 0.15; t < 0.95; t += 0.12) {
        const double x = 20 + 95 * t - 14 * t * (1 - t), y = 104 - 84 * t - 40 * t * (1 - t);
        ellipse(cr, x + 4, y + 2, 5, 3.5, -0.8);
        couleur(cr, 0x8a5030);
        cairo_fill(cr);
    }
    reflet(cr, 50, 52, 18, 2.5, -0.9);
}

void noisette(cairo_t* cr)
{
    // Two hazelnuts, pointed at the top with a pale rough base, one still in its
    // fringed green husk.
    for (int cote : {-1, 1})
        for (int i = 0; i < 4; ++i)
            feuille(cr, 84, 108, {.longueur = 34 + i * 4.0, .largeur = 16, .angle = -PI / 2 + cote * (0.25 + i * 0.3),
                                  .couleur = 0x8ac04a, .dents = 3, .rondeur = 0.3, .nervure = false});
    for (auto [x, y, r] : {std::tuple{44.0, 76.0, 30.0}, {84.0, 66.0, 27.0}}) {
        cairo_move_to(cr, x, y - r * 1.1);
        cairo_curve_to(cr, x + r * 1.0, y - r * 0.9, x + r * 1.05, y + r * 0.4, x + r * 0.8, y + r * 0.75);
        cairo_curve_to(cr, x + r * 0.5, y + r * 1.05, x - r * 0.5, y + r * 1.05, x - r * 0.8, y + r * 0.75);
        cairo_curve_to(cr, x - r * 1.05, y + r * 0.4, x - r * 1.0, y - r * 0.9, x, y - r * 1.1);
        cairo_close_path(cr);
        ombrer(cr, 0xa86630, 2);
        couleur(cr, 0x7a4420);
        cairo_set_line_width(cr, 1.2);
        for (int k = -2; k <= 2; ++k) {
            cairo_move_to(cr, x + k * r * 0.12, y - r * 0.95);
            cairo_curve_to(cr, x + k * r * 0.35, y - r * 0.4, x + k * r * 0.35, y + r * 0.2, x + k * r * 0.3, y + r * 0.5);
        }
        cairo_stroke(cr);
        ellipse(cr, x, y + r * 0.72, r * 0.72, r * 0.3);
        ombrer(cr, 0xe0c89a, 1.2);
        reflet(cr, x - r * 0.35, y - r * 0.4, r * 0.22, r * 0.12, -1.0);
    }
    for (int cote : {-1, 1})
        feuille(cr, 84, 100, {.longueur = 30, .largeur = 18, .angle = -PI / 2 + cote * 0.9, .couleur = 0x9ad05a, .dents = 3, .rondeur = 0.4, .nervure = false});
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

// --- Grains and dishes -----------------------------------------------------------------

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

// --- Trees ---------------------------------------------------------------------------

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
    // A twig with one leaf of paired oval leaflets and a hanging bunch of white
    // pea-like flowers.
    tige(cr, 10, 10, 40, 12, 60, 14, 80, 12, 3.5, 0x7a5a3a);
    tige(cr, 70, 12, 86, 40, 100, 80, 110, 120, 1.8, 0x5a8a3a);
    for (int i = 0; i < 6; ++i) {
        const double t = (i + 0.7) / 6.5, x = 70 + 40 * t, y = 12 + 108 * t;
        for (int cote : {-1, 1})
            feuille(cr, x, y, {.longueur = 22, .largeur = 14, .angle = 1.2 + cote * 1.2, .couleur = VERT, .rondeur = 0.85, .nervure = false});
    }
    feuille(cr, 110, 120, {.longueur = 14, .largeur = 10, .angle = 1.2, .couleur = VERT, .rondeur = 0.85, .nervure = false});
    tige(cr, 36, 12, 36, 30, 38, 60, 38, 100, 1.5, 0x6a8a3a);
    for (int i = 0; i < 7; ++i) {
        const double yy = 24 + i * 13, w = 26 - i * 3.2;
        for (int cote : {-1, 1}) {
            cairo_save(cr);
            cairo_translate(cr, 38 + cote * w * 0.45, yy);
            cairo_rotate(cr, cote * 0.5);
            cairo_move_to(cr, 0, -9);
            cairo_curve_to(cr, 11, -8, 10, 8, 0, 9);
            cairo_curve_to(cr, -10, 8, -11, -8, 0, -9);
            ombrer(cr, 0xfcfaf0, 1.5);
            cairo_restore(cr);
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

const std::map<std::string_view, void (*)(cairo_t*)>& table()
{
    static const std::map<std::string_view, void (*)(cairo_t*)> t = {
        {"alimentdufrigo", frigo}, {"fanedecarotte", fanes}, {"feuilledepissenlit", feuille_pissenlit}, {"epinard", epinard},     {"thym", thym},         {"aneth", aneth},
        {"celeri", celeri},        {"menthe", menthe},       {"basilic", basilic},   {"romarin", romarin},
        {"mache", mache},          {"chicoree", chicoree},   {"endive", endive},     {"choux", chou},
        {"choufleur", choufleur},  {"fenouil", fenouil},     {"artichaut", artichaut}, {"renoncule", renoncule},
        {"coquelicot", coquelicot}, {"lin", lin},            {"liseron", liseron},   {"muguet", muguet},
        {"calla", calla},          {"laurierrose", laurierrose}, {"jusquiame", jusquiame}, {"chardon", chardon},
        {"cigue", cigue},          {"angelique", angelique}, {"sureau", sureau},     {"framboise", framboise},
        {"belladone", belladone},  {"courgette", courgette}, {"caroube", caroube},   {"noisette", noisette},
        {"amande", amande},        {"noix", noix},           {"pistache", pistache}, {"graine", graines},
        {"foin", foin},            {"avoine", avoine},       {"darisroux", darisroux}, {"biscotte", biscotte},
        {"cereale", cereales},     {"avenas", flocons},      {"arumsauvage", arum},  {"saule", saule},
        {"accacia", acacia}, {"herbe", herbe}, {"anemone", anemone}, {"clematite", clematite}, {"laurier", laurier}, {"morelle", morelle}, {"betterave", betterave}, {"dieffenbachia", dieffenbachia},       {"noisetier", noisetier},
    };
    return t;
}
}  // namespace

Surface dessin_aliment(std::string_view nom)
{
    const auto i = table().find(nom);
    if (i == table().end())
        return {};
    Surface s = nouvelle_surface(128, 128);
    Contexte c = nouveau_contexte(s.get());
    cairo_set_line_join(c.get(), CAIRO_LINE_JOIN_ROUND);
    i->second(c.get());
    return rogner(s.get(), 0);
}
