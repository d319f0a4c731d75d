// A clip as the tool makes it: mono samples between -1 and 1 at espeak-ng's own rate, so
// that voice and sounds need no resampling; and how it is written, as Ogg Vorbis.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "flow/sons.hpp"

namespace sons {
inline constexpr int FREQUENCE = 22050;  // Hz: espeak-ng's rate, plenty for a voice and soft sounds
inline constexpr float CRETE = son::CRETE;  // every clip's loudest sample

using Signal = std::vector<float>;

// Scales `s` so that its loudest sample is CRETE; a silent signal is left as it is.
void normaliser(Signal& s);

// Writes `s` to `fichier` as Ogg Vorbis through `oggenc` (Debian: vorbis-tools), via a
// temporary name so that an interrupted build leaves no half clip taken as up to date.
// The stream's serial number is fixed, so the same sources give the same bytes.
void ecrire_ogg(const std::string& oggenc, const Signal& s, const std::filesystem::path& fichier);
}  // namespace sons
