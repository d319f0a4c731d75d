#include "ecrans.hpp"

#include <cmath>
#include <string>

#include "boutons.hpp"
#include "croix.hpp"
#include "decor.hpp"
#include "draw/noms_images.hpp"
#include "flow/textes.hpp"
#include "personnages.hpp"

namespace images {
namespace {
// `tactile`: each picture that tells what to do as a touch screen shows it, drawn by the
// same code with only its hints changed: "touche", and no key or mouse button named.
Surface fond(Atelier& a, bool tactile)
{
    Surface s = nouvelle_surface(LARGEUR_ECRAN, HAUTEUR_FOND);
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    prairie(cr, 250, HAUTEUR_FOND);
    nuage(cr, 60, 60, 0.8);
    nuage(cr, 300, 150, 0.6);
    nuage(cr, 760, 170, 0.5);

    // Bidou's hutch: the pet stands before its door at the start of every level.
    cairo_save(cr);
    cairo_rectangle(cr, 8, 232, 175, 172);
    degrade_vertical(cr, 232, 404, 0xf2c98e, 0xd9a566);
    cairo_fill_preserve(cr);
    couleur(cr, 0x6a4528);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    couleur(cr, 0xc58f52);
    cairo_set_line_width(cr, 2);
    for (double y = 262; y < 400; y += 30) {
        cairo_move_to(cr, 10, y);
        cairo_line_to(cr, 181, y);
    }
    cairo_stroke(cr);
    cairo_move_to(cr, -6, 240);
    cairo_line_to(cr, 95, 165);
    cairo_line_to(cr, 197, 240);
    cairo_close_path(cr);
    degrade_vertical(cr, 165, 240, 0xe0645a, 0xb94438);
    cairo_fill_preserve(cr);
    couleur(cr, 0x6a4528);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_move_to(cr, 4, 404);
    cairo_line_to(cr, 4, 318);
    cairo_curve_to(cr, 4, 276, 110, 276, 110, 318);
    cairo_line_to(cr, 110, 404);
    couleur(cr, 0x4a2e1a);
    cairo_fill(cr);
    rectangle_arrondi(cr, 118, 300, 52, 40, 6);
    couleur(cr, 0xcfefff);
    cairo_fill_preserve(cr);
    couleur(cr, 0x6a4528);
    cairo_stroke(cr);
    rectangle_arrondi(cr, 48, 196, 96, 30, 8);
    couleur(cr, 0xfff3d6);
    cairo_fill_preserve(cr);
    couleur(cr, 0x6a4528);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    centre(a, cr, "Bidou", 96, 219, 20, 0x6a4528, true);
    cairo_restore(cr);

    // The path Bidou walks to its bowls: from the door down the slant to the bowl column.
    cairo_move_to(cr, 0, 392);
    cairo_curve_to(cr, 150, 470, 280, 540, 450, 592);
    cairo_set_line_width(cr, 34);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    couleur(cr, 0xe6cf9c, 0.85);
    cairo_stroke(cr);

    fleurs(a, cr, {{215, 430, 26}, {40, 560, 30}, {150, 585, 22}, {250, 470, 20}, {300, 575, 24},
                   {880, 270, 22}, {882, 560, 26}, {660, 585, 18}});

    // Soft shadows where the bowls and bins stand, and the shelf the foods wait on.
    for (int k = 0; k < 5; ++k) {
        const double y = 100 + 100 * k;
        cairo_save(cr);
        cairo_translate(cr, 468, y + 84);
        cairo_scale(cr, 66, 9);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, 765, y + 84);
        cairo_scale(cr, 45, 8);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        couleur(cr, 0x3e6e2c, 0.25);
        cairo_fill(cr);
    }
    rectangle_arrondi(cr, 543, 68, 84, 496, 16);
    couleur(cr, 0xffffff, 0.45);
    cairo_fill_preserve(cr);
    couleur(cr, 0xffffff, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int k = 0; k < 5; ++k) {
        rectangle_arrondi(cr, X_ALIMENT, Y_ALIMENT_0 + HAUTEUR_RANGEE * k, LARGEUR_ALIMENT, HAUTEUR_ALIMENT, 12);
        couleur(cr, 0xffffff, 0.35);
        cairo_fill_preserve(cr);
        couleur(cr, 0x7aa86a, 0.6);
        cairo_set_line_width(cr, 1.5);
        const double tirets[] = {5, 4};
        cairo_set_dash(cr, tirets, 2, 0);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
    }

