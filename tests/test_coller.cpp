// coller and fondre draw the common blits themselves: they must leave exactly the pixels
// that SDL's own blit leaves, wherever the picture lands, keyed or not, on the desktop's
// screen (0x00RRGGBB) as on the browser's (0x00BBGGRR).
#include <gtest/gtest.h>

#include <cstring>

#include "draw/ressources.hpp"

namespace {

// The two orders of a 32-bit screen: the desktop's, and the browser's under SDL 2.
enum class Ordre { Rvb, Bvr };

Surface surface(int l, int h, int bits, Ordre ordre = Ordre::Rvb)
{
    const bool bvr = bits == 32 && ordre == Ordre::Bvr;
    return Surface{SDL_CreateRGBSurface(SDL_SWSURFACE, l, h, bits, bvr ? 0xFF : 0xFF0000, 0xFF00,
                                        bvr ? 0xFF0000 : 0xFF, 0)};
}

// Every pixel different, with pure blue (the key), and blues one step away from it,
// scattered through.
Surface motif(int l, int h, int bits, Ordre ordre = Ordre::Rvb)
{
    Surface s = surface(l, h, bits, ordre);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) {
            Uint32 rvb = static_cast<Uint32>(x * 2654435761u ^ y * 40503u) & 0xFFFFFF;
            if ((x + y) % 5 == 0)
                rvb = 0x0000FF;
            else if ((x + 2 * y) % 7 == 0)
                rvb = (x % 2) ? 0x0000FE : 0x0100FF;
            auto* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
            for (int octet = 0; octet < s->format->BytesPerPixel; ++octet)
                p[octet] = static_cast<Uint8>(rvb >> (8 * octet));
        }
    return s;
}

bool memes_pixels(SDL_Surface* a, SDL_Surface* b)
{
    for (int y = 0; y < a->h; ++y)
        if (std::memcmp(static_cast<Uint8*>(a->pixels) + y * a->pitch, static_cast<Uint8*>(b->pixels) + y * b->pitch,
                        static_cast<std::size_t>(a->w) * 4) != 0)
            return false;
    return true;
}

// The colours only: SDL's blend onto a 0x00BBGGRR surface leaves a carry in the unused
// top byte, which no screen shows.
bool memes_couleurs(SDL_Surface* a, SDL_Surface* b)
{
    const Uint32 couleurs = a->format->Rmask | a->format->Gmask | a->format->Bmask;
    for (int y = 0; y < a->h; ++y)
        for (int x = 0; x < a->w; ++x) {
            Uint32 pa, pb;
            std::memcpy(&pa, static_cast<Uint8*>(a->pixels) + y * a->pitch + x * 4, 4);
            std::memcpy(&pb, static_cast<Uint8*>(b->pixels) + y * b->pitch + x * 4, 4);
            if ((pa & couleurs) != (pb & couleurs))
                return false;
        }
    return true;
}

}  // namespace

