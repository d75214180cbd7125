#!/usr/bin/env bash
# End to end, like a person at a 1024 x 768 screen: choose "Generar" in the
# menu bar and see the points, the fitted line and the panels appear; then
# type 30 into the sample-size entry, press Enter, and see the point list
# grow to exactly 30 rows. Then zoom the window on a 1920 x 1080 screen.
# Given the Debian package instead, the same test runs the program the
# package installs, unpacked into a temporary folder.
# Usage: muestra.sh path/to/rectaviva | path/to/rectaviva_<version>_<arch>.deb
set -u
. "$(dirname "$0")/comun.sh"

PROGRAMA="$1"
e2e_requiere Xvfb xdotool import convert md5sum
e2e_preparar
if [[ "$PROGRAMA" == *.deb ]]; then
    e2e_requiere dpkg-deb
    e2e_desempaquetar "$PROGRAMA"
    PROGRAMA="$E2E_DIR/raiz/usr/bin/rectaviva"
fi
e2e_iniciar_pantalla
e2e_iniciar_programa "$PROGRAMA"

# Colours of the window, as the program paints them.
AZUL="0 0 220"
ROJO_RECTA="230 0 0"
FONDO_LISTA="192 64 0"
FRAME1="200 100 0"
FRAME2="180 120 0"
FRAME3="220 150 0"

# --- Before any sample: only the menu bar.
img=$(e2e_captura vacia)
[ -z "$(e2e_plano "$img")" ] || e2e_fallo "el gráfico se ve antes de Generar"
# shellcheck disable=SC2086
[ "$(e2e_contar "$img" $FONDO_LISTA 0 0 1024 768)" -eq 0 ] ||
    e2e_fallo "la lista se ve antes de Generar"
e2e_ok "antes de Generar solo se ve la barra de menús"

# --- Generar.
e2e_generar
e2e_programa_vivo "tras Generar"
img=$(e2e_captura generada)

plano=$(e2e_plano "$img")
[ -n "$plano" ] || e2e_fallo "tras Generar no se ve el gráfico"
# shellcheck disable=SC2086
set -- $plano
px0=$1 py0=$2 pw=$(($3 - $1 + 1)) ph=$(($4 - $2 + 1))
# 7185 x 6765 twips at 15 twips per pixel.
[ "$pw" -ge 470 ] && [ "$pw" -le 482 ] && [ "$ph" -ge 442 ] && [ "$ph" -le 454 ] ||
    e2e_fallo "el gráfico mide ${pw}x${ph} px, se esperaba unos 479x451"

# shellcheck disable=SC2086
marcadores=$(e2e_grupos "$img" $AZUL "$px0" "$py0" "$pw" "$ph" | awk '$3 >= 8' | wc -l)
[ "$marcadores" -ge 5 ] || e2e_fallo "solo $marcadores marcadores azules en el gráfico (10 a 24 puntos)"
# shellcheck disable=SC2086
recta=$(e2e_contar "$img" $ROJO_RECTA "$px0" "$py0" "$pw" "$ph")
[ "$recta" -ge 100 ] || e2e_fallo "la recta ajustada no se ve ($recta px rojos)"
e2e_ok "gráfico con $marcadores marcadores y la recta ($recta px)"

