#include "croix.hpp"

#include "draw/geometrie.hpp"

namespace images {
Surface croix()
{
    Surface s = nouvelle_surface(LARGEUR_ALIMENT, HAUTEUR_ALIMENT);
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    // Corner to corner, far enough in for the round ends and their outline to stay whole.
    const double marge = 10;
    cairo_move_to(cr, marge, marge);
    cairo_line_to(cr, LARGEUR_ALIMENT - marge, HAUTEUR_ALIMENT - marge);
    cairo_move_to(cr, LARGEUR_ALIMENT - marge, marge);
    cairo_line_to(cr, marge, HAUTEUR_ALIMENT - marge);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // Both strokes' dark outline first, then both reds over it: one shape, whose
    // crossing no outline cuts, standing out on pale and dark foods alike.
    couleur(cr, 0x3c0a0a);
    cairo_set_line_width(cr, 17);
    cairo_stroke_preserve(cr);
    couleur(cr, 0xdc1e1e);  // 220, 30, 30
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    return s;
}
}  // namespace images
