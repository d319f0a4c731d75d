// coller draws the common blits itself: it must leave exactly the pixels that SDL's own
// blit leaves, wherever the picture lands, keyed or not.
#include <gtest/gtest.h>

#include <cstring>

#include "draw/ressources.hpp"

namespace {

Surface surface(int l, int h, int bits)
{
    return Surface{SDL_CreateRGBSurface(SDL_SWSURFACE, l, h, bits, 0xFF0000, 0xFF00, 0xFF, 0)};
}

// Every pixel different, with pure blue (the key), and blues one step away from it,
// scattered through.
Surface motif(int l, int h, int bits)
{
    Surface s = surface(l, h, bits);
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

}  // namespace

TEST(Coller, LesMemesPixelsQueLeBlitDeSdl)
{
    enum class Image { Cle24, Sans24, Copie32, Cle32, Alpha24 };
    const struct {
        Image image;
        int x, y;
        bool decoupe;  // a clip rectangle on the screen
    } cas[] = {
        {Image::Cle24, 10, 20, false},   {Image::Cle24, -1, 249, false},  {Image::Cle24, -30, -7, false},
        {Image::Cle24, 70, 55, false},   {Image::Cle24, 200, 5, false},   {Image::Cle24, 2, 12, true},
        {Image::Sans24, 3, 4, false},    {Image::Sans24, -5, 15, true},   {Image::Copie32, 0, 0, false},
        {Image::Copie32, 60, -3, true},  {Image::Cle32, 8, 9, false},     {Image::Alpha24, 8, 9, false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << "picture " << int(c.image) << " at " << c.x << ", " << c.y
                                        << (c.decoupe ? ", clipped" : ""));
        const bool bits24 = c.image == Image::Cle24 || c.image == Image::Sans24 || c.image == Image::Alpha24;
        Surface image = motif(37, 23, bits24 ? 24 : 32);
        if (c.image != Image::Sans24 && c.image != Image::Copie32)
            SDL_SetColorKey(image.get(), SDL_SRCCOLORKEY, 0x0000FF);
        if (c.image == Image::Alpha24)
            SDL_SetAlpha(image.get(), SDL_SRCALPHA, 100);

        Surface nous = motif(90, 60, 32), sdl = motif(90, 60, 32);
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
