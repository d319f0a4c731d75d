// The page around the game, in Debian's Chromium, headless, touch events only: one game
// at a time in a browser (a second tab waits, then takes the game over, and neither
// overwrites the other's progress); the parents' note beside or below the board on
// phones, tablets, a netbook and a desktop screen; the pause asked when the page is
// hidden; the line for parents when the browser refuses storage; the picture asking to
// turn an upright phone; and the service worker's version, which a rebuild that changes
// nothing keeps (measured: the bytes of a returning visit after it), while a deploy that
// changes index.html alone reaches a returning visitor at once. Ends with "N passed, N failed".
//
// Usage: node vie_de_la_page.mjs [site directory] [the game's build directory]
// (defaults: build-web/site, and no rebuild). With the build directory, the game is
// linked again with nothing changed and the two sites compared.
import path from "node:path";
import { spawnSync } from "node:child_process";
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import {
  racine, BOUTON, TEINTE_BOUTON, CARTE_FACILE, poubelle, TUILE, servir, lancer, pixels, couleur, difference,
  toucher, attendre, pause, niveau_a_l_ecran, ouvrir_et_choisir, progression_gardee, gagner_niveau, bilan, ressemblance,
  ALPHA_PAUSE, apres_un_tap,
} from "./page_du_jeu.mjs";

const site = path.resolve(process.argv[2] || path.join(racine, "build-web/site"));
const construction = process.argv[3] ? path.resolve(process.argv[3]) : null;
const suivi = bilan({ nom: "vie_de_la_page", captures: "vie" });
const { verifier, mesurer } = suivi;
// The page a failed check screenshots: the one the test is at.
let page = null;
const regarder = (p) => { page = suivi.page = p; };

const vert = (c) => c[1] > c[0] + 40 && c[1] > c[2] + 40;
const tuile = (p, k) => pixels(p, ...TUILE(k));
const visible = (p, selecteur) => p.locator(selecteur).isVisible();
async function taper_element(p, selecteur) {
  const b = await p.locator(selecteur).boundingBox();
  await p.touchscreen.tap(b.x + b.width / 2, b.y + b.height / 2);
}
// Level `niveau` won in page `p`, then its button tapped: the next level on the screen.
async function gagner_et_continuer(p, niveau) {
  const avant = await tuile(p, 0);
  await gagner_niveau((ou) => toucher(p, ou), niveau);
  const gagne = await attendre(p, async () => vert(await couleur(p, ...TEINTE_BOUTON)), 30);
  await toucher(p, BOUTON);
  const suivant = gagne && await attendre(p, async () => niveau_a_l_ecran(p) && difference(await tuile(p, 0), avant) > 0.3, 15);
  await apres_un_tap();
  return suivant;
}
// Counts the page's requests for a pause, and still passes them to the game.
const espionner_pause = (p) => p.evaluate(() => {
  window.__pauses = 0;
  const jeu = Module._grignotin_pause;
  window.__pause_du_jeu = typeof jeu === "function";
  Module._grignotin_pause = function () {
    window.__pauses++;
    if (jeu) return jeu.apply(this, arguments);
  };
});
const pauses = (p) => p.evaluate(() => window.__pauses);

const serveur = await servir(site);
const navigateurs = [];
async function ouvrir_navigateur(viewport, avant_chaque_page) {
  const n = await lancer(viewport);
  navigateurs.push(n);
  if (avant_chaque_page) await n.contexte.addInitScript(avant_chaque_page);
  return n;
}

