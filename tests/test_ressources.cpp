// Every picture taken away in turn, and damaged ones: the game plays on without it,
// says once which picture it skipped, and never crashes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "partie_scriptee.hpp"

namespace fs = std::filesystem;

namespace {

// A short game that needs the picture, chosen by what shows it.
enum class Script {
    // The food's own level, from its track, sorted right, then the next level.
    Aliment,
    // Level 6 on the easy track: pause, rules, a time-up, a lost walk, a won walk,
    // then the track-end picture early in level 7. Every other picture is needed here.
    Tour,
    // Level 19 won, then the end picture.
    Fin,
};

struct Cas {
    std::string image;  // relative to the game directory
    Script script;
};

// What CTest shows beside each case's name.
void PrintTo(const Cas& c, std::ostream* os) { *os << c.image; }

std::vector<Cas> toutes_les_images()
{
    std::vector<Cas> cas;
    for (const Aliment& a : catalogue_aliments)
        cas.push_back({std::string(a.image), Script::Aliment});
    for (const char* nom : image::TOUTES)
        cas.push_back({nom, std::string(nom) == image::FINI ? Script::Fin : Script::Tour});
    return cas;
}

// "photo/fond.bmp" -> "fond", for the test's name.
std::string nom_de_test(const std::string& image)
{
    std::string nom = fs::path(image).stem().string();
    std::replace_if(nom.begin(), nom.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return nom;
}

// A game directory whose photo/ is a real directory with one link per picture, so that
// one of them can be taken away or replaced.
struct PartieSansUneImage {
    DossierDeJeu dossier{false};
    PlateformeScriptee p;
    std::string attendu;  // the level file after the game

    explicit PartieSansUneImage(const Cas& c)
    {
        const fs::path source = GRIGNOTIN_RUN_DIR;
        fs::create_directory(dossier.chemin() / "photo");
        for (const auto& f : fs::directory_iterator(source / "photo"))
            if ("photo/" + f.path().filename().string() != c.image)
                fs::create_symlink(f.path(), dossier.chemin() / "photo" / f.path().filename());
        fs::create_symlink(source / FICHIER_POLICE, dossier.chemin() / FICHIER_POLICE);
        scripter(c);
    }

    void scripter(const Cas& c)
    {
        switch (c.script) {
        case Script::Aliment: {
            const auto it = std::find_if(catalogue_aliments.begin(), catalogue_aliments.end(),
                                         [&](const Aliment& a) { return a.image == c.image; });
            const auto i = static_cast<std::int32_t>(it - catalogue_aliments.begin());
            const std::int32_t niveau = i - i % 5;
            dossier.ecrire_fichier_niveau(std::to_string(niveau));
            p.touche(niveau < 30 ? SDLK_KP1 : niveau < 60 ? SDLK_KP2 : SDLK_KP3);
            trier(p, niveau).touche(SDLK_s).touche(SDLK_ESCAPE);
            attendu = std::to_string(niveau + 5);
            break;
        }
        case Script::Tour:
            dossier.ecrire_fichier_niveau("25");
            tous_les_ecrans(p);
            attendu = "30";
            break;
        case Script::Fin:
            dossier.ecrire_fichier_niveau("90");
            fin_du_jeu(p);
            attendu = "95";
            break;
        }
    }

    // Plays the game and checks it went through with exactly one line, naming `image`.
    void jouer_et_verifier(const std::string& image)
    {
        testing::internal::CaptureStderr();
        int statut = -1;
        try {
            statut = ::jouer(p);
        } catch (const ScriptEpuise& e) {
            ADD_FAILURE() << e.what();
        }
        const std::string erreur = testing::internal::GetCapturedStderr();
        EXPECT_EQ(statut, 0);
        EXPECT_EQ(p.restants(), 1u) << "only Escape's release is left";
        EXPECT_EQ(dossier.fichier_niveau(), attendu);
        EXPECT_EQ(std::count(erreur.begin(), erreur.end(), '\n'), 1) << erreur;
        EXPECT_EQ(erreur.rfind("grignotin: IMG_Load: " + image + ": ", 0), 0u) << erreur;
        EXPECT_NE(erreur.find("(picture skipped)"), std::string::npos) << erreur;
    }
};

class ImageManquante : public testing::TestWithParam<Cas> {};

}  // namespace

TEST(ImageManquante, LaListeCouvreChaqueFichierDuDossierPhoto)
{
    std::vector<std::string> listees, presentes;
    for (const Cas& c : toutes_les_images())
        listees.push_back(c.image);
    for (const auto& f : fs::directory_iterator(fs::path(GRIGNOTIN_RUN_DIR) / "photo"))
        presentes.push_back("photo/" + f.path().filename().string());
    std::sort(listees.begin(), listees.end());
    std::sort(presentes.begin(), presentes.end());
    EXPECT_EQ(listees.size(), 113u);
    EXPECT_EQ(listees, presentes);
}

TEST_P(ImageManquante, LaPartieVaJusquAuBoutEtLeDitUneFois)
{
    PartieSansUneImage partie(GetParam());
    partie.jouer_et_verifier(GetParam().image);
}

INSTANTIATE_TEST_SUITE_P(Ressources, ImageManquante, testing::ValuesIn(toutes_les_images()),
                         [](const testing::TestParamInfo<Cas>& i) { return nom_de_test(i.param.image); });

namespace {

std::string octets_de(const std::string& image)
{
    std::ifstream f(fs::path(GRIGNOTIN_RUN_DIR) / image, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// The same picture, damaged: what a bad copy, a full disk or a stray editor leaves.
struct Abime {
    const char* nom;
    Cas cas;
    std::string (*contenu)(const std::string& original);
};

const Abime ABIMES[] = {
    {"Vide", {image::FOND, Script::Tour}, [](const std::string&) { return std::string(); }},
    {"EnteteSeule", {image::BIDOU, Script::Tour}, [](const std::string& o) { return o.substr(0, 54); }},
    {"CoupeeEnDeux", {image::REGLE, Script::Tour}, [](const std::string& o) { return o.substr(0, o.size() / 2); }},
    {"DernierOctetPerdu", {std::string(catalogue_aliments[27].image), Script::Aliment},
     [](const std::string& o) { return o.substr(0, o.size() - 1); }},
    {"Bruit", {image::GAMELLE_VIDE, Script::Tour},
     [](const std::string& o) {
         std::string s(o.size(), '\0');
         for (std::size_t i = 0; i < s.size(); ++i)
             s[i] = static_cast<char>((i * 2654435761u) >> 13);
         return s;
     }},
    {"DimensionsGeantes", {image::PAUSE, Script::Tour},
     [](const std::string& o) {
         // 100 000 x 100 000 pixels announced in the header, the rest as it was.
         std::string s = o;
         for (int octet = 0; octet < 4; ++octet) {
             s[18 + octet] = static_cast<char>((100000 >> (8 * octet)) & 0xff);
             s[22 + octet] = static_cast<char>((100000 >> (8 * octet)) & 0xff);
         }
         return s;
     }},
    {"ProfondeurInconnue", {image::BIDOU_GAUCHE, Script::Tour},
     [](const std::string& o) {
         std::string s = o;
         s[28] = 7;  // 7 bits a pixel
         return s;
     }},
};

void PrintTo(const Abime& a, std::ostream* os) { *os << a.cas.image; }

class ImageAbimee : public testing::TestWithParam<Abime> {};

}  // namespace

TEST_P(ImageAbimee, SauteeCommeUneImageManquante)
{
    const Abime& a = GetParam();
    PartieSansUneImage partie(a.cas);
    std::ofstream(partie.dossier.chemin() / a.cas.image, std::ios::binary) << a.contenu(octets_de(a.cas.image));
    partie.jouer_et_verifier(a.cas.image);
}

INSTANTIATE_TEST_SUITE_P(Ressources, ImageAbimee, testing::ValuesIn(ABIMES),
                         [](const testing::TestParamInfo<Abime>& i) { return std::string(i.param.nom); });

TEST(ImageIllisible, UnDossierALaPlaceDuFichier)
{
    // Unreadable for root too, unlike permissions.
    const Cas cas{image::TEMPS_FINI, Script::Tour};
    PartieSansUneImage partie(cas);
    fs::create_directory(partie.dossier.chemin() / cas.image);
    partie.jouer_et_verifier(cas.image);
}

TEST(ImageIllisible, UnLienVersRien)
{
    const Cas cas{image::DEBUT2, Script::Tour};
    PartieSansUneImage partie(cas);
    fs::create_symlink(partie.dossier.chemin() / "ailleurs.bmp", partie.dossier.chemin() / cas.image);
    partie.jouer_et_verifier(cas.image);
}

TEST(ImageIllisible, SansLeDroitDeLire)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads through permissions; UnDossierALaPlaceDuFichier covers an unreadable picture";
    const Cas cas{image::DIFFICULTE, Script::Tour};
    PartieSansUneImage partie(cas);
    const fs::path copie = partie.dossier.chemin() / cas.image;
    std::ofstream(copie, std::ios::binary) << octets_de(cas.image);
    fs::permissions(copie, fs::perms::none);
    partie.jouer_et_verifier(cas.image);
}
