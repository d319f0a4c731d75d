#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "dossier_de_jeu.hpp"
#include "rules/niveau.hpp"

namespace {

// The files beside the level file whose names start like it: temporary files, left
// behind or someone else's.
std::set<std::string> voisins_du_niveau(const std::filesystem::path& dossier)
{
    std::set<std::string> noms;
    for (const auto& entree : std::filesystem::directory_iterator(dossier)) {
        const std::string nom = entree.path().filename().string();
        if (nom.rfind("niveau.lvl.", 0) == 0)
            noms.insert(nom);
    }
    return noms;
}

}  // namespace

TEST(FichierNiveau, LectureCommeLeFormatDecimal)
{
    struct Cas { std::string octets; std::int32_t attendu; };
    for (const Cas& c : {Cas{"0", 0}, Cas{"5", 5}, Cas{"35", 35}, Cas{"95", 95}, Cas{"5\n", 5},
                         Cas{"5abc", 5}, Cas{"  \t\n30", 30}, Cas{"+60", 60}, Cas{"0090", 90},
                         Cas{"25 70", 25}, Cas{"10.5", 10}}) {
        EXPECT_EQ(interpreter_niveau(c.octets), c.attendu) << '"' << c.octets << '"';
    }
}

TEST(FichierNiveau, SansNombreRienNeChange)
{
    for (const char* octets : {"", "   ", "\n", "abc", "-", "+", "- 5", "x5", "\xE9"})
        EXPECT_EQ(interpreter_niveau(octets), std::nullopt) << '"' << octets << '"';

    DossierDeJeu dossier(false);
    std::int32_t niveau = 40;
    lire_niveau(niveau);  // no file at all
    EXPECT_EQ(niveau, 40);
    dossier.ecrire_fichier_niveau("");
    lire_niveau(niveau);
    EXPECT_EQ(niveau, 40);
    dossier.ecrire_fichier_niveau("abc");
    lire_niveau(niveau);
    EXPECT_EQ(niveau, 40);
}

TEST(FichierNiveau, ValeursHorsJeuRameneesAUnNiveau)
{
    struct Cas { std::string octets; std::int32_t attendu; };
    for (const Cas& c : {Cas{"-5", 0}, Cas{"-1", 0}, Cas{"33", 30}, Cas{"4", 0}, Cas{"94", 90},
                         Cas{"96", 95}, Cas{"100", 95}, Cas{"2147483647", 95}, Cas{"2147483648", 95},
                         Cas{"99999999999999999999999999", 95}, Cas{"-2147483649", 0},
                         Cas{"-99999999999999999999999", 0}}) {
        EXPECT_EQ(interpreter_niveau(c.octets), c.attendu) << '"' << c.octets << '"';
    }
}

TEST(FichierNiveau, LitLeFichierDuDossierCourant)
{
    DossierDeJeu dossier(false);
    dossier.ecrire_fichier_niveau("  45\n");
    std::int32_t niveau = 0;
    lire_niveau(niveau);
    EXPECT_EQ(niveau, 45);
    dossier.ecrire_fichier_niveau("-7");
    lire_niveau(niveau);
    EXPECT_EQ(niveau, 0);
}

TEST(FichierNiveau, EcritLesChiffresSansRienDAutre)
{
    DossierDeJeu dossier(false);
    for (std::int32_t v : {0, 5, 30, 90, 95, -5}) {
        ASSERT_FALSE(ecrire_niveau(v));
        EXPECT_EQ(dossier.fichier_niveau(), std::to_string(v));
    }
    dossier.ecrire_fichier_niveau("90 and some longer junk after it");
    ASSERT_FALSE(ecrire_niveau(5));
    EXPECT_EQ(dossier.fichier_niveau(), "5");
    EXPECT_EQ(voisins_du_niveau(dossier.chemin()), std::set<std::string>{}) << "no temporary file left behind";
}

TEST(FichierNiveau, EchecDEcritureGardeLAncienneValeur)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes through read-only permissions";
    DossierDeJeu dossier(false);
    dossier.ecrire_fichier_niveau("35");
    std::filesystem::permissions(dossier.chemin(), std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::owner_exec);
    EXPECT_TRUE(ecrire_niveau(40));
    std::filesystem::permissions(dossier.chemin(), std::filesystem::perms::owner_all);
    EXPECT_EQ(dossier.fichier_niveau(), "35");
}

