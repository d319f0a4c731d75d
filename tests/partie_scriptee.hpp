// Playing the real game flow in a test: a throw-away game directory, scripted input on
// a virtual clock, and ways to see what the frames showed.
#pragma once

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <utility>

#include "dossier_de_jeu.hpp"
#include "pixel_brut.hpp"
#include "draw/noms_images.hpp"
#include "draw/plateau.hpp"
#include "draw/ressources.hpp"
#include "flow/aliment.hpp"
#include "platform/plateforme_scriptee.hpp"
#include "rules/catalogue.hpp"

// Where a player clicks to sort the food of row k: well inside its band.
inline constexpr int X_CLIC = X_ALIMENT + 30;
inline int y_clic(int k) { return Y_ALIMENT_0 + 34 + HAUTEUR_RANGEE * k; }

// The clicks that sort the five foods of the level at `niveau` right (or all wrong).
inline PlateformeScriptee& trier(PlateformeScriptee& p, std::int32_t niveau, bool juste = true)
{
    for (int k = 0; k < 5; ++k) {
        const bool bon = catalogue_aliments[niveau + k].bon == ALIMENT_BON;
        p.clic(X_CLIC, y_clic(k), bon == juste ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT);
    }
    return p;
}

// Level 6 on the easy track through every screen it can show: pause, rules, a time-up,
// a lost walk, a won walk, then the track-end picture early in level 7, and Escape.
// Starts from a stored "25" and leaves "30"; only Escape's release is left unread.
inline PlateformeScriptee& tous_les_ecrans(PlateformeScriptee& p)
{
    p.touche(SDLK_KP1).apres(1000).touche(SDLK_p).apres(1000).touche(SDLK_p);
    p.apres(1000).touche_enfoncee(SDLK_r).mouvement(10, 10).touche(SDLK_j);
    // Time runs out; r goes on, and the pass that r ends still polls once.
    p.apres(60000).touche_enfoncee(SDLK_r).apres(500);
    trier(p, 25, false).apres(1000).touche(SDLK_s);
    trier(p, 25).apres(1000).touche(SDLK_s);
    // Level 7 opens with the track-end picture for twelve seconds.
    return p.apres(13000).touche(SDLK_ESCAPE);
}

// Level 19 won on the hard track, then the end picture and Escape. Starts from a stored
// "90" and leaves "95"; only Escape's release is left unread.
inline PlateformeScriptee& fin_du_jeu(PlateformeScriptee& p)
{
    p.touche(SDLK_KP3);
    return trier(p, 90).touche(SDLK_s).touche(SDLK_ESCAPE);
}

// A picture from the run directory, to look for on the screen.
class Photo {
public:
    explicit Photo(const char* chemin) : image_(IMG_Load((std::string(GRIGNOTIN_RUN_DIR) + "/" + chemin).c_str())) {}
    // A picture made by the test itself (pure blue still counts as the key).
    explicit Photo(Surface image) : image_(std::move(image)) {}
    explicit operator bool() const { return image_ != nullptr; }

    // True when nearly every opaque pixel of the picture stands on `ecran` with its
    // top-left corner at x, y (the few others may be covered by a neighbour).
    bool sur(SDL_Surface* ecran, int x, int y) const
    {
        if (!image_)
            return false;
        // About 1500 evenly spread samples; give up as soon as too many differ, since
        // this runs on every frame of a whole game.
        const int pas = std::max(1, static_cast<int>(std::sqrt(image_->w * image_->h / 1500.0)));
        const int permis = (image_->w / pas + 1) * (image_->h / pas + 1) * 3 / 100;
        int vus = 0, faux = 0;
        for (int j = 0; j < image_->h; j += pas)
            for (int i = 0; i < image_->w; i += pas) {
                Uint8 r, g, b;
                SDL_GetRGB(pixel_brut(image_.get(), i, j), image_->format, &r, &g, &b);
                if (r == 0 && g == 0 && b == 255)
                    continue;  // colour key
                const int ex = x + i, ey = y + j;
                if (ex < 0 || ey < 0 || ex >= ecran->w || ey >= ecran->h)
                    continue;
                ++vus;
                Uint8 er, eg, eb;
                SDL_GetRGB(pixel_brut(ecran, ex, ey), ecran->format, &er, &eg, &eb);
                if ((er != r || eg != g || eb != b) && ++faux > permis)
                    return false;
            }
        return vus > 0;
    }


private:
    Surface image_;
};

// What the board shows in one row.
enum class Rangee { Aliment, Gamelle, Poubelle, Autre };

inline Rangee etat_rangee(SDL_Surface* ecran, std::int32_t niveau, int k)
{
    static const Photo gamelle_pleine(image::GAMELLE_PLEINE), poubelle_pleine(image::POUBELLE_PLEINE);
    static std::map<std::int32_t, Photo> aliments;  // loaded once: this runs on every frame
    const Photo& aliment = aliments.try_emplace(niveau + k, std::string(catalogue_aliments[niveau + k].image).c_str())
                               .first->second;
    const int y = Y_RECIPIENT_0 + HAUTEUR_RANGEE * k;
    if (aliment.sur(ecran, X_ALIMENT, Y_ALIMENT_0 + HAUTEUR_RANGEE * k))
        return Rangee::Aliment;
    if (gamelle_pleine.sur(ecran, X_GAMELLE, y))
        return Rangee::Gamelle;
    if (poubelle_pleine.sur(ecran, X_POUBELLE, y))
        return Rangee::Poubelle;
    return Rangee::Autre;
}

using Plateau = std::array<Rangee, 5>;

inline Plateau etat_plateau(SDL_Surface* ecran, std::int32_t niveau)
{
    Plateau etat{};
    for (int k = 0; k < 5; ++k)
        etat[static_cast<std::size_t>(k)] = etat_rangee(ecran, niveau, k);
    return etat;
}

inline std::ostream& operator<<(std::ostream& os, Rangee r)
{
    return os << (r == Rangee::Aliment ? "food" : r == Rangee::Gamelle ? "bowl" : r == Rangee::Poubelle ? "bin" : "other");
}

// Whether a scripted game shows the real opening pictures (the intro and the choice
// screen) or one-pixel stand-ins for them.
enum class Accueil { Reel, Vide };

// One game in its own directory, played through the real flow. By default the three
// opening pictures are one-pixel stand-ins: the opening still presents its 497 frames on
// the same schedule, and every later screen is the real one, but a whole game no longer
// blends two full-screen pictures 497 times for a test that looks at the levels. The
// tests of the opening itself ask for Accueil::Reel.
struct Partie {
    DossierDeJeu dossier;
    PlateformeScriptee p;

    explicit Partie(Accueil accueil = Accueil::Vide)
    {
        if (accueil == Accueil::Vide)
            accueil_vide();
    }
    int jouer() { return ::jouer(p); }

private:
    void accueil_vide()
    {
        namespace fs = std::filesystem;
        const fs::path source = fs::path(GRIGNOTIN_RUN_DIR) / "photo", photo = dossier.chemin() / "photo";
        fs::remove(photo);
        fs::create_directory(photo);
        for (const auto& f : fs::directory_iterator(source))
            fs::create_symlink(f.path(), photo / f.path().filename());
        const Surface point{SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 24, 0xFF0000, 0xFF00, 0xFF, 0)};
        SDL_FillRect(point.get(), nullptr, 0xFFFFFF);
        for (const char* nom : {image::DEBUT1, image::DEBUT2, image::DIFFICULTE}) {
            fs::remove(dossier.chemin() / nom);
            SDL_SaveBMP(point.get(), (dossier.chemin() / nom).c_str());
        }
    }
};

