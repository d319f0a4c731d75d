// A hostile machine and a restless player: a read-only directory, a full disk, and
// storms of events, played through the real game.
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "fermeture_polices.hpp"  // every game here also checks the shutdown order of fonts
#include "partie_scriptee.hpp"
#include "rules/niveau.hpp"

namespace fs = std::filesystem;

namespace {

long compter(const std::vector<std::uint32_t>& attentes, std::uint32_t ms)
{
    return std::count(attentes.begin(), attentes.end(), ms);
}

// A tmpfs of its own mounted inside the game directory, in a mount namespace private to
// this process, which becomes the working directory. Needs the right to mount (root);
// `raison` says why not otherwise. Unmounted when it goes, before the game directory.
class Montage {
public:
    Montage(const DossierDeJeu& dossier, const char* options) : dossier_(dossier), point_(dossier.chemin() / "monte")
    {
        static const bool espace_prive =
            ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        if (!espace_prive) {
            raison = std::string("no private mount namespace: ") + std::strerror(errno);
            return;
        }
        fs::create_directory(point_);
        if (::mount("grignotin", point_.c_str(), "tmpfs", 0, options) != 0) {
            raison = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
            return;
        }
        monte_ = true;
        fs::current_path(point_);
    }
    ~Montage()
    {
        if (!monte_)
            return;
        fs::current_path(dossier_.chemin());
        ::umount2(point_.c_str(), MNT_DETACH);
    }
    Montage(const Montage&) = delete;
    Montage& operator=(const Montage&) = delete;

