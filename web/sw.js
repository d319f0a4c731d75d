// The page's service worker: keeps every file of the game, so that after one visit the
// page starts with the network cut off. web/service.cmake writes into the copy beside
// the game each file's SHA-256 and the version, a hash of them all: a build that changes
// nothing keeps the version, and the browser, finding this file unchanged, fetches
// nothing more; a change to any file, index.html included, is a new version, which the
// browser finds at the next visit and takes over before the one after it at the latest.
"use strict";

const CACHE = "grignotin-@VERSION@";
// Each file kept, by the address the page asks for it ("./" is index.html), with its hash.
const FICHIERS = @FICHIERS_SW@;
// Fetched by the page through this worker on a first visit, and kept as they pass.
const GROS = ["./grignotin.js", "./grignotin.wasm", "./grignotin.data"];
// Each response kept carries its file's hash, so that the next version knows what it can
// take over without fetching it again.
const EMPREINTE = "X-Grignotin-Empreinte";

function chemin(url) {
  const u = new URL(url, self.registration.scope);
  const nom = "./" + u.pathname.slice(new URL(self.registration.scope).pathname.length);
  return nom === "./index.html" ? "./" : nom;
}

function marquee(reponse, empreinte) {
  const entetes = new Headers(reponse.headers);
  entetes.set(EMPREINTE, empreinte);
  return new Response(reponse.body, { status: reponse.status, statusText: reponse.statusText, headers: entetes });
}

const hexa = (octets) => Array.from(new Uint8Array(octets), (o) => o.toString(16).padStart(2, "0")).join("");

// The file `nom` as this version has it: from an older version's cache when its hash is
// the same, else from the network, checked against the hash (a deploy caught half-way
// fails the install, which the browser tries again at a later visit).
async function prendre(nom, anciens) {
  for (const ancien of anciens) {
    const garde = await (await caches.open(ancien)).match(nom);
    if (garde && garde.headers.get(EMPREINTE) === FICHIERS[nom])
      return garde;
  }
  const reponse = await fetch(new Request(nom, { cache: "reload" }));
  if (!reponse.ok)
    throw new Error(`${nom}: ${reponse.status}`);
  const octets = await reponse.arrayBuffer();
  const empreinte = hexa(await crypto.subtle.digest("SHA-256", octets));
  if (empreinte !== FICHIERS[nom])
    throw new Error(`${nom}: not the file of version ${CACHE}`);
  return marquee(new Response(octets, reponse), empreinte);
}

self.addEventListener("install", (evenement) => {
  evenement.waitUntil((async () => {
    const anciens = (await caches.keys()).filter((nom) => nom.startsWith("grignotin-") && nom !== CACHE);
    const cache = await caches.open(CACHE);
    // A first visit takes the small files now and the big ones as the page fetches them
    // (below): taking those here as well would send every byte twice. An update takes
    // them all now, so that it never starts on half of the new files: what has not
    // changed from the cache of the version before, the rest from the network.
    for (const nom of Object.keys(FICHIERS))
      if (anciens.length || !GROS.includes(nom))
        await cache.put(nom, await prendre(nom, anciens));
    await self.skipWaiting();
  })());
});

self.addEventListener("activate", (evenement) => {
  evenement.waitUntil((async () => {
    for (const nom of await caches.keys())
      if (nom.startsWith("grignotin-") && nom !== CACHE)
        await caches.delete(nom);
    await self.clients.claim();
  })());
});

self.addEventListener("fetch", (evenement) => {
  const requete = evenement.request;
  if (requete.method !== "GET" || new URL(requete.url).origin !== self.location.origin)
    return;
  const nom = chemin(requete.url);
  if (!(nom in FICHIERS))
    return;
  evenement.respondWith((async () => {
    const cache = await caches.open(CACHE);
    const garde = await cache.match(nom);
    if (garde)
      return garde;
    const reponse = await fetch(requete);
    if (reponse.ok) {
      const a_garder = marquee(reponse.clone(), FICHIERS[nom]);
      evenement.waitUntil(cache.put(nom, a_garder));
    }
    return reponse;
  })());
});
