// The browser build's site, served from this machine's loopback by a plain static server
// that compresses nothing and counts what it sends, and played in Debian's Chromium,
// headless, with touch events: what the browser test and the bench share.
import { chromium } from "playwright-core";
import { createServer } from "node:http";
import { readFile, stat } from "node:fs/promises";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";

export const racine = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");

// The answer key, read from the game's own catalogue, in game order: true for good.
export const bons = [...readFileSync(path.join(racine, "src/rules/catalogue.cpp"), "utf8").matchAll(
  /\{"photo\/\w+\.bmp", ALIMENT_(BON|MAUVAIS)\}/g)].map((m) => m[1] === "BON");
if (bons.length !== 95) throw new Error(`read ${bons.length} foods from the catalogue, not 95`);

// A frame of src/draw/geometrie.hpp by its name ("BOUTON_PAUSE"), as [x, y, width, height].
const geometrie = readFileSync(path.join(racine, "src/draw/geometrie.hpp"), "utf8");
export function cadre(nom) {
  const m = new RegExp(`Cadre ${nom} = \\{(\\d+), (\\d+), (\\d+), (\\d+)\\}`).exec(geometrie);
  if (!m) throw new Error(`no Cadre ${nom} in src/draw/geometrie.hpp`);
  return m.slice(1).map(Number);
}
export const milieu = ([x, y, l, h]) => [x + (l >> 1), y + (h >> 1)];
// The three track cards, easy, medium, hard.
export const CARTES = (() => {
  const m = /Cadre CARTES_PISTE\[3\] = \{(.*)\};/.exec(geometrie);
  const cartes = m ? [...m[1].matchAll(/\{(\d+), (\d+), (\d+), (\d+)\}/g)].map((c) => c.slice(1).map(Number)) : [];
  if (cartes.length !== 3) throw new Error("no CARTES_PISTE[3] in src/draw/geometrie.hpp");
  return cartes;
})();
// Where Bidou's head marks the card holding the saved level (marque_carte): its offsets
// from the card's right and top, and its size, read from that function's one line.
export const marque_carte = (() => {
  const m = /largeur - (\d+), CARTES_PISTE\[piste\]\.y \+ (\d+), (\d+), (\d+)\}/.exec(geometrie);
  if (!m) throw new Error("no marque_carte in src/draw/geometrie.hpp");
  const [droite, haut, l, h] = m.slice(1).map(Number);
  return (piste) => [CARTES[piste][0] + CARTES[piste][2] - droite, CARTES[piste][1] + haut, l, h];
})();
// The rows under the mark where the level's number is written (marque_dans_sa_carte).
export const numero_carte = (() => {
  const m = /m\.y \+ m\.hauteur \+ (\d+) <= c\.y/.exec(geometrie);
  if (!m) throw new Error("no marque_dans_sa_carte in src/draw/geometrie.hpp");
  return (piste) => { const [x, y, l, h] = marque_carte(piste); return [x, y + h, l, Number(m[1])]; };
})();
// Read from the game's own sources: how long after a tap that closed or opened a screen
// another tap is its double tap's second (ms), and how opaque the pause's picture is.
const nombre = (fichier, nom) => {
  const m = new RegExp(`${nom} = (\\d+);`).exec(readFileSync(path.join(racine, fichier), "utf8"));
  if (!m) throw new Error(`no ${nom} in ${fichier}`);
  return Number(m[1]);
};
export const DOUBLE_TAP = nombre("src/flow/attente.cpp", "DUREE_DOUBLE_TAP");
export const ALPHA_PAUSE = nombre("src/draw/ecrans.cpp", "ALPHA_PAUSE");

// A picture the build made, by its name in src/draw/noms_images.hpp ("FOND_TACTILE"):
// assets/photo/*.bmp, 24 bits, as the picture tool writes them. `rgb(x, y)` reads a pixel.
const noms_images = readFileSync(path.join(racine, "src/draw/noms_images.hpp"), "utf8");
export function image(nom) {
  const m = new RegExp(`const char\\* ${nom} = "([^"]+)"`).exec(noms_images);
  if (!m) throw new Error(`no picture ${nom} in src/draw/noms_images.hpp`);
  const fichier = path.join(racine, "assets", m[1]);
  const d = readFileSync(fichier);
  if (d.toString("latin1", 0, 2) !== "BM" || d.readUInt16LE(28) !== 24 || d.readUInt32LE(30) !== 0)
    throw new Error(`${fichier} is not a plain 24-bit BMP`);
  const debut = d.readUInt32LE(10), l = d.readInt32LE(18), h = d.readInt32LE(22), ligne = Math.ceil(3 * l / 4) * 4;
  return {
    l, h: Math.abs(h),
    rgb: (x, y) => { const o = debut + (h > 0 ? h - 1 - y : y) * ligne + 3 * x; return [d[o + 2], d[o + 1], d[o]]; },
  };
}

