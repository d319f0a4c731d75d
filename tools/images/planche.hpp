// The contact sheet: every picture on one PNG, for a person to judge the set at a glance.
#pragma once

#include <filesystem>
#include <vector>

#include "atelier.hpp"
#include "bmp.hpp"

namespace images {
// `images` as written to disk (`pixels`, same order), keyed ones over a checkerboard
// so that a stray blue pixel or a ragged rim shows.
// Below them, game screens put together the way the game draws them (board, pet,
// verdict in the game's own font `police_jeu`, score panel), at full size.
void ecrire_planche(const std::filesystem::path& png, const std::vector<Image>& images,
                    const std::vector<Pixels>& pixels, const Police& texte, const Police& police_jeu);
}  // namespace images
