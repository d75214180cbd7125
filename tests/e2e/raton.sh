#!/usr/bin/env bash
# End to end with a real mouse at a 1024 x 768 screen: drag a point across
# the plot and see the marker follow and the slope change; delete a point
# through the pop-up and see its row turn grey; hold "Sube los puntos" for a
# second and see the cloud rise.
# Usage: raton.sh path/to/rectaviva
set -u
. "$(dirname "$0")/comun.sh"

PROGRAMA="$1"
e2e_requiere Xvfb xdotool import convert md5sum
e2e_preparar
e2e_iniciar_pantalla
e2e_iniciar_programa "$PROGRAMA"

AZUL="0 0 220"
VERDE="0 220 0"
GRIS="180 180 180"
AMARILLO="255 255 0"
FONDO_LISTA="192 64 0"
OLIVA="200 200 0"
FRAME1="200 100 0"

e2e_generar
e2e_programa_vivo "tras Generar"
img=$(e2e_captura generada)

plano=$(e2e_plano "$img")
[ -n "$plano" ] || e2e_fallo "tras Generar no se ve el gráfico"
# shellcheck disable=SC2086
set -- $plano
px0=$1 py0=$2 px1=$3 py1=$4 pw=$(($3 - $1 + 1)) ph=$(($4 - $2 + 1))

# Pixel of a point of the plot, whose scale runs from -40 to 100 both ways
# with y upwards.
pixel_x() { awk -v a="$px0" -v w="$pw" -v x="$1" 'BEGIN { printf "%d", a + (x + 40) / 140 * w + 0.5 }'; }
pixel_y() { awk -v a="$py0" -v h="$ph" -v y="$1" 'BEGIN { printf "%d", a + (100 - y) / 140 * h + 0.5 }'; }

# Markers: "cx cy n x0 y0 x1 y1" per blue group large enough to be one.
marcadores() {
    # shellcheck disable=SC2086
    e2e_grupos "$1" $AZUL "$px0" "$py0" "$pw" "$ph" | awk '$3 >= 8'
}

# A single marker (a group no larger than one 9 px circle) with no other
# group within 16 px of its centre and at least 20 px inside the plot;
# prints "cx cy". Arguments: the group list and a centre to leave out.
aislado() {
    echo "$1" | awk -v px0="$px0" -v py0="$py0" -v px1="$px1" -v py1="$py1" \
        -v ex="${2:--100}" -v ey="${3:--100}" '
        { x[NR] = $1; y[NR] = $2; n[NR] = $3; a[NR] = $6 - $4; h[NR] = $7 - $5 }
        END {
            for (i = 1; i <= NR; i++) {
                if (n[i] > 45 || a[i] > 8 || h[i] > 8) continue
                if (x[i] < px0 + 20 || x[i] > px1 - 20 || y[i] < py0 + 20 || y[i] > py1 - 20) continue
                if ((x[i] - ex) ^ 2 + (y[i] - ey) ^ 2 < 400) continue
                solo = 1
                for (j = 1; j <= NR; j++) {
                    r = (a[j] > h[j] ? a[j] : h[j]) / 2 + 16
                    if (j != i && (x[i] - x[j]) ^ 2 + (y[i] - y[j]) ^ 2 < r * r) solo = 0
                }
                if (solo) { print x[i], y[i]; exit }
            }
        }'
}

# Presses the left button at (x0, y0) and moves the mouse to (x1, y1) in
# `pasos` even steps, as a hand would; the button stays held.
llevar() {
    local x0=$1 y0=$2 x1=$3 y1=$4 pasos=$5 paso
    xdotool mousemove "$x0" "$y0" mousedown 1
    sleep 0.2
    for ((paso = 1; paso <= pasos; paso++)); do
        xdotool mousemove $((x0 + (x1 - x0) * paso / pasos)) $((y0 + (y1 - y0) * paso / pasos))
        sleep 0.08
    done
}

