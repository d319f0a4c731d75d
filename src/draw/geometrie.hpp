// Where things stand in the 900 x 640 window. The game, the tool that draws the
// pictures and the tests all read these numbers here, so that a click lands on what
// the picture shows. No SDL in this file: the picture tool draws with cairo and does
// not link SDL.
#pragma once

#include <cstdint>

inline constexpr int LARGEUR_ECRAN = 900;
inline constexpr int HAUTEUR_ECRAN = 640;

// The score panel owns the rows from here down; the board's background stops above it.
inline constexpr std::int16_t Y_PANNEAU = 600;

// The board. Row k (0 at the top) holds food niveau + k; the foods stand 24 px above
// their bowl and bin.
inline constexpr std::int16_t X_GAMELLE = 400;
inline constexpr std::int16_t X_ALIMENT = 550;
inline constexpr std::int16_t X_POUBELLE = 700;
inline constexpr std::int16_t Y_ALIMENT_0 = 76;
inline constexpr std::int16_t Y_RECIPIENT_0 = 100;
inline constexpr std::int16_t HAUTEUR_RANGEE = 100;

// A food tile, which is also the band a click sorts it from: x 550 to 619 and 81 rows
// from the top of its row, with 19 rows between bands where a click does nothing.
inline constexpr int LARGEUR_ALIMENT = 70;
inline constexpr int HAUTEUR_ALIMENT = 81;
// Its picture stands in the rows above this one, the same box on every tile; its label
// lies below, one clear row down at least, so that no name ever covers a picture.
inline constexpr int HAUTEUR_IMAGE_ALIMENT = 53;

// The verdict message's top-left corner, and Bidou's at the start of every level.
inline constexpr std::int16_t X_MESSAGE = 250;
inline constexpr std::int16_t Y_MESSAGE = 35;
inline constexpr std::int16_t X_BIDOU = 0;
inline constexpr std::int16_t Y_BIDOU = 300;

// A rectangle of whole pixels: x to x + largeur - 1, y to y + hauteur - 1.
struct Cadre {
    int x, y, largeur, hauteur;
    constexpr bool contient(int px, int py) const
    {
        return px >= x && px < x + largeur && py >= y && py < y + hauteur;
    }
};

// The light box the verdict is written in, frame included (the background draws it),
// and the button at its right end, shown from the verdict until the level ends. From
// then on a left click or a tap anywhere in the box does what the key s does: the one
// way on for a child with a touch screen or a mouse alone. A deliberate addition; see
// docs/choix.md. Above the top food's tile (Y_ALIMENT_0) and every container, so no
// click that sorts lands in it.
inline constexpr Cadre CADRE_MESSAGE = {240, 29, 656, 44};
inline constexpr Cadre BOUTON_VERDICT = {848, 29, 44, 44};
static_assert(CADRE_MESSAGE.y + CADRE_MESSAGE.hauteur <= Y_ALIMENT_0);
static_assert(BOUTON_VERDICT.x >= CADRE_MESSAGE.x &&
              BOUTON_VERDICT.x + BOUTON_VERDICT.largeur <= CADRE_MESSAGE.x + CADRE_MESSAGE.largeur &&
              BOUTON_VERDICT.y >= CADRE_MESSAGE.y &&
              BOUTON_VERDICT.y + BOUTON_VERDICT.hauteur <= CADRE_MESSAGE.y + CADRE_MESSAGE.hauteur);

// A board row's three rectangles: its food's tile, which is also the band a click on the
// food sorts it from, and its bowl's and bin's pictures as drawn. A click on the bowl or
// the bin of a row sorts that row's food too: a deliberate addition, so that a child
// with one button (a touch screen, a one-button trackpad) can use the bin; see
// docs/choix.md. The tool draws the containers at exactly these sizes.
inline constexpr int LARGEUR_GAMELLE = 136;
inline constexpr int LARGEUR_POUBELLE = 130;
inline constexpr int HAUTEUR_RECIPIENT = 88;

