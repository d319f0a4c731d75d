#include "ressources.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {
// Pictures are reloaded on every frame; a missing one would otherwise flood the
// terminal with the same line hundreds of times a second.
std::set<std::string>& images_signalees()
{
    static std::set<std::string> deja;
    return deja;
}

struct FermerFlux {
    void operator()(SDL_RWops* flux) const noexcept { SDL_RWclose(flux); }
};
using Flux = std::unique_ptr<SDL_RWops, FermerFlux>;

// The whole of the file at `chemin` in `octets`, in one read where the system allows:
// how the game reads every file it loads, the pictures and the panel's font. (Mapping
// each file instead, measured on a virtual machine: a level-loop pass ten times slower,
// most of it in the kernel's page-table work.) Reading through stdio, as SDL_image does
// from a file name, costs a seek and a small read for every header field and row:
// with the font's, most of a level-loop pass went there. False, with SDL's error set,
// when the file cannot be read (missing, a directory, unreadable).
bool lire_fichier(const char* chemin, std::vector<unsigned char>& octets)
{
    const int fd = ::open(chemin, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        SDL_SetError("%s", std::strerror(errno));
        return false;
    }
    struct stat etat {};
    bool lu = ::fstat(fd, &etat) == 0;
    if (lu && !S_ISREG(etat.st_mode)) {
        errno = S_ISDIR(etat.st_mode) ? EISDIR : EINVAL;
        lu = false;
    }
    if (lu) {
        octets.resize(static_cast<std::size_t>(etat.st_size));
        std::size_t total = 0;
        while (total < octets.size()) {
            const ssize_t n = ::read(fd, octets.data() + total, octets.size() - total);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                lu = n == 0;  // shorter than it said: keep what was there
                break;
            }
            total += static_cast<std::size_t>(n);
        }
        octets.resize(total);
    }
    if (!lu)
        SDL_SetError("%s", std::strerror(errno));
    ::close(fd);
    return lu;
}

// A read-only stream over `octets`; null for an empty file, which SDL refuses.
Flux flux_memoire(const std::vector<unsigned char>& octets)
{
    if (octets.empty()) {
        SDL_SetError("empty file");
        return Flux{};
    }
    return Flux{SDL_RWFromConstMem(octets.data(), static_cast<int>(octets.size()))};
}
}  // namespace

void oublier_images_signalees() { images_signalees().clear(); }

Surface charger_image(const char* chemin)
{
    // The game's pictures are BMP files, read from their file at every draw as the game
    // was written to do; one read and a decode from memory keep that cheap.
    std::vector<unsigned char> octets;
    Surface image;
    if (lire_fichier(chemin, octets))
        if (const Flux flux = flux_memoire(octets))
            image.reset(IMG_LoadBMP_RW(flux.get()));
    if (!image && images_signalees().insert(chemin).second)
        std::fprintf(stderr, "grignotin: IMG_Load: %s: %s (picture skipped)\n", chemin, IMG_GetError());
    return image;
}

PoliceLue::PoliceLue(const char* chemin, int points)
{
    if (!lire_fichier(chemin, octets_))
        return;
    // SDL_ttf closes the stream with the font; the bytes stay ours.
    if (Flux flux = flux_memoire(octets_))
        police_.reset(TTF_OpenFontRW(flux.release(), 1, points));
}

void poser_cle_bleue(SDL_Surface* image)
{
    if (image)
        SDL_SetColorKey(image, SDL_SRCCOLORKEY, SDL_MapRGB(image->format, 0, 0, 255));
}

Surface charger_image_cle(const char* chemin)
{
    Surface image = charger_image(chemin);
    poser_cle_bleue(image.get());
    return image;
}

Surface au_format_ecran(Surface image)
{
    if (!image || !SDL_GetVideoSurface())
        return image;
    Surface converti{SDL_DisplayFormat(image.get())};
    return converti ? std::move(converti) : std::move(image);
}

