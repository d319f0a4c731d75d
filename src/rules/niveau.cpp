#include "niveau.hpp"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <string>

#include <fcntl.h>
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

// Spreads the bits of `x` over the whole word (the finaliser of splitmix64).
constexpr std::uint64_t melanger(std::uint64_t x)
{
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9u;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebu;
    return x ^ (x >> 31);
}

// Creates `<chemin>.tmp.XXXXXX` (six letters or digits, scrambled) beside the level file,
// exclusively, the way mkstemp does, but with the mode an ordinary file gets (0644 less
// the umask) since it becomes the level file. Returns the descriptor, or -1 with errno
// set; `nom` then names nothing of ours, so a failure here has nothing to remove.
int creer_provisoire(const char* chemin, std::string& nom)
{
    static constexpr char SIGNES[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    constexpr std::uint64_t NB_SIGNES = sizeof SIGNES - 1;
    // The process id keeps two games apart; the clock and the count keep one game's
    // tries apart, forked children included. O_EXCL settles any collision left.
    static std::uint64_t compte = 0;
    for (int essai = 0; essai < 100; ++essai) {
        timespec t{};
        ::clock_gettime(CLOCK_REALTIME, &t);
        std::uint64_t bits = melanger((static_cast<std::uint64_t>(::getpid()) << 40) ^
                                      (static_cast<std::uint64_t>(t.tv_sec) * 1'000'000'000u) ^
                                      static_cast<std::uint64_t>(t.tv_nsec) ^ (++compte << 20));
        nom = std::string(chemin) + ".tmp.";
        for (int k = 0; k < 6; ++k, bits /= NB_SIGNES)
            nom += SIGNES[bits % NB_SIGNES];
        const int fd = ::open(nom.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;  // errno is still EEXIST
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
    std::string provisoire;
    const int fd = creer_provisoire(chemin, provisoire);
    if (fd < 0)
        return erreur_systeme();
    std::error_code erreur;
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