// The share of the canvas's pixels in `[x, y, l, h]` that show picture `nom` (within a
// little): drawn with its top left at `ou` (0, 0 by default), blended at `alpha` over the
// RGBA pixels `dessous` of the same frame, counting only the pixels where
// `garder([r, g, b] of the picture, x, y)` holds (the colour key left out, or where two
// pictures differ).
export async function ressemblance(page, nom, [x, y, l, h], { ou = [0, 0], alpha = 1, dessous = null, garder = () => true } = {}) {
  const img = image(nom), ici = await pixels(page, x, y, l, h);
  let vus = 0, justes = 0;
  for (let j = 0; j < h; ++j) for (let i = 0; i < l; ++i) {
    const p = img.rgb(x + i - ou[0], y + j - ou[1]);
    if (!garder(p, x + i, y + j)) continue;
    const o = 4 * (j * l + i);
    const attendu = p.map((v, c) => alpha * v + (1 - alpha) * (dessous ? dessous[o + c] : 0));
    ++vus;
    if (attendu.every((v, c) => Math.abs(v - ici[o + c]) <= 24)) ++justes;
  }
  return vus ? justes / vus : 0;
}

// Where things stand in the game's 900 x 640 (src/draw/geometrie.hpp).
export const CARTE_FACILE = [45 + 125, 130 + 165];
export const BOUTON = [848 + 22, 29 + 22];
// A pixel of the button's own colour, left of its white sign: green on, orange again.
export const TEINTE_BOUTON = [848 + 10, 29 + 22];
export const aliment = (k) => [550 + 35, 76 + 30 + 100 * k];
export const poubelle = (k) => [700 + 65, 100 + 44 + 100 * k];
export const TUILE = (k) => [550, 76 + 100 * k, 70, 53];  // a food's picture, where its cross goes
export const gamelle = (k) => [400 + 68, 100 + 44 + 100 * k];
// A row's bowl and bin as drawn: empty until its food is sorted.
export const RECIPIENTS = (k) => [[400, 100 + 100 * k, 136, 88], [700, 100 + 100 * k, 130, 88]];
// The foods' column and the bins', all five rows: where a sort shows, clear of Bidou's walk.
export const TRIS = [550, 76, 280, 500];
// In the message box, left of its button: a tap there goes on once the verdict is in.
export const MESSAGE = [500, 50];
// Grass left of the bowls, above the panel, on nothing a tap acts on.
export const HERBE = [300, 540];

const types = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm",
  ".json": "application/json", ".webmanifest": "application/manifest+json", ".png": "image/png" };

// Serves `site` on 127.0.0.1, on a free port; `octets()` is what it has sent so far, and
// `changer(autre)` serves another build at the same address, as a deploy does;
// `envoyes()` names each file sent so far, in order.
export async function servir(site) {
  site = path.resolve(site);
  const envoyes = [];
  await stat(path.join(site, "index.html")).catch(() => {
    throw new Error(`no site in ${site} (build it with ./web.sh --build-only)`);
  });
  // The clips (sons/) apart: the page fetches each the first time the game plays it, so
  // they are what playing costs, not what opening the page does.
  let octets = 0, octets_sons = 0;
  const serveur = createServer(async (requete, reponse) => {
    const nom = decodeURIComponent(new URL(requete.url, "http://x").pathname);
    const fichier = path.join(site, nom.endsWith("/") ? nom + "index.html" : nom);
    if (!fichier.startsWith(site + path.sep)) return reponse.writeHead(403).end();
    try {
      const contenu = await readFile(fichier);
      reponse.writeHead(200, { "Content-Type": types[path.extname(fichier)] || "application/octet-stream",
        "Content-Length": contenu.length, "Cache-Control": "no-cache" });
      reponse.end(contenu);
      octets += contenu.length;
      if (nom.startsWith("/sons/")) octets_sons += contenu.length;
      envoyes.push(nom);
    } catch {
      reponse.writeHead(404).end();
    }
  });
  await new Promise((pret) => serveur.listen(0, "127.0.0.1", pret));
  return {
    adresse: `http://127.0.0.1:${serveur.address().port}/`,
    octets: () => octets,
    octets_sons: () => octets_sons,
    envoyes: () => [...envoyes],
    changer: (autre) => { site = path.resolve(autre); },
    arreter: () => new Promise((fini) => { serveur.close(fini); serveur.closeAllConnections(); }),
  };
}

