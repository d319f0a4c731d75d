/* The web libraries' probe: the calls the game makes of SDL 2 and SDL2_ttf in the
 * browser, each checked by reading back what it drew. web/sonde.sh builds it against the
 * cache web/bibliotheques.sh made and runs it in headless Chromium, which also takes a
 * screenshot of the page to look at.
 *
 * What it does, as the game does: a 900 x 640 window surface; a 24-bit BMP read from
 * memory, blue made transparent and blitted; a word in Latin-1 rendered shaded from a
 * font opened from memory; the frame presented; a wait that must hand the browser its
 * turn. Its verdict goes into the page: <body data-sonde="ok">, or the list of what failed.
 */
#include <SDL.h>
#include <SDL_ttf.h>
#include <emscripten.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { LARGEUR = 900, HAUTEUR = 640, COTE = 40 };

static char rapport[2048];

static void echec(const char *quoi)
{
    size_t pris = strlen(rapport);
    snprintf(rapport + pris, sizeof rapport - pris, "%s%s", pris ? "; " : "", quoi);
}

static void couleur_en(SDL_Surface *s, int x, int y, Uint8 *r, Uint8 *g, Uint8 *b)
{
    Uint32 pixel = 0;
    memcpy(&pixel, (Uint8 *)s->pixels + y * s->pitch + x * s->format->BytesPerPixel, s->format->BytesPerPixel);
    SDL_GetRGB(pixel, s->format, r, g, b);
}

static void verifier(SDL_Surface *s, int x, int y, Uint8 r, Uint8 g, Uint8 b, const char *quoi)
{
    Uint8 lr, lg, lb;
    couleur_en(s, x, y, &lr, &lg, &lb);
    if (lr != r || lg != g || lb != b) {
        char ligne[160];
        snprintf(ligne, sizeof ligne, "%s at %d,%d: %d,%d,%d instead of %d,%d,%d", quoi, x, y, lr, lg, lb, r, g, b);
        echec(ligne);
    }
}

/* A COTE x COTE 24-bit BMP, as the picture tool writes them: pure blue (the key) with a
 * red square in its middle, rows bottom up, each padded to four bytes. */
static size_t bmp_cle(Uint8 *octets)
{
    const int ligne = (COTE * 3 + 3) & ~3, taille = 54 + ligne * COTE;
    memset(octets, 0, (size_t)taille);
    octets[0] = 'B', octets[1] = 'M';
    SDL_memcpy(octets + 2, &taille, 4);
    octets[10] = 54, octets[14] = 40;
    const int cote = COTE;
    SDL_memcpy(octets + 18, &cote, 4);
    SDL_memcpy(octets + 22, &cote, 4);
    octets[26] = 1, octets[28] = 24;
    for (int y = 0; y < COTE; ++y)
        for (int x = 0; x < COTE; ++x) {
            Uint8 *p = octets + 54 + y * ligne + x * 3; /* blue, green, red */
            const int carre = x >= 10 && x < 30 && y >= 10 && y < 30;
            p[0] = carre ? 0 : 255;
            p[2] = carre ? 255 : 0;
        }
    return (size_t)taille;
}

/* The font file read whole, as the game reads its own. */
static void *lire(const char *chemin, size_t *taille)
{
    FILE *f = fopen(chemin, "rb");
    if (!f)
        return NULL;
    fseek(f, 0, SEEK_END);
    *taille = (size_t)ftell(f);
    fseek(f, 0, SEEK_SET);
    void *octets = malloc(*taille);
    if (octets && fread(octets, 1, *taille, f) != *taille) {
        free(octets);
        octets = NULL;
    }
    fclose(f);
    return octets;
}

/* Text surfaces the same size with the same pixels: what the Latin-1 and the UTF-8
 * spellings of a word must give. */
