#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "dossier_de_jeu.hpp"
#include "rules/niveau.hpp"

namespace {

// Every sync and rename of this test program passes here on its way to the C library,
// which lets a test see what a save asks of the disk, and in which order.
struct {
    bool active = false;
    std::vector<std::string> appels;
} trace;

std::string nom_seul(const std::string& chemin) { return std::filesystem::path(chemin).filename().string(); }

std::string nom_du_descripteur(int fd)
{
    std::error_code e;
    return nom_seul(std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), e).string());
}

template <class Fonction>
Fonction suivante(const char* nom)
{
    return reinterpret_cast<Fonction>(::dlsym(RTLD_NEXT, nom));
}

}  // namespace

extern "C" int fsync(int fd)
{
    static const auto vraie = suivante<int (*)(int)>("fsync");
    if (trace.active)
        trace.appels.push_back("sync " + nom_du_descripteur(fd));
    return vraie(fd);
}

extern "C" int fdatasync(int fd)
{
    static const auto vraie = suivante<int (*)(int)>("fdatasync");
    if (trace.active)
        trace.appels.push_back("sync " + nom_du_descripteur(fd));
    return vraie(fd);
}

extern "C" int rename(const char* de, const char* vers) noexcept
{
    static const auto vraie = suivante<int (*)(const char*, const char*)>("rename");
    if (trace.active)
        trace.appels.push_back("rename " + nom_seul(de) + " " + nom_seul(vers));
    return vraie(de, vers);
}

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

TEST(FichierNiveau, LeProvisoireEstSurLeDisqueAvantDeRemplacerLeNiveau)
{
    // Renamed before its content is on the disk, the new file can come back empty
    // after a power cut on some file systems: the very loss it is there to prevent.
    DossierDeJeu dossier(false);
    dossier.ecrire_fichier_niveau("35");
    trace.appels.clear();
    trace.active = true;
    const std::error_code erreur = ecrire_niveau(40);
    trace.active = false;
    ASSERT_FALSE(erreur);
    EXPECT_EQ(dossier.fichier_niveau(), "40");
    const auto renommage = std::find_if(trace.appels.begin(), trace.appels.end(),
                                        [](const std::string& a) { return a.starts_with("rename "); });
    ASSERT_NE(renommage, trace.appels.end()) << "no rename seen";
    const std::string provisoire = renommage->substr(7, renommage->find(' ', 7) - 7);
    EXPECT_EQ(*renommage, "rename " + provisoire + " niveau.lvl");
    EXPECT_TRUE(provisoire.starts_with("niveau.lvl.tmp." + std::to_string(::getpid()) + ".")) << provisoire;
    EXPECT_NE(std::find(trace.appels.begin(), renommage, "sync " + provisoire), renommage)
        << "the temporary file was not synced before its rename; seen: " << testing::PrintToString(trace.appels);
}

