#!/usr/bin/env python3
"""Compares the factors of our units with the definitions of GNU units.

Run by hand (GNU units is not part of the build): tools/abgleich-units.py [datenquellen]
Every unit of a factor category is matched to a units definition by its
English name (field Uebersetzung) or, failing that, by its symbol; the match
must be conformable with the category's reference unit. It prints how many
units matched and agreed within the tolerance, then every disagreement:
file, name, country, our factor, the factor units gives, the name matched.
A unit whose Zusatzinfo already says which definition we follow is listed
as "erklärt" and not counted as a disagreement.
"""
import concurrent.futures
import os
import re
import subprocess
import sys

TOLERANZ = 1e-6

# The reference unit of each factor category as units understands it.
BEZUG = {
    "AEQUIDOS.DAT": "Sv", "AKTIVIT.DAT": "Bq", "BELEUCHT.DAT": "lux", "BESCHL.DAT": "m/s^2",
    "BESTRAHL.DAT": "W/m^2", "DATENMEN.DAT": "bit", "DATENRAT.DAT": "bit/s", "DICHTE.DAT": "kg/m^3",
    "DREHIMP.DAT": "J s", "DREHMOM.DAT": "N m", "DREHZAHL.DAT": "1/s", "DRUCK.DAT": "Pa",
    "EFELD.DAT": "V/m", "ENERDICH.DAT": "J/m^3", "ENERGDOS.DAT": "Gy", "ENERGIE.DAT": "J",
    "ENTROPIE.DAT": "J/K", "FLAECHE.DAT": "m^2", "FLAECHGW.DAT": "kg/m^2", "FLUSSDI.DAT": "T",
    "FREQUENZ.DAT": "Hz", "GARNFEIN.DAT": "tex", "GESCHW.DAT": "m/s", "HFELD.DAT": "A/m",
    "IMPULS.DAT": "N s", "INDUKT.DAT": "H", "IONENDOS.DAT": "C/kg", "KAPAZIT.DAT": "F",
    "KRAFT.DAT": "N", "LADUNG.DAT": "C", "LAENGE.DAT": "m", "LAENGGW.DAT": "kg/m", "LEISTUNG.DAT": "W",
    "LEITWERT.DAT": "S", "LEUCHTD.DAT": "cd/m^2", "LICHTST.DAT": "cd", "LICHTSTR.DAT": "lm",
    "MAGFLUSS.DAT": "Wb", "MASSE.DAT": "kg", "MASSKON.DAT": "kg/m^3", "MASSTROM.DAT": "kg/s",
    "MOLMASSE.DAT": "kg/mol", "OBERSPAN.DAT": "N/m", "RAUMWINK.DAT": "sr", "SPANNUNG.DAT": "V",
    "SPEZENER.DAT": "J/kg", "SPEZWAERM.DAT": "J/(kg K)", "STOFFKON.DAT": "mol/m^3", "STOFFMEN.DAT": "mol",
    "STROM.DAT": "A", "TEMPDIFF.DAT": "K", "TRAEGMOM.DAT": "kg m^2", "TYPOGR.DAT": "m",
    "VISKDYN.DAT": "Pa s", "VISKKIN.DAT": "m^2/s", "VOLSTROM.DAT": "m^3/s", "VOLUMEN.DAT": "m^3",
    "WAERMLEIT.DAT": "W/(m K)", "WAERMUEB.DAT": "W/(m^2 K)", "WIDERST.DAT": "ohm", "WINKEL.DAT": "radian",
    "WINKGESCH.DAT": "radian/s", "ZEIT.DAT": "s", "ANTEILE.DAT": "1", "ZAEHLMAS.DAT": "1",
}

# The unit classes and the countries whose units GNU units defines under
# their plain English names. For a unit of another country the English
# translation is a gloss ("Zentner": hundredweight), not its definition: it
# counts only where no unit of these uses the same English name in the file.
ALLGEMEIN = {"SI-Einheit", "Internationale Einheit", "Englisches System", "Sonstige Einheit", "USA",
             "Großbritannien"}