TEST(Coller, LesMemesPixelsQueLeBlitDeSdl)
{
    // Copie32 and Cle32 are in the screen's own order; Autre32 in the other one, which
    // must be converted, not copied.
    enum class Image { Cle24, Sans24, Copie32, Cle32, Alpha24, Autre32 };
    const struct {
        Image image;
        int x, y;
        bool decoupe;  // a clip rectangle on the screen
    } cas[] = {
        {Image::Cle24, 10, 20, false},   {Image::Cle24, -1, 249, false},  {Image::Cle24, -30, -7, false},
        {Image::Cle24, 70, 55, false},   {Image::Cle24, 200, 5, false},   {Image::Cle24, 2, 12, true},
        {Image::Sans24, 3, 4, false},    {Image::Sans24, -5, 15, true},   {Image::Copie32, 0, 0, false},
        {Image::Copie32, 60, -3, true},  {Image::Cle32, 8, 9, false},     {Image::Alpha24, 8, 9, false},
        {Image::Autre32, 4, 6, false},
    };
    for (const Ordre ordre : {Ordre::Rvb, Ordre::Bvr})
        for (const auto& c : cas) {
            SCOPED_TRACE(testing::Message() << (ordre == Ordre::Bvr ? "0x00BBGGRR screen, " : "0x00RRGGBB screen, ")
                                            << "picture " << int(c.image) << " at " << c.x << ", " << c.y
                                            << (c.decoupe ? ", clipped" : ""));
            const bool bits24 = c.image == Image::Cle24 || c.image == Image::Sans24 || c.image == Image::Alpha24;
            const Ordre autre = ordre == Ordre::Rvb ? Ordre::Bvr : Ordre::Rvb;
            Surface image = motif(37, 23, bits24 ? 24 : 32, c.image == Image::Autre32 ? autre : ordre);
            if (c.image != Image::Sans24 && c.image != Image::Copie32 && c.image != Image::Autre32)
                SDL_SetColorKey(image.get(), SDL_SRCCOLORKEY, 0x0000FF);
            if (c.image == Image::Alpha24)
                SDL_SetAlpha(image.get(), SDL_SRCALPHA, 100);

            Surface nous = motif(90, 60, 32, ordre), sdl = motif(90, 60, 32, ordre);
            if (c.decoupe) {
                SDL_Rect zone{5, 10, 50, 30};
                SDL_SetClipRect(nous.get(), &zone);
                SDL_SetClipRect(sdl.get(), &zone);
            }
            coller(nous.get(), image.get(), static_cast<std::int16_t>(c.x), static_cast<std::int16_t>(c.y));
            SDL_Rect position{static_cast<Sint16>(c.x), static_cast<Sint16>(c.y), 0, 0};
            SDL_BlitSurface(image.get(), nullptr, sdl.get(), &position);
            EXPECT_TRUE(memes_pixels(nous.get(), sdl.get()));
        }
}

TEST(Fondre, LesMemesPixelsQueLeBlitDeSdlDansLesDeuxOrdres)
{
    // fondre blends a picture converted once to the screen's format (pour_fondu) and must
    // give what SDL's alpha blit of the 24-bit picture as loaded gives, which is what the
    // desktop shows. Under sdl12-compat SDL draws the fades itself, from the pictures as
    // loaded: there is nothing of ours to compare.
    if (SDL_Linked_Version()->patch >= 50)
        GTEST_SKIP() << "sdl12-compat: SDL blends the fades itself";
    const struct {
        bool cle;
        Uint8 alpha;
    } cas[] = {{false, 0}, {false, 1}, {false, 100}, {false, 254}, {false, 255},
               {true, 0},  {true, 37}, {true, 128},  {true, 255}};
    for (const Ordre ordre : {Ordre::Rvb, Ordre::Bvr})
        for (const auto& c : cas) {
            SCOPED_TRACE(testing::Message() << (ordre == Ordre::Bvr ? "0x00BBGGRR" : "0x00RRGGBB") << " screen, alpha "
                                            << int(c.alpha) << (c.cle ? ", keyed" : ""));
            // As large as the screen, as the fades' pictures are.
            Surface image = motif(90, 60, 24);
            if (c.cle)
                SDL_SetColorKey(image.get(), SDL_SRCCOLORKEY, 0x0000FF);
            Surface nous = motif(90, 60, 32, ordre), sdl = motif(90, 60, 32, ordre);
            Surface convertie{SDL_ConvertSurface(image.get(), nous->format, image->flags & SDL_SRCCOLORKEY)};
            ASSERT_TRUE(convertie);
            fondre(nous.get(), convertie.get(), c.alpha);
            SDL_SetAlpha(image.get(), SDL_SRCALPHA, c.alpha);
            SDL_BlitSurface(image.get(), nullptr, sdl.get(), nullptr);
            EXPECT_TRUE(memes_couleurs(nous.get(), sdl.get()));
        }
}
