#include "plateforme_scriptee.hpp"

#include <algorithm>
#include <string>

PlateformeScriptee& PlateformeScriptee::apres(std::uint32_t ms)
{
    delai_suivant_ += ms;
    return *this;
}

PlateformeScriptee& PlateformeScriptee::evenement(const SDL_Event& e)
{
    file_.push_back({delai_suivant_, e, impatient_});
    delai_suivant_ = 0;
    return *this;
}

PlateformeScriptee& PlateformeScriptee::impatient()
{
    impatient_ = true;
    return *this;
}

PlateformeScriptee& PlateformeScriptee::patient()
{
    impatient_ = false;
    return *this;
}

namespace {
SDL_Event clavier(Uint8 type, SDLKey sym)
{
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = sym;
    return e;
}

SDL_Event souris(Uint8 type, int x, int y, std::uint8_t bouton)
{
    SDL_Event e{};
    e.type = type;
    e.button.type = type;
    e.button.button = bouton;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    return e;
}
}  // namespace

PlateformeScriptee& PlateformeScriptee::touche(SDLKey sym)
{
    return evenement(clavier(SDL_KEYDOWN, sym)).evenement(clavier(SDL_KEYUP, sym));
}

PlateformeScriptee& PlateformeScriptee::touche_enfoncee(SDLKey sym) { return evenement(clavier(SDL_KEYDOWN, sym)); }

PlateformeScriptee& PlateformeScriptee::relachement(SDLKey sym) { return evenement(clavier(SDL_KEYUP, sym)); }

PlateformeScriptee& PlateformeScriptee::clic(int x, int y, std::uint8_t bouton)
{
    return evenement(souris(SDL_MOUSEBUTTONDOWN, x, y, bouton)).evenement(souris(SDL_MOUSEBUTTONUP, x, y, bouton));
}

PlateformeScriptee& PlateformeScriptee::mouvement(int x, int y)
{
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    return evenement(e);
}

PlateformeScriptee& PlateformeScriptee::fermeture()
{
    SDL_Event e{};
    e.type = SDL_QUIT;
    return evenement(e);
}

PlateformeScriptee& PlateformeScriptee::demande_de_pause()
{
    SDL_Event e{};
    e.type = SDL_USEREVENT;
    e.user.type = SDL_USEREVENT;
    e.user.code = CODE_PAUSE_DEMANDEE;
    return evenement(e);
}

void PlateformeScriptee::avancer_us(std::uint64_t us)
{
    maintenant_us_ += us;
    if (maintenant() > limite)
        throw ScriptEpuise("virtual clock passed " + std::to_string(limite) + " ms with " +
                           std::to_string(file_.size()) + " scripted events left: the game never ended");
}

SDL_Event PlateformeScriptee::prendre()
{
    SDL_Event e = file_.front().evenement;
    file_.pop_front();
    dernier_pris_us_ = maintenant_us_;
    prises_.push_back(maintenant());
    return e;
}

std::uint32_t PlateformeScriptee::ticks() { return origine + maintenant(); }

void PlateformeScriptee::attendre(std::uint32_t ms)
{
    attentes_.push_back(ms);
    avancer(ms);
}

void PlateformeScriptee::attendre_jusqua(std::uint32_t echeance)
{
    echeances_.push_back({maintenant(), echeance - origine});
    // To the very start of the millisecond asked for, as SDL_Delay would wake.
    const std::int32_t reste = ecart_ms(echeance, ticks());
    if (reste > 0)
        avancer_us(std::uint64_t{static_cast<std::uint32_t>(reste)} * 1000 - maintenant_us_ % 1000);
}

void PlateformeScriptee::attendre_evenement(SDL_Event& evenement)
{
    if (file_.empty())
        throw ScriptEpuise("script exhausted at " + std::to_string(maintenant()) +
                           " ms: the game waits for an event that will never come");
    if (echeance_us() > maintenant_us_)
        avancer_us(echeance_us() - maintenant_us_);
    evenement = prendre();
}

bool PlateformeScriptee::sonder_evenement(SDL_Event& evenement)
{
    sondages_.push_back(maintenant());
    if (!file_.empty() && echeance_us() <= maintenant_us_) {
        evenement = prendre();
        return true;
    }
    const auto pas = static_cast<std::uint64_t>(pas_inactif.count());
    avancer_us(file_.empty() ? pas : std::min(pas, echeance_us() - maintenant_us_));
    return false;
}

Plateforme::Ecartees PlateformeScriptee::ecarter_saisies()
{
    ecartements_.push_back(maintenant());
    Ecartees vues;
    // Every event due now is looked at, in order: the impatient ones are dropped, the
    // patient ones kept, due at once, for the player who waited to act on the next screen.
    std::vector<Prevu> gardes;
    while (!file_.empty() && echeance_us() <= maintenant_us_) {
        Prevu prevu = file_.front();
        file_.pop_front();
        dernier_pris_us_ = maintenant_us_;
        if (prevu.impatient) {
            vues.quitter |= demande_de_quitter(prevu.evenement);
            vues.pause |= pause_demandee(prevu.evenement);
            ++ecartes_;
        } else {
            prevu.delai = 0;
            gardes.push_back(prevu);
        }
    }
    file_.insert(file_.begin(), gardes.begin(), gardes.end());
    return vues;
}

void PlateformeScriptee::presenter(SDL_Surface* ecran)
{
    ++images_;
    if (sur_image)
        sur_image(ecran, images_);
    avancer(cout_image);
}
