#include "son_web.hpp"

#include <emscripten.h>

#include "flow/sons.hpp"

// web/son.js keeps the clips, the voice's one channel and the wait for the first tap.
EM_JS(void, son_web_jouer, (const char* nom, int voix, float gain), {
    Module["grignotinSon"].jouer(UTF8ToString(nom), voix !== 0, gain);
});
EM_JS(void, son_web_taire, (), { Module["grignotinSon"].taire(); });
EM_JS(void, son_web_garder_muet, (int muet), { Module["grignotinSon"].garder_muet(muet !== 0); });
EM_JS(int, son_web_muet_garde, (), { return Module["grignotinSon"].muet_garde() ? 1 : 0; });

void jouer_son_web(const char* nom) { son_web_jouer(nom, son::est_voix(nom) ? 1 : 0, son::GAIN_DE_LECTURE); }

void faire_taire_web() { son_web_taire(); }

void garder_muet_web(bool muet) { son_web_garder_muet(muet ? 1 : 0); }

bool muet_garde_web() { return son_web_muet_garde() != 0; }
