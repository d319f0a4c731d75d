// Pictures missing or damaged: the loader turns every failure into a null picture and
// one line naming it, the board leaves that food's place empty, and whole games with
// many pictures gone play through to the end, saying once which ones they skipped.
//
// Each drawing function's own picture missing (bowls and bins, the walk back, pause,
// rules) is checked pixel by pixel beside that function's other tests.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ecran_de_test.hpp"
#include "partie_scriptee.hpp"

namespace fs = std::filesystem;

namespace {

const fs::path SOURCE = GRIGNOTIN_RUN_DIR;

std::vector<std::string> toutes_les_images()
{
    std::vector<std::string> noms;
    for (const Aliment& a : catalogue_aliments)
        noms.emplace_back(a.image);
    for (const char* nom : image::TOUTES)
        noms.emplace_back(nom);
    return noms;
}

std::string octets_de(const std::string& image)
{
    std::ifstream f(SOURCE / image, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// The lines of what the game wrote on standard error.
std::vector<std::string> lignes(const std::string& texte)
{
    std::vector<std::string> l;
    std::istringstream flux(texte);
    for (std::string ligne; std::getline(flux, ligne);)
        l.push_back(ligne);
    return l;
}

// True when `ligne` is the loader's report of `image`.
bool signale(const std::string& ligne, const std::string& image)
{
    return ligne.rfind("grignotin: IMG_Load: " + image + ": ", 0) == 0 &&
           ligne.ends_with(" (picture skipped)");
}

}  // namespace

TEST(ImageManquante, LaListeCouvreChaqueFichierDuDossierPhoto)
{
    std::vector<std::string> listees = toutes_les_images(), presentes;
    for (const auto& f : fs::directory_iterator(SOURCE / "photo"))
        presentes.push_back("photo/" + f.path().filename().string());
    std::sort(listees.begin(), listees.end());
    std::sort(presentes.begin(), presentes.end());
    EXPECT_EQ(listees.size(), 127u);
    EXPECT_EQ(listees, presentes);
}

// ---- Every way a picture can fail to load, at the loader ---------------------------

namespace {

// What a bad copy, a full disk, a stray editor or a broken install leaves in place of a
// picture; the picture itself is food 27's tile, a 24-bit BMP like every other.
struct Echec {
    const char* nom;
    void (*preparer)(const fs::path& fichier, const std::string& original);
};

void ecrire(const fs::path& fichier, const std::string& octets)
{
    std::ofstream(fichier, std::ios::binary) << octets;
}

const Echec ECHECS[] = {
    {"Absente", [](const fs::path&, const std::string&) {}},
    {"Vide", [](const fs::path& f, const std::string&) { ecrire(f, ""); }},
    {"EnteteSeule", [](const fs::path& f, const std::string& o) { ecrire(f, o.substr(0, 54)); }},
    {"CoupeeEnDeux", [](const fs::path& f, const std::string& o) { ecrire(f, o.substr(0, o.size() / 2)); }},
    {"DernierOctetPerdu", [](const fs::path& f, const std::string& o) { ecrire(f, o.substr(0, o.size() - 1)); }},
    {"Bruit",
     [](const fs::path& f, const std::string& o) {
         std::string s(o.size(), '\0');
         for (std::size_t i = 0; i < s.size(); ++i)
             s[i] = static_cast<char>((i * 2654435761u) >> 13);
         ecrire(f, s);
     }},
    {"DimensionsGeantes",
     [](const fs::path& f, const std::string& o) {
         // 100 000 x 100 000 pixels announced in the header, the rest as it was.
         std::string s = o;
         for (int octet = 0; octet < 4; ++octet) {
             s[18 + octet] = static_cast<char>((100000 >> (8 * octet)) & 0xff);
             s[22 + octet] = static_cast<char>((100000 >> (8 * octet)) & 0xff);
         }
         ecrire(f, s);
     }},
    {"ProfondeurInconnue",
     [](const fs::path& f, const std::string& o) {
         std::string s = o;
         s[28] = 7;  // 7 bits a pixel
         ecrire(f, s);
     }},
    // Unreadable for root too, unlike permissions.
    {"UnDossier", [](const fs::path& f, const std::string&) { fs::create_directory(f); }},
    {"UnLienVersRien", [](const fs::path& f, const std::string&) { fs::create_symlink(f.parent_path() / "ailleurs.bmp", f); }},
    {"SansLeDroitDeLire",
     [](const fs::path& f, const std::string& o) {
         ecrire(f, o);
         fs::permissions(f, fs::perms::none);
     }},
};

void PrintTo(const Echec& e, std::ostream* os) { *os << e.nom; }

class Chargement : public testing::TestWithParam<Echec> {};

}  // namespace

TEST_P(Chargement, ImageNulleEtUneLigneUneFoisParPartie)
{
    const Echec& e = GetParam();
    if (std::string(e.nom) == "SansLeDroitDeLire" && ::geteuid() == 0)
        GTEST_SKIP() << "root reads through permissions; UnDossier covers an unreadable picture";
    const std::string nom(catalogue_aliments[27].image);
    DossierDeJeu dossier{false};
    fs::create_directory("photo");
    e.preparer(dossier.chemin() / nom, octets_de(nom));
    oublier_images_signalees();

    testing::internal::CaptureStderr();
    const Surface premiere = charger_image(nom.c_str());
    const Surface cle = charger_image_cle(nom.c_str());  // the keyed loader fails the same way
    const std::vector<std::string> une_partie = lignes(testing::internal::GetCapturedStderr());
    testing::internal::CaptureStderr();
    oublier_images_signalees();  // as a new game does
    const Surface nouvelle_partie = charger_image(nom.c_str());
    const std::vector<std::string> apres = lignes(testing::internal::GetCapturedStderr());

    EXPECT_EQ(premiere, nullptr);
    EXPECT_EQ(cle, nullptr);
    EXPECT_EQ(nouvelle_partie, nullptr);
    ASSERT_EQ(une_partie.size(), 1u) << "once however often it is loaded";
    EXPECT_TRUE(signale(une_partie[0], nom)) << une_partie[0];
    ASSERT_EQ(apres.size(), 1u) << "said again in the next game";
    EXPECT_TRUE(signale(apres[0], nom)) << apres[0];
}

INSTANTIATE_TEST_SUITE_P(Ressources, Chargement, testing::ValuesIn(ECHECS),
                         [](const testing::TestParamInfo<Echec>& i) { return std::string(i.param.nom); });

TEST(Chargement, UneImageIntacteSansRienDire)
{
    // The control for the table above: the same picture, whole, loads and says nothing.
    const std::string nom(catalogue_aliments[27].image);
    DossierDeJeu dossier;
    oublier_images_signalees();
    testing::internal::CaptureStderr();
    const Surface image = charger_image_cle(nom.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->flags & SDL_SRCCOLORKEY);
}

// ---- Every food's picture missing, on the board --------------------------------------

class AlimentManquant : public EcranDeTest {};

TEST_F(AlimentManquant, SaPlaceResteVideLesQuatreAutresSontLa)
{
    constexpr Rvb BLANC = 0xFFFFFF;
    Tableau tableau = tableau_initial();
    remplir_tableau(tableau);
    for (std::int32_t i = 0; i < NB_ALIMENTS; ++i) {
        const std::string nom(catalogue_aliments[static_cast<std::size_t>(i)].image);
        SCOPED_TRACE(nom);
        const std::int32_t niveau = i - i % ALIMENTS_PAR_NIVEAU;
        // Only the level's other four pictures are there.
        fs::remove_all("photo");
        fs::create_directory("photo");
        for (std::int32_t j = niveau; j < niveau + ALIMENTS_PAR_NIVEAU; ++j)
            if (j != i)
                fs::create_symlink(SOURCE / catalogue_aliments[static_cast<std::size_t>(j)].image,
                                   catalogue_aliments[static_cast<std::size_t>(j)].image);
        peindre(BLANC);
        oublier_images_signalees();

        testing::internal::CaptureStderr();
        afficher_aliment(ecran, tableau, niveau);
        const std::vector<std::string> dit = lignes(testing::internal::GetCapturedStderr());

        ASSERT_EQ(dit.size(), 1u);
        EXPECT_TRUE(signale(dit[0], nom)) << dit[0];
        for (std::int32_t k = 0; k < ALIMENTS_PAR_NIVEAU; ++k) {
            const int y0 = Y_ALIMENT_0 + HAUTEUR_RANGEE * k;
            if (niveau + k == i) {
                int peints = 0;
                for (int y = y0; y < y0 + 81; ++y)
                    for (int x = X_ALIMENT; x < X_ALIMENT + 70; ++x)
                        peints += pixel(x, y) != BLANC;
                EXPECT_EQ(peints, 0) << "row " << k;
            } else {
                const Photo aliment(std::string(catalogue_aliments[static_cast<std::size_t>(niveau + k)].image).c_str());
                EXPECT_TRUE(aliment.sur(ecran, X_ALIMENT, y0)) << "row " << k;
            }
        }
    }
}

// ---- Whole games with many pictures gone -------------------------------------------

namespace {

// A game directory whose photo/ holds links to every picture but `absentes`.
struct PartieSansImages {
    DossierDeJeu dossier{false};
    PlateformeScriptee p;

    explicit PartieSansImages(const std::set<std::string>& absentes)
    {
        fs::create_directory(dossier.chemin() / "photo");
        for (const std::string& image : toutes_les_images())
            if (!absentes.count(image))
                fs::create_symlink(SOURCE / image, dossier.chemin() / image);
        fs::create_symlink(SOURCE / FICHIER_POLICE, dossier.chemin() / FICHIER_POLICE);
    }

    // Plays to the end and checks the file and that each absent picture was named once.
    void jouer_et_verifier(const std::set<std::string>& absentes, const std::string& attendu)
    {
        testing::internal::CaptureStderr();
        int statut = -1;
        try {
            statut = ::jouer(p);
        } catch (const ScriptEpuise& e) {
            ADD_FAILURE() << e.what();
        }
        const std::vector<std::string> dit = lignes(testing::internal::GetCapturedStderr());
        EXPECT_EQ(statut, 0);
        EXPECT_EQ(p.restants(), 1u) << "only Escape's release is left";
        EXPECT_EQ(dossier.fichier_niveau(), attendu);
        std::multiset<std::string> nommees;
        for (const std::string& ligne : dit) {
            const auto image = std::find_if(absentes.begin(), absentes.end(),
                                            [&](const std::string& a) { return signale(ligne, a); });
            EXPECT_NE(image, absentes.end()) << "unexpected: " << ligne;
            if (image != absentes.end())
                nommees.insert(*image);
        }
        EXPECT_EQ(nommees, std::multiset<std::string>(absentes.begin(), absentes.end()));
    }
};

std::set<std::string> aliments_du_niveau(std::int32_t niveau)
{
    std::set<std::string> noms;
    for (std::int32_t i = niveau; i < niveau + ALIMENTS_PAR_NIVEAU; ++i)
        noms.emplace(catalogue_aliments[static_cast<std::size_t>(i)].image);
    return noms;
}

}  // namespace

TEST(ImagesManquantes, ToutLeTourSansAucuneImageDEcranNiLesAlimentsDuNiveau)
{
    // Level 6 on the easy track through every screen but the end: pause, rules, a
    // time-up, a lost walk, a won walk, the track-end picture early in level 7.
    // Only what this desktop run loads can be named: not the touch versions of the
    // pictures. The speaker, on and muted, is loaded at start-up with the other buttons.
    std::set<std::string> absentes = aliments_du_niveau(25);
    for (const char* nom : image::TOUTES) {
        const bool tactile = std::any_of(std::begin(image::TOUTES), std::end(image::TOUTES),
                                         [&](const char* autre) { return autre != nom && image::pour(autre, true) == nom; });
        if (std::string(nom) != image::FINI && !tactile)
            absentes.emplace(nom);
    }
    PartieSansImages partie(absentes);
    partie.dossier.ecrire_fichier_niveau("25");
    tous_les_ecrans(partie.p);
    partie.jouer_et_verifier(absentes, "30");
}

TEST(ImagesManquantes, LaFinSansSonImageNiLesAlimentsDuDernierNiveau)
{
    std::set<std::string> absentes = aliments_du_niveau(90);
    absentes.emplace(image::FINI);
    PartieSansImages partie(absentes);
    partie.dossier.ecrire_fichier_niveau("90");
    fin_du_jeu(partie.p);
    partie.jouer_et_verifier(absentes, "95");
}
