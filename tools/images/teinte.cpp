#include "teinte.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace images {
namespace {
struct Tsl {
    double t, s, l;
};

Tsl vers_tsl(double r, double g, double b)
{
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double l = (max + min) / 2;
    if (max - min < 1e-9)
        return {0, 0, l};
    const double d = max - min;
    const double s = l > 0.5 ? d / (2 - max - min) : d / (max + min);
    double t;
    if (max == r)
        t = std::fmod((g - b) / d + 6, 6);
    else if (max == g)
        t = (b - r) / d + 2;
    else
        t = (r - g) / d + 4;
    return {t * 60, s, l};
}

double canal(double p, double q, double t)
{
    if (t < 0)
        t += 1;
    if (t > 1)
        t -= 1;
    if (t < 1.0 / 6)
        return p + (q - p) * 6 * t;
    if (t < 0.5)
        return q;
    if (t < 2.0 / 3)
        return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

void vers_rvb(const Tsl& c, double& r, double& g, double& b)
{
    if (c.s <= 0) {
        r = g = b = c.l;
        return;
    }
    const double q = c.l < 0.5 ? c.l * (1 + c.s) : c.l + c.s - c.l * c.s;
    const double p = 2 * c.l - q;
    const double t = c.t / 360;
    r = canal(p, q, t + 1.0 / 3);
    g = canal(p, q, t);
    b = canal(p, q, t - 1.0 / 3);
}

bool dans(double t, double de, double a) { return de <= a ? (t >= de && t <= a) : (t >= de || t <= a); }

Surface copie(cairo_surface_t* image)
{
    Surface s = nouvelle_surface(largeur(image), hauteur(image));
    Contexte cr = nouveau_contexte(s.get());
    cairo_set_source_surface(cr.get(), image, 0, 0);
    cairo_paint(cr.get());
    return s;
}
}  // namespace

Surface teinter(cairo_surface_t* image, const std::vector<Teinte>& etapes)
{
    Surface s = copie(image);
    cairo_surface_flush(s.get());
    unsigned char* octets = cairo_image_surface_get_data(s.get());
    const int pas = cairo_image_surface_get_stride(s.get());
    for (int y = 0; y < hauteur(s.get()); ++y) {
        auto* ligne = reinterpret_cast<std::uint32_t*>(octets + y * pas);
        for (int x = 0; x < largeur(s.get()); ++x) {
            const std::uint32_t p = ligne[x];
            const double a = (p >> 24) / 255.0;
            if (a <= 0)
                continue;
            double r = ((p >> 16) & 0xff) / 255.0 / a, g = ((p >> 8) & 0xff) / 255.0 / a,
                   b = (p & 0xff) / 255.0 / a;
            for (const Teinte& e : etapes) {
                Tsl c = vers_tsl(std::min(r, 1.0), std::min(g, 1.0), std::min(b, 1.0));
                if (c.s < e.sat_min || !dans(c.t, e.de, e.a))
                    continue;
                if (e.teinte >= 0)
                    c.t = e.teinte;
                c.s = std::clamp(c.s * e.saturation, 0.0, 1.0);
                c.l = e.clarte >= 0 ? c.l + (1 - c.l) * e.clarte : c.l * (1 + e.clarte);
                vers_rvb(c, r, g, b);
            }
            auto octet = [a](double v) {
                return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * a * 255));
            };
            ligne[x] = (p & 0xff000000u) | octet(r) << 16 | octet(g) << 8 | octet(b);
        }
    }
    cairo_surface_mark_dirty(s.get());
    return s;
}

Surface miroir(cairo_surface_t* image)
{
    Surface s = nouvelle_surface(largeur(image), hauteur(image));
    Contexte cr = nouveau_contexte(s.get());
    cairo_translate(cr.get(), largeur(image), 0);
    cairo_scale(cr.get(), -1, 1);
    cairo_set_source_surface(cr.get(), image, 0, 0);
    cairo_paint(cr.get());
    return s;
}

Surface autocollant(cairo_surface_t* image, double epaisseur, std::uint32_t rgb, std::uint32_t trait)
{
    const int marge = static_cast<int>(std::ceil(epaisseur)) + 2;
    Surface s = nouvelle_surface(largeur(image) + 2 * marge, hauteur(image) + 2 * marge);
    Contexte cr = nouveau_contexte(s.get());
    // The rim is the ink stamped around a circle: cheap, and round at the corners.
    auto tampon = [&](double rayon, std::uint32_t c) {
        couleur(cr.get(), c);
        const int pas = 16;
        for (int i = 0; i < pas; ++i) {
            const double angle = 2 * M_PI * i / pas;
            cairo_mask_surface(cr.get(), image, marge + rayon * std::cos(angle),
                               marge + rayon * std::sin(angle));
        }
    };
    tampon(epaisseur + 1, trait);
    tampon(epaisseur, rgb);
    tampon(epaisseur / 2, rgb);
    cairo_set_source_surface(cr.get(), image, marge, marge);
    cairo_paint(cr.get());
    return s;
}
}  // namespace images
