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
# With SALTO set, the marker also needs a free spot SALTO px towards the
# middle of the plot, to be dragged to without landing on another; it then
# prints "cx cy ty".
aislado() {
    echo "$1" | awk -v px0="$px0" -v py0="$py0" -v px1="$px1" -v py1="$py1" \
        -v ex="${2:--100}" -v ey="${3:--100}" -v salto="${SALTO:-0}" '
        function libre(i, cx, cy, holgura,   j, r) {
            for (j = 1; j <= NR; j++) {
                r = (a[j] > h[j] ? a[j] : h[j]) / 2 + holgura
                if (j != i && (cx - x[j]) ^ 2 + (cy - y[j]) ^ 2 < r * r) return 0
            }
            return 1
        }
        { x[NR] = $1; y[NR] = $2; n[NR] = $3; a[NR] = $6 - $4; h[NR] = $7 - $5 }
        END {
            for (i = 1; i <= NR; i++) {
                if (n[i] > 45 || a[i] > 8 || h[i] > 8) continue
                if (x[i] < px0 + 20 || x[i] > px1 - 20 || y[i] < py0 + 20 || y[i] > py1 - 20) continue
                if ((x[i] - ex) ^ 2 + (y[i] - ey) ^ 2 < 400) continue
                if (!libre(i, x[i], y[i], 16)) continue
                if (!salto) { print x[i], y[i]; exit }
                ty = y[i] < (py0 + py1) / 2 ? y[i] + salto : y[i] - salto
                if (libre(i, x[i], ty, 20)) { print x[i], y[i], ty; exit }
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

# A capture named $1 in which some marker stands alone, and with a second
# argument a second one too: a crowded sample has none to drag by itself,
# so another is drawn, up to five times.
captura_con_aislado() {
    local img intento lista primero
    for intento in 1 2 3 4 5; do
        img=$(e2e_captura "$1-$intento")
        lista=$(marcadores "$img")
        primero=$(aislado "$lista")
        # shellcheck disable=SC2086
        [ -n "$primero" ] && { [ -z "${2:-}" ] || [ -n "$(aislado "$lista" $primero)" ]; } && break
        e2e_generar >/dev/null
    done
    echo "$img"
}

# The drag below needs one marker alone and the pop-up after it another.
img=$(captura_con_aislado generada dos)
antes=$(marcadores "$img")
origen=$(aislado "$antes")
[ -n "$origen" ] || e2e_fallo "ningún marcador aislado que arrastrar en cinco muestras"
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
# Two points drawn at one place look like one marker: dragging one away
# leaves the other, and then there is one group of markers more than before.
[ "$d" -ge 8 ] || [ "$(echo "$despues" | grep -c .)" -gt "$(echo "$antes" | grep -c .)" ] ||
    e2e_fallo "sigue habiendo un marcador en $ox,$oy"
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

# --- Ver → "Residuos": thin vertical segments, each from a marker towards
# the red line; a dragged point's segment follows it.
VIOLETA="102 0 153"
e2e_menu 2 && xdotool key Down Down Down Down Return && xdotool mousemove 1000 750
e2e_esperar_quieto
SALTO=40
img=$(captura_con_aislado residuos)
# shellcheck disable=SC2086
segmentos=$(e2e_grupos "$img" $VIOLETA "$px0" "$py0" "$pw" "$ph" | awk '$3 >= 3')
[ "$(echo "$segmentos" | grep -c .)" -ge 3 ] || e2e_fallo "Residuos no dibujó los segmentos"
echo "$segmentos" | awk '$6 - $4 > 4 { exit 1 }' || e2e_error "un segmento de residuo no es vertical"
e2e_ok "Residuos dibujó $(echo "$segmentos" | grep -c .) segmentos verticales"
origen=$(aislado "$(marcadores "$img")")
[ -n "$origen" ] || e2e_fallo "ningún marcador aislado que arrastrar con Residuos en cinco muestras"
# shellcheck disable=SC2086
set -- $origen
# 40 px towards the middle of the plot, so that the point stays inside it
# and its segment to the line crosses the plot whatever the line does; no
# other marker there hides the segment.
hacia=$3
SALTO=
llevar "$1" "$2" "$1" "$hacia" 5
sleep 0.3
xdotool mouseup 1
xdotool mousemove 1000 750
e2e_esperar_quieto
img=$(e2e_captura residuo_movido)
# The marker where the drag left it.
read -r _ nx ny < <(cercano "$(marcadores "$img")" "$1" "$hacia")
# A point that lands on the red line has a segment hidden under its marker;
# the line is looked for just right of the marker, which covers it at nx.
rojo_y=$(e2e_grupos "$img" 230 0 0 $((nx + 6)) "$py0" 3 "$ph" | awk 'NR == 1 { print int($2) }')
# shellcheck disable=SC2086
e2e_grupos "$img" $VIOLETA "$px0" "$py0" "$pw" "$ph" |
    awk -v x="$nx" -v y="$ny" '$3 >= 3 && ($1 - x) ^ 2 < 16 && $5 <= y + 8 && $7 >= y - 8 { n++ }
        END { exit n ? 0 : 1 }' ||
    { [ -n "$rojo_y" ] && [ $((rojo_y - ny)) -ge -12 ] && [ $((rojo_y - ny)) -le 12 ]; } ||
    e2e_error "el segmento del punto arrastrado no lo siguió"

# --- Ver → "Influencia": hold the point farthest from the mean x; the dashed
# fit without it appears, and moves when the point moves.
GRIS_OSCURO="40 40 40"
e2e_menu 2 && xdotool key Down Down Down Down Down Return && xdotool mousemove 1000 750
e2e_esperar_quieto
img=$(e2e_captura influencia)
read -r lejos_x lejos_y < <(marcadores "$img" | awk '
    { x[NR] = $1; y[NR] = $2; s += $1 }
    END { m = s / NR; for (i = 1; i <= NR; i++) { d = (x[i] - m) ^ 2; if (d >= b) { b = d; k = i } }
          print x[k], y[k] }')
discontinua() {
    # shellcheck disable=SC2086
    e2e_grupos "$1" $GRIS_OSCURO "$px0" "$py0" "$pw" "$ph" | awk '$3 >= 2 { n++ } END { print n + 0 }'
}
[ "$(discontinua "$img")" -eq 0 ] || e2e_error "la recta sin el punto se ve antes de tomarlo"
llevar "$lejos_x" "$lejos_y" "$lejos_x" $((lejos_y - 60)) 4
sleep 0.3
img=$(e2e_captura sin_punto1)
[ "$(discontinua "$img")" -ge 5 ] || e2e_error "al arrastrar no apareció la recta sin el punto"
h1=$(e2e_huella "$img" "$px0" "$py0" "$pw" "$ph")
xdotool mousemove "$lejos_x" $((lejos_y + 40))
sleep 0.4
img=$(e2e_captura sin_punto2)
xdotool mouseup 1
[ "$(e2e_huella "$img" "$px0" "$py0" "$pw" "$ph")" != "$h1" ] && [ "$(discontinua "$img")" -ge 5 ] ||
    e2e_error "la recta sin el punto no siguió el arrastre"
e2e_ok "Influencia: la recta sin el punto aparece al tomarlo y sigue el arrastre"

# --- "Mi recta" (Ver's sixth entry): the red line
# gives way to the own line; dragging its right handle up changes the sum of
# squares in the panel's one box; "Mostrar la recta de mínimos cuadrados"
# brings the red line back with the comparison sentence.
MI_RECTA="0 110 80"
ROJO_RECTA="230 0 0"
FONDO_PANEL="220 150 0"
e2e_menu 2 && xdotool key Down Down Down Down Down Down Return && e2e_esperar_quieto
img=$(e2e_captura mirecta)
[ "$(e2e_contar "$img" $ROJO_RECTA "$px0" "$py0" "$pw" "$ph")" -lt 20 ] ||
    e2e_error "con Mi recta la recta roja sigue a la vista"
ax=$(pixel_x 80)
asa=$(e2e_grupos "$img" $MI_RECTA $((ax - 4)) "$py0" 9 "$ph" | sort -n -k3 | tail -1)
[ -n "$asa" ] || e2e_fallo "no se ve el asa derecha de mi recta"
ay=$(echo "$asa" | cut -d' ' -f2)
panel=$(e2e_caja "$img" $FONDO_PANEL "$px0" $((py1 + 1)) "$pw" $((767 - py1)))
[ -n "$panel" ] || e2e_fallo "no se ve el panel Mi recta"
read -r fx0 fy0 _ _ <<<"$panel"
caja=$(e2e_caja "$img" $OLIVA "$fx0" "$fy0" "$pw" 100)
[ -n "$caja" ] || e2e_fallo "no se ve la suma de cuadrados de mi recta"
read -r cx0 cy0 cx1 cy1 <<<"$caja"
suma=$(e2e_huella "$img" "$cx0" "$cy0" $((cx1 - cx0 + 1)) $((cy1 - cy0 + 1)))
llevar "$ax" "$ay" "$ax" $((ay - 80)) 6
sleep 0.3
xdotool mouseup 1
xdotool mousemove 1000 750
e2e_esperar_quieto
img=$(e2e_captura asa)
[ "$(e2e_huella "$img" "$cx0" "$cy0" $((cx1 - cx0 + 1)) $((cy1 - cy0 + 1)))" != "$suma" ] ||
    e2e_error "la suma de cuadrados de mi recta no cambió al arrastrar el asa"
[ -n "$(e2e_grupos "$img" $MI_RECTA $((ax - 4)) $((ay - 90)) 9 20)" ] ||
    e2e_error "el asa no subió con el ratón"
xdotool mousemove $((fx0 + 330)) $((fy0 + 62)) click 1
sleep 0.2
xdotool mousemove 1000 750
e2e_esperar_quieto
img=$(e2e_captura revelada)
recta=$(e2e_contar "$img" $ROJO_RECTA "$px0" "$py0" "$pw" "$ph")
[ "$recta" -ge 100 ] || e2e_error "tras Mostrar no se ve la recta roja ($recta px)"
[ -n "$(e2e_bandas "$img" $FONDO_PANEL $((fx0 + 10)) $((fy0 + 104)) 400 28)" ] ||
    e2e_error "tras Mostrar no se ve la frase que compara las dos rectas"
e2e_ok "mi recta: el asa cambió la suma y Mostrar trajo la recta roja ($recta px)"

# --- "Simulación" (Ver's seventh entry): the model's dashed line on the
# plot; the button "1000" fills the histogram's bars and the strip of
# intervals; "Animar" brings hollow points onto the plot.
MODELO="128 0 64"
BARRA_SIM="150 170 235"
INTERVALO="60 60 150"
FONDO_SIM="255 255 240"
e2e_menu 2 && xdotool key Down Down Down Down Down Down Down Return && e2e_esperar_quieto
img=$(e2e_captura simulacion)
[ "$(e2e_contar "$img" $MODELO "$px0" "$py0" "$pw" "$ph")" -ge 40 ] ||
    e2e_error "con Simulación no se ve la recta del modelo"
panel=$(e2e_caja "$img" $FONDO_PANEL "$px0" $((py1 + 1)) "$pw" $((767 - py1)))
[ -n "$panel" ] || e2e_fallo "no se ve el panel Simulación"
read -r sx0 sy0 _ _ <<<"$panel"
# The strip of intervals: 5040..7080 twips across, 390..1770 down.
tira() { e2e_contar "$1" $FONDO_SIM $((sx0 + 337)) $((sy0 + 27)) 134 90; }
vacia=$(tira "$img")
# The button "1000" lies 1725..2250 twips across and 1860..2205 down the panel.
xdotool mousemove $((sx0 + 132)) $((sy0 + 135)) click 1
xdotool mousemove 1000 750
e2e_esperar_quieto
img=$(e2e_captura simulacion_mil)
barras=$(e2e_contar "$img" $BARRA_SIM "$sx0" "$sy0" "$pw" 140)
intervalos=$(($vacia - $(tira "$img")))
[ "$barras" -ge 500 ] && [ "$intervalos" -ge 300 ] ||
    e2e_error "tras 1000 no se ven las barras ($barras px) o los intervalos ($intervalos px)"
xdotool mousemove $((sx0 + 36)) $((sy0 + 163)) click 1
sleep 1
img=$(e2e_captura simulacion_animada)
xdotool mousemove $((sx0 + 36)) $((sy0 + 163)) click 1
xdotool mousemove 1000 750
[ "$(e2e_contar "$img" $INTERVALO "$px0" "$py0" "$pw" "$ph")" -ge 30 ] ||
    e2e_error "Animar no mostró la muestra simulada en el gráfico"
e2e_ok "Simulación: 1000 muestras dibujaron $barras px de barras y $intervalos px de intervalos"

# --- The keyboard alone, on a new run: F10 and Enter choose "Generar", Tab
# reaches the plot, Home chooses the leftmost point (green), Right the next
# until one has room, Space grabs it, Shift+Right twice moves it 10 units
# right, Space drops it, Delete takes it out of the fit: grey once Tab has
# left the plot.
kill "$E2E_PID_PROGRAMA" 2>/dev/null
wait "$E2E_PID_PROGRAMA" 2>/dev/null
e2e_iniciar_programa "$PROGRAMA"
teclas() {
    xdotool key --delay 120 "$@"
    sleep 0.3
    e2e_esperar_quieto
}
verde_en() {
    # shellcheck disable=SC2086
    e2e_grupos "$1" $VERDE "$px0" "$py0" "$pw" "$ph" | awk '$3 >= 8 { print $1, $2; exit }'
}
# Without a window manager the new window gets the keyboard only when asked.
xdotool search --onlyvisible --name '^Form1$' windowfocus --sync 2>/dev/null
teclas F10 Return
[ -n "$(e2e_plano "$(e2e_captura teclas_generada)")" ] || e2e_fallo "F10 y Enter no generaron una muestra"
for _ in 1 2 3; do
    teclas Home
    [ -n "$(verde_en "$(e2e_captura teclas_elegido)")" ] && break
    teclas Tab
done
esperado=$(awk -v w="$pw" 'BEGIN { printf "%d", 10 / 140 * w + 0.5 }')
# A marker drawn later covers the moved one where they meet, so Right
# chooses the next point until one has a clear place 10 units to its right.
despejado() {
    [ "$2" -lt $((px1 - 12)) ] && marcadores "$1" | awk -v x="$2" -v y="$3" '
        $4 <= x + 10 && $6 >= x - 10 && $5 <= y + 10 && $7 >= y - 10 { tapado = 1 }
        END { exit tapado }'
}
for intento in $(seq 10); do
    [ "$intento" -eq 1 ] || teclas Right
    img=$(e2e_captura teclas_elegido)
    read -r kx ky < <(verde_en "$img")
    [ -n "${kx:-}" ] || e2e_fallo "con el teclado no se eligió ningún punto del gráfico"
    despejado "$img" $((kx + esperado)) "$ky" && break
done
teclas space shift+Right shift+Right space
read -r mx my < <(verde_en "$(e2e_captura teclas_movido)")
[ -n "${mx:-}" ] && [ $((mx - kx - esperado)) -ge -3 ] && [ $((mx - kx - esperado)) -le 3 ] &&
    [ $((my - ky)) -ge -2 ] && [ $((my - ky)) -le 2 ] ||
    e2e_fallo "el punto elegido no se movió $esperado px a la derecha ($kx,$ky -> ${mx:-?},${my:-?})"
# Tab leaves the plot, so the chosen point shows its own colour again.
teclas Delete Tab
img=$(e2e_captura teclas_eliminado)
# shellcheck disable=SC2086
grises=$(e2e_grupos "$img" $GRIS "$px0" "$py0" "$pw" "$ph" | awk '$3 >= 8')
read -r d _ _ < <(cercano "$grises" "$mx" "$my")
[ "$d" -le 3 ] || e2e_error "Supr no dejó gris el punto elegido ($mx,$my)"
e2e_programa_vivo "tras el teclado"
e2e_ok "con el teclado: generada, punto de $kx,$ky movido a $mx,$my y eliminado"
e2e_terminar
