#include "fiches.hpp"

namespace images {
namespace {
// Hue bands (degrees) that the recolourings below aim at.
constexpr Teinte VERTS{.de = 55, .a = 170};

Teinte vers(Teinte bande, double teinte, double saturation = 1, double clarte = 0)
{
    bande.teinte = teinte;
    bande.saturation = saturation;
    bande.clarte = clarte;
    return bande;
}
}  // namespace

// An emoji where one shows the food itself, a drawing (dessins/) where none does; no
// two foods share a picture, even recoloured, since a child tells them apart by their
// shape. The level is noted on each group.
const std::vector<Fiche>& fiches()
{
    static const std::vector<Fiche> f = {
        // level 1
        {"laitue", "laitue", dessins::laitue},
        {"epinard", "épinards", dessins::epinard},
        {"carotte", "carotte", Emoji{"🥕"}},
        {"chocolat", "chocolat", Emoji{"🍫"}},
        {"muguet", "muguet", dessins::muguet},
        // level 2
        {"tomate", "tomate", Emoji{"🍅"}},
        {"biscotte", "biscotte", dessins::biscotte},
        {"biscuit", "biscuit", Emoji{"🍪"}},
        {"viande", "viande", Emoji{"🥩"}},
        {"ble", "blé", dessins::ble},
        // level 3
        {"alimentcuit", "aliment cuit", Emoji{"🍲"}},
        {"alimentenconserve", "conserve", Emoji{"🥫"}},
        {"alimentdufrigo", "aliment du frigo", dessins::frigo},
        {"cerise", "cerise", dessins::cerise},
        {"endive", "endive", dessins::endive},
        // level 4
        {"fanedecarotte", "fanes de carotte", dessins::fanes},
        {"foin", "foin", dessins::foin},
        {"fraise", "fraise", Emoji{"🍓"}},
        {"framboise", "framboise", dessins::framboise},
        {"lait", "lait", Emoji{"🥛"}},
        // level 5
        {"melon", "melon", Emoji{"🍈", {vers(VERTS, 38, 1.0, 0.05)}}},
        {"noisette", "noisette", dessins::noisette},
        {"noix", "noix", dessins::noix},
        {"pain", "pain", Emoji{"🥖"}},
        {"poire", "poire", Emoji{"🍐"}},
        // level 6
        {"thym", "thym", dessins::thym},
        {"orange", "orange", dessins::orange},
        {"salade", "salade", dessins::salade},
        {"pomme", "pomme", Emoji{"🍎"}},
        {"pate", "pâtes", dessins::pates},
        // level 7
        {"persil", "persil", dessins::persil},
        {"crocus", "crocus", dessins::crocus},
        {"renoncule", "renoncule", dessins::renoncule},
        {"coquelicot", "coquelicot", dessins::coquelicot},
        {"sureau", "sureau", dessins::sureau},
        // level 8
        {"concombre", "concombre", dessins::concombre},
        {"noisetier", "noisetier", dessins::noisetier},
        {"pommedeterre", "pomme de terre", Emoji{"🥔"}},
        {"osier", "osier", dessins::osier},
        {"avoine", "avoine", dessins::avoine},
        // level 9
        {"amande", "amande", dessins::amande},
        {"aneth", "aneth", dessins::aneth},
        {"pistache", "pistache", dessins::pistache},
        {"romarin", "romarin", dessins::romarin},
        {"poivron", "poivron", Emoji{"🫑", {{.de = 60, .a = 140, .sat_min = 0.3, .teinte = 6, .saturation = 1.1}}}},
        // level 10
        {"artichaut", "artichaut", dessins::artichaut},
        {"fenouil", "fenouil", dessins::fenouil},
        {"avocat", "avocat", Emoji{"🥑"}},
        {"feuilledepissenlit", "feuille de pissenlit", dessins::feuille_pissenlit},
        {"betterave", "betterave", dessins::betterave},
        // level 11
        {"choufleur", "chou-fleur", dessins::choufleur},
        {"choux", "chou", dessins::chou},
        {"cereale", "céréales", dessins::cereales},
        {"aubergine", "aubergine", Emoji{"🍆"}},
        {"courgette", "courgette", dessins::courgette},
        // level 12
        {"mache", "mâche", dessins::mache},
        {"brocolis", "brocolis", Emoji{"🥦"}},
        {"kiwi", "kiwi", Emoji{"🥝"}},
        {"graine", "graines", dessins::graines},
        {"calla", "calla", dessins::calla},
        // level 13
        {"caroube", "caroube", dessins::caroube},
        {"herbe", "herbe", dessins::herbe},
        {"cerisier", "cerisier", dessins::cerisier},
        {"darisroux", "dari roux", dessins::darisroux},
        {"arumsauvage", "arum sauvage", dessins::arum},
        // level 14
        {"gateau", "gâteau", Emoji{"🍰"}},
        {"menthe", "menthe", dessins::menthe},
        {"basilic", "basilic", dessins::basilic},
        {"luzerne", "luzerne", dessins::luzerne},
        {"banane", "banane", Emoji{"🍌"}},
        // level 15
        {"fougasse", "fougasse", dessins::fougasse},
        {"clematite", "clématite", dessins::clematite},
        {"chardon", "chardon", dessins::chardon},
        {"cigue", "ciguë", dessins::cigue},
        {"saule", "saule", dessins::saule},
        // level 16
        {"merisier", "merisier", dessins::merisier},
        {"digitale", "digitale", dessins::digitale},
        {"angelique", "angélique", dessins::angelique},
        {"treflevert", "trèfle vert", Emoji{"☘️"}},
        {"liseron", "liseron", dessins::liseron},
        // level 17
        {"pissenlit", "pissenlit", dessins::pissenlit},
        {"avenas", "flocons d'avoine", dessins::flocons},
        {"morelle", "morelle", dessins::morelle},
        {"cossedepois", "cosse de pois", Emoji{"🫛"}},
        {"dieffenbachia", "dieffen|bachia", dessins::dieffenbachia},
        // level 18
        {"anemone", "anémone", dessins::anemone},
        {"laurier", "laurier", dessins::laurier},
        {"chicoree", "chicorée", dessins::chicoree},
        {"belladone", "belladone", dessins::belladone},
        {"celeri", "céleri", dessins::celeri},
        // level 19
        {"laurierrose", "laurier-rose", dessins::laurierrose},
        {"the", "thé", Emoji{"🍵"}},
        {"lin", "lin", dessins::lin},
        {"accacia", "acacia", dessins::acacia},
        {"jusquiame", "jusquiame", dessins::jusquiame},
    };
    return f;
}
}  // namespace images
