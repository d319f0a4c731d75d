// The one list of what each food tile shows: its label and its picture.
#pragma once

#include <string_view>
#include <variant>
#include <vector>

#include "dessins/dessins.hpp"
#include "teinte.hpp"

namespace images {
// A food shown by an emoji, recoloured by `teintes` in turn, with `badge`, a small
// second emoji, over its lower right corner.
struct Emoji {
    std::string_view code;
    std::vector<Teinte> teintes = {};
    std::string_view badge = {};
};

struct Fiche {
    std::string_view fichier;  // catalogue name without "photo/" and ".bmp"
    std::string_view nom;      // label; '|' marks where a long word may break
    std::variant<Emoji, dessins::Dessin> image;
};

// One entry per catalogue food, in catalogue order.
const std::vector<Fiche>& fiches();
}  // namespace images
