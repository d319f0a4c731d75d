// Watches every font a test program closes, at the moment it closes. A font closed
// once the font engine has stopped lost its FreeType face with the engine, so closing
// it reads and frees memory that is gone: no pixel shows it, and the sanitizers do not
// see inside FreeType. Include this in ONE source file of a test program: it stands in
// for SDL_ttf's TTF_CloseFont in the whole program, and calls the real one.
#pragma once

#include <SDL_ttf.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

// Fonts closed with no engine up since the program started; each also fails its test.
inline int polices_fermees_sans_moteur = 0;

extern "C" void TTF_CloseFont(TTF_Font* police)
{
    using Fermer = void (*)(TTF_Font*);
    static const auto fermer = reinterpret_cast<Fermer>(::dlsym(RTLD_NEXT, "TTF_CloseFont"));
    if (police && TTF_WasInit() == 0) {
        ++polices_fermees_sans_moteur;
        ADD_FAILURE() << "a font was closed after TTF_Quit stopped the font engine";
        return;  // the face went with the engine: leaked rather than freed twice
    }
    fermer(police);
}
