#!/usr/bin/env bash
# Times the whole program on generated days, without, with --pdf and with --csv, against cat
# copying its invoice file into a new file, side by side with hyperfine (median of 11 runs
# each, output files removed before every run, so no run pays for truncating an earlier one).
#   bench/mesurer.sh [build folder]     (default: build-release, built here if needed)
# Needs hyperfine, python3 and GNU time (apt-get install -y hyperfine python3 time).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=${1:-$racine/build-release}
cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=Release -DFACTURATION_TESTS=OFF >/dev/null
cmake --build "$construction" --target facturation generer_ventes >/dev/null
programme=$construction/facturation
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
cd "$dossier"

mediane() { # json file, index of the command
  python3 -c "import json,sys; print(json.load(open(sys.argv[1]))['results'][int(sys.argv[2])]['median'])" "$@"
}

printf '%8s %9s %10s %9s %9s %6s %9s %8s %9s %6s %8s %9s %6s\n' clients sales invoices program \
  cat ratio output peak --pdf ratio peak --csv ratio
for n in 100000 200000 400000; do
  "$construction/generer_ventes" "$n" 2012 vente28-02-2012.txt
  "$programme" 28-02-2012 >/dev/null
  cp "facture 28-02-2012.txt" reference.txt
  hyperfine --style none --warmup 2 --runs 11 --export-json "temps-$n.json" \
    --prepare 'rm -f "facture 28-02-2012".* copie.txt' \
    "$programme 28-02-2012" 'cat reference.txt > copie.txt' "$programme --pdf 28-02-2012" \
    "$programme --csv 28-02-2012" >/dev/null
  prog=$(mediane "temps-$n.json" 0)
  copie=$(mediane "temps-$n.json" 1)
  pdf=$(mediane "temps-$n.json" 2)
  csv=$(mediane "temps-$n.json" 3)
  memoire=$(/usr/bin/time -f %M "$programme" 28-02-2012 2>&1 >/dev/null | tail -1)
  memoirePdf=$(/usr/bin/time -f %M "$programme" --pdf 28-02-2012 2>&1 >/dev/null | tail -1)
  python3 - "$n" "$prog" "$copie" "$memoire" "$(stat -c %s vente28-02-2012.txt)" \
    "$(stat -c %s reference.txt)" "$pdf" "$memoirePdf" "$csv" <<'FIN'
import sys
n, prog, copie, memoire, ventes, factures, pdf, memoirePdf, csv = sys.argv[1:]
prog, copie, pdf, csv = float(prog), float(copie), float(pdf), float(csv)
print("%8s %6.1f MB %7.1f MB %7.3f s %7.3f s %6.2f %5.0f MB/s %5.1f MB %7.3f s %6.2f %5.1f MB"
      " %7.3f s %6.2f" % (
    n, int(ventes) / 1e6, int(factures) / 1e6, prog, copie, prog / copie,
    int(factures) / 1e6 / prog, int(memoire) / 1024, pdf, pdf / prog, int(memoirePdf) / 1024,
    csv, csv / prog))
FIN
  echo "$prog" >"programme-$n"
done
python3 -c "import sys; print('400000 / 200000 clients: %.2f times the time' % (float(open('programme-400000').read()) / float(open('programme-200000').read())))"
