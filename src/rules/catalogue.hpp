// The 95 foods in the order the levels show them, each with its picture and its answer.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "tableau.hpp"

struct Aliment {
    std::string_view image;  // path relative to the working directory
    std::int32_t bon;        // ALIMENT_BON or ALIMENT_MAUVAIS
};

extern const std::array<Aliment, NB_ALIMENTS> catalogue_aliments;
