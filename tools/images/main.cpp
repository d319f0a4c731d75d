// grignotin_images: writes every picture the game loads and its font.
//
//   grignotin_images --emoji F --andika F --andika-gras F --licence OFL.txt --sortie DIR
//       DIR/photo/*.bmp, DIR/angelina.ttf and its licence beside it
//   ... --planche F.png     also one PNG showing every picture
//   ... --icones DIR        only the desktop icons, DIR/<n>x<n>/apps/grignotin.png
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>

#include "aliments.hpp"
#include "bmp.hpp"
#include "draw/noms_images.hpp"
#include "ecrans.hpp"
#include "personnages.hpp"
#include "planche.hpp"
#include "police.hpp"

namespace fs = std::filesystem;

namespace images {
namespace {
std::vector<std::uint8_t> lire(const fs::path& f)
{
    std::ifstream in(f, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + f.string());
    return {std::istreambuf_iterator<char>(in), {}};
}

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

// 62 % of Andika's size: the widest score-panel line at 48 points then takes 370 of
// its 395 pixels, the score box 184 of its 200, and a line fits the panel's 40 rows.
constexpr double ECHELLE_POLICE = 0.62;

void ecrire_police(const Options& o, const fs::path& sortie)
{
    const std::string andika = o.exiger("andika");
    const auto original = lire(andika);
    std::string version;
    for (const auto& [id, texte] : noms_police(original))
        if (id == 5)
            version = texte;
    // About a pixel above and below the Latin-1 ink (60 units are 0.9 px at 48 points).
    // The font has no hinting, so outlines stand at fractional heights, and SDL_ttf
    // places each glyph's picture by its rounded-down top: a glyph may reach a pixel
    // higher, or sit a pixel lower, than its ink, and must not be cut by the box.
    Etendue ligne = etendue_latin1(andika);
    ligne.haut += 60;
    ligne.bas -= 60;
    const auto reduite = reduire_police(
        original, {ECHELLE_POLICE, ligne, "Angelina",
                   "Andika (" + version + ") made smaller within its em for the fixed text sizes of Grignotin"});
    ecrire(sortie / FICHIER_POLICE, reduite);

    const auto ofl = lire(o.exiger("licence"));
    const std::string preface =
        std::string(FICHIER_POLICE) + " is a Modified Version of the font Andika " + version +
        " by SIL International\n(Debian package fonts-sil-andika), made by the Grignotin build: every glyph drawn\nat " +
        std::to_string(static_cast<int>(ECHELLE_POLICE * 100)) +
        " % of its size inside the em, the line cut to what Latin-1 needs, its hinting\ninstructions "
        "removed, and the family renamed Angelina, since \"Andika\" and \"SIL\"\nare Reserved Font "
        "Names. It is under the same "
        "licence as the original, which follows.\n\n";
    std::vector<std::uint8_t> texte(preface.begin(), preface.end());
    texte.insert(texte.end(), ofl.begin(), ofl.end());
    ecrire(sortie / "angelina-OFL.txt", texte);
}

Options lire_options(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (!a.starts_with("--") || i + 1 >= argc)
            throw std::runtime_error("usage: grignotin_images --emoji F --andika F --andika-gras F "
                                     "--licence OFL.txt (--sortie DIR [--planche F.png] | --icones DIR)");
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
    ecrire_police(o, sortie);
    if (o.valeurs.count("planche"))
        ecrire_planche(o.valeurs.at("planche"), images, pixels, texte, Police(sortie / FICHIER_POLICE));

    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - debut);
    std::printf("grignotin_images: %zu pictures in %lld ms\n", images.size(), static_cast<long long>(ms.count()));
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "grignotin_images: %s\n", e.what());
    return 1;
}