// Chromium with a fresh profile, headless, on a touch screen of the given size.
export async function lancer(viewport = { width: 800, height: 600 }) {
  const profil = mkdtempSync(path.join(tmpdir(), "grignotin-chromium-"));
  const contexte = await chromium.launchPersistentContext(profil, {
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
      "--disable-component-update", "--disable-sync"],
    viewport,
    hasTouch: true,
  });
  const page = contexte.pages()[0] || await contexte.newPage();
  page.on("pageerror", (e) => console.log(`     page error: ${e.message}`));
  return {
    contexte, page,
    fermer: async () => { await contexte.close().catch(() => {}); rmSync(profil, { recursive: true, force: true }); },
  };
}

// The canvas's pixels, in the game's own coordinates, as RGBA bytes.
export async function pixels(page, x, y, l, h) {
  return page.evaluate(([x, y, l, h]) => {
    const c = document.getElementById("canvas");
    return Array.from(c.getContext("2d").getImageData(x, y, l, h).data);
  }, [x, y, l, h]);
}
export async function couleur(page, x, y) { return (await pixels(page, x, y, 1, 1)).slice(0, 3); }
export const proche = (c, attendu, marge = 24) => c.every((v, i) => Math.abs(v - attendu[i]) <= marge);
// The share of bytes that differ by more than a little between two pixel runs.
export const difference = (a, b) => a.reduce((n, v, i) => n + (Math.abs(v - b[i]) > 24 ? 1 : 0), 0) / a.length;

// A tap where the game's pixel x, y shows on the page, after the canvas's scaling.
export async function toucher(page, xy) {
  const { x, y } = await sur_la_page(page, xy);
  await page.touchscreen.tap(x, y);
}

export const pause = (ms) => new Promise((fini) => setTimeout(fini, ms));
// Past a double tap's window: the next tap is a new one, as a child's who has seen the screen.
export const apres_un_tap = () => pause(DOUBLE_TAP + 100);
// Two taps `ms` apart at one place: a child's double tap.
export async function double_tap(page, xy, ms = 100) {
  const { x, y } = await sur_la_page(page, xy);
  await page.touchscreen.tap(x, y);
  await pause(ms);
  await page.touchscreen.tap(x, y);
}

// Polls `condition` until it holds or `secondes` pass; true when it held.
export async function attendre(page, condition, secondes) {
  const fin = Date.now() + secondes * 1000;
  while (Date.now() < fin) {
    if (await condition().catch(() => false)) return true;
    await pause(100);
  }
  return false;
}

// A level is on the screen: the score panel's light yellow along the bottom, and the
// message box's cream above its ink. The yellow alone is not enough: the screen is that
// same yellow as the track-choice picture starts fading in.
export const niveau_a_l_ecran = async (page) =>
  proche(await couleur(page, 450, 630), [255, 255, 128], 8) && proche(await couleur(page, 600, 35), [255, 251, 239], 8);

// Loads the page and waits for its first drawn frame: the milliseconds from navigation
// to it, or null.
export async function ouvrir(page, adresse) {
  const debut = Date.now();
  await page.goto(adresse, { waitUntil: "commit" });
  if (!(await attendre(page, () => page.evaluate(() => document.body.dataset.premiereImage === "oui"), 30)))
    return null;
  return Date.now() - debut;
}

// Taps the easy card until a level shows: what is done during the intro is dropped, so a
// child taps again. True once a level shows, past the time in which the next tap would be
// the last one's double tap, which the level drops.
export async function choisir(page) {
  const ok = await attendre(page, async () => {
    await toucher(page, CARTE_FACILE);
    return niveau_a_l_ecran(page);
  }, 60);
  await apres_un_tap();
  return ok;
}

// Both: the milliseconds to the first frame once a level shows, or null.
export async function ouvrir_et_choisir(page, adresse) {
  const premiere = await ouvrir(page, adresse);
  return premiere !== null && await choisir(page) ? premiere : null;
}

