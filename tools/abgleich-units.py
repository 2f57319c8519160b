#!/usr/bin/env python3
"""Compares the factors of our units with the definitions of GNU units.

tools/abgleich-units.py [datenquellen]; the test command runs it as the test
Daten.AbgleichMitGnuUnits (GNU units is needed for the tests, not the build).
Only units of the classes and countries whose units GNU units defines under
their plain English names are matched, each by its English name (field
Uebersetzung) or, failing that, by its symbol, in the British reading for the
British classes; the match must be conformable with the category's reference
unit. A compound name ("watt per square metre kelvin") is translated word by
word into the expression units evaluates ("watt / (metre^2 kelvin)"); the
words that kept a compound from being translated are listed with their
counts, and so are the translations units cannot express in the reference
unit. It prints how many units matched, agreed within the tolerance, are
explained and are unexplained, then every unexplained and every explained
difference: file, name, country, our factor, the factor units gives, the name
matched. A unit whose Zusatzinfo says which definition it follows (the
sentence "Abweichend von anderen Tabellen: ...") counts as explained. The
exit status is 1 while a difference is unexplained, 2 without unit files and
77 without units.
"""
import collections
import concurrent.futures
import functools
import os
import re
import subprocess
import sys

TOLERANZ = 1e-6

# The reference unit of each factor category as units understands it. Its
# angles are pure numbers (a revolution is 2 pi), so the revolution per
# second is written out.
BEZUG = {
    "AEQUIDOS.DAT": "Sv", "AKTIVIT.DAT": "Bq", "BELEUCHT.DAT": "lux", "BESCHL.DAT": "m/s^2",
    "BESTRAHL.DAT": "W/m^2", "DATENMEN.DAT": "bit", "DATENRAT.DAT": "bit/s", "DICHTE.DAT": "kg/m^3",
    "DREHIMP.DAT": "J s", "DREHMOM.DAT": "N m", "DREHZAHL.DAT": "revolution/s", "DRUCK.DAT": "Pa",
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
    "BELICHT.DAT": "lx s", "BRECHW.DAT": "1/m", "DIPOL.DAT": "C m", "DOSISLST.DAT": "Gy/s",
    "ELFLUSSD.DAT": "C/m^2", "KATAKT.DAT": "katal", "KATKONZ.DAT": "katal/m^3", "LEITFAEH.DAT": "S/m",
    "MAGMOM.DAT": "A m^2", "MOLENERG.DAT": "J/mol", "MOLWKAP.DAT": "J/(mol K)", "PERMGEST.DAT": "m^2",
    "PERMITT.DAT": "F/m", "PERMMAG.DAT": "H/m", "PHOTFLUS.DAT": "mol/(m^2 s)", "RAUMLAD.DAT": "C/m^3",
    "RUCK.DAT": "m/s^3", "SPEZVOL.DAT": "m^3/kg", "SPEZWID.DAT": "ohm m", "STRAHLDI.DAT": "W/(sr m^2)",
    "STRAHLST.DAT": "W/sr", "STROMDI.DAT": "A/m^2", "TEMPLEIT.DAT": "m^2/s", "WAERMWID.DAT": "K/W",
    "WASSHART.DAT": "mmol/l", "WDURCHL.DAT": "m^2 K/W", "WELLENZ.DAT": "1/m", "WINKBESC.DAT": "radian/s^2",
    "WIRKUNG.DAT": "J s", "WLEITW.DAT": "W/K", "WQUELLD.DAT": "W/m^3",
    # Not NORMVSTR.DAT: units has no volume at a stated state of the gas,
    # and reading a normal cubic metre as a cubic metre would compare nothing.
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


@functools.lru_cache(maxsize=None)
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
    # "engineer's chain" is units' engineerschain.
    grund = re.sub(r"[’']", "", re.sub(r"\(.*?\)", "", teil))
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
        # "metre, meter": each spelling is a name of its own.
        for name in englisch.lower().split(","):
            namen.extend(namensformen(name.strip()))
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


# Units that units defines under a name our English name does not spell
# ("US liquid gallon" is its usgallon, "minute of arc" its arcminute). The
# same unit in both, so each is compared, whether it agrees or not.
ANDERS_GESCHRIEBEN = {
    ("ENERGIE.DAT", "British Thermal Unit (mittlere)", "Internationale Einheit"): "btu_mean",
    ("ENERGIE.DAT", "Therm (US)", "USA"): "UStherm",
    ("LEISTUNG.DAT", "Kältetonne", "USA"): "tonrefrigeration",
    # The international electrical units as the USA used them (NBS 1947);
    # units gives the US values. The henry, coulomb and mho follow from them.
    ("WIDERST.DAT", "Internationales Ohm", "USA"): "intohm",
    ("SPANNUNG.DAT", "Internationales Volt", "USA"): "intvolt",
    ("STROM.DAT", "Internationales Ampere", "USA"): "intampere",
    ("KAPAZIT.DAT", "Internationales Farad", "USA"): "intfarad",
    ("INDUKT.DAT", "Internationales Henry", "USA"): "intohm s",
    ("LADUNG.DAT", "Internationales Coulomb", "USA"): "intampere s",
    ("LEITWERT.DAT", "Internationales Mho", "USA"): "1/intohm",
    # The conventional electrical units of 1990 (K_J-90, R_K-90).
    ("WIDERST.DAT", "Konventionelles Ohm", "Internationale Einheit"): "ohm90",
    ("INDUKT.DAT", "Konventionelles Henry", "Internationale Einheit"): "henry90",
    ("KAPAZIT.DAT", "Konventionelles Farad", "Internationale Einheit"): "farad90",
    ("SPANNUNG.DAT", "Konventionelles Volt", "Internationale Einheit"): "volt90",
    ("STROM.DAT", "Konventionelles Ampere", "Internationale Einheit"): "ampere90",
    ("LADUNG.DAT", "Konventionelles Coulomb", "Internationale Einheit"): "coulomb90",
    ("LEITWERT.DAT", "Konventionelles Siemens", "Internationale Einheit"): "1/ohm90",
    # US survey measures; units writes them without the "U.S.". Not the survey
    # acre or the US nautical mile of before 1954: units has no such names and
    # reads "survey" and "US" before them as its factor for survey lengths.
    ("LAENGE.DAT", "Vermessungsfuß", "USA"): "surveyfoot",
    ("LAENGE.DAT", "Vermessungsglied", "USA"): "surveylink",
    ("LAENGE.DAT", "Vermessungskette", "USA"): "surveychain",
    ("LAENGE.DAT", "Vermessungsrute", "USA"): "surveyrod",
    ("LAENGE.DAT", "Vermessungsfurlong", "USA"): "surveyfurlong",
    ("LAENGE.DAT", "Vermessungsmeile", "USA"): "surveymile",
    ("LAENGE.DAT", "Vermessungsleague", "USA"): "surveyleague",
    ("FLAECHE.DAT", "Survey-Quadratfuß", "USA"): "surveyfoot^2",
    # The US Navy's cable length; units counts it as 100 US fathoms.
    ("LAENGE.DAT", "Kabellänge", "USA"): "UScable",
    # The apothecaries' weights: units writes them with "ap".
    ("MASSE.DAT", "Apothekerpfund", "Englisches System"): "appound",
    ("MASSE.DAT", "Apothekerunze", "Englisches System"): "apounce",
    ("MASSE.DAT", "Drachme", "Englisches System"): "apdram",
    ("MASSE.DAT", "Skrupel", "Englisches System"): "apscruple",
    ("MASSE.DAT", "Long assay ton", "Englisches System"): "brassayton",
    ("MASSE.DAT", "Stick Butter", "USA"): "stickbutter",
    # US and British liquid and dry measures under units' own names.
    ("VOLUMEN.DAT", "Gallone", "USA"): "usgallon",
    ("VOLUMEN.DAT", "Quart", "USA"): "usquart",
    ("VOLUMEN.DAT", "Pint", "USA"): "uspint",
    ("VOLUMEN.DAT", "Tasse", "USA"): "uscup",
    ("VOLUMEN.DAT", "Flüssigdrachme", "USA"): "fluiddram",
    ("VOLUMEN.DAT", "Minim", "USA"): "minim",
    ("VOLUMEN.DAT", "Trockengallone", "USA"): "drygallon",
    ("VOLUMEN.DAT", "Trockenquart", "USA"): "dryquart",
    ("VOLUMEN.DAT", "Trockenpint", "USA"): "drypint",
    ("VOLUMEN.DAT", "Barrel (flüssig)", "USA"): "liquidbarrel",
    ("VOLUMEN.DAT", "Barrel (trocken)", "USA"): "drybarrel",
    ("VOLUMEN.DAT", "Flüssigdrachme", "Großbritannien"): "brdram",
    ("VOLUMEN.DAT", "Butt (Bier)", "Großbritannien"): "brbeerbutt",
    ("VOLUMEN.DAT", "Chopin", "Großbritannien"): "choppin",
    # The Winchester bushel of 2150.42 cubic inches is the US bushel.
    ("VOLUMEN.DAT", "Winchester-Bushel", "Englisches System"): "usbushel",
    # The wine casks of the wine gallon of 231 cubic inches.
    ("VOLUMEN.DAT", "Pipe", "Englisches System"): "winepipe",
    ("VOLUMEN.DAT", "Rundlet", "Englisches System"): "winerundlet",
    ("VOLUMEN.DAT", "Tierce", "Englisches System"): "winetierce",
    ("WINKEL.DAT", "Bogenminute", "Internationale Einheit"): "arcminute",
    ("WINKEL.DAT", "Bogensekunde", "Internationale Einheit"): "arcsecond",
    ("ZAEHLMAS.DAT", "Billion", "Großbritannien"): "longbillion",
    ("ZAEHLMAS.DAT", "Printer’s Ream", "Großbritannien"): "perfectream",
    ("ZAEHLMAS.DAT", "Bundle (Papier)", "Großbritannien"): "bundle",
    ("ZAEHLMAS.DAT", "Bale (Papier)", "Großbritannien"): "bale",
}


def vorsilbe_falsch_gelesen(name, britisch):
    if name in DEFINIERT or name.rstrip("s") in DEFINIERT:
        return False
    if not name.lower().startswith(LAENGENVORSILBEN):
        return False
    return all(units(name, bezug, britisch) is None for bezug in ("m", "m^2", "m^3"))


# Compound English names ("watt per square metre kelvin") are no names of
# units, but it evaluates the expression they spell. The translation is
# word by word and the same for every unit, so that a compound is compared
# whether its factor agrees or not.

# Qualifiers of the calorie and the Btu, in the name or in Zusatzinfo.
TAFEL_IT = re.compile(r"\((?:it|international)\)|internationalen\s+Tafel", re.IGNORECASE)
TAFEL_TH = re.compile(r"\((?:th|thermochemical)\)|thermochemical\s+btu|thermochem", re.IGNORECASE)

# Which year a unit counts "per year" with, by what its Zusatzinfo says.
JAHR_JULIANISCH = re.compile(r"julianisch|365,25", re.IGNORECASE)
JAHR_365 = re.compile(r"365\s*(?:Tage|d\b)", re.IGNORECASE)

# A temperature in a compound is always a difference of temperatures.
TEMPERATURDIFFERENZ = {"celsius": "degC", "centigrade": "degC", "fahrenheit": "degF", "rankine": "degR",
                       "kelvin": "K", "°c": "degC", "°f": "degF", "°r": "degR"}

# Words that name a variant of the word they stand before; units writes
# them as part of one name ("usgallon", "brgallon").
ABWANDLUNG = {"us": "us", "u.s.": "us", "imperial": "br", "uk": "br"}
# "long ton", "short ton": only as part of one name.
LANG_KURZ = {"long", "short"}

# A "standard cubic foot" is an amount of gas at a stated state; units'
# "standard" is a timber measure of 165 cubic feet.
ZUSTAND = {"standard", "normal"}

# Words that raise the unit next to them to a power.
OPERATOREN = {"square", "cubic", "reciprocal", "squared", "cubed"}


class Unuebersetzbar(Exception):
    """A word of a compound name with no counterpart in units, or one whose
    reading is ambiguous."""


def einzelwort(wort):
    """A word units knows on its own (with its prefixes and plurals)."""
    return units(wort, wort) is not None


def zusammenfassen(woerter):
    """Joins runs of words that units defines as one name ("long ton",
    "nautical mile", "British thermal unit"); the others must be units of
    their own. Only names units defines itself may be joined: read through
    a prefix, a joined name would make a nonsense unit."""
    ergebnis, i = [], 0
    while i < len(woerter):
        wort = woerter[i]
        if not re.fullmatch(r"[a-z][a-z_.]*", wort) or wort in OPERATOREN:
            ergebnis.append(wort)
            i += 1
            continue
        for j in range(min(len(woerter), i + 3), i + 1, -1):
            teil = woerter[i:j]
            name = "".join(ABWANDLUNG.get(w, w) for w in teil)
            woerter_ok = all(re.fullmatch(r"[a-z.]+", w) and w not in OPERATOREN for w in teil)
            if woerter_ok and (name in DEFINIERT or name[:-1] in DEFINIERT):
                ergebnis.append(name)
                i = j
                break
        else:
            if wort in ABWANDLUNG or wort in LANG_KURZ or wort in ZUSTAND or wort in LAENGENVORSILBEN:
                raise Unuebersetzbar(wort)
            if not einzelwort(wort):
                raise Unuebersetzbar(wort)
            ergebnis.append(wort)
            i += 1
    return ergebnis


def faktoren(text, info, englisch):
    """The product of units one side of a "per" names, as units' factors."""
    woerter = []
    for wort in re.findall(r"\([^)]*\)|[^\s\-()]+", text):
        if wort.startswith("("):
            innen = wort[1:-1].strip()
            if innen in ("it", "international", "th", "thermochemical"):
                continue
            if innen in LANG_KURZ:
                if "ton" not in woerter:
                    raise Unuebersetzbar(wort)
                woerter[woerter.index("ton")] = innen + "ton"
                continue
            if innen in ABWANDLUNG and woerter:
                woerter.insert(len(woerter) - 1, innen)
                continue
            raise Unuebersetzbar(wort)
        woerter.append(wort)
    # Translations that do not depend on the neighbours' joining.
    uebersetzt = []
    for k, wort in enumerate(woerter):
        if wort in ("sq.", "sq"):
            # "per sec. sq.": after its unit it squares it.
            wort = "squared" if k == len(woerter) - 1 and k > 0 else "square"
        elif wort == "sec.":
            wort = "second"
        if wort == "degree" and k + 1 < len(woerter) and woerter[k + 1] in TEMPERATURDIFFERENZ:
            continue
        if wort in TEMPERATURDIFFERENZ and (wort.startswith("°") or k > 0 and woerter[k - 1] == "degree"):
            wort = TEMPERATURDIFFERENZ[wort]
        elif wort == "year" or wort == "years":
            if JAHR_JULIANISCH.search(info) or "julian" in englisch:
                wort = "julianyear"
            elif JAHR_365.search(info):
                wort = "commonyear"
            else:
                raise Unuebersetzbar("year (welches Jahr?)")
        elif re.fullmatch(r"(?:kilo|mega)?(?:btu|calorie)s?", wort):
            if TAFEL_TH.search(englisch) or TAFEL_TH.search(info) and not TAFEL_IT.search(englisch):
                art = "th"
            elif TAFEL_IT.search(englisch) or TAFEL_IT.search(info):
                art = "IT"
            else:
                raise Unuebersetzbar(wort + " (IT oder th?)")
            wort = re.sub(r"s$", "", wort) + "_" + art
        elif re.search(r"[²³]", wort):
            wort = wort.replace("²", "^2").replace("³", "^3")
        elif wort == "of":
            raise Unuebersetzbar(wort)
        uebersetzt.append(wort)
    # "British thermal unit" is the Btu of the qualifier, like "BTU".
    text2 = " ".join(uebersetzt)
    if "british thermal unit" in text2:
        art = "th" if TAFEL_TH.search(englisch) else "IT"
        text2 = re.sub(r"british thermal units?", "btu_" + art, text2)
    woerter = zusammenfassen(text2.split())
    ergebnis, hoch = [], None
    for wort in woerter:
        if wort in ("square", "cubic", "reciprocal"):
            if hoch is not None:
                raise Unuebersetzbar(wort)
            hoch = {"square": 2, "cubic": 3, "reciprocal": -1}[wort]
        elif wort in ("squared", "cubed"):
            if not ergebnis or hoch is not None:
                raise Unuebersetzbar(wort)
            ergebnis[-1] += "^" + ("2" if wort == "squared" else "3")
        else:
            ergebnis.append(wort + (f"^{hoch}" if hoch is not None else ""))
            hoch = None
    if hoch is not None:
        raise Unuebersetzbar("square/cubic/reciprocal")
    return ergebnis


def ausdruck(englisch, info):
    """The expression of units that a compound English name spells, "A per
    B C" read as A/(B C) and "A per B per C" as A/(B C)."""
    text = englisch.strip().lower()
    # The foot-pound of a compound is the foot-pound-force; the pound-mole
    # and the ton-mole count as many moles as the pound or the US ton has
    # grams. Their stand-ins pass the word joining untouched.
    text = re.sub(r"\bfoot-pounds?(?:-force)?\b", "ft lbf", text)
    text = re.sub(r"\bpound-moles?\b", "LBMOL", text)
    text = re.sub(r"\bton-moles?\b", "TONMOL", text)
    if text.startswith("per "):
        text = "1 " + text
    teile = re.split(r"\s+per\s+", text)
    zaehler = faktoren(teile[0], info, englisch.lower()) if teile[0] != "1" else ["1"]
    nenner = [f for teil in teile[1:] for f in faktoren(teil, info, englisch.lower())]
    if not zaehler or len(teile) > 1 and not nenner:
        raise Unuebersetzbar(englisch)
    ergebnis = " ".join(zaehler) + (" / (" + " ".join(nenner) + ")" if nenner else "")
    return ergebnis.replace("LBMOL", "(lb mol / g)").replace("TONMOL", "(uston mol / g)")


def zusammengesetzt(englisch):
    """A name of several words: one of units' own names never has more than
    one space or hyphen in our lists unless it is a compound."""
    return len(re.findall(r"[^\s\-()]+", re.sub(r"\(.*?\)", "", englisch))) > 1


def abgleichen(datei, felder, geteilt):
    """The match of one unit, or None; and the word that kept a compound
    name from being translated, or None."""
    bezug = BEZUG[datei]
    try:
        faktor = float(felder[8].replace(",", "."))
    except ValueError:
        return None
    if felder[4] not in ALLGEMEIN:
        return None
    britisch = felder[4] in BRITISCH
    schluessel = (datei, felder[7], felder[4])
    qualifiziert = QUALIFIZIERT.get(schluessel) or ANDERS_GESCHRIEBEN.get(schluessel)
    namen = [qualifiziert] if qualifiziert else kandidaten(felder[10], felder[6], geteilt.get(datei, set()))
    info = felder[18]
    # A compound is read from its English name first: units reads many of
    # our symbols otherwise ("aA" is no attoampere there).
    fehlt = None
    if not qualifiziert and zusammengesetzt(felder[10]):
        try:
            name = ausdruck(felder[10], info)
            wert = units(name, bezug, britisch)
            if wert is not None:
                return (datei, felder[7], felder[4], faktor, wert, name, info)
            fehlt = ("nicht auswertbar", f"{datei} {felder[10]} -> {name}")
        except Unuebersetzbar as e:
            fehlt = ("unübersetzt", str(e))
    for name in namen:
        if (datei, name) in NAMENSGLEICH:
            return None
        wert = units(name, bezug, britisch)
        if wert is not None and not vorsilbe_falsch_gelesen(name, britisch):
            return (datei, felder[7], felder[4], faktor, wert, name, info)
    return fehlt


def main():
    quellen = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "datenquellen")
    # Without units, or without its data file, nothing would match and the
    # comparison would pass unseen: that is no result (77: skipped in ctest).
    if not DEFINIERT or units("m", "m") is None:
        print("GNU units ist nicht installiert oder findet seine Definitionsdatei nicht.", file=sys.stderr)
        return 77
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
    if not auftraege:
        print(f"Keine Einheitendateien unter {quellen}/einheiten.", file=sys.stderr)
        return 2
    zeichen = collections.Counter((datei, felder[6]) for datei, felder in auftraege)
    geteilt = {}
    for (datei, z), anzahl in zeichen.items():
        if anzahl > 1:
            geteilt.setdefault(datei, set()).add(z)
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        ergebnisse = [t for t in pool.map(lambda a: abgleichen(*a, geteilt), auftraege) if t]
    treffer = [t for t in ergebnisse if len(t) > 2]
    unuebersetzt = collections.Counter(t[1] for t in ergebnisse if t[0] == "unübersetzt")
    nicht_auswertbar = sorted(t[1] for t in ergebnisse if t[0] == "nicht auswertbar")
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
    if unuebersetzt:
        print("\nZusammengesetzte Namen nicht zugeordnet, Wörter ohne Gegenstück in units (Anzahl):")
        print(", ".join(f"{w} ({n})" for w, n in sorted(unuebersetzt.items(), key=lambda x: (-x[1], x[0]))))
    if nicht_auswertbar:
        print("\nZusammengesetzte Namen, die units nicht in der Bezugseinheit auswertet:")
        print("\n".join(nicht_auswertbar))
    return 1 if abweichend else 0


if __name__ == "__main__":
    sys.exit(main())
