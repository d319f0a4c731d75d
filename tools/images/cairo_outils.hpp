// Owners for cairo objects and the few drawing helpers every picture uses.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace images {
struct DetruireSurface {
    void operator()(cairo_surface_t* s) const noexcept { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, DetruireSurface>;

struct DetruireContexte {
    void operator()(cairo_t* c) const noexcept { cairo_destroy(c); }
};
using Contexte = std::unique_ptr<cairo_t, DetruireContexte>;

struct DetruireMotif {
    void operator()(cairo_pattern_t* p) const noexcept { cairo_pattern_destroy(p); }
};
using Motif = std::unique_ptr<cairo_pattern_t, DetruireMotif>;

// A transparent ARGB32 picture: every picture starts as one, so that keyed pictures
// can tell art from background by alpha alone.
inline Surface nouvelle_surface(int largeur, int hauteur)
{
    Surface s{cairo_image_surface_create(CAIRO_FORMAT_ARGB32, largeur, hauteur)};
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cairo_image_surface_create " + std::to_string(largeur) + "x" +
                                 std::to_string(hauteur));
    return s;
}

inline Contexte nouveau_contexte(cairo_surface_t* s) { return Contexte{cairo_create(s)}; }

inline int largeur(cairo_surface_t* s) { return cairo_image_surface_get_width(s); }
inline int hauteur(cairo_surface_t* s) { return cairo_image_surface_get_height(s); }

// A colour as 0xRRGGBB, the way a designer writes it.
inline void couleur(cairo_t* cr, std::uint32_t rgb, double alpha = 1.0)
{
    cairo_set_source_rgba(cr, ((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0,
                          (rgb & 0xff) / 255.0, alpha);
}

inline void arret(cairo_pattern_t* p, double position, std::uint32_t rgb, double alpha = 1.0)
{
    cairo_pattern_add_color_stop_rgba(p, position, ((rgb >> 16) & 0xff) / 255.0,
                                      ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0, alpha);
}

inline void rectangle_arrondi(cairo_t* cr, double x, double y, double l, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + l - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + l - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

// Draws `image` scaled to fit a box of `l` x `h` centred on (cx, cy); returns the scale.
inline double poser_image(cairo_t* cr, cairo_surface_t* image, double cx, double cy, double l,
                          double h, double alpha = 1.0)
{
    const double e = std::min(l / largeur(image), h / hauteur(image));
    cairo_save(cr);
    cairo_translate(cr, cx - largeur(image) * e / 2, cy - hauteur(image) * e / 2);
    cairo_scale(cr, e, e);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
    return e;
}
}  // namespace images