# The nearest marker to (x, y) in a list: "distance cx cy".
cercano() {
    echo "$1" | awk -v x="$2" -v y="$3" '
        { d = sqrt(($1 - x) ^ 2 + ($2 - y) ^ 2); if (NR == 1 || d < m) { m = d; cx = $1; cy = $2 } }
        END { if (NR) printf "%d %d %d\n", m, cx, cy; else print "9999 0 0" }'
}

antes=$(marcadores "$img")
origen=$(aislado "$antes")
[ -n "$origen" ] || e2e_fallo "ningún marcador aislado que arrastrar (generar otra vez)"
# shellcheck disable=SC2086
set -- $origen
ox=$1 oy=$2

# The slope box Text1(1): the olive box nearest to 3720, 720 twips (248, 48
# px) from the top-left corner of its panel Frame1.
# shellcheck disable=SC2086
f1=$(e2e_caja "$img" $FRAME1 520 0 504 768)
[ -n "$f1" ] || e2e_fallo "no se ve el panel de estimación"
# shellcheck disable=SC2086
set -- $f1
# shellcheck disable=SC2086
pendiente=$(e2e_grupos "$img" $OLIVA "$1" "$2" $(($3 - $1 + 1)) $(($4 - $2 + 1)) |
    awk -v x=$(($1 + 248)) -v y=$(($2 + 48)) '$3 >= 500 {
        d = ($4 - x) ^ 2 + ($5 - y) ^ 2; if (!n++ || d < m) { m = d; c = $4 " " $5 " " $6 - $4 + 1 " " $7 - $5 + 1 } }
        END { print c }')
[ -n "$pendiente" ] || e2e_fallo "no se ve la caja de la pendiente"
# shellcheck disable=SC2086
huella_antes=$(e2e_huella "$img" $pendiente)

# --- Drag: press on the marker, move in steps to (-28, 40), where no point
# is ever generated (x of a new point is at least -20), and release.
dx=$(pixel_x -28)
dy=$(pixel_y 40)
llevar "$ox" "$oy" "$dx" "$dy" 8
sleep 0.4
img=$(e2e_captura arrastrando)
# shellcheck disable=SC2086
verde=$(e2e_grupos "$img" $VERDE "$px0" "$py0" "$pw" "$ph" | awk '$3 >= 8')
read -r d _ _ < <(cercano "$verde" "$dx" "$dy")
[ "$d" -le 6 ] || e2e_fallo "mientras se arrastra no hay un marcador verde bajo el ratón ($d px)"
xdotool mouseup 1
sleep 0.2
e2e_esperar_quieto
e2e_programa_vivo "tras arrastrar"
img=$(e2e_captura arrastrado)
despues=$(marcadores "$img")
read -r d _ _ < <(cercano "$despues" "$dx" "$dy")
[ "$d" -le 6 ] || e2e_fallo "el marcador no quedó donde se soltó ($d px de $dx,$dy)"
read -r d _ _ < <(cercano "$despues" "$ox" "$oy")
[ "$d" -ge 8 ] || e2e_fallo "sigue habiendo un marcador en $ox,$oy"
# A point dropped close to the fitted line can leave the slope unchanged to
# two decimals; then the same point is dragged on to (-28, 95), far above any
# line through the cloud at that x, which must move the slope.
# shellcheck disable=SC2086
if [ "$(e2e_huella "$img" $pendiente)" = "$huella_antes" ]; then
    ny=$(pixel_y 95)
    llevar "$dx" "$dy" "$dx" "$ny" 4
    sleep 0.4
    xdotool mouseup 1
    sleep 0.2
    e2e_esperar_quieto
    e2e_programa_vivo "tras arrastrar otra vez"
    dy=$ny
    img=$(e2e_captura arrastrado2)
    despues=$(marcadores "$img")
    read -r d _ _ < <(cercano "$despues" "$dx" "$dy")
    [ "$d" -le 6 ] || e2e_fallo "el marcador no quedó donde se soltó ($d px de $dx,$dy)"
fi
# shellcheck disable=SC2086
[ "$(e2e_huella "$img" $pendiente)" != "$huella_antes" ] ||
    e2e_fallo "la caja de la pendiente no cambió tras arrastrar"
