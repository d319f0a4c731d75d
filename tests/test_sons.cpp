// The clips the sound tool made for the game, heard the way a program can: each one there,
// of a sensible length, not silent and not clipped; and the tool's own guards, which stop
// the build rather than ship a game that says the wrong food or nothing.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "flow/messages.hpp"
#include "flow/sons.hpp"
#include "latin1.hpp"
#include "parole.hpp"
#include "rules/catalogue.hpp"

namespace fs = std::filesystem;

namespace {
struct Ecoute {
    bool lu = false;
    double secondes = 0;
    double efficace = 0;     // RMS, full scale 1
    std::size_t satures = 0;  // samples at full scale
};

Ecoute ecouter(const fs::path& f)
{
    Ecoute e;
    OggVorbis_File vf;
    if (ov_fopen(f.c_str(), &vf) != 0)
        return e;
    e.lu = true;
    const vorbis_info* info = ov_info(&vf, -1);
    double somme = 0;
    std::size_t n = 0;
    char tampon[8192];
    int section = 0;
    long lus;
    while ((lus = ov_read(&vf, tampon, sizeof tampon, 0, 2, 1, &section)) > 0) {
        for (long i = 0; i + 1 < lus; i += 2) {
            const int v = static_cast<std::int16_t>(static_cast<unsigned char>(tampon[i]) |
                                                    (static_cast<unsigned char>(tampon[i + 1]) << 8));
            somme += static_cast<double>(v) * v;
            e.satures += (v >= 32767 || v <= -32767);
            ++n;
        }
    }
    e.secondes = static_cast<double>(n) / info->channels / info->rate;
    e.efficace = n ? std::sqrt(somme / static_cast<double>(n)) / 32768.0 : 0;
    ov_clear(&vf);
    return e;
}

std::vector<std::string> tous_les_noms()
{
    std::vector<std::string> noms(std::begin(son::EFFETS), std::end(son::EFFETS));
    noms.insert(noms.end(), std::begin(son::PHRASES), std::end(son::PHRASES));
    for (std::size_t i = 0; i < catalogue_aliments.size(); ++i)
        noms.push_back(son::aliment(i));
    return noms;
}
}  // namespace

// Every food and every text has its clip, the voice one for every name the game may ask,
// and each is something a child can hear: 0.3 s to 6 s (the rules up to 40 s), louder than
// a whisper, never at full scale.
TEST(ClipsDuJeu, ChaqueNomASonClipAudibleDeBonneDuree)
{
    const fs::path dossier = fs::path(GRIGNOTIN_RUN_DIR) / "sons";
    for (const std::string& nom : tous_les_noms()) {
        SCOPED_TRACE(nom);
        const Ecoute e = ecouter(dossier / (nom + ".ogg"));
        ASSERT_TRUE(e.lu) << "no readable " << (dossier / (nom + ".ogg"));
        EXPECT_GE(e.secondes, 0.3);
        EXPECT_LE(e.secondes, son::est_regles(nom) ? 40.0 : 6.0);
        EXPECT_GT(e.efficace, 0.03) << "too quiet to hear";
        EXPECT_EQ(e.satures, 0u) << "clipped";
    }
}

