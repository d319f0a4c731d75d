// The browser build played as a child plays it on a tablet: touch events only, in
// Debian's Chromium, headless, against the site served from this machine's loopback.
// The easy track chosen by its card, level 1 won, a tap on to level 2, level 2 lost and
// its red crosses seen, a reload that resumes at level 2, then a reload with the server
// gone and the browser offline that still starts; Escape, and "Rejouer" tapped. Measures, and prints, the time to the
// first drawn frame, the bytes a first visit transfers, the main thread's CPU in a level
// at rest and the time from a tap to the board's change. Ends with "N passed, N failed".
//
// Usage: node partie_tactile.mjs [site directory] (default: build-web/site)
import path from "node:path";
import {
  racine, bons, BOUTON, TEINTE_BOUTON, aliment, poubelle, TUILE, servir, lancer, pixels, couleur, proche, difference, toucher,
  attendre, ouvrir_et_choisir, metriques,
} from "./page_du_jeu.mjs";

const site = path.resolve(process.argv[2] || path.join(racine, "build-web/site"));
let reussis = 0, rates = 0;
// With CAPTURES=dir set, a failed check leaves a screenshot of the page there.
let page = null;
async function verifier(nom, ok, detail = "") {
  if (ok) reussis++; else rates++;
  console.log(`${ok ? "ok  " : "FAIL"} ${nom}${detail ? ` (${detail})` : ""}`);
  if (!ok && page && process.env.CAPTURES)
    await page.screenshot({ path: path.join(process.env.CAPTURES, `echec-${rates}.png`) }).catch(() => {});
  return ok;
}
const mesures = [];
const mesurer = (nom, valeur) => { mesures.push(`${nom} ${valeur}`); console.log(`     ${nom}: ${valeur}`); };

const serveur = await servir(site);
// A tablet held sideways, smaller than the game: the canvas is scaled down, and a tap
// must land where the child touched all the same.
const navigateur = await lancer({ width: 800, height: 600 });
const { contexte, fermer } = navigateur;
page = navigateur.page;
const bouton = async () => couleur(page, ...TEINTE_BOUTON);
const vert = (c) => c[1] > c[0] + 40 && c[1] > c[2] + 40;
const orange = (c) => c[0] > c[1] + 40 && c[0] > c[2] + 80;
const tuile = (k) => pixels(page, ...TUILE(k));
const rouges = async (k) => {
  const p = await tuile(k);
  let n = 0;
  for (let i = 0; i < p.length; i += 4) n += proche([p[i], p[i + 1], p[i + 2]], [220, 30, 30], 30) ? 1 : 0;
  return n;
};
// The level file as the browser's storage keeps it (IDBFS: one database per mount).
const fichier_garde = () => page.evaluate(() => new Promise((fini) => {
  const ouverture = indexedDB.open("/jeu");
  ouverture.onerror = () => fini(null);
  ouverture.onsuccess = () => {
    try {
      const lecture = ouverture.result.transaction("FILE_DATA").objectStore("FILE_DATA").get("/jeu/niveau.lvl");
      lecture.onsuccess = () => fini(lecture.result ? new TextDecoder().decode(lecture.result.contents) : null);
      lecture.onerror = () => fini(null);
    } catch { fini(null); }
  };
}));

