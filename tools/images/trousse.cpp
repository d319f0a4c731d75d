#include "trousse.hpp"

#include <algorithm>
#include <cmath>

#include "atelier.hpp"

namespace images {
std::uint32_t nuance(std::uint32_t c, double f)
{
    auto canal = [&](int decalage) {
        const double v = (c >> decalage) & 0xff;
        const double r = f <= 1 ? v * f : v + (255 - v) * (f - 1);
        return static_cast<std::uint32_t>(std::clamp(std::lround(r), 0L, 255L)) << decalage;
    };
    return canal(16) | canal(8) | canal(0);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double angle)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void ombrer(cairo_t* cr, std::uint32_t c, double trait)
{
    double x0, y0, x1, y1;
    cairo_path_extents(cr, &x0, &y0, &x1, &y1);
    const double r = std::max({x1 - x0, y1 - y0, 1.0});
    Motif m{cairo_pattern_create_radial(x0 + (x1 - x0) * 0.3, y0 + (y1 - y0) * 0.25, 0,
                                        x0 + (x1 - x0) * 0.3, y0 + (y1 - y0) * 0.25, r)};
    arret(m.get(), 0, nuance(c, 1.35));
    arret(m.get(), 0.55, c);
    arret(m.get(), 1, nuance(c, 0.75));
    cairo_set_source(cr, m.get());
    if (trait <= 0) {
        cairo_fill(cr);
        return;
    }
    cairo_fill_preserve(cr);
    couleur(cr, nuance(c, 0.45));
    cairo_set_line_width(cr, trait);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void tige(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2, double x3,
          double y3, double epaisseur, std::uint32_t c)
{
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int passe = 0; passe < 2; ++passe) {
        cairo_move_to(cr, x0, y0);
        cairo_curve_to(cr, x1, y1, x2, y2, x3, y3);
        couleur(cr, passe == 0 ? nuance(c, 0.5) : c);
        cairo_set_line_width(cr, passe == 0 ? epaisseur + 2 : epaisseur);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void feuille(cairo_t* cr, double x, double y, const Feuille& f)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, f.angle);
    const double L = f.longueur, l = f.largeur / 2, r = f.rondeur;
    // Two curves from base to tip, mirrored; teeth are small outward bumps along them.
    cairo_move_to(cr, 0, 0);
    if (f.dents == 0) {
        cairo_curve_to(cr, L * (0.5 - r / 2), -l * 1.3, L * (0.5 + r / 2), -l * 1.3, L, 0);
        cairo_curve_to(cr, L * (0.5 + r / 2), l * 1.3, L * (0.5 - r / 2), l * 1.3, 0, 0);
    } else {
        // Along the upper edge and back along the lower one, every other point a tooth
        // that leans towards the tip.
        const int n = 2 * f.dents;
        auto demi = [&](double u) { return l * 1.05 * std::pow(std::sin(M_PI * u), 0.6 + 0.6 * (1 - r)); };
        for (int cote : {-1, 1})
            for (int i = 1; i <= n; ++i) {
                const int k = cote < 0 ? i : n - i;
                const double u = static_cast<double>(k) / n;
                const bool pointe = k % 2 == 1;
                cairo_line_to(cr, L * u + (pointe ? L * 0.03 : 0), cote * demi(u) * (pointe ? 1.15 : 0.88));
            }
        cairo_close_path(cr);
    }
    ombrer(cr, f.couleur, 1.5);
    if (f.nervure) {
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, L * 0.85, 0);
        couleur(cr, nuance(f.couleur, 0.6));
        cairo_set_line_width(cr, std::max(1.0, f.largeur / 10));
        cairo_stroke(cr);
    }
    for (int i = 0; i < f.veines; ++i) {
        const double u = 0.12 + 0.7 * i / f.veines;
        for (int cote : {-1, 1}) {
            cairo_move_to(cr, L * u, 0);
            cairo_curve_to(cr, L * (u + 0.05), cote * l * 0.5, L * (u + 0.12), cote * l * 0.75, L * (u + 0.2),
                           cote * l * 0.8 * std::sin(M_PI * std::min(0.95, u + 0.2)));
        }
    }
    if (f.veines > 0) {
        couleur(cr, nuance(f.couleur, 0.65));
        cairo_set_line_width(cr, std::max(0.8, f.largeur / 16));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void penne(cairo_t* cr, double x, double y, double longueur, double angle, int paires, Feuille f,
           std::uint32_t rachis)
{
    const double dx = std::cos(angle), dy = std::sin(angle);
    tige(cr, x, y, x + dx * longueur * 0.3, y + dy * longueur * 0.3, x + dx * longueur * 0.7,
         y + dy * longueur * 0.7, x + dx * longueur, y + dy * longueur, 1.2, rachis);
    const double ecart = f.angle;
    for (int i = 0; i < paires; ++i) {
        const double t = 0.2 + 0.75 * i / std::max(1, paires);
        for (int cote : {-1, 1}) {
            f.angle = angle + cote * ecart;
            feuille(cr, x + dx * longueur * t, y + dy * longueur * t, f);
        }
    }
    f.angle = angle;
    feuille(cr, x + dx * longueur, y + dy * longueur, f);
}

void fleur(cairo_t* cr, double cx, double cy, int n, const Feuille& p, double depart, double rayon_coeur,
           std::uint32_t coeur)
{
    for (int i = 0; i < n; ++i) {
        Feuille q = p;
        q.angle = depart + 2 * M_PI * i / n;
        feuille(cr, cx, cy, q);
    }
    if (rayon_coeur > 0) {
        ellipse(cr, cx, cy, rayon_coeur, rayon_coeur);
        ombrer(cr, coeur, 1.2);
    }
}

void ombelle(cairo_t* cr, double x, double y, int n, double rayon, double ouverture, std::uint32_t c,
             const std::function<void(double, double)>& fleurette)
{
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    couleur(cr, c);
    cairo_set_line_width(cr, 1.6);
    for (int i = 0; i < n; ++i) {
        const double a = -M_PI / 2 - ouverture / 2 + ouverture * (n == 1 ? 0.5 : static_cast<double>(i) / (n - 1));
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + rayon * std::cos(a), y + rayon * std::sin(a) * 0.8);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    for (int i = 0; i < n; ++i) {
        const double a = -M_PI / 2 - ouverture / 2 + ouverture * (n == 1 ? 0.5 : static_cast<double>(i) / (n - 1));
        fleurette(x + rayon * std::cos(a), y + rayon * std::sin(a) * 0.8);
    }
}

void fronde(cairo_t* cr, double x, double y, double longueur, double angle, std::uint32_t c)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    couleur(cr, c);
    cairo_set_line_width(cr, 1.8);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, longueur, 0);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.2);
    for (double t = 0.15; t < 0.95; t += 0.09) {
        const double fil = longueur * 0.32 * (1 - t * 0.7);
        for (int cote : {-1, 1}) {
            cairo_move_to(cr, longueur * t, 0);
            cairo_line_to(cr, longueur * t + fil * 0.6, cote * fil);
        }
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void coque(cairo_t* cr, double cx, double cy, double rx, double ry, double angle, std::uint32_t c, int stries)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    // Pointed towards +x: round at the back, narrowing to the tip.
    cairo_move_to(cr, rx, 0);
    cairo_curve_to(cr, rx * 0.6, -ry * 0.9, -rx * 0.2, -ry * 1.05, -rx * 0.75, -ry * 0.8);
    cairo_curve_to(cr, -rx * 1.1, -ry * 0.5, -rx * 1.1, ry * 0.5, -rx * 0.75, ry * 0.8);
    cairo_curve_to(cr, -rx * 0.2, ry * 1.05, rx * 0.6, ry * 0.9, rx, 0);
    cairo_close_path(cr);
    ombrer(cr, c, 1.8);
    couleur(cr, nuance(c, 0.7));
    cairo_set_line_width(cr, 1.1);
    for (int i = 0; i < stries; ++i) {
        const double v = (i + 1.0) / (stries + 1) * 2 - 1;
        cairo_move_to(cr, -rx * 0.8, v * ry * 0.7);
        cairo_curve_to(cr, -rx * 0.2, v * ry * 0.95, rx * 0.4, v * ry * 0.7, rx * 0.85, v * ry * 0.1);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void point(cairo_t* cr, double x, double y, double r, std::uint32_t c, double trait)
{
    ellipse(cr, x, y, r, r);
    ombrer(cr, c, trait);
}

void reflet(cairo_t* cr, double x, double y, double rx, double ry, double angle)
{
    ellipse(cr, x, y, rx, ry, angle);
    couleur(cr, 0xffffff, 0.6);
    cairo_fill(cr);
}

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

Surface dessiner(void (*dessin)(cairo_t*))
{
    Surface s = nouvelle_surface(128, 128);
    Contexte c = nouveau_contexte(s.get());
    cairo_set_line_join(c.get(), CAIRO_LINE_JOIN_ROUND);
    dessin(c.get());
    return rogner(s.get(), 0);
}
}  // namespace images
