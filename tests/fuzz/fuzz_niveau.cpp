// libFuzzer target: whatever a damaged niveau.lvl holds, reading it never crashes and
// only ever yields a level the game can play (0, 5, ..., 90) or the finished game (95).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rules/niveau.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    const auto niveau = interpreter_niveau(texte);
    if (!niveau)
        return 0;
    if (*niveau < 0 || *niveau > NIVEAU_FINI || *niveau % 5 != 0)
        std::abort();
    // A number was read, so the text starts (after white space) with a sign or a digit.
    const auto debut = texte.find_first_not_of(" \t\n\v\f\r");
    if (debut == std::string_view::npos)
        std::abort();
    const char c = texte[debut];
    if (!(c == '+' || c == '-' || (c >= '0' && c <= '9')))
        std::abort();
    return 0;
}
