#!/usr/bin/env python3
# Runs one end-to-end case: the built program in a fresh temporary directory, standard input
# a terminal, a pipe or a file, then compares status, console and files byte for byte.
#   cas.py [--wine] PROGRAM CASE-FILE     (the format is described in tests/cas/LISEZMOI.md)
# With --wine, PROGRAM is a Windows build run under Wine: the console and the files it
# writes are expected with CR LF line ends, and terminal cases are skipped (status 77).
import contextlib, csv, datetime, difflib, glob, html, json, os, pty, re, resource, select, shlex
import shutil
import subprocess, sys, tempfile, time, tomllib

TEXTES = {"{invite}": "Veuillez entrer la date des transaction ( JJ-MM-AAAA ) : \n\tDate : ",
          "{question}": "voulez-vous rediger un autre rapport ?\n",
          "{pause}": "Appuyer sur entrer pour continuer ... ",
          "{aucun}": "\nAucun n'achat n'a \x82t\x82 effectu\x82 pour cette date\n"}
# The page: 54 lines of Courier at 9.8 pt a page, 12 pt apart, the first baseline 82 pt from
# the top; columns of 5.88 pt from the left margin, a line too wide squeezed into 468 pt.
LIGNES_PAR_PAGE, PREMIERE_LIGNE, INTERLIGNE = 54, 82, 12
MARGE, COLONNE, LARGEUR_UTILE = 72, 5.88, 468
# Long enough for the largest case on a loaded machine under coverage counters; a hang still ends.
DELAI = 60
ECHAPPES = {"n": "\n", "t": "\t", "f": "\f", "r": "\r", "\\": "\\", "{": "{"}


def octets(texte):  # {N*TEXT} is TEXT N times, made as bytes: a large file costs no regex
    parts = re.split(r"\{(\d+)\*([^{}]*)\}", texte)
    return b"".join(simples(t) + simples(r) * int(n) for t, n, r in
                    zip(parts[::3], parts[1::3] + ["0"], parts[2::3] + [""]))


def simples(texte):
    texte = re.sub("|".join(map(re.escape, TEXTES)), lambda m: TEXTES[m.group()], texte)
    return re.sub(r"\\(x[0-9A-Fa-f]{2}|.)", lambda m: chr(int(m.group(1)[1:], 16))
                  if len(m.group(1)) == 3 else ECHAPPES[m.group(1)], texte).encode("latin-1")


def corps(lignes):  # a line ending in an odd number of backslashes has no line end
    return b"".join(octets(l[:-1]) if re.search(r"(?<!\\)(\\\\)*\\$", l) else octets(l) + b"\n"
                    for l in lignes)


def terminal(commande, dossier, script, environnement):
    pid, maitre = pty.fork()
    if pid == 0:  # no echo, no output processing: the bytes read are the program's own
        os.chdir(dossier)
        limiter()
        os.execvpe("sh", ["sh", "-c", 'stty -echo -opost && exec "$@"', "sh"] + commande,
                   environnement)
    console, vu, fin = b"", 0, []
    def lire(secondes, condition):  # reads until the condition holds or the time is up
        nonlocal console
        limite = time.time() + secondes
        while not condition() and time.time() < limite:
            pret = select.select([maitre], [], [], 0.02)[0]
            with contextlib.suppress(OSError):  # once the program has ended
                console += os.read(maitre, 65536) if pret else b""
    for verbe, _, texte in (ligne.partition(" ") for ligne in script):
        if verbe == "taper":
            os.write(maitre, octets(texte))
        elif verbe == "attendre":
            lire(DELAI, lambda: octets(texte) in console[vu:])
            if octets(texte) not in console[vu:]:
                sys.exit("never shown: %r\nconsole: %r" % (octets(texte), console))
            vu = console.index(octets(texte), vu) + len(octets(texte))
        elif verbe == "silence":
            avant = len(console)
            lire(int(texte) / 1000, lambda: False)
            if len(console) != avant:
                sys.exit("expected silence, got %r" % console[avant:])
            if os.waitpid(pid, os.WNOHANG)[0]:  # silence means waiting, not having ended
                sys.exit("ended instead of waiting; console: %r" % console)
    lire(DELAI, lambda: fin.append(os.waitpid(pid, os.WNOHANG)) or fin[-1][0])
    if not fin[-1][0]:
        os.kill(pid, 9)
        sys.exit("still running; console: %r" % console)
    lire(0.1, lambda: False)
    return console, b"", os.waitstatus_to_exitcode(fin[-1][1])


