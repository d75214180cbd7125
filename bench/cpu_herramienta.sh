#!/usr/bin/env bash
# The CPU that the real program spends while a cloud tool is held, on a
# 1024 x 768 Xvfb screen driven by xdotool, in two cases:
# - the design's: "Generar", then three times "Contrae los puntos
#   horizontalmente" held 2 s (measured) and "Expande los puntos
#   horizontalmente" held 1.8 s (not measured; it brings the cloud back);
# - the heaviest: 50 points with the prediction and the bands on, three times
#   "Contrae los puntos verticalmente" held 2 s, then "Expande los puntos
#   verticalmente" 1.8 s.
# The CPU is utime + stime from /proc/<pid>/stat over each measured hold; its
# steps are counted from the width (or height) of the cloud, which each step
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

tics=$(getconf CLK_TCK)
cpu() { awk '{ print $14 + $15 }' "/proc/$E2E_PID_PROGRAMA/stat"; }
# The span of the markers' centres across (x) or down (y): the box around
# them less one marker.
extension() {
    e2e_nube "$1" "$px0" "$py0" $((px1 - px0 + 1)) $((py1 - py0 + 1)) |
        awk -v eje="$2" '{ print (eje == "x" ? $3 - $1 : $4 - $2) - 8 }'
}
# Holds the button on the icon at (x, y) for s seconds.
sostener() {
    xdotool mousemove "$1" "$2" mousedown 1
    sleep "$3"
    xdotool mouseup 1
}
mediana() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# medir CASO EJE CONTRAE EXPANDE: three holds of tool CONTRAE (measured),
# each followed by EXPANDE; prints the medians.
medir() {
    local caso="$1" eje="$2" contrae expande medidas="" vuelta w0 w1 c0 c1 t0 t1
    img=$(e2e_captura "inicio_$caso")
    contrae=$(e2e_herramienta "$img" "$3")
    expande=$(e2e_herramienta "$img" "$4")
    [ -n "$contrae" ] && [ -n "$expande" ] || e2e_fallo "no se ve la tira de herramientas"
    for vuelta in 1 2 3; do
        w0=$(extension "$(e2e_captura "antes_${caso}_$vuelta")" "$eje")
        c0=$(cpu)
        t0=$(date +%s.%N)
        # shellcheck disable=SC2086
        sostener $contrae 2
        t1=$(date +%s.%N)
        c1=$(cpu)
        xdotool mousemove 1000 750
        e2e_esperar_quieto
        w1=$(extension "$(e2e_captura "despues_${caso}_$vuelta")" "$eje")
        # shellcheck disable=SC2086
        sostener $expande 1.8
        xdotool mousemove 1000 750
        e2e_esperar_quieto
        e2e_programa_vivo "tras la vuelta $vuelta ($caso)"
        medidas+=$(awk -v c=$((c1 - c0)) -v hz="$tics" -v t0="$t0" -v t1="$t1" -v w0="$w0" \
            -v w1="$w1" \
            'BEGIN { s = t1 - t0; printf "%.1f %.1f", 100 * c / hz / s, log(w1 / w0) / log(0.995) / s }')$'\n'
    done
    echo "$medidas" | awk 'NF { printf "  vuelta %d: %s %% de un núcleo, %s pasos por segundo\n", ++n, $1, $2 }'
    echo "CPU con una herramienta sostenida ($caso): $(echo "$medidas" | awk 'NF { print $1 }' | mediana)" \
        "% de un núcleo (objetivo ≤ 10 %)," \
        "a $(echo "$medidas" | awk 'NF { print $2 }' | mediana) pasos por segundo (objetivo ≥ 99)"
}

medir "muestra del diseño" x 2 3

# 50 points, drawn again until the cloud is tall enough that two seconds of
# vertical contraction stay short of the tool's limit.
for intento in $(seq 10); do
    e2e_tamano "$(e2e_captura "tamano$intento")" 50 $((px1 + 1))
    [ "$(extension "$(e2e_captura "cincuenta$intento")" y)" -ge 250 ] && break
done
e2e_menu 2 && xdotool key Down Down Return && e2e_esperar_quieto     # "Predicción"
e2e_menu 2 && xdotool key Down Down Down Return && e2e_esperar_quieto # "Bandas de confianza 95%"
medir "50 puntos, predicción y bandas" y 0 1