// What the voice says is the game's own text: one clip per food in the catalogue's order,
// one per sentence the flow may ask, and the Latin-1 messages said as the letters they are.
TEST(ClipsDuJeu, LesPhrasesSuiventLeCatalogueEtLesTextes)
{
    const std::vector<sons::Phrase> phrases = sons::phrases();
    std::set<std::string> noms;
    for (const sons::Phrase& p : phrases) {
        EXPECT_FALSE(p.texte.empty()) << p.nom;
        EXPECT_EQ(p.texte.find('|'), std::string::npos) << p.nom << ": a tile's break mark would be read out";
        EXPECT_TRUE(noms.insert(p.nom).second) << p.nom << " twice";
    }
    for (const std::string& nom : tous_les_noms()) {
        if (son::est_voix(nom)) {
            EXPECT_TRUE(noms.contains(nom)) << nom << " is never said";
        }
    }
    EXPECT_EQ(noms.size(), catalogue_aliments.size() + std::size(son::PHRASES));
    EXPECT_EQ(phrases.front().texte, "laitue");  // the first tile's label, as it reads
    const auto perdu = std::find_if(phrases.begin(), phrases.end(), [](auto& p) { return p.nom == son::VOIX_PERDU; });
    ASSERT_NE(perdu, phrases.end());
    EXPECT_EQ(perdu->texte, "Désolé mais Bidou nous a quittés, paix à son âme");
    EXPECT_EQ(images::latin1_vers_utf8(MESSAGE_PERDU), perdu->texte);
    // A child on a tablet is never told to click: the touch rules say "touche" instead.
    const auto texte_de = [&](const char* nom) {
        const auto p = std::find_if(phrases.begin(), phrases.end(), [&](auto& ph) { return ph.nom == nom; });
        return p == phrases.end() ? std::string() : p->texte;
    };
    EXPECT_NE(texte_de(son::VOIX_REGLES).find("clic"), std::string::npos);
    EXPECT_EQ(texte_de(son::VOIX_REGLES_TACTILE).find("clic"), std::string::npos) << texte_de(son::VOIX_REGLES_TACTILE);
    EXPECT_NE(texte_de(son::VOIX_REGLES_TACTILE).find("touche la poubelle"), std::string::npos);
}

// A food added to or renamed in the catalogue but not in the labels' list (or the other
// way round) is a difference the tool names, and so a failed build, not a silent game.
TEST(ClipsDuJeu, UnAlimentAjouteOuRenommeArreteLOutil)
{
    std::vector<std::string> stockes;
    for (const Aliment& a : catalogue_aliments)
        stockes.push_back(std::string(a.image.substr(6, a.image.size() - 10)));  // "photo/x.bmp" -> "x"
    std::vector<std::string_view> fichiers(stockes.begin(), stockes.end());
    EXPECT_EQ(sons::ecart_au_catalogue(fichiers), "");

    auto renomme = fichiers;
    renomme[42] = "topinambour";
    EXPECT_NE(sons::ecart_au_catalogue(renomme).find("food 42"), std::string::npos) << sons::ecart_au_catalogue(renomme);
    auto ajoute = fichiers;
    ajoute.push_back("topinambour");
    EXPECT_NE(sons::ecart_au_catalogue(ajoute), "");
    fichiers.pop_back();
    EXPECT_NE(sons::ecart_au_catalogue(fichiers), "");
}

// When espeak-ng or oggenc fail, the tool fails with one line, and leaves no clip that a
// later build would take as made.
TEST(ClipsDuJeu, UnProgrammeQuiEchoueArreteLOutilSansDemiClip)
{
    const fs::path sortie = fs::temp_directory_path() / ("grignotin-sons-" + std::to_string(::getpid()));
    for (const std::string& options : {std::string("--espeak /bin/false --oggenc '") + GRIGNOTIN_OGGENC + "'",
                                       std::string("--espeak '") + GRIGNOTIN_ESPEAK + "' --oggenc /bin/false",
                                       std::string("--espeak /nulle/part/espeak-ng")}) {
        SCOPED_TRACE(options);
        fs::remove_all(sortie);
        const std::string commande = std::string("'") + GRIGNOTIN_OUTIL_SONS + "' --sortie '" + sortie.string() +
                                     "' " + options + " 2>'" + sortie.string() + ".err'";
        const int statut = std::system(commande.c_str());
        EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 1) << statut;
        std::ifstream err(sortie.string() + ".err");
        std::string ligne, lignes;
        int n = 0;
        while (std::getline(err, ligne))
            ++n, lignes += ligne + "\n";
        EXPECT_EQ(n, 1) << lignes;
        std::size_t clips_vides = 0;
        if (fs::exists(sortie / "sons"))
            for (const auto& f : fs::directory_iterator(sortie / "sons"))
                clips_vides += f.path().extension() != ".ogg" || fs::file_size(f.path()) == 0;
        EXPECT_EQ(clips_vides, 0u) << "a half-made clip is left";
    }
    fs::remove_all(sortie);
    fs::remove(sortie.string() + ".err");
}
