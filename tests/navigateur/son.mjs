// The page's sound (web/son.js) in Debian's Chromium, headless, touch only: nothing plays
// before the first tap and the last voice clip asked then plays after it, a sound asked
// then does not come late; a new voice cuts the one playing; silence stops it; a missing
// clip is said once; the audio context rests once nothing plays; and a first visit fetches
// no clip the game has not asked for: these asked directly through the door the game uses
// (Module.grignotinSon). Then the game itself, as a child plays it in a fresh browser:
// the first tap, on a card, unlocks audio; each sort starts one voice clip, the food's
// name, and its container's sound; a tap on the speaker mutes, and the sorts after it say
// nothing; the next visit starts muted (the page kept it); a tap again unmutes, and the
// next sort speaks. Ends with "N passed, N failed".
// Usage: node son.mjs [site directory] (default: build-web/site)
import path from "node:path";
import { racine, servir, lancer, toucher, attendre, pause, pixels, difference, DOUBLE_TAP, CARTE_FACILE,
  aliment, poubelle, cartes_a_l_ecran, niveau_a_l_ecran, attendre_ecran_immobile, bilan, cadre, milieu } from "./page_du_jeu.mjs";

const site = path.resolve(process.argv[2] || path.join(racine, "build-web/site"));
const suivi = bilan({ fin: "son: " });
const { verifier } = suivi;

const serveur = await servir(site);
const { page, fermer } = await lancer({ width: 900, height: 640 });
const avertissements = [];
page.on("console", (m) => { if (m.type() === "warning") avertissements.push(m.text()); });
const joues = () => page.evaluate(() => Module.sons_joues.map((s) => ({ ...s })));
const etat = () => page.evaluate(() => Module.sons_etat());
const jouer = (nom, voix) => page.evaluate(([n, v]) => Module.grignotinSon.jouer(n, v), [nom, voix]);
const demandes = [];
page.on("request", (r) => { if (r.url().includes("/sons/")) demandes.push(path.basename(new URL(r.url()).pathname)); });

try {
  await page.goto(serveur.adresse, { waitUntil: "commit" });
  verifier("the page draws its first frame",
    await attendre(page, () => page.evaluate(() => document.body.dataset.premiereImage === "oui"), 30));
  verifier("a first visit fetches no clip before one is asked", demandes.length === 0, demandes.join(" "));

  await jouer("voix_gagne", true);
  await jouer("voix_cartes", true);  // the last voice asked before the tap: the one to say
  await jouer("croque", false);
  await page.waitForTimeout(500);
  verifier("nothing plays before the first tap", (await joues()).length === 0 && (await etat()) === "verrouille",
    `${await etat()}, ${JSON.stringify(await joues())}`);

  await toucher(page, [450, 600]);  // the intro drops it; the page takes it as the gesture
  const apres_tap = await attendre(page, async () => (await joues()).length > 0, 5);
  await page.waitForTimeout(300);
  const premiers = await joues();
  verifier("the first tap plays the last voice asked, once, and nothing else", apres_tap &&
    premiers.length === 1 && premiers[0].nom === "voix_cartes" && (await etat()) === "actif",
    JSON.stringify(premiers.map((s) => s.nom)));

  // A fast child: two names in a row; the second cuts the first, and the crunch plays over.
  await jouer("aliment_00", true);
  await page.waitForTimeout(150);
  await jouer("croque", false);
  await jouer("aliment_01", true);
  await attendre(page, async () => (await joues()).some((s) => s.nom === "aliment_01"), 5);
  await page.waitForTimeout(200);
  const rapides = await joues();
  const a0 = rapides.find((s) => s.nom === "aliment_00"), a1 = rapides.find((s) => s.nom === "aliment_01");
  const c = rapides.filter((s) => s.nom === "croque");
  verifier("a new name cuts the one still playing", a1 && (!a0 || (a0.fin !== null && a0.fin <= a1.t + 50)),
    JSON.stringify(rapides.map((s) => [s.nom, Math.round(s.t), s.fin && Math.round(s.fin)])));
  verifier("a sound plays over the voice", c.length === 1 && (c[0].fin === null || c[0].fin > a1.t - 50));

  await jouer("voix_regles", true);
  await attendre(page, async () => (await joues()).some((s) => s.nom === "voix_regles"), 5);
  await page.evaluate(() => Module.grignotinSon.taire());
  await page.waitForTimeout(300);
  const regles = (await joues()).find((s) => s.nom === "voix_regles");
  verifier("silence stops the rules' 37 s voice", regles && regles.fin !== null && regles.fin - regles.t < 2000,
    JSON.stringify(regles));

  await jouer("sans_fichier", false);
  await jouer("sans_fichier", false);
  await page.waitForTimeout(800);
  await jouer("sans_fichier", false);
  await page.waitForTimeout(300);
  const dits = avertissements.filter((a) => a.includes("sans_fichier.ogg"));
  verifier("a missing clip is said once", dits.length === 1, dits.join(" | "));

  verifier("the audio context rests 3 s after the last clip",
    await attendre(page, async () => (await etat()) === "repos", 8), await etat());
  await jouer("croque", false);
  verifier("and wakes for the next", await attendre(page, async () => (await etat()) === "actif", 3), await etat());
} catch (e) {
  verifier("no exception", false, e.stack);
} finally {
  await fermer();
}

