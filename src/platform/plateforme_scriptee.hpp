// A Plateforme for tests and benchmarks: scripted events and a virtual clock.
//
// Each scripted event comes a given number of virtual milliseconds after the previous
// one was taken, the way a player acts some time after the last thing they did. The
// clock moves only when the game waits (attendre, attendre_jusqua, which goes exactly
// to its deadline), when it polls and nothing is due yet (by at most `pas_inactif`, what
// a pass that draws nothing costs), and by `cout_image` per presented frame. It counts
// microseconds, so that passes cheaper than a millisecond add up as they do on a real
// machine; the game reads it in whole milliseconds, as SDL's. A wait on an empty script,
// or a clock past `limite`, throws ScriptEpuise: a game that would hang for ever under
// SDL's dummy driver fails the test instead.
//
// The scripted player waits to see the screen: an event that falls due while the game
// holds a wait whose input it then drops (ecarter_saisies: the intro, the walk...) is
// kept, and taken right after, as a child who watches Bidou walk and then clicks. The
// events scripted after impatient() are pressed regardless, as a child who clicks on
// through the walk: the game drops those that are due when its wait ends. A wait that
// reads its queue as it plays (the difficulty fade) takes patient and impatient events
// alike as they fall due: a key kept from the intro is taken by the fade, and a key that
// chooses ends it there.
#pragma once

#include "plateforme.hpp"

#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

struct ScriptEpuise : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class PlateformeScriptee final : public Plateforme {
public:
    // A pass of the level loop that draws nothing takes some 20 microseconds on today's
    // machines; a test that wants slow passes says so (std::chrono::milliseconds(60)).
    std::chrono::microseconds pas_inactif{20};
    std::uint32_t cout_image = 0;           // ms
    std::uint32_t limite = 4 * 3600 * 1000;  // ms
    // What the game's clock reads when the script starts (ms). SDL's wraps to 0 after 49
    // days; a test starts it just short of that to play a game across the wrap. Everything
    // the platform reports (maintenant, prises, echeances...) counts from the start
    // instead, so that a test reads the same times wherever the game's clock began.
    std::uint32_t origine = 0;
    // What tactile() answers: a touch screen's pictures instead of the desktop's.
    bool ecran_tactile = false;
    // What muet_au_depart() answers: a mute kept from an earlier run.
    bool muet_garde = false;

    // The next events come `ms` after the previous one was taken.
    PlateformeScriptee& apres(std::uint32_t ms);
    PlateformeScriptee& touche(SDLKey sym);           // key-down then key-up
    PlateformeScriptee& touche_enfoncee(SDLKey sym);  // key-down alone (a held key)
    PlateformeScriptee& relachement(SDLKey sym);
    PlateformeScriptee& clic(int x, int y, std::uint8_t bouton);  // button down then up
    PlateformeScriptee& mouvement(int x, int y);
    PlateformeScriptee& fermeture();  // the window's close button
    PlateformeScriptee& demande_de_pause();  // the page hidden, or the parents' note opened
    PlateformeScriptee& evenement(const SDL_Event& e);
    // The events scripted from now on are pressed without waiting for the screen (and
    // dropped when they fall in a wait), until patient().
    PlateformeScriptee& impatient();
    PlateformeScriptee& patient();

    // Called with the screen on every presented frame, with the frame's number from 1.
    std::function<void(SDL_Surface*, std::size_t)> sur_image;

    std::size_t images() const { return images_; }
    // The time since the start, in ms; the game reads origine + maintenant().
    std::uint32_t maintenant() const { return static_cast<std::uint32_t>(maintenant_us_ / 1000); }
    std::size_t restants() const { return file_.size(); }
    // Every attendre() the game made, in order (ms).
    const std::vector<std::uint32_t>& attentes() const { return attentes_; }
    // Every attendre_jusqua() the game made, in order: the time when it was called and
    // the deadline asked for, both from the start (`jusqua` at or before `depuis` when it
    // had passed already).
    struct Echeance {
        std::uint32_t depuis, jusqua;
    };
    const std::vector<Echeance>& echeances() const { return echeances_; }
    // The clock at which the game took each event, in script order.
    const std::vector<std::uint32_t>& prises() const { return prises_; }
    // The clock at each poll (sonder_evenement), whether it found an event or not.
    const std::vector<std::uint32_t>& sondages() const { return sondages_; }
    // How many events the game dropped, and the clock at each ecarter_saisies call.
    std::size_t ecartes() const { return ecartes_; }
    const std::vector<std::uint32_t>& ecartements() const { return ecartements_; }

    // What the child heard: every jouer_son, with the moment it was asked (ms from the
    // start, as maintenant()), and the moments of every faire_taire.
    struct Son {
        std::uint32_t quand;
        std::string nom;
    };
    const std::vector<Son>& sons() const { return sons_; }
    const std::vector<std::uint32_t>& silences() const { return silences_; }
    // Every son_coupe, in order: the child's mutes (true) and unmutes.
    const std::vector<bool>& coupures() const { return coupures_; }

    std::uint32_t ticks() override;
    void attendre(std::uint32_t ms) override;
    void attendre_jusqua(std::uint32_t echeance) override;
    void attendre_evenement(SDL_Event& evenement) override;
    bool sonder_evenement(SDL_Event& evenement) override;
    Ecartees ecarter_saisies() override;
    void presenter(SDL_Surface* ecran) override;
    void jouer_son(const char* nom) override { sons_.push_back({maintenant(), nom}); }
    void faire_taire() override { silences_.push_back(maintenant()); }
    bool tactile() override { return ecran_tactile; }
    void son_coupe(bool muet) override { coupures_.push_back(muet); }
    bool muet_au_depart() override { return muet_garde; }

private:
    struct Prevu {
        std::uint32_t delai;
        SDL_Event evenement;
        bool impatient;
    };
    void avancer_us(std::uint64_t us);
    void avancer(std::uint32_t ms) { avancer_us(std::uint64_t{ms} * 1000); }
    // When the next scripted event is due, in us.
    std::uint64_t echeance_us() const { return dernier_pris_us_ + std::uint64_t{file_.front().delai} * 1000; }
    SDL_Event prendre();

    std::deque<Prevu> file_;
    std::uint32_t delai_suivant_ = 0;
    bool impatient_ = false;
    std::uint64_t maintenant_us_ = 0;
    std::uint64_t dernier_pris_us_ = 0;
    std::size_t images_ = 0;
    std::vector<std::uint32_t> attentes_;
    std::vector<Echeance> echeances_;
    std::vector<std::uint32_t> prises_;
    std::vector<std::uint32_t> sondages_;
    std::size_t ecartes_ = 0;
    std::vector<std::uint32_t> ecartements_;
    std::vector<Son> sons_;
    std::vector<std::uint32_t> silences_;
    std::vector<bool> coupures_;
};