    // Reminders over the two columns: which button puts a food where, and that a click
    // on the container itself does too (the one-button way, an addition to the game).
    // On a touch screen, a tap on the container is the way, said as plainly.
    struct Rappel {
        const char* texte;
        const char* texte_tactile;
        double centre;
        bool gauche;
        std::uint32_t allume, encre;
    };
    for (const Rappel& r : {Rappel{"clic gauche ou clic sur la gamelle", texte::REGLES_GAMELLE_TACTILE, 468, true, 0x4caf50, 0x2e5e2a},
                            Rappel{"clic droit ou clic sur la poubelle", texte::REGLES_POUBELLE_TACTILE, 765, false, 0xe0564a,
                                   0x7a2a20}}) {
        const char* texte = tactile ? r.texte_tactile : r.texte;
        const double l = 40 + a.gras.largeur(texte, 15);
        const double x = std::min(r.centre - l / 2, LARGEUR_ECRAN - 6 - l);
        rectangle_arrondi(cr, x, 2, l, 28, 10);
        couleur(cr, 0xffffff, 0.7);
        cairo_fill(cr);
        if (tactile)
            emoji(a, cr, "👆", x + 16, 16, 22);
        else
            souris(cr, x + 16, 16, 22, r.gauche, r.allume);
        ligne(a, cr, texte, x + 30, 22, 15, r.encre, true);
    }

    // Where the verdict is written in black: light and plain, a frame only outside it.
    // The message's 28 rows from Y_MESSAGE (its ink from row 40 to row 62) sit in the
    // middle of the light rows 33 to 69; the frame's 3 px end at row 72, clear of the
    // top food's tile at Y_ALIMENT_0.
    rectangle_arrondi(cr, 242, 31, 652, 40, 12);
    couleur(cr, 0xb08a5a);
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    couleur(cr, 0xfffbef);
    cairo_fill(cr);

    // The game's name in the corner above the hutch.
    titre(a, cr, "Grignotin", 115, 58, 40, 0xffd45a);
    return s;
}

// The first picture of the intro: Bidou large in its meadow, saying hello. Its middle
// is what the round window of the second picture keeps showing.
Surface debut1(Atelier& a)
{
    Surface s = plein_ecran();
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    prairie(cr, 330, HAUTEUR_FOND);
    nuage(cr, 90, 90, 1.2);
    nuage(cr, 640, 70, 1.0);
    emoji(a, cr, "🌞", 800, 90, 110);
    cairo_save(cr);
    cairo_translate(cr, 445, 505);
    cairo_scale(cr, 150, 22);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    couleur(cr, 0x3e6e2c, 0.3);
    cairo_fill(cr);
    bidou_a(cr, 300, 250, 2.7);
    emoji(a, cr, "🥕", 250, 480, 70, -0.5);
    emoji(a, cr, "🥬", 650, 470, 80, 0.2);
    fleurs(a, cr, {{90, 520, 50}, {170, 570, 40}, {780, 560, 46}, {850, 480, 36}, {40, 430, 30}});
    // Speech bubble. Its tail stops short of the circle that the title's window
    // (debut2) keeps showing, so no stray white point shows in the window's wood.
    rectangle_arrondi(cr, 30, 180, 330, 70, 30);
    cairo_move_to(cr, 280, 240);
    cairo_line_to(cr, 318, 272);
    cairo_line_to(cr, 240, 248);
    couleur(cr, 0xffffff);
    cairo_fill_preserve(cr);
    couleur(cr, 0x5a3a22);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    rectangle_arrondi(cr, 31.5, 181.5, 327, 67, 29);
    couleur(cr, 0xffffff);
    cairo_fill(cr);
    centre(a, cr, "Coucou, c'est moi, Bidou !", 195, 224, 24, 0x5a3a22, true);
    socle(cr);
    return s;
}

// The title, faded in over the first picture; the round window is keyed, so Bidou
// stays in sight through it while the rest turns into the title page.
Surface debut2(Atelier& a)
{
    Surface s = plein_ecran();
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    degrade_vertical(cr, 0, HAUTEUR_FOND, 0xffe7a8, 0xffc27a);
    cairo_paint(cr);
    // Food confetti around the edge.
    struct Deco {
        const char* e;
        double x, y, t, angle;
    };
    for (const Deco& d : {Deco{"🥕", 70, 80, 70, -0.4}, Deco{"🍓", 830, 90, 64, 0.3}, Deco{"🥬", 90, 330, 74, 0.1},
                          Deco{"🍎", 820, 330, 66, -0.2}, Deco{"🌾", 150, 520, 70, 0.2}, Deco{"🍐", 760, 520, 62, 0.3},
                          Deco{"🌿", 250, 200, 50, -0.3}, Deco{"🍒", 660, 210, 54, 0.2}})
        emoji(a, cr, d.e, d.x, d.y, d.t, d.angle);
    titre(a, cr, "Grignotin", 450, 118, 110, 0xffffff, 0xc0503a);
    centre(a, cr, "Aide Bidou à bien manger !", 450, 170, 30, 0x8a3a22, true);
    // The window: a thick frame, and a hole well inside it. The frame's inner edge is
    // opaque, so the keyed cut happens against wood, never against the blue key.
    const double cx = 445, cy = 400, r = 150;
    cairo_arc(cr, cx, cy, r + 16, 0, 2 * M_PI);
    degrade_vertical(cr, cy - r, cy + r, 0xd99a5a, 0x9a6232);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r + 16, 0, 2 * M_PI);
    couleur(cr, 0x5a3a22);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_arc(cr, cx, cy, r + 1.5, 0, 2 * M_PI);
    couleur(cr, 0x5a3a22);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    socle(cr);
    return s;
}