    // The game's pictures and font linked in (before the mount is made read-only or full).
    void ressources() const
    {
        const fs::path source = GRIGNOTIN_RUN_DIR;
        fs::create_directory_symlink(source / "photo", point_ / "photo");
        fs::create_symlink(source / FICHIER_POLICE, point_ / FICHIER_POLICE);
    }
    bool lecture_seule() const
    {
        return ::mount(nullptr, point_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    // Fills what room is left; returns the error that stopped it.
    int remplir() const
    {
        std::FILE* f = std::fopen((point_ / "remplissage").c_str(), "wb");
        if (!f)
            return errno;
        const std::vector<char> bloc(4096, 'x');
        int erreur = 0;
        for (;;) {
            if (std::fwrite(bloc.data(), 1, bloc.size(), f) != bloc.size() || std::fflush(f) != 0) {
                erreur = errno;
                break;
            }
        }
        std::fclose(f);
        return erreur;
    }
    std::string niveau() const
    {
        std::ifstream f(point_ / FICHIER_NIVEAU, std::ios::binary);
        return f ? std::string{std::istreambuf_iterator<char>(f), {}} : "(none)";
    }
    void ecrire_niveau_tel_quel(const std::string& octets) const
    {
        std::ofstream(point_ / FICHIER_NIVEAU, std::ios::binary) << octets;
    }
    // Any file beside the level file named like one of its temporary files.
    bool reste_un_provisoire() const
    {
        for (const auto& entree : fs::directory_iterator(point_))
            if (entree.path().filename().string().rfind(std::string(FICHIER_NIVEAU) + ".", 0) == 0)
                return true;
        return false;
    }

    std::optional<std::string> raison;

private:
    const DossierDeJeu& dossier_;
    fs::path point_;
    bool monte_ = false;
};

// Which level's foods the board showed last, whole and untouched, while each checkpoint
// (a count of events taken) held: -1 when none of `niveaux` did. Pictures over the
// board (the time-up screen) leave the answer as it was.
class NiveauxMontres {
public:
    NiveauxMontres(PlateformeScriptee& p, std::vector<std::size_t> reperes, std::vector<std::int32_t> niveaux)
        : p_(p), total_(p.restants()), reperes_(std::move(reperes)), niveaux_(std::move(niveaux)),
          montres_(reperes_.size(), -1)
    {
        p_.sur_image = [this](SDL_Surface* ecran, std::size_t) {
            const std::size_t pris = total_ - p_.restants();
            for (std::size_t k = 0; k < reperes_.size(); ++k)
                if (pris == reperes_[k])
                    for (std::int32_t n : niveaux_)
                        if (etat_plateau(ecran, n) == Plateau{})
                            montres_[k] = n;
        };
    }
    const std::vector<std::int32_t>& montres() const { return montres_; }

private:
    PlateformeScriptee& p_;
    std::size_t total_;
    std::vector<std::size_t> reperes_;
    std::vector<std::int32_t> niveaux_;
    std::vector<std::int32_t> montres_;
};

}  // namespace

TEST(Environnement, DossierEnLectureSeuleLaPartieContinueUneLigneLeDit)
{
    DossierDeJeu dossier(false);
    Montage montage(dossier, "size=1m");
    if (montage.raison)
        GTEST_SKIP() << *montage.raison;
    montage.ressources();
    montage.ecrire_niveau_tel_quel("10");
    ASSERT_TRUE(montage.lecture_seule()) << std::strerror(errno);

    PlateformeScriptee p;
    std::vector<std::size_t> reperes;  // events scripted so far: taken by then, in the game
    // Level 3 won: the save of level 4 fails, and level 4 follows all the same. Its time
    // runs out: nothing is saved, and level 4 stays, as the file would have had it.
    // Lost (the save fails again), s: level 4 again. Then s on an unsorted board (a
    // third failed save): level 4 again, and Escape.
    p.touche(SDLK_KP1);
    trier(p, 10).apres(1000).touche(SDLK_s);
    reperes.push_back(p.restants());
    p.apres(60000).touche_enfoncee(SDLK_r);
    reperes.push_back(p.restants());
    p.apres(500);
    trier(p, 15, false).apres(1000).touche(SDLK_s);
    reperes.push_back(p.restants());
    p.apres(1000).touche(SDLK_s);
    reperes.push_back(p.restants());
    p.apres(1000).touche(SDLK_ESCAPE);
    const NiveauxMontres niveaux(p, reperes, {10, 15});
    testing::internal::CaptureStderr();
    EXPECT_EQ(jouer(p), 0);
    const std::string erreur = testing::internal::GetCapturedStderr();
    EXPECT_EQ(p.restants(), 1u);
    EXPECT_EQ(compter(p.attentes(), 700), 2 * 4) << "both levels walked";
    EXPECT_EQ(niveaux.montres(), (std::vector<std::int32_t>{15, 15, 15, 15}));
    EXPECT_EQ(std::count(erreur.begin(), erreur.end(), '\n'), 1) << erreur;
    EXPECT_EQ(erreur.rfind("grignotin: cannot save progress in niveau.lvl: ", 0), 0u) << erreur;
    EXPECT_NE(erreur.find("Read-only file system"), std::string::npos) << erreur;
    EXPECT_EQ(montage.niveau(), "10");
}

TEST(Environnement, DisquePleinPendantLEcritureLAncienneValeurReste)
{
    DossierDeJeu dossier(false);
    Montage montage(dossier, "size=64k");
    if (montage.raison)
        GTEST_SKIP() << *montage.raison;
    ASSERT_FALSE(ecrire_niveau(35));
    ASSERT_EQ(montage.remplir(), ENOSPC);
    const std::error_code erreur = ecrire_niveau(40);
    EXPECT_EQ(erreur, std::errc::no_space_on_device) << erreur.message();
    EXPECT_EQ(montage.niveau(), "35");
    EXPECT_FALSE(montage.reste_un_provisoire());
    std::int32_t niveau = 0;
    lire_niveau(niveau);
    EXPECT_EQ(niveau, 35);
}

TEST(Environnement, PlusDInodeLibreLAncienneValeurReste)
{
    DossierDeJeu dossier(false);
    // The root directory and the level file take the only two inodes.
    Montage montage(dossier, "size=64k,nr_inodes=2");
    if (montage.raison)
        GTEST_SKIP() << *montage.raison;
    ASSERT_FALSE(ecrire_niveau(35));
    // The temporary file took the second inode and gave it back at the rename: the
    // level file holds it now, so the next temporary file cannot be created.
    EXPECT_TRUE(ecrire_niveau(40));
    EXPECT_EQ(montage.niveau(), "35");
    EXPECT_FALSE(montage.reste_un_provisoire());
}

TEST(Environnement, DisquePleinPendantUnePartieLeVerdictNeDetruitRien)
{
    DossierDeJeu dossier(false);
    Montage montage(dossier, "size=256k");
    if (montage.raison)
        GTEST_SKIP() << *montage.raison;
    montage.ressources();
    montage.ecrire_niveau_tel_quel("10");
    ASSERT_EQ(montage.remplir(), ENOSPC);

    PlateformeScriptee p;
    p.touche(SDLK_KP1);
    trier(p, 10).apres(1000).touche(SDLK_s);
    const std::size_t apres_s = p.restants();
    p.apres(1000).touche(SDLK_ESCAPE);
    const NiveauxMontres niveaux(p, {apres_s}, {10, 15});
    testing::internal::CaptureStderr();
    EXPECT_EQ(jouer(p), 0);
    const std::string erreur = testing::internal::GetCapturedStderr();
    EXPECT_EQ(niveaux.montres(), std::vector<std::int32_t>{15}) << "level 3 won: level 4 follows";
    EXPECT_EQ(std::count(erreur.begin(), erreur.end(), '\n'), 1) << erreur;
    EXPECT_NE(erreur.find("cannot save progress in niveau.lvl: No space left on device"), std::string::npos) << erreur;
    EXPECT_EQ(montage.niveau(), "10");
    EXPECT_FALSE(montage.reste_un_provisoire());
}

TEST(Tempete, MilliersDeMouvementsSurLesRegles)
{
    // Every event redraws the rules, mouse motion included: a child waving the mouse
    // costs frames, and the game must come out of it as it went in.
    constexpr std::size_t MOUVEMENTS = 2000;
    Partie partie;
    partie.p.touche(SDLK_KP1).apres(500).touche_enfoncee(SDLK_r);
    const std::size_t r_pris = partie.p.restants();  // events taken once r is
    for (std::size_t i = 0; i < MOUVEMENTS; ++i)
        partie.p.mouvement(static_cast<int>(i % 900), static_cast<int>((i * 7) % 640));
    partie.p.touche_enfoncee(SDLK_j);
    const std::size_t j_pris = partie.p.restants();
    trier(partie.p, 0).apres(1000).touche(SDLK_s).apres(1000).touche(SDLK_ESCAPE);

    const std::size_t total = partie.p.restants();
    const Photo regle(image::REGLE);
    std::size_t images_pendant = 0, images_regles = 0;
    Plateau apres_j{Rangee::Autre, Rangee::Autre, Rangee::Autre, Rangee::Autre, Rangee::Autre};
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        const std::size_t pris = total - partie.p.restants();
        if (pris >= r_pris && pris < j_pris) {
            ++images_pendant;
            images_regles += regle.sur(ecran, 0, 0);
        }
        if (pris == j_pris)  // the last frame of the pass that took j: the board again
            apres_j = etat_plateau(ecran, 0);
    };
    EXPECT_EQ(partie.jouer(), 0);
    // Drawn when it opens, then once after each motion; j closes it without a frame.
    EXPECT_EQ(images_pendant, MOUVEMENTS + 1);
    EXPECT_EQ(images_regles, MOUVEMENTS + 1);
    EXPECT_EQ(apres_j, Plateau{}) << "every food back in its row";
    EXPECT_EQ(partie.p.restants(), 1u);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "5") << "level 1 sorted after the storm";
}