TEST(FichierNiveau, DossierDisparuEchecSignale)
{
    // Works for root too: there is no directory to write the temporary file into.
    DossierDeJeu dossier(false);
    const auto chemin = (dossier.chemin() / "absent" / "niveau.lvl").string();
    EXPECT_TRUE(ecrire_niveau_dans(chemin.c_str(), 5));
}

TEST(FichierNiveau, RenommageImpossibleGardeLAncienneValeur)
{
    // A directory stands where the file would go: the rename fails after the
    // temporary file was written, and nothing must be lost or left behind. Files that
    // look like temporary files but are not this write's own stay as they were.
    DossierDeJeu dossier(false);
    std::filesystem::create_directories(dossier.chemin() / "niveau.lvl" / "occupe");
    const std::set<std::string> etrangers{"niveau.lvl.tmp", "niveau.lvl.tmp.aB3xYz"};
    for (const std::string& nom : etrangers)
        std::ofstream(dossier.chemin() / nom) << "70";
    EXPECT_TRUE(ecrire_niveau(45));
    EXPECT_TRUE(std::filesystem::is_directory(dossier.chemin() / "niveau.lvl"));
    EXPECT_EQ(voisins_du_niveau(dossier.chemin()), etrangers);
    for (const std::string& nom : etrangers) {
        std::ifstream f(dossier.chemin() / nom);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), "70") << nom;
    }
}

TEST(FichierNiveau, EcrivainsSimultanesLaissentToujoursUneValeurEntiere)
{
    // Four games saving in one directory at once. Values of two lengths: writers that
    // shared a temporary file would leave mixes such as "50" ("5" over the start of
    // "90") or lose each other's file before its rename.
    DossierDeJeu dossier(false);
    dossier.ecrire_fichier_niveau("0");
    const std::set<std::string> ecrites{"0", "5", "90", "40"};
    constexpr int ECRITURES = 150;
    std::vector<pid_t> enfants;
    for (const std::string& valeur : ecrites) {
        const pid_t enfant = ::fork();
        ASSERT_GE(enfant, 0);
        if (enfant == 0) {
            for (int i = 0; i < ECRITURES; ++i)
                if (ecrire_niveau(std::stoi(valeur)))
                    ::_exit(1);
            ::_exit(0);
        }
        enfants.push_back(enfant);
    }
    // Meanwhile the file, read as the game reads it, holds one whole value at all times.
    std::set<std::string> vues;
    for (std::size_t finis = 0; finis < enfants.size();) {
        const std::string lu = dossier.fichier_niveau();
        vues.insert(lu);
        for (pid_t& enfant : enfants) {
            int etat = 0;
            if (enfant > 0 && ::waitpid(enfant, &etat, WNOHANG) == enfant) {
                EXPECT_TRUE(WIFEXITED(etat) && WEXITSTATUS(etat) == 0) << "a save failed";
                enfant = 0;
                ++finis;
            }
        }
    }
    for (const std::string& v : vues)
        EXPECT_EQ(ecrites.count(v), 1u) << "the file once held \"" << v << '"';
    EXPECT_EQ(ecrites.count(dossier.fichier_niveau()), 1u) << dossier.fichier_niveau();
    EXPECT_EQ(voisins_du_niveau(dossier.chemin()), std::set<std::string>{});
}

TEST(FichierNiveau, ArretBrutalAvantLeRenommageNePerdRien)
{
    DossierDeJeu dossier(false);
    dossier.ecrire_fichier_niveau("55");
    // The child dies the hard way once the new value is on disk but not yet in place.
    const pid_t enfant = ::fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        (void)ecrire_niveau_dans("niveau.lvl", 60, [] { ::raise(SIGKILL); });
        ::_exit(0);
    }
    int etat = 0;
    ASSERT_EQ(::waitpid(enfant, &etat, 0), enfant);
    ASSERT_TRUE(WIFSIGNALED(etat));
    EXPECT_EQ(dossier.fichier_niveau(), "55");
    std::int32_t niveau = 0;
    lire_niveau(niveau);
    EXPECT_EQ(niveau, 55);
    // The dead game's temporary file stays (nothing can tell it from a live game's),
    // and gets in the way of no later write.
    const auto restes = voisins_du_niveau(dossier.chemin());
    EXPECT_EQ(restes.size(), 1u);
    ASSERT_FALSE(ecrire_niveau(65));
    EXPECT_EQ(dossier.fichier_niveau(), "65");
    EXPECT_EQ(voisins_du_niveau(dossier.chemin()), restes);
}
