// The page's sound (web/son.js) in Debian's Chromium, headless, touch only: nothing plays
// before the first tap and the last voice clip asked then plays after it, a sound asked
// then does not come late; a new voice cuts the one playing; silence stops it; a missing
// clip is said once; the audio context rests once nothing plays; and a first visit fetches
// no clip the game has not asked for. Until the game's flow asks for clips, they are asked
// here through the same door the game uses (Module.grignotinSon). Ends with "N passed,
// N failed". Usage: node son.mjs [site directory] (default: build-web/site)
import path from "node:path";
import { racine, servir, lancer, toucher, attendre, bilan } from "./page_du_jeu.mjs";

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
  await serveur.arreter();
}
suivi.finir();
