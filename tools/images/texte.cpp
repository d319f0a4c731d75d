#include "texte.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb-ot.h>
#include <hb.h>

#include <memory>
#include <stdexcept>

namespace images {
namespace {
// The FreeType face under cairo's font face, with the library it belongs to. cairo
// keeps font faces in a cache past their last user, so this lives exactly as long as
// cairo's font face does: cairo deletes it when it drops the face.
struct FaceFreeType {
    FT_Library bibliotheque = nullptr;
    FT_Face face = nullptr;
    ~FaceFreeType()
    {
        if (face)
            FT_Done_Face(face);
        if (bibliotheque)
            FT_Done_FreeType(bibliotheque);
    }
};

const cairo_user_data_key_t CLE_FACE_FREETYPE{};

void liberer_face_freetype(void* face) { delete static_cast<FaceFreeType*>(face); }
}  // namespace

struct Police::Impl {
    cairo_font_face_t* face_cairo = nullptr;
    hb_font_t* police_hb = nullptr;
    double unites = 1000;
};

Police::Police(const std::filesystem::path& fichier) : impl_(new Impl)
{
    auto ft = std::make_unique<FaceFreeType>();
    if (FT_Init_FreeType(&ft->bibliotheque) || FT_New_Face(ft->bibliotheque, fichier.c_str(), 0, &ft->face)) {
        delete impl_;
        throw std::runtime_error("FT_New_Face: " + fichier.string());
    }
    impl_->face_cairo = cairo_ft_font_face_create_for_ft_face(ft->face, 0);
    if (cairo_font_face_set_user_data(impl_->face_cairo, &CLE_FACE_FREETYPE, ft.get(), liberer_face_freetype) !=
        CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(impl_->face_cairo);
        delete impl_;
        throw std::runtime_error("cairo_font_face_set_user_data: " + fichier.string());
    }
    ft.release();  // cairo's now
    hb_blob_t* blob = hb_blob_create_from_file(fichier.c_str());
    hb_face_t* face_hb = hb_face_create(blob, 0);
    impl_->police_hb = hb_font_create(face_hb);
    impl_->unites = hb_face_get_upem(face_hb);
    // Positions come back in font units; the pixel size is applied when drawing.
    hb_font_set_scale(impl_->police_hb, static_cast<int>(impl_->unites),
                      static_cast<int>(impl_->unites));
    hb_face_destroy(face_hb);
    hb_blob_destroy(blob);
}

Police::~Police()
{
    hb_font_destroy(impl_->police_hb);
    // The FreeType face goes with cairo's last reference, which may be this one or
    // come later from cairo's cache.
    cairo_font_face_destroy(impl_->face_cairo);
    delete impl_;
}

std::vector<cairo_glyph_t> Police::glyphes(std::string_view texte, double taille, double x, double y,
                                           double* avance) const
{
    hb_buffer_t* tampon = hb_buffer_create();
    hb_buffer_add_utf8(tampon, texte.data(), static_cast<int>(texte.size()), 0,
                       static_cast<int>(texte.size()));
    hb_buffer_set_direction(tampon, HB_DIRECTION_LTR);
    hb_buffer_set_script(tampon, HB_SCRIPT_LATIN);
    hb_buffer_set_language(tampon, hb_language_from_string("fr", -1));
    hb_shape(impl_->police_hb, tampon, nullptr, 0);
    unsigned n = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(tampon, &n);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(tampon, &n);
    const double e = taille / impl_->unites;
    std::vector<cairo_glyph_t> sortie;
    sortie.reserve(n);
    double cx = 0;
    for (unsigned i = 0; i < n; ++i) {
        sortie.push_back({infos[i].codepoint, x + (cx + pos[i].x_offset) * e, y - pos[i].y_offset * e});
        cx += pos[i].x_advance;
    }
    hb_buffer_destroy(tampon);
    if (avance)
        *avance = cx * e;
    return sortie;
}

double Police::largeur(std::string_view texte, double taille) const
{
    double l = 0;
    glyphes(texte, taille, 0, 0, &l);
    return l;
}

void Police::preparer(cairo_t* cr, double taille) const
{
    cairo_set_font_face(cr, impl_->face_cairo);
    cairo_set_font_size(cr, taille);
    // Unhinted outlines at fractional positions: the same shapes at every size and
    // no dependence on the hinting settings of the machine that builds.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

void Police::chemin(cairo_t* cr, std::string_view texte, double taille, double x, double y) const
{
    preparer(cr, taille);
    const auto g = glyphes(texte, taille, x, y, nullptr);
    cairo_glyph_path(cr, g.data(), static_cast<int>(g.size()));
}

void Police::ecrire(cairo_t* cr, std::string_view texte, double taille, double x, double y) const
{
    cairo_new_path(cr);
    chemin(cr, texte, taille, x, y);
    cairo_fill(cr);
}

void Police::centrer(cairo_t* cr, std::string_view texte, double taille, double cx, double y) const
{
    ecrire(cr, texte, taille, cx - largeur(texte, taille) / 2, y);
}

void Police::centrer_contour(cairo_t* cr, std::string_view texte, double taille, double cx, double y,
                             std::uint32_t remplissage, std::uint32_t trait, double contour) const
{
    cairo_save(cr);
    cairo_new_path(cr);
    chemin(cr, texte, taille, cx - largeur(texte, taille) / 2, y);
    if (contour > 0) {
        couleur(cr, trait);
        cairo_set_line_width(cr, 2 * contour);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    couleur(cr, remplissage);
    cairo_fill(cr);
    cairo_restore(cr);
}
}  // namespace images
