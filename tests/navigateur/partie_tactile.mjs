// The browser build played as a child plays it on a tablet: touch events only, in
// Debian's Chromium, headless, against the site served from this machine's loopback.
// The easy track chosen by its card, level 1 won, a tap on to level 2, level 2 lost and
// its red crosses seen, a reload that resumes at level 2, then a reload with the network
// cut off that still starts. Measures, and prints, the time to the first drawn frame, the
// bytes a first visit transfers, the main thread's CPU in a level at rest and the time
// from a tap to the board's change. Ends with "N passed, N failed".
//
// Usage: node partie_tactile.mjs [site directory] (default: build-web/site)
import { chromium } from "playwright-core";
import { createServer } from "node:http";
import { readFile, stat } from "node:fs/promises";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";

const racine = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");
const site = path.resolve(process.argv[2] || path.join(racine, "build-web/site"));

// The answer key, read from the game's own catalogue, in game order.
const bons = [...readFileSync(path.join(racine, "src/rules/catalogue.cpp"), "utf8").matchAll(
  /\{"photo\/\w+\.bmp", ALIMENT_(BON|MAUVAIS)\}/g)].map((m) => m[1] === "BON");
if (bons.length !== 95) throw new Error(`read ${bons.length} foods from the catalogue, not 95`);

// Where things stand in the game's 900 x 640 (src/draw/geometrie.hpp).
const CARTE_FACILE = [45 + 125, 130 + 165];
const BOUTON = [848 + 22, 29 + 22];
const aliment = (k) => [550 + 35, 76 + 30 + 100 * k];
const poubelle = (k) => [700 + 65, 100 + 44 + 100 * k];
const TUILE = (k) => [550, 76 + 100 * k, 70, 53];  // a food's picture, where its cross goes

// --- a plain static server that compresses nothing, counting what it sends ----------
const types = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm",
  ".json": "application/json", ".webmanifest": "application/manifest+json", ".png": "image/png",
  ".data": "application/octet-stream" };
let octets = 0;
const serveur = createServer(async (requete, reponse) => {
  const nom = decodeURIComponent(new URL(requete.url, "http://x").pathname);
  const fichier = path.join(site, nom.endsWith("/") ? nom + "index.html" : nom);
  if (!fichier.startsWith(site)) return reponse.writeHead(403).end();
  try {
    const contenu = await readFile(fichier);
    reponse.writeHead(200, { "Content-Type": types[path.extname(fichier)] || "application/octet-stream",
      "Content-Length": contenu.length, "Cache-Control": "no-cache" });
    reponse.end(contenu);
    octets += contenu.length;
  } catch {
    reponse.writeHead(404).end();
  }
});
await stat(path.join(site, "index.html")).catch(() => {
  console.error(`partie_tactile: no site in ${site} (build it with ./web.sh --build-only)`);
  process.exit(2);
});
await new Promise((pret) => serveur.listen(0, "127.0.0.1", pret));
const adresse = `http://127.0.0.1:${serveur.address().port}/`;

// --- the checks -----------------------------------------------------------------------
let reussis = 0, rates = 0;
function verifier(nom, ok, detail = "") {
  if (ok) reussis++; else rates++;
  console.log(`${ok ? "ok  " : "FAIL"} ${nom}${detail ? ` (${detail})` : ""}`);
  return ok;
}
const mesures = [];
const mesurer = (nom, valeur) => { mesures.push(`${nom}: ${valeur}`); console.log(`     ${nom}: ${valeur}`); };

const profil = mkdtempSync(path.join(tmpdir(), "grignotin-chromium-"));
const navigateur = await chromium.launchPersistentContext(profil, {
  executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
  headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
    "--disable-component-update", "--disable-sync"],
  // A tablet held sideways, smaller than the game: the canvas is scaled down, and a tap
  // must land where the child touched all the same.
  viewport: { width: 800, height: 600 },
  hasTouch: true,
  isMobile: false,
});
const page = navigateur.pages()[0] || await navigateur.newPage();
page.on("pageerror", (e) => console.log(`     page error: ${e.message}`));

// The canvas's pixels, in the game's own coordinates.
async function pixels(x, y, l, h) {
  return page.evaluate(([x, y, l, h]) => {
    const c = document.getElementById("canvas");
    return Array.from(c.getContext("2d").getImageData(x, y, l, h).data);
  }, [x, y, l, h]);
}
async function couleur(x, y) { const p = await pixels(x, y, 1, 1); return p.slice(0, 3); }
const proche = (c, attendu, marge = 24) => c.every((v, i) => Math.abs(v - attendu[i]) <= marge);
const difference = (a, b) => a.reduce((n, v, i) => n + (Math.abs(v - b[i]) > 24 ? 1 : 0), 0) / a.length;

