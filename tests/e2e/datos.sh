#!/usr/bin/env bash
# End to end with real data at a 1024 x 768 screen: two columns with decimal
# commas, copied as a spreadsheet copies them (tabs, CRLF, a header), pasted
# through "Datos" → "Pegar datos…" and its dialog; the plot shows one marker
# per row where the data's own range puts it and the list one row per point.
# A table that cannot be read is refused in the dialog and the sample on the
# screen stays; "Transformar…" with log₁₀ of y draws on the data's scale a
# curve through the points that double; "Generar" brings a random sample back.
# Usage: datos.sh path/to/rectaviva
set -u
. "$(dirname "$0")/comun.sh"

PROGRAMA="$1"
e2e_requiere Xvfb xdotool xclip import convert md5sum
e2e_preparar
e2e_iniciar_pantalla
e2e_iniciar_programa "$PROGRAMA"

AZUL="0 0 220"
FONDO_LISTA="192 64 0"

# Points on a line, x from 1,5 to 6,5: the plot's range is 1..7 across.
copiar() { printf '%b' "$1" | xclip -selection clipboard -i; }
copiar 'Horas\tNota\r\n1,5\t3,0\r\n2,5\t4,2\r\n3,5\t5,4\r\n4,5\t6,6\r\n5,5\t7,8\r\n6,5\t9,0\r\n'
pegar() {
    e2e_menu 3
    xdotool key Down Down Return
    sleep 0.5
    e2e_esperar_quieto
}
pegar
img=$(e2e_captura dialogo)
xdotool key Return
sleep 0.3
e2e_esperar_quieto
e2e_programa_vivo "tras pegar"
img=$(e2e_captura pegada)

plano=$(e2e_plano "$img")
[ -n "$plano" ] || e2e_fallo "tras pegar no se ve el gráfico"
# shellcheck disable=SC2086
set -- $plano
px0=$1 py0=$2 pw=$(($3 - $1 + 1)) ph=$(($4 - $2 + 1))
# shellcheck disable=SC2086
grupos=$(e2e_grupos "$img" $AZUL "$px0" "$py0" "$pw" "$ph" | awk '$3 >= 8' | sort -n)
n=$(echo "$grupos" | grep -c .)
[ "$n" -eq 6 ] || e2e_fallo "el gráfico muestra $n marcadores, no los 6 pegados"
# Each marker where x = 1,5 … 6,5 falls on the axis 1..7: its centre is half
# the marker right of the point's corner, one design unit left of the point.
echo "$grupos" | awk -v a="$px0" -v w="$pw" '
    { x = 1.5 + (NR - 1); esperado = a + (x - 1 - 6 / 140) / 6 * w + 4
      if ($1 - esperado > 4 || esperado - $1 > 4) { print NR, $1, esperado; mal = 1 } }
    END { exit mal }' || e2e_fallo "los marcadores no están en las x pegadas"
# On a line: the same rise between neighbours.
echo "$grupos" | awk 'NR > 1 { d = $2 - y; if (NR > 2 && (d - d0 > 2 || d0 - d > 2)) mal = 1; d0 = d }
    { y = $2 } END { exit mal }' || e2e_fallo "los marcadores no siguen la recta pegada"
e2e_ok "los 6 puntos pegados se ven donde sus valores los ponen"

# shellcheck disable=SC2086
lista=$(e2e_caja "$img" $FONDO_LISTA $((px0 + pw)) 0 $((640 - px0 - pw)) 768)
[ -n "$lista" ] || e2e_fallo "la lista de puntos no se ve"
# shellcheck disable=SC2086
set -- $lista
# shellcheck disable=SC2086
bandas=$(e2e_bandas "$img" $FONDO_LISTA $(($1 + 1)) "$2" $(($3 - $1 - 1)) $(($4 - $2 + 1)))
regla=$(echo "$bandas" | awk '$2 == $1 { print NR; exit }')
filas=$(echo "$bandas" | awk -v r="$regla" 'NR > r' | wc -l)
[ "$filas" -eq 6 ] || e2e_fallo "la lista tiene $filas filas, no 6"
e2e_ok "la lista muestra una fila por punto pegado"

