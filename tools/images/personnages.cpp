#include "personnages.hpp"

#include <cmath>

#include "boutons.hpp"
#include "croix.hpp"
#include "draw/geometrie.hpp"
#include "draw/noms_images.hpp"
#include "trousse.hpp"

namespace images {
namespace {
constexpr std::uint32_t TRAIT = 0x5a3a22;  // one warm outline colour for all of Bidou

void remplir_trait(cairo_t* cr, std::uint32_t fond, double epaisseur = 2.5)
{
    couleur(cr, fond);
    cairo_fill_preserve(cr);
    couleur(cr, TRAIT);
    cairo_set_line_width(cr, epaisseur);
    cairo_stroke(cr);
}
}  // namespace

void dessiner_bidou(cairo_t* cr, double f)
{
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // Body and head: one outline around both, stroked wide first and covered by the fill.
    const double crx = 38 + 14 * f, cry = 27 + 8 * f, ccx = 44 + 6 * f, ccy = 66 - 3 * f;
    const double tx = ccx + crx * 0.72, ty = 54 - 2 * f, trx = 23 + 2 * f, try_ = 21 + 2 * f;
    // Feet under the body, peeking out.
    for (double px : {ccx - crx * 0.55, ccx + crx * 0.35}) {
        ellipse(cr, px, 92 - 1 * f, 8, 5);
        remplir_trait(cr, 0xf7d2b4, 2);
    }
    // The ear, behind the head.
    ellipse(cr, tx - 8, ty - 17, 9, 7, -0.5);
    remplir_trait(cr, 0xd9895a);
    ellipse(cr, tx - 8, ty - 16, 5, 3.5, -0.5);
    couleur(cr, 0xf4a6a0);
    cairo_fill(cr);

    ellipse(cr, ccx, ccy, crx, cry);
    ellipse(cr, tx, ty, trx, try_);
    couleur(cr, TRAIT);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    Motif pelage{cairo_pattern_create_linear(0, 30, 0, 95)};
    arret(pelage.get(), 0, 0xf0b070);
    arret(pelage.get(), 1, 0xd98a4a);
    cairo_set_source(cr, pelage.get());
    cairo_fill_preserve(cr);

    // Patches, clipped to the body: white blaze on the face and chest, a dark rump.
    cairo_save(cr);
    cairo_clip(cr);
    ellipse(cr, tx + 4, ty + 10, 15, 24);
    ellipse(cr, ccx + crx * 0.35, ccy + cry * 0.8, crx * 0.55, cry * 0.45);
    couleur(cr, 0xfff7ec);
    cairo_fill(cr);
    ellipse(cr, ccx - crx * 0.75, ccy - cry * 0.3, crx * 0.5, cry * 0.9);
    couleur(cr, 0x9a5a2c);
    cairo_fill(cr);
    cairo_restore(cr);

    // A tuft on the crown, the guinea pig's rosette.
    cairo_move_to(cr, tx - 10, ty - try_ + 3);
    cairo_curve_to(cr, tx - 14, ty - try_ - 8, tx - 2, ty - try_ - 9, tx - 3, ty - try_ + 1);
    cairo_curve_to(cr, tx + 1, ty - try_ - 7, tx + 9, ty - try_ - 3, tx + 4, ty - try_ + 4);
    couleur(cr, 0xd98a4a);
    cairo_fill_preserve(cr);
    couleur(cr, TRAIT);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);