// A pointing finger and what a tap does, in bold, centred as one line: `decalage` from
// the line's left to the text, the finger's centre `centre_doigt` from it.
struct Doigt {
    double taille, taille_doigt, decalage, centre_doigt, y_doigt, y;
    std::uint32_t encre;
};
void tap_centre(Atelier& a, cairo_t* cr, const std::string& tape, const Doigt& d)
{
    const double xt = 450 - (a.gras.largeur(tape, d.taille) + d.decalage) / 2;
    emoji(a, cr, "👆", xt + d.centre_doigt, d.y_doigt, d.taille_doigt);
    ligne(a, cr, tape, xt + d.decalage, d.y, d.taille, d.encre, true);
}

Surface difficulte(Atelier& a, bool tactile)
{
    Surface s = plein_ecran();
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    prairie(cr, 470, HAUTEUR_FOND);
    titre(a, cr, texte::CHOISIS_PARCOURS, 450, 82, 58, 0xffffff, 0x3e6e2c);
    struct Piste {
        const char* touche;
        const char* nom;
        const char* niveaux;
        const char* emoji;
        std::uint32_t teinte, fonce;
    };
    const Piste pistes[] = {{"1", texte::PISTE_FACILE, "niveaux 1 à 6", "🌱", 0xdff5cf, 0x3f8a3a},
                            {"2", texte::PISTE_MOYENNE, "niveaux 7 à 12", "🌿", 0xffefc4, 0xc07a12},
                            {"3", texte::PISTE_DIFFICILE, "niveaux 13 à 19", "🌳", 0xffd9d0, 0xb8402e}};
    for (int i = 0; i < 3; ++i) {
        const Piste& p = pistes[i];
        // The card's border is a 4 px stroke on a path 2 px inside the rectangle, so its
        // outer edge is the rectangle that a click is tested against.
        const Cadre& cadre = CARTES_PISTE[i];
        const double x = cadre.x, y = cadre.y, milieu = cadre.x + cadre.largeur / 2.0;
        carte(cr, x + 2, y + 2, cadre.largeur - 4, cadre.hauteur - 4, p.teinte, p.fonce);
        // The key that chooses the card; on a touch screen the finger that does.
        if (tactile)
            emoji(a, cr, "👆", milieu, y + 55, 54);
        else
            touche(a, cr, p.touche, milieu - 35, y + 20, 70);
        emoji(a, cr, p.emoji, milieu, y + 170, 90);
        centre(a, cr, p.nom, milieu, y + 265, 44, p.fonce, true);
        centre(a, cr, p.niveaux, milieu, y + 305, 22, 0x3b2a1a);
    }
    carte(cr, 95, 490, 710, 92, 0xfffaf0, 0xb08a5a);
    if (tactile) {
        // A page is not quit from inside it: one line, the tap alone.
        tap_centre(a, cr, "Touche ton parcours pour jouer", {30, 44, 50, 20, 532, 546, 0x3b2a1a});
    } else {
        centre(a, cr, "Appuie sur 1, 2 ou 3, ou clique sur ton parcours", 450, 526, 26, 0x3b2a1a, true);
        const double l = a.texte.largeur("pour quitter", 24);
        const double x = 450 - (l + 110) / 2;
        const double lt = touche(a, cr, "Échap", x, 540, 34);
        ligne(a, cr, "pour quitter", x + lt + 12, 566, 24);
    }
    socle(cr);
    return s;
}

