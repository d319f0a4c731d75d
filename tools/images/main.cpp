// grignotin_images: writes every picture the game loads.
//
//   grignotin_images --emoji F --andika F --andika-gras F --sortie DIR
//       DIR/photo/*.bmp (the game font is police.py's)
//   ... --planche F.png     also one PNG showing every picture, with DIR's font
//   ... --icones DIR        only the desktop icons, DIR/<n>x<n>/apps/grignotin.png
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

#include "aliments.hpp"
#include "bmp.hpp"
#include "draw/noms_images.hpp"
#include "ecrans.hpp"
#include "personnages.hpp"
#include "planche.hpp"

namespace fs = std::filesystem;

namespace images {
namespace {
// Writes through a temporary name, so that an interrupted build never leaves a half
// picture that the next build would take as up to date.
void ecrire(const fs::path& f, const std::vector<std::uint8_t>& octets)
{
    fs::create_directories(f.parent_path());
    const fs::path tmp = f.string() + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
        if (!out)
            throw std::runtime_error("cannot write " + tmp.string());
    }
    fs::rename(tmp, f);
}

struct Options {
    std::map<std::string, std::string> valeurs;
    const std::string& exiger(const std::string& cle) const
    {
        auto i = valeurs.find(cle);
        if (i == valeurs.end())
            throw std::runtime_error("missing option --" + cle);
        return i->second;
    }
};

Options lire_options(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (!a.starts_with("--") || i + 1 >= argc)
            throw std::runtime_error("usage: grignotin_images --emoji F --andika F --andika-gras F "
                                     "(--sortie DIR [--planche F.png] | --icones DIR)");
        o.valeurs[a.substr(2)] = argv[++i];
    }
    return o;
}
}  // namespace
}  // namespace images

int main(int argc, char** argv)
try {
    using namespace images;
    const auto debut = std::chrono::steady_clock::now();
    const Options o = lire_options(argc, argv);
    Emojis emojis(o.exiger("emoji"));
    const Police texte(o.exiger("andika"));
    const Police gras(o.exiger("andika-gras"));
    Atelier atelier{emojis, texte, gras};

    if (o.valeurs.count("icones")) {
        // The desktop's icon theme sizes, all from the same Bidou as the window icon.
        for (int cote : {16, 24, 32, 48, 64, 128, 256}) {
            const fs::path png = fs::path(o.valeurs.at("icones")) /
                                 (std::to_string(cote) + "x" + std::to_string(cote)) / "apps" / "grignotin.png";
            fs::create_directories(png.parent_path());
            if (cairo_surface_write_to_png(icone(cote).get(), png.c_str()) != CAIRO_STATUS_SUCCESS)
                throw std::runtime_error("cannot write " + png.string());
        }
        return 0;
    }

    std::vector<Image> images = images_ecrans(atelier);
    for (auto* partie : {images_personnages, images_aliments})
        for (Image& im : partie(atelier))
            images.push_back(std::move(im));
    const fs::path sortie = o.exiger("sortie");
    std::vector<Pixels> pixels;
    for (const Image& im : images) {
        pixels.push_back(aplatir(im.surface.get(), im.cle));
        ecrire(sortie / im.nom, en_bmp(pixels.back()));
    }
    if (o.valeurs.count("planche"))
        ecrire_planche(o.valeurs.at("planche"), images, pixels, texte, Police(sortie / FICHIER_POLICE));

    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - debut);
    std::printf("grignotin_images: %zu pictures in %lld ms\n", images.size(), static_cast<long long>(ms.count()));
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "grignotin_images: %s\n", e.what());
    return 1;
}
