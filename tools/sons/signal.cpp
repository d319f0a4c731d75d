#include "signal.hpp"

#include <algorithm>
#include <cmath>

#include "processus.hpp"

namespace sons {
void normaliser(Signal& s)
{
    float crete = 0;
    for (float v : s)
        crete = std::max(crete, std::abs(v));
    if (crete > 0)
        for (float& v : s)
            v *= CRETE / crete;
}

void ecrire_ogg(const std::string& oggenc, const Signal& s, const std::filesystem::path& fichier)
{
    std::vector<std::uint8_t> pcm;
    pcm.reserve(s.size() * 2);
    for (float v : s) {
        const auto e = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
        const auto u = static_cast<std::uint16_t>(e);
        pcm.push_back(static_cast<std::uint8_t>(u & 0xff));
        pcm.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    std::filesystem::create_directories(fichier.parent_path());
    const std::filesystem::path tmp = fichier.string() + ".tmp";
    // Quality 0 (some 25 kbit/s for this mono voice) keeps a voice clear and the set
    // small; the page fetches every clip it plays.
    try {
        ecrire_entree({oggenc, "--quiet", "--raw", "--raw-bits=16", "--raw-chan=1",
                   "--raw-rate=" + std::to_string(FREQUENCE), "--raw-endianness=0", "--quality=0",
                   "--serial=1", "--output=" + tmp.string(), "-"},
                      pcm);
    } catch (...) {
        std::error_code ignore;
        std::filesystem::remove(tmp, ignore);
        throw;
    }
    std::filesystem::rename(tmp, fichier);
}
}  // namespace sons
