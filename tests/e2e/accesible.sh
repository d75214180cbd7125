#!/usr/bin/env bash
# End to end, what a screen reader is told: in a private session with the
# screen-reader switch on, the program is on the AT-SPI registry with its
# window "Form1"; after "Generar" (F10, Return) the plot is in the tree with
# its points, and the keyboard's moves onto the plot and its points reach
# the bus as focus events; boxes, icons, list rows and checkable entries are
# what they say; a grab and a drop are told as notifications, without a
# flood of events; "Descripción" takes the focus into its text. Each step keeps the events it caused in
# paso-<n>.txt; a check is one line, espera_evento "regular expression".
# Usage: accesible.sh path/to/rectaviva
set -u
. "$(dirname "$0")/comun.sh"
. "$(dirname "$0")/lector.sh"

e2e_requiere Xvfb xdotool import md5sum ps
e2e_sesion_privada "$@"
PROGRAMA="$1"
e2e_preparar
e2e_iniciar_pantalla
e2e_activar_accesibilidad

# The events' listener comes first: the program asks at its start which
# events anybody listens to.
E2E_FLUJO="$E2E_DIR/eventos.txt"
E2E_FILTRO="cat"
"${ATSPI[@]}" eventos >"$E2E_FLUJO" 2>"$E2E_DIR/eventos.err" &
e2e_ayudante $!
for _ in $(seq 100); do
    grep -q '^listo$' "$E2E_FLUJO" && break
    sleep 0.1
done
grep -q '^listo$' "$E2E_FLUJO" || e2e_fallo "el oyente de eventos no arrancó: $(cat "$E2E_DIR/eventos.err")"

espera_evento() { e2e_espera_linea "$1" "llega un evento"; }

e2e_iniciar_programa "$PROGRAMA"
aplicacion=$("${ATSPI[@]}" espera "$E2E_PID_PROGRAMA") ||
    e2e_fallo "el programa no aparece en el registro de AT-SPI"
echo "$aplicacion" | grep -q '^frame | Form1 |' ||
    e2e_fallo "la aplicación no tiene la ventana Form1: $aplicacion"
e2e_ok "en el registro: $(echo "$aplicacion" | head -n1), con la ventana Form1"

paso "la ventana recibe el teclado" -- e2e_enfocar_ventana
espera_evento '^window:activate \|.*\| frame \| Form1 \|'

paso "Generar" F10 Return
arbol=$("${ATSPI[@]}" arbol "$E2E_PID_PROGRAMA")
echo "$arbol" >"$E2E_DIR/arbol.txt"
echo "$arbol" | grep -Eq '^ +list \| Gráfico de dispersión \|.*showing' ||
    e2e_error "tras Generar el gráfico no está en el árbol (arbol.txt)"
# The points under the plot: the lines after its own, indented deeper.
puntos=$(echo "$arbol" | awk '
    { n = match($0, /[^ ]/) }
    dentro && n <= nivel { dentro = 0 }
    dentro && /^ *list item \| Punto [0-9]+ de [0-9]+: x / { c++ }
    /^ *list \| Gráfico de dispersión \|/ { dentro = 1; nivel = n }
    END { print c + 0 }')
[ "$puntos" -ge 10 ] || e2e_error "tras Generar el árbol tiene $puntos puntos (10 a 24 en el gráfico)"
e2e_ok "tras Generar el árbol tiene el gráfico y $puntos puntos"

paso "Tab lleva al gráfico" Tab
espera_evento '^object:state-changed:focused \| 1 0 \|.*\| list \| Gráfico de dispersión \|'

paso "Right elige un punto" Right
espera_evento '^object:state-changed:focused \| 1 0 \|.*\| list item \| Punto [0-9]+ de [0-9]+: x '
foco=$("${ATSPI[@]}" foco "$E2E_PID_PROGRAMA")
if echo "$foco" | grep -Eq '^list item \| Punto [0-9]+ de [0-9]+: x '; then
    nombre=${foco#list item | }
    e2e_ok "el foco está en el punto elegido: ${nombre%% | *}"
else
    e2e_error "el foco no está en el punto elegido: ${foco:-ninguno}"
fi

# What the tree says of each kind of control, one check a line: awk over
# the tree's lines "role | name | description | states | actions | box".
comprobar_arbol() {
    local malos
    malos=$(echo "$arbol" | awk -F' [|] ' "$2")
    [ -z "$malos" ] && e2e_ok "$1" || e2e_error "$1; no lo cumplen:$(echo; echo "$malos" | head -n 5)"
}
comprobar_arbol "ninguna caja es editable y de solo lectura a la vez" \
    '$4 ~ /editable/ && $4 ~ /read only/'
comprobar_arbol "los puntos de la lista tienen su fila en la pantalla" \
    'p && /list item [|] Punto/ { split($6, c, "[ ,x]"); if (c[3] <= 0 || c[2] < 0 || c[2] >= 768) print }
     /^ *list [|] / { p = /Lista de puntos/ }'
comprobar_arbol "los iconos de ayuda y de herramientas se pueden pulsar" \
    '/push button/ && $5 !~ /Press/'
[ "$(echo "$arbol" | grep -Ec '^ *check box \| (Influencia|Valores p exactos|Ampliar a la pantalla) \|')" -eq 3 ] &&
    e2e_ok "las entradas que se marcan son casillas" ||
    e2e_error "las entradas que se marcan no son casillas"

paso "espacio toma el punto" space
espera_evento 'notification \| Punto [0-9]+ tomado'
paso "tres veces arriba lo mueven" Up Up Up
paso "espacio lo suelta" space
espera_evento 'notification \| Punto [0-9]+ soltado: .*puntos en uso'
# The refresh after the drop tells only what changed where the focus is.
[ "$(lineas_del_paso | wc -l)" -le 10 ] && e2e_ok "el recálculo no inunda el bus" ||
    e2e_error "el recálculo manda $(lineas_del_paso | wc -l) eventos"

paso "Descripción abre su texto con el foco en él" F10 Left Left Left Return
espera_evento '^object:state-changed:focused \| 1 0 \|.*\| document frame \| Descripción \| Tutorvia'

e2e_terminar
