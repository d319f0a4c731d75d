// The game flow: start-up and intro, choice of track, the levels, the end and the shutdown.
// All lasting state lives in one Partie for the whole run; the rules and drawing
// functions get what they need as arguments and keep nothing.
#include "aliment.hpp"

#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <utility>

#include "draw/bidou.hpp"
#include "draw/ecrans.hpp"
#include "draw/geometrie.hpp"
#include "draw/noms_images.hpp"
#include "draw/plateau.hpp"
#include "draw/ressources.hpp"
#include "draw/score.hpp"
#include "flow/messages.hpp"
#include "rules/niveau.hpp"
#include "rules/tableau.hpp"

namespace {

constexpr std::int32_t SECONDES_PAR_NIVEAU = 30;
constexpr std::uint32_t DUREE_FIN_DE_PISTE = 12000;  // ms
constexpr std::uint32_t PAUSE_INTRO = 50;            // ms per frame of the intro fade
constexpr int ALPHA_FIN_INTRO = 240;
// The difficulty fade: 256 frames 8 ms apart, about two seconds. Paced by the clock on
// purpose: it was written to run as fast as the screen could be presented, which today
// takes a second or less, and less again on a faster machine.
constexpr std::uint32_t PERIODE_FONDU_DIFFICULTE = 8;  // ms
// A level changes only on a click, a key or a countdown step. A pass that found nothing
// new draws nothing and rests until 10 ms after it began, then looks at the queue again:
// a click is seen within 10 ms, well under the tenth of a second at which an answer stops
// feeling immediate, and a level at rest costs a poll of the queue a hundred times a
// second instead of a frame. The rest never runs past a countdown step. A pass that
// handled an event goes straight on, so a burst of events drains at full speed.
constexpr std::uint32_t PERIODE_SONDAGE = 10;  // ms
// A countdown step is due one second after the previous one was due, however late the
// pass that took it came, so that a late pass does not stretch the level.
constexpr std::uint32_t DUREE_SECONDE = 1000;  // ms
// A step found more than this late means the game was held (a stalled machine, a process
// stopped and resumed) rather than merely slow: the schedule starts again from now
// instead of taking the missed steps a pass apart, which would show the seconds racing
// by. A quarter of a second is far above any pass on a slow machine, whose steps keep
// their schedule, and keeps the shortest second a child can see at three quarters of one.
constexpr std::uint32_t RETARD_MAXIMAL = 250;  // ms

// Started before anything that needs them and stopped after everything that does:
// declared in that order, they give the shutdown order by construction.
struct MoteurPolices {
    bool pret = false;
    bool demarrer() { return pret = TTF_Init() == 0; }
    ~MoteurPolices()
    {
        if (pret)
            TTF_Quit();
    }
};

struct Video {
    bool prete = false;
    bool demarrer() { return prete = SDL_Init(SDL_INIT_VIDEO) == 0; }
    void arreter()
    {
        if (prete)
            SDL_Quit();
        prete = false;
    }
    ~Video() { arreter(); }
};

bool variable_posee(const char* nom)
{
    const char* valeur = std::getenv(nom);
    return valeur && *valeur;
}

// A child needs to see the pictures. Left to choose, SDL 1.2 falls back to drivers that
// show none of them: classic SDL draws the game as coloured letters in the terminal
// (caca), and SDL 1.2 over SDL 2 opens an invisible window (offscreen) that waits for
// a click no one can make. Both are refused unless SDL_VIDEODRIVER names them: tests
// and benchmarks ask for dummy by name.
bool pilote_choisi() { return variable_posee("SDL_VIDEODRIVER"); }

bool affichage_annonce() { return variable_posee("DISPLAY") || variable_posee("WAYLAND_DISPLAY"); }

bool pilote_sans_image(const char* nom)
{
    for (const char* sans_image : {"caca", "aalib", "offscreen", "dummy"})
        if (std::strcmp(nom, sans_image) == 0)
            return true;
    return false;
}

int echec(const char* quoi, const char* erreur)
{
    std::fprintf(stderr, "grignotin: %s: %s\n", quoi, erreur);
    return 1;
}

// The track (0 easy, 1 medium, 2 hard) that a key chooses, or -1. Besides the keypad,
// the digits above the letters choose, for keyboards without a keypad. They come as
// SDLK_1 to SDLK_3 on a US layout, and from SDL 1.2 over SDL 2 whatever the layout;
// classic SDL on a French keyboard gives what those keys type unshifted: &, é
// (SDLK_WORLD_73) and ". Modifiers are not looked at, so with Shift they still choose.
int piste_de_touche(SDLKey touche)
{
    switch (touche) {
    case SDLK_KP1:
    case SDLK_1:
    case SDLK_AMPERSAND:
        return 0;
    case SDLK_KP2:
    case SDLK_2:
    case SDLK_WORLD_73:
        return 1;
    case SDLK_KP3:
    case SDLK_3:
    case SDLK_QUOTEDBL:
        return 2;
    default:
        return -1;
    }
}

// The track chosen by a key press or a left click on its card, or -1 for every other
// event: the screen drops them.
int piste_choisie(const SDL_Event& e)
{
    if (e.type == SDL_KEYDOWN)
        return piste_de_touche(e.key.keysym.sym);
    if (e.type == SDL_MOUSEBUTTONDOWN && e.button.button == SDL_BUTTON_LEFT)
        return piste_sous(e.button.x, e.button.y);
    return -1;
}

// sdl12-compat (1.2.50 and later) blends through SDL 2, which rounds its own way and
// differently for each source format: there SDL itself draws the fades, from the
// pictures as loaded, so that the colours stay those of the library in use.
bool sdl_classique() { return SDL_Linked_Version()->patch < 50; }

// A fade's picture, converted once to the screen's format where fondre blends it itself.
Surface pour_fondu(Surface image) { return sdl_classique() ? au_format_ecran(std::move(image)) : std::move(image); }

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
    const SDL_PixelFormat& e = *ecran->format;
    const SDL_PixelFormat& i = *image->format;
    const bool rgb32 = e.BytesPerPixel == 4 && i.BytesPerPixel == 4 && e.Rmask == 0xFF0000u &&
                       e.Gmask == 0xFF00u && e.Bmask == 0xFFu && i.Rmask == e.Rmask && i.Gmask == e.Gmask &&
                       i.Bmask == e.Bmask && e.Amask == 0 && i.Amask == 0;
    if (!rgb32 || !sdl_classique() || SDL_MUSTLOCK(ecran) || SDL_MUSTLOCK(image)) {
        SDL_SetAlpha(image, SDL_SRCALPHA, alpha);
        coller(ecran, image, 0, 0);
        return;
    }
    if (alpha == 0)
        return;  // SDL draws nothing either
    const bool avec_cle = (image->flags & SDL_SRCCOLORKEY) != 0;
    const Uint32 cle = i.colorkey & 0xFFFFFFu;
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

SDL_Rect rectangle(std::int16_t x, std::int16_t y)
{
    SDL_Rect r{};
    r.x = x;
    r.y = y;
    return r;
}

class Partie {
public:
    explicit Partie(Plateforme& plateforme) : plateforme_(plateforme) {}
    int jouer();

private:
    void fondu_intro();
    void fondu_difficulte();
    void choisir_piste();
    void jouer_niveau();
    void passe();
    void reposer(std::uint32_t debut_passe);
    bool decompter();
    void reprendre_decompte();
    void temps_ecoule();
    bool traiter(const SDL_Event& e);
    bool cliquer(const SDL_MouseButtonEvent& b);
    void juger();
    bool fin_de_piste_eventuelle();
    void redessiner();
    void ecran_de_fin();
    void sauver(std::int32_t valeur);
    void remplir(Uint8 r, Uint8 g, Uint8 b) { SDL_FillRect(ecran_, nullptr, SDL_MapRGB(ecran_->format, r, g, b)); }
    Surface rendre_message(const char* texte) const
    {
        const SDL_Color noir{0, 0, 0, 0};
        return Surface{TTF_RenderText_Blended(police_.get(), texte, noir)};
    }

