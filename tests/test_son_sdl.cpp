// The desktop's sound owner over SDL's dummy audio driver (a real mixer, no speaker): the
// voice's one channel, the sounds beside it, a device that closes when idle, and what it
// says when a clip or the device is missing; and what the scripted platform records.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "flow/sons.hpp"
#include "platform/plateforme_scriptee.hpp"
#include "platform/son_sdl.hpp"

namespace fs = std::filesystem;

namespace {
std::vector<std::string> lignes(const std::string& texte)
{
    std::vector<std::string> l;
    std::istringstream in(texte);
    for (std::string ligne; std::getline(in, ligne);)
        l.push_back(ligne);
    return l;
}

struct PiloteAudio {
    explicit PiloteAudio(const char* pilote) { ::setenv("SDL_AUDIODRIVER", pilote, 1); }
    ~PiloteAudio() { ::unsetenv("SDL_AUDIODRIVER"); }
};

const std::string SONS = std::string(GRIGNOTIN_RUN_DIR) + "/sons";
}  // namespace

// One voice at a time, the newest cutting the one playing, sounds over it; silence stops
// the voice alone; and the device, idle for the respite, closes and opens again.
TEST(Mixeur, UneVoixALaFoisLesSonsParDessusEtLeRepos)
{
    PiloteAudio pilote("dummy");
    testing::internal::CaptureStderr();
    {
        Mixeur m(SONS);
        EXPECT_FALSE(m.ouvert()) << "nothing is opened before the first clip";
        m.jouer(son::aliment(0).c_str());
        ASSERT_TRUE(m.ouvert());
        m.jouer(son::CROQUE);
        m.jouer(son::aliment(1).c_str());  // the child sorted the next food at once
        EXPECT_EQ(Mix_Playing(-1), 2) << "one voice and one crunch";
        EXPECT_EQ(Mix_Playing(0), 1);
        m.taire();
        EXPECT_EQ(Mix_Playing(0), 0);
        EXPECT_EQ(Mix_Playing(-1), 1) << "silence is the voice's; the crunch goes on";

        // Playing keeps the device, however long; nothing for the respite closes it.
        const std::uint32_t t = SDL_GetTicks();
        m.reposer(t + 10 * Mixeur::REPIT_MS);
        EXPECT_TRUE(m.ouvert());
        Mix_HaltChannel(-1);
        m.reposer(t + 10 * Mixeur::REPIT_MS + Mixeur::REPIT_MS / 2);
        EXPECT_TRUE(m.ouvert()) << "closed before the respite";
        m.reposer(t + 11 * Mixeur::REPIT_MS + 1);
        EXPECT_FALSE(m.ouvert());
        EXPECT_FALSE(SDL_WasInit(SDL_INIT_AUDIO)) << "the audio thread is still up";
        m.jouer(son::VOIX_GAGNE);
        EXPECT_TRUE(m.ouvert());
        EXPECT_EQ(Mix_Playing(0), 1) << "the clips kept across a close play again";
    }
    EXPECT_FALSE(SDL_WasInit(SDL_INIT_AUDIO)) << "the owner left the audio open";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// A missing clip and a damaged one are each said once, and skipped; the others play.
TEST(Mixeur, ClipManquantOuAbimeDitUneFois)
{
    PiloteAudio pilote("dummy");
    const fs::path dossier = fs::temp_directory_path() / ("grignotin-mixeur-" + std::to_string(::getpid()));
    fs::create_directories(dossier);
    fs::copy_file(fs::path(SONS) / "croque.ogg", dossier / "croque.ogg", fs::copy_options::overwrite_existing);
    {
        std::ofstream abime(dossier / "poubelle.ogg", std::ios::binary);
        std::ifstream vrai(fs::path(SONS) / "poubelle.ogg", std::ios::binary);
        std::string octets((std::istreambuf_iterator<char>(vrai)), std::istreambuf_iterator<char>());
        abime << octets.substr(0, 200);  // cut in its headers, as a failed copy leaves it
    }
    testing::internal::CaptureStderr();
    {
        Mixeur m(dossier.string());
        for (int fois = 0; fois < 3; ++fois) {
            m.jouer(son::PAS);
            m.jouer(son::POUBELLE);
            m.jouer(son::CROQUE);
        }
        EXPECT_GE(Mix_Playing(-1), 1) << "the readable clip plays";
    }
    const std::vector<std::string> dit = lignes(testing::internal::GetCapturedStderr());
    ASSERT_EQ(dit.size(), 2u) << testing::PrintToString(dit);
    EXPECT_NE(dit[0].find((dossier / "pas.ogg").string()), std::string::npos) << dit[0];
    EXPECT_NE(dit[1].find("poubelle.ogg"), std::string::npos) << dit[1];
    for (const std::string& l : dit)
        EXPECT_EQ(l.rfind("grignotin: ", 0), 0u) << l;
    fs::remove_all(dossier);
}

// No audio device: one line for the run, then silence, and nothing left open.
TEST(Mixeur, SansPeripheriqueUneLigneEtLeSilence)
{
    PiloteAudio pilote("pilote_qui_n_existe_pas");
    testing::internal::CaptureStderr();
    {
        Mixeur m(SONS);
        m.jouer(son::VOIX_CARTES);
        m.jouer(son::CROQUE);
        m.taire();
        m.reposer(SDL_GetTicks());
        m.jouer(son::aliment(3).c_str());
        EXPECT_FALSE(m.ouvert());
        EXPECT_FALSE(SDL_WasInit(SDL_INIT_AUDIO));
    }
    const std::vector<std::string> dit = lignes(testing::internal::GetCapturedStderr());
    ASSERT_EQ(dit.size(), 1u) << testing::PrintToString(dit);
    EXPECT_EQ(dit[0].rfind("grignotin: no sound", 0), 0u) << dit[0];
}

// What the scenario tests read: each clip asked and each silence, at the script's own time
// (from its start, wherever the game's clock began), in order.
TEST(SonsScriptes, ChaqueSonEtChaqueSilenceAvecSonMoment)
{
    PlateformeScriptee p;
    p.origine = 0xffffff00u;  // the game's clock about to wrap
    p.attendre(250);
    p.jouer_son(son::CROQUE);
    p.jouer_son(son::aliment(7).c_str());
    p.attendre(1000);
    p.faire_taire();
    p.jouer_son(son::VOIX_REGLES);
    ASSERT_EQ(p.sons().size(), 3u);
    EXPECT_EQ(p.sons()[0].quand, 250u);
    EXPECT_EQ(p.sons()[0].nom, "croque");
    EXPECT_EQ(p.sons()[1].nom, "aliment_07");
    EXPECT_EQ(p.sons()[2].quand, 1250u);
    EXPECT_EQ(p.silences(), std::vector<std::uint32_t>{1250u});
}
