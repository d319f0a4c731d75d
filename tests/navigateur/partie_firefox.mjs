// The browser build in Debian's Firefox ESR, headless, driven over WebDriver BiDi by
// puppeteer-core (which fetches no browser of its own): the site loads and draws, the
// easy track is chosen, level 1 is won with the mouse, its button opens level 2, and a
// reload resumes at level 2 from the progress Firefox kept; a second tab waits for the
// game, and takes it with "Jouer ici". Ends with "N passed, N failed".
//
// Usage: node partie_firefox.mjs [site directory] (default: build-web/site)
import path from "node:path";
import puppeteer from "puppeteer-core";
import {
  racine, BOUTON, TEINTE_BOUTON, CARTE_FACILE, TUILE, servir, pixels, couleur, difference, attendre,
  niveau_a_l_ecran, progression_gardee, gagner_niveau, bilan, apres_un_tap,
} from "./page_du_jeu.mjs";

const site = path.resolve(process.argv[2] || path.join(racine, "build-web/site"));
const suivi = bilan();
const { verifier } = suivi;

const serveur = await servir(site);
let navigateur = null;
try {
  navigateur = await puppeteer.launch({
    browser: "firefox",
    protocol: "webDriverBiDi",
    executablePath: process.env.FIREFOX || "/usr/bin/firefox-esr",
    headless: true,
  });
  const page = await navigateur.newPage();
  await page.setViewport({ width: 1024, height: 768 });
  const cliquer = async ([x, y]) => {
    const b = await page.$eval("#canvas", (c) => { const r = c.getBoundingClientRect(); return { x: r.x, y: r.y, l: r.width, h: r.height }; });
    await page.mouse.click(b.x + (x + 0.5) * b.l / 900, b.y + (y + 0.5) * b.h / 640);
  };
  const tuile = () => pixels(page, ...TUILE(0));
  const vert = (c) => c[1] > c[0] + 40 && c[1] > c[2] + 40;
  // Opens the site, waits for the first frame, then clicks the easy card until a level
  // shows, and past the time in which the next click would be a double click's second.
  const ouvrir = async () => {
    await page.goto(serveur.adresse);
    const ok = await attendre(page, () => page.evaluate(() => document.body.dataset.premiereImage === "oui"), 60) &&
      await attendre(page, async () => { await cliquer(CARTE_FACILE); return niveau_a_l_ecran(page); }, 60);
    await apres_un_tap();
    return ok;
  };

  verifier(`Firefox ${await navigateur.version()}: the site loads, draws, and the easy track opens`, await ouvrir());
  const niveau1 = await tuile();
  await gagner_niveau(cliquer, 1);
  verifier("level 1 won with the mouse: the arrow on shows", await attendre(page, async () => vert(await couleur(page, ...TEINTE_BOUTON)), 30));
  const garde = await progression_gardee(page);
  verifier("Firefox's storage holds level 1 won", garde === "5", String(garde));
  await cliquer(BOUTON);
  verifier("a click on the button opens level 2",
    await attendre(page, async () => await niveau_a_l_ecran(page) && difference(await tuile(), niveau1) > 0.3, 15));
  const niveau2 = await tuile();
  verifier("after a reload the easy track resumes at level 2", await ouvrir() && difference(await tuile(), niveau2) < 0.05);

  // One game at a time, with Firefox's own locks and channel: a second tab waits, and its
  // "Jouer ici" moves the game there.
  const seconde = await navigateur.newPage();
  await seconde.goto(serveur.adresse);
  const texte = (p) => p.$eval("#ailleurs", (e) => (e.hidden ? "" : e.innerText));
  verifier("a second tab says the game is open elsewhere",
    await attendre(seconde, async () => /déjà ouvert/.test(await texte(seconde)), 10));
  await seconde.click("#jouer-ici");
  verifier("its Jouer ici moves the game: the first tab says it goes on in the other one, the second starts",
    await attendre(page, async () => /autre onglet/.test(await texte(page)), 10) &&
    await attendre(seconde, () => seconde.evaluate(() => document.body.dataset.premiereImage === "oui"), 60));
} catch (e) {
  verifier("the Firefox run went to its end", false, e.stack || String(e));
} finally {
  await navigateur?.close().catch(() => {});
  await serveur.arreter().catch(() => {});
}
suivi.finir();
