#include "decor.hpp"

#include <algorithm>
#include <cmath>

#include "personnages.hpp"

namespace images {
// The score panel's texts come in boxes over rows 600 to 639, and between them the
// screen keeps whatever full-screen picture was drawn last. Every full-screen picture
// therefore ends with the same plain strip, so the panel looks the same whichever
// screen came before.
void socle(cairo_t* cr)
{
    cairo_rectangle(cr, 0, HAUTEUR_FOND, LARGEUR_ECRAN, HAUTEUR_ECRAN - HAUTEUR_FOND);
    couleur(cr, 0x7a5638);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, HAUTEUR_FOND, LARGEUR_ECRAN, 2);
    couleur(cr, 0x5a3c24);
    cairo_fill(cr);
}

void degrade_vertical(cairo_t* cr, double y0, double y1, std::uint32_t haut, std::uint32_t bas)
{
    Motif m{cairo_pattern_create_linear(0, y0, 0, y1)};
    arret(m.get(), 0, haut);
    arret(m.get(), 1, bas);
    cairo_set_source(cr, m.get());
}

void emoji(Atelier& a, cairo_t* cr, const char* e, double cx, double cy, double taille, double angle,
           double alpha)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    poser_image(cr, a.emojis.image(e), 0, 0, taille, taille, alpha);
    cairo_restore(cr);
}

// A cream card with a soft shadow and a brown border.
void carte(cairo_t* cr, double x, double y, double l, double h, std::uint32_t fond,
           std::uint32_t bord)
{
    rectangle_arrondi(cr, x + 4, y + 6, l, h, 22);
    couleur(cr, 0x000000, 0.15);
    cairo_fill(cr);
    rectangle_arrondi(cr, x, y, l, h, 22);
    couleur(cr, fond);
    cairo_fill_preserve(cr);
    couleur(cr, bord);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

// A keyboard key with its label, its top-left corner at (x, y).
double touche(Atelier& a, cairo_t* cr, const std::string& texte, double x, double y, double h)
{
    const double taille = h * 0.55;
    const double l = std::max(h, a.gras.largeur(texte, taille) + h * 0.5);
    rectangle_arrondi(cr, x, y + 3, l, h, h * 0.2);
    couleur(cr, 0x8c8c96);
    cairo_fill(cr);
    rectangle_arrondi(cr, x, y, l, h - 1, h * 0.2);
    degrade_vertical(cr, y, y + h, 0xffffff, 0xe2e2ea);
    cairo_fill_preserve(cr);
    couleur(cr, 0x55555f);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    couleur(cr, 0x2a2a33);
    a.gras.centrer(cr, texte, taille, x + l / 2, y + h * 0.68);
    return l;
}

// A mouse seen from above with one button lit: the left for the bowl, the right for the bin.
void souris(cairo_t* cr, double cx, double cy, double h, bool gauche, std::uint32_t allume)
{
    const double l = h * 0.66;
    cairo_save(cr);
    cairo_translate(cr, cx - l / 2, cy - h / 2);
    rectangle_arrondi(cr, 0, 0, l, h, l / 2);
    couleur(cr, 0xf4f4f8);
    cairo_fill_preserve(cr);
    couleur(cr, 0x44444c);
    cairo_set_line_width(cr, std::max(1.5, h / 22));
    cairo_stroke(cr);
    cairo_save(cr);
    rectangle_arrondi(cr, 0, 0, l, h, l / 2);
    cairo_clip(cr);
    cairo_rectangle(cr, gauche ? 0 : l / 2, 0, l / 2, h * 0.42);
    couleur(cr, allume);
    cairo_fill(cr);
    cairo_restore(cr);
    couleur(cr, 0x44444c);
    cairo_move_to(cr, l / 2, 0);
    cairo_line_to(cr, l / 2, h * 0.42);
    cairo_move_to(cr, 0, h * 0.42);
    cairo_line_to(cr, l, h * 0.42);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void titre(Atelier& a, cairo_t* cr, const std::string& texte, double cx, double y, double taille,
           std::uint32_t couleur_texte, std::uint32_t trait)
{
    a.gras.centrer_contour(cr, texte, taille, cx, y, couleur_texte, trait, taille / 12);
}

void ligne(Atelier& a, cairo_t* cr, const std::string& texte, double x, double y, double taille,
           std::uint32_t c, bool gras)
{
    couleur(cr, c);
    (gras ? a.gras : a.texte).ecrire(cr, texte, taille, x, y);
}

void centre(Atelier& a, cairo_t* cr, const std::string& texte, double cx, double y, double taille,
            std::uint32_t c, bool gras)
{
    couleur(cr, c);
    (gras ? a.gras : a.texte).centrer(cr, texte, taille, cx, y);
}

// Sky, sun and rolling meadow: the outdoors that Bidou lives in.
void prairie(cairo_t* cr, double horizon, double bas)
{
    degrade_vertical(cr, 0, horizon, 0x9fd8f5, 0xe4f6ff);
    cairo_rectangle(cr, 0, 0, LARGEUR_ECRAN, horizon + 40);
    cairo_fill(cr);
    auto colline = [&](double y, double amplitude, double phase, std::uint32_t haut, std::uint32_t bas_c) {
        cairo_move_to(cr, 0, bas);
        for (int x = 0; x <= LARGEUR_ECRAN; x += 10)
            cairo_line_to(cr, x, y + amplitude * std::sin(x / 140.0 + phase));
        cairo_line_to(cr, LARGEUR_ECRAN, bas);
        cairo_close_path(cr);
        degrade_vertical(cr, y - amplitude, bas, haut, bas_c);
        cairo_fill(cr);
    };
    colline(horizon, 14, 0.5, 0xb9e29a, 0x9ccf7c);
    colline(horizon + 45, 10, 2.4, 0xa6d987, 0x86c266);
}

void nuage(cairo_t* cr, double x, double y, double e)
{
    couleur(cr, 0xffffff, 0.9);
    for (auto [dx, dy, r] : {std::tuple{0.0, 0.0, 22.0}, {24.0, -10.0, 26.0}, {50.0, 0.0, 20.0}, {25.0, 6.0, 20.0}}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + dx * e, y + dy * e, r * e, 0, 2 * M_PI);
    }
    cairo_fill(cr);
}

void fleurs(Atelier& a, cairo_t* cr, std::initializer_list<std::tuple<double, double, double>> ou)
{
    const char* choix[] = {"🌼", "🌷", "🌸", "🌻"};
    int i = 0;
    for (auto [x, y, t] : ou)
        emoji(a, cr, choix[i++ % 4], x, y, t);
}

Surface plein_ecran() { return nouvelle_surface(LARGEUR_ECRAN, HAUTEUR_ECRAN); }

void bidou_a(cairo_t* cr, double x, double y, double e, double embonpoint, bool gauche)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    if (gauche) {
        cairo_translate(cr, (100 + 24 * embonpoint) * e, 0);
        cairo_scale(cr, -1, 1);
    }
    cairo_scale(cr, e, e);
    dessiner_bidou(cr, embonpoint);
    cairo_restore(cr);
}
}  // namespace images