try {
  // --- One game at a time: tab A plays; tab B, opened meanwhile, waits until asked. ---
  {
    const { contexte, page: a } = await ouvrir_navigateur({ width: 800, height: 600 });
    regarder(a);
    await verifier("tab A: the game starts and the easy track opens", await ouvrir_et_choisir(a, serveur.adresse) !== null);
    await verifier("tab A: level 1 won, level 2 on the screen", await gagner_et_continuer(a, 1));
    const b = await contexte.newPage();
    regarder(b);
    await b.goto(serveur.adresse);
    await verifier("tab B: says the game is open elsewhere, with Bidou's picture and Jouer ici",
      await attendre(b, async () => await visible(b, "#ailleurs") && /déjà ouvert/.test(await b.locator("#ailleurs").innerText()), 10) &&
      await b.evaluate(() => document.querySelector("#ailleurs img").naturalWidth > 0) && await visible(b, "#jouer-ici"));
    await pause(2000);
    await verifier("tab B: its game is not loaded while A plays",
      await b.evaluate(() => !document.querySelector('script[src="grignotin.js"]') && !document.body.dataset.premiereImage));
    // A goes on meanwhile and saves: B must read that, not what the storage held when it opened.
    await a.bringToFront();
    regarder(a);
    await verifier("tab A: level 2 won while B waits, level 3 on the screen", await gagner_et_continuer(a, 2));
    const niveau3 = await tuile(a, 0);
    const garde = await progression_gardee(a);
    await verifier("tab A: the storage holds level 2 won", garde === "10", String(garde));
    await b.bringToFront();
    regarder(b);
    await taper_element(b, "#jouer-ici");
    await verifier("tab A: after Jouer ici in B, says the game goes on in the other tab",
      await attendre(a, async () => await visible(a, "#ailleurs") && /autre onglet/.test(await a.locator("#ailleurs").innerText()), 10));
    const repris = await attendre(b, () => b.evaluate(() => document.body.dataset.premiereImage === "oui"), 30) &&
      await attendre(b, async () => { await toucher(b, CARTE_FACILE); return niveau_a_l_ecran(b); }, 60);
    await apres_un_tap();
    await verifier("tab B: takes the game and resumes at level 3, the last one A saved",
      repris && difference(await tuile(b, 0), niveau3) < 0.05);
    // A's game, had it gone on, saves once more: it must never reach the storage again.
    const bloque = await a.evaluate(() => {
      FS.writeFile("/jeu/niveau.lvl", "0");
      return Promise.race([Module.garder_progression().then(() => "saved"), new Promise((f) => setTimeout(() => f("held"), 1500))]);
    });
    const apres = await progression_gardee(b);
    await verifier("tab A: a save made after giving the game away waits for ever and writes nothing",
      bloque === "held" && apres === "10", `${bloque}, storage ${apres}`);
    await verifier("tab A: its Jouer ici is offered again once the game has gone", !(await a.locator("#jouer-ici").isDisabled()));
  }

  // --- The parents' note, the turn picture, on every size; the pause when hidden. ---
  {
    const tailles = [
      ["phone upright", 390, 844], ["phone sideways", 844, 390], ["tablet upright", 768, 1024],
      ["tablet sideways", 1024, 768], ["netbook", 1024, 600], ["desktop", 1920, 1080],
    ];
    const n = await ouvrir_navigateur(tailles[0] && { width: tailles[0][1], height: tailles[0][2] });
    regarder(n.page);
    const boite = (selecteur) => page.locator(selecteur).boundingBox();
    const dedans = (b, l, h) => b && b.x >= -0.5 && b.y >= -0.5 && b.x + b.width <= l + 0.5 && b.y + b.height <= h + 0.5;
    const separes = (p, q) => p.x + p.width <= q.x + 0.5 || q.x + q.width <= p.x + 0.5 || p.y + p.height <= q.y + 0.5 || q.y + q.height <= p.y + 0.5;
    // Nothing lies over the board: the canvas is what a tap finds on a grid of its points.
    const board_libre = () => page.evaluate(() => {
      const b = document.getElementById("canvas").getBoundingClientRect();
      for (const fx of [0.01, 0.5, 0.99]) for (const fy of [0.01, 0.5, 0.99])
        if (document.elementFromPoint(b.x + fx * b.width, b.y + fy * b.height)?.id !== "canvas") return false;
      return true;
    });
    for (const [nom, l, h] of tailles) {
      await page.setViewportSize({ width: l, height: h });
      if (!(await verifier(`${nom} ${l} x ${h}: the game starts and a level shows`,
        await ouvrir_et_choisir(page, serveur.adresse) !== null))) continue;
      await espionner_pause(page);
      const ferme = await boite("#canvas");
      await verifier(`${nom}: note closed, the board is whole in the window and uncovered`, dedans(ferme, l, h) && await board_libre(),
        `${ferme.width.toFixed(0)} x ${ferme.height.toFixed(0)} at ${ferme.x.toFixed(0)}, ${ferme.y.toFixed(0)}`);
      const avant = await tuile(page, 4);
      await toucher(page, poubelle(4));
      // (Its tile left empty: the food's picture gone, a tenth of the tile's bytes at least.)
      await verifier(`${nom}: a tap on row 5's bin sorts its food`,
        await attendre(page, async () => difference(await tuile(page, 4), avant) > 0.1, 5),
        `${(100 * difference(await tuile(page, 4), avant)).toFixed(0)} % of the tile changed`);
      const tourner = await visible(page, "#tourner");
      const debout = l < h && l <= 600;
      await verifier(`${nom}: the picture asking to turn the phone ${debout ? "shows, beside the board" : "is not shown"}`,
        debout ? tourner && separes(await boite("#tourner"), ferme) && dedans(await boite("#tourner"), l, h) : !tourner);

      const demandes = await pauses(page);
      await taper_element(page, "#pour-parents");
      const ouverte = await attendre(page, () => visible(page, "#note"), 5);
      const note = ouverte ? await boite("#note") : null;
      const plateau = await boite("#canvas");
      // Fermer whole inside the note: on a phone sideways the text is what scrolls.
      const fermer_note = ouverte ? await boite("#fermer-note") : null;
      await verifier(`${nom}: the note opens beside or below the board, which stays whole and uncovered, and shows its Fermer whole`,
        ouverte && dedans(note, l, h) && dedans(plateau, l, h) && separes(note, plateau) && await board_libre() &&
          dedans({ ...fermer_note, x: fermer_note.x - note.x, y: fermer_note.y - note.y }, note.width, note.height),
        ouverte ? `board ${plateau.width.toFixed(0)} x ${plateau.height.toFixed(0)}, note ${note.width.toFixed(0)} x ${note.height.toFixed(0)}, Fermer from ${(fermer_note.y - note.y).toFixed(0)} to ${(fermer_note.y + fermer_note.height - note.y).toFixed(0)}` : "closed");
      await verifier(`${nom}: opening the note asks the game for its pause`, await pauses(page) === demandes + 1);
      await taper_element(page, "#fermer-note");
      await verifier(`${nom}: Fermer closes the note and gives the board its size back`,
        await attendre(page, async () => !(await visible(page, "#note")) && Math.abs((await boite("#canvas")).width - ferme.width) < 1, 5));
    }

    // The page hidden (another tab, the tablet locked): the game is asked for its pause.
    await page.setViewportSize({ width: 1024, height: 768 });
    await ouvrir_et_choisir(page, serveur.adresse);
    await espionner_pause(page);
    const plateau = await pixels(page, 0, 0, 900, 640);
    await page.evaluate(() => {
      Object.defineProperty(document, "visibilityState", { value: "hidden", configurable: true });
      document.dispatchEvent(new Event("visibilitychange"));
    });
    await verifier("the page hidden: the game is asked for its pause", await pauses(page) === 1);
    // The pause picture over the board as it was, the level held until the child comes back.
    await verifier("the page hidden: the game's pause shows over the board",
      await page.evaluate(() => window.__pause_du_jeu) && await attendre(page, async () =>
        await ressemblance(page, "PAUSE_TACTILE", [0, 0, 900, 640], { alpha: ALPHA_PAUSE / 255, dessous: plateau }) >= 0.9, 5));
  }

  // --- Storage refused: the game plays, and the parents are told once, in one line. ---
  const refus = [
    ["IndexedDB refuses to open", () => { indexedDB.open = () => { throw new DOMException("refused", "SecurityError"); }; }],
    ["no IndexedDB at all", () => { Object.defineProperty(window, "indexedDB", { value: undefined, configurable: true }); }],
  ];
  for (const [nom, script] of refus) {
    const n = await ouvrir_navigateur({ width: 1024, height: 600 }, script);
    regarder(n.page);
    const ouvert = await ouvrir_et_choisir(page, serveur.adresse) !== null;
    await verifier(`${nom}: the game plays all the same`, ouvert);
    const ligne = page.locator("#stockage");
    const hauteur = await page.evaluate(() => parseFloat(getComputedStyle(document.getElementById("stockage")).lineHeight));
    const b = await ligne.boundingBox();
    await verifier(`${nom}: one line tells the parents their progress is not kept`,
      await ligne.isVisible() && /progression/.test(await ligne.innerText()) && b.height < 2 * hauteur + 8,
      b ? `${b.height.toFixed(0)} px high` : "hidden");
    await n.fermer();
    navigateurs.pop();
  }

  // --- The service worker's version, and what a returning visitor fetches again. ---
  const version = (dossier) => /const CACHE = "([^"]+)"/.exec(readFileSync(path.join(dossier, "sw.js"), "utf8"))[1];
  const temporaire = mkdtempSync(path.join(tmpdir(), "grignotin-sites-"));
  // A returning visit to `avant` once `apres` is deployed at the same address: its bytes,
  // and whether the page then served carries `marque`, at the first visit or the second.
  async function visite_de_retour(avant, apres, marque) {
    const n = await ouvrir_navigateur({ width: 1024, height: 768 });
    regarder(n.page);
    serveur.changer(avant);
    await ouvrir_et_choisir(page, serveur.adresse);
    // The first visit is over once the worker keeps the three big files.
    await attendre(page, () => page.evaluate(async () => {
      const noms = await caches.keys();
      if (noms.length !== 1) return false;
      const c = await caches.open(noms[0]);
      return (await Promise.all(["grignotin.js", "grignotin.wasm", "grignotin.data"].map((f) => c.match(f)))).every(Boolean);
    }), 30);
    serveur.changer(apres);
    const depart = serveur.octets(), deja = serveur.envoyes().length;
    const vues = [];
    for (let i = 0; i < 2; ++i) {
      await ouvrir_et_choisir(page, serveur.adresse);
      await pause(3000);
      vues.push(marque ? await page.evaluate((m) => document.documentElement.outerHTML.includes(m), marque) : true);
    }
    const octets = serveur.octets() - depart, fichiers = serveur.envoyes().slice(deja);
    await n.fermer();
    navigateurs.pop();
    return { octets, vues, fichiers };
  }

  let reconstruit = site;
  if (construction) {
    const avant = path.join(temporaire, "avant");
    cpSync(site, avant, { recursive: true });
    rmSync(path.join(construction, "site", "grignotin.js"));
    const lien = spawnSync("bash", ["-c", `source web/emscripten.sh && cmake --build "${construction}" -j2`],
      { cwd: racine, encoding: "utf8" });
    await verifier("the game linked again with nothing changed", lien.status === 0, lien.status ? lien.stderr.slice(-400) : "");
    reconstruit = path.join(construction, "site");
    await verifier("a rebuild with no change keeps the service worker's version",
      version(avant) === version(reconstruit), `${version(avant)} then ${version(reconstruit)}`);
    const { octets, fichiers } = await visite_de_retour(avant, reconstruit, null);
    mesurer("bytes of two returning visits after a rebuild with no change", `${octets}: ${fichiers.join(" ")}`);
    // sw.js at most twice a visit: the browser's own look at each navigation, and the page's.
    await verifier("returning visits after a rebuild with no change fetch the worker alone, not the game",
      fichiers.length <= 4 && fichiers.every((f) => f === "/sw.js"), fichiers.join(" "));
  } else {
    console.log("     (no build directory given: the rebuild with no change is not tried)");
  }

  // A deploy that changes index.html alone: a new version, the page new from the first
  // visit after it, and only what changed travels.
  const deploiement = path.join(temporaire, "deploiement");
  cpSync(reconstruit, deploiement, { recursive: true });
  const marque = "grignotin-deploiement-2";
  const index = path.join(deploiement, "index.html");
  writeFileSync(index, readFileSync(index, "utf8").replace("<title>", `<meta name="${marque}">\n<title>`));
  const fichiers = [...readFileSync(path.join(reconstruit, "sw.js"), "utf8").matchAll(/^ {2}"\.\/([^"]*)": "/gm)]
    .map((m) => m[1] || "index.html");
  const service = spawnSync("cmake", [`-DSITE=${deploiement}`, `-DMODELE=${path.join(racine, "web/sw.js")}`,
    `-DFICHIERS=${fichiers.join(";")}`, "-P", path.join(racine, "web/service.cmake")], { encoding: "utf8" });
  await verifier("a deploy changing index.html alone is a new service-worker version",
    service.status === 0 && version(deploiement) !== version(reconstruit), service.stderr);
  const { octets, vues, fichiers: envoyes } = await visite_de_retour(reconstruit, deploiement, marque);
  mesurer("bytes of two returning visits after a deploy changing index.html alone", `${octets}: ${envoyes.join(" ")}`);
  await verifier("that deploy reaches a returning visitor at the first visit after it", vues[0] && vues[1],
    `first visit after it ${vues[0] ? "new" : "old"}, second ${vues[1] ? "new" : "old"}`);
  await verifier("that deploy sends the page and the worker again, not the game",
    octets < 2 * (readFileSync(index).length + readFileSync(path.join(deploiement, "sw.js")).length) + 4000);
  rmSync(temporaire, { recursive: true, force: true });
} catch (e) {
  await verifier("the page's test ran to its end", false, e.stack || String(e));
} finally {
  for (const n of navigateurs) await n.fermer();
  await serveur.arreter().catch(() => {});
}
suivi.finir();
