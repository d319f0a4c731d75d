#include "atelier.hpp"

#include <cmath>

Surface ajuster(cairo_surface_t* image, double l, double h)
{
    const double e = std::min(l / largeur(image), h / hauteur(image));
    const int nl = std::max(1, static_cast<int>(std::lround(largeur(image) * e)));
    const int nh = std::max(1, static_cast<int>(std::lround(hauteur(image) * e)));
    Surface s = nouvelle_surface(nl, nh);
    Contexte cr = nouveau_contexte(s.get());
    cairo_scale(cr.get(), static_cast<double>(nl) / largeur(image),
                static_cast<double>(nh) / hauteur(image));
    cairo_set_source_surface(cr.get(), image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_GOOD);
    cairo_paint(cr.get());
    return s;
}

Surface vignette(Atelier& a, std::string_view emoji, double l, double h)
{
    Surface petite = ajuster(a.emojis.image(emoji), l - 6, h - 6);
    return autocollant(petite.get(), 2, 0xffffff, 0x8a8070);
}
