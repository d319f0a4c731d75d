// The desktop's sound: SDL_mixer 1.2, owned by one object, opened on the first clip asked
// and closed again once nothing has played for a while, so that no audio thread runs
// while the game is silent. One channel is the voice's (a new voice clip cuts the one
// playing); the sounds share the others.
#pragma once

#include <SDL_mixer.h>

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>

class Mixeur {
public:
    // The clips are read from `dossier`/<nom>.ogg.
    explicit Mixeur(std::string dossier = "sons");
    ~Mixeur();
    Mixeur(const Mixeur&) = delete;
    Mixeur& operator=(const Mixeur&) = delete;

    // Plays `nom`: a voice clip (son::est_voix) on the voice's channel, cutting the one
    // there; a sound on a free channel. Without an audio device, or when the clip cannot
    // be read, nothing: one line on standard error for the device, once for the run, and
    // one per clip, once.
    void jouer(const char* nom);
    // Stops the voice.
    void taire();
    // True while the device is open: until REPIT_MS after the last clip ended.
    bool ouvert() const { return ouvert_; }
    // Called by the platform as it waits: closes the device once nothing has played for
    // REPIT_MS (`maintenant` on SDL's clock). A game that sorts a food every few seconds
    // keeps it open; one left alone gets its CPU back.
    void reposer(std::uint32_t maintenant);

    static constexpr std::uint32_t REPIT_MS = 3000;

private:
    struct Liberer {
        void operator()(Mix_Chunk* c) const { Mix_FreeChunk(c); }
    };
    bool ouvrir();
    void fermer();
    Mix_Chunk* clip(const std::string& nom);

    std::string dossier_;
    bool ouvert_ = false;
    bool sans_son_ = false;  // no device: said once, never tried again
    std::uint32_t dernier_son_ = 0;
    int frequence_ = 0;  // the format the clips were converted to, to know when to convert again
    Uint16 format_ = 0;
    int canaux_ = 0;
    std::map<std::string, std::unique_ptr<Mix_Chunk, Liberer>> clips_;
    std::set<std::string> illisibles_;  // missing or damaged: said once, then skipped
};
