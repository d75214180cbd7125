#!/usr/bin/env bash
# End to end, what a screen reader is told through AT-SPI, in a private
# session with the screen-reader switch on: the window and, after
# "Generar", the plot with its points; boxes, icons, list rows and checkable
# entries as what they are; focus events onto the plot and a point; a grab
# and a drop told as notifications, without a flood; "Descripción" taking
# the focus into its text; "Barajar" and a batch through their actions.
# Usage: accesible.sh path/to/rectaviva
set -u
. "$(dirname "$0")/comun.sh"
. "$(dirname "$0")/lector.sh"

e2e_sesion_privada "$@"
PROGRAMA="$1"
e2e_preparar
e2e_pantalla_con_lector
# The listener comes first: the program asks at its start who listens.
E2E_FLUJO="$E2E_DIR/eventos.txt" E2E_FILTRO=cat
e2e_ayudante "$E2E_FLUJO" '^listo$' "${ATSPI[@]}" eventos
e2e_programa_con_teclado "$PROGRAMA"
evento() { e2e_espera_linea "$1"; }

paso "Generar" F10 Return
arbol=$("${ATSPI[@]}" arbol "$E2E_PID_PROGRAMA") || e2e_fallo "el programa no está en el registro"
echo "$arbol" >"$E2E_DIR/arbol.txt"
# Each check: the lines of the tree ("role | name | description | states |
# actions | box") that break a rule, by awk; none may.
regla() {
    local malos
    malos=$(echo "$arbol" | awk -F' [|] ' "$2")
    [ -z "$malos" ] && e2e_ok "$1" || e2e_error "$1; no: $(echo "$malos" | head -n 3)"
}
regla "la ventana Form1 y el gráfico con sus puntos" \
    '/^  frame [|] Form1 /{f=1} /list [|] Gráfico de dispersión .*showing/{g=1} /list item [|] Punto 1 de/{p++}
     END { if (!f || !g || p != 2) print "ventana", f, "gráfico", g, "puntos", p }'
regla "ninguna caja es editable y de solo lectura a la vez" '$4 ~ /editable/ && $4 ~ /read only/'
regla "cada fila de la lista está en la pantalla" \
    'l && /list item [|] Punto/ { split($6, c, "[ ,x]"); if (c[3] <= 0 || c[2] < 0 || c[2] >= 768) print }
     /^ *list [|] / { l = /Lista de puntos/ }'
regla "los iconos de ayuda y de herramientas se pulsan" '/push button/ && $5 !~ /Press/'
regla "las entradas que se marcan son casillas" \
    '/check box [|] (Influencia|Valores p exactos|Ampliar a la pantalla) / { n++ } END { if (n != 3) print n }'

paso "Tab lleva al gráfico" Tab
evento '^object:state-changed:focused \| 1 0 \| list \| Gráfico de dispersión \|'
paso "Right elige un punto" Right
evento '^object:state-changed:focused \| 1 0 \| list item \| Punto [0-9]+ de [0-9]+: x .*focused'
paso "espacio toma el punto" space
evento 'showing \| 1 0 \| notification \| Punto [0-9]+ tomado'
paso "tres veces arriba lo mueven" Up Up Up
paso "espacio lo suelta" space
evento 'showing \| 1 0 \| notification \| Punto [0-9]+ soltado: .*puntos en uso'
[ "$(lineas_del_paso | wc -l)" -le 10 ] && e2e_ok "el recálculo no inunda el bus" ||
    e2e_error "el recálculo manda $(lineas_del_paso | wc -l) eventos"
paso "Descripción abre su texto con el foco en él" F10 Left Left Left Return
evento '^object:state-changed:focused \| 1 0 \| document frame \| Descripción \| Tutorvia'
# "Barajar" chosen and a batch drawn through their actions, as a switch
# does: the shuffles run, and their counts come as a notification.
paso "Ver" F10 Right Down
paso "Simulación" Down Down Down Down Down Return
paso_accion "Barajar por su acción" "Barajar las y sobre las x" Toggle
paso_accion "Agregar 1000 por su acción" "Agregar 1000 muestras" Press
evento 'showing \| 1 0 \| notification \| 1000 barajadas de [0-9]+ puntos\. .*valor p'
e2e_terminar
