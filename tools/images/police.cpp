#include "police.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <stdexcept>
#include <tuple>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace {
using Octets = std::vector<std::uint8_t>;

std::uint32_t lire16(const Octets& o, std::size_t i)
{
    if (i + 2 > o.size())
        throw std::runtime_error("font file truncated");
    return static_cast<std::uint32_t>(o[i] << 8 | o[i + 1]);
}
std::uint32_t lire32(const Octets& o, std::size_t i) { return lire16(o, i) << 16 | lire16(o, i + 2); }
void ecrire16(Octets& o, std::size_t i, std::uint32_t v)
{
    o[i] = static_cast<std::uint8_t>(v >> 8);
    o[i + 1] = static_cast<std::uint8_t>(v);
}
void ecrire32(Octets& o, std::size_t i, std::uint32_t v)
{
    ecrire16(o, i, v >> 16);
    ecrire16(o, i + 2, v & 0xffff);
}
void ajouter16(Octets& o, std::uint32_t v)
{
    o.push_back(static_cast<std::uint8_t>(v >> 8));
    o.push_back(static_cast<std::uint8_t>(v));
}
void ajouter32(Octets& o, std::uint32_t v)
{
    ajouter16(o, v >> 16);
    ajouter16(o, v & 0xffff);
}

std::map<std::string, Octets> tables(const Octets& ttf)
{
    const std::uint32_t version = lire32(ttf, 0);
    if (version != 0x00010000u)
        throw std::runtime_error("not a TrueType outline font");
    const std::uint32_t n = lire16(ttf, 4);
    std::map<std::string, Octets> t;
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::size_t r = 12 + 16 * i;
        const std::string tag(ttf.begin() + static_cast<long>(r), ttf.begin() + static_cast<long>(r + 4));
        const std::uint32_t debut = lire32(ttf, r + 8), longueur = lire32(ttf, r + 12);
        if (debut + static_cast<std::size_t>(longueur) > ttf.size())
            throw std::runtime_error("font table " + tag + " out of the file");
        t[tag] = Octets(ttf.begin() + debut, ttf.begin() + debut + longueur);
    }
    return t;
}

std::uint32_t somme(const Octets& o)
{
    std::uint32_t s = 0;
    for (std::size_t i = 0; i < o.size(); i += 4) {
        std::uint32_t mot = 0;
        for (std::size_t k = 0; k < 4; ++k)
            mot = mot << 8 | (i + k < o.size() ? o[i + k] : 0);
        s += mot;
    }
    return s;
}

// UTF-16BE, as the Windows platform records hold; our own strings are ASCII and Latin-1.
Octets utf16(const std::string& s)
{
    Octets o;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        std::uint32_t u;
        if (c < 0x80)
            u = c, i += 1;
        else if ((c & 0xe0) == 0xc0 && i + 1 < s.size())
            u = (c & 0x1fu) << 6 | (static_cast<unsigned char>(s[i + 1]) & 0x3fu), i += 2;
        else
            throw std::runtime_error("font names are kept to Latin-1");
        ajouter16(o, u);
    }
    return o;
}

std::string depuis_utf16(const Octets& o)
{
    std::string s;
    for (std::size_t i = 0; i + 1 < o.size(); i += 2) {
        const std::uint32_t u = lire16(o, i);
        if (u < 0x80)
            s += static_cast<char>(u);
        else if (u < 0x800) {
            s += static_cast<char>(0xc0 | (u >> 6));
            s += static_cast<char>(0x80 | (u & 0x3f));
        } else {
            s += static_cast<char>(0xe0 | (u >> 12));
            s += static_cast<char>(0x80 | ((u >> 6) & 0x3f));
            s += static_cast<char>(0x80 | (u & 0x3f));
        }
    }
    return s;
}

struct Nom {
    std::uint32_t plateforme, codage, langue, id;
    Octets texte;
    bool operator<(const Nom& b) const
    {
        return std::tie(plateforme, codage, langue, id) < std::tie(b.plateforme, b.codage, b.langue, b.id);
    }
};

