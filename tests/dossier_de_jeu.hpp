// A throw-away working directory for one test: the built pictures, clips and font linked in,
// its own niveau.lvl. The previous working directory comes back when it goes.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

class DossierDeJeu {
public:
    explicit DossierDeJeu(bool avec_ressources = true)
        : avant_(std::filesystem::current_path())
    {
        std::string modele = (std::filesystem::temp_directory_path() / "grignotin-XXXXXX").string();
        chemin_ = ::mkdtemp(modele.data());
        if (avec_ressources) {
            const std::filesystem::path source = GRIGNOTIN_RUN_DIR;
            std::filesystem::create_directory_symlink(source / "photo", chemin_ / "photo");
            std::filesystem::create_symlink(source / "angelina.ttf", chemin_ / "angelina.ttf");
            std::filesystem::create_directory_symlink(source / "sons", chemin_ / "sons");
        }
        std::filesystem::current_path(chemin_);
    }
    ~DossierDeJeu()
    {
        std::filesystem::current_path(avant_);
        std::error_code ignore;
        std::filesystem::permissions(chemin_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignore);
        std::filesystem::remove_all(chemin_, ignore);
    }
    DossierDeJeu(const DossierDeJeu&) = delete;
    DossierDeJeu& operator=(const DossierDeJeu&) = delete;

    const std::filesystem::path& chemin() const { return chemin_; }

    // The level file's bytes, or "(none)" when there is no file.
    std::string fichier_niveau() const
    {
        std::ifstream f(chemin_ / "niveau.lvl", std::ios::binary);
        if (!f)
            return "(none)";
        return {std::istreambuf_iterator<char>(f), {}};
    }
    void ecrire_fichier_niveau(const std::string& octets) const
    {
        std::ofstream(chemin_ / "niveau.lvl", std::ios::binary) << octets;
    }

private:
    std::filesystem::path avant_;
    std::filesystem::path chemin_;
};
