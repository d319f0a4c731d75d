// The browser build as bench/deux_cibles.sh measures it beside the desktop game: the time
// from navigation to the first drawn frame; then, at rest in level 1 for 10 s, the main
// thread's busy time (Chromium's own count), the CPU of the page's renderer processes
// and of the GPU process (from /proc, as the desktop's game and X server), and the memory
// they hold (resident set) with the JavaScript heap and the game's WebAssembly memory.
// Prints one "name: value" line per figure. A measurement, not a test.
// Usage: node bench/navigateur.mjs [site directory] (default: build-web/site)
import { readFileSync, readdirSync } from "node:fs";
import path from "node:path";
import { racine, servir, lancer, ouvrir_et_choisir, metriques } from "../tests/navigateur/page_du_jeu.mjs";

// Chromium's processes of one kind (--type=renderer, gpu-process), by /proc.
function processus(type) {
  const pids = [];
  for (const pid of readdirSync("/proc").filter((n) => /^\d+$/.test(n))) {
    try {
      // Chromium rewrites its command lines: one string, arguments apart by spaces or NULs.
      // Chromium rewrites its command lines: one string, its arguments apart by spaces.
      if (readFileSync(`/proc/${pid}/cmdline`, "utf8").split(/[\0 ]/).includes(`--type=${type}`)) pids.push(pid);
    } catch { /* gone meanwhile */ }
  }
  return pids;
}
const tics = (pids) => pids.reduce((n, pid) => {
  try {
    const champs = readFileSync(`/proc/${pid}/stat`, "utf8").split(") ")[1].split(" ");
    return n + Number(champs[11]) + Number(champs[12]);  // utime + stime
  } catch { return n; }
}, 0);
const residents = (pids) => pids.reduce((n, pid) => {
  try {
    return n + 1024 * Number(/VmRSS:\s+(\d+)/.exec(readFileSync(`/proc/${pid}/status`, "utf8"))[1]);
  } catch { return n; }
}, 0);
const HZ = 100;  // clock ticks per second in /proc/<pid>/stat on Linux

const site = path.resolve(process.argv[2] || path.join(racine, "build-web/site"));
const serveur = await servir(site);
const { contexte, page, fermer } = await lancer({ width: 1024, height: 768 });
try {
  const premiere = await ouvrir_et_choisir(page, serveur.adresse);
  if (premiere === null) throw new Error("the game never reached level 1");
  console.log(`first drawn frame: ${premiere} ms`);
  await page.waitForTimeout(1000);
  const cdp = await contexte.newCDPSession(page);
  await cdp.send("Performance.enable");
  const rendu = processus("renderer"), gpu = processus("gpu-process");
  const avant = await metriques(cdp, page), r0 = tics(rendu), g0 = tics(gpu), t0 = Date.now();
  await page.waitForTimeout(10000);
  const apres = await metriques(cdp, page), r1 = tics(rendu), g1 = tics(gpu), d = (Date.now() - t0) / 1000;
  const pc = (x) => `${(100 * x).toFixed(1)} %`;
  console.log(`main thread at rest in level 1, 10 s: ${pc((apres.occupe - avant.occupe) / d)} of a core`);
  console.log(`renderer + GPU processes at rest in level 1, 10 s: ${pc((r1 - r0) / HZ / d)} + ${pc((g1 - g0) / HZ / d)} of a core`);
  console.log(`memory: renderer + GPU resident ${((residents(rendu) + residents(gpu)) / 1e6).toFixed(0)} MB, ` +
    `of which JavaScript heap ${(apres.tas / 1e6).toFixed(1)} MB and WebAssembly memory ${(apres.wasm / 1e6).toFixed(1)} MB`);
} finally {
  await fermer();
  await serveur.arreter();
}
