// grignotin_sons: writes every clip the game plays.
//
//   grignotin_sons --sortie DIR [--espeak PROGRAM] [--oggenc PROGRAM]
//       DIR/sons/<nom>.ogg for every name of src/flow/sons.hpp and every food
//
// Prints the number of clips and their total size. Exits with 1, after one line on
// standard error, when a clip cannot be made (the build then stops).
#include <csignal>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "flow/sons.hpp"
#include "parole.hpp"
#include "synthese.hpp"

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    // A program that leaves early shows in its status, not by killing the tool.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        std::map<std::string, std::string> options;
        for (int i = 1; i + 1 < argc; i += 2)
            options[argv[i]] = argv[i + 1];
        if (argc % 2 == 0 || !options.contains("--sortie"))
            throw std::runtime_error("usage: grignotin_sons --sortie DIR [--espeak PROGRAM] [--oggenc PROGRAM]");
        const fs::path dossier = fs::path(options["--sortie"]) / "sons";
        sons::Voix voix;
        if (options.contains("--espeak"))
            voix.programme = options["--espeak"];
        const std::string oggenc = options.contains("--oggenc") ? options["--oggenc"] : "oggenc";

        const std::map<std::string, std::function<sons::Signal()>> effets = {
            {son::CROQUE, sons::croque},       {son::POUBELLE, sons::poubelle}, {son::PAS, sons::pas},
            {son::AIR_GAGNE, sons::air_gagne}, {son::AIR_PERDU, sons::air_perdu}};
        std::size_t clips = 0;
        std::uintmax_t octets = 0;
        auto ecrire = [&](const std::string& nom, const sons::Signal& s) {
            const fs::path f = dossier / (nom + ".ogg");
            sons::ecrire_ogg(oggenc, s, f);
            ++clips;
            octets += fs::file_size(f);
        };
        for (const char* nom : son::EFFETS) {
            auto e = effets.find(nom);
            if (e == effets.end())
                throw std::runtime_error(std::string("no sound is made for ") + nom);
            ecrire(nom, e->second());
        }
        for (const sons::Phrase& p : sons::phrases())
            ecrire(p.nom, sons::dire(voix, p.texte));
        std::printf("grignotin_sons: %zu clips, %ju bytes (%.0f KB) in %s\n", clips, octets,
                    static_cast<double>(octets) / 1024.0, dossier.string().c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "grignotin_sons: %s\n", e.what());
        return 1;
    }
}