e2e_ok "el punto de $ox,$oy pasó a $dx,$dy y la pendiente cambió"

# --- Delete a point through the pop-up. The pop-up opens beside the point
# and may cover other markers; to make sure a press on its command cannot
# reach a marker underneath, the point dragged above is first put right
# under "Eliminar".
objetivo=$(aislado "$despues" "$dx" "$dy")
[ -n "$objetivo" ] || e2e_fallo "ningún otro marcador aislado"
# shellcheck disable=SC2086
set -- $objetivo
bx=$1 by=$2
# Two points may share their coordinates and so one spot on the plot; the
# chosen point is first dragged alone to (-30, 75), where no point is ever
# generated, so that its marker is the only one there.
nx=$(pixel_x -30) ny=$(pixel_y 75)
llevar "$bx" "$by" "$nx" "$ny" 6
sleep 0.3
xdotool mouseup 1
sleep 0.2
e2e_esperar_quieto
bx=$nx by=$ny
xdotool mousemove "$bx" "$by" click 3
sleep 0.2
e2e_esperar_quieto
img=$(e2e_captura emergente)
# shellcheck disable=SC2086
emergente=$(e2e_caja "$img" $AMARILLO "$px0" "$py0" "$pw" "$ph")
[ -n "$emergente" ] || e2e_fallo "el clic derecho no abrió el menú emergente"
# shellcheck disable=SC2086
set -- $emergente
# "Eliminar" is the upper of its two rows.
ex=$(($1 + 25)) ey=$(($2 + 8))

# shellcheck disable=SC2086
lista=$(e2e_caja "$img" $FONDO_LISTA $((px1 + 1)) 0 $((640 - px1)) 768)
[ -n "$lista" ] || e2e_fallo "no se ve la lista de puntos"
# shellcheck disable=SC2086
set -- $lista
lx=$(($1 + 1)) lw=$(($3 - $1 - 1)) ly=$2 lh=$(($4 - $2 + 1))
# The picked row is the one printed in green.
fila=""
# shellcheck disable=SC2086
while read -r y0 y1; do
    read -r negro gris verde < <(e2e_tinta "$img" $FONDO_LISTA "$lx" "$y0" "$lw" $((y1 - y0 + 1)))
    if [ "$verde" -gt 10 ] && [ "$negro" -lt "$verde" ]; then
        [ -z "$fila" ] || e2e_fallo "más de una fila verde en la lista"
        fila="$y0 $y1"
    fi
done < <(e2e_bandas "$img" $FONDO_LISTA "$lx" "$ly" "$lw" "$lh")
[ -n "$fila" ] || e2e_fallo "el clic derecho no resaltó ninguna fila"

# A right press on empty plot closes the pop-up; x = -35 holds no point.
xdotool mousemove "$(pixel_x -35)" "$(pixel_y -35)" click 3
sleep 0.2
# The dragged point goes under "Eliminar".
llevar "$dx" "$dy" "$ex" "$ey" 6
sleep 0.3
xdotool mouseup 1
sleep 0.2
xdotool mousemove "$bx" "$by" click 3
sleep 0.2
e2e_esperar_quieto
img=$(e2e_captura emergente2)
# shellcheck disable=SC2086
[ "$(e2e_caja "$img" $AMARILLO "$px0" "$py0" "$pw" "$ph")" = "$emergente" ] ||
    e2e_fallo "el menú emergente no volvió a abrirse en el mismo sitio"
xdotool mousemove "$ex" "$ey" click 1
sleep 0.2
xdotool mousemove 1000 750
e2e_esperar_quieto
e2e_programa_vivo "tras Eliminar"
img=$(e2e_captura eliminado)

# shellcheck disable=SC2086
[ -z "$(e2e_caja "$img" $AMARILLO "$px0" "$py0" "$pw" "$ph")" ] ||
    e2e_error "el menú emergente sigue abierto tras Eliminar"
