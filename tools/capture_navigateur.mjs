// The README's screenshot of the browser build: the page on a tablet held upright
// (768 x 1024), level 1 with two foods sorted by taps, the line for parents below.
// Usage: node tools/capture_navigateur.mjs [site directory] [PNG to write]
//   (defaults: build-web/site, docs/captures/navigateur.png; npm ci --prefix tests/navigateur first)
import path from "node:path";
import { racine, bons, aliment, poubelle, servir, lancer, toucher, ouvrir_et_choisir } from "../tests/navigateur/page_du_jeu.mjs";

const site = path.resolve(process.argv[2] || path.join(racine, "build-web/site"));
const sortie = path.resolve(process.argv[3] || path.join(racine, "docs/captures/navigateur.png"));
const serveur = await servir(site);
const { page, fermer } = await lancer({ width: 768, height: 1024 });
try {
  if ((await ouvrir_et_choisir(page, serveur.adresse)) === null) throw new Error("the game never reached level 1");
  for (const k of [0, 1]) {
    await toucher(page, bons[k] ? aliment(k) : poubelle(k));
    await page.waitForTimeout(400);
  }
  await page.screenshot({ path: sortie });
  console.log(`capture_navigateur: ${sortie}`);
} finally {
  await fermer();
  await serveur.arreter();
}
