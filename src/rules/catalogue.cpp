#include "catalogue.hpp"

// The answer key is the game's own and is kept as published, even where it surprises
// (lettuce in the bin, chocolate in the bowl): players learn this game's key.
const std::array<Aliment, NB_ALIMENTS> catalogue_aliments = {{
    // level 1
    {"photo/laitue.bmp", ALIMENT_MAUVAIS},
    {"photo/epinard.bmp", ALIMENT_BON},
    {"photo/carotte.bmp", ALIMENT_BON},
    {"photo/chocolat.bmp", ALIMENT_BON},
    {"photo/muguet.bmp", ALIMENT_MAUVAIS},
    // level 2
    {"photo/tomate.bmp", ALIMENT_MAUVAIS},
    {"photo/biscotte.bmp", ALIMENT_BON},
    {"photo/biscuit.bmp", ALIMENT_BON},
    {"photo/viande.bmp", ALIMENT_MAUVAIS},
    {"photo/ble.bmp", ALIMENT_BON},
    // level 3
    {"photo/alimentcuit.bmp", ALIMENT_MAUVAIS},
    {"photo/alimentenconserve.bmp", ALIMENT_MAUVAIS},
    {"photo/alimentdufrigo.bmp", ALIMENT_MAUVAIS},
    {"photo/cerise.bmp", ALIMENT_BON},
    {"photo/endive.bmp", ALIMENT_BON},
    // level 4
    {"photo/fanedecarotte.bmp", ALIMENT_BON},
    {"photo/foin.bmp", ALIMENT_BON},
    {"photo/fraise.bmp", ALIMENT_BON},
    {"photo/framboise.bmp", ALIMENT_BON},
    {"photo/lait.bmp", ALIMENT_BON},
    // level 5
    {"photo/melon.bmp", ALIMENT_BON},
    {"photo/noisette.bmp", ALIMENT_BON},
    {"photo/noix.bmp", ALIMENT_BON},
    {"photo/pain.bmp", ALIMENT_BON},
    {"photo/poire.bmp", ALIMENT_BON},
    // level 6
    {"photo/thym.bmp", ALIMENT_BON},
    {"photo/orange.bmp", ALIMENT_MAUVAIS},
    {"photo/salade.bmp", ALIMENT_BON},
    {"photo/pomme.bmp", ALIMENT_BON},
    {"photo/pate.bmp", ALIMENT_BON},
    // level 7
    {"photo/persil.bmp", ALIMENT_BON},
    {"photo/crocus.bmp", ALIMENT_MAUVAIS},
    {"photo/renoncule.bmp", ALIMENT_MAUVAIS},
    {"photo/coquelicot.bmp", ALIMENT_MAUVAIS},
    {"photo/sureau.bmp", ALIMENT_MAUVAIS},
    // level 8
    {"photo/concombre.bmp", ALIMENT_MAUVAIS},
    {"photo/noisetier.bmp", ALIMENT_BON},
    {"photo/pommedeterre.bmp", ALIMENT_MAUVAIS},
    {"photo/osier.bmp", ALIMENT_BON},
    {"photo/avoine.bmp", ALIMENT_BON},
    // level 9
    {"photo/amande.bmp", ALIMENT_BON},
    {"photo/aneth.bmp", ALIMENT_BON},
    {"photo/pistache.bmp", ALIMENT_BON},
    {"photo/romarin.bmp", ALIMENT_BON},
    {"photo/poivron.bmp", ALIMENT_BON},
    // level 10
    {"photo/artichaut.bmp", ALIMENT_MAUVAIS},
    {"photo/fenouil.bmp", ALIMENT_BON},
    {"photo/avocat.bmp", ALIMENT_MAUVAIS},
    {"photo/feuilledepissenlit.bmp", ALIMENT_BON},
    {"photo/betterave.bmp", ALIMENT_MAUVAIS},
    // level 11
    {"photo/choufleur.bmp", ALIMENT_BON},
    {"photo/choux.bmp", ALIMENT_BON},
    {"photo/cereale.bmp", ALIMENT_BON},
    {"photo/aubergine.bmp", ALIMENT_MAUVAIS},
    {"photo/courgette.bmp", ALIMENT_BON},
    // level 12
    {"photo/mache.bmp", ALIMENT_BON},
    {"photo/brocolis.bmp", ALIMENT_BON},
    {"photo/kiwi.bmp", ALIMENT_BON},
    {"photo/graine.bmp", ALIMENT_BON},
    {"photo/calla.bmp", ALIMENT_MAUVAIS},
    // level 13
    {"photo/caroube.bmp", ALIMENT_BON},
    {"photo/herbe.bmp", ALIMENT_BON},
    {"photo/cerisier.bmp", ALIMENT_MAUVAIS},
    {"photo/darisroux.bmp", ALIMENT_BON},
    {"photo/arumsauvage.bmp", ALIMENT_MAUVAIS},
    // level 14
    {"photo/gateau.bmp", ALIMENT_BON},
    {"photo/menthe.bmp", ALIMENT_BON},
    {"photo/basilic.bmp", ALIMENT_BON},
    {"photo/luzerne.bmp", ALIMENT_BON},
    {"photo/banane.bmp", ALIMENT_BON},
    // level 15
    {"photo/fougasse.bmp", ALIMENT_BON},
    {"photo/clematite.bmp", ALIMENT_MAUVAIS},
    {"photo/chardon.bmp", ALIMENT_MAUVAIS},
    {"photo/cigue.bmp", ALIMENT_MAUVAIS},
    {"photo/saule.bmp", ALIMENT_BON},
    // level 16
    {"photo/merisier.bmp", ALIMENT_MAUVAIS},
    {"photo/digitale.bmp", ALIMENT_MAUVAIS},
    {"photo/angelique.bmp", ALIMENT_MAUVAIS},
    {"photo/treflevert.bmp", ALIMENT_BON},
    {"photo/liseron.bmp", ALIMENT_MAUVAIS},
    // level 17
    {"photo/pissenlit.bmp", ALIMENT_BON},
    {"photo/avenas.bmp", ALIMENT_BON},
    {"photo/morelle.bmp", ALIMENT_MAUVAIS},
    {"photo/cossedepois.bmp", ALIMENT_MAUVAIS},
    {"photo/dieffenbachia.bmp", ALIMENT_MAUVAIS},
    // level 18
    {"photo/anemone.bmp", ALIMENT_MAUVAIS},
    {"photo/laurier.bmp", ALIMENT_MAUVAIS},
    {"photo/chicoree.bmp", ALIMENT_BON},
    {"photo/belladone.bmp", ALIMENT_MAUVAIS},
    {"photo/celeri.bmp", ALIMENT_BON},
    // level 19
    {"photo/laurierrose.bmp", ALIMENT_MAUVAIS},
    {"photo/the.bmp", ALIMENT_BON},
    {"photo/lin.bmp", ALIMENT_MAUVAIS},
    {"photo/accacia.bmp", ALIMENT_MAUVAIS},
    {"photo/jusquiame.bmp", ALIMENT_MAUVAIS},
}};