TEST(Tempete, FileCombleePendantLaMarcheEcartee)
{
    // While Bidou walks the game reads no event: what the player does meanwhile, as many
    // as SDL 1.2 holds (127), clicks that would move sorted foods and s among them, is
    // dropped when the walk ends. The verdict's board stays as the child left it.
    Partie partie;
    partie.p.touche(SDLK_KP1);
    trier(partie.p, 0);  // bin, bowl, bowl, bowl, bin: the walk starts with the fifth press
    const std::size_t avant_marche = partie.p.restants() - 1;  // the fifth release waits too
    partie.p.impatient();
    for (int i = 0; i < 40; ++i)
        partie.p.mouvement(600 + i, 300);
    partie.p.clic(X_CLIC, y_clic(0), SDL_BUTTON_LEFT);  // row 1 would change sides
    for (int i = 0; i < 40; ++i)
        partie.p.mouvement(600, 300 + i);
    partie.p.clic(X_CLIC, y_clic(1), SDL_BUTTON_RIGHT);  // row 2 would go to the bin
    for (int i = 0; i < 39; ++i)
        partie.p.mouvement(640 - i, 340);
    partie.p.clic(X_CLIC, y_clic(0), SDL_BUTTON_RIGHT);
    partie.p.touche_enfoncee(SDLK_s);
    EXPECT_EQ(partie.p.restants() - avant_marche, 127u);
    const std::size_t apres_marche = partie.p.restants();
    // Then, once the verdict shows, s to level 2, played as usual.
    partie.p.patient().apres(1000).touche(SDLK_s);
    trier(partie.p, 5).apres(1000).touche(SDLK_ESCAPE);

    const std::size_t total = partie.p.restants();
    Plateau verdict{};
    partie.p.sur_image = [&](SDL_Surface* ecran, std::size_t) {
        if (total - partie.p.restants() <= apres_marche)  // the last frame before the s wins
            verdict = etat_plateau(ecran, 0);
    };
    EXPECT_EQ(partie.jouer(), 0);
    const Rangee G = Rangee::Gamelle, P = Rangee::Poubelle;
    EXPECT_EQ(verdict, (Plateau{P, G, G, G, P}));
    EXPECT_EQ(partie.p.ecartes(), 126u) << "all but the fifth release, which the player waited to make";
    EXPECT_EQ(compter(partie.p.attentes(), 700), 2 * 4) << "one walk a level";
    EXPECT_EQ(partie.p.restants(), 1u);
    EXPECT_EQ(partie.dossier.fichier_niveau(), "10");
}

