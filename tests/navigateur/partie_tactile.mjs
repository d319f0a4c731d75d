// The browser build played as a child plays it on a tablet: touch events only, in
// Debian's Chromium, headless, against the site served from this machine's loopback.
// The easy track chosen by its card, the board's touch hints; level 1 won by one finger
// while a thumb rests on the grass, with taps during Bidou's walk that must change
// nothing; a tap on to level 2, level 2 lost and its red crosses seen; a reload that
// resumes at level 2, its card marked; the board's pause and rules buttons, a double tap
// that closes the pause or the time-up; a reload with the server gone and the browser
// offline that resumes the saved level 6, won, and the track-end picture tapped at, which
// must sort nothing of level 7; Escape, and "Rejouer" tapped; the hard card tapped as the
// cards fade in, its level 19 won, the end picture tapped away, and "Rejouer" again.
// Measures, and prints, the time to the first drawn frame, the bytes a first visit
// transfers, the main thread's CPU on the card screen, in a level at rest, in a pause, on
// the rules, the time-up and the end picture, and the time from a tap to the board's
// change; on those screens, checks how often the game wakes. Ends with "N passed, N failed".
//
// Usage: node partie_tactile.mjs [site directory] (default: build-web/site)
import path from "node:path";
import {
  racine, bons, BOUTON, TEINTE_BOUTON, aliment, poubelle, gamelle, TUILE, RECIPIENTS, TRIS, MESSAGE, HERBE, servir, lancer,
  pixels, couleur, proche, difference, toucher, sur_la_page, attendre, ouvrir, choisir, ouvrir_et_choisir,
  attendre_ecran_immobile, cartes_a_l_ecran, niveau_a_l_ecran, charge, bilan, progression_gardee, cadre, milieu,
  CARTES, marque_carte, numero_carte, image, ressemblance, ALPHA_PAUSE, apres_un_tap, double_tap, gagner_niveau,
} from "./page_du_jeu.mjs";

const site = path.resolve(process.argv[2] || path.join(racine, "build-web/site"));
const b = bilan({ nom: "partie_tactile", captures: "echec" });
const { verifier, mesurer } = b;

const serveur = await servir(site);
// A tablet held sideways, smaller than the game: the canvas is scaled down, and a tap
// must land where the child touched all the same.
const navigateur = await lancer({ width: 800, height: 600 });
const { contexte, fermer } = navigateur;
const page = b.page = navigateur.page;
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
// Every row's bowl and bin, as pixels, read at once: the level's countdown runs meanwhile.
const recipients = () => page.evaluate((cadres) => {
  const c = document.getElementById("canvas").getContext("2d");
  return cadres.map(([x, y, l, h]) => Array.from(c.getImageData(x, y, l, h).data));
}, [0, 1, 2, 3, 4].flatMap((k) => RECIPIENTS(k)));
const tris = () => pixels(page, ...TRIS);
const repos = [];
let cdp = null;
// A resting screen is told by the game's wakes a second (a count, the same on any
// machine); the main thread's share of a core is printed beside it, as a measure only:
// on a loaded machine it moves, and the bench is where it is compared.
const reveils = () => page.evaluate(() => Module.grignotin_reveils | 0);
const mesurer_cpu = async (ecran, ms = 5000) => {
  const r0 = await reveils(), h0 = Date.now();
  const c = await charge(cdp, page, ms);
  const par_seconde = (await reveils() - r0) / ((Date.now() - h0) / 1000);
  repos.push([ecran, par_seconde]);
  mesurer(`main thread's CPU ${ecran} over ${ms / 1000} s`, `${c.toFixed(2)} % of a core (${par_seconde.toFixed(1)} wakes a second)`);
};

