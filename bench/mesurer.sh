#!/usr/bin/env bash
# Times the whole program on generated days against copying its invoice file with cp.
#   bench/mesurer.sh [build folder]     (default: build, built here if needed)
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=${1:-$racine/build}
cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$construction" --target facturation generer_ventes >/dev/null
programme=$construction/facturation
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
cd "$dossier"
printf '28-02-2012\nN\n\n' >entree

secondes() { # runs "$@" and prints its wall time in seconds
  local debut fin
  debut=$(date +%s%N)
  "$@" >/dev/null
  fin=$(date +%s%N)
  echo "scale=4; ($fin - $debut) / 1000000000" | bc
}
mediane() { sort -n | sed -n 3p; }

mesurer() { # clients
  "$construction/generer_ventes" "$1" 2012 vente28-02-2012.txt
  local prog copie i
  prog=$(for i in 1 2 3 4 5; do secondes "$programme" <entree; done | mediane)
  copie=$(for i in 1 2 3 4 5; do rm -f copie.txt; secondes cp "facture 28-02-2012.txt" copie.txt; done | mediane)
  local ventes facture memoire
  ventes=$(stat -c %s vente28-02-2012.txt)
  facture=$(stat -c %s "facture 28-02-2012.txt")
  memoire=$(/usr/bin/time -f %M "$programme" <entree 2>&1 >/dev/null | tail -1)
  printf '%7d clients  sales %6.1f MB  invoices %6.1f MB  program %6.3f s  cp %6.3f s  ratio %5.2f  %6.0f MB/s  peak %5.1f MB\n' \
    "$1" "$(echo "$ventes / 1000000" | bc -l)" "$(echo "$facture / 1000000" | bc -l)" \
    "$prog" "$copie" "$(echo "$prog / $copie" | bc -l)" \
    "$(echo "$facture / 1000000 / $prog" | bc -l)" "$(echo "$memoire / 1024" | bc -l)"
  echo "$prog" >"temps-$1"
}

echo "median of 5 runs each; cp copies the invoice file the program wrote"
for n in 100000 200000 400000; do mesurer "$n"; done
printf '400000 / 200000 clients: %.2f times the time\n' \
  "$(echo "$(cat temps-400000) / $(cat temps-200000)" | bc -l)"