namespace {

// The real SDL queue and display, on a virtual clock so that the intro and the walk
// cost no real waiting. At the track choice it floods SDL's queue: keypad 1, the five
// right clicks of level 1, then mouse motion until SDL refuses; once the game has
// emptied the queue, s and Escape. What the game drops after the walk is kept aside.
class FileSdlReelle final : public Plateforme {
public:
    int acceptes = 0;            // events SDL took
    std::vector<SDL_Event> pris;  // events the game took, in order
    std::vector<SDL_Event> ecartes;  // events the game dropped, in order
    std::uint32_t maintenant = 0;

    std::uint32_t ticks() override { return maintenant; }
    void attendre(std::uint32_t ms) override { maintenant += ms; }
    void attendre_jusqua(std::uint32_t echeance) override
    {
        if (static_cast<std::int32_t>(echeance - maintenant) > 0)
            maintenant = echeance;
    }
    void attendre_evenement(SDL_Event& e) override
    {
        if (!inonde_)
            inonder();
        // Nothing queued would block for ever: fail instead.
        SDL_Event vu;
        if (SDL_PeepEvents(&vu, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) <= 0 && !relancer())
            throw ScriptEpuise("the real queue is empty and nothing is left to push");
        sdl_.attendre_evenement(e);
        pris.push_back(e);
    }
    bool sonder_evenement(SDL_Event& e) override
    {
        if (sdl_.sonder_evenement(e)) {
            pris.push_back(e);
            return true;
        }
        maintenant += 250;
        relancer();
        return false;
    }
    Ecartees ecarter_saisies() override
    {
        // The real drain, watched: what is queued when it starts is what it must drop.
        std::vector<SDL_Event> file(PLAFOND);
        const int n = SDL_PeepEvents(file.data(), PLAFOND, SDL_PEEKEVENT, SDL_ALLEVENTS);
        ecartes.insert(ecartes.end(), file.begin(), file.begin() + std::max(n, 0));
        const Ecartees vues = sdl_.ecarter_saisies();
        SDL_Event reste;
        if (SDL_PeepEvents(&reste, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) != 0)
            throw std::logic_error("the drain left events in SDL's queue");
        return vues;
    }
    void presenter(SDL_Surface* ecran) override { sdl_.presenter(ecran); }