std::vector<Nom> lire_noms(const Octets& name)
{
    const std::uint32_t n = lire16(name, 2), chaines = lire16(name, 4);
    std::vector<Nom> noms;
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::size_t r = 6 + 12 * i;
        Nom nom{lire16(name, r), lire16(name, r + 2), lire16(name, r + 4), lire16(name, r + 6), {}};
        const std::size_t debut = chaines + lire16(name, r + 10), longueur = lire16(name, r + 8);
        if (debut + longueur > name.size())
            throw std::runtime_error("font name record out of its table");
        nom.texte.assign(name.begin() + static_cast<long>(debut),
                         name.begin() + static_cast<long>(debut + longueur));
        noms.push_back(std::move(nom));
    }
    return noms;
}

// One glyph of `glyf` without its hinting instructions: a simple glyph keeps its
// outline with an instruction length of 0; a composite keeps its components and loses
// the instructions that follow them, and the flag that announced them.
Octets glyphe_sans_instructions(const Octets& g)
{
    if (g.empty())
        return g;
    const auto contours = static_cast<std::int16_t>(lire16(g, 0));
    if (contours >= 0) {
        const std::size_t longueur = 10 + 2 * static_cast<std::size_t>(contours);
        const std::size_t instructions = lire16(g, longueur);
        if (longueur + 2 + instructions > g.size())
            throw std::runtime_error("glyph instructions out of their glyph");
        Octets sortie(g.begin(), g.begin() + static_cast<long>(longueur));
        ajouter16(sortie, 0);
        sortie.insert(sortie.end(), g.begin() + static_cast<long>(longueur + 2 + instructions), g.end());
        return sortie;
    }
    constexpr std::uint32_t MOTS = 0x1, ECHELLE = 0x8, SUITE = 0x20, ECHELLE_XY = 0x40, MATRICE = 0x80,
                            INSTRUCTIONS = 0x100;
    Octets sortie(g);
    std::size_t i = 10;
    for (std::uint32_t drapeaux = SUITE; drapeaux & SUITE;) {
        drapeaux = lire16(g, i);
        ecrire16(sortie, i, drapeaux & ~INSTRUCTIONS);
        i += 4 + ((drapeaux & MOTS) ? 4 : 2);
        i += (drapeaux & ECHELLE) ? 2 : (drapeaux & ECHELLE_XY) ? 4 : (drapeaux & MATRICE) ? 8 : 0;
    }
    if (i > g.size())
        throw std::runtime_error("composite glyph out of its glyph");
    sortie.resize(i);
    return sortie;
}

// Every hinting program goes: the font program, the control value program and table,
// and each glyph's instructions, and `maxp` stops asking room for them. FreeType ran
// the font's programs on every opening of the font and every glyph, and the score
// panel opens its font on every call: that was most of a level-loop pass.
// One instruction stays as the control value program (SVTCA, which only picks an
// axis): FreeType takes a TrueType font with no programs at all for an unhinted one
// and sends it to its auto-hinter, which analyses the whole font at each opening and
// costs about as much. With it, glyphs are drawn from their outlines as they are.
void retirer_instructions(std::map<std::string, Octets>& t)
{
    if (!t.count("loca") || !t.count("maxp") || t["maxp"].size() < 32)
        throw std::runtime_error("font without loca or a version 1 maxp");
    Octets& head = t["head"];
    const bool longue = lire16(head, 50) != 0;
    const Octets& glyf = t["glyf"];
    const Octets& loca = t["loca"];
    const std::size_t glyphes = lire16(t["maxp"], 4);
    const auto position = [&](std::size_t i) -> std::size_t {
        return longue ? lire32(loca, 4 * i) : 2 * static_cast<std::size_t>(lire16(loca, 2 * i));
    };
    Octets nouveau_glyf;
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < glyphes; ++i) {
        const std::size_t debut = position(i), fin = position(i + 1);
        if (debut > fin || fin > glyf.size())
            throw std::runtime_error("glyph out of glyf");
        positions.push_back(nouveau_glyf.size());
        const Octets g = glyphe_sans_instructions(Octets(glyf.begin() + static_cast<long>(debut),
                                                         glyf.begin() + static_cast<long>(fin)));
        nouveau_glyf.insert(nouveau_glyf.end(), g.begin(), g.end());
        nouveau_glyf.resize((nouveau_glyf.size() + 3) & ~std::size_t{3}, 0);
    }
    positions.push_back(nouveau_glyf.size());
    Octets nouvelle_loca;
    const bool courte = positions.back() / 2 <= 0xFFFF;
    for (std::size_t p : positions) {
        if (courte)
            ajouter16(nouvelle_loca, static_cast<std::uint32_t>(p / 2));
        else
            ajouter32(nouvelle_loca, static_cast<std::uint32_t>(p));
    }
    ecrire16(head, 50, courte ? 0 : 1);
    t["glyf"] = std::move(nouveau_glyf);
    t["loca"] = std::move(nouvelle_loca);
    for (const char* programme : {"fpgm", "cvt "})
        t.erase(programme);
    t["prep"] = Octets{0x00};  // SVTCA[y]
    // maxZones 1 (no twilight zone); twilight points, storage, function and
    // instruction definitions, stack and instruction size 0.
    Octets& maxp = t["maxp"];
    ecrire16(maxp, 14, 1);
    for (std::size_t champ = 16; champ <= 26; champ += 2)
        ecrire16(maxp, champ, 0);
}