def lancer(commande, dossier, mode, donnees, environnement, console=subprocess.PIPE,
           erreurs=subprocess.PIPE):
    entree, ouvert = subprocess.PIPE, None
    if mode == "fichier":
        entree = tempfile.TemporaryFile()
        entree.write(donnees)
        entree.seek(0)
    elif mode == "tube-ouvert":  # nothing in it, and open until the program has ended
        entree, ouvert = os.pipe()
    p = subprocess.Popen(commande, cwd=dossier, stdin=entree, stdout=console,
                         stderr=erreurs, preexec_fn=limiter, env=environnement)
    try:
        resultat = p.communicate(donnees if entree == subprocess.PIPE else None, timeout=DELAI)
    except subprocess.TimeoutExpired:
        p.kill()
        sys.exit("still running after %d seconds: %s" % (DELAI, " ".join(commande)))
    if ouvert is not None:
        os.close(ouvert)
    return (resultat[0] or b"", resultat[1] or b"", p.returncode)


def facture_seule(programme, ventes):  # the invoice file of this sales file, done alone
    with tempfile.TemporaryDirectory() as seul:
        shutil.copy(ventes, os.path.join(seul, "vente-seul.txt"))
        _, erreurs, statut = lancer(programme, seul, "tube", b"-seul\nN\n\n", None)
        if not os.path.exists(os.path.join(seul, "facture -seul.txt")):  # say why
            sys.exit("%s alone wrote no invoice file (status %d): %r" % (ventes, statut, erreurs))
        return open(os.path.join(seul, "facture -seul.txt"), "rb").read()


def dessin(fichier):  # the title; each line as drawn, by page and baseline: its words' boxes
    boites = subprocess.run(["pdftotext", "-raw", "-bbox", fichier, "-"],  # glyph by glyph
                            stdout=subprocess.PIPE).stdout.decode()
    titre, lignes = html.unescape(re.search("<title>(.*)</title>", boites)[1]), {}
    for page, contenu in enumerate(boites.split("<page ")[1:]):
        for x0, y0, x1, y1, mot in re.findall(r'<word xMin="(\S+)" yMin="(\S+)" xMax="(\S+)" '
                                              r'yMax="(\S+)">(.*?)</word>', contenu):
            base = round(float(y1) - 0.2 * (float(y1) - float(y0)), 1)  # Courier's descent
            lignes.setdefault((page, base), []).append(
                (float(x0), float(x1), html.unescape(mot)))
    return titre, lignes


def colonnes(mots):  # the line, each word at the column its box gives; with the columns
    ligne, places = "", []
    for x0, x1, mot in sorted(mots):  # a Courier column is as wide as its glyphs
        places.append((round((x0 - MARGE) * len(mot) / (x1 - x0)), x0, x1, mot))
        ligne = ligne.ljust(places[-1][0]) + mot
    return ligne, places


