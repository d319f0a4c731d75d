#include "emoji.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb-ft.h>
#include <hb.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace images {
struct Emojis::Impl {
    FT_Library bibliotheque = nullptr;
    FT_Face face = nullptr;
    hb_font_t* police_hb = nullptr;
};

Emojis::Emojis(const std::filesystem::path& fichier_police) : impl_(new Impl)
{
    try {
        if (FT_Init_FreeType(&impl_->bibliotheque))
            throw std::runtime_error("FT_Init_FreeType");
        if (FT_New_Face(impl_->bibliotheque, fichier_police.c_str(), 0, &impl_->face))
            throw std::runtime_error("FT_New_Face: " + fichier_police.string());
        // The colour font is a single bitmap strike (109 ppem); scalable sizes do not
        // exist, so FT_Set_Pixel_Sizes would fail: take the strike as it is.
        if (!FT_HAS_COLOR(impl_->face) || impl_->face->num_fixed_sizes < 1 ||
            FT_Select_Size(impl_->face, 0))
            throw std::runtime_error("no colour bitmap strike in " + fichier_police.string());
        impl_->police_hb = hb_ft_font_create_referenced(impl_->face);
    } catch (...) {
        if (impl_->face)
            FT_Done_Face(impl_->face);
        if (impl_->bibliotheque)
            FT_Done_FreeType(impl_->bibliotheque);
        delete impl_;
        throw;
    }
}

Emojis::~Emojis()
{
    cache_.clear();
    hb_font_destroy(impl_->police_hb);
    FT_Done_Face(impl_->face);
    FT_Done_FreeType(impl_->bibliotheque);
    delete impl_;
}

namespace {
// The glyph that HarfBuzz picks for the whole sequence: keycaps, flags, skin tones and
// VS16 presentation selectors all collapse to one glyph when the font knows them.
unsigned glyphe_de(hb_font_t* police, std::string_view sequence)
{
    hb_buffer_t* tampon = hb_buffer_create();
    hb_buffer_add_utf8(tampon, sequence.data(), static_cast<int>(sequence.size()), 0,
                       static_cast<int>(sequence.size()));
    hb_buffer_guess_segment_properties(tampon);
    hb_shape(police, tampon, nullptr, 0);
    unsigned n = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(tampon, &n);
    const unsigned glyphe = (n == 1) ? infos[0].codepoint : 0;
    hb_buffer_destroy(tampon);
    if (glyphe == 0)
        throw std::runtime_error("no single emoji glyph for \"" + std::string(sequence) + "\"");
    return glyphe;
}
}  // namespace

cairo_surface_t* Emojis::image(std::string_view sequence)
{
    if (auto deja = cache_.find(sequence); deja != cache_.end())
        return deja->second.get();

    const unsigned glyphe = glyphe_de(impl_->police_hb, sequence);
    if (FT_Load_Glyph(impl_->face, glyphe, FT_LOAD_COLOR))
        throw std::runtime_error("FT_Load_Glyph for \"" + std::string(sequence) + "\"");
    const FT_Bitmap& bm = impl_->face->glyph->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_BGRA)
        throw std::runtime_error("emoji \"" + std::string(sequence) + "\" is not a colour bitmap");

    // Crop to the pixels that show, so that every emoji can be fitted to a box by its ink
    // and not by the font's generous cell.
    const int l = static_cast<int>(bm.width);
    const int h = static_cast<int>(bm.rows);
    int x0 = l, y0 = h, x1 = -1, y1 = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x)
            if (bm.buffer[y * bm.pitch + 4 * x + 3] > 8) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    if (x1 < 0)
        throw std::runtime_error("emoji \"" + std::string(sequence) + "\" is empty");

    // Both are premultiplied, but FreeType's BGRA is four bytes in that order while
    // cairo's ARGB32 is one native 32-bit word, alpha in its top byte: the bytes match
    // only on little-endian machines, so each pixel goes through the word.
    Surface s = nouvelle_surface(x1 - x0 + 1, y1 - y0 + 1);
    cairo_surface_flush(s.get());
    unsigned char* dst = cairo_image_surface_get_data(s.get());
    const int pas = cairo_image_surface_get_stride(s.get());
    for (int y = y0; y <= y1; ++y) {
        const unsigned char* bgra = bm.buffer + y * bm.pitch + 4 * x0;
        unsigned char* ligne = dst + (y - y0) * pas;
        for (int x = 0; x <= x1 - x0; ++x, bgra += 4) {
            const std::uint32_t argb = std::uint32_t{bgra[3]} << 24 | std::uint32_t{bgra[2]} << 16 |
                                       std::uint32_t{bgra[1]} << 8 | bgra[0];
            std::memcpy(ligne + 4 * x, &argb, sizeof argb);
        }
    }
    cairo_surface_mark_dirty(s.get());
    return cache_.emplace(std::string(sequence), std::move(s)).first->second.get();
}
}  // namespace images