// Where a screen says how to leave it, centred: a pointing finger and the tap in bold
// first, since most children tap; the key on a line below.
struct Disposition {
    Doigt doigt;
    double taille_touche_texte, y_touche_texte, taille_touche, y_touche;
};
// On a touch screen the tap alone, the key's line left out.
void consigne_du_doigt(Atelier& a, cairo_t* cr, const std::string& tape, const char* cle, const Disposition& d,
                       bool tactile)
{
    tap_centre(a, cr, tape, d.doigt);
    if (tactile)
        return;
    const std::string avant = "ou appuie sur ";
    const double la = a.texte.largeur(avant, d.taille_touche_texte);
    const double x = 450 - (la + d.taille_touche + 2) / 2;
    ligne(a, cr, avant, x, d.y_touche_texte, d.taille_touche_texte, d.doigt.encre);
    touche(a, cr, cle, x + la + 2, d.y_touche, d.taille_touche);
}

Surface temps_fini(Atelier& a, bool tactile)
{
    Surface s = plein_ecran();
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    degrade_vertical(cr, 0, HAUTEUR_FOND, 0xffe2c2, 0xffb88a);
    cairo_paint(cr);
    carte(cr, 110, 70, 680, 470);
    emoji(a, cr, "⏰", 450, 175, 140, -0.15);
    titre(a, cr, texte::TEMPS_ECOULE, 450, 318, 58, 0xffffff, 0xc0503a);
    centre(a, cr, texte::SECONDES_PASSEES, 450, 370, 28);
    // A tap anywhere on this picture does what r does.
    consigne_du_doigt(a, cr, "Touche l'écran pour rejouer le niveau", "r",
                      {{30, 46, 56, 22, 430, 444, 0x3b2a1a}, 28, 500, 40, 470}, tactile);
    bidou_a(cr, 640, 466, 0.6);
    socle(cr);
    return s;
}

// Drawn once at alpha 168 over the board: big dark letters on a plain light ground,
// which stays readable with a third of the board showing through.
Surface pause(Atelier& a, bool tactile)
{
    Surface s = plein_ecran();
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    couleur(cr, 0xf3ecff);
    cairo_paint(cr);
    for (double x : {355.0, 475.0}) {
        rectangle_arrondi(cr, x, 120, 70, 190, 18);
        couleur(cr, 0x5b3d99);
        cairo_fill(cr);
    }
    centre(a, cr, "Pause", 450, 420, 96, 0x3a2470, true);
    // A tap anywhere closes the pause, as p does.
    consigne_du_doigt(a, cr, "Touche l'écran pour reprendre", "p", {{36, 54, 66, 26, 484, 500, 0x2a1a50}, 30, 558, 44, 526}, tactile);
    socle(cr);
    return s;
}