namespace {
// `octets` bytes a pixel, red, green and blue from the high byte down, no alpha: a 24-bit
// BMP as SDL reads it, and the desktop's 32-bit screen.
bool masques_rvb(const SDL_PixelFormat* f, Uint8 octets)
{
    return f->BytesPerPixel == octets && f->Rmask == 0xFF0000 && f->Gmask == 0xFF00 && f->Bmask == 0xFF &&
           f->Amask == 0;
}

// 32 bits a pixel, red, green and blue each a whole byte, no alpha: the desktop's screen,
// 0x00RRGGBB, and the browser's, which SDL 2 keeps the other way round, 0x00BBGGRR. The
// blits below put each channel where the screen's own masks say.
bool octets_entiers_32(const SDL_PixelFormat* f)
{
    const auto octet = [](Uint32 masque, Uint8 decalage, Uint8 perte) {
        return perte == 0 && decalage % 8 == 0 && masque == 0xFFu << decalage;
    };
    return f->BytesPerPixel == 4 && f->Amask == 0 && octet(f->Rmask, f->Rshift, f->Rloss) &&
           octet(f->Gmask, f->Gshift, f->Gloss) && octet(f->Bmask, f->Bshift, f->Bloss);
}

bool meme_format(const SDL_PixelFormat* a, const SDL_PixelFormat* b)
{
    return a->BytesPerPixel == b->BytesPerPixel && a->Rmask == b->Rmask && a->Gmask == b->Gmask &&
           a->Bmask == b->Bmask && a->Amask == b->Amask;
}

// The two blits that every frame makes over and over, done without SDL's
// general-purpose blitter, which goes pixel by pixel through the format's masks and
// shifts: a 24-bit picture as SDL_image reads a BMP, keyed or not, onto the 32-bit
// screen; and a copy in the screen's own format (the background, converted once).
// Both write exactly what SDL_BlitSurface writes. Anything else (alpha, other
// formats) goes to SDL. False when this is not one of those two blits.
bool coller_direct(SDL_Surface* ecran, SDL_Surface* image, int x, int y)
{
    const SDL_PixelFormat* de = image->format;
    const SDL_PixelFormat* vers = ecran->format;
    if (!octets_entiers_32(vers) || melange(image) || (image->flags & SDL_RLEACCEL))
        return false;
    Uint32 couleur_cle = 0;
    const bool cle = cle_de(image, couleur_cle);
    couleur_cle &= 0xFFFFFF;
    const bool copie = meme_format(de, vers) && !cle;
    // The 24-bit pixel is put together below from its bytes in little-endian order.
    if (!copie && (!masques_rvb(de, 3) || SDL_BYTEORDER != SDL_LIL_ENDIAN))
        return false;

    // Clipped to the screen's clip rectangle, as SDL_BlitSurface does.
    const SDL_Rect& clip = ecran->clip_rect;
    const int x0 = std::max(x, int(clip.x)), y0 = std::max(y, int(clip.y));
    const int x1 = std::min(x + image->w, clip.x + int(clip.w)), y1 = std::min(y + image->h, clip.y + int(clip.h));
    if (x0 >= x1 || y0 >= y1)
        return true;
    if (SDL_MUSTLOCK(ecran) && SDL_LockSurface(ecran) != 0)
        return true;  // SDL would not draw either
    const Uint8 rouge = vers->Rshift, vert = vers->Gshift, bleu = vers->Bshift;
    for (int ligne = y0; ligne < y1; ++ligne) {
        const auto* source = static_cast<const Uint8*>(image->pixels) + (ligne - y) * image->pitch +
                             (x0 - x) * de->BytesPerPixel;
        auto* cible = reinterpret_cast<Uint32*>(static_cast<Uint8*>(ecran->pixels) + ligne * ecran->pitch) + x0;
        if (copie) {
            std::memcpy(cible, source, static_cast<std::size_t>(x1 - x0) * 4);
            continue;
        }
        for (int i = 0; i < x1 - x0; ++i, source += 3) {
            const Uint32 pixel = Uint32(source[0]) | Uint32(source[1]) << 8 | Uint32(source[2]) << 16;
            if (!cle || pixel != couleur_cle)
                cible[i] = Uint32(source[2]) << rouge | Uint32(source[1]) << vert | Uint32(source[0]) << bleu;
        }
    }
    if (SDL_MUSTLOCK(ecran))
        SDL_UnlockSurface(ecran);
    return true;
}
}  // namespace

void coller(SDL_Surface* ecran, SDL_Surface* image, std::int16_t x, std::int16_t y)
{
    if (!image || !ecran || coller_direct(ecran, image, x, y))
        return;
    SDL_Rect position{};
    position.x = x;
    position.y = y;
    SDL_BlitSurface(image, nullptr, ecran, &position);
}

