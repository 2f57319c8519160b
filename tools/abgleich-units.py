#!/usr/bin/env python3
"""Compares the factors of our units with the definitions of GNU units.

Run by hand (GNU units is not part of the build): tools/abgleich-units.py [datenquellen]
Only units of the classes and countries whose units GNU units defines under
their plain English names are matched, each by its English name (field
Uebersetzung) or, failing that, by its symbol, in the British reading for the
British classes; the match must be conformable with the category's reference
unit. It prints how many units matched, agreed within the tolerance, are
explained and are unexplained, then every unexplained and every explained
difference: file, name, country, our factor, the factor units gives, the name
matched. A unit whose Zusatzinfo says which definition it follows (the
sentence "Abweichend von anderen Tabellen: ...") counts as explained. The
exit status is 1 while a difference is unexplained.
"""
import collections
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
# their plain English names. Only these are matched: for a unit of any other
# country, or a "Sonstige Einheit", the English translation is a gloss
# ("Zentner": hundredweight), not the definition units gives that name.
ALLGEMEIN = {"SI-Einheit", "Internationale Einheit", "Englisches System", "USA", "Großbritannien"}

# The sentence in Zusatzinfo that says which of two definitions a unit
# follows where other tables use the other one.
ERKLAERT = re.compile(r"Abweichend\s+von\s+anderen\s+Tabellen\s*:", re.IGNORECASE)


# Classes whose plain names units must read as British ones: units takes
# "gallon", "hundredweight" or "firkin" as the US unit unless told the locale.
BRITISCH = {"Englisches System", "Großbritannien"}

# Qualifiers that units writes as a prefix of the name.
VORSILBEN = {"imperial": "br", "uk": "br", "us": "us"}


def units(von, nach, britisch=False):
    """The factor from von to nach, or None when units does not know von or
    the two are not conformable."""
    befehl = ["units", "-t"] + (["-l", "en_GB"] if britisch else []) + ["--", von, nach]
    try:
        aus = subprocess.run(befehl, capture_output=True, text=True, timeout=10)
    except (OSError, subprocess.TimeoutExpired):
        return None
    if aus.returncode != 0:
        return None
    try:
        return float(aus.stdout.strip().split()[0])
    except (ValueError, IndexError):
        return None


def namensformen(teil):
    """How units might spell one English unit name without "per". A
    qualifier in parentheses names a variant ("horsepower (boiler)"): the
    bare name would be another unit, so only the qualified forms count."""
    zusatz = " ".join(re.findall(r"\((.*?)\)", teil))
    grund = re.sub(r"\(.*?\)", "", teil)
    woerter = [VORSILBEN.get(w, w) for w in re.split(r"[\s\-]+", grund.strip()) if w]
    if not woerter or re.search(r"\d", grund):
        return []
    if not zusatz:
        formen = ["".join(woerter), "_".join(woerter)]
        if formen[0].endswith("s") and len(formen[0]) > 3:
            formen.append(formen[0][:-1])
        return formen
    z = [VORSILBEN.get(w, w) for w in re.split(r"[\s\-]+", re.sub(r"[’'°.,]", "", zusatz).strip()) if w]
    if not z or re.search(r"\d", "".join(z)):
        return []
    zw, gw = "".join(z), "".join(woerter)
    formen = [zw + gw, gw + "_" + zw]
    if z[-1] == woerter[-1]:
        # "point (printer's point)": the qualifier is the full name.
        formen.insert(0, zw)
    return formen


def kandidaten(englisch, zeichen, geteilt=frozenset()):
    """Names units might know the unit by, most specific first. A compound
    ("pound per gallon") is no name of units and is matched by its symbol."""
    namen = []
    if not re.search(r"\sper\s", englisch.lower()):
        namen.extend(namensformen(englisch.strip().lower()))
    # A symbol with a plain space ("H int", "UK gal/min") is one name in
    # our lists, while units would read it as a product; a symbol several
    # units of the file share ("bbl") names none of them; units reads the
    # gas trade's MM (a million) as mega before Mcf.
    if zeichen and " " not in zeichen and zeichen not in geteilt and "MM" not in zeichen:
        z = zeichen.strip().replace("²", "^2").replace("³", "^3").replace("µ", "u").replace("·", " ")
        z = z.replace("°", "")
        if z and re.fullmatch(r"[A-Za-z][A-Za-z0-9_^/ ]*", z) and len(z) >= 2:
            namen.append(z)
    gesehen, ergebnis = set(), []
    for n in namen:
        if n and n not in gesehen and re.fullmatch(r"[A-Za-z0-9_^/ ]+", n):
            gesehen.add(n)
            ergebnis.append(n)
    return ergebnis


