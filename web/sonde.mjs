// Opens the probe's page in headless Chromium, waits for its verdict (the body's
// data-sonde), prints it and saves a screenshot of the page.
//   node web/sonde.mjs <page URL> <screenshot.png>
// Chromium's own --dump-dom and --screenshot take the page at its load event, or when its
// virtual time runs out, and the wasm compiles outside virtual time: the verdict came or
// not from one run to the next. So this drives Chromium through its DevTools protocol,
// over the pipe --remote-debugging-pipe opens on descriptors 3 and 4: no extra module.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const [page, capture] = process.argv.slice(2);
const profil = mkdtempSync(join(tmpdir(), 'sonde-'));
// A fresh profile and nothing that calls out: the machine reaches no network but Debian's.
const chromium = spawn('chromium', [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  `--user-data-dir=${profil}`, '--window-size=900,640', '--remote-debugging-pipe', 'about:blank',
], { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });

const enAttente = new Map();
let suivant = 1;
let recu = '';
chromium.stdio[4].on('data', (morceau) => {
  recu += morceau.toString();
  let fin;
  while ((fin = recu.indexOf('\0')) >= 0) {
    const message = JSON.parse(recu.slice(0, fin));
    recu = recu.slice(fin + 1);
    const attente = enAttente.get(message.id);
    if (attente) {
      enAttente.delete(message.id);
      if (message.error) attente.rejeter(new Error(JSON.stringify(message.error)));
      else attente.resoudre(message.result);
    }
  }
});
function envoyer(method, params = {}, sessionId) {
  const id = suivant++;
  chromium.stdio[3].write(JSON.stringify({ id, method, params, sessionId }) + '\0');
  return new Promise((resoudre, rejeter) => enAttente.set(id, { resoudre, rejeter }));
}
const pause = (ms) => new Promise((r) => setTimeout(r, ms));

let statut = 1;
try {
  const { targetId } = await envoyer('Target.createTarget', { url: 'about:blank' });
  const { sessionId } = await envoyer('Target.attachToTarget', { targetId, flatten: true });
  // The page exactly the game's size: the window's own frame would cut it and add scroll bars.
  await envoyer('Emulation.setDeviceMetricsOverride',
    { width: 900, height: 640, deviceScaleFactor: 1, mobile: false }, sessionId);
  await envoyer('Page.navigate', { url: page }, sessionId);
  let verdict;
  // 30 s: building the wasm and the probe's 200 ms wait take two or three on this machine.
  for (let essai = 0; essai < 150 && verdict === undefined; ++essai) {
    await pause(200);
    const { result } = await envoyer('Runtime.evaluate',
      { expression: 'document.body && document.body.dataset.sonde' }, sessionId);
    if (typeof result.value === 'string') verdict = result.value;
  }
  const { data } = await envoyer('Page.captureScreenshot', { format: 'png' }, sessionId);
  writeFileSync(capture, Buffer.from(data, 'base64'));
  console.log(`sonde: ${verdict ?? 'never finished'}; screenshot: ${capture}`);
  statut = verdict === 'ok' ? 0 : 1;
} catch (erreur) {
  console.log(`sonde: Chromium: ${erreur.message}`);
} finally {
  const fini = new Promise((r) => chromium.once('exit', r));
  chromium.kill();
  await fini;
  rmSync(profil, { recursive: true, force: true });
}
process.exit(statut);
