// Colour emoji from the Noto colour font, as cairo pictures cropped to their ink.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "cairo_outils.hpp"

namespace images {
class Emojis {
public:
    explicit Emojis(const std::filesystem::path& fichier_police);
    ~Emojis();
    Emojis(const Emojis&) = delete;
    Emojis& operator=(const Emojis&) = delete;

    // The emoji written by `sequence` (UTF-8, variation selectors and joiners included),
    // premultiplied ARGB32 cropped to its visible pixels. Throws when the font has no
    // single glyph for it, so a typo in a table fails the build instead of drawing tofu.
    // The surface belongs to the cache and lives as long as this object.
    cairo_surface_t* image(std::string_view sequence);

private:
    struct Impl;
    Impl* impl_;
    std::map<std::string, Surface, std::less<>> cache_;
};
}  // namespace images
