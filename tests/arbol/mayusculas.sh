#!/bin/sh
# Fails when two tracked paths differ only by case, or when two headers' names
# differ only by case (on a file system that ignores case an include finds
# either, and a clone keeps only one of two such paths).
set -eu
cd "$1"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  rutas=$(git ls-files)
else
  rutas=$(find . -type f ! -path './build*' | sed 's|^\./||')
fi
choques=$(printf '%s\n' "$rutas" | awk '
  { k = tolower($0); n[k]++; p[k] = p[k] "  " $0 }
  /\.h$/ {
    m = split($0, parte, "/"); b = tolower(parte[m])
    if (!((b, parte[m]) in visto)) { visto[b, parte[m]] = 1; nh[b]++ }
    ph[b] = ph[b] "  " $0
  }
  END {
    for (k in n) if (n[k] > 1) print "rutas:" p[k]
    for (b in nh) if (nh[b] > 1) print "cabeceras:" ph[b]
  }')
if [ -n "$choques" ]; then
  printf 'Difieren solo en mayúsculas:\n%s\n' "$choques"
  exit 1
fi
echo "$(printf '%s\n' "$rutas" | wc -l) rutas, ninguna difiere de otra solo en mayúsculas"
