#!/usr/bin/env bash
# End to end, what a screen reader is told: in a private session with the
# screen-reader switch on, the program is on the AT-SPI registry with its
# window "Form1"; after "Generar" (F10, Return) the plot is in the tree with
# its points, and the keyboard's moves onto the plot and its points reach
# the bus as focus events. Each step keeps the events it caused in
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

paso "espacio toma el punto" space
paso "tres veces arriba lo mueven" Up Up Up
paso "espacio lo suelta" space

e2e_terminar