Octets ecrire_noms(std::vector<Nom> noms)
{
    std::sort(noms.begin(), noms.end());
    Octets o;
    ajouter16(o, 0);
    ajouter16(o, static_cast<std::uint32_t>(noms.size()));
    ajouter16(o, static_cast<std::uint32_t>(6 + 12 * noms.size()));
    Octets chaines;
    for (const Nom& n : noms) {
        ajouter16(o, n.plateforme);
        ajouter16(o, n.codage);
        ajouter16(o, n.langue);
        ajouter16(o, n.id);
        ajouter16(o, static_cast<std::uint32_t>(n.texte.size()));
        ajouter16(o, static_cast<std::uint32_t>(chaines.size()));
        chaines.insert(chaines.end(), n.texte.begin(), n.texte.end());
    }
    o.insert(o.end(), chaines.begin(), chaines.end());
    return o;
}
}  // namespace

std::vector<std::uint8_t> reduire_police(const std::vector<std::uint8_t>& ttf, const Reduction& r)
{
    const double echelle = r.echelle;
    const std::string& famille = r.famille;
    auto t = tables(ttf);
    if (!t.count("head") || !t.count("name") || !t.count("glyf"))
        throw std::runtime_error("font without head, name or glyf table");

    Octets& head = t["head"];
    const double unites = lire16(head, 18);
    const long nouvelles = std::lround(unites / echelle);
    if (echelle <= 0 || nouvelles < 16 || nouvelles > 16384)
        throw std::runtime_error("unitsPerEm out of the range TrueType allows");
    ecrire16(head, 18, static_cast<std::uint32_t>(nouvelles));
    ecrire32(head, 8, 0);  // checkSumAdjustment, computed last

    // The line: FreeType, hence SDL_ttf, takes it from hhea; the OS/2 copies follow so
    // that every renderer agrees.
    if (!t.count("hhea") || !t.count("OS/2") || t["OS/2"].size() < 78 || r.ligne.haut <= 0 ||
        r.ligne.bas >= 0)
        throw std::runtime_error("font without hhea or OS/2, or an empty line");
    const auto haut = static_cast<std::uint32_t>(r.ligne.haut);
    const auto bas = static_cast<std::uint32_t>(static_cast<std::uint16_t>(r.ligne.bas));
    ecrire16(t["hhea"], 4, haut);
    ecrire16(t["hhea"], 6, bas);
    ecrire16(t["hhea"], 8, 0);
    ecrire16(t["OS/2"], 68, haut);
    ecrire16(t["OS/2"], 70, bas);
    ecrire16(t["OS/2"], 72, 0);
    ecrire16(t["OS/2"], 74, haut);
    ecrire16(t["OS/2"], 76, static_cast<std::uint32_t>(-r.ligne.bas));

    for (const char* perime : {"hdmx", "VDMX", "LTSH", "DSIG"})
        t.erase(perime);
    retirer_instructions(t);

    // Every name that carries the family goes; credits, version and licence stay.
    const std::set<std::uint32_t> de_famille = {1, 2, 3, 4, 6, 10, 16, 17, 18, 20, 21, 22, 25};
    std::vector<Nom> noms;
    for (Nom& n : lire_noms(t["name"]))
        if (!de_famille.count(n.id))
            noms.push_back(std::move(n));
    const std::string postscript = famille + "-Regular";
    for (auto [id, texte] : std::initializer_list<std::pair<std::uint32_t, std::string>>{
             {1, famille}, {2, "Regular"}, {3, postscript + " (Grignotin)"}, {4, famille},
             {6, postscript}, {10, r.description}})
        noms.push_back({3, 1, 0x409, id, utf16(texte)});
    t["name"] = ecrire_noms(std::move(noms));

    // Table directory in tag order, each table on a four-byte boundary.
    const std::uint32_t n = static_cast<std::uint32_t>(t.size());
    std::uint32_t puissance = 1, log = 0;
    while (puissance * 2 <= n)
        puissance *= 2, ++log;
    Octets sortie;
    ajouter32(sortie, 0x00010000u);
    ajouter16(sortie, n);
    ajouter16(sortie, puissance * 16);
    ajouter16(sortie, log);
    ajouter16(sortie, n * 16 - puissance * 16);
    std::uint32_t position = 12 + 16 * n;
    std::size_t position_head = 0;
    for (const auto& [tag, octets] : t) {
        sortie.insert(sortie.end(), tag.begin(), tag.end());
        ajouter32(sortie, somme(octets));
        if (tag == "head")
            position_head = position;
        ajouter32(sortie, position);
        ajouter32(sortie, static_cast<std::uint32_t>(octets.size()));
        position += (static_cast<std::uint32_t>(octets.size()) + 3) & ~3u;
    }
    for (const auto& [tag, octets] : t) {
        sortie.insert(sortie.end(), octets.begin(), octets.end());
        sortie.resize((sortie.size() + 3) & ~std::size_t{3}, 0);
    }
    ecrire32(sortie, position_head + 8, 0xB1B0AFBAu - somme(sortie));
    return sortie;
}

