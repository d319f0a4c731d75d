#include "boutons.hpp"

#include "draw/geometrie.hpp"

namespace images {
namespace {
struct Teintes {
    std::uint32_t haut, bas, bord, levre;
};
constexpr Teintes VERT = {0x7ad36a, 0x3a9a3e, 0x1f5a24, 0x2c7a30};
constexpr Teintes ORANGE = {0xffb64a, 0xf07810, 0x8a3e06, 0xc05a0a};

// A white arrow pointing right in a box of about 1 x 1 around the origin: a thick shaft
// and a broad head, one shape with rounded corners.
void fleche(cairo_t* cr)
{
    cairo_move_to(cr, -0.50, -0.16);
    cairo_line_to(cr, 0.02, -0.16);
    cairo_line_to(cr, 0.02, -0.46);
    cairo_line_to(cr, 0.52, 0);
    cairo_line_to(cr, 0.02, 0.46);
    cairo_line_to(cr, 0.02, 0.16);
    cairo_line_to(cr, -0.50, 0.16);
    cairo_close_path(cr);
}

// A round arrow turning clockwise, "once more": most of a ring, open at the top, its
// head at the ring's end just left of the top, pointing on round into the gap.
void fleche_ronde(cairo_t* cr)
{
    const double r = 0.33, debut = -M_PI / 2 + 0.90, fin = 3 * M_PI / 2 - 0.40;
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, r, debut, fin);
    cairo_set_line_width(cr, 0.21);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    // The head: a triangle across the ring at its end, its point on the ring further
    // round, so that it turns with the ring (clockwise) into the gap.
    const double cx = r * std::cos(fin), cy = r * std::sin(fin);
    const double nx = std::cos(fin), ny = std::sin(fin);  // outward
    const double dehors = 0.25, dedans = 0.21, pointe = fin + 0.90;
    cairo_move_to(cr, cx + nx * dehors, cy + ny * dehors);
    cairo_line_to(cr, r * std::cos(pointe), r * std::sin(pointe));
    cairo_line_to(cr, cx - nx * dedans, cy - ny * dedans);
    cairo_close_path(cr);
    cairo_set_line_width(cr, 0.05);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
}
}  // namespace

void dessiner_bouton(cairo_t* cr, bool suivant, double cx, double cy, double rayon)
{
    const Teintes& t = suivant ? VERT : ORANGE;
    const double bord = std::max(1.5, rayon * 0.14);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // A darker lip under the face, so the button looks like one a finger can press.
    const double face = rayon - bord / 2, levre = rayon * 0.10;
    cairo_arc(cr, 0, levre, face, 0, 2 * M_PI);
    couleur(cr, t.bord);
    cairo_set_line_width(cr, bord);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_arc(cr, 0, 0, face, 0, 2 * M_PI);
    Motif m{cairo_pattern_create_linear(0, -face, 0, face)};
    arret(m.get(), 0, t.haut);
    arret(m.get(), 1, t.bas);
    cairo_set_source(cr, m.get());
    cairo_fill_preserve(cr);
    couleur(cr, t.bord);
    cairo_stroke(cr);
    // A soft shine on the upper half.
    cairo_save(cr);
    cairo_scale(cr, 1, 0.55);
    cairo_arc(cr, 0, -face * 0.95, face * 0.62, 0, 2 * M_PI);
    cairo_restore(cr);
    couleur(cr, 0xffffff, 0.25);
    cairo_fill(cr);

    // The white sign, with a thin dark shadow so it reads on the light top too.
    const double e = face * 1.45;
    for (int passe = 0; passe < 2; ++passe) {
        cairo_save(cr);
        if (passe == 0) {
            cairo_translate(cr, 0, std::max(1.0, rayon * 0.06));
            couleur(cr, t.levre, 0.8);
        } else {
            couleur(cr, 0xffffff);
        }
        cairo_scale(cr, e, e);
        if (suivant) {
            cairo_translate(cr, 0.03, 0);
            fleche(cr);
            cairo_set_line_width(cr, 0.06);
            cairo_stroke_preserve(cr);
            cairo_fill(cr);
        } else {
            fleche_ronde(cr);
        }
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

Surface bouton_verdict(bool suivant)
{
    Surface s = nouvelle_surface(BOUTON_VERDICT.largeur, BOUTON_VERDICT.hauteur);
    Contexte c = nouveau_contexte(s.get());
    // At BOUTON_VERDICT (848, 29) on screen, on the message box's middle row: the ring,
    // lip included, over rows 33 to 69, the light rows inside the frame, and from x 854
    // to x 888, a few pixels short of the frame on the right (x 892).
    dessiner_bouton(c.get(), suivant, 23.5, 21.4, 17.3);
    return s;
}
}  // namespace images