// Full-screen pictures: the canvas shows `nom` (its touch version), over the board `dessous`
// at `alpha` for the pause.
const montre = async (nom, options) => (await ressemblance(page, nom, [0, 0, 900, 640], options)) >= 0.9;
// Per card: the share of Bidou's head seen at marque_carte (the colour key left out), and
// the share of the rows under it whose pixels differ from the cards' own picture (the
// number's ink); a card without the mark shows its picture there, unchanged.
const bleu = ([r, g, b]) => r === 0 && g === 0 && b === 255;
const marques = async () => {
  const m = [];
  for (let piste = 0; piste < 3; ++piste) m.push({
    tete: await ressemblance(page, "MARQUE", marque_carte(piste), { ou: marque_carte(piste), garder: (p) => !bleu(p) }),
    carte: await ressemblance(page, "DIFFICULTE_TACTILE", marque_carte(piste)),
    encre: 1 - await ressemblance(page, "DIFFICULTE_TACTILE", numero_carte(piste)),
  });
  return m;
};
// Only card `piste` is marked (none with -1): its head whole, a number's ink under it;
// the other cards as drawn, to the pixel nearly.
const seule_marquee = (m, piste) => m.every((c, i) => i === piste ? c.tete >= 0.9 && c.encre >= 0.02 : c.carte >= 0.99 && c.encre <= 0.002);
const dire_marques = (m) => m.map((c, i) => `card ${i + 1}: head ${(100 * c.tete).toFixed(0)} %, ink ${(100 * c.encre).toFixed(1)} %`).join("; ");

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
const taper_rejouer = async () => {
  const r = await page.locator("#rejouer").boundingBox();
  await page.touchscreen.tap(r.x + r.width / 2, r.y + r.height / 2);
};
const taper = async (id, xy) => { await poser(id, xy); await page.waitForTimeout(40); await lever(id); };
const POUCE = 1, DOIGT = 2;