std::vector<std::pair<int, std::string>> noms_police(const std::vector<std::uint8_t>& ttf)
{
    std::vector<std::pair<int, std::string>> sortie;
    for (const Nom& n : lire_noms(tables(ttf).at("name"))) {
        if (n.plateforme == 3 || n.plateforme == 0)
            sortie.emplace_back(static_cast<int>(n.id), depuis_utf16(n.texte));
        else
            sortie.emplace_back(static_cast<int>(n.id), std::string(n.texte.begin(), n.texte.end()));
    }
    return sortie;
}

Etendue etendue_latin1(const std::string& fichier)
{
    FT_Library bibliotheque = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&bibliotheque) || FT_New_Face(bibliotheque, fichier.c_str(), 0, &face)) {
        if (bibliotheque)
            FT_Done_FreeType(bibliotheque);
        throw std::runtime_error("FT_New_Face: " + fichier);
    }
    Etendue e;
    for (unsigned c = 0x20; c <= 0xff; ++c) {
        if (c >= 0x7f && c < 0xa0)
            continue;  // C1 controls: no glyph to show
        if (FT_Load_Char(face, c, FT_LOAD_NO_SCALE))
            continue;
        const FT_Glyph_Metrics& m = face->glyph->metrics;
        e.haut = std::max(e.haut, static_cast<int>(m.horiBearingY));
        e.bas = std::min(e.bas, static_cast<int>(m.horiBearingY - m.height));
    }
    FT_Done_Face(face);
    FT_Done_FreeType(bibliotheque);
    return e;
}