// The speaker on the board and on the cards (src/draw/geometrie.hpp): its square, and its centre.
const SPEAKER = cadre("BOUTON_SON"), SPEAKER_CARTES = cadre("BOUTON_SON_CARTES");
const HAUT_PARLEUR = milieu(SPEAKER);
const jeu = await lancer({ width: 900, height: 640 });
try {
  const page = jeu.page;
  const joues = () => page.evaluate(() => Module.sons_joues.map((s) => ({ ...s })));
  const etat = () => page.evaluate(() => Module.sons_etat());
  const dessin_du_haut_parleur = () => pixels(page, ...SPEAKER);
  const noms = (l) => JSON.stringify(l.map((s) => s.nom));
  await page.goto(serveur.adresse, { waitUntil: "commit" });
  // No tap until the cards stand still: the intro and the fade pass untouched.
  const cartes = await attendre_ecran_immobile(page, () => cartes_a_l_ecran(page), 1500, 60);
  const son_cartes = await pixels(page, ...SPEAKER_CARTES);
  verifier("the game: audio held until the first tap, while the cards wait",
    cartes && (await etat()) === "verrouille" && (await joues()).length === 0,
    `cards ${cartes}, ${await etat()}, ${(await joues()).length} started`);
  await toucher(page, CARTE_FACILE);
  const ouvert = await attendre(page, () => niveau_a_l_ecran(page), 10) &&
    await attendre(page, async () => (await joues()).length > 0, 5);
  const invitation = await joues();
  verifier("the first tap, on a card, opens level 1, unlocks audio, and the cards' invitation asked before it is said",
    ouvert && (await etat()) === "actif" && invitation.length === 1 && invitation[0].nom === "voix_cartes",
    `${await etat()}, ${noms(invitation)}`);
  await pause(DOUBLE_TAP + 100);

  // Sorts `k`, a row of level 1 (the catalogue's foods 0 to 4), into its bowl (a tap on the
  // food) or its bin: what started in the next `ms`.
  const trier = async (k, dans_la_gamelle, ms = 1500) => {
    const avant = (await joues()).length;
    await toucher(page, dans_la_gamelle ? aliment(k) : poubelle(k));
    await pause(ms);
    return (await joues()).slice(avant);
  };
  const dit_le_tri = (nouveaux, k, dans_la_gamelle) => {
    const voix = nouveaux.filter((s) => s.voix), sons = nouveaux.filter((s) => !s.voix);
    return voix.length === 1 && voix[0].nom === `aliment_${String(k).padStart(2, "0")}` &&
      sons.length === 1 && sons[0].nom === (dans_la_gamelle ? "croque" : "poubelle");
  };

  let n = await trier(0, false);
  verifier("a sort into the bin starts one voice clip, the food's name, and the bin's thud",
    dit_le_tri(n, 0, false), noms(n));
  n = await trier(1, true);
  verifier("a sort into the bowl: the next food's name and the crunch", dit_le_tri(n, 1, true), noms(n));

  const son = await dessin_du_haut_parleur();
  await toucher(page, HAUT_PARLEUR);
  await pause(DOUBLE_TAP + 100);
  const muet = await dessin_du_haut_parleur();
  verifier("a tap on the speaker draws it crossed out", difference(son, muet) > 0.05,
    `${Math.round(100 * difference(son, muet))} % of its bytes changed`);
  const muets = [...await trier(2, true, 800), ...await trier(3, false, 1500)];
  verifier("muted: the next two sorts start nothing", muets.length === 0, noms(muets));


  // The next visit, in the same browser: the page kept the mute. The game starts muted, its
  // speaker crossed out on the cards; the first tap, on a card, says nothing, nor does a sort.
  await page.reload({ waitUntil: "commit" });
  const revenu = await attendre_ecran_immobile(page, () => cartes_a_l_ecran(page), 1500, 60);
  verifier("the next visit starts muted: the cards' speaker crossed out", revenu &&
    difference(son_cartes, await pixels(page, ...SPEAKER_CARTES)) > 0.05);
  await toucher(page, CARTE_FACILE);
  await attendre(page, () => niveau_a_l_ecran(page), 10);
  await pause(DOUBLE_TAP + 100);
  n = [...await joues(), ...await trier(0, false)];
  verifier("muted from the start: neither the cards' invitation nor a sort is said",
    n.length === 0 && difference(muet, await dessin_du_haut_parleur()) < 0.02, noms(n));

  await toucher(page, HAUT_PARLEUR);
  await pause(DOUBLE_TAP + 100);
  verifier("a tap on the speaker draws it as before", difference(son, await dessin_du_haut_parleur()) < 0.02);
  n = await trier(1, true);
  verifier("unmuted: the next sort speaks again", dit_le_tri(n, 1, true), noms(n));
  verifier("and the page keeps that too", await page.evaluate(() => !Module.grignotinSon.muet_garde()));
} catch (e) {
  verifier("no exception in the game", false, e.stack);
} finally {
  await jeu.fermer();
  await serveur.arreter();
}
suivi.finir();
