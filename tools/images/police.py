#!/usr/bin/env python3
"""The game's font: Andika drawn smaller inside its em, its line cut to Latin-1, its
hinting programs removed and its family renamed.

    police.py ANDIKA.ttf OFL.txt DIR    writes DIR/angelina.ttf and DIR/angelina-OFL.txt

The game opens its font at fixed sizes (34 and 48 points) that an ordinary font fills
about twice over. Raising unitsPerEm shrinks every glyph and metric by the same factor
without touching an outline.
"""
import io
import os
import sys

from fontTools.ttLib import TTFont, newTable
from fontTools.ttLib.tables import ttProgram

# 62 % of Andika's size: the widest score-panel line at 48 points then takes 370 of its
# 395 pixels, the score box 184 of its 200, and a line fits the panel's 40 rows.
ECHELLE = 0.62
FAMILLE = "Angelina"
FICHIER = "angelina.ttf"  # the name the game opens
# About a pixel above and below the Latin-1 ink (60 units are 0.9 px at 48 points). The
# font has no hinting, so outlines stand at fractional heights, and SDL_ttf places each
# glyph's picture by its rounded-down top: a glyph may reach a pixel higher, or sit a
# pixel lower, than its ink, and must not be cut by the box.
MARGE = 60
# Every name that carries the family; credits, version, trademark and licence stay.
NOMS_DE_FAMILLE = {1, 2, 3, 4, 6, 10, 16, 17, 18, 20, 21, 22, 25}


def etendue_latin1(police):
    """The highest and lowest ink of the Latin-1 letters, in font units."""
    glyf, cmap = police["glyf"], police.getBestCmap()
    haut = bas = 0
    for c in [*range(0x20, 0x7F), *range(0xA0, 0x100)]:  # C1 controls have nothing to show
        if c not in cmap:
            raise ValueError(f"the font has no glyph for U+{c:04X}")
        glyphe = glyf[cmap[c]]
        if glyphe.numberOfContours:
            glyphe.recalcBounds(glyf)
            haut, bas = max(haut, glyphe.yMax), min(bas, glyphe.yMin)
    return haut, bas


def reduire(police, version):
    haut, bas = etendue_latin1(police)
    haut, bas = haut + MARGE, bas - MARGE
    police["head"].unitsPerEm = round(police["head"].unitsPerEm / ECHELLE)

    # The line: FreeType, hence SDL_ttf, takes it from hhea; the OS/2 copies follow so
    # that every renderer agrees. The original's line makes room for stacked diacritics
    # of other scripts, which the score panel's 40 pixels cannot spare and which the
    # game, writing Latin-1 only, never shows.
    hhea, os2 = police["hhea"], police["OS/2"]
    hhea.ascent, hhea.descent, hhea.lineGap = haut, bas, 0
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = haut, bas, 0
    os2.usWinAscent, os2.usWinDescent = haut, -bas

    # Tables that cache pixel metrics per size would now be wrong, and the signature
    # no longer matches.
    for perime in ("hdmx", "VDMX", "LTSH", "DSIG"):
        if perime in police:
            del police[perime]

    # The hinting programs go: the score panel opens its font on every pass, and
    # FreeType ran them all again each time. One instruction stays as the control
    # value program (SVTCA[y], which only picks an axis): a TrueType font with no
    # programs at all goes to FreeType's auto-hinter, which analyses the whole font at
    # each opening and costs about as much. With it, glyphs are drawn as they are.
    for programme in ("fpgm", "cvt "):
        if programme in police:
            del police[programme]
    police["prep"] = newTable("prep")
    police["prep"].program = ttProgram.Program()
    police["prep"].program.fromBytecode([0x00])
    glyf = police["glyf"]
    for nom in glyf.keys():
        glyf[nom].removeHinting()
    maxp = police["maxp"]
    maxp.maxZones = 1  # no twilight zone
    for champ in ("maxTwilightPoints", "maxStorage", "maxFunctionDefs", "maxInstructionDefs",
                  "maxStackElements", "maxSizeOfInstructions"):
        setattr(maxp, champ, 0)

    name = police["name"]
    name.names = [n for n in name.names if n.nameID not in NOMS_DE_FAMILLE]
    postscript = FAMILLE + "-Regular"
    description = f"Andika ({version}) made smaller within its em for the fixed text sizes of Grignotin"
    for identifiant, texte in ((1, FAMILLE), (2, "Regular"), (3, postscript + " (Grignotin)"), (4, FAMILLE),
                               (6, postscript), (10, description)):
        name.setName(texte, identifiant, 3, 1, 0x409)


def ecrire(chemin, donnees):
    """Through a temporary name, so that an interrupted build never leaves half a file
    that the next build would take as up to date."""
    provisoire = chemin + ".tmp"
    with open(provisoire, "wb") as f:
        f.write(donnees)
    os.replace(provisoire, chemin)


def main(andika, ofl, dossier):
    # The original's date stays in head, so that the same inputs give the same bytes.
    police = TTFont(andika, recalcTimestamp=False)
    version = police["name"].getDebugName(5)
    reduire(police, version)
    os.makedirs(dossier, exist_ok=True)
    octets = io.BytesIO()
    police.save(octets)
    ecrire(os.path.join(dossier, FICHIER), octets.getvalue())

    # The original's licence reserves its name for unmodified copies.
    preface = (
        f"{FICHIER} is a Modified Version of the font Andika {version} by SIL International\n"
        "(Debian package fonts-sil-andika), made by the Grignotin build: every glyph drawn\n"
        f"at {round(ECHELLE * 100)} % of its size inside the em, the line cut to what Latin-1 needs, its hinting\n"
        f"instructions removed, and the family renamed {FAMILLE}, since \"Andika\" and \"SIL\"\n"
        "are Reserved Font Names. It is under the same licence as the original, which follows.\n\n")
    with open(ofl, "rb") as f:
        ecrire(os.path.join(dossier, "angelina-OFL.txt"), preface.encode("ascii") + f.read())


if __name__ == "__main__":
    if len(sys.argv) != 4:
        raise SystemExit("usage: police.py ANDIKA.ttf OFL.txt DIR")
    try:
        main(*sys.argv[1:])
    except Exception as e:  # one line for the build log, not a trace through fontTools
        raise SystemExit(f"police.py: {type(e).__name__}: {e}")