    // Events pushed: the press of keypad 1, then each click's press and release.
    static constexpr int AVANT_LES_MOUVEMENTS = 1 + 2 * 5;
    static constexpr int PLAFOND = 100000;  // SDL 2's queue holds 65535

private:
    static bool pousser(SDL_Event e) { return SDL_PushEvent(&e) == 0; }
    static SDL_Event touche(SDLKey sym)
    {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.state = SDL_PRESSED;
        e.key.keysym.sym = sym;
        return e;
    }
    void inonder()
    {
        inonde_ = true;
        acceptes += pousser(touche(SDLK_KP1));
        for (int k = 0; k < 5; ++k) {
            const bool bon = catalogue_aliments[static_cast<std::size_t>(k)].bon == ALIMENT_BON;
            SDL_Event e{};
            e.button.button = bon ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT;
            e.button.x = X_CLIC;
            e.button.y = static_cast<Uint16>(y_clic(k));
            e.type = e.button.type = SDL_MOUSEBUTTONDOWN;
            e.button.state = SDL_PRESSED;
            acceptes += pousser(e);
            e.type = e.button.type = SDL_MOUSEBUTTONUP;
            e.button.state = SDL_RELEASED;
            acceptes += pousser(e);
        }
        for (int i = 0; i < PLAFOND; ++i) {
            SDL_Event e{};
            e.type = e.motion.type = SDL_MOUSEMOTION;
            e.motion.x = static_cast<Uint16>(i % 900);
            e.motion.y = static_cast<Uint16>(i / 900);
            if (!pousser(e))
                break;
            ++acceptes;
        }
    }
    bool relancer()
    {
        if (!inonde_ || fin_poussee_)
            return false;
        fin_poussee_ = true;
        return pousser(touche(SDLK_s)) && pousser(touche(SDLK_ESCAPE));
    }

    PlateformeSdl sdl_;
    bool inonde_ = false;
    bool fin_poussee_ = false;
};

}  // namespace

