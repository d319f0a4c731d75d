// The drawing kit the food pictures are made of: a few parts (leaf, petal, flower,
// stalk, umbel, frond, shell, dot) and one way of shading them, so that the drawings
// of dessins/ share a hand instead of each being drawn its own way.
//
// Every part draws in the current user space of `cr`, fills with its colour lit from
// the upper left and outlines itself in a darker shade of that colour, so that a pale
// part still has an edge on a light tile.
#pragma once

#include <cstdint>
#include <functional>

#include "cairo_outils.hpp"

namespace images {
// Every food drawing is made on a 128 x 128 canvas, y down; angles in radians.
inline constexpr double PI = M_PI;

// Greens shared by the plants, so that the herbs differ by shape, not by tint alone.
inline constexpr std::uint32_t VERT = 0x4f9a3a, VERT_FONCE = 0x2f6e2a;

// `c` moved towards black (f < 1) or towards white (f > 1, as 2 - f of the way).
std::uint32_t nuance(std::uint32_t c, double f);

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double angle = 0);

// Fills the current path with `c`, lighter towards its upper left, then strokes it in
// a dark shade of `c`. `trait` 0 leaves the outline out.
void ombrer(cairo_t* cr, std::uint32_t c, double trait = 2);

// A stalk along a cubic curve, outlined.
void tige(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2, double x3,
          double y3, double epaisseur, std::uint32_t c);

// A leaf from its base at (x, y), `longueur` long, `largeur` wide at its widest, pointing
// along `angle` (radians, 0 to the right, -pi/2 up). `dents` cuts a toothed edge;
// `rondeur` 0.5 is a plain leaf, nearer 1 a round one, nearer 0 a blade. `veines` pairs
// of side veins curve from the midrib towards the tip: the quilted look of a mint or
// basil leaf.
struct Feuille {
    double longueur = 30, largeur = 12, angle = -M_PI / 2;
    std::uint32_t couleur = 0x4f9a3a;
    int dents = 0;
    double rondeur = 0.5;
    bool nervure = true;
    int veines = 0;
};
void feuille(cairo_t* cr, double x, double y, const Feuille& f);

// `n` petals of `p` around (cx, cy), the first along `depart`, and a round heart.
void fleur(cairo_t* cr, double cx, double cy, int n, const Feuille& p, double depart, double rayon_coeur,
           std::uint32_t coeur);

// A compound leaf: a rib from (x, y) along `angle`, `paires` pairs of leaflets `f`
// set along it, `f.angle` being their slant from the rib, and one at its tip.
void penne(cairo_t* cr, double x, double y, double longueur, double angle, int paires, Feuille f,
           std::uint32_t rachis);

// An umbel: `n` rays from the top of a stalk at (x, y), spread over `ouverture`
// radians around straight up, each `rayon` long, `fleurette` drawn at each tip.
void ombelle(cairo_t* cr, double x, double y, int n, double rayon, double ouverture, std::uint32_t c,
             const std::function<void(double, double)>& fleurette);

// A feathery frond: a rib from (x, y) along `angle` with thread-like leaflets.
void fronde(cairo_t* cr, double x, double y, double longueur, double angle, std::uint32_t c);

// A nut or seed shell: an egg shape around (cx, cy), pointed towards `angle`, with
// `stries` lengthwise grooves.
void coque(cairo_t* cr, double cx, double cy, double rx, double ry, double angle, std::uint32_t c,
           int stries = 0);

// A shaded round dot of radius `r`: a berry, a bud, a grain.
void point(cairo_t* cr, double x, double y, double r, std::uint32_t c, double trait = 1);

// A white gloss mark, the light on a shiny berry, nut or leaf.
void reflet(cairo_t* cr, double x, double y, double rx, double ry, double angle = -0.6);

// A flower's heart: `n` lines raying out from (x, y) to `rayon` (stamens, or veins
// across the petals), then a dark centre of radius `r` over them.
void coeur_raye(cairo_t* cr, double x, double y, int n, double rayon, double epaisseur, std::uint32_t trait,
                double r, std::uint32_t centre);

// A food drawn by `dessin` on the 128 x 128 canvas, cut to its ink.
Surface dessiner(void (*dessin)(cairo_t*));
}  // namespace images
