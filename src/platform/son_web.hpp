// The page's sound (web/son.js, through the page's Web Audio): PlateformeWeb's jouer_son
// and faire_taire hand it the names. Browser build only.
#pragma once

void jouer_son_web(const char* nom);
void faire_taire_web();
void garder_muet_web(bool muet);
bool muet_garde_web();
