#include "niveau.hpp"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr bool blanc(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool chiffre(int c) { return c >= '0' && c <= '9'; }

// Any magnitude past this is simply "too large": it saturates instead of overflowing.
constexpr std::int64_t PLAFOND = 1'000'000'000'000;

std::int32_t ramener_au_niveau(std::int64_t valeur)
{
    if (valeur < 0)
        return 0;
    if (valeur > NIVEAU_FINI)
        return NIVEAU_FINI;
    const auto v = static_cast<std::int32_t>(valeur);
    return v - v % 5;
}

// The scan of "%ld", fed one character at a time; `suivant` returns EOF at the end.
template <class Suivant>
std::optional<std::int32_t> lire_nombre(Suivant suivant)
{
    int c = suivant();
    while (blanc(c))
        c = suivant();
    bool negatif = false;
    if (c == '+' || c == '-') {
        negatif = c == '-';
        c = suivant();
    }
    if (!chiffre(c))
        return std::nullopt;
    std::int64_t valeur = 0;
    for (; chiffre(c); c = suivant())
        if (valeur < PLAFOND)
            valeur = valeur * 10 + (c - '0');
    return ramener_au_niveau(negatif ? -valeur : valeur);
}

std::error_code erreur_systeme() { return {errno, std::generic_category()}; }

// Temporary files are `<chemin>.tmp.<pid>.XXXXXX`: named after the game's process, so
// that a later game can tell a dead game's leftovers from a file still being written.
std::string prefixe_provisoire(const char* chemin) { return std::string(chemin) + ".tmp."; }

// The mode the level file would keep if it were rewritten in place: an existing file
// keeps its own, a new one gets an ordinary file's (0666 less the umask). Not
// mkostemp's 0600, which would make the level file private to its owner.
mode_t mode_du_niveau(const char* chemin)
{
    struct stat etat{};
    if (::stat(chemin, &etat) == 0 && S_ISREG(etat.st_mode))
        return etat.st_mode & 0777;
    // The umask can only be read by setting it; the game saves from one thread.
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

// Whether `reste` (what follows the prefix) is `<pid>.XXXXXX` as mkostemp fills it in.
std::optional<pid_t> pid_du_provisoire(std::string_view reste)
{
    pid_t pid = 0;
    if (reste.starts_with('0'))
        return std::nullopt;  // never how a number is written into a name
    const auto [fin, erreur] = std::from_chars(reste.data(), reste.data() + reste.size(), pid);
    const std::string_view lettres(fin, static_cast<std::size_t>(reste.data() + reste.size() - fin));
    if (erreur != std::errc{} || fin == reste.data() || pid <= 0 || lettres.size() != 7 || lettres[0] != '.')
        return std::nullopt;
    for (char c : lettres.substr(1))
        if (!chiffre(c) && !((c | 0x20) >= 'a' && (c | 0x20) <= 'z'))
            return std::nullopt;
    return pid;
}

}  // namespace

std::optional<std::int32_t> interpreter_niveau(std::string_view texte)
{
    std::size_t i = 0;
    return lire_nombre([&]() -> int {
        return i < texte.size() ? static_cast<unsigned char>(texte[i++]) : EOF;
    });
}

void lire_niveau_dans(const char* chemin, std::int32_t& niveau)
{
    std::FILE* f = std::fopen(chemin, "r");
    if (!f)
        return;
    const auto lu = lire_nombre([f] { return std::getc(f); });
    std::fclose(f);
    if (lu)
        niveau = *lu;
}

void lire_niveau(std::int32_t& niveau) { lire_niveau_dans(FICHIER_NIVEAU, niveau); }

std::error_code ecrire_niveau_dans(const char* chemin, std::int32_t valeur, void (*avant_renommage)())
{
    char texte[16];
    const auto taille = static_cast<std::size_t>(std::to_chars(texte, texte + sizeof texte, valeur).ptr - texte);

    // Two games started in the same directory each write their own temporary file: one
    // game's value never lands in the other's, and the last rename wins whole.
    std::string provisoire = prefixe_provisoire(chemin) + std::to_string(::getpid()) + ".XXXXXX";
    const mode_t mode = mode_du_niveau(chemin);
    const int fd = ::mkostemp(provisoire.data(), O_CLOEXEC);
    if (fd < 0)
        return erreur_systeme();
    std::error_code erreur;
    // Where modes mean nothing (a FAT stick), a refusal is no reason to lose the save.
    (void)::fchmod(fd, mode);
    errno = 0;
    if (::write(fd, texte, taille) != static_cast<ssize_t>(taille))
        erreur = errno ? erreur_systeme() : std::make_error_code(std::errc::no_space_on_device);
    // Without the sync a crash right after the rename can leave an empty file on
    // some file systems, which is exactly what the temporary file is there to avoid.
    else if (::fsync(fd) != 0)
        erreur = erreur_systeme();
    if (::close(fd) != 0 && !erreur)
        erreur = erreur_systeme();
    if (!erreur && avant_renommage)
        avant_renommage();
    if (!erreur && std::rename(provisoire.c_str(), chemin) != 0)
        erreur = erreur_systeme();
    if (erreur)
        ::unlink(provisoire.c_str());
    return erreur;
}

std::error_code ecrire_niveau(std::int32_t valeur) { return ecrire_niveau_dans(FICHIER_NIVEAU, valeur); }

void nettoyer_provisoires_dans(const char* chemin)
{
    namespace fs = std::filesystem;
    const fs::path niveau(chemin);
    const fs::path dossier = niveau.has_parent_path() ? niveau.parent_path() : fs::path(".");
    const std::string prefixe = prefixe_provisoire(niveau.filename().c_str());
    // A directory that cannot be listed, or a file that cannot be removed, leaves the
    // leftovers where they are: they cost a few bytes and stand in no save's way.
    std::error_code erreur;
    for (fs::directory_iterator i(dossier, erreur), fin; !erreur && i != fin; i.increment(erreur)) {
        const std::string nom = i->path().filename().string();
        std::error_code ignore;
        if (!nom.starts_with(prefixe) || i->symlink_status(ignore).type() != fs::file_type::regular)
            continue;
        const auto pid = pid_du_provisoire(std::string_view(nom).substr(prefixe.size()));
        // Our own are leftovers of an earlier process that had our number: we save
        // nothing at the same time. Another number is left alone while its process
        // lives, or may (EPERM: someone else's).
        if (pid && (*pid == ::getpid() || (::kill(*pid, 0) != 0 && errno == ESRCH)))
            ::unlink(i->path().c_str());
    }
}

void nettoyer_provisoires() { nettoyer_provisoires_dans(FICHIER_NIVEAU); }
