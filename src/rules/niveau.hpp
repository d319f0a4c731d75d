// The level index and the level file: the game's only saved state.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <system_error>

// Relative to the working directory.
inline constexpr const char* FICHIER_NIVEAU = "niveau.lvl";

// Level index of the finished game, the one after the last level's (tracks: pistes.hpp).
inline constexpr std::int32_t NIVEAU_FINI = 95;

// Reads the number at the start of `texte` the way "%ld" would: leading white space
// skipped, an optional sign, then digits; what follows is ignored. nullopt when there
// is no number there. The value is brought to a level the game can play: negative
// values to 0, values between levels down to the start of their level, anything above
// NIVEAU_FINI (however many digits) to NIVEAU_FINI.
std::optional<std::int32_t> interpreter_niveau(std::string_view texte);

// Replaces `niveau` with the number stored in FICHIER_NIVEAU. A missing, unreadable or
// empty file, or one without a number at its start, leaves `niveau` unchanged.
void lire_niveau(std::int32_t& niveau);

// Stores `valeur` in FICHIER_NIVEAU as its decimal digits, nothing else. The new
// content goes to a temporary file of this call's own beside it (removed on failure)
// that is synced and then renamed over it, so the old value survives any failure, a
// crash or a full disk, and two games saving at once each leave a whole value. Returns
// what went wrong, if anything.
[[nodiscard]] std::error_code ecrire_niveau(std::int32_t valeur);

// ecrire_niveau on any path; `avant_renommage`, when given, runs once the temporary
// file is complete and before it replaces the old one (tests use it to fail there).
[[nodiscard]] std::error_code ecrire_niveau_dans(const char* chemin, std::int32_t valeur,
                                                 void (*avant_renommage)() = nullptr);
void lire_niveau_dans(const char* chemin, std::int32_t& niveau);
