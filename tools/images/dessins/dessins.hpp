// The foods that no emoji shows, drawn with the kit of trousse.hpp, one file per family.
// Each draws on the 128 x 128 canvas that `dessiner` gives it; the list in fiches.cpp
// names which food each one is.
#pragma once

#include <cairo.h>

namespace images::dessins {
using Dessin = void (*)(cairo_t*);

// herbes.cpp
void thym(cairo_t*);
void menthe(cairo_t*);
void basilic(cairo_t*);
void romarin(cairo_t*);
void laurier(cairo_t*);
void persil(cairo_t*);
void luzerne(cairo_t*);

// feuilles.cpp
void epinard(cairo_t*);
void fanes(cairo_t*);
void feuille_pissenlit(cairo_t*);
void mache(cairo_t*);
void chicoree(cairo_t*);
void endive(cairo_t*);
void dieffenbachia(cairo_t*);
void laitue(cairo_t*);
void salade(cairo_t*);

// legumes.cpp
void celeri(cairo_t*);
void chou(cairo_t*);
void choufleur(cairo_t*);
void fenouil(cairo_t*);
void artichaut(cairo_t*);
void courgette(cairo_t*);
void concombre(cairo_t*);
void betterave(cairo_t*);

// fleurs.cpp
void renoncule(cairo_t*);
void coquelicot(cairo_t*);
void lin(cairo_t*);
void liseron(cairo_t*);
void muguet(cairo_t*);
void calla(cairo_t*);
void laurierrose(cairo_t*);
void jusquiame(cairo_t*);
void chardon(cairo_t*);
void anemone(cairo_t*);
void clematite(cairo_t*);
void arum(cairo_t*);
void pissenlit(cairo_t*);
void digitale(cairo_t*);
void crocus(cairo_t*);

// ombelles.cpp
void aneth(cairo_t*);
void cigue(cairo_t*);
void angelique(cairo_t*);
void sureau(cairo_t*);

// fruits.cpp
void framboise(cairo_t*);
void morelle(cairo_t*);
void belladone(cairo_t*);
void caroube(cairo_t*);
void cerise(cairo_t*);
void orange(cairo_t*);

// graines.cpp
void noisette(cairo_t*);
void amande(cairo_t*);
void noix(cairo_t*);
void pistache(cairo_t*);
void graines(cairo_t*);

// graminees.cpp
void herbe(cairo_t*);
void foin(cairo_t*);
void avoine(cairo_t*);
void ble(cairo_t*);
void darisroux(cairo_t*);

// arbres.cpp
void saule(cairo_t*);
void acacia(cairo_t*);
void osier(cairo_t*);
void noisetier(cairo_t*);
void merisier(cairo_t*);
void cerisier(cairo_t*);

// plats.cpp
void pates(cairo_t*);
void biscotte(cairo_t*);
void fougasse(cairo_t*);
void cereales(cairo_t*);
void flocons(cairo_t*);
void frigo(cairo_t*);
}  // namespace images::dessins
