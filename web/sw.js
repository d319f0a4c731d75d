// The page's service worker: keeps every file of the game, so that after one visit the
// page starts with the network cut off. web/service.cmake writes the list and the
// version (a hash of the files' contents) into the copy beside the game.
"use strict";

const CACHE = "grignotin-@VERSION@";
const FICHIERS = @FICHIERS_SW@;
// Fetched by the page through this worker on a first visit, and kept as they pass.
const GROS = ["./grignotin.js", "./grignotin.wasm", "./grignotin.data"];

function chemin(url) {
  const u = new URL(url, self.registration.scope);
  return "./" + u.pathname.slice(new URL(self.registration.scope).pathname.length);
}

self.addEventListener("install", (evenement) => {
  evenement.waitUntil((async () => {
    const anciens = (await caches.keys()).filter((nom) => nom.startsWith("grignotin-") && nom !== CACHE);
    const cache = await caches.open(CACHE);
    // A first visit takes the small files now and the big ones as the page fetches them
    // (below): taking those here as well would send every byte twice. An update takes
    // them all now, from the network, so that it never starts on half of the new files.
    // (index.html is kept as "./", the address the page is opened at.)
    const petits = FICHIERS.filter((f) => f !== "./index.html");
    const a_prendre = anciens.length ? petits : petits.filter((f) => !GROS.includes(f));
    await cache.addAll(a_prendre.map((f) => new Request(f, { cache: "reload" })));
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
  const nom = chemin(requete.url) === "./index.html" ? "./" : chemin(requete.url);
  if (!FICHIERS.includes(nom))
    return;
  evenement.respondWith((async () => {
    const cache = await caches.open(CACHE);
    const garde = await cache.match(nom);
    if (garde)
      return garde;
    const reponse = await fetch(requete);
    if (reponse.ok)
      evenement.waitUntil(cache.put(nom, reponse.clone()));
    return reponse;
  })());
});