try {
  cdp = await contexte.newCDPSession(page);
  await cdp.send("Performance.enable");
  const premiere = await ouvrir_et_choisir(page, serveur.adresse);
  await verifier("first visit: the first frame drawn, then the easy track chosen by a tap on its card", premiere !== null);
  if (premiere !== null) mesurer("first drawn frame after navigation", `${premiere} ms`);
  // On a touch screen the board's hints along the top say "touche", naming no key or mouse
  // button: where the desktop's picture and the touch one differ, the canvas shows the latter.
  const bureau = image("FOND");
  const differe = (p, x, y) => difference(p, bureau.rgb(x, y)) > 0;
  const bandeau = [0, 0, 900, cadre("CADRE_MESSAGE")[1]];
  const indices = await ressemblance(page, "FOND_TACTILE", bandeau, { garder: differe });
  const indices_bureau = await ressemblance(page, "FOND", bandeau, { garder: differe });
  await verifier("on a touch screen the board shows the touch hints, not the desktop's",
    indices >= 0.9 && indices_bureau <= 0.1, `${(100 * indices).toFixed(0)} % touch, ${(100 * indices_bureau).toFixed(0)} % desktop`);
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
  const garde = await progression_gardee(page);
  await verifier("level 1 won: niveau.lvl in the browser's storage holds 5", garde === "5", String(garde));
  await toucher(page, BOUTON);
  await verifier("a tap on the button opens level 2", await attendre(page,
    async () => !vert(await bouton()) && difference(await tuile(0), tuile1) > 0.3, 10));
  const tuile2 = await tuile(0);
  await apres_un_tap();

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
  const octets = serveur.octets(), sons = serveur.octets_sons();
  mesurer("bytes transferred by the first visit", `${octets} (${(octets / 1e6).toFixed(2)} MB), of which the clips played in its two levels ${sons} (${(sons / 1e6).toFixed(2)} MB)`);
  await verifier("the first visit transfers at most 5 MB besides the clips it played", octets - sons <= 5e6,
    `${((octets - sons) / 1e6).toFixed(2)} MB`);

  // A reload resumes at level 2. Its card screen, once the fade has ended, waits for a
  // tap: measured here rather than on the first visit, whose service worker is still at
  // work on the page's thread.
  const rechargee = await ouvrir(page, serveur.adresse);
  if (await verifier("after a reload the card screen shows and waits",
    rechargee !== null && await attendre_ecran_immobile(page, () => cartes_a_l_ecran(page), 1500, 60))) {
    await mesurer_cpu("on the card screen");
    const m = await marques();
    await verifier("the card screen marks the easy card, which holds the saved level 2: Bidou's head and a number under it; the other cards are bare",
      seule_marquee(m, 0), dire_marques(m));
  }
  await verifier("after a reload the easy track resumes at level 2",
    await choisir(page) && difference(await tuile(0), tuile2) < 0.05);
  // The level's time so far, the pauses left out, for what a check that fails reports.
  const ouvert_a = Date.now();
  let en_pause = 0;
  // The board's buttons, for a child without keys, first while the level has time left:
  // the pause's shows the pause over the board; a double tap over a bin closes it, and its
  // second tap, 100 ms behind, sorts nothing on the board that comes back.
  // (The pause's middle is looked at, not the whole canvas: reading it costs the level's time.)
  const MILIEU = [150, 100, 600, 400];
  const plateau = await pixels(page, ...MILIEU), avant_bouton = await recipients();
  const bouton_a = Date.now();
  await toucher(page, milieu(cadre("BOUTON_PAUSE")));
  const ouverte = await attendre_ecran_immobile(page, async () => !(await niveau_a_l_ecran(page)), 500, 10);
  const part_pause = ouverte ? await ressemblance(page, "PAUSE_TACTILE", MILIEU, { alpha: ALPHA_PAUSE / 255, dessous: plateau }) : 0;
  await verifier("a tap on the pause button shows the pause over the board", part_pause >= 0.9,
    ouverte ? `${(100 * part_pause).toFixed(0)} % of the pixels as expected` : "the board stays");
  if (ouverte) {
    await double_tap(page, poubelle(2));
    en_pause += Date.now() - bouton_a;
    const fermee = await attendre(page, () => niveau_a_l_ecran(page), 5);
    await page.waitForTimeout(500);
    const ici = await recipients();
    await verifier("a double tap over a bin closes the pause, and its second tap sorts nothing", fermee &&
      ici.every((r, i) => difference(r, avant_bouton[i]) < 0.05),
      `${fermee ? "the board back" : "no board"}, level 2 played ${((Date.now() - ouvert_a - en_pause) / 1000).toFixed(1)} s of its 30 out of pauses`);
  }
  // The rules' button shows the rules; a tap on the grass closes them.
  await apres_un_tap();
  await toucher(page, milieu(cadre("BOUTON_REGLES")));
  const regles = await attendre_ecran_immobile(page, async () => !(await niveau_a_l_ecran(page)), 500, 10) && await montre("REGLE_TACTILE");
  if (await verifier("a tap on the rules button shows the rules", regles)) {
    await mesurer_cpu("on the rules");
    await toucher(page, HERBE);
    await verifier("a tap closes the rules", await attendre(page, () => niveau_a_l_ecran(page), 5));
  }
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

  // Level 2 left to run out: the time-up picture, and a double tap over a bowl to close
  // it. A second tap 14 ms behind the first once sorted the replayed level's food.
  const temps_fini = await attendre(page, async () => !(await niveau_a_l_ecran(page)), 35) &&
    await attendre_ecran_immobile(page, () => montre("TEMPS_FINI_TACTILE"), 500, 10);
  if (await verifier("level 2 runs out: the time-up picture shows", temps_fini)) {
    await mesurer_cpu("on the time-up");
    await double_tap(page, gamelle(1));
    const rejoue = await attendre(page, () => niveau_a_l_ecran(page), 5);
    await page.waitForTimeout(500);
    const plein = (await recipients()).filter((r, i) => difference(r, vides[i]) > 0.05).length;
    await verifier("a double tap over a bowl closes the time-up, and its second tap sorts nothing of the replayed level",
      rejoue && plein === 0, `${plein} bowls or bins filled`);
  }

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
  const fin_de_piste = await attendre(page, async () => !(await niveau_a_l_ecran(page)), 5);
  let pendant_l_image = 0;
  if (fin_de_piste) {
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
    fin_de_piste && niveau7 && pendant_l_image >= 5 && plein.length === 0,
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
  // The game saved at the hard track's last level, level 19, as a save leaves it.
  await page.evaluate(() => FS.writeFile("/jeu/niveau.lvl", "90"));
  const avant_rejouer = await pixels(page, 0, 0, 900, 640);
  await taper_rejouer();
  await verifier("a tap on Rejouer starts the game again in the page", await attendre(page, async () =>
    !(await page.locator("#rejouer").isVisible()) && difference(await pixels(page, 0, 0, 900, 640), avant_rejouer) > 0.3, 10));

  // The cards fade in for two seconds (256 frames 8 ms apart): a tap on the hard card as
  // soon as they start is the choice, and level 19 opens. Each frame the game paints is
  // looked at: the fade starts from the yellow the intro never shows in the bottom corners.
  await page.evaluate(() => {
    const contexte = Module.canvas.getContext("2d"), put = contexte.putImageData;
    // The frame just painted (the game's platform keeps it in Module.grignotin_peinture), red
    // at x, y: 255 in the yellow, 122 in the intro.
    const jaune = (x, y) => { const p = Module.grignotin_peinture; return (p.mots[y * p.largeur + x] & 0xff) > 190; };
    window.__fondu = window.__tap = null;
    window.addEventListener("touchstart", () => { window.__tap ??= performance.now(); }, { capture: true });
    contexte.putImageData = function (...a) {
      put.apply(this, a);
      if (window.__fondu === null && jaune(20, 620) && jaune(880, 620)) window.__fondu = performance.now();
    };
  });
  const difficile = await sur_la_page(page, milieu(CARTES[2]));
  const fondu = await attendre(page, () => page.evaluate(() => window.__fondu !== null), 30);
  if (fondu) await page.touchscreen.tap(difficile.x, difficile.y);
  const niveau19 = fondu && await attendre(page, () => niveau_a_l_ecran(page), 10);
  const delai = await page.evaluate(() => window.__tap - window.__fondu);
  await verifier("one tap on the hard card as the cards fade in chooses it: a level opens",
    niveau19 && delai < 1000, fondu ? `the tap ${delai.toFixed(0)} ms into the fade` : "no fade seen");
  await apres_un_tap();

  // Level 19, the last: won by its own answers; after its button the first event (the
  // tap's own lift) brings the end picture, which a tap then ends, and the page offers to
  // replay.
  if (niveau19) {
    await gagner_niveau((xy) => toucher(page, xy), 19);
    const gagne19 = await attendre(page, async () => vert(await bouton()), 30);
    await verifier("the hard track resumed at level 19, won by its own answers", gagne19);
    await apres_un_tap();
    await toucher(page, BOUTON);
    const fin = await attendre_ecran_immobile(page, () => montre("FINI_TACTILE"), 500, 10);
    if (await verifier("level 19 gone on, the end picture shows, its touch version, and waits: no Rejouer yet",
      fin && !(await page.locator("#rejouer").isVisible()))) {
      await mesurer_cpu("on the end picture");
      await toucher(page, HERBE);
      await verifier("a tap on the end picture ends the game: the page shows Rejouer",
        await attendre(page, () => page.locator("#rejouer").isVisible(), 10));
      await taper_rejouer();
      const cartes = await attendre_ecran_immobile(page, () => cartes_a_l_ecran(page), 1500, 40);
      const m = cartes ? await marques() : [];
      await verifier("a tap on Rejouer starts again: the card screen, with no card marked now that the game is finished",
        cartes && seule_marquee(m, -1), dire_marques(m));
    }
  }

  // The waiting screens sleep until a tap or their wake of last resort, once a second (a
  // look at the queue every 10 ms, a hundred wakes a second, cost the card screen 2 % of a
  // core); a level at rest wakes once a second, for its countdown.
  const ecrans = ["on the card screen", "in a level at rest", "in a pause", "on the rules", "on the time-up", "on the end picture"];
  const lourds = repos.filter(([, r]) => !(r <= 2));
  await verifier("the game rests: at most 2 wakes a second on the card screen, in a level at rest, in a pause, on the rules, the time-up and the end picture",
    ecrans.every((e) => repos.some(([f]) => f === e)) && lourds.length === 0, repos.map(([e, r]) => `${e} ${r.toFixed(1)}`).join(", "));
} catch (e) {
  await verifier("the browser test ran to its end", false, e.stack || String(e));
} finally {
  await fermer();
  await serveur.arreter().catch(() => {});
}
b.finir();
