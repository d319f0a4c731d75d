// Runs inside grignotin.js before the game's main (a second --pre-js): Bidou's voice and
// sounds in the page, through the page's own Web Audio. The game asks by name (PlateformeWeb,
// src/platform/plateforme_web.cpp); each clip is fetched from sons/<nom>.ogg beside the
// page the first time it is asked, decoded by the browser, and kept decoded for the run.
//
// Browsers hold audio until the person acts on the page: the audio context is made at the
// child's first tap, click or key. What was asked before is not lost: the last voice clip
// asked then (the card screen's invitation, say) plays once audio is allowed; a sound
// asked then (a crunch) is not played late. Like the desktop, one voice at a time: a new
// voice clip cuts the one playing, and silence (faire_taire) stops it; sounds play over it.
// And nothing runs for sound while nothing plays: the context is suspended once it has
// been idle for REPIT_MS, and resumed by the next clip.
//
// For tests, Module.sons_joues lists every clip started: {nom, voix, t, fin} (times from
// performance.now(); fin once it ended or was cut), and Module.sons_etat() tells
// "verrouille" (no tap yet), "actif" or "repos" (suspended).

var SONS_DOSSIER = "sons/";
var SONS_REPIT_MS = 3000;

Module["sons_joues"] = [];
Module["grignotinSon"] = (function () {
  var contexte = null;
  var octets = {};     // nom -> Promise of the file's bytes (or null when it cannot be had)
  var tampons = {};    // nom -> Promise of its AudioBuffer (or null), once the context exists
  var signales = {};   // clips already said to be missing or damaged
  var voix = null;     // the voice's source node playing now
  var numero_voix = 0; // the voice last asked for; a decode that ends late for an older one is dropped
  var en_attente = null; // the last voice clip asked before audio was allowed
  var actives = 0;     // sources playing
  var minuterie = null;
  var sortie = null;   // the gain every clip goes through (son::GAIN_DE_LECTURE, from the game)
  var gain = 1;

  function signaler(nom, erreur) {
    if (signales[nom])
      return;
    signales[nom] = true;
    console.warn("grignotin: " + SONS_DOSSIER + nom + ".ogg: " + erreur + "; skipped");
  }

  function lire(nom) {
    if (!(nom in octets))
      octets[nom] = fetch(SONS_DOSSIER + nom + ".ogg").then(function (reponse) {
        if (!reponse.ok)
          throw new Error("HTTP " + reponse.status);
        return reponse.arrayBuffer();
      }).catch(function (erreur) {
        signaler(nom, erreur);
        return null;
      });
    return octets[nom];
  }

  function tampon(nom) {
    if (!(nom in tampons))
      tampons[nom] = lire(nom).then(function (donnees) {
        if (!donnees)
          return null;
        // Older Safari takes callbacks only; every browser takes them.
        return new Promise(function (resolve) {
          contexte.decodeAudioData(donnees, resolve, function (erreur) {
            signaler(nom, erreur || "cannot be decoded");
            resolve(null);
          });
        });
      });
    return tampons[nom];
  }

  function au_repos_bientot() {
    if (minuterie !== null)
      clearTimeout(minuterie);
    minuterie = null;
    if (actives > 0 || !contexte)
      return;
    minuterie = setTimeout(function () {
      minuterie = null;
      if (actives === 0 && contexte.state === "running")
        contexte.suspend();
    }, SONS_REPIT_MS);
  }

  function lancer(nom, est_voix, numero) {
    tampon(nom).then(function (t) {
      if (!t || (est_voix && numero !== numero_voix))
        return;
      if (contexte.state !== "running")
        contexte.resume();
      if (est_voix && voix) {
        voix.stop();
        voix = null;
      }
      var source = contexte.createBufferSource();
      source.buffer = t;
      if (!sortie) {
        sortie = contexte.createGain();
        sortie.connect(contexte.destination);
      }
      sortie.gain.value = gain;
      source.connect(sortie);
      var trace = { nom: nom, voix: est_voix, t: performance.now(), fin: null };
      ++actives;
      if (minuterie !== null)
        clearTimeout(minuterie);
      minuterie = null;
      source.onended = function () {
        trace.fin = performance.now();
        --actives;
        if (voix === source)
          voix = null;
        au_repos_bientot();
      };
      if (est_voix)
        voix = source;
      source.start();
      Module["sons_joues"].push(trace);
    });
  }

  // The child's first act on the page allows audio: the context is made then, inside the
  // event, as browsers require.
  var GESTES = ["pointerdown", "pointerup", "touchend", "mousedown", "keydown"];
  function deverrouiller() {
    if (!contexte) {
      var Contexte = window.AudioContext || window.webkitAudioContext;
      if (!Contexte)
        return;
      contexte = new Contexte();
    }
    if (contexte.state !== "running")
      contexte.resume();
    GESTES.forEach(function (g) { window.removeEventListener(g, deverrouiller, true); });
    if (en_attente !== null) {
      var nom = en_attente;
      en_attente = null;
      lancer(nom, true, numero_voix);
    }
  }
  GESTES.forEach(function (g) { window.addEventListener(g, deverrouiller, true); });
  var CLE_MUET = "grignotin-muet";

  return {
    jouer: function (nom, est_voix, gain_de_lecture) {
      if (gain_de_lecture !== undefined)
        gain = gain_de_lecture;
      if (est_voix)
        ++numero_voix;
      if (!contexte) {
        // Fetched now, played once audio is allowed; a sound asked now would come late.
        lire(nom);
        if (est_voix)
          en_attente = nom;
        return;
      }
      lancer(nom, est_voix, numero_voix);
    },
    taire: function () {
      ++numero_voix;
      en_attente = null;
      if (voix) {
        voix.stop();
        voix = null;
      }
    },
    // The child's mute, kept in the page's own storage for the next visit (nothing beside
    // niveau.lvl in the game's files). A browser that refuses storage forgets it.
    garder_muet: function (muet) {
      try { localStorage.setItem(CLE_MUET, muet ? "oui" : "non"); } catch (e) { /* kept for this visit only */ }
    },
    muet_garde: function () {
      try { return localStorage.getItem(CLE_MUET) === "oui"; } catch (e) { return false; }
    },
    etat: function () {
      return !contexte ? "verrouille" : contexte.state === "running" ? "actif" : "repos";
    },
  };
})();
Module["sons_etat"] = Module["grignotinSon"].etat;
