#include "planche.hpp"

#include <stdexcept>

namespace {
void damier(cairo_t* cr, double x, double y, double l, double h)
{
    cairo_save(cr);
    cairo_rectangle(cr, x, y, l, h);
    cairo_clip(cr);
    couleur(cr, 0xb8c8b0);
    cairo_paint(cr);
    couleur(cr, 0x98aa90);
    for (int j = 0; j * 8 < h; ++j)
        for (int i = (j % 2); i * 8 < l; i += 2)
            cairo_rectangle(cr, x + i * 8, y + j * 8, 8, 8);
    cairo_fill(cr);
    cairo_restore(cr);
}

struct Case {
    std::size_t indice;
    double x, y, echelle;
};
}  // namespace

void ecrire_planche(const std::filesystem::path& png, const std::vector<Image>& images,
                    const std::vector<Pixels>& pixels, const Police& texte)
{
    // Small pictures at twice their size, full-screen ones at a third.
    constexpr double largeur_planche = 1900;
    std::vector<Case> cases;
    double x = 10, y = 10, ligne = 0;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const Pixels& p = pixels[i];
        const double e = p.largeur > 300 ? 1.0 / 3 : (p.largeur <= 40 ? 3.0 : 2.0);
        const double l = p.largeur * e, h = p.hauteur * e + 18;
        if (x + l > largeur_planche - 10)
            x = 10, y += ligne + 10, ligne = 0;
        cases.push_back({i, x, y, e});
        x += l + 10;
        ligne = std::max(ligne, h);
    }
    Surface s = nouvelle_surface(static_cast<int>(largeur_planche), static_cast<int>(y + ligne + 10));
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    couleur(cr, 0xf4f1ea);
    cairo_paint(cr);
    for (const Case& k : cases) {
        const Pixels& p = pixels[k.indice];
        Surface image = depuis_pixels(p, images[k.indice].cle);
        if (images[k.indice].cle)
            damier(cr, k.x, k.y, p.largeur * k.echelle, p.hauteur * k.echelle);
        cairo_save(cr);
        cairo_translate(cr, k.x, k.y);
        cairo_scale(cr, k.echelle, k.echelle);
        cairo_set_source_surface(cr, image.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), k.echelle > 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
        std::string nom = images[k.indice].nom;
        if (nom.starts_with("photo/"))
            nom = nom.substr(6);
        couleur(cr, 0x333333);
        texte.ecrire(cr, nom, 11, k.x, k.y + p.hauteur * k.echelle + 13);
    }
    if (cairo_surface_write_to_png(s.get(), png.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + png.string());
}