def lignes_attendues(texte, magasin):  # each line with text: its page, its line on it, the line,
    # its width. An invoice (a page opening on the store's name) repeats its head, down to its
    # rule of "=", atop each further page, and each of its pages says "page k/n" under its
    # last line
    page, ligne, blancs, lignes, tete, pages = 0, 0, 0, [], [], []
    regle = lambda l: l.strip() != "" and l.strip().strip("=") == ""

    def poser(l):  # a line with text, after the blank lines before it on its page
        nonlocal ligne, blancs
        ligne, blancs = ligne + (blancs if ligne else 0), 0
        vue = "".join(c if c.isprintable() and not c.isspace() else " " for c in l)
        lignes.extend([(page, ligne, vue.rstrip(), len(l))] if vue.strip() else [])
        ligne += 1

    def numeroter():  # the invoice has ended: its pages are numbered
        lignes.extend((p, LIGNES_PAR_PAGE, "page %d/%d" % (k + 1, len(pages)), 8)
                      for k, p in enumerate(pages))
        pages.clear()

    for l in (l for l in re.split(r"\n|(\f)", texte) if l is not None):
        if l == "\f":  # a new page, unless this one is still empty
            page, ligne, blancs = page + (ligne > 0), 0, 0
            numeroter()
            continue
        if pages and not regle(tete[-1]):
            tete.append(l)
        if not l:  # a blank line takes room only before a line of the same page
            blancs += 1
            continue
        if ligne + blancs >= LIGNES_PAR_PAGE:
            page, ligne, blancs = page + 1, 0, 0
            if pages:  # the invoice goes on, under its head
                pages.append(page)
                for t in tete:
                    blancs += not t
                    (poser(t) if t else None)
        if ligne == 0 and not pages and l.startswith(magasin):
            tete, pages[:] = [l], [page]
        poser(l)
    numeroter()
    return lignes


def verifier_pdf(fichier, texte):  # qpdf finds no fault; every line of the text is
    # on its page and baseline, every word in its column between the margins: a line wider
    # than 79 columns is drawn narrower, so that it ends at the right margin
    verification = subprocess.run(["qpdf", "--check", fichier], stdout=subprocess.PIPE)
    fautes = ["qpdf --check: %r" % verification.stdout] if verification.returncode else []
    titre, lignes = dessin(fichier)
    attendues = {(p, PREMIERE_LIGNE + INTERLIGNE * ligne): (vue, largeur)
                 for p, ligne, vue, largeur in lignes_attendues(
                     texte, nom_magasin(os.path.dirname(fichier)))}
    decrire = lambda vues: "".join("page %d, %g pt: %s\n" % (p + 1, b, vues[(p, b)])
                                   for p, b in sorted(vues)).encode()
    fautes += difference("lines of " + fichier, decrire({k: v for k, (v, _) in attendues.items()}),
                         decrire({k: colonnes(mots)[0] for k, mots in lignes.items()}))
    for (page, base), mots in lignes.items():
        colonne = min(COLONNE, LARGEUR_UTILE / attendues.get((page, base), ("", 1))[1])
        fautes += ["%s: page %d, %g pt: %r from %g to %g pt, not column %d" % (
            fichier, page + 1, base, mot, x0, x1, c) for c, x0, x1, mot in colonnes(mots)[1]
                   if max(abs(x0 - MARGE - c * colonne),
                          abs(x1 - MARGE - (c + len(mot)) * colonne)) > 1]
    return (fautes + verifier_plan(fichier, texte, lignes, titre))[:10]


