#include "atelier.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace images {
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

Surface rogner(cairo_surface_t* image, int marge)
{
    cairo_surface_flush(image);
    const unsigned char* octets = cairo_image_surface_get_data(image);
    const int pas = cairo_image_surface_get_stride(image);
    int x0 = largeur(image), y0 = hauteur(image), x1 = -1, y1 = -1;
    for (int y = 0; y < hauteur(image); ++y) {
        const auto* ligne = reinterpret_cast<const std::uint32_t*>(octets + y * pas);
        for (int x = 0; x < largeur(image); ++x)
            if ((ligne[x] >> 24) != 0) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    }
    if (x1 < 0)
        return nouvelle_surface(1, 1);
    Surface s = nouvelle_surface(x1 - x0 + 1 + 2 * marge, y1 - y0 + 1 + 2 * marge);
    Contexte cr = nouveau_contexte(s.get());
    cairo_set_source_surface(cr.get(), image, marge - x0, marge - y0);
    cairo_paint(cr.get());
    return s;
}

double clarte_du_bord(cairo_surface_t* image)
{
    cairo_surface_flush(image);
    const unsigned char* octets = cairo_image_surface_get_data(image);
    const int pas = cairo_image_surface_get_stride(image);
    const int l = largeur(image), h = hauteur(image);
    auto px = [&](int x, int y) -> std::uint32_t {
        if (x < 0 || y < 0 || x >= l || y >= h)
            return 0;
        return reinterpret_cast<const std::uint32_t*>(octets + y * pas)[x];
    };
    double somme = 0;
    int n = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) {
            const std::uint32_t p = px(x, y);
            const unsigned a = p >> 24;
            if (a < 128)
                continue;
            const bool bord = (px(x - 1, y) >> 24) < 128 || (px(x + 1, y) >> 24) < 128 ||
                              (px(x, y - 1) >> 24) < 128 || (px(x, y + 1) >> 24) < 128;
            if (!bord)
                continue;
            // Premultiplied: divide the cover back out.
            somme += (0.2126 * ((p >> 16) & 0xff) + 0.7152 * ((p >> 8) & 0xff) + 0.0722 * (p & 0xff)) / a;
            ++n;
        }
    return n > 0 ? somme / n : 0;
}
}  // namespace images
