// French text in pictures, set in Andika through HarfBuzz (kerning) and cairo.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "cairo_outils.hpp"

namespace images {
class Police {
public:
    explicit Police(const std::filesystem::path& fichier);
    ~Police();
    Police(const Police&) = delete;
    Police& operator=(const Police&) = delete;

    // Advance width of `texte` (UTF-8) at `taille` pixels per em.
    double largeur(std::string_view texte, double taille) const;

    // Adds the outlines of `texte` to the current path of `cr`, its baseline starting at
    // (x, y). Paths rather than glyph runs so that a title can be stroked and filled.
    void chemin(cairo_t* cr, std::string_view texte, double taille, double x, double y) const;

    // Fills `texte` with the current source: left-aligned at x, centred on x, or with an
    // outline of `contour` pixels drawn first in `trait` (0 for none).
    void ecrire(cairo_t* cr, std::string_view texte, double taille, double x, double y) const;
    void centrer(cairo_t* cr, std::string_view texte, double taille, double cx, double y) const;
    void centrer_contour(cairo_t* cr, std::string_view texte, double taille, double cx, double y,
                         std::uint32_t remplissage, std::uint32_t trait, double contour) const;

private:
    std::vector<cairo_glyph_t> glyphes(std::string_view texte, double taille, double x, double y,
                                       double* avance) const;
    void preparer(cairo_t* cr, double taille) const;

    struct Impl;
    Impl* impl_;
};
}  // namespace images