    Plateforme& plateforme_;

    Tableau tableau_ = tableau_initial();
    std::int32_t niveau_ = 0;
    std::int32_t difficulte_ = 0;
    std::int32_t reste_ = SECONDES_PAR_NIVEAU;
    std::uint32_t dernier_tic_ = 0;  // when the last countdown step was due
    bool plateau_perime_ = true;     // the screen no longer shows the board as it is
    bool continuer_ = true;
    bool continuer_niveau_ = true;
    bool verdict_en_attente_ = true;
    bool fin_de_piste_ = false;
    bool sauvegarde_signalee_ = false;
    std::optional<std::int32_t> niveau_non_sauve_;  // what the last save meant to store, when it failed

    const SDL_Rect position_fond_ = rectangle(0, 0);
    const SDL_Rect position_bidou_ = rectangle(X_BIDOU, Y_BIDOU);

    // Declaration order is release order reversed: surfaces go first, then SDL
    // (which disposes of the screen), then the message font, then the font engine.
    MoteurPolices moteur_polices_;
    Police police_;
    Video video_;
    SDL_Surface* ecran_ = nullptr;  // SDL_Quit's to dispose of
    Surface icone_;                 // some SDL builds keep using it while the window lives
    Surface temps_fini_;
    Surface fini_;
    Surface fond_;
    Surface sprite_bidou_;
    Surface message_;
};

int Partie::jouer()
{
    // The font engine and the message font come before SDL.
    if (!moteur_polices_.demarrer())
        return echec("TTF_Init", TTF_GetError());
    police_.reset(TTF_OpenFont(FICHIER_POLICE, TAILLE_MESSAGE));
    if (!police_)
        return echec(FICHIER_POLICE, TTF_GetError());
    // Checked before SDL starts: the text-mode driver takes the terminal over as it
    // starts, and without TERM its terminal library ends the process on its own.
    if (!pilote_choisi() && !affichage_annonce())
        return echec("SDL_Init", "no graphical display: DISPLAY is not set");
    if (!video_.demarrer())
        return echec("SDL_Init", SDL_GetError());
    char pilote[32] = "";
    SDL_VideoDriverName(pilote, sizeof pilote);
    if (!pilote_choisi() && pilote_sans_image(pilote)) {
        // SDL gives the terminal back before the message is written.
        video_.arreter();
        return echec("SDL_Init", (std::string("no graphical display: SDL could only offer its '") + pilote +
                                  "' driver, which shows no pictures").c_str());
    }

    // SDL wants the icon before the video mode.
    icone_ = charger_image(image::ICONE);
    if (icone_)
        SDL_WM_SetIcon(icone_.get(), nullptr);
    ecran_ = SDL_SetVideoMode(LARGEUR_ECRAN, HAUTEUR_ECRAN, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (!ecran_)
        return echec("SDL_SetVideoMode", SDL_GetError());
    remplir(255, 255, 255);
    SDL_WM_SetCaption("Grignotin", nullptr);

    fondu_intro();
    remplir(255, 255, 128);
    lire_niveau(niveau_);
    fondu_difficulte();
    choisir_piste();

    // Shown however the choice ended, Escape and the window's close included.
    fond_ = au_format_ecran(charger_image(image::FOND));
    coller(ecran_, fond_.get(), position_fond_.x, position_fond_.y);
    plateforme_.presenter(ecran_);

    while (niveau_ <= NIVEAU_FINI - 1 && continuer_)
        jouer_niveau();
    // With `continuer_` still set, the loop ended because every level is passed.
    if (continuer_)
        ecran_de_fin();
    return 0;
}

void Partie::fondu_intro()
{
    const Surface debut1 = charger_image(image::DEBUT1);
    coller(ecran_, debut1.get(), 0, 0);
    // Converted once, so that each of the 241 frames blends pixels of the screen's own format.
    const Surface debut2 = pour_fondu(charger_image_cle(image::DEBUT2));
    // The screen is not cleared between frames: each one blends over the last, so the
    // second picture settles in well before its alpha reaches 240.
    for (int alpha = 0; alpha <= ALPHA_FIN_INTRO; ++alpha) {
        fondre(ecran_, debut2.get(), static_cast<Uint8>(alpha));
        plateforme_.presenter(ecran_);
        plateforme_.attendre(PAUSE_INTRO);
    }
}

void Partie::fondu_difficulte()
{
    const Surface difficulte = pour_fondu(charger_image(image::DIFFICULTE));
    Cadence cadence(plateforme_, PERIODE_FONDU_DIFFICULTE);
    for (int alpha = 0; alpha <= 255; ++alpha) {
        cadence.attendre_image();
        fondre(ecran_, difficulte.get(), static_cast<Uint8>(alpha));
        plateforme_.presenter(ecran_);
    }
}

void Partie::choisir_piste()
{
    for (;;) {
        SDL_Event e;
        plateforme_.attendre_evenement(e);
        if (touche_enfoncee(e, SDLK_ESCAPE) || e.type == SDL_QUIT) {
            continuer_ = false;
            return;
        }
        const int piste = piste_choisie(e);
        if (piste < 0)
            continue;
        // Choosing the track that holds the stored level resumes there; any other track
        // starts at its first level. A stored finished game stays finished only under 3.
        switch (piste) {
        case 0:
            if (niveau_ > NIVEAU_DEBUT_MOYEN - 1)
                niveau_ = NIVEAU_DEBUT_FACILE;
            break;
        case 1:
            if (niveau_ < NIVEAU_DEBUT_MOYEN || niveau_ > NIVEAU_DEBUT_DIFFICILE - 1)
                niveau_ = NIVEAU_DEBUT_MOYEN;
            break;
        default:
            if (niveau_ < NIVEAU_DEBUT_DIFFICILE)
                niveau_ = NIVEAU_DEBUT_DIFFICILE;
            break;
        }
        difficulte_ = piste;
        return;
    }
}

void Partie::jouer_niveau()
{
    continuer_niveau_ = true;
    reste_ = SECONDES_PAR_NIVEAU;
    sprite_bidou_ = charger_image_cle(image::BIDOU);
    coller(ecran_, sprite_bidou_.get(), position_bidou_.x, position_bidou_.y);
    remplir_tableau(tableau_);
    afficher_aliment(ecran_, tableau_, niveau_);
    temps_fini_ = charger_image(image::TEMPS_FINI);
    plateau_perime_ = true;  // the set-up draws but does not present: the first pass does

    while (continuer_niveau_)
        passe();

    // The file, not memory, decides which level follows: the one the verdict saved,
    // the same one after s, or whatever it held before a time-up. When the file could
    // not take the last save (read-only directory, full disk), the level that save meant
    // to store follows instead: the file still holds an older level, and a child who won
    // would play the same level again for ever.
    if (niveau_non_sauve_)
        niveau_ = *niveau_non_sauve_;
    else
        lire_niveau(niveau_);
    message_ = rendre_message(" ");
    verdict_en_attente_ = true;
}

void Partie::passe()
{
    const std::uint32_t debut = plateforme_.ticks();
    plateau_perime_ |= decompter();
    // Each event is handled once. Handling the last event again while the queue is
    // empty would replay a stale click into the next level, or a held s level after level.
    SDL_Event e;
    const bool evenement = plateforme_.sonder_evenement(e);
    if (evenement)
        plateau_perime_ |= traiter(e);
    if (tous_choisi(tableau_, niveau_) && verdict_en_attente_) {
        juger();
        plateau_perime_ = true;
    }
    plateau_perime_ |= fin_de_piste_eventuelle();
    // Deliberately, the board is redrawn only when something on it changed: a countdown
    // step, a click that sorted or moved a food, a screen that closed over it, the
    // verdict, or a new level. A pass with nothing new (no event, a mouse motion, a
    // release, a key that does nothing) draws nothing, so a level at rest or under a
    // moving pointer costs next to nothing. A key that ends the level draws nothing
    // either: the next level's first pass does.
    if (plateau_perime_ && continuer_niveau_) {
        redessiner();
        plateau_perime_ = false;
    }
    if (!evenement && continuer_niveau_)
        reposer(debut);
}

void Partie::reposer(std::uint32_t debut_passe)
{
    // A deliberate rest the loop was not written with (see PERIODE_SONDAGE): until one
    // poll period after the pass began, but never past the moment the countdown's next
    // step is due, so that each second still ends on time.
    std::uint32_t echeance = debut_passe + PERIODE_SONDAGE;
    const std::uint32_t prochain_tic = dernier_tic_ + DUREE_SECONDE;
    if (!tous_choisi(tableau_, niveau_) && static_cast<std::int32_t>(echeance - prochain_tic) > 0)
        echeance = prochain_tic;
    plateforme_.attendre_jusqua(echeance);
}

// Takes a countdown step when one is due; true when it did.
bool Partie::decompter()
{
    if (tous_choisi(tableau_, niveau_))
        return false;
    const std::uint32_t maintenant = plateforme_.ticks();
    const auto retard = static_cast<std::int32_t>(maintenant - (dernier_tic_ + DUREE_SECONDE));
    if (retard < 0)
        return false;
    // dernier_tic is not reset per level, so a level's first pass usually finds a step
    // long overdue and takes it at once: the first level shows 29 seconds from the start.
    dernier_tic_ = retard > static_cast<std::int32_t>(RETARD_MAXIMAL) ? maintenant : dernier_tic_ + DUREE_SECONDE;
    --reste_;
    afficher_score(ecran_, tableau_, niveau_, reste_, plateforme_);
    if (reste_ == 0)
        temps_ecoule();
    return true;
}

// After a wait that held the whole game (pause, rules, walk, track-end picture, time-up),
// the countdown goes on from now: a step that fell due meanwhile is taken by the next
// pass, and the one after it a second later, so such a wait costs at most one step.
void Partie::reprendre_decompte()
{
    const std::uint32_t maintenant = plateforme_.ticks();
    if (static_cast<std::int32_t>(maintenant - (dernier_tic_ + DUREE_SECONDE)) > 0)
        dernier_tic_ = maintenant - DUREE_SECONDE;
}

void Partie::temps_ecoule()
{
    coller(ecran_, temps_fini_.get(), 0, 0);
    plateforme_.presenter(ecran_);
    // Only r leaves this screen: Escape and the window's close are dropped on purpose
    // so that a child's stray key does not end the game here. Nothing is saved: the
    // next level is whatever the file holds.
    for (;;) {
        SDL_Event e;
        plateforme_.attendre_evenement(e);
        if (touche_enfoncee(e, SDLK_r)) {
            continuer_niveau_ = false;
            reprendre_decompte();
            return;
        }
    }
}

// Handles one event; true when the board must be drawn again.
bool Partie::traiter(const SDL_Event& e)
{
    switch (e.type) {
    case SDL_MOUSEBUTTONDOWN:
        return cliquer(e.button);
    case SDL_QUIT:
        continuer_niveau_ = false;
        continuer_ = false;
        break;
    case SDL_KEYDOWN:
        switch (e.key.keysym.sym) {
        case SDLK_p:
            pause(ecran_, plateforme_);
            reprendre_decompte();
            return true;
        case SDLK_r:
            regle_jeu(ecran_, plateforme_);
            reprendre_decompte();
            return true;
        case SDLK_s:
            continuer_niveau_ = false;
            // Once all five are sorted the verdict has saved already.
            if (!tous_choisi(tableau_, niveau_))
                sauver(niveau_);
            break;
        case SDLK_ESCAPE:
            continuer_niveau_ = false;
            continuer_ = false;
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return false;
}

// True when the click sorted a food or moved one between bowl and bin.
bool Partie::cliquer(const SDL_MouseButtonEvent& b)
{
    if (b.x < X_ALIMENT || b.x > X_ALIMENT + LARGEUR_ALIMENT - 1)
        return false;
    for (std::int32_t r = 0; r < ALIMENTS_PAR_NIVEAU; ++r) {
        // 81 px a row, with gaps of 19 px in which nothing happens.
        if (b.y > Y_ALIMENT_0 - 1 + HAUTEUR_RANGEE * r && b.y <= Y_ALIMENT_0 + HAUTEUR_ALIMENT - 1 + HAUTEUR_RANGEE * r) {
            // A sorted food may change sides, even after the verdict: the board and the
            // score follow, but the verdict and the file stay as they were.
            std::int32_t& choix = tableau_[LIGNE_CHOIX + niveau_ + r];
            const std::int32_t avant = choix;
            if (b.button == SDL_BUTTON_LEFT)
                choix = CHOIX_GAMELLE;
            else if (b.button == SDL_BUTTON_RIGHT)
                choix = CHOIX_POUBELLE;
            return choix != avant;
        }
    }
    return false;
}

void Partie::juger()
{
    deplacer_bidou(ecran_, sprite_bidou_.get(), tableau_, fond_.get(), position_fond_, position_bidou_, niveau_,
                   plateforme_);
    reprendre_decompte();
    verdict_en_attente_ = false;
    if (resultat(tableau_, niveau_) == ALIMENTS_PAR_NIVEAU) {
        sprite_bidou_ = charger_image(image::BIDOU_GROS);
        message_ = rendre_message(MESSAGE_GAGNE);
        // The last level of the easy or the medium track.
        if (niveau_ == NIVEAU_DEBUT_MOYEN - ALIMENTS_PAR_NIVEAU ||
            niveau_ == NIVEAU_DEBUT_DIFFICILE - ALIMENTS_PAR_NIVEAU)
            fin_de_piste_ = true;
        sauver(niveau_ + ALIMENTS_PAR_NIVEAU);
    } else {
        sprite_bidou_ = charger_image(image::CERCUEIL);
        message_ = rendre_message(MESSAGE_PERDU);
        sauver(niveau_);
    }
    coller(ecran_, message_.get(), X_MESSAGE, Y_MESSAGE);
    poser_cle_bleue(sprite_bidou_.get());
}

// True when it showed the track-end picture.
bool Partie::fin_de_piste_eventuelle()
{
    // The flag is set at the end of a track but `niveau_` moves only between levels,
    // so the picture comes early in the next track's first level, and never to a
    // player who chose that track.
    if (!fin_de_piste_ || !((niveau_ == NIVEAU_DEBUT_MOYEN && difficulte_ != 1) ||
                            (niveau_ == NIVEAU_DEBUT_DIFFICILE && difficulte_ != 2)))
        return false;
    fin_de_piste_ = false;
    const Surface image = charger_image(image::PSEUDO_FIN);
    coller(ecran_, image.get(), 0, 0);
    plateforme_.presenter(ecran_);
    plateforme_.attendre(DUREE_FIN_DE_PISTE);
    reprendre_decompte();
    return true;
}

void Partie::redessiner()
{
    afficher_score(ecran_, tableau_, niveau_, reste_, plateforme_);
    coller(ecran_, fond_.get(), position_fond_.x, position_fond_.y);
    coller(ecran_, message_.get(), X_MESSAGE, Y_MESSAGE);
    coller(ecran_, sprite_bidou_.get(), position_bidou_.x, position_bidou_.y);
    afficher_aliment(ecran_, tableau_, niveau_);
    afficher_gamelle_poubelle(ecran_, tableau_, niveau_, plateforme_);
    plateforme_.presenter(ecran_);
}

void Partie::ecran_de_fin()
{
    // The last board stays until the first event of any kind brings the end picture.
    for (bool encore = true; encore;) {
        SDL_Event e;
        plateforme_.attendre_evenement(e);
        encore = !(touche_enfoncee(e, SDLK_ESCAPE) || e.type == SDL_QUIT);
        if (!fini_)
            fini_ = charger_image(image::FINI);
        coller(ecran_, fini_.get(), 0, 0);
        plateforme_.presenter(ecran_);
    }
}

void Partie::sauver(std::int32_t valeur)
{
    const std::error_code erreur = ecrire_niveau(valeur);
    // Kept until a save succeeds: a later level that saves nothing (a time-up) then
    // follows this value, as it would have followed the file had the save worked.
    niveau_non_sauve_ = erreur ? std::optional<std::int32_t>(valeur) : std::nullopt;
    // Once per run: the game goes on, and the old progress is still in the file.
    if (erreur && !sauvegarde_signalee_) {
        std::fprintf(stderr, "grignotin: cannot save progress in %s: %s\n", FICHIER_NIVEAU,
                     erreur.message().c_str());
        sauvegarde_signalee_ = true;
    }
}

}  // namespace

int jouer(Plateforme& plateforme)
{
    oublier_images_signalees();
    Partie partie(plateforme);
    return partie.jouer();
}

extern "C" int SDL_main(int, char*[])
{
    try {
        PlateformeSdl plateforme;
        return jouer(plateforme);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "grignotin: %s\n", e.what());
        return 1;
    }
}