// A tap where the game's pixel x, y shows on the page, after the canvas's scaling.
async function toucher([x, y]) {
  const b = await page.locator("#canvas").boundingBox();
  await page.touchscreen.tap(b.x + (x + 0.5) * b.width / 900, b.y + (y + 0.5) * b.height / 640);
}
async function attendre(quoi, condition, secondes) {
  const fin = Date.now() + secondes * 1000;
  while (Date.now() < fin) {
    if (await condition().catch(() => false)) return true;
    await page.waitForTimeout(100);
  }
  return verifier(quoi, false, `not within ${secondes} s`) && false;
}
// The score panel, all light yellow along the bottom: a level is on the screen.
const niveau_a_l_ecran = async () => proche(await couleur(450, 630), [255, 255, 128], 8);
const bouton = async () => couleur(...BOUTON);
const vert = (c) => c[1] > c[0] + 40 && c[1] > c[2] + 40;
const orange = (c) => c[0] > c[1] + 40 && c[0] > c[2] + 80;
const rouges = async (k) => {
  const p = await pixels(...TUILE(k));
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

// Loads the page, waits for the first frame, then taps the easy card until a level shows:
// what is done during the intro and the fade is dropped, so a child taps again.
async function ouvrir_et_choisir(comment) {
  const debut = Date.now();
  await page.goto(adresse, { waitUntil: "commit" });
  const dessine = await attendre(`${comment}: a first frame drawn`,
    () => page.evaluate(() => document.body.dataset.premiereImage === "oui"), 30);
  const premiere = Date.now() - debut;
  if (!(await attendre(`${comment}: the intro and the track choice`, async () => {
    await toucher(CARTE_FACILE);
    return niveau_a_l_ecran();
  }, 60))) return null;
  return dessine ? premiere : null;
}

try {
  // First visit.
  const premiere = await ouvrir_et_choisir("first visit");
  verifier("first visit: the easy track chosen by a tap on its card", premiere !== null);
  if (premiere !== null) mesurer("first drawn frame after navigation", `${premiere} ms`);
  const tuile1 = await pixels(...TUILE(0));

  // Level 1 won with taps: a food's own tile for the bowl, its bin for the bin.
  for (let k = 0; k < 5; ++k) {
    const avant = await pixels(...TUILE(k));
    const t0 = Date.now();
    await toucher(bons[k] ? aliment(k) : poubelle(k));
    if (k === 0) {
      await attendre("a tap sorts level 1's first food", async () => difference(await pixels(...TUILE(0)), avant) > 0.3, 5);
      mesurer("from a tap to the board's change", `${Date.now() - t0} ms (as seen through the test's polling)`);
    }
    await page.waitForTimeout(300);
  }
  verifier("level 1 won: the arrow on shows at the message's end",
    await attendre("the verdict of level 1", async () => vert(await bouton()), 30));
  verifier("level 1 won: niveau.lvl kept in the browser's storage holds 5", (await fichier_garde()) === "5",
    String(await fichier_garde()));
  await toucher(BOUTON);
  await attendre("a tap on the button opens level 2",
    async () => !vert(await bouton()) && difference(await pixels(...TUILE(0)), tuile1) > 0.3, 10);
  const tuile2 = await pixels(...TUILE(0));

  // Level 2 lost, every food on the wrong side: a red cross over each.
  for (let k = 0; k < 5; ++k) {
    await toucher(bons[5 + k] ? poubelle(k) : aliment(k));
    await page.waitForTimeout(300);
  }
  verifier("level 2 lost: the round arrow shows at the message's end",
    await attendre("the verdict of level 2", async () => orange(await bouton()), 30));
  const croix = [];
  for (let k = 0; k < 5; ++k) croix.push(await rouges(k));
  verifier("level 2 lost: a red cross over each of the five wrong foods", croix.every((n) => n > 150), croix.join(", "));
  const premiere_visite = octets;
  mesurer("bytes transferred by the first visit", `${premiere_visite} (${(premiere_visite / 1e6).toFixed(2)} MB)`);
  verifier("the first visit transfers at most 6 MB", premiere_visite <= 6e6);

  // A reload resumes at level 2.
  const rechargee = await ouvrir_et_choisir("reload");
  verifier("after a reload the easy track resumes at level 2",
    rechargee !== null && difference(await pixels(...TUILE(0)), tuile2) < 0.05);
  // The main thread at rest in a level, over 10 s.
  const cdp = await navigateur.newCDPSession(page);
  await cdp.send("Performance.enable");
  const duree = async () => (await cdp.send("Performance.getMetrics")).metrics.find((m) => m.name === "TaskDuration").value;
  const t0 = await duree(), h0 = Date.now();
  await page.waitForTimeout(10000);
  const part = (await duree() - t0) / ((Date.now() - h0) / 1000);
  mesurer("main thread's CPU in a level at rest over 10 s", `${(100 * part).toFixed(1)} % of a core`);

  // Offline: the server stopped and the browser told it has no network; the service
  // worker alone brings the page and the game back.
  await new Promise((fini) => { serveur.close(fini); serveur.closeAllConnections(); });
  await navigateur.setOffline(true);
  const horsligne = await ouvrir_et_choisir("offline");
  verifier("with the network cut off the page starts and resumes at level 2",
    horsligne !== null && difference(await pixels(...TUILE(0)), tuile2) < 0.05);
} catch (e) {
  verifier("the browser test ran to its end", false, e.stack || String(e));
} finally {
  await navigateur.close().catch(() => {});
  serveur.close();
  serveur.closeAllConnections();
  rmSync(profil, { recursive: true, force: true });
}
console.log(`partie_tactile: ${mesures.join("; ")}`);
console.log(`${reussis} passed, ${rates} failed`);
process.exit(rates === 0 ? 0 : 1);