namespace {
// SDL 1.2 over SDL 2 (sdl12-compat) numbers its releases from 1.2.50 on; classic SDL 1.2
// stopped at 1.2.15.
constexpr Uint8 PREMIER_CORRECTIF_SDL12_COMPAT = 50;

// sdl12-compat blends through SDL 2, which rounds its own way and differently for each
// source format: there SDL itself draws the fades, from the pictures as loaded, so that
// the colours stay those of the library in use.
bool sdl_classique()
{
    const SDL_version version = version_sdl_liee();
    return version.major == 1 && version.patch < PREMIER_CORRECTIF_SDL12_COMPAT;
}

// Where the game's own loop draws the fades: under classic SDL, whose colours it gives,
// and in the browser build over SDL 2, where no desktop library's colours are to be kept
// and the desktop's are the ones to show (SDL 2's own blend would round its way, and
// slower).
bool fondu_maison() { return sdl_classique() || version_sdl_liee().major >= 2; }

// Two 32-bit pixels of this format blend in the loop of fondre: whole bytes, green in
// the middle one and nothing in the top one, so that red and blue, whichever holds which
// byte, sit side by side in 0xFF00FF. Both screens the game meets are so.
bool vert_au_milieu(const SDL_PixelFormat* f)
{
    return octets_entiers_32(f) && f->Gshift == 8 && f->Rshift + f->Bshift == 16;
}
}  // namespace

Surface pour_fondu(Surface image) { return fondu_maison() ? au_format_ecran(std::move(image)) : std::move(image); }

// Lays `image` over the screen at 0, 0 with surface alpha `alpha`, pixel for pixel as
// SDL_BlitSurface does with SDL_SRCALPHA for a picture loaded from a 24-bit file: on each
// channel c + ((s - c) * alpha + 255) / 256, rounded down; a plain copy at 255; key pixels
// left alone when the picture has one. SDL does this in a generic loop that unpacks every
// pixel, about 5 ms a full screen, and the two fades draw 497 frames in a row; once the
// picture is in the screen's 32-bit format this loop does the same arithmetic several
// times faster. (SDL's own fast blitters, RLE or 32-bit to 32-bit, round down instead:
// every colour would come out one shade off.)
void fondre(SDL_Surface* ecran, SDL_Surface* image, Uint8 alpha)
{
    if (!ecran || !image)
        return;
    const bool octets32 = vert_au_milieu(ecran->format) && meme_format(ecran->format, image->format);
    if (!octets32 || !fondu_maison() || SDL_MUSTLOCK(ecran) || SDL_MUSTLOCK(image)) {
        SDL_SetAlpha(image, SDL_SRCALPHA, alpha);
        coller(ecran, image, 0, 0);
        return;
    }
    if (alpha == 0)
        return;  // SDL draws nothing either
    Uint32 cle = 0;
    const bool avec_cle = cle_de(image, cle);
    cle &= 0xFFFFFFu;
    const Uint32 a = alpha;
    const int largeur = std::min(ecran->w, image->w);
    const int hauteur = std::min(ecran->h, image->h);
    for (int y = 0; y < hauteur; ++y) {
        const auto* source = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(image->pixels) + y * image->pitch);
        auto* cible = reinterpret_cast<Uint32*>(static_cast<Uint8*>(ecran->pixels) + y * ecran->pitch);
        for (int x = 0; x < largeur; ++x) {
            const Uint32 s = source[x] & 0xFFFFFFu;
            const Uint32 d = cible[x];
            Uint32 fondu = s;
            if (a != SDL_ALPHA_OPAQUE) {
                // Red and blue side by side, then green; the rounding term is 255 in each
                // channel, and no channel borrows from the next since each result is 0..255.
                const Uint32 rb = d & 0xFF00FFu, v = d & 0xFF00u;
                fondu = ((rb + ((((s & 0xFF00FFu) - rb) * a + 0xFF00FFu) >> 8)) & 0xFF00FFu) |
                        ((v + ((((s & 0xFF00u) - v) * a + 0xFF00u) >> 8)) & 0xFF00u);
            }
            cible[x] = avec_cle && s == cle ? d : fondu;
        }
    }
}
