// Runs inside grignotin.js before the game's main: the game's directory, where it finds its
// pictures and font and keeps niveau.lvl, as the desktop launcher makes it for a person.
//
// /jeu is the game's working directory (DOSSIER_JEU in src/platform/principal_web.cpp),
// kept in the browser's IndexedDB; /grignotin holds what the page brought (grignotin.data:
// photo/, angelina.ttf), read-only, as share/grignotin/ on the desktop. /jeu links to those
// two, as the launcher's directory does. IDBFS would persist the pictures through those
// links: listing the files to keep, it stats every path under the mount, and stat follows
// links, so 17.8 MB of pictures would be copied into IndexedDB at the first save. So the
// mount is IDBFS with its own list of local files, taken with lstat, which leaves the
// links out: what is kept is exactly what the game wrote (niveau.lvl). Its temporary
// files never reach the storage either: each save renames its own before the sync. One
// left in the directory (a save that failed half-way) goes at the next game's start-up
// sweep: a page's process is always number 42 (getpid), so every leftover there is the
// game's own; another number would meet kill's EPERM and stay, as someone else's.

var DOSSIER_JEU = "/jeu";
var DOSSIER_DONNEES = "/grignotin";
var LIENS = ["photo", "angelina.ttf", "angelina-OFL.txt"];

// IDBFS.getLocalSet, with lstat in place of stat and links left out; the rest of IDBFS
// (the remote list, the reconciling, in one IndexedDB transaction) is its own.
function fichiers_locaux(mount, callback) {
  var entrees = {};
  var a_voir = [mount.mountpoint];
  while (a_voir.length) {
    var dossier = a_voir.pop();
    var noms = FS.readdir(dossier).filter(function (nom) { return nom !== "." && nom !== ".."; });
    for (var i = 0; i < noms.length; ++i) {
      var chemin = PATH.join2(dossier, noms[i]);
      var etat;
      try {
        etat = FS.lstat(chemin);
      } catch (e) {
        return callback(e);
      }
      if (FS.isLink(etat.mode))
        continue;
      if (FS.isDir(etat.mode))
        a_voir.push(chemin);
      entrees[chemin] = { "timestamp": etat.mtime };
    }
  }
  callback(null, { type: "local", entries: entrees });
}

// Made when the runtime is up: this file runs before IDBFS is defined.
function sauvegarde() {
  return Object.assign({}, IDBFS, {
    syncfs: function (mount, lire, callback) {
      fichiers_locaux(mount, function (erreur, locaux) {
        if (erreur) return callback(erreur);
        IDBFS.getRemoteSet(mount, function (erreur, gardes) {
          if (erreur) return callback(erreur);
          IDBFS.reconcile(lire ? gardes : locaux, lire ? locaux : gardes, callback);
        });
      });
    },
  });
}

Module["preRun"] = Module["preRun"] || [];
Module["preRun"].push(function () {
  FS.mkdir(DOSSIER_JEU);
  // A browser with no IndexedDB at all would stop IDBFS at its first look for it: the
  // game then plays in memory alone, and the parents are told.
  var garde = typeof indexedDB !== "undefined" && indexedDB !== null;
  FS.mount(garde ? sauvegarde() : MEMFS, {}, DOSSIER_JEU);
  if (!garde)
    stockage_refuse();
  // main waits until the saved progress is back in the directory.
  addRunDependency("progression");
  FS.syncfs(true, function (erreur) {
    // Without storage (private browsing, storage refused) the game plays all the same:
    // progress lasts until the page closes.
    if (erreur) {
      console.warn("grignotin: saved progress could not be read:", erreur);
      stockage_refuse();
    }
    LIENS.forEach(function (nom) {
      FS.symlink(DOSSIER_DONNEES + "/" + nom, DOSSIER_JEU + "/" + nom);
    });
    removeRunDependency("progression");
  });
});

// The page's line for parents when the browser keeps nothing (index.html).
function stockage_refuse() {
  if (typeof Module["stockage_refuse"] === "function")
    Module["stockage_refuse"]();
}

// After each save (PlateformeWeb::progression_sauvee): the level file into IndexedDB. The
// game waits for it, so that no two syncs overlap and a tab closed after the verdict has
// kept it. A failure leaves the last progress kept, whole. Module.synchro is the copy on
// its way, which a tab giving the game to another one lets finish (index.html); from
// then on (Module.progression_cedee) this tab's saves stay in its memory and its game
// waits for ever: the other tab has read the storage and plays on from there.
Module["garder_progression"] = function () {
  if (Module["progression_cedee"])
    return new Promise(function () {});
  Module["synchro"] = new Promise(function (resolve) {
    FS.syncfs(false, function (erreur) {
      if (erreur) {
        console.warn("grignotin: progress could not be kept:", erreur);
        stockage_refuse();
      }
      resolve();
    });
  });
  return Module["synchro"];
};
