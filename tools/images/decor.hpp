// The parts the full-screen pictures are made of: meadow, clouds, cards, keys, mouse,
// titles and lines of text, Bidou placed and scaled.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <tuple>

#include "atelier.hpp"
#include "ecrans.hpp"

namespace images {
// The score panel's texts come in boxes over rows 600 to 639, and between them the
// screen keeps whatever full-screen picture was drawn last. Every full-screen picture
// therefore ends with the same plain strip, so the panel looks the same whichever
// screen came before.
void socle(cairo_t* cr);

// Sets the source to a vertical gradient from `haut` at y0 to `bas` at y1.
void degrade_vertical(cairo_t* cr, double y0, double y1, std::uint32_t haut, std::uint32_t bas);

// Emoji `e` fitted in a `taille` square centred on (cx, cy), turned by `angle`.
void emoji(Atelier& a, cairo_t* cr, const char* e, double cx, double cy, double taille, double angle = 0,
           double alpha = 1);

// A cream card with a soft shadow and a brown border.
void carte(cairo_t* cr, double x, double y, double l, double h, std::uint32_t fond = 0xfffaf0,
           std::uint32_t bord = 0xb08a5a);

// A keyboard key with its label, its top-left corner at (x, y).
double touche(Atelier& a, cairo_t* cr, const std::string& texte, double x, double y, double h = 40);

// A mouse seen from above with one button lit: the left for the bowl, the right for the bin.
void souris(cairo_t* cr, double cx, double cy, double h, bool gauche, std::uint32_t allume);

// Bold text centred on cx, filled and outlined.
void titre(Atelier& a, cairo_t* cr, const std::string& texte, double cx, double y, double taille,
           std::uint32_t couleur_texte = 0xffffff, std::uint32_t trait = 0x5a3a22);

// Text from x, and text centred on cx, in the regular or the bold weight.
void ligne(Atelier& a, cairo_t* cr, const std::string& texte, double x, double y, double taille,
           std::uint32_t c = 0x3b2a1a, bool gras = false);
void centre(Atelier& a, cairo_t* cr, const std::string& texte, double cx, double y, double taille,
            std::uint32_t c = 0x3b2a1a, bool gras = false);

// Sky, sun and rolling meadow: the outdoors that Bidou lives in.
void prairie(cairo_t* cr, double horizon, double bas);

// A white cloud of four puffs, its left puff at (x, y), scaled by `e`.
void nuage(cairo_t* cr, double x, double y, double e);

// Flower emoji in turn at each (x, y, size).
void fleurs(Atelier& a, cairo_t* cr, std::initializer_list<std::tuple<double, double, double>> ou);

// A blank picture the size of the window.
Surface plein_ecran();

// Bidou at scale `e` with its box's top-left corner at (x, y), facing left if `gauche`.
void bidou_a(cairo_t* cr, double x, double y, double e, double embonpoint = 0, bool gauche = false);
}  // namespace images