    // Face. A happy closed eye once fat, a bright open one otherwise.
    const double ox = tx + 8, oy = ty - 4;
    if (f > 0.5) {
        cairo_move_to(cr, ox - 5, oy + 1);
        cairo_curve_to(cr, ox - 3, oy - 5, ox + 3, oy - 5, ox + 5, oy + 1);
        couleur(cr, 0x2a1a10);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    } else {
        ellipse(cr, ox, oy, 4.6, 5.2);
        couleur(cr, 0x2a1a10);
        cairo_fill(cr);
        ellipse(cr, ox + 1.6, oy - 2, 1.7, 1.7);
        couleur(cr, 0xffffff);
        cairo_fill(cr);
    }
    ellipse(cr, tx + 10, ty + 9, 5.5, 3.5);
    couleur(cr, 0xf48a9a, 0.55);
    cairo_fill(cr);
    // Nose, mouth and whiskers at the snout.
    const double nx = tx + trx - 2, ny = ty + 3;
    ellipse(cr, nx, ny, 3.2, 2.5);
    couleur(cr, 0xe26a7e);
    cairo_fill(cr);
    cairo_move_to(cr, nx - 1, ny + 2);
    cairo_curve_to(cr, nx - 1, ny + 6, nx - 6, ny + 6, nx - 7, ny + 4);
    couleur(cr, TRAIT);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    couleur(cr, TRAIT, 0.7);
    cairo_set_line_width(cr, 1);
    for (double d : {-3.0, 1.0, 5.0}) {
        cairo_move_to(cr, nx - 4, ny + d * 0.4);
        cairo_line_to(cr, nx + 8, ny + d);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

namespace {
// Drawn on a roomy canvas and cut to the ink, so the picture is as small as Bidou.
Surface bidou(double embonpoint)
{
    Surface s = nouvelle_surface(160, 120);
    Contexte c = nouveau_contexte(s.get());
    cairo_translate(c.get(), 10, 5);
    cairo_scale(c.get(), 1.1, 1.1);  // about 110 x 80: Bidou is longer than it is tall
    dessiner_bidou(c.get(), embonpoint);
    return rogner(s.get(), 1);
}

// Bidou's head in a gold medallion, marque_carte's size: the sign on the card that holds
// the saved level. A round badge rather than the head cut out, so that the neck does
// not end in a straight cut, and gold so that it reads as "here" on all three cards.
Surface marque()
{
    const Cadre m = marque_carte(0);
    Surface s = nouvelle_surface(m.largeur, m.hauteur);
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    const double cx = m.largeur / 2.0, cy = m.hauteur / 2.0, r = m.largeur / 2.0 - 3.5;
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    Motif or_{cairo_pattern_create_linear(0, cy - r, 0, cy + r)};
    arret(or_.get(), 0, 0xffe27a);
    arret(or_.get(), 1, 0xf0a92a);
    cairo_set_source(cr, or_.get());
    cairo_fill_preserve(cr);
    couleur(cr, 0x8a4a12);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    const double dedans = r - 6;
    cairo_arc(cr, cx, cy, dedans, 0, 2 * M_PI);
    couleur(cr, 0xe6f6ff);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // The whole head, tuft and whiskers in (x 45 to 101, y 24 to 75 in Bidou's own box),
    // a little above the medallion's middle, so that the chest fills its foot.
    cairo_translate(cr, cx, cy + 3);
    cairo_scale(cr, 0.8, 0.8);
    cairo_translate(cr, -71, -50);
    dessiner_bidou(cr, 0);
    cairo_restore(cr);
    cairo_arc(cr, cx, cy, dedans, 0, 2 * M_PI);
    couleur(cr, 0x8a4a12);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    return s;
}
}  // namespace

// A pet bowl with Bidou's name on it; full, a heap of greens and carrots over the rim.
Surface gamelle(Atelier& a, bool pleine)
{
    Surface s = nouvelle_surface(LARGEUR_GAMELLE, HAUTEUR_RECIPIENT);  // what a click is tested against
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const double haut = 46, bas = 85;
    // The inside, seen over the front rim.
    ellipse(cr, 68, haut, 62, 12);
    couleur(cr, 0x7a2430);
    cairo_fill_preserve(cr);
    couleur(cr, TRAIT);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    if (pleine) {
        struct Tas {
            const char* emoji;
            double x, y, taille;
        };
        for (const Tas& t : {Tas{"🥬", 34, 28, 44}, Tas{"🥕", 98, 30, 42}, Tas{"🍎", 66, 24, 40},
                             Tas{"🌿", 45, 40, 30}, Tas{"🍓", 90, 42, 26}, Tas{"🌾", 70, 42, 30}}) {
            Surface v = ajuster(a.emojis.image(t.emoji), t.taille, t.taille);
            Surface r = autocollant(v.get(), 1, 0x7a2430, 0x7a2430);
            cairo_set_source_surface(cr, r.get(), t.x - largeur(r.get()) / 2.0, t.y - hauteur(r.get()) / 2.0);
            cairo_paint(cr);
        }
    }
    // The front wall hides the foot of the heap.
    cairo_move_to(cr, 6, haut);
    cairo_curve_to(cr, 6, haut + 16, 70, haut + 14, 130, haut);
    cairo_line_to(cr, 118, bas - 8);
    cairo_curve_to(cr, 116, bas, 100, bas, 68, bas);
    cairo_curve_to(cr, 36, bas, 20, bas, 18, bas - 8);
    cairo_close_path(cr);
    Motif m{cairo_pattern_create_linear(0, haut, 0, bas)};
    arret(m.get(), 0, 0xf06a74);
    arret(m.get(), 1, 0xc23b4a);
    cairo_set_source(cr, m.get());
    cairo_fill_preserve(cr);
    couleur(cr, TRAIT);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Rim highlight.
    cairo_move_to(cr, 14, haut + 5);
    cairo_curve_to(cr, 40, haut + 13, 96, haut + 13, 122, haut + 5);
    couleur(cr, 0xffc2c8);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    couleur(cr, 0xffffff);
    a.gras.centrer(cr, "Bidou", 17, 68, bas - 9);
    return s;
}

// A green bin with its lid; full, the lid tips back on its hinge and rubbish shows.
Surface poubelle(Atelier& a, bool pleine)
{
    Surface s = nouvelle_surface(LARGEUR_POUBELLE, HAUTEUR_RECIPIENT);  // what a click is tested against
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const double gauche = 30, droite = 100, haut = 30, bas = 85;
    if (pleine) {
        // The lid thrown back on its hinge stands behind the can, its underside
        // seen: within the picture, where a lid swung round the side would be cut.
        rectangle_arrondi(cr, gauche - 4, 3, droite - gauche + 8, 26, 10);
        Motif dessous{cairo_pattern_create_linear(0, 2, 0, 29)};
        arret(dessous.get(), 0, 0x4c8a5c);
        arret(dessous.get(), 1, 0x2e5a3c);
        cairo_set_source(cr, dessous.get());
        cairo_fill_preserve(cr);
        couleur(cr, 0x24402e);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        struct Tas {
            const char* emoji;
            double x, y, taille, angle;
        };
        for (const Tas& t : {Tas{"📰", 50, 22, 34, -0.3}, Tas{"🍌", 80, 20, 34, 0.4},
                             Tas{"🦴", 60, 28, 30, 0.2}, Tas{"🍂", 86, 31, 26, 0}}) {
            Surface v = ajuster(a.emojis.image(t.emoji), t.taille, t.taille);
            Surface r = autocollant(v.get(), 1, 0x3d5a48, 0x3d5a48);
            cairo_save(cr);
            cairo_translate(cr, t.x, t.y);
            cairo_rotate(cr, t.angle);
            cairo_set_source_surface(cr, r.get(), -largeur(r.get()) / 2.0, -hauteur(r.get()) / 2.0);
            cairo_paint(cr);
            cairo_restore(cr);
        }
    }
    // The can, slightly narrower at the foot, with ribs.
    cairo_move_to(cr, gauche, haut);
    cairo_line_to(cr, droite, haut);
    cairo_line_to(cr, droite - 6, bas - 4);
    cairo_curve_to(cr, droite - 7, bas, droite - 9, bas, droite - 12, bas);
    cairo_line_to(cr, gauche + 12, bas);
    cairo_curve_to(cr, gauche + 9, bas, gauche + 7, bas, gauche + 6, bas - 4);
    cairo_close_path(cr);
    Motif m{cairo_pattern_create_linear(gauche, 0, droite, 0)};
    arret(m.get(), 0, 0x5e9a6e);
    arret(m.get(), 0.45, 0x86c294);
    arret(m.get(), 1, 0x4c8a5c);
    cairo_set_source(cr, m.get());
    cairo_fill_preserve(cr);
    couleur(cr, 0x24402e);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    couleur(cr, 0x3d6e4a);
    cairo_set_line_width(cr, 2.5);
    for (double x : {48.0, 65.0, 82.0}) {
        cairo_move_to(cr, x, haut + 14);
        cairo_line_to(cr, x + (x - 65) * 0.06, bas - 8);
    }
    cairo_stroke(cr);
    // The lid on the can when empty (drawn behind the rubbish above when full).
    if (pleine)
        return s;
    cairo_save(cr);
    rectangle_arrondi(cr, gauche - 4, haut - 10, droite - gauche + 8, 11, 4);
    couleur(cr, 0x4c8a5c);
    cairo_fill_preserve(cr);
    couleur(cr, 0x24402e);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    rectangle_arrondi(cr, 55, haut - 18, 20, 8, 3);
    couleur(cr, 0x3d6e4a);
    cairo_fill_preserve(cr);
    couleur(cr, 0x24402e);
    cairo_stroke(cr);
    cairo_restore(cr);
    return s;
}

namespace {
Surface cercueil(Atelier& a)
{
    Surface s = nouvelle_surface(100, 100);
    Contexte c = nouveau_contexte(s.get());
    Surface v = ajuster(a.emojis.image("⚰️"), 92, 80);
    Surface r = autocollant(v.get(), 2, 0xffffff, 0x5a3a22);
    cairo_set_source_surface(c.get(), r.get(), (100 - largeur(r.get())) / 2.0, 100 - hauteur(r.get()));
    cairo_paint(c.get());
    Surface fleur = ajuster(a.emojis.image("🌼"), 28, 28);
    Surface rf = autocollant(fleur.get(), 1.5, 0xffffff, 0x5a3a22);
    cairo_set_source_surface(c.get(), rf.get(), 50, 42);
    cairo_paint(c.get());
    return s;
}
}  // namespace

Surface icone(int cote, bool coins_arrondis)
{
    Surface s = nouvelle_surface(cote, cote);
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    cairo_scale(cr, cote / 100.0, cote / 100.0);
    if (coins_arrondis)
        rectangle_arrondi(cr, 1, 1, 98, 98, 22);
    else
        cairo_rectangle(cr, 0, 0, 100, 100);
    Motif m{cairo_pattern_create_linear(0, 0, 0, 100)};
    arret(m.get(), 0, 0xcdeeb0);
    arret(m.get(), 1, 0x8fcf7a);
    cairo_set_source(cr, m.get());
    cairo_fill(cr);
    cairo_translate(cr, 5, 12);
    cairo_scale(cr, 0.86, 0.86);
    dessiner_bidou(cr, 0);
    return s;
}

std::vector<Image> images_personnages(Atelier& a)
{
    std::vector<Image> v;
    v.push_back({image::BIDOU, bidou(0), true});
    v.push_back({image::BIDOU_GAUCHE, miroir(v.back().surface.get()), true});
    v.push_back({image::BIDOU_GROS, bidou(1), true});
    v.push_back({image::CERCUEIL, cercueil(a), true});
    v.push_back({image::GAMELLE_VIDE, gamelle(a, false), true});
    v.push_back({image::GAMELLE_PLEINE, gamelle(a, true), true});
    v.push_back({image::POUBELLE_VIDE, poubelle(a, false), true});
    v.push_back({image::POUBELLE_PLEINE, poubelle(a, true), true});
    v.push_back({image::CROIX, croix(), true});
    v.push_back({image::BOUTON_SUIVANT, bouton_verdict(true), true});
    v.push_back({image::BOUTON_REJOUER, bouton_verdict(false), true});
    v.push_back({image::BOUTON_PAUSE, bouton_plateau(Signe::Pause, BOUTON_PAUSE), true});
    v.push_back({image::BOUTON_REGLES, bouton_plateau(Signe::Regles, BOUTON_REGLES), true});
    v.push_back({image::BOUTON_SON, bouton_plateau(Signe::Son, BOUTON_SON), true});
    v.push_back({image::BOUTON_MUET, bouton_plateau(Signe::Muet, BOUTON_SON), true});
    v.push_back({image::MARQUE, marque(), true});
    // The window icon has no key (SDL is given no mask), so rounded corners would come
    // out white: Bidou on a tile that fills the square.
    v.push_back({image::ICONE, icone(32, false), false});
    return v;
}
}  // namespace images
