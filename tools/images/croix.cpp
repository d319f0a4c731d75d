#include "croix.hpp"

#include "draw/geometrie.hpp"

namespace images {
Surface croix()
{
    // Only the picture's box of the tile: blitted at the tile's top-left corner, the
    // cross covers the picture and leaves the label below it to be read.
    Surface s = nouvelle_surface(LARGEUR_ALIMENT, HAUTEUR_IMAGE_ALIMENT);
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    // Corner to corner, far enough in for the round ends and their outline to stay
    // whole, and off the box's last row, which the tile's gap row follows.
    const double marge_x = 10, marge_y = 9.5;
    cairo_move_to(cr, marge_x, marge_y);
    cairo_line_to(cr, LARGEUR_ALIMENT - marge_x, HAUTEUR_IMAGE_ALIMENT - marge_y - 1);
    cairo_move_to(cr, LARGEUR_ALIMENT - marge_x, marge_y);
    cairo_line_to(cr, marge_x, HAUTEUR_IMAGE_ALIMENT - marge_y - 1);
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