// A short print of the whole canvas, taken in the page: equal prints, the same picture.
export const empreinte = (page) => page.evaluate(() => {
  const p = document.getElementById("canvas").getContext("2d").getImageData(0, 0, 900, 640).data;
  let h = 0;
  for (let i = 0; i < p.length; i += 7) h = (h * 31 + p[i]) >>> 0;
  return h;
});

// Waits until the canvas has not changed for `calme` ms and `condition` holds: a screen
// that waits for the child, past the fades and pauses of what came before it.
export async function attendre_ecran_immobile(page, condition, calme, secondes) {
  let avant = null, depuis = Date.now();
  return attendre(page, async () => {
    const ici = await empreinte(page);
    if (ici !== avant || !(await condition())) { avant = ici; depuis = Date.now(); return false; }
    return Date.now() - depuis >= calme;
  }, secondes);
}

// The easy card's green: the card screen once its fade has ended (the intro is orange there).
export const cartes_a_l_ecran = async (page) => {
  const c = await couleur(page, ...CARTE_FACILE);
  return c[1] > c[0] + 20 && c[1] > c[2] + 60;
};

// Where the game's pixel x, y shows on the page, after the canvas's scaling.
export async function sur_la_page(page, [x, y]) {
  const b = await page.locator("#canvas").boundingBox();
  return { x: b.x + (x + 0.5) * b.width / 900, y: b.y + (y + 0.5) * b.height / 640 };
}

// The main thread's busy time so far (s): the wall time of its tasks (occupe) and the
// processor time it used (fil), which a machine busy with other work does not stretch;
// and the memory the page holds (bytes): the JavaScript heap in use and the game's
// WebAssembly memory.
export async function metriques(cdp, page) {
  const { metrics } = await cdp.send("Performance.getMetrics");
  const m = (nom) => metrics.find((x) => x.name === nom)?.value ?? 0;
  const wasm = await page.evaluate(() => (globalThis.Module?.HEAPU8?.length ?? globalThis.Module?.asm?.memory?.buffer?.byteLength ?? 0));
  return { occupe: m("TaskDuration"), fil: m("ThreadTime"), tas: m("JSHeapUsedSize"), wasm };
}

// The main thread's share of one core, in percent, over the next `ms`: the processor
// time it used, so that the figure holds on a machine shared with other work.
export async function charge(cdp, page, ms) {
  const avant = await metriques(cdp, page), h0 = Date.now();
  await page.waitForTimeout(ms);
  const apres = await metriques(cdp, page);
  return 100 * (apres.fil - avant.fil) / ((Date.now() - h0) / 1000);
}

// The level file as the browser's storage keeps it (IDBFS: one database per mount), or null.
export const progression_gardee = (page) => page.evaluate(() => new Promise((fini) => {
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

// Level `niveau` (from 1) of the easy track won with `taper` (a tap or a click at a game
// pixel): each food to its bowl or bin, by the catalogue's answer key.
export async function gagner_niveau(taper, niveau) {
  for (let k = 0; k < 5; ++k) {
    await taper(bons[5 * (niveau - 1) + k] ? aliment(k) : poubelle(k));
    await pause(300);
  }
}

// One browser test's tally: `verifier` prints each check "ok" or "FAIL" and, with
// CAPTURES=dir set, leaves a screenshot of `bilan.page` named `<captures>-<n>.png` there
// for a failed one; `mesurer` prints a figure and keeps it for the summary; `finir` prints
// that summary under `nom`, then the closing line ("<fin>N passed, N failed"), and exits
// with the verdict.
export function bilan({ nom = "", captures = null, fin = "" } = {}) {
  let reussis = 0, rates = 0;
  const mesures = [];
  const b = {
    page: null,
    async verifier(titre, ok, detail = "") {
      if (ok) reussis++; else rates++;
      console.log(`${ok ? "ok  " : "FAIL"} ${titre}${detail ? ` (${detail})` : ""}`);
      if (!ok && captures && b.page && process.env.CAPTURES)
        await b.page.screenshot({ path: path.join(process.env.CAPTURES, `${captures}-${rates}.png`) }).catch(() => {});
      return ok;
    },
    mesurer(titre, valeur) {
      mesures.push(`${titre} ${valeur}`);
      console.log(`     ${titre}: ${valeur}`);
    },
    finir() {
      if (nom) console.log(`${nom}: ${mesures.join("; ")}`);
      console.log(`${fin}${reussis} passed, ${rates} failed`);
      process.exit(rates === 0 ? 0 : 1);
    },
  };
  return b;
}
