#include "son_sdl.hpp"

#include <SDL.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <utility>

#include "flow/sons.hpp"
#include "platform/plateforme.hpp"

namespace {
constexpr int VOIX = 0;  // the voice's channel, kept out of Mix_PlayChannel(-1)'s choice
constexpr int CANAUX = 8;

// Standard error sent to /dev/null while it lives. Opening the device, SDL tries its
// drivers in turn, and ALSA's library writes eight lines of its own to standard error on
// a machine with no sound card (a school computer, a virtual X server) before SDL says it
// found none: the game's one line says it instead, in the game's words.
class ErreursTues {
public:
    ErreursTues()
    {
        std::fflush(stderr);
        sauve_ = ::dup(STDERR_FILENO);
        const int nul = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (sauve_ >= 0 && nul >= 0)
            ::dup2(nul, STDERR_FILENO);
        if (nul >= 0)
            ::close(nul);
    }
    ~ErreursTues()
    {
        std::fflush(stderr);
        if (sauve_ >= 0) {
            ::dup2(sauve_, STDERR_FILENO);
            ::close(sauve_);
        }
    }
    ErreursTues(const ErreursTues&) = delete;
    ErreursTues& operator=(const ErreursTues&) = delete;

private:
    int sauve_ = -1;
};

bool ouvrir_peripherique()
{
    const ErreursTues silence;
    // The clips' own rate, mono: no resampling, and 1024 samples (46 ms) between a
    // click and its crunch.
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(22050, AUDIO_S16SYS, 1, 1024) == 0;
}
}  // namespace

Mixeur::Mixeur(std::string dossier) : dossier_(std::move(dossier)) {}

Mixeur::~Mixeur()
{
    clips_.clear();
    fermer();
}

bool Mixeur::ouvrir()
{
    if (ouvert_)
        return true;
    if (sans_son_)
        return false;
    if (!ouvrir_peripherique()) {
        std::fprintf(stderr, "grignotin: no sound (%s); the game plays silently\n", SDL_GetError());
        if (SDL_WasInit(SDL_INIT_AUDIO))
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        sans_son_ = true;
        return false;
    }
    ouvert_ = true;
    Mix_AllocateChannels(CANAUX);
    Mix_ReserveChannels(1);
    Mix_Volume(-1, static_cast<int>(MIX_MAX_VOLUME * son::GAIN_DE_LECTURE));
    int frequence = 0, canaux = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequence, &format, &canaux);
    // Clips are converted to the device's format as they load: a device reopened in
    // another format needs them loaded again.
    if (frequence != frequence_ || format != format_ || canaux != canaux_) {
        clips_.clear();
        frequence_ = frequence, format_ = format, canaux_ = canaux;
    }
    return true;
}

void Mixeur::fermer()
{
    if (!ouvert_)
        return;
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    // SDL_Quit may have closed it first, at the end of the game.
    if (SDL_WasInit(SDL_INIT_AUDIO))
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    ouvert_ = false;
}

Mix_Chunk* Mixeur::clip(const std::string& nom)
{
    if (auto trouve = clips_.find(nom); trouve != clips_.end())
        return trouve->second.get();
    if (illisibles_.contains(nom))
        return nullptr;
    const std::string chemin = dossier_ + "/" + nom + ".ogg";
    Mix_Chunk* c = Mix_LoadWAV(chemin.c_str());
    if (!c) {
        std::fprintf(stderr, "grignotin: %s: %s; skipped\n", chemin.c_str(), Mix_GetError());
        illisibles_.insert(nom);
        return nullptr;
    }
    clips_[nom].reset(c);
    return c;
}

void Mixeur::jouer(const char* nom)
{
    if (!ouvrir())
        return;
    dernier_son_ = SDL_GetTicks();
    Mix_Chunk* c = clip(nom);
    if (!c)
        return;
    if (son::est_voix(nom)) {
        Mix_HaltChannel(VOIX);
        Mix_PlayChannel(VOIX, c, 0);
    } else {
        Mix_PlayChannel(-1, c, 0);
    }
}

void Mixeur::taire()
{
    if (ouvert_)
        Mix_HaltChannel(VOIX);
}

void Mixeur::reposer(std::uint32_t maintenant)
{
    if (!ouvert_)
        return;
    if (Mix_Playing(-1) > 0) {
        dernier_son_ = maintenant;
        return;
    }
    if (ecart_ms(maintenant, dernier_son_) >= static_cast<std::int32_t>(REPIT_MS))
        fermer();
}