def verifier_plan(fichier, texte, lignes, titre):  # the outline as a viewer reads it, and the
    # title, against the invoices
    plan = [(o["title"], o["destpageposfrom1"]) for o in json.loads(subprocess.run(
        ["qpdf", "--json", "--json-key=outlines", fichier], stdout=subprocess.PIPE).stdout)[
            "outlines"]]
    attendus = []  # each invoice's title and its client line, then the summary's and title
    for bloc in texte.split("\f"):
        facture = re.search(r"^" + re.escape(nom_magasin(os.path.dirname(fichier))) +
                            r" +No : (\S+)\n(?:.*\n)*?(Client : (\S+) +(.*))", bloc, re.M)
        sommaire = re.search(r"Sommaire des factures du (\S+)", bloc)
        if facture:
            attendus.append(("Facture %s - client %s %s" % facture.group(1, 3, 4), facture[2]))
        elif sommaire:
            attendus.append(("Sommaire du " + sommaire[1], sommaire[0]))
    fautes = [] if [t for t, _ in plan] == [t for t, _ in attendus] else [
        "outline of %s: %r, the invoices give %r" % (fichier, plan, attendus)]
    for (entree, page), (_, ligne) in zip(plan, attendus):
        vue = " ".join(colonnes(lignes[(p, b)])[0] for p, b in sorted(lignes) if p == page - 1)
        if " ".join(ligne.split()) not in " ".join(vue.split()):
            fautes.append("%s: %r goes to page %d, without %r" % (fichier, entree, page, ligne))
    date = re.search(r"Sommaire des factures du (\S+)", texte)  # the date of the sales file
    return fautes + (["%s: titled %r" % (fichier, titre)] if date and
                     titre != "Factures du " + date[1] else [])


def nom_magasin(dossier):  # the store's name: its settings', as the invoices write it
    reglages = glob.glob(os.path.join(dossier, "*.toml"))
    try:
        texte = open(reglages[0], "rb").read().decode("utf-8-sig") if reglages else ""
        nom = tomllib.loads(texte)["magasin"]["nom"] if reglages else None
    except (tomllib.TOMLDecodeError, UnicodeDecodeError, KeyError, TypeError):
        nom = None
    return nom.encode("cp1252", "replace").decode("cp1252") if nom else "Magasin chez Mo-Tino"


def imprime(facture, libelle):  # the figure an invoice prints after its label (and rate)
    m = re.search(rb"(?<![-\w])" + libelle + rb"(?: \([\d,]+ %\))? : +(-?(?:[\d.]+|inf|nan))",
                  facture)
    return m.group(1).decode() if m else "0.00"  # no savings line: nothing saved


def verifier_journal(journal):  # each record holds the figures its invoice prints
    texte = open(journal[:-4] + ".txt", "rb").read()
    factures = [f for f in texte.split(b"\f") if b"No :" in f]
    date = re.search(rb"Sommaire des factures du (\S+)", texte)  # the date of the sales file
    lignes = list(csv.reader(open(journal, encoding="utf-8-sig", newline=""), delimiter=";"))
    if len(lignes) != len(factures) + 1 or lignes[0][-1] != "total":
        return ["%s: %d records for %d invoices" % (journal, len(lignes) - 1, len(factures))]
    ecrits = lambda r: [r[0].lstrip("'")] + [c.replace(",", ".") for c in r[1:3] + r[8:]]
    jour = date[1].decode("cp1252", "replace") if date else ""
    try:  # a day of the calendar is written AAAA-MM-JJ
        jour = datetime.datetime.strptime(jour, "%d-%m-%Y").strftime("%Y-%m-%d") if re.fullmatch(
            r"\d\d-\d\d-\d{4}", jour) else jour
    except ValueError:
        pass
    imprimes = lambda f: [jour.lstrip("'")] + [  # number,
        imprime(f, l) for l in (b"No", b"Client", b"pargn\xe9",  # client, savings, ...
                                b"sous-total", b"tps", b"tvq", b"total")]
    return ["%s, record %d: %r, invoice %r" % (journal, i, ecrits(r), imprimes(f))
            for i, (r, f) in enumerate(zip(lignes[1:], factures)) if ecrits(r) != imprimes(f)]