static int memes_pixels(SDL_Surface *a, SDL_Surface *b)
{
    if (!a || !b || a->w != b->w || a->h != b->h || a->format->format != b->format->format)
        return 0;
    for (int y = 0; y < a->h; ++y)
        if (memcmp((Uint8 *)a->pixels + y * a->pitch, (Uint8 *)b->pixels + y * b->pitch,
                   (size_t)a->w * a->format->BytesPerPixel) != 0)
            return 0;
    return 1;
}

int main(void)
{
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0 || TTF_Init() != 0) {
        echec(SDL_GetError());
        goto fin;
    }
    SDL_Window *fenetre = SDL_CreateWindow("sonde", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, LARGEUR, HAUTEUR, 0);
    SDL_Surface *ecran = fenetre ? SDL_GetWindowSurface(fenetre) : NULL;
    if (!ecran || ecran->w != LARGEUR || ecran->h != HAUTEUR) {
        echec(ecran ? "window surface not 900 x 640" : SDL_GetError());
        goto fin;
    }
    SDL_FillRect(ecran, NULL, SDL_MapRGB(ecran->format, 255, 255, 128));

    Uint8 bmp[54 + 120 * COTE];
    const size_t taille_bmp = bmp_cle(bmp);
    SDL_Surface *image = SDL_LoadBMP_RW(SDL_RWFromConstMem(bmp, (int)taille_bmp), 1);
    if (!image) {
        echec(SDL_GetError());
    } else {
        SDL_SetColorKey(image, SDL_TRUE, SDL_MapRGB(image->format, 0, 0, 255));
        SDL_Rect ou = {100, 100, 0, 0};
        SDL_BlitSurface(image, NULL, ecran, &ou);
        verifier(ecran, 102, 102, 255, 255, 128, "keyed blue");
        verifier(ecran, 120, 120, 255, 0, 0, "picture");
        SDL_FreeSurface(image);
    }

    size_t taille_police = 0;
    void *octets_police = lire("/police.ttf", &taille_police);
    TTF_Font *police = octets_police ? TTF_OpenFontRW(SDL_RWFromConstMem(octets_police, (int)taille_police), 1, 60) : NULL;
    if (!police) {
        echec("TTF_OpenFontRW");
    } else {
        const SDL_Color noir = {0, 0, 0, 255}, blanc = {255, 255, 255, 255};
        SDL_Surface *latin1 = TTF_RenderText_Shaded(police, "\xe9t\xe9", noir, blanc);
        SDL_Surface *utf8 = TTF_RenderUTF8_Shaded(police, "\xc3\xa9t\xc3\xa9", noir, blanc);
        if (!memes_pixels(latin1, utf8))
            echec("Latin-1 text differs from its UTF-8 spelling");
        if (latin1) {
            SDL_Rect ou = {300, 100, 0, 0};
            SDL_BlitSurface(latin1, NULL, ecran, &ou);
            /* the shaded box: white where no glyph is, some black inside the letters */
            verifier(ecran, 301, 101, 255, 255, 255, "shaded box");
            int noirs = 0;
            for (int y = 0; y < latin1->h; ++y)
                for (int x = 0; x < latin1->w; ++x) {
                    Uint8 r, g, b;
                    couleur_en(ecran, 300 + x, 100 + y, &r, &g, &b);
                    noirs += r == 0 && g == 0 && b == 0;
                }
            if (noirs < 100)
                echec("text drew next to no black");
        }
        SDL_FreeSurface(latin1);
        SDL_FreeSurface(utf8);
        TTF_CloseFont(police);
    }
    free(octets_police);

    if (SDL_UpdateWindowSurface(fenetre) != 0)
        echec(SDL_GetError());
    /* With ASYNCIFY, SDL_Delay hands the browser its turn: the page is painted meanwhile,
     * and the clock has moved on when it returns. */
    const Uint32 avant = SDL_GetTicks();
    SDL_Delay(200);
    if (SDL_GetTicks() - avant < 200)
        echec("SDL_Delay returned early");

fin:
    printf("sonde: %s\n", rapport[0] ? rapport : "ok");
    EM_ASM({ document.body.dataset.sonde = UTF8ToString($0); }, rapport[0] ? rapport : "ok");
    return 0;
}