TEST(FichierNiveau, LeNiveauGardeLeModeDUnFichierOrdinaire)
{
    // Saving must not change who may read the level file: an existing file keeps its
    // mode, a new one gets what any file its player creates gets.
    DossierDeJeu dossier(false);
    struct Cas { mode_t masque, avant, attendu; };  // avant 0: no file yet
    for (const Cas& c : {Cas{022, 0, 0644}, Cas{002, 0, 0664}, Cas{077, 0, 0600}, Cas{022, 0600, 0600},
                         Cas{022, 0640, 0640}, Cas{077, 0664, 0664}}) {
        std::filesystem::remove("niveau.lvl");
        if (c.avant) {
            dossier.ecrire_fichier_niveau("5");
            ASSERT_EQ(::chmod("niveau.lvl", c.avant), 0);
        }
        const mode_t masque_avant = ::umask(c.masque);
        const std::error_code erreur = ecrire_niveau(10);
        ::umask(masque_avant);
        ASSERT_FALSE(erreur);
        struct stat etat{};
        ASSERT_EQ(::stat("niveau.lvl", &etat), 0);
        EXPECT_EQ(etat.st_mode & 0777, c.attendu)
            << std::oct << "umask " << c.masque << ", file before " << c.avant << ": mode " << (etat.st_mode & 0777);
        EXPECT_EQ(dossier.fichier_niveau(), "10");
    }
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
    // The dead game's temporary file gets in the way of no later write, and the next
    // game's start-up takes it away.
    const auto restes = voisins_du_niveau(dossier.chemin());
    ASSERT_EQ(restes.size(), 1u);
    EXPECT_TRUE(restes.begin()->starts_with("niveau.lvl.tmp." + std::to_string(enfant) + ".")) << *restes.begin();
    ASSERT_FALSE(ecrire_niveau(65));
    EXPECT_EQ(dossier.fichier_niveau(), "65");
    EXPECT_EQ(voisins_du_niveau(dossier.chemin()), restes);
    nettoyer_provisoires_dans((dossier.chemin() / "niveau.lvl").c_str());
    EXPECT_EQ(voisins_du_niveau(dossier.chemin()), std::set<std::string>{});
    EXPECT_EQ(dossier.fichier_niveau(), "65");
}

TEST(FichierNiveau, SeulsLesRestesDesJeuxMortsSontEnleves)
{
    DossierDeJeu dossier(false);
    dossier.ecrire_fichier_niveau("35");
    const pid_t mort = ::fork();
    ASSERT_GE(mort, 0);
    if (mort == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(mort, nullptr, 0), mort);
    const std::string m = std::to_string(mort);
    // A dead game's, and one of an earlier process that had this one's number (this
    // process saves nothing while it cleans).
    const std::set<std::string> enleves{"niveau.lvl.tmp." + m + ".aB3xYz",
                                        "niveau.lvl.tmp." + std::to_string(::getpid()) + ".Q0q9Zz"};
    // A running game's (ours to wait for: the program that runs this test), one whose
    // process is someone else's (pid 1), and names that are not a save's own.
    const std::set<std::string> gardes{
        "niveau.lvl.tmp." + std::to_string(::getppid()) + ".aB3xYz", "niveau.lvl.tmp.1.abcdef",
        "niveau.lvl.tmp", "niveau.lvl.tmp.aB3xYz", "niveau.lvl.tmp." + m, "niveau.lvl.tmp." + m + ".abc",
        "niveau.lvl.tmp." + m + ".abcdef.old", "niveau.lvl.tmp." + m + ".abc-ef", "niveau.lvl.tmp.0" + m + ".abcdef",
        "niveau.lvl.tmp.-" + m + ".abcdef", "niveau.lvl.tmp.0.abcdef", "niveau.lvl.tmp.99999999999999.abcdef",
        "niveau.lvl.tmp.+" + m + ".abcdef", "niveau.lvl.tmp. " + m + ".abcdef"};
    for (const auto* noms : {&enleves, &gardes})
        for (const std::string& nom : *noms)
            std::ofstream(dossier.chemin() / nom) << "70";
    // Only files: what looks like a leftover but is a directory or a link stays too.
    const std::string repertoire = "niveau.lvl.tmp." + m + ".dossie", lien = "niveau.lvl.tmp." + m + ".lienab";
    std::filesystem::create_directory(dossier.chemin() / repertoire);
    std::filesystem::create_symlink("niveau.lvl", dossier.chemin() / lien);
    std::ofstream(dossier.chemin() / ("autre.lvl.tmp." + m + ".aB3xYz")) << "70";

    nettoyer_provisoires();
    std::set<std::string> attendus = gardes;
    attendus.insert({repertoire, lien});
    EXPECT_EQ(voisins_du_niveau(dossier.chemin()), attendus);
    EXPECT_TRUE(std::filesystem::exists(dossier.chemin() / ("autre.lvl.tmp." + m + ".aB3xYz")));
    EXPECT_EQ(dossier.fichier_niveau(), "35");
}
