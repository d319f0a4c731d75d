// Running the two Debian programs the sound tool drives (espeak-ng and oggenc) without a
// shell, so that no text said and no path is ever read as shell syntax.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sons {
// Runs `argv` (argv[0] looked up in PATH unless it holds a '/') and returns what it wrote
// on its standard output; throws, naming the program, when it cannot start or fails.
std::vector<std::uint8_t> lire_sortie(const std::vector<std::string>& argv);

// Runs `argv` with `entree` on its standard input; throws when it fails.
void ecrire_entree(const std::vector<std::string>& argv, const std::vector<std::uint8_t>& entree);
}  // namespace sons
