#!/usr/bin/env bash
# The CPU that the real program spends while a cloud tool is held, on a
# 1024 x 768 Xvfb screen driven by xdotool: "Generar", then three times
# "Contrae los puntos horizontalmente" held 2 s (measured) and "Expande los
# puntos horizontalmente" held 1.8 s (not measured; it brings the cloud
# back). The CPU is utime + stime from /proc/<pid>/stat over each measured
# hold; its steps are counted from the width of the cloud, which each step
# multiplies by 0.995. Prints the medians beside their targets.
# Usage: cpu_herramienta.sh path/to/rectaviva
set -u
. "$(dirname "$0")/../tests/e2e/comun.sh"

e2e_requiere Xvfb xdotool import convert md5sum
e2e_preparar
e2e_iniciar_pantalla
e2e_iniciar_programa "$1"
e2e_generar
img=$(e2e_captura generada)
plano=$(e2e_plano "$img")
[ -n "$plano" ] || e2e_fallo "tras Generar no se ve el gráfico"
read -r px0 py0 px1 py1 <<<"$plano"
contrae=$(e2e_herramienta "$img" 2)
expande=$(e2e_herramienta "$img" 3)
[ -n "$contrae" ] && [ -n "$expande" ] || e2e_fallo "no se ve la tira de herramientas"

tics=$(getconf CLK_TCK)
cpu() { awk '{ print $14 + $15 }' "/proc/$E2E_PID_PROGRAMA/stat"; }
# The span of the markers' centres: the box around them less one marker.
ancho() {
    e2e_nube "$1" "$px0" "$py0" $((px1 - px0 + 1)) $((py1 - py0 + 1)) | awk '{ print $3 - $1 - 8 }'
}
# Holds the button on the icon at (x, y) for s seconds.
sostener() {
    xdotool mousemove "$1" "$2" mousedown 1
    sleep "$3"
    xdotool mouseup 1
}
mediana() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

medidas=""
for vuelta in 1 2 3; do
    w0=$(ancho "$(e2e_captura "antes$vuelta")")
    c0=$(cpu)
    t0=$(date +%s.%N)
    # shellcheck disable=SC2086
    sostener $contrae 2
    t1=$(date +%s.%N)
    c1=$(cpu)
    xdotool mousemove 1000 750
    e2e_esperar_quieto
    w1=$(ancho "$(e2e_captura "despues$vuelta")")
    # shellcheck disable=SC2086
    sostener $expande 1.8
    xdotool mousemove 1000 750
    e2e_esperar_quieto
    e2e_programa_vivo "tras la vuelta $vuelta"
    medidas+=$(awk -v c=$((c1 - c0)) -v hz="$tics" -v t0="$t0" -v t1="$t1" -v w0="$w0" -v w1="$w1" \
        'BEGIN { s = t1 - t0; printf "%.1f %.1f", 100 * c / hz / s, log(w1 / w0) / log(0.995) / s }')$'\n'
done
echo "$medidas" | awk 'NF { printf "  vuelta %d: %s %% de un núcleo, %s pasos por segundo\n", ++n, $1, $2 }'
cpu=$(echo "$medidas" | awk 'NF { print $1 }' | mediana)
pasos=$(echo "$medidas" | awk 'NF { print $2 }' | mediana)
echo "CPU con una herramienta sostenida: $cpu % de un núcleo (objetivo ≤ 10 %)," \
    "a $pasos pasos por segundo (objetivo ≥ 99)"