def verifier_bilan(bilan):  # every day of its range once, in order; a day invoiced from its
    # sales file holds the sums of its journal's records (the journal checked against the
    # invoices above); the total, the sums of the days; the text's return lines, the total's
    debut, fin = re.search(r"bilan (\S+) au (\S+)\.csv$", bilan).groups()
    jour, fin = (datetime.datetime.strptime(d, "%d-%m-%Y") for d in (debut, fin))
    lignes = list(csv.reader(open(bilan, encoding="utf-8-sig", newline=""), delimiter=";"))
    if lignes[:1] != [["date", "factures", "avant rabais", "rabais", "sous-total", "tps", "tvq",
                       "total", "etat"]]:
        return []  # an earlier file a case keeps, not a report
    centimes = lambda champs: [int(c.replace(",", "").replace("-", "")) * (
        -1 if c.startswith("-") else 1) for c in champs]
    fautes, somme = [], [0] * 7
    for r in lignes[1:-1]:
        date, jour = jour.strftime("%Y-%m-%d"), jour + datetime.timedelta(days=1)
        fautes += ["%s: %s where %s was due" % (bilan, r[0], date)] if r[0] != date else []
        somme = [a + b for a, b in zip(somme, centimes(r[1:8]))]
        journal = os.path.join(os.path.dirname(bilan), "facture %s.csv" % datetime.date(
            *map(int, date.split("-"))).strftime("%d-%m-%Y"))
        if "a facturer" in r[8] or "date" in r[8] or not os.path.isfile(journal):
            continue
        factures = list(csv.reader(open(journal, encoding="utf-8-sig", newline=""),
                                   delimiter=";"))[1:]
        du_journal = [len(factures)] + [sum(c) for c in zip(*[centimes(f[7:13]) for f in factures])]
        if centimes(r[1:8]) != (du_journal if factures else [0] * 7):
            fautes.append("%s, %s: %r, its journal %r" % (bilan, date, r[1:8], du_journal))
    if jour != fin + datetime.timedelta(days=1) or lignes[-1][0] != "total":
        fautes.append("%s: its days end at %s" % (bilan, lignes[-2][0]))
    elif centimes(lignes[-1][1:8]) != somme:
        fautes.append("%s: total %r, its days %r" % (bilan, lignes[-1][1:8], somme))
    texte = open(bilan[:-4] + ".txt", "rb").read()
    retour = [m.replace(b".", b",").decode() for m in re.findall(
        rb"^Ligne (?:101|103|203) .* (-?[\d.]+) \$\r?$", texte, re.M)]
    if retour != lignes[-1][4:7]:
        fautes.append("%s: return lines %r, total %r" % (bilan, retour, lignes[-1][4:7]))
    return fautes


def difference(titre, attendu, obtenu):  # a diff of the lines, bytes escaped
    lisible = lambda b: [repr(l)[2:-1] for l in b.splitlines(True)]
    return ["%s differs:\n" % titre + "\n".join(difflib.unified_diff(
        lisible(attendu), lisible(obtenu), "expected", "obtained", lineterm=""))
            ] if obtenu != attendu else []


def tube_ferme():  # a pipe nobody reads: every write to it fails
    lecture, ecriture = os.pipe()
    os.close(lecture)
    return ecriture


LIMITES, FERMES = {"taille": 1 << 28}, []  # a case's limits; the descriptors it closes


def limiter():  # a runaway program must not fill the disk: files stop at 256 MB
    resource.setrlimit(resource.RLIMIT_FSIZE, (LIMITES["taille"],) * 2)
    if "fichiers" in LIMITES:
        resource.setrlimit(resource.RLIMIT_NOFILE, (LIMITES["fichiers"],) * 2)
    for descripteur in FERMES:
        os.close(descripteur)


def main(programme, chemin, fin_de_ligne=b"\n"):
    dossier = tempfile.mkdtemp(prefix="facturation-cas-")
    try:
        fautes = verifier(programme, chemin, fin_de_ligne, dossier)
    finally:  # also when the program had to be stopped
        shutil.rmtree(dossier, ignore_errors=True)
    sys.exit("\n".join(fautes) or 0)