constexpr Cadre cadre_aliment(int k)
{
    return {X_ALIMENT, Y_ALIMENT_0 + HAUTEUR_RANGEE * k, LARGEUR_ALIMENT, HAUTEUR_ALIMENT};
}
constexpr Cadre cadre_gamelle(int k)
{
    return {X_GAMELLE, Y_RECIPIENT_0 + HAUTEUR_RANGEE * k, LARGEUR_GAMELLE, HAUTEUR_RECIPIENT};
}
constexpr Cadre cadre_poubelle(int k)
{
    return {X_POUBELLE, Y_RECIPIENT_0 + HAUTEUR_RANGEE * k, LARGEUR_POUBELLE, HAUTEUR_RECIPIENT};
}
// No two of them meet, so a click sorts one food at most, the same one however the
// rows are searched, and the space between food and bin stays a place where nothing happens.
static_assert(X_GAMELLE + LARGEUR_GAMELLE < X_ALIMENT && X_ALIMENT + LARGEUR_ALIMENT < X_POUBELLE);
static_assert(HAUTEUR_RECIPIENT < HAUTEUR_RANGEE && HAUTEUR_ALIMENT < HAUTEUR_RANGEE);
static_assert(cadre_gamelle(4).y + HAUTEUR_RECIPIENT <= Y_PANNEAU && X_POUBELLE + LARGEUR_POUBELLE <= LARGEUR_ECRAN);

// The three cards of the track-choice picture, easy, medium and hard from the left.
// The tool draws each card's outer edge on its rectangle, and a left click inside it
// chooses that track.
inline constexpr Cadre CARTES_PISTE[3] = {{45, 130, 250, 330}, {325, 130, 250, 330}, {605, 130, 250, 330}};

// The track (0 easy, 1 medium, 2 hard) whose card holds the pixel x, y, or -1.
constexpr int piste_sous(int x, int y)
{
    for (int piste = 0; piste < 3; ++piste)
        if (CARTES_PISTE[piste].contient(x, y))
            return piste;
    return -1;
}

// The board's buttons for a finger, left of the message box in the sky: the pause, the
// rules, the sound (on or muted). A tap on one does what p, r and m do. 56 px a side, more
// than the 48 a fingertip needs at the game's own size. Under the game's name (which the
// background writes down to row 68) and above the hutch's roof (from row 163), on plain
// sky, so that the desktop's background stays as it was. Additions; see docs/choix.md.
inline constexpr int COTE_DOIGT = 48;
inline constexpr Cadre BOUTON_PAUSE = {12, 100, 56, 56};
inline constexpr Cadre BOUTON_REGLES = {78, 100, 56, 56};
inline constexpr Cadre BOUTON_SON = {144, 100, 56, 56};
static_assert(BOUTON_SON.x + BOUTON_SON.largeur < CADRE_MESSAGE.x);
static_assert(BOUTON_PAUSE.x + BOUTON_PAUSE.largeur < BOUTON_REGLES.x &&
              BOUTON_REGLES.x + BOUTON_REGLES.largeur < BOUTON_SON.x);
static_assert(BOUTON_PAUSE.y + BOUTON_PAUSE.hauteur < Y_BIDOU);
// The sound's button on the track-choice screen, top right, clear of the cards.
inline constexpr Cadre BOUTON_SON_CARTES = {832, 12, 56, 56};
static_assert(BOUTON_SON_CARTES.y + BOUTON_SON_CARTES.hauteur < CARTES_PISTE[2].y);
// One picture serves both places.
static_assert(BOUTON_SON_CARTES.largeur == BOUTON_SON.largeur && BOUTON_SON_CARTES.hauteur == BOUTON_SON.hauteur);
static_assert(BOUTON_PAUSE.largeur >= COTE_DOIGT && BOUTON_PAUSE.hauteur >= COTE_DOIGT &&
              BOUTON_REGLES.largeur >= COTE_DOIGT && BOUTON_REGLES.hauteur >= COTE_DOIGT &&
              BOUTON_SON.largeur >= COTE_DOIGT && BOUTON_SON.hauteur >= COTE_DOIGT);

// On the card that holds the saved level: Bidou's head (image::MARQUE) in the card's top
// right corner, the level's number written under it by the game.
constexpr Cadre marque_carte(int piste)
{
    return {CARTES_PISTE[piste].x + CARTES_PISTE[piste].largeur - 84, CARTES_PISTE[piste].y + 8, 76, 76};
}
// The mark and the 30 rows under it, where the number goes, inside the card's 4 px border.
constexpr bool marque_dans_sa_carte(int piste)
{
    const Cadre m = marque_carte(piste), c = CARTES_PISTE[piste];
    return m.x >= c.x + 4 && m.x + m.largeur <= c.x + c.largeur - 4 && m.y >= c.y + 4 &&
           m.y + m.hauteur + 30 <= c.y + c.hauteur - 4;
}
static_assert(marque_dans_sa_carte(0) && marque_dans_sa_carte(1) && marque_dans_sa_carte(2));