def definierte_namen():
    """The names the units data file defines itself."""
    try:
        aus = subprocess.run(["units", "-V"], capture_output=True, text=True, timeout=10).stdout
        pfad = re.search(r"units data file is '(.*?)'", aus).group(1)
        with open(pfad, encoding="utf-8", errors="replace") as f:
            return {z.split()[0] for z in f if z.strip() and not z[0].isspace() and z[0] not in "#!"}
    except (OSError, subprocess.TimeoutExpired, AttributeError):
        return set()


DEFINIERT = definierte_namen()

# units' prefixes for the old national length standards. Before a name that
# is no length they make a nonsense reading: "britishproof" is read as the US
# proof times the ratio of the British to the international yard.
LAENGENVORSILBEN = ("british", "uk", "us", "survey", "geodetic", "int")

# Names that units gives a different thing than our unit of the same name:
# its "diamond" is a mark on US tape measures, ours the type size.
NAMENSGLEICH = {("TYPOGR.DAT", "diamond")}

# Units that units defines under a qualified name, while the plain name is
# its other definition of the word. Matched by the qualified name: it is the
# same unit, and comparing it with the other definition would show the
# difference between two units instead of an error in one.
QUALIFIZIERT = {
    # Six US survey feet; units' plain fathom is six international feet.
    ("LAENGE.DAT", "Faden", "USA"): "USfathom",
    # A tenth of the Admiralty mile of 6080 feet, not of the 1852 m mile.
    ("LAENGE.DAT", "Kabellänge", "Englisches System"): "brcable",
    # Imperial beer casks since 1824; units' plain beerbarrel and
    # beerhogshead are those of the old beer gallon of 282 cubic inches.
    ("VOLUMEN.DAT", "Barrel (Bier)", "Großbritannien"): "brbarrel",
    ("VOLUMEN.DAT", "Hogshead (Bier)", "Großbritannien"): "brbeerhogshead",
    # The wine puncheon of 84 wine gallons; units' plain puncheon is the
    # imperial one of 72 gallons.
    ("VOLUMEN.DAT", "Puncheon", "Englisches System"): "winepuncheon",
    # The traditional quire of 24 sheets; units' plain quire counts 25.
    ("ZAEHLMAS.DAT", "Quire", "Großbritannien"): "shortquire",
}


def vorsilbe_falsch_gelesen(name, britisch):
    if name in DEFINIERT or name.rstrip("s") in DEFINIERT:
        return False
    if not name.lower().startswith(LAENGENVORSILBEN):
        return False
    return all(units(name, bezug, britisch) is None for bezug in ("m", "m^2", "m^3"))


def abgleichen(datei, felder, geteilt):
    bezug = BEZUG[datei]
    try:
        faktor = float(felder[8].replace(",", "."))
    except ValueError:
        return None
    if felder[4] not in ALLGEMEIN:
        return None
    britisch = felder[4] in BRITISCH
    qualifiziert = QUALIFIZIERT.get((datei, felder[7], felder[4]))
    namen = [qualifiziert] if qualifiziert else kandidaten(felder[10], felder[6], geteilt.get(datei, set()))
    for name in namen:
        if (datei, name) in NAMENSGLEICH:
            return None
        wert = units(name, bezug, britisch)
        if wert is not None and not vorsilbe_falsch_gelesen(name, britisch):
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
    zeichen = collections.Counter((datei, felder[6]) for datei, felder in auftraege)
    geteilt = {}
    for (datei, z), anzahl in zeichen.items():
        if anzahl > 1:
            geteilt.setdefault(datei, set()).add(z)
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        treffer = [t for t in pool.map(lambda a: abgleichen(*a, geteilt), auftraege) if t]
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
          f"übereinstimmend: {gleich}, erklärt: {len(erklaert)}, unerklärt: {len(abweichend)}")
    if treffer:
        print(f"Übereinstimmend: {100.0 * gleich / len(treffer):.2f} %, "
              f"übereinstimmend oder erklärt: {100.0 * (gleich + len(erklaert)) / len(treffer):.2f} %")
    for titel, liste in (("Unerklärte Abweichungen", abweichend), ("Erklärte Abweichungen", erklaert)):
        if not liste:
            continue
        print(f"\n{titel}:")
        for datei, name, land, unser, ihr, gefunden, _ in sorted(liste):
            print(f"{datei}\t{name}\t{land}\tunser {unser:.10g}\tunits {ihr:.10g} ({gefunden})\t"
                  f"Verhältnis {unser / ihr if ihr else float('inf'):.6g}")
    return 1 if abweichend else 0


if __name__ == "__main__":
    sys.exit(main())