# Words in Zusatzinfo that say which of two definitions a unit follows.
ERKLAERT = re.compile(r"GNU units", re.IGNORECASE)


def units(von, nach):
    """The factor from von to nach, or None when units does not know von or
    the two are not conformable."""
    try:
        aus = subprocess.run(["units", "-t", "--", von, nach], capture_output=True, text=True, timeout=10)
    except (OSError, subprocess.TimeoutExpired):
        return None
    if aus.returncode != 0:
        return None
    try:
        return float(aus.stdout.strip().split()[0])
    except (ValueError, IndexError):
        return None


def kandidaten(englisch, zeichen):
    """Names units might know the unit by, most specific first."""
    namen = []
    e = englisch.strip().lower()
    e = re.sub(r"\(.*?\)", "", e).strip()
    if e and not re.search(r"\d", e):
        woerter = re.split(r"[\s\-]+", e)
        for n in ("".join(woerter), "_".join(woerter)):
            namen.append(n)
        if e.endswith("s") and len(e) > 3:
            namen.append("".join(woerter)[:-1])
    z = zeichen.strip().replace("²", "^2").replace("³", "^3").replace("µ", "u").replace("·", " ")
    if z and re.fullmatch(r"[A-Za-z][A-Za-z0-9_^/ ]*", z) and len(z) >= 2:
        namen.append(z)
    gesehen, ergebnis = set(), []
    for n in namen:
        if n and n not in gesehen and re.fullmatch(r"[A-Za-z0-9_^/ ]+", n):
            gesehen.add(n)
            ergebnis.append(n)
    return ergebnis


def abgleichen(datei, felder, allgemein):
    bezug = BEZUG[datei]
    try:
        faktor = float(felder[8].replace(",", "."))
    except ValueError:
        return None
    namen = kandidaten(felder[10], felder[6] if felder[4] in ALLGEMEIN else "")
    if felder[4] not in ALLGEMEIN:
        namen = [n for n in namen if n not in allgemein.get(datei, set())]
    for name in namen:
        wert = units(name, bezug)
        if wert is not None:
            return (datei, felder[7], felder[4], faktor, wert, name, felder[18] if len(felder) > 18 else "")
    return None


def main():
    quellen = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "datenquellen")
    auftraege = []
    for datei in sorted(BEZUG):
        pfad = os.path.join(quellen, "einheiten", datei + ".tsv")
        if not os.path.exists(pfad):
            continue
        with open(pfad, encoding="utf-8") as f:
            for zeile in f:
                felder = zeile.rstrip("\n").split("\t")
                if len(felder) >= 19:
                    auftraege.append((datei, felder))
    allgemein = {}
    for datei, felder in auftraege:
        if felder[4] in ALLGEMEIN:
            allgemein.setdefault(datei, set()).update(kandidaten(felder[10], ""))
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        treffer = [t for t in pool.map(lambda a: abgleichen(*a, allgemein), auftraege) if t]
    gleich, erklaert, abweichend = 0, [], []
    for t in treffer:
        datei, name, land, unser, ihr, gefunden, info = t
        if ihr != 0 and abs(unser / ihr - 1) <= TOLERANZ:
            gleich += 1
        elif ERKLAERT.search(info):
            erklaert.append(t)
        else:
            abweichend.append(t)
    print(f"Einheiten geprüft: {len(auftraege)}, zugeordnet: {len(treffer)}, "
          f"übereinstimmend: {gleich}, erklärt: {len(erklaert)}, abweichend: {len(abweichend)}")
    if treffer:
        print(f"Übereinstimmend oder erklärt: {100.0 * (gleich + len(erklaert)) / len(treffer):.2f} %")
    for titel, liste in (("Abweichungen", abweichend), ("Erklärt", erklaert)):
        if not liste:
            continue
        print(f"\n{titel}:")
        for datei, name, land, unser, ihr, gefunden, _ in sorted(liste):
            print(f"{datei}\t{name}\t{land}\tunser {unser:.10g}\tunits {ihr:.10g} ({gefunden})\t"
                  f"Verhältnis {unser / ihr if ihr else float('inf'):.6g}")


if __name__ == "__main__":
    main()