for panel in "FRAME1:$FRAME1" "FRAME2:$FRAME2" "FRAME3:$FRAME3"; do
    nombre=${panel%%:*}
    # shellcheck disable=SC2086
    n=$(e2e_contar "$img" ${panel#*:} 0 0 1024 768)
    [ "$n" -ge 5000 ] || e2e_fallo "el panel $nombre no se ve ($n px de su color)"
done
e2e_ok "los tres paneles de resultados se ven"

# The point list: a heading, a rule and one row per point. Its box is the
# bounding box of its background colour to the right of the plot.
# shellcheck disable=SC2086
lista=$(e2e_caja "$img" $FONDO_LISTA $((px0 + pw)) 0 $((640 - px0 - pw)) 768)
[ -n "$lista" ] || e2e_fallo "la lista de puntos no se ve"
# shellcheck disable=SC2086
set -- $lista
# One pixel in from each side, so the box's edges are not taken for text.
lx=$(($1 + 1)) ly=$2 lw=$(($3 - $1 - 1)) lh=$(($4 - $2 + 1))
# shellcheck disable=SC2086
bandas=$(e2e_bandas "$img" $FONDO_LISTA "$lx" "$ly" "$lw" "$lh")
# The rule under the heading is the band one pixel high.
regla=$(echo "$bandas" | awk '$2 == $1 { print NR; exit }')
[ -n "$regla" ] || e2e_fallo "la lista no tiene la raya bajo el encabezado"
filas=$(echo "$bandas" | awk -v r="$regla" 'NR > r' | wc -l)
[ "$filas" -ge 10 ] && [ "$filas" -le 24 ] ||
    e2e_fallo "la lista tiene $filas filas tras Generar (10 a 24)"
# Row pitch, measured on this first list: from the first row to the last.
read -r fila1 paso < <(echo "$bandas" | awk -v r="$regla" -v n="$filas" '
    NR == r + 1 { a = $1 } NR == r + n { b = $1 } END { printf "%d %.3f\n", a, (b - a) / (n - 1) }')
e2e_ok "la lista muestra $filas filas, una cada $paso px"

# --- The size entry: click it, replace its text by 30, Enter.
# Text2(10) is the topmost pink box right of the list.
e2e_tamano "$img" 30 $((lx + lw))
e2e_programa_vivo "tras el tamaño 30"
img=$(e2e_captura treinta)

# shellcheck disable=SC2086
bandas=$(e2e_bandas "$img" $FONDO_LISTA "$lx" "$ly" "$lw" "$lh")
filas=$(echo "$bandas" | awk -v r="$regla" 'NR > r' | wc -l)
[ "$filas" -eq 30 ] || {
    echo "$bandas" >&2
    e2e_fallo "tras escribir 30 la lista tiene $filas filas"
}
# Row 30 sits where the pitch of the first list puts it; the bands run to
# the bottom of the box, so a 31st would have shown as one more band.
ultima=$(echo "$bandas" | tail -n1)
# shellcheck disable=SC2086
set -- $ultima
esperada=$(awk -v a="$fila1" -v p="$paso" 'BEGIN { printf "%d", a + 29 * p + 0.5 }')
[ $(($1 - esperada)) -ge -3 ] && [ $(($1 - esperada)) -le 3 ] ||
    e2e_fallo "la última fila empieza en y=$1, la fila 30 debía estar en y=$esperada"
# shellcheck disable=SC2086
marcadores=$(e2e_grupos "$img" $AZUL "$px0" "$py0" "$pw" "$ph" | awk '$3 >= 8' | wc -l)
[ "$marcadores" -ge 12 ] || e2e_fallo "solo $marcadores marcadores tras pedir 30 puntos"
e2e_ok "tras 30 + Enter la lista llega a la fila 30 (y=$1) y nada más abajo; $marcadores marcadores"

# --- On 1920 x 1080, "Ampliar a la pantalla" brings the panels down to the
# bottom sixth of the screen.
e2e_detener
e2e_iniciar_pantalla 1920x1080
e2e_iniciar_programa "$PROGRAMA"
e2e_generar
e2e_menu 2 && xdotool key Up Up Return && e2e_esperar_quieto # "Ver", "Ampliar a la pantalla" before "Idioma"
img=$(e2e_captura ampliada)
for panel in "FRAME1:$FRAME1" "FRAME3:$FRAME3"; do
    # shellcheck disable=SC2086
    abajo=$(e2e_caja "$img" ${panel#*:} 0 0 1920 1080 | cut -d' ' -f4)
    [ "${abajo:-0}" -ge 900 ] || e2e_fallo "ampliada, el panel ${panel%%:*} acaba en y=${abajo:-?}"
done
e2e_ok "ampliada a 1920x1080, los paneles llegan a y=$abajo"
exit 0
