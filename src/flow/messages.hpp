// The verdict messages, in Latin-1 bytes as SDL_ttf's RenderText takes them (one byte per
// character), and their size. The tests measure them in the game's font so that they
// stay inside the light band the background keeps for them, from X_MESSAGE to x 890.
#pragma once

inline constexpr int TAILLE_MESSAGE = 34;  // points

inline constexpr const char* MESSAGE_GAGNE = "Bravo, c'\xe9tait bon mais je crois que j'ai grossi";
// "Bidou nous a quittés": the past participle agrees with "nous", the players.
inline constexpr const char* MESSAGE_PERDU = "D\xe9sol\xe9 mais Bidou nous a quitt\xe9s, paix \xe0 son \xe2me";
