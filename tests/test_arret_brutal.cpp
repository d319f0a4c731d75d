// The level file survives the game being killed at any moment of a write.
#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <set>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "dossier_de_jeu.hpp"
#include "rules/niveau.hpp"

TEST(ArretBrutal, LeFichierTientToujoursUneValeurEcrite)
{
    DossierDeJeu dossier(false);
    std::set<std::string> ecrites;
    for (int v = 0; v <= NIVEAU_FINI; v += 5)
        ecrites.insert(std::to_string(v));
    ASSERT_FALSE(ecrire_niveau(0));

    std::mt19937 hasard(20261207);
    std::uniform_int_distribution<int> delai_us(0, 3000);
    const int arrets = std::getenv("GRIGNOTIN_ARRETS") ? std::atoi(std::getenv("GRIGNOTIN_ARRETS")) : 1000;
    for (int i = 0; i < arrets; ++i) {
        const pid_t enfant = ::fork();
        ASSERT_GE(enfant, 0);
        if (enfant == 0) {
            for (std::int32_t v = 0;; v = (v + 5) % (NIVEAU_FINI + 5))
                (void)ecrire_niveau(v);
        }
        ::usleep(static_cast<useconds_t>(delai_us(hasard)));
        ::kill(enfant, SIGKILL);
        int etat = 0;
        ASSERT_EQ(::waitpid(enfant, &etat, 0), enfant);
        const std::string contenu = dossier.fichier_niveau();
        ASSERT_TRUE(ecrites.count(contenu)) << "after kill " << i << ": \"" << contenu << '"';
    }
}