# shellcheck disable=SC2086
set -- $fila
# shellcheck disable=SC2086
read -r negro gris verde < <(e2e_tinta "$img" $FONDO_LISTA "$lx" "$1" "$lw" $(($2 - $1 + 1)))
if [ "$gris" -gt 10 ] && [ "$verde" -eq 0 ] && [ "$negro" -lt $((gris / 4 + 1)) ]; then
    e2e_ok "tras Eliminar la fila y=$1 está gris"
else
    e2e_error "la fila y=$1 del punto elegido no quedó gris (negro $negro, gris $gris, verde $verde)"
fi
# shellcheck disable=SC2086
grises=$(e2e_grupos "$img" $GRIS "$px0" "$py0" "$pw" "$ph" | awk '$3 >= 8')
read -r d _ _ < <(cercano "$grises" "$bx" "$by")
[ "$d" -le 3 ] || e2e_error "el marcador del punto elegido ($bx,$by) no quedó gris"
read -r d _ _ < <(cercano "$grises" "$ex" "$ey")
[ "$d" -ge 8 ] || e2e_error "Eliminar borró el punto que estaba bajo el menú ($ex,$ey), no el elegido"

# --- Hold "Sube los puntos" (the fifth icon of the tool strip) for a
# second: every marker rises by the same amount.
herramienta=$(e2e_herramienta "$img" 4)
[ -n "$herramienta" ] || e2e_fallo "no se ve la tira de herramientas"
read -r hx hy <<<"$herramienta"
nube() {
    e2e_nube "$1" "$px0" "$py0" "$pw" "$ph"
}
read -r ax0 ay0 ax1 ay1 < <(nube "$img")
xdotool mousemove "$hx" "$hy" mousedown 1
sleep 1
xdotool mouseup 1
sleep 0.1
xdotool mousemove 1000 750
e2e_esperar_quieto
e2e_programa_vivo "tras Sube los puntos"
img=$(e2e_captura subida)
read -r bx0 by0 bx1 by1 < <(nube "$img")
[ $((bx0 - ax0)) -ge -1 ] && [ $((bx0 - ax0)) -le 1 ] && [ $((bx1 - ax1)) -ge -1 ] &&
    [ $((bx1 - ax1)) -le 1 ] || e2e_error "la nube se movió de lado ($ax0..$ax1 -> $bx0..$bx1)"
# y grows downwards on the screen: a rise is a smaller y. The lowest
# marker rises with the rest; the highest may stop at the top edge.
[ $((ay1 - by1)) -ge 5 ] && [ "$by0" -le "$ay0" ] ||
    e2e_error "la nube no subió (de y $ay0..$ay1 a $by0..$by1)"
e2e_ok "la nube subió: su borde inferior pasó de y=$ay1 a y=$by1"

# --- The pop-up's hiding reprints the picked point's own row: right-click a
# marker, press and release on row 1 of the list (point 1 is now picked),
# right-click an empty spot; row 1 must look as it did before.
# shellcheck disable=SC2086
read -r f1a f1b < <(e2e_bandas "$img" $FONDO_LISTA "$lx" "$ly" "$lw" "$lh" | sed -n 3p)
[ -n "$f1b" ] || e2e_fallo "no se ve la fila del punto 1"
huella1=$(e2e_huella "$img" "$lx" "$f1a" "$lw" $((f1b - f1a + 1)))
read -r mx my _ < <(marcadores "$img" | head -1)
xdotool mousemove "$mx" "$my" click 3
sleep 0.2
xdotool mousemove $((lx + lw / 2)) $(((f1a + f1b) / 2)) click 1
sleep 0.2
xdotool mousemove "$(pixel_x -35)" "$(pixel_y -35)" click 3
sleep 0.2
xdotool mousemove 1000 750
e2e_esperar_quieto
img=$(e2e_captura fila1)
if [ "$(e2e_huella "$img" "$lx" "$f1a" "$lw" $((f1b - f1a + 1)))" = "$huella1" ]; then
    e2e_ok "tras cerrar el menú emergente la fila 1 sigue mostrando el punto 1"
else
    e2e_error "tras cerrar el menú emergente la fila 1 muestra otro texto"
fi
e2e_terminar
