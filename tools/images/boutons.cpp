#include "boutons.hpp"

namespace images {
namespace {
struct Teintes {
    std::uint32_t haut, bas, bord, levre;
};
constexpr Teintes VERT = {0x7ad36a, 0x3a9a3e, 0x1f5a24, 0x2c7a30};
constexpr Teintes ORANGE = {0xffb64a, 0xf07810, 0x8a3e06, 0xc05a0a};
// The pause screen's violet and the rules' blue, so that the button looks like the
// screen it opens; a warm pink for the voice, and grey once it is off.
constexpr Teintes VIOLET = {0xb59af0, 0x6a48b8, 0x33206a, 0x4a3290};
constexpr Teintes BLEU = {0x7fd0f6, 0x2a84c4, 0x143f66, 0x1d5e94};
constexpr Teintes ROSE = {0xff9cc0, 0xe0507e, 0x7a1c40, 0xa8305a};
constexpr Teintes GRIS = {0xc8c8d2, 0x7c7c8a, 0x3a3a44, 0x55555f};

const Teintes& teintes(Signe signe)
{
    switch (signe) {
    case Signe::Suivant: return VERT;
    case Signe::Rejouer: return ORANGE;
    case Signe::Pause: return VIOLET;
    case Signe::Regles: return BLEU;
    case Signe::Son: return ROSE;
    case Signe::Muet: return GRIS;
    }
    return VERT;
}

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

// Two upright bars with rounded ends, the pause every player knows.
void barres(cairo_t* cr)
{
    for (double x : {-0.25, 0.07})
        rectangle_arrondi(cr, x, -0.28, 0.18, 0.56, 0.06);
    cairo_fill(cr);
}

// A question mark: a hook, its stem and a dot under it.
void point_d_interrogation(cairo_t* cr)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -0.13, 0.15, M_PI * 1.08, M_PI * 2.42);
    cairo_line_to(cr, 0, 0.06);
    cairo_line_to(cr, 0, 0.10);
    cairo_set_line_width(cr, 0.12);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_arc(cr, 0, 0.29, 0.075, 0, 2 * M_PI);
    cairo_fill(cr);
}

// A speaker seen from the side, its two waves going out to the right.
void haut_parleur(cairo_t* cr)
{
    cairo_translate(cr, 0.04, 0);
    cairo_move_to(cr, -0.36, -0.11);
    cairo_line_to(cr, -0.20, -0.11);
    cairo_line_to(cr, -0.01, -0.28);
    cairo_line_to(cr, -0.01, 0.28);
    cairo_line_to(cr, -0.20, 0.11);
    cairo_line_to(cr, -0.36, 0.11);
    cairo_close_path(cr);
    cairo_set_line_width(cr, 0.05);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, 0.075);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double r : {0.13, 0.26}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0.0, 0, r, -0.85, 0.85);
    }
    cairo_stroke(cr);
}
}  // namespace

void dessiner_bouton(cairo_t* cr, Signe signe, double cx, double cy, double rayon)
{
    const Teintes& t = teintes(signe);
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
        switch (signe) {
        case Signe::Suivant:
            cairo_translate(cr, 0.03, 0);
            fleche(cr);
            cairo_set_line_width(cr, 0.06);
            cairo_stroke_preserve(cr);
            cairo_fill(cr);
            break;
        case Signe::Rejouer: fleche_ronde(cr); break;
        case Signe::Pause: barres(cr); break;
        case Signe::Regles: point_d_interrogation(cr); break;
        case Signe::Son:
        case Signe::Muet: haut_parleur(cr); break;
        }
        cairo_restore(cr);
    }
    if (signe == Signe::Muet) {
        // Crossed out: a red bar from corner to corner over the speaker, white around it
        // so that it stands out from the sign as from the face.
        cairo_save(cr);
        cairo_scale(cr, e, e);
        cairo_move_to(cr, -0.34, -0.34);
        cairo_line_to(cr, 0.34, 0.34);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, 0.22);
        couleur(cr, 0xffffff);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 0.13);
        couleur(cr, 0xd8261c);
        cairo_stroke(cr);
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
    dessiner_bouton(c.get(), suivant ? Signe::Suivant : Signe::Rejouer, 23.5, 21.4, 17.3);
    return s;
}

Surface bouton_plateau(Signe signe, const Cadre& cadre)
{
    Surface s = nouvelle_surface(cadre.largeur, cadre.hauteur);
    Contexte c = nouveau_contexte(s.get());
    // The face and its lip (a tenth of the radius below it) fill the box, with 3 px of
    // key all round so that the colour key cuts a clean ring.
    const double rayon = std::min(cadre.largeur - 6.0, (cadre.hauteur - 6.0) / 1.1) / 2;
    dessiner_bouton(c.get(), signe, cadre.largeur / 2.0, 3 + rayon, rayon);
    return s;
}
}  // namespace images