TEST(Tempete, FileDeSdlRemplieJusquAuRefus)
{
    DossierDeJeu dossier;
    FileSdlReelle plateforme;
    EXPECT_EQ(jouer(plateforme), 0);
    RecordProperty("sdl_queue_accepted", plateforme.acceptes);
    std::printf("SDL took %d events before refusing\n", plateforme.acceptes);
    // Classic SDL 1.2 keeps one slot of its 128 free (127); SDL 1.2 over SDL 2 keeps a
    // queue of 128 of its own and fills it (128).
    EXPECT_GE(plateforme.acceptes, 127);
    EXPECT_LT(plateforme.acceptes, FileSdlReelle::PLAFOND) << "SDL never refused";

    // Everything pushed reached the game, in the order it was pushed: taken up to the
    // fifth click's press, which starts the walk; dropped when the walk ends, from that
    // click's release through the last motion; then s and Escape, pushed afterwards.
    const auto pousses = [](const std::vector<SDL_Event>& vus) {
        std::vector<SDL_Event> v;
        for (const SDL_Event& e : vus)
            if (e.type == SDL_KEYDOWN || e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP ||
                e.type == SDL_MOUSEMOTION)
                v.push_back(e);
        return v;
    };
    const std::vector<SDL_Event> pris = pousses(plateforme.pris), ecartes = pousses(plateforme.ecartes);
    ASSERT_EQ(pris.size(), static_cast<std::size_t>(FileSdlReelle::AVANT_LES_MOUVEMENTS - 1 + 2));
    ASSERT_EQ(ecartes.size(), static_cast<std::size_t>(plateforme.acceptes - FileSdlReelle::AVANT_LES_MOUVEMENTS + 1));
    EXPECT_EQ(pris.front().key.keysym.sym, SDLK_KP1);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(pris[static_cast<std::size_t>(1 + 2 * k)].type, SDL_MOUSEBUTTONDOWN);
        EXPECT_EQ(pris[static_cast<std::size_t>(1 + 2 * k)].button.y, y_clic(k));
    }
    EXPECT_EQ(ecartes.front().type, SDL_MOUSEBUTTONUP);
    for (int i = 0; i < plateforme.acceptes - FileSdlReelle::AVANT_LES_MOUVEMENTS; ++i) {
        const SDL_Event& e = ecartes[static_cast<std::size_t>(1 + i)];
        ASSERT_EQ(e.type, SDL_MOUSEMOTION) << i;
        ASSERT_EQ(e.motion.x + 900 * e.motion.y, i) << "motion " << i << " out of order";
    }
    EXPECT_EQ(pris[pris.size() - 2].key.keysym.sym, SDLK_s);
    EXPECT_EQ(pris.back().key.keysym.sym, SDLK_ESCAPE);
    // Level 1 sorted right through the flood, then s to level 2 and Escape.
    EXPECT_EQ(dossier.fichier_niveau(), "5");
}

// The real drain: whatever SDL holds goes, and a quit or a pause request among it is
// reported (the flow keeps the pause for the level after the wait).
TEST(Tempete, LaVidangeDeSdlGardeLaDemandeDeQuitter)
{
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
    ASSERT_NE(SDL_SetVideoMode(LARGEUR_ECRAN, HAUTEUR_ECRAN, 32, SDL_SWSURFACE), nullptr);
    const auto evenement = [](Uint8 type, SDLKey touche = SDLK_UNKNOWN) {
        SDL_Event e{};
        e.type = type;
        e.key.type = type;
        e.key.keysym.sym = touche;
        return e;
    };
    SDL_Event pause{};
    pause.type = SDL_USEREVENT;
    pause.user.code = CODE_PAUSE_DEMANDEE;
    SDL_Event autre = pause;
    autre.user.code = CODE_PAUSE_DEMANDEE + 1;
    const struct {
        std::vector<SDL_Event> file;
        bool quitter, pause;
    } cas[] = {
        {{}, false, false},
        {{evenement(SDL_MOUSEMOTION), evenement(SDL_KEYDOWN, SDLK_a), evenement(SDL_KEYUP, SDLK_ESCAPE)}, false, false},
        {{evenement(SDL_MOUSEMOTION), evenement(SDL_QUIT), evenement(SDL_MOUSEBUTTONDOWN)}, true, false},
        {{evenement(SDL_KEYDOWN, SDLK_ESCAPE)}, true, false},
        {{evenement(SDL_MOUSEBUTTONDOWN), pause, evenement(SDL_KEYDOWN, SDLK_p)}, false, true},
        {{autre, evenement(SDL_QUIT), pause}, true, true},
        {{autre}, false, false},
    };
    PlateformeSdl sdl;
    for (std::size_t n = 0; n < std::size(cas); ++n) {
        for (SDL_Event e : cas[n].file)
            ASSERT_EQ(SDL_PushEvent(&e), 0);
        const Plateforme::Ecartees vues = sdl.ecarter_saisies();
        EXPECT_EQ(vues.quitter, cas[n].quitter) << "case " << n;
        EXPECT_EQ(vues.pause, cas[n].pause) << "case " << n;
        SDL_Event reste;
        EXPECT_EQ(SDL_PeepEvents(&reste, 1, SDL_PEEKEVENT, SDL_ALLEVENTS), 0) << "case " << n;
    }
    SDL_Quit();
}
