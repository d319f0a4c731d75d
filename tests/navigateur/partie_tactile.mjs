// The browser build played as a child plays it on a tablet: touch events only, in
// Debian's Chromium, headless, against the site served from this machine's loopback.
// The easy track chosen by its card; level 1 won by one finger while a thumb rests on the
// grass, with taps during Bidou's walk that must change nothing; a tap on to level 2,
// level 2 lost and its red crosses seen; a reload that resumes at level 2; a reload with
// the server gone and the browser offline that resumes the saved level 6, won, and the
// track-end picture tapped at, which must sort nothing of level 7; Escape, and "Rejouer"
// tapped. Measures, and prints, the time to the first drawn frame, the bytes a first visit
// transfers, the main thread's CPU on the card screen, in a level at rest and in a pause,
// and the time from a tap to the board's change. Ends with "N passed, N failed".
//
// Usage: node partie_tactile.mjs [site directory] (default: build-web/site)
import path from "node:path";
import {
  racine, bons, BOUTON, TEINTE_BOUTON, aliment, poubelle, gamelle, TUILE, RECIPIENTS, TRIS, MESSAGE, HERBE, servir, lancer,
  pixels, couleur, proche, difference, toucher, sur_la_page, attendre, ouvrir, choisir, ouvrir_et_choisir,
  attendre_ecran_immobile, cartes_a_l_ecran, niveau_a_l_ecran, charge, pause, DOUBLE_TAP,
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

// Sets the level file kept in the browser's storage, as the game would have saved it.
const garder_fichier = (texte) => page.evaluate((texte) => new Promise((fini, echec) => {
  const ouverture = indexedDB.open("/jeu");
  ouverture.onerror = () => echec(new Error("no /jeu database"));
  ouverture.onsuccess = () => {
    const magasin = ouverture.result.transaction("FILE_DATA", "readwrite").objectStore("FILE_DATA");
    const lecture = magasin.get("/jeu/niveau.lvl");
    lecture.onsuccess = () => {
      const entree = lecture.result;
      entree.contents = new TextEncoder().encode(texte);
      entree.timestamp = new Date();
      magasin.put(entree, "/jeu/niveau.lvl").onsuccess = () => fini();
    };
  };
}), texte);
// Every row's bowl and bin, as pixels.
const recipients = async () => {
  const r = [];
  for (let k = 0; k < 5; ++k) for (const cadre of RECIPIENTS(k)) r.push(await pixels(page, ...cadre));
  return r;
};
const tris = () => pixels(page, ...TRIS);
const cpu = [];
let cdp = null;
const mesurer_cpu = async (ecran, ms = 5000) => {
  const c = await charge(cdp, page, ms);
  cpu.push([ecran, c]);
  mesurer(`main thread's CPU ${ecran} over ${ms / 1000} s`, `${c.toFixed(2)} % of a core`);
};

// Fingers held and lifted one by one, which page.touchscreen cannot do: each touch point
// stays down until lifted, as a thumb resting on the screen does.
const poses = new Map();
const points = () => [...poses.entries()].map(([id, p]) => ({ id, x: p.x, y: p.y, radiusX: 4, radiusY: 4, force: 1 }));
const poser = async (id, xy) => {
  poses.set(id, await sur_la_page(page, xy));
  await cdp.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: points() });
};
// An end naming the finger lifts that one alone; the others stay down.
const lever = async (id) => {
  const doigt = points().filter((p) => p.id === id);
  poses.delete(id);
  await cdp.send("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: doigt });
};
const taper = async (id, xy) => { await poser(id, xy); await page.waitForTimeout(40); await lever(id); };
const POUCE = 1, DOIGT = 2;

try {
  cdp = await contexte.newCDPSession(page);
  await cdp.send("Performance.enable");
  const premiere = await ouvrir_et_choisir(page, serveur.adresse);
  await verifier("first visit: the first frame drawn, then the easy track chosen by a tap on its card", premiere !== null);
  if (premiere !== null) mesurer("first drawn frame after navigation", `${premiere} ms`);
  const tuile1 = await tuile(0);
  const vides = await recipients();

  // Level 1 won by one finger while a thumb rests on the grass: a food's own tile for the
  // bowl, its bin for the bin. SDL's own copy of touch as a mouse followed the first
  // finger down alone, so the thumb made every other tap nothing.
  await poser(POUCE, HERBE);
  let pouce = true, tries = 0;
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
    const cible = bons[k] ? aliment(k) : poubelle(k);
    const trie = async () => difference(await tuile(k), avant) > 0.1;
    if (pouce) await taper(DOIGT, cible); else await toucher(page, cible);
    let ok = await attendre(page, trie, 5);
    if (k === 0) {
      if (ok) mesurer("from a tap to the board's change", `${(await page.evaluate(() => window.__vu - window.__tap)).toFixed(0)} ms`);
      await verifier("a second finger's tap sorts level 1's first food while a thumb rests on the grass", ok);
      // Without it nothing below can be played: the thumb lifts, and a lone finger goes on.
      if (!ok) {
        await lever(POUCE);
        pouce = false;
        await toucher(page, cible);
        ok = await attendre(page, trie, 5);
      }
    }
    if (!ok) break;
    ++tries;
  }
  await verifier(`level 1's five foods sorted by as many taps${pouce ? ", the thumb resting all along" : ""}`, tries === 5,
    `${tries} sorted`);

  // Bidou walks once the fifth food is sorted. What is tapped meanwhile is dropped: the
  // message box (it would skip "Bravo"), the bin of a food in its bowl, the bowl of a food
  // in its bin (either would change the score under "Bravo").
  const pendant = [MESSAGE, poubelle(bons.slice(0, 5).indexOf(true)), gamelle(Math.max(0, bons.slice(0, 5).indexOf(false)))];
  await page.waitForTimeout(300);
  const avant_marche = await tris();
  let pendant_la_marche = 0;
  for (const xy of pendant) {
    if (!vert(await bouton())) ++pendant_la_marche;
    if (pouce) await taper(DOIGT, xy); else await toucher(page, xy);
    await page.waitForTimeout(250);
  }
  if (pouce) await lever(POUCE);
  const gagne = await attendre(page, async () => vert(await bouton()), 30);
  await page.waitForTimeout(500);
  const ecart = difference(await tris(), avant_marche);
  await verifier("taps on the message box, a bin and a bowl during the walk change nothing: \"Bravo\" and its arrow on show, every food stays where it was",
    pendant_la_marche === pendant.length && gagne && ecart < 0.01,
    `${pendant_la_marche} of ${pendant.length} taps during the walk, arrow ${gagne ? "on" : "missing"}, ${(100 * ecart).toFixed(1)} % of the sorted rows changed`);
  const garde = await fichier_garde();
  await verifier("level 1 won: niveau.lvl in the browser's storage holds 5", garde === "5", String(garde));
  await toucher(page, BOUTON);
  await verifier("a tap on the button opens level 2", await attendre(page,
    async () => !vert(await bouton()) && difference(await tuile(0), tuile1) > 0.3, 10));
  const tuile2 = await tuile(0);

  // Level 2 lost, every food on the wrong side: a red cross over each.
  await pause(DOUBLE_TAP);
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

  // A reload resumes at level 2. Its card screen, once the fade has ended, waits for a
  // tap: measured here rather than on the first visit, whose service worker is still at
  // work on the page's thread.
  const rechargee = await ouvrir(page, serveur.adresse);
  if (await verifier("after a reload the card screen shows and waits",
    rechargee !== null && await attendre_ecran_immobile(page, () => cartes_a_l_ecran(page), 1500, 60)))
    await mesurer_cpu("on the card screen");
  await verifier("after a reload the easy track resumes at level 2",
    await choisir(page) && difference(await tuile(0), tuile2) < 0.05);
  // The main thread in a level at rest, then in a pause (p: the measure is of the
  // screen, however it opened), which a tap closes.
  await mesurer_cpu("in a level at rest", 10000);
  const avant_pause = await recipients();
  await page.keyboard.press("p");
  if (await verifier("p opens the pause", await attendre_ecran_immobile(page, async () => !(await niveau_a_l_ecran(page)), 500, 10))) {
    await mesurer_cpu("in a pause");
    // One tap is one click: closing the pause over a bin, it must not also sort that
    // row's food, as a second copy of it (the finger's and a mouse's) would.
    await toucher(page, poubelle(1));
    const fermee = await attendre(page, () => niveau_a_l_ecran(page), 5);
    await page.waitForTimeout(500);
    const ici = await recipients();
    await verifier("a tap on a bin closes the pause and does nothing more", fermee &&
      ici.every((r, i) => difference(r, avant_pause[i]) < 0.05));
  }
  // Another tab takes the game over (the page sets Module.partie_suspendue and owns the
  // promise Module.suspendre): the level is held at its next wait, its countdown stops,
  // and a tap meanwhile is dropped; handed back, the countdown goes on and taps sort.
  const panneau = () => pixels(page, 0, 600, 900, 40);
  await page.evaluate(() => {
    window.__reprendre = null;
    Module.suspendre = () => new Promise((reprise) => { window.__reprendre = reprise; });
    Module.partie_suspendue = true;
  });
  const tenue = await attendre(page, () => page.evaluate(() => window.__reprendre !== null), 3);
  const tuile_tenue = await tuile(0), panneau_tenu = await panneau();
  await toucher(page, aliment(0));
  await page.waitForTimeout(2500);
  const immobile = difference(await tuile(0), tuile_tenue) === 0 && difference(await panneau(), panneau_tenu) === 0;
  await page.evaluate(() => { Module.partie_suspendue = false; window.__reprendre?.(); });
  const repart = await attendre(page, async () => difference(await panneau(), panneau_tenu) > 0, 3);
  const oublie = difference(await tuile(0), tuile_tenue) === 0;
  await toucher(page, aliment(0));
  const trie_ensuite = await attendre(page, async () => difference(await tuile(0), tuile_tenue) > 0.1, 5);
  await verifier("held by another tab, the level waits with its countdown stopped, drops the tap made meanwhile, and goes on when handed back",
    tenue && immobile && repart && oublie && trie_ensuite,
    `held ${tenue}, still ${immobile}, countdown again ${repart}, tap dropped ${oublie}, next tap sorts ${trie_ensuite}`);

  // The waiting screens sleep until a tap (a look at the queue every 10 ms cost the card
  // screen 2 % of a core); a level at rest wakes once a second, for its countdown.
  const lourds = cpu.filter(([, c]) => !(c <= 1));
  await verifier("the main thread rests: 1 % of a core at most on the card screen, in a level at rest and in a pause",
    cpu.length === 3 && lourds.length === 0, cpu.map(([e, c]) => `${e} ${c.toFixed(2)} %`).join(", "));

  // Offline: the server gone and the browser told it has no network; the service worker
  // alone brings the page and the game back, with the progress kept: here level 6, the
  // easy track's last, set in the storage as a save leaves it.
  await garder_fichier("25");
  await serveur.arreter();
  await contexte.setOffline(true);
  const horsligne = await ouvrir_et_choisir(page, serveur.adresse);
  await verifier("with the network cut off the page starts", horsligne !== null);
  // Level 6's answers differ from levels 1's and 2's: only level 6 is won by them.
  for (let k = 0; k < 5; ++k) {
    await toucher(page, bons[25 + k] ? aliment(k) : poubelle(k));
    await page.waitForTimeout(300);
  }
  await verifier("the saved level 6 resumed, and won by its own answers: the arrow on shows",
    await attendre(page, async () => vert(await bouton()), 30));

  // On to level 7, the medium track's first, behind the track-end picture: what is tapped
  // during its 12 s is dropped, and level 7 opens with every bowl and bin empty.
  await toucher(page, BOUTON);
  const image = await attendre(page, async () => !(await niveau_a_l_ecran(page)), 5);
  let pendant_l_image = 0;
  if (image) {
    for (let k = 0; k < 5; ++k) for (const xy of [aliment(k), poubelle(k)]) {
      if (await niveau_a_l_ecran(page)) break;
      await toucher(page, xy);
      ++pendant_l_image;
      await page.waitForTimeout(400);
    }
  }
  const niveau7 = await attendre(page, () => niveau_a_l_ecran(page), 20);
  await page.waitForTimeout(1000);
  const plein = [];
  const ici = await recipients();
  for (let i = 0; i < ici.length; ++i) if (difference(ici[i], vides[i]) > 0.05) plein.push(`${i % 2 ? "bin" : "bowl"} ${(i >> 1) + 1}`);
  await verifier("taps during the track-end picture sort nothing of level 7: it opens with every bowl and bin empty",
    image && niveau7 && pendant_l_image >= 5 && plein.length === 0,
    `${pendant_l_image} taps during the picture; ${plein.length ? `filled: ${plein.join(", ")}` : "all empty"}`);

  // A mouse still plays, a second after the last touch: left button on food 1 for its
  // bowl, right button on food 2 for its bin.
  await page.waitForTimeout(1000);
  for (const [k, button] of [[0, "left"], [1, "right"]]) {
    const { x, y } = await sur_la_page(page, aliment(k));
    await page.mouse.click(x, y, { button });
    await page.waitForTimeout(300);
  }
  const souris = await recipients();
  await verifier("a mouse sorts too: the left button fills food 1's bowl, the right one food 2's bin",
    difference(souris[0], vides[0]) > 0.05 && difference(souris[3], vides[3]) > 0.05);

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
