#include "processus.hpp"

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace sons {
namespace {
struct Tube {
    int fd[2] = {-1, -1};
    Tube()
    {
        if (pipe(fd) != 0)
            throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    void fermer(int i)
    {
        if (fd[i] >= 0)
            close(fd[i]);
        fd[i] = -1;
    }
    ~Tube()
    {
        fermer(0);
        fermer(1);
    }
};

// Starts `argv` with `cote` of `tube` as its descriptor `cible` (0 or 1).
pid_t lancer(const std::vector<std::string>& argv, Tube& tube, int cote, int cible)
{
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, tube.fd[cote], cible);
    posix_spawn_file_actions_addclose(&actions, tube.fd[0]);
    posix_spawn_file_actions_addclose(&actions, tube.fd[1]);
    pid_t pid = 0;
    const int erreur = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (erreur != 0)
        throw std::runtime_error("cannot run " + argv[0] + ": " + std::strerror(erreur));
    tube.fermer(cote);
    return pid;
}

void attendre_fin(pid_t pid, const std::string& nom)
{
    int statut = 0;
    while (waitpid(pid, &statut, 0) < 0)
        if (errno != EINTR)
            throw std::runtime_error("waitpid: " + std::string(std::strerror(errno)));
    if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0)
        throw std::runtime_error(nom + " failed (status " + std::to_string(statut) + ")");
}
}  // namespace

std::vector<std::uint8_t> lire_sortie(const std::vector<std::string>& argv)
{
    Tube tube;
    const pid_t pid = lancer(argv, tube, 1, 1);
    std::vector<std::uint8_t> sortie;
    std::uint8_t bloc[65536];
    for (;;) {
        const ssize_t n = read(tube.fd[0], bloc, sizeof bloc);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        sortie.insert(sortie.end(), bloc, bloc + n);
    }
    attendre_fin(pid, argv[0]);
    return sortie;
}

void ecrire_entree(const std::vector<std::string>& argv, const std::vector<std::uint8_t>& entree)
{
    Tube tube;
    const pid_t pid = lancer(argv, tube, 0, 0);
    std::size_t fait = 0;
    while (fait < entree.size()) {
        const ssize_t n = write(tube.fd[1], entree.data() + fait, entree.size() - fait);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;  // the program left early: its status says why
        fait += static_cast<std::size_t>(n);
    }
    tube.fermer(1);
    attendre_fin(pid, argv[0]);
}
}  // namespace sons