# A table with a word where a number goes: the dialog refuses it, Escape
# closes it, and the sample on the screen is the one pasted before.
huella=$(e2e_huella "$img" "$px0" "$py0" "$pw" "$ph")
copiar 'x\ty\r\n1\t2\r\n3\tcuatro\r\n5\t6\r\n'
pegar
xdotool key Return
sleep 0.3
xdotool key Escape
sleep 0.3
e2e_esperar_quieto
e2e_programa_vivo "tras la tabla mala"
img=$(e2e_captura rechazada)
[ "$(e2e_huella "$img" "$px0" "$py0" "$pw" "$ph")" = "$huella" ] ||
    e2e_fallo "la tabla mala cambió el gráfico"
e2e_ok "una tabla que no se puede leer deja la muestra como estaba"

# Cells doubling every hour, through "Ver" → "Transformar…" with log₁₀ of y
# (Right on y's choices) and "Escala de los datos" (Tab, Space): log₁₀ y is a
# line in x, so on the data's scale the fitted curve taken back passes
# through the middle of every point.
copiar 'Hora\tCélulas\r\n0\t1\r\n1\t2\r\n2\t4\r\n3\t8\r\n4\t16\r\n5\t32\r\n6\t64\r\n'
pegar
xdotool key Return
sleep 0.3
e2e_menu 2
xdotool key Down Down Down Down Down Down Down Down Return
sleep 0.3
xdotool key Right
sleep 0.3
xdotool key Tab space
sleep 0.3
e2e_esperar_quieto
e2e_programa_vivo "tras transformar"
img=$(e2e_captura escala_de_los_datos)
# The plot is what its background colours above the tools' strip.
# shellcheck disable=SC2046
set -- $(e2e_caja "$img" 255 255 0 0 0 520 768)
# shellcheck disable=SC2046,SC2086
set -- $(e2e_caja "$img" $E2E_FONDO_PLANO 0 0 520 "$2")
# Each point: the blue pieces the curve leaves of its disc, joined when
# their centres are within 10 pixels; then the red curve at its centre.
# shellcheck disable=SC2086
puntos=$(e2e_grupos "$img" $AZUL "$1" "$2" $(($3 - $1 + 1)) $(($4 - $2 + 1)) | sort -n | awk '
    { if (n && $1 - cx[n] <= 10 && $2 - cy[n] <= 10 && cy[n] - $2 <= 10) {
          if ($4 < a[n]) a[n] = $4; if ($6 > b[n]) b[n] = $6
          if ($5 < c[n]) c[n] = $5; if ($7 > d[n]) d[n] = $7
      } else { n++; a[n] = $4; b[n] = $6; c[n] = $5; d[n] = $7 }
      cx[n] = $1; cy[n] = $2 }
    END { for (i = 1; i <= n; i++) print int((a[i] + b[i]) / 2 + 0.5), int((c[i] + d[i]) / 2 + 0.5) }')
n=$(echo "$puntos" | grep -c .)
[ "$n" -eq 7 ] || e2e_fallo "en la escala de los datos se ven $n puntos, no 7"
while read -r x y; do
    e2e_pixeles "$img" $((x - 2)) $((y - 2)) 5 5 | awk '$3 > 180 && $4 < 90 && $5 < 90 { r = 1 } END { exit !r }' ||
        e2e_fallo "la curva no pasa por el punto de ($x, $y)"
done <<<"$puntos"
e2e_ok "en la escala de los datos la curva pasa por los valores ajustados"

e2e_generar
img=$(e2e_captura generada)
# shellcheck disable=SC2086
n=$(e2e_grupos "$img" $AZUL "$px0" "$py0" "$pw" "$ph" | awk '$3 >= 8' | wc -l)
[ "$n" -ge 8 ] || e2e_fallo "Generar no trajo una muestra aleatoria ($n marcadores)"
e2e_ok "Generar vuelve a una muestra aleatoria"
e2e_terminar
