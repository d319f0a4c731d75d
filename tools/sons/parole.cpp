#include "parole.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "fiches.hpp"
#include "latin1.hpp"
#include "flow/messages.hpp"
#include "flow/sons.hpp"
#include "flow/textes.hpp"
#include "processus.hpp"
#include "rules/catalogue.hpp"

namespace sons {
namespace {
std::uint32_t lire32(const std::vector<std::uint8_t>& o, std::size_t i)
{
    return o[i] | (o[i + 1] << 8) | (o[i + 2] << 16) | (std::uint32_t{o[i + 3]} << 24);
}

// espeak-ng's WAV on its standard output: 16-bit mono at FREQUENCE. Written as a stream,
// its sizes may be placeholders, so the data runs to the end of what was read.
Signal lire_wav(const std::vector<std::uint8_t>& o)
{
    if (o.size() < 12 || std::memcmp(o.data(), "RIFF", 4) != 0 || std::memcmp(o.data() + 8, "WAVE", 4) != 0)
        throw std::runtime_error("espeak-ng wrote no WAV");
    std::size_t i = 12;
    bool format_vu = false;
    while (i + 8 <= o.size()) {
        const std::uint32_t taille = lire32(o, i + 4);
        if (std::memcmp(o.data() + i, "fmt ", 4) == 0 && i + 24 <= o.size()) {
            const unsigned canaux = o[i + 10] | (o[i + 11] << 8), bits = o[i + 22] | (o[i + 23] << 8);
            if (canaux != 1 || bits != 16 || lire32(o, i + 12) != FREQUENCE)
                throw std::runtime_error("espeak-ng wrote another format than 16-bit mono at " +
                                         std::to_string(FREQUENCE) + " Hz");
            format_vu = true;
        } else if (std::memcmp(o.data() + i, "data", 4) == 0) {
            if (!format_vu)
                break;
            const std::size_t fin = std::min<std::size_t>(o.size(), i + 8 + std::size_t{taille});
            Signal s;
            for (std::size_t k = i + 8; k + 1 < fin; k += 2)
                s.push_back(static_cast<std::int16_t>(o[k] | (o[k + 1] << 8)) / 32768.0f);
            return s;
        }
        i += 8 + taille + (taille & 1);
    }
    throw std::runtime_error("espeak-ng's WAV holds no data");
}

// The silence around the words, cut to 40 ms each side, with 10 ms fades.
Signal rogner(const Signal& s)
{
    const float seuil = 0.01f;
    auto debut = std::find_if(s.begin(), s.end(), [&](float v) { return std::abs(v) > seuil; });
    auto fin = std::find_if(s.rbegin(), s.rend(), [&](float v) { return std::abs(v) > seuil; }).base();
    if (debut >= fin)
        return {};
    const std::ptrdiff_t marge = FREQUENCE / 25;
    debut -= std::min(marge, debut - s.begin());
    fin += std::min(marge, s.end() - fin);
    Signal r(debut, fin);
    const std::size_t fondu = std::min<std::size_t>(FREQUENCE / 100, r.size() / 2);
    for (std::size_t k = 0; k < fondu; ++k) {
        const float g = static_cast<float>(k) / static_cast<float>(fondu);
        r[k] *= g;
        r[r.size() - 1 - k] *= g;
    }
    return r;
}

}  // namespace

Signal dire(const Voix& voix, const std::string& texte)
{
    Signal s = rogner(lire_wav(lire_sortie({voix.programme, "-v", voix.variante, "-p", std::to_string(voix.hauteur), "-s",
                                            std::to_string(voix.debit), "-g", std::to_string(voix.pause_mots),
                                            "--stdout", texte})));
    if (s.empty())
        throw std::runtime_error("espeak-ng said nothing for \"" + texte + "\"");
    normaliser(s);
    return s;
}

std::string etiquette_parlee(std::string_view nom)
{
    std::string s(nom);
    std::erase(s, '|');
    return s;
}

std::string ecart_au_catalogue(const std::vector<std::string_view>& fichiers)
{
    if (fichiers.size() != catalogue_aliments.size())
        return "the labels list " + std::to_string(fichiers.size()) + " foods, the catalogue " +
               std::to_string(catalogue_aliments.size());
    for (std::size_t i = 0; i < fichiers.size(); ++i) {
        const std::string attendu = "photo/" + std::string(fichiers[i]) + ".bmp";
        if (catalogue_aliments[i].image != attendu)
            return "food " + std::to_string(i) + ": the labels name " + attendu + ", the catalogue " +
                   std::string(catalogue_aliments[i].image);
    }
    return {};
}

std::vector<Phrase> phrases()
{
    std::vector<std::string_view> fichiers;
    for (const images::Fiche& f : images::fiches())
        fichiers.push_back(f.fichier);
    if (const std::string ecart = ecart_au_catalogue(fichiers); !ecart.empty())
        throw std::runtime_error(ecart);

    std::vector<Phrase> p;
    for (std::size_t i = 0; i < images::fiches().size(); ++i)
        p.push_back({son::aliment(i), etiquette_parlee(images::fiches()[i].nom)});
    using namespace texte;
    p.push_back({son::VOIX_GAGNE, images::latin1_vers_utf8(MESSAGE_GAGNE)});
    p.push_back({son::VOIX_PERDU, images::latin1_vers_utf8(MESSAGE_PERDU)});
    const std::string t = " ";  // between two sentences
    p.push_back({son::VOIX_TEMPS_FINI, TEMPS_ECOULE + t + SECONDES_PASSEES});
    // What each picture says that matters most, in under 6 s: a child waits for no more.
    p.push_back({son::VOIX_FIN_DE_PISTE, BRAVO + t + PARCOURS_FINI});
    p.push_back({son::VOIX_FINI, JEU_TERMINE + t + EN_FORME});
    p.push_back({son::VOIX_CARTES, CHOISIS_PARCOURS + std::string(" : ") + PISTE_FACILE + ", " + PISTE_MOYENNE + " ou " +
                                       PISTE_DIFFICILE + "."});
    // The lines as the picture shows them, each column said as one sentence; on a touch
    // screen, its own lines, which name no mouse button.
    const auto regles = [&](const char* gamelle, const char* poubelle, const char* temps) {
        return REGLES_TITRE + std::string(". ") + REGLES_FAIM + t + gamelle + ", " + REGLES_BON + ". " + poubelle +
               ", " + REGLES_MAUVAIS + ". " + temps + t + REGLES_REUSSITE + t + REGLES_REUSSITE_SUITE + t +
               REGLES_CROIX + t + REGLES_CROIX_SUITE;
    };
    p.push_back({son::VOIX_REGLES, regles(REGLES_GAMELLE, REGLES_POUBELLE, REGLES_TEMPS)});
    p.push_back({son::VOIX_REGLES_TACTILE,
                 regles(REGLES_GAMELLE_TACTILE, REGLES_POUBELLE_TACTILE, REGLES_TEMPS_TACTILE)});
    return p;
}
}  // namespace sons