Surface regle(Atelier& a, bool tactile)
{
    Surface s = plein_ecran();
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    degrade_vertical(cr, 0, HAUTEUR_FOND, 0xe6f6ff, 0xcdebd2);
    cairo_paint(cr);
    titre(a, cr, texte::REGLES_TITRE, 450, 62, 50, 0xffffff, 0x2f6e8a);
    carte(cr, 30, 84, 840, 500);
    ligne(a, cr, texte::REGLES_FAIM, 60, 124, 23, 0x3b2a1a, true);

    if (tactile) {
        // The bowl and the bin themselves, each with the finger that taps it; a tap on
        // the food is a left click, so it goes to the bowl too.
        for (const auto& [conteneur, x] : {std::pair{gamelle(a, true), 85.0}, std::pair{poubelle(a, true), 485.0}}) {
            poser_image(cr, conteneur.get(), x, 184, 74, 50);
            emoji(a, cr, "👆", x + 20, 206, 28);
        }
        ligne(a, cr, texte::REGLES_GAMELLE_TACTILE, 125, 172, 24, 0x2e5e2a, true);
        ligne(a, cr, texte::REGLES_BON, 125, 200, 21);
        ligne(a, cr, "(ou touche l'aliment)", 125, 226, 20, 0x5a4a3a);
        ligne(a, cr, texte::REGLES_POUBELLE_TACTILE, 525, 172, 24, 0x7a2a20, true);
        ligne(a, cr, texte::REGLES_MAUVAIS, 525, 200, 21);
    } else {
        // Left click and the bowl; a click on the container itself works too (an addition).
        souris(cr, 85, 180, 54, true, 0x4caf50);
        ligne(a, cr, texte::REGLES_GAMELLE, 125, 172, 24, 0x2e5e2a, true);
        ligne(a, cr, texte::REGLES_BON, 125, 200, 21);
        ligne(a, cr, "(ou un clic sur la gamelle)", 125, 226, 20, 0x5a4a3a);
        souris(cr, 485, 180, 54, false, 0xe0564a);
        ligne(a, cr, texte::REGLES_POUBELLE, 525, 172, 24, 0x7a2a20, true);
        ligne(a, cr, texte::REGLES_MAUVAIS, 525, 200, 21);
        ligne(a, cr, "(ou un clic sur la poubelle)", 525, 226, 20, 0x5a4a3a);
    }

    emoji(a, cr, "⏱️", 85, 266, 42);
    ligne(a, cr,
          tactile ? texte::REGLES_TEMPS_TACTILE : texte::REGLES_TEMPS,
          125, 274, 22);
    emoji(a, cr, "⭐", 85, 314, 40);
    ligne(a, cr, texte::REGLES_REUSSITE, 125, 312, 22);
    ligne(a, cr, texte::REGLES_REUSSITE_SUITE, 125, 338, 22);
    // What the red cross after a lost level means (an addition): a food with its cross.
    emoji(a, cr, "🧀", 85, 378, 44);
    poser_image(cr, croix().get(), 85, 378, 40, 40);
    ligne(a, cr, texte::REGLES_CROIX, 125, 376, 22);
    ligne(a, cr, texte::REGLES_CROIX_SUITE, 125, 402, 22);

    if (tactile) {
        // The board's own buttons, drawn small as they look there, then the taps.
        ligne(a, cr, "Les boutons du jeu :", 60, 440, 24, 0x3b2a1a, true);
        struct Bouton {
            Signe signe;
            const char* texte;
            double x;
        };
        for (const Bouton& b : {Bouton{Signe::Pause, "pause", 60}, Bouton{Signe::Regles, "les règles", 250},
                                Bouton{Signe::Son, "le son", 440}}) {
            dessiner_bouton(cr, b.signe, b.x + 19, 470, 18);
            ligne(a, cr, b.texte, b.x + 46, 479, 22);
        }
        emoji(a, cr, "👆", 79, 513, 30);
        ligne(a, cr, "touche l'écran : revenir au jeu", 106, 523, 22);
        double x = 60;
        ligne(a, cr, "au bout du message :", x, 567, 22);
        x += a.texte.largeur("au bout du message :", 22) + 12;
        for (const auto& [signe, texte] : {std::pair{Signe::Suivant, "niveau suivant"}, std::pair{Signe::Rejouer, "rejouer"}}) {
            dessiner_bouton(cr, signe, x + 15, 558, 15);
            ligne(a, cr, texte, x + 38, 567, 22);
            x += 38 + a.texte.largeur(texte, 22) + 16;
        }
        bidou_a(cr, 722, 486, 0.85);
        socle(cr);
        return s;
    }
    ligne(a, cr, "Les touches :", 60, 440, 24, 0x3b2a1a, true);
    struct Aide {
        const char* touche;
        const char* texte;
        double x, y;
    };
    for (const Aide& t : {Aide{"p", "pause", 60, 452}, Aide{"r", "les règles", 250, 452},
                          Aide{"Échap", "quitter le jeu", 440, 452}, Aide{"j", "revenir au jeu, ou", 60, 496},
                          Aide{"s", "niveau suivant, ou touche", 60, 540}}) {
        const double l = touche(a, cr, t.touche, t.x, t.y, 38);
        ligne(a, cr, t.texte, t.x + l + 14, t.y + 27, 22);
    }
    // The one-tap ways (an addition): a tap anywhere on this card goes back to the game,
    // and after a verdict the button at the message's end goes on.
    double x = 112 + a.texte.largeur("revenir au jeu, ou", 22) + 10;
    emoji(a, cr, "👆", x + 14, 513, 30);
    ligne(a, cr, "touche l'écran", x + 34, 523, 22);
    x = 112 + a.texte.largeur("niveau suivant, ou touche", 22) + 10;
    dessiner_bouton(cr, Signe::Suivant, x + 15, 558, 15);
    ligne(a, cr, "ou", x + 38, 567, 22);
    x += 38 + a.texte.largeur("ou", 22) + 8;
    dessiner_bouton(cr, Signe::Rejouer, x + 15, 558, 15);
    ligne(a, cr, "au bout du message", x + 38, 567, 22);
    bidou_a(cr, 722, 486, 0.85);
    socle(cr);
    return s;
}