try {
  const premiere = await ouvrir_et_choisir(page, serveur.adresse);
  await verifier("first visit: the first frame drawn, then the easy track chosen by a tap on its card", premiere !== null);
  if (premiere !== null) mesurer("first drawn frame after navigation", `${premiere} ms`);
  const tuile1 = await tuile(0);

  // Level 1 won with taps: a food's own tile for the bowl, its bin for the bin.
  for (let k = 0; k < 5; ++k) {
    const avant = await tuile(k);
    // The first tap timed in the page: from its touchstart to the first animation frame
    // whose canvas shows that food's tile changed.
    if (k === 0) await page.evaluate(([x, y, l, h]) => {
      const c = document.getElementById("canvas").getContext("2d");
      const depart = Array.from(c.getImageData(x, y, l, h).data);
      window.addEventListener("touchstart", () => { window.__tap = performance.now(); }, { once: true, capture: true });
      const regarder = () => {
        const ici = c.getImageData(x, y, l, h).data;
        if (window.__tap && ici.some((v, i) => Math.abs(v - depart[i]) > 24)) window.__vu = performance.now();
        else requestAnimationFrame(regarder);
      };
      requestAnimationFrame(regarder);
    }, TUILE(0));
    await toucher(page, bons[k] ? aliment(k) : poubelle(k));
    if (k === 0 && await verifier("a tap sorts level 1's first food",
      await attendre(page, async () => difference(await tuile(0), avant) > 0.3, 5)))
      mesurer("from a tap to the board's change", `${(await page.evaluate(() => window.__vu - window.__tap)).toFixed(0)} ms`);
    await page.waitForTimeout(300);
  }
  await verifier("level 1 won: the arrow on shows at the message's end",
    await attendre(page, async () => vert(await bouton()), 30));
  const garde = await fichier_garde();
  await verifier("level 1 won: niveau.lvl in the browser's storage holds 5", garde === "5", String(garde));
  await toucher(page, BOUTON);
  await verifier("a tap on the button opens level 2", await attendre(page,
    async () => !vert(await bouton()) && difference(await tuile(0), tuile1) > 0.3, 10));
  const tuile2 = await tuile(0);

  // Level 2 lost, every food on the wrong side: a red cross over each.
  for (let k = 0; k < 5; ++k) {
    await toucher(page, bons[5 + k] ? poubelle(k) : aliment(k));
    await page.waitForTimeout(300);
  }
  await verifier("level 2 lost: the round arrow shows at the message's end",
    await attendre(page, async () => orange(await bouton()), 30));
  const croix = [];
  for (let k = 0; k < 5; ++k) croix.push(await rouges(k));
  await verifier("level 2 lost: a red cross over each of the five wrong foods", croix.every((n) => n > 150),
    `red pixels: ${croix.join(", ")}`);
  const octets = serveur.octets();
  mesurer("bytes transferred by the first visit", `${octets} (${(octets / 1e6).toFixed(2)} MB)`);
  await verifier("the first visit transfers at most 6 MB", octets <= 6e6);

  // A reload resumes at level 2.
  const rechargee = await ouvrir_et_choisir(page, serveur.adresse);
  await verifier("after a reload the easy track resumes at level 2",
    rechargee !== null && difference(await tuile(0), tuile2) < 0.05);
  // The main thread at rest in a level, over 10 s.
  const cdp = await contexte.newCDPSession(page);
  await cdp.send("Performance.enable");
  const avant = await metriques(cdp, page), h0 = Date.now();
  await page.waitForTimeout(10000);
  const apres = await metriques(cdp, page);
  mesurer("main thread's CPU in a level at rest over 10 s",
    `${(100 * (apres.occupe - avant.occupe) / ((Date.now() - h0) / 1000)).toFixed(1)} % of a core`);

  // Offline: the server gone and the browser told it has no network; the service worker
  // alone brings the page and the game back, with the progress kept.
  await serveur.arreter();
  await contexte.setOffline(true);
  const horsligne = await ouvrir_et_choisir(page, serveur.adresse);
  await verifier("with the network cut off the page starts and resumes at level 2",
    horsligne !== null && difference(await tuile(0), tuile2) < 0.05);

  // Escape ends the game; the page offers to play again, and a tap on it does.
  await page.keyboard.press("Escape");
  await verifier("after Escape the page shows Rejouer", await attendre(page, () => page.locator("#rejouer").isVisible(), 10));
  const avant_rejouer = await pixels(page, 0, 0, 900, 640);
  const b = await page.locator("#rejouer").boundingBox();
  await page.touchscreen.tap(b.x + b.width / 2, b.y + b.height / 2);
  await verifier("a tap on Rejouer starts the game again in the page", await attendre(page, async () =>
    !(await page.locator("#rejouer").isVisible()) && difference(await pixels(page, 0, 0, 900, 640), avant_rejouer) > 0.3, 10));
} catch (e) {
  await verifier("the browser test ran to its end", false, e.stack || String(e));
} finally {
  await fermer();
  await serveur.arreter().catch(() => {});
}
console.log(`partie_tactile: ${mesures.join("; ")}`);
console.log(`${reussis} passed, ${rates} failed`);
process.exit(rates === 0 ? 0 : 1);
