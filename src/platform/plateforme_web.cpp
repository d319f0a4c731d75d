#include "plateforme_web.hpp"

#include <emscripten.h>

#include <algorithm>
#include <cstring>

#include "flow/sons.hpp"

namespace {

// A wait for input with no deadline of its own (the card screen, a pause, the rules, a
// time-up, the end screen) still wakes this often and looks at the queue: the wake
// itself costs next to nothing, and an event SDL might queue from a page event the list
// below does not name is then taken within a second rather than at the next tap.
constexpr int REVEIL_DE_SECOURS = 1000;  // ms
// A mouse press or move this soon after a finger touched or lifted is the browser's copy
// of that touch (the "compatibility" mouse events it makes for pages written for a
// mouse), not a second tap. SDL cancels them on the canvas, but a browser that sends them
// anyway must not sort a food twice; a real mouse beside a touch screen waits that long.
constexpr std::uint32_t COPIE_DE_TOUCHER = 800;  // ms

// The page (web/pre.js) keeps these: a test waits for the first frame, and the save is
// in the page's storage before the game goes on.
EM_JS(void, annoncer_premiere_image, (), { document.body.dataset.premiereImage = "oui"; });
EM_ASYNC_JS(void, garder_progression, (), { await Module.garder_progression(); });

// Sleeps `ms`, or until the child's next press, key or move, a change of the window, or
// a call of grignotin_pause (Module.grignotin_reveil), whichever comes first. Woken a
// turn after the page's event (setTimeout 0), once SDL's own listeners have queued it.
EM_ASYNC_JS(void, dormir_ou_saisie, (int ms), {
    await new Promise((reveil) => {
        const types = ["touchstart", "touchend", "touchcancel", "touchmove", "mousedown", "mouseup", "mousemove",
                       "wheel", "keydown", "keyup", "keypress", "focus", "blur", "resize", "visibilitychange"];
        let minuterie = 0;
        let fini = false;
        const fin = () => {
            if (fini) return;
            fini = true;
            clearTimeout(minuterie);
            for (const t of types) window.removeEventListener(t, saisie, true);
            if (Module.grignotin_reveil === fin) Module.grignotin_reveil = null;
            reveil();
        };
        const saisie = () => setTimeout(fin, 0);
        for (const t of types) window.addEventListener(t, saisie, true);
        Module.grignotin_reveil = fin;
        minuterie = setTimeout(fin, ms);
    });
});
// The game's wakes, counted where the page can read them (Module.grignotin_reveils): the
// browser test tells a resting screen from one that looks at its queue every few
// milliseconds by this count, which no machine's speed changes.
EM_JS(void, compter_reveil, (), { Module.grignotin_reveils = (Module.grignotin_reveils | 0) + 1; });

// Every sleep of the game: for `ms`, or until then or the next input.
void dormir(int ms, bool jusqua_saisie)
{
    if (jusqua_saisie)
        dormir_ou_saisie(ms);
    else
        emscripten_sleep(static_cast<unsigned>(ms));
    compter_reveil();
}

EM_JS(void, reveiller, (), {
    if (Module.grignotin_reveil) Module.grignotin_reveil();
});

// Another tab of the game took over (the page sets the flag and owns the promise, which
// may never resolve); read at every wait, for the cost of one property read.
EM_JS(int, partie_suspendue, (), { return Module.partie_suspendue ? 1 : 0; });
EM_ASYNC_JS(void, attendre_reprise, (), {
    if (typeof Module.suspendre === "function")
        await Module.suspendre();
    else
        await new Promise((reprise) => setTimeout(reprise, 1000));
});

// Puts the rectangle x, y, l x h of a frame of `largeur` x `hauteur` pixels (R, G, B and
// a byte SDL leaves unset, `pas` bytes a row) on the canvas, opaque. What SDL's own
// SDL_UpdateWindowSurface does for the whole frame, for the part that changed.
EM_JS(void, peindre, (const void* pixels, int pas, int largeur, int hauteur, int x, int y, int l, int h), {
    let p = Module.grignotin_peinture;
    if (!p || p.toile !== Module.canvas || p.largeur !== largeur || p.hauteur !== hauteur) {
        const contexte = Module.canvas.getContext("2d");
        const image = contexte.createImageData(largeur, hauteur);
        p = Module.grignotin_peinture = { toile: Module.canvas, contexte, image, largeur, hauteur,
                                          mots: new Uint32Array(image.data.buffer) };
    }
    const mots = p.mots;
    for (let r = y; r < y + h; ++r) {
        const source = ((pixels + r * pas) >> 2) + x;
        const cible = r * largeur + x;
        mots.set(HEAPU32.subarray(source, source + l), cible);
        for (let i = cible; i < cible + l; ++i) mots[i] |= 0xff000000;
    }
    p.contexte.putImageData(p.image, 0, 0, x, y, l, h);
});

// web/son.js keeps the clips, the voice's one channel and the wait for the first tap.
EM_JS(void, son_jouer, (const char* nom, int voix, float gain), {
    Module["grignotinSon"].jouer(UTF8ToString(nom), voix !== 0, gain);
});
EM_JS(void, son_taire, (), { Module["grignotinSon"].taire(); });
EM_JS(void, son_garder_muet, (int muet), { Module["grignotinSon"].garder_muet(muet !== 0); });
EM_JS(int, son_muet_garde, (), { return Module["grignotinSon"].muet_garde() ? 1 : 0; });

EM_JS(int, pointeur_grossier, (), {
    // The main pointer, not any pointer: a laptop with a touch screen, used with its
    // mouse, keeps the texts that name the mouse; a tablet says "touche".
    if (typeof matchMedia === "function") return matchMedia("(pointer: coarse)").matches ? 1 : 0;
    return navigator.maxTouchPoints > 0 ? 1 : 0;
});

// Whether two rows of `n` pixels are the same, eight bytes at a time: the C library's
// memcmp goes a byte at a time here, and a frame is 2.3 MB.
bool memes_pixels(const std::uint32_t* a, const std::uint32_t* b, std::size_t n)
{
    std::size_t i = 0;
    for (; i + 2 <= n; i += 2) {
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        std::memcpy(&x, a + i, sizeof x);
        std::memcpy(&y, b + i, sizeof y);
        if (x != y)
            return false;
    }
    return i == n || a[i] == b[i];
}

bool mouvement_ou_bouton(Uint32 type)
{
    return type == SDL_MOUSEMOTION || type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP;
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void grignotin_pause()
{
    if (SDL_WasInit(SDL_INIT_EVENTS) != 0) {
        SDL_Event demande{};
        demande.type = SDL_USEREVENT;
        demande.user.code = CODE_PAUSE_DEMANDEE;
        SDL_PushEvent(&demande);
    }
    reveiller();
}

PlateformeWeb::PlateformeWeb()
{
    // Set for each game, as SDL_Quit forgets its hints.
    //
    // SDL 2 would also hand the browser its turn on every frame it puts on the canvas:
    // a wait of at least 4 ms (the browser's shortest timer) each time, twice a step in
    // the walk, which then took 11 s instead of 7. The game's own waits are enough. The
    // same setting makes SDL_Delay spin instead of yield, so the waits below call
    // emscripten_sleep themselves.
    SDL_SetHint(SDL_HINT_EMSCRIPTEN_ASYNCIFY, "0");
    // Every finger counts, each once: SDL's own copy of a touch as a mouse follows the
    // first finger down alone (a thumb resting on the screen made every other tap
    // nothing), so fingers are taken here, each as a click (traduire), and SDL copies
    // neither way.
    SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "0");
    SDL_SetHint(SDL_HINT_MOUSE_TOUCH_EVENTS, "0");
    // SDL_PollEvent stops at a marker it leaves at the end of the queue, and a marker
    // left there by the poll that took the level's last tap made the drop after the walk
    // and the track-end picture stop at once, before what was tapped during them. This
    // platform reads the queue with SDL_PeepEvents, which takes markers out unseen; none
    // is left to stop anything.
    SDL_SetHint(SDL_HINT_POLL_SENTINEL, "0");
}

std::uint32_t PlateformeWeb::ticks() { return SDL_GetTicks(); }

void PlateformeWeb::attendre(std::uint32_t ms)
{
    montrer();
    tenir_si_suspendue();
    dormir(static_cast<int>(ms), false);
}

void PlateformeWeb::attendre_jusqua(std::uint32_t echeance)
{
    montrer();
    tenir_si_suspendue();
    // Even past the moment, the browser gets its turn: on a machine slower than the walk's
    // steps, the canvas would otherwise show nothing until the walk was over.
    const std::int32_t reste = ecart_ms(echeance, SDL_GetTicks());
    dormir(reste > 0 ? reste : 0, false);
}

void PlateformeWeb::reposer(std::uint32_t echeance, std::uint32_t au_plus_tard)
{
    // The desktop's level loop looks at its queue a hundred times a second, for taps it
    // has no other way to know of; a page is told of each as it comes, and rests until
    // the first one or the countdown's next step: a wake a second instead of a hundred.
    (void)echeance;
    montrer();
    tenir_si_suspendue();
    SDL_PumpEvents();
    if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
        return;
    const std::int32_t reste = ecart_ms(au_plus_tard, SDL_GetTicks());
    dormir(reste > 0 ? reste : 0, true);
}

void PlateformeWeb::attendre_evenement(SDL_Event& evenement)
{
    montrer();
    for (;;) {
        tenir_si_suspendue();
        if (prendre(evenement))
            return;
        dormir(REVEIL_DE_SECOURS, true);
    }
}

bool PlateformeWeb::sonder_evenement(SDL_Event& evenement) { return prendre(evenement); }

Plateforme::Ecartees PlateformeWeb::ecarter_saisies()
{
    // Everything goes, through SDL_PeepEvents (see the constructor on SDL_PollEvent's
    // marker). The page's pause request is said, not kept in the queue: the game decides
    // which screen it holds (the level after the walk or the track-end picture).
    SDL_PumpEvents();
    Ecartees vues;
    for (SDL_Event evenement; SDL_PeepEvents(&evenement, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1;) {
        vues.quitter |= demande_de_quitter(evenement);
        vues.pause |= pause_demandee(evenement);
        // A browser's mouse copy of a touch dropped here may come after the drop.
        if (evenement.type == SDL_FINGERDOWN || evenement.type == SDL_FINGERUP)
            noter_doigt(evenement.tfinger);
    }
    return vues;
}

bool PlateformeWeb::prendre(SDL_Event& evenement)
{
    SDL_PumpEvents();
    while (SDL_PeepEvents(&evenement, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) {
        if (traduire(evenement))
            return true;
    }
    return false;
}

bool PlateformeWeb::traduire(SDL_Event& evenement)
{
    const Uint32 type = evenement.type;
    if (type == SDL_FINGERDOWN || type == SDL_FINGERUP || type == SDL_FINGERMOTION) {
        const SDL_TouchFingerEvent doigt = evenement.tfinger;
        if (doigt.touchId == SDL_MOUSE_TOUCHID)
            return false;
        noter_doigt(doigt);
        // The game reads presses and releases; a finger sliding over the board does
        // nothing, as a mouse moving over it does nothing.
        if (type == SDL_FINGERMOTION)
            return false;
        SDL_Window* fenetre = SDL_GetWindowFromID(doigt.windowID);
        if (!fenetre)
            return false;
        // SDL gives the finger's place as a share of the canvas as the page shows it;
        // the game's pixels are the window's.
        int largeur = 0;
        int hauteur = 0;
        SDL_GetWindowSize(fenetre, &largeur, &hauteur);
        if (largeur <= 0 || hauteur <= 0)
            return false;
        const bool pose = type == SDL_FINGERDOWN;
        evenement = SDL_Event{};
        SDL_MouseButtonEvent& clic = evenement.button;
        clic.type = pose ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        clic.timestamp = doigt.timestamp;
        clic.windowID = doigt.windowID;
        clic.which = SDL_TOUCH_MOUSEID;
        clic.button = SDL_BUTTON_LEFT;
        clic.state = pose ? SDL_PRESSED : SDL_RELEASED;
        clic.clicks = 1;
        clic.x = std::clamp(static_cast<int>(doigt.x * static_cast<float>(largeur)), 0, largeur - 1);
        clic.y = std::clamp(static_cast<int>(doigt.y * static_cast<float>(hauteur)), 0, hauteur - 1);
        return true;
    }
    if (mouvement_ou_bouton(type)) {
        // SDL's own copy of a touch (off, see the constructor), and the browser's.
        const std::uint32_t quand = evenement.common.timestamp;
        if (evenement.button.which == SDL_TOUCH_MOUSEID ||
            (doigt_vu_ && ecart_ms(quand, dernier_doigt_) >= 0 &&
             ecart_ms(quand, dernier_doigt_) < static_cast<std::int32_t>(COPIE_DE_TOUCHER)))
            return false;
    }
    return true;
}

void PlateformeWeb::noter_doigt(const SDL_TouchFingerEvent& doigt)
{
    if (doigt.touchId == SDL_MOUSE_TOUCHID)
        return;
    doigt_vu_ = true;
    dernier_doigt_ = doigt.timestamp;
}

void PlateformeWeb::tenir_si_suspendue()
{
    if (partie_suspendue() == 0)
        return;
    do
        attendre_reprise();
    while (partie_suspendue() != 0);
    // What was tapped or pressed in this page meanwhile was meant for the page's own
    // message, not for the game. The window's close and the page's requests stay.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_KEYDOWN, SDL_MULTIGESTURE);
}

void PlateformeWeb::presenter(SDL_Surface* ecran) { a_montrer_ = ecran; }

void PlateformeWeb::montrer()
{
    if (!a_montrer_)
        return;
    SDL_Surface* const image = a_montrer_;
    a_montrer_ = nullptr;
    // A level redraws its whole board at each countdown step, for a few digits changed:
    // the canvas takes only the rectangle where this frame differs from the one it shows,
    // and nothing when none does (SDL would copy, and the browser paint, all 576 000
    // pixels every second).
    if (image->format->format == SDL_PIXELFORMAT_BGR888 && image->pitch % 4 == 0) {
        const int largeur = image->w;
        const int hauteur = image->h;
        const std::size_t mots_par_ligne = static_cast<std::size_t>(image->pitch) / 4;
        const auto* pixels = static_cast<const std::uint32_t*>(image->pixels);
        const auto ligne = [&](int y) { return pixels + static_cast<std::size_t>(y) * mots_par_ligne; };
        const auto vue = [&](int y) { return vu_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(largeur); };
        const auto l = static_cast<std::size_t>(largeur);
        int x0 = 0, x1 = largeur, y0 = 0, y1 = hauteur;  // [x0, x1) x [y0, y1)
        if (vu_.size() != static_cast<std::size_t>(largeur) * static_cast<std::size_t>(hauteur) || vu_largeur_ != largeur) {
            vu_.assign(static_cast<std::size_t>(largeur) * static_cast<std::size_t>(hauteur), 0);
            vu_largeur_ = largeur;
        } else {
            while (y0 < hauteur && memes_pixels(ligne(y0), vue(y0), l))
                ++y0;
            if (y0 == hauteur)
                return;  // the canvas shows this frame already
            while (memes_pixels(ligne(y1 - 1), vue(y1 - 1), l))
                --y1;
            x0 = largeur;
            x1 = 0;
            for (int y = y0; y < y1; ++y) {
                const std::uint32_t* a = ligne(y);
                const std::uint32_t* b = vue(y);
                int g = 0;
                while (g < x0 && a[g] == b[g])
                    ++g;
                x0 = g;
                int d = largeur;
                while (d > x1 && a[d - 1] == b[d - 1])
                    --d;
                x1 = d;
            }
        }
        for (int y = y0; y < y1; ++y)
            std::memcpy(vue(y) + x0, ligne(y) + x0, static_cast<std::size_t>(x1 - x0) * 4);
        peindre(image->pixels, image->pitch, largeur, hauteur, x0, y0, x1 - x0, y1 - y0);
    } else {
        SDL_Flip(image);
    }
    if (premiere_image_) {
        premiere_image_ = false;
        annoncer_premiere_image();
    }
}

void PlateformeWeb::progression_sauvee() { garder_progression(); }

void PlateformeWeb::jouer_son(const char* nom) { son_jouer(nom, son::est_voix(nom) ? 1 : 0, son::GAIN_DE_LECTURE); }

void PlateformeWeb::faire_taire() { son_taire(); }

void PlateformeWeb::son_coupe(bool muet) { son_garder_muet(muet ? 1 : 0); }

bool PlateformeWeb::muet_au_depart() { return son_muet_garde() != 0; }

bool PlateformeWeb::tactile() { return pointeur_grossier() != 0; }
