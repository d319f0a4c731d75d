#include "aliment.hpp"

// SDL 1.2 brings no start-up code of its own on this platform: call the game's entry here.
int main(int argc, char* argv[]) { return SDL_main(argc, argv); }
