#include "synthese.hpp"

#include <cmath>
#include <cstdint>
#include <numbers>

#include "flow/sons.hpp"

namespace sons {
namespace {
constexpr double DEUX_PI = 2 * std::numbers::pi;

// A small fixed noise source, so that the same sources give the same clips.
struct Bruit {
    std::uint32_t etat = 0x2545f491;
    float operator()()
    {
        etat ^= etat << 13;
        etat ^= etat >> 17;
        etat ^= etat << 5;
        return static_cast<float>(etat) / 2147483648.0f - 1.0f;
    }
};

Signal vide(double secondes) { return Signal(static_cast<std::size_t>(secondes * FREQUENCE), 0.0f); }
std::size_t echantillon(double secondes) { return static_cast<std::size_t>(secondes * FREQUENCE); }

// A plucked note at `debut` s: a sine and its octave, struck at once and dying away, the
// kind of tone a toy xylophone makes.
void note(Signal& s, double debut, double hz, double duree, float volume)
{
    const std::size_t d = echantillon(debut), n = echantillon(duree);
    for (std::size_t k = 0; k < n && d + k < s.size(); ++k) {
        const double t = static_cast<double>(k) / FREQUENCE;
        const double attaque = std::min(1.0, t / 0.008);
        const double enveloppe = attaque * std::exp(-t * 4.0 / duree);
        s[d + k] += static_cast<float>(volume * enveloppe *
                                       (std::sin(DEUX_PI * hz * t) + 0.3 * std::sin(2 * DEUX_PI * hz * t)));
    }
}

// A short noise burst at `debut` s, dying in `decroissance` s, brightened (`clair` near 1)
// or dulled (near 0): the part above or below a one-pole filter's corner.
void eclat(Signal& s, Bruit& bruit, double debut, double duree, double decroissance, float clair, float volume)
{
    const std::size_t d = echantillon(debut), n = echantillon(duree);
    float filtre = 0;
    for (std::size_t k = 0; k < n && d + k < s.size(); ++k) {
        const double t = static_cast<double>(k) / FREQUENCE;
        const float x = bruit();
        filtre += 0.15f * (x - filtre);
        const float v = clair * (x - filtre) + (1.0f - clair) * 2.0f * filtre;
        s[d + k] += volume * static_cast<float>(std::exp(-t / decroissance)) * v;
    }
}

// A low thump at `debut` s: a sine falling from `haut` to `bas` Hz.
void coup_sourd(Signal& s, double debut, double haut, double bas, double duree, float volume)
{
    const std::size_t d = echantillon(debut), n = echantillon(duree);
    double phase = 0;
    for (std::size_t k = 0; k < n && d + k < s.size(); ++k) {
        const double t = static_cast<double>(k) / FREQUENCE;
        phase += DEUX_PI * (bas + (haut - bas) * std::exp(-t * 25)) / FREQUENCE;
        s[d + k] += static_cast<float>(volume * std::min(1.0, t / 0.004) * std::exp(-t * 5 / duree) * std::sin(phase));
    }
}

Signal fini(Signal s)
{
    normaliser(s);
    return s;
}
}  // namespace

Signal croque()
{
    Signal s = vide(0.42);
    Bruit bruit;
    // Three bites, the last the softest; each a crackle of small bursts.
    const double bouchees[] = {0.0, 0.14, 0.28};
    for (int b = 0; b < 3; ++b)
        for (int c = 0; c < 6; ++c)
            eclat(s, bruit, bouchees[b] + 0.012 * c + 0.003 * (c % 2), 0.05, 0.008 + 0.002 * (c % 3), 0.8f,
                  (1.0f - 0.25f * static_cast<float>(b)) * (c == 0 ? 1.0f : 0.6f));
    return fini(s);
}

Signal poubelle()
{
    Signal s = vide(0.45);
    Bruit bruit;
    coup_sourd(s, 0.0, 140, 55, 0.4, 1.0f);
    eclat(s, bruit, 0.0, 0.12, 0.03, 0.1f, 0.5f);  // the lid's muffled knock
    return fini(s);
}

Signal pas()
{
    Signal s = vide(1.05);
    Bruit bruit;
    for (std::uint32_t p = 0; p < son::PAS_PAR_CLIP; ++p) {
        const double t = son::ECART_PAS_MS / 1000.0 * p;
        coup_sourd(s, t, 220, 110, 0.09, p % 2 ? 0.7f : 0.9f);
        eclat(s, bruit, t, 0.06, 0.012, 0.3f, 0.35f);
    }
    return fini(s);
}

Signal air_gagne()
{
    // C5 E5 G5, then C6 held: do, mi, sol, do.
    Signal s = vide(1.1);
    const double notes[] = {523.25, 659.26, 783.99};
    for (int i = 0; i < 3; ++i)
        note(s, 0.11 * i, notes[i], 0.35, 0.5f);
    note(s, 0.33, 1046.5, 0.75, 0.6f);
    note(s, 0.33, 523.25, 0.75, 0.25f);
    return fini(s);
}

Signal air_perdu()
{
    // G4 F4 E4 slowly down, then C4 with E4 and G4 softly: it ends at rest, not in a sob.
    Signal s = vide(1.6);
    const double notes[] = {392.0, 349.23, 329.63};
    for (int i = 0; i < 3; ++i)
        note(s, 0.28 * i, notes[i], 0.5, 0.45f);
    for (double hz : {261.63, 329.63, 392.0})
        note(s, 0.84, hz, 0.76, 0.25f);
    return fini(s);
}
}  // namespace sons