Surface felicitations(Atelier& a, bool tout, bool tactile = false)
{
    Surface s = plein_ecran();
    Contexte c = nouveau_contexte(s.get());
    cairo_t* cr = c.get();
    degrade_vertical(cr, 0, HAUTEUR_FOND, tout ? 0xfff0b8 : 0xe2f6ff, tout ? 0xffc9a0 : 0xbfe8c4);
    cairo_paint(cr);
    struct Deco {
        const char* e;
        double x, y, t, angle;
    };
    for (const Deco& d : {Deco{"🎉", 90, 90, 90, -0.2}, Deco{"🎉", 810, 90, 90, 0.2}, Deco{"⭐", 200, 470, 50, 0.2},
                          Deco{"⭐", 720, 470, 56, -0.2}, Deco{"🥕", 90, 540, 60, -0.5}, Deco{"🍓", 820, 540, 54, 0.3}})
        emoji(a, cr, d.e, d.x, d.y, d.t, d.angle);
    titre(a, cr, texte::BRAVO, 450, 110, 96, 0xffd45a, 0x8a4a12);
    if (tout) {
        centre(a, cr, texte::JEU_TERMINE, 450, 175, 40, 0x5a2a12, true);
        centre(a, cr, texte::EN_FORME, 450, 220, 28, 0x5a2a12);
        bidou_a(cr, 300, 250, 2.2, 1);
        // Worn on the head, just above the ear, not floating over it.
        emoji(a, cr, "👑", 500, 298, 60, 0.2);
        if (tactile) {
            // A tap ends the game as Escape does; the page then offers to play again.
            tap_centre(a, cr, "Touche l'écran pour finir", {28, 40, 46, 18, 552, 566, 0x5a2a12});
        } else {
            const double l = a.texte.largeur("pour quitter", 26);
            const double x = 450 - (l + 100) / 2;
            const double lt = touche(a, cr, "Échap", x, 538, 38);
            ligne(a, cr, "pour quitter", x + lt + 12, 566, 26, 0x5a2a12);
        }
    } else {
        centre(a, cr, texte::PARCOURS_FINI, 450, 175, 40, 0x2a4a22, true);
        centre(a, cr, "Bidou a bien mangé. Le parcours suivant arrive…", 450, 220, 28, 0x2a4a22);
        bidou_a(cr, 300, 260, 2.2, 1);
        emoji(a, cr, "🏆", 690, 330, 120, 0.1);
    }
    socle(cr);
    return s;
}
}  // namespace

std::vector<Image> images_ecrans(Atelier& a)
{
    std::vector<Image> v;
    v.push_back({image::FOND, fond(a, false), false});
    v.push_back({image::DEBUT1, debut1(a), false});
    v.push_back({image::DEBUT2, debut2(a), true});
    v.push_back({image::DIFFICULTE, difficulte(a, false), false});
    v.push_back({image::TEMPS_FINI, temps_fini(a, false), false});
    v.push_back({image::PAUSE, pause(a, false), false});
    v.push_back({image::REGLE, regle(a, false), false});
    v.push_back({image::PSEUDO_FIN, felicitations(a, false), false});
    v.push_back({image::FINI, felicitations(a, true), false});
    v.push_back({image::FOND_TACTILE, fond(a, true), false});
    v.push_back({image::DIFFICULTE_TACTILE, difficulte(a, true), false});
    v.push_back({image::TEMPS_FINI_TACTILE, temps_fini(a, true), false});
    v.push_back({image::PAUSE_TACTILE, pause(a, true), false});
    v.push_back({image::REGLE_TACTILE, regle(a, true), false});
    v.push_back({image::FINI_TACTILE, felicitations(a, true, true), false});
    return v;
}
}  // namespace images
