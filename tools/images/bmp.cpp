#include "bmp.hpp"

#include <cmath>

namespace images {
Pixels aplatir(cairo_surface_t* image, bool cle)
{
    cairo_surface_flush(image);
    Pixels p{largeur(image), hauteur(image), {}};
    p.rvb.resize(static_cast<std::size_t>(p.largeur) * p.hauteur * 3);
    const unsigned char* octets = cairo_image_surface_get_data(image);
    const int pas = cairo_image_surface_get_stride(image);
    std::uint8_t* sortie = p.rvb.data();
    for (int y = 0; y < p.hauteur; ++y) {
        const auto* ligne = reinterpret_cast<const std::uint32_t*>(octets + y * pas);
        for (int x = 0; x < p.largeur; ++x, sortie += 3) {
            const std::uint32_t px = ligne[x];
            const unsigned a = px >> 24;
            unsigned c[3] = {(px >> 16) & 0xff, (px >> 8) & 0xff, px & 0xff};
            if (cle) {
                if (a < 128) {
                    sortie[0] = 0, sortie[1] = 0, sortie[2] = 255;
                    continue;
                }
                for (unsigned& v : c)
                    v = std::min(255u, (v * 255 + a / 2) / a);
                if (c[0] == 0 && c[1] == 0 && c[2] == 255)
                    c[2] = 254;
            } else {
                for (unsigned& v : c)
                    v += 255 - a;  // premultiplied over white
            }
            sortie[0] = static_cast<std::uint8_t>(c[0]);
            sortie[1] = static_cast<std::uint8_t>(c[1]);
            sortie[2] = static_cast<std::uint8_t>(c[2]);
        }
    }
    return p;
}

namespace {
void mot16(std::vector<std::uint8_t>& v, std::uint32_t x)
{
    v.push_back(x & 0xff);
    v.push_back((x >> 8) & 0xff);
}
void mot32(std::vector<std::uint8_t>& v, std::uint32_t x)
{
    mot16(v, x & 0xffff);
    mot16(v, x >> 16);
}
}  // namespace

std::vector<std::uint8_t> en_bmp(const Pixels& p)
{
    const std::uint32_t ligne = (static_cast<std::uint32_t>(p.largeur) * 3 + 3) & ~3u;
    const std::uint32_t donnees = ligne * static_cast<std::uint32_t>(p.hauteur);
    std::vector<std::uint8_t> v;
    v.reserve(54 + donnees);
    v.push_back('B');
    v.push_back('M');
    mot32(v, 54 + donnees);
    mot32(v, 0);
    mot32(v, 54);
    mot32(v, 40);
    mot32(v, static_cast<std::uint32_t>(p.largeur));
    mot32(v, static_cast<std::uint32_t>(p.hauteur));  // positive: bottom-up rows
    mot16(v, 1);
    mot16(v, 24);
    mot32(v, 0);  // BI_RGB
    mot32(v, donnees);
    mot32(v, 2835);  // 72 dpi, so that image viewers show it at its size
    mot32(v, 2835);
    mot32(v, 0);
    mot32(v, 0);
    for (int y = p.hauteur - 1; y >= 0; --y) {
        const std::uint8_t* src = p.rvb.data() + static_cast<std::size_t>(y) * p.largeur * 3;
        for (int x = 0; x < p.largeur; ++x, src += 3) {
            v.push_back(src[2]);  // BMP stores blue, green, red
            v.push_back(src[1]);
            v.push_back(src[0]);
        }
        for (std::uint32_t k = static_cast<std::uint32_t>(p.largeur) * 3; k < ligne; ++k)
            v.push_back(0);
    }
    return v;
}

Surface depuis_pixels(const Pixels& p, bool cle)
{
    Surface s = nouvelle_surface(p.largeur, p.hauteur);
    cairo_surface_flush(s.get());
    unsigned char* octets = cairo_image_surface_get_data(s.get());
    const int pas = cairo_image_surface_get_stride(s.get());
    const std::uint8_t* src = p.rvb.data();
    for (int y = 0; y < p.hauteur; ++y) {
        auto* ligne = reinterpret_cast<std::uint32_t*>(octets + y * pas);
        for (int x = 0; x < p.largeur; ++x, src += 3) {
            const bool trou = cle && src[0] == 0 && src[1] == 0 && src[2] == 255;
            ligne[x] = trou ? 0u : 0xff000000u | src[0] << 16 | src[1] << 8 | src[2];
        }
    }
    cairo_surface_mark_dirty(s.get());
    return s;
}
}  // namespace images