def verifier(programme, chemin, fin_de_ligne, dossier):
    commande, mode, entree, fautes, avant = programme, "tube", [], [], b""
    variables, flux = {}, {"console": subprocess.PIPE, "erreurs": subprocess.PIPE}
    attendus = {"statut": b"0", "console": b"", "erreurs": b""}
    sections = re.split(r"^--- (.*)\n", open(chemin, encoding="latin-1").read(), flags=re.M)
    for titre, lignes in zip(sections[1::2], sections[2::2]):
        lignes = lignes.split("\n")[:-1]
        verbe, _, reste = titre.partition(" ")
        nom, _, source = (" " + reste).partition(" < ")
        nom = nom[1:]
        nom, _, cible = nom.partition(" -> ")
        chemin_source = os.path.join(os.path.dirname(chemin), source)
        contenu = open(chemin_source, "rb").read() if source else corps(lignes)
        if verbe == "fichier":
            open(os.path.join(dossier, nom), "wb").write(contenu)
        elif verbe == "dossier":
            os.mkdir(os.path.join(dossier, nom))
        elif verbe == "lien":
            os.symlink(cible, os.path.join(dossier, nom))
        elif verbe == "arguments":
            commande = programme + shlex.split(reste)
        elif verbe == "entree":
            mode, entree = reste, lignes
        elif verbe == "vers" and nom.split()[1] == "ferme":  # closed when the program starts
            FERMES.append({"console": 1, "erreurs": 2}[nom.split()[0]])
        elif verbe == "vers":  # standard output or error a file, such as /dev/full
            flux[nom.split()[0]] = (tube_ferme() if nom.split()[1] == "tube-ferme" else
                                    open(nom.split()[1], "wb"))
        elif verbe == "ajout":
            open(os.path.join(dossier, nom), "ab").write(contenu)
        elif verbe == "retire":
            os.remove(os.path.join(dossier, nom))
        elif verbe == "modifie" and " comme " in reste:  # the times of another file, to the ns
            fichier, _, autre = reste.partition(" comme ")
            temps = os.stat(os.path.join(dossier, autre))
            os.utime(os.path.join(dossier, fichier), ns=(temps.st_atime_ns, temps.st_mtime_ns))
        elif verbe == "modifie":  # a file's modification time, in seconds since 1970
            fichier, secondes = reste.rsplit(" ", 1)
            os.utime(os.path.join(dossier, fichier), (int(secondes), int(secondes)))
        elif verbe == "lancer":  # a run before the one checked, with the failures set so far
            dit, plainte, code = lancer(programme + shlex.split(reste), dossier, "tube", b"",
                                      dict(os.environ, **variables))
            tue = code == -9 and "FACTURATION_ECHEC_ECRITURE_N" in variables
            if (code < 0 and not tue) or re.search(rb"Sanitizer|runtime error", plainte):
                fautes.append("%s: status %d, %r" % (titre, code, plainte[-2000:]))
            avant += dit + plainte + b"status %d" % code + fin_de_ligne
            variables = {}  # its failures, environment and limits are its own
            LIMITES.clear()
            LIMITES["taille"] = 1 << 28
        elif verbe == "limite":  # a file size limit (bytes) or a number of descriptors
            if os.environ.get("FACTURATION_SANS_LIMITES"):
                sys.exit(77)  # a coverage build's counts are files too; the sanitizers'
                # runtime needs descriptors
            LIMITES[reste.split()[0]] = int(reste.split()[1])
        elif verbe == "echec":  # a system call that fails, or a write that kills the program
            if not os.environ.get("FACTURATION_ECHECS") or fin_de_ligne != b"\n":
                sys.exit(77)  # under the sanitizers, or Wine, nothing is preloaded
            appel, _, valeur = reste.partition(" ")
            variables.update({"LD_PRELOAD": os.environ["FACTURATION_ECHECS"], (
                "FACTURATION_ECHEC_" + appel.upper() +
                ("" if appel in ("retrait", "renommage") else "_N")):
                              valeur})
        elif verbe == "environnement":  # VAR=VALUE sets, VAR alone unsets
            variables.update((v.split("=", 1) + [None])[:2] for v in shlex.split(reste))
        else:
            attendus[verbe if verbe in ("statut", "memoire") else titre.partition(" < ")[0]] = (
                reste.encode() if verbe in ("statut", "memoire") else contenu)
    if (mode == "terminal" or "posix" in attendus) and fin_de_ligne != b"\n":
        sys.exit(77)
    # A case bounding the peak memory runs under tests/pic_memoire, which writes it to pic;
    # ctest names it, empty under the sanitizers, whose shadow memory is no day's.
    pic, mesure = os.path.join(dossier, ".pic"), fin_de_ligne == b"\n" and attendus.get("memoire")
    if mesure and os.environ["FACTURATION_PIC_MEMOIRE"]:
        commande = [os.environ["FACTURATION_PIC_MEMOIRE"], pic] + commande
    # A terminal shows the store's bytes unless the case names another charset.
    environnement = dict(os.environ, **({"LC_ALL": "C"} if mode == "terminal" else {}))
    environnement = {k: v for k, v in dict(environnement, **variables).items() if v is not None}
    sortie, erreurs, statut = (
        terminal(commande, dossier, entree, environnement) if mode == "terminal" else
        lancer(commande, dossier, mode, corps(entree), environnement, **flux))
    if os.path.exists(pic) and int(open(pic).read()) > int(mesure) * 1024:
        fautes.append("peak memory %s kB, above %s MB" % (open(pic).read()[:-1], mesure.decode()))
    for journal in glob.glob(os.path.join(dossier, "facture *.csv")):  # files, not devices
        vrais = os.path.isfile(journal) and os.path.isfile(journal[:-4] + ".txt")
        fautes += verifier_journal(journal) if vrais else []
    for bilan in glob.glob(os.path.join(dossier, "bilan *.csv")):  # but figures out of reach
        lisible = os.path.isfile(bilan[:-4] + ".txt") and b"hors" not in open(bilan, "rb").read()
        fautes += verifier_bilan(bilan) if lisible else []
    fautes += ["%s left behind" % n for n in os.listdir(dossier)  # but a running process's
               if re.fullmatch(r"\.facturation-temp-(?!1-)\d+-\d+", n)
               and os.path.isfile(os.path.join(dossier, n))]
    obtenus = {"statut": b"%d" % statut, "console": sortie, "erreurs": erreurs, "avant": avant}
    for titre, attendu in attendus.items():
        verbe, _, nom = titre.partition(" ")
        nom, _, comme = nom.partition(" < ")[0].partition(" comme ")
        fichier = os.path.join(dossier, nom)
        if verbe in ("posix", "memoire"):
            continue
        if verbe == "absent":
            fautes += ["%s exists" % nom] if os.path.lexists(fichier) else []
            continue
        if verbe in ("sortie", "pdf") and not os.path.exists(fichier):
            fautes.append("%s was not written" % nom)
            continue
        if verbe == "pdf":  # against the day's invoice file, each byte its Windows-1252 letter
            fautes += verifier_pdf(fichier, open(fichier[:-4] + ".txt", "rb").read().replace(
                b"\r", b"").decode("cp1252", "replace"))
            continue
        if verbe != "statut" and not nom.endswith((".pdf", ".csv")):  # binary files
            attendu = attendu.replace(b"\n", fin_de_ligne)
        attendu = facture_seule(programme, os.path.join(dossier, comme)) if comme else attendu
        obtenu = open(fichier, "rb").read() if verbe == "sortie" else obtenus[titre]
        fautes += difference(titre, attendu, obtenu)
    return fautes


if __name__ == "__main__":
    if sys.argv[1] == "--wine":
        main(["wine", os.path.abspath(sys.argv[2])], os.path.abspath(sys.argv[3]), b"\r\n")
    main([os.path.abspath(sys.argv[1])], os.path.abspath(sys.argv[2]))
