#!/usr/bin/env bash
# End to end with the screen reader Orca, in a private session with fresh
# settings and no synthesizer: what it would say is read from its log
# ("SPEECH OUTPUT: '...'"). Keys only, as a blind student: "Generar" and the
# summary; Tab to the plot, a point grabbed, moved three times and dropped,
# each step said; Ctrl+R; a sheet read to its end; a panel box by box; a
# batch of the simulation and Ctrl+Z on its button; a challenge's round.
# Usage: orca.sh path/to/rectaviva
set -u
. "$(dirname "$0")/comun.sh"
. "$(dirname "$0")/lector.sh"

e2e_requiere orca pgrep
e2e_sesion_privada "$@"
PROGRAMA="$1"
e2e_preparar
e2e_orca_escuchando
e2e_programa_con_teclado "$PROGRAMA"
dice() { e2e_espera_linea "$1"; }

RESUMEN='Pendiente -?[0-9.]+; R² [0-9]+ %; [0-9]+ puntos en uso'
paso "Generar" F10 Return
dice "^notification $RESUMEN"
paso "Tab lleva al gráfico" Tab
dice '^Gráfico de dispersión'
paso "Right elige un punto" Right
dice '^Punto [0-9]+ de [0-9]+: x '
punto=$(lineas_del_paso | sed -n 's/^Punto \([0-9]*\) de .*/\1/p' | head -n1)
paso "espacio toma el punto" space
dice "^notification Punto $punto tomado"
paso "tres veces arriba lo mueven" Up Up Up
[ "$(lineas_del_paso | grep -Ec '^notification x -?[0-9]+, y -?[0-9]+')" -eq 3 ] &&
    e2e_ok "cada paso dice el nuevo lugar" || e2e_error "los tres pasos no dicen tres lugares"
paso "espacio lo suelta" space
dice "^notification Punto $punto soltado: x -?[0-9]+, y -?[0-9]+\. $RESUMEN"
paso "Ctrl+R repite el resumen" ctrl+r
dice "^notification $RESUMEN"

# The last help icon is the analysis of variance's: its sheet is read to
# its last line, and Escape gives the focus back to the icon.
paso "Mayús+Tab lleva al último icono de ayuda" shift+Tab
dice '^Explicación del análisis de varianza push button'
paso "Return abre la lámina" Return
dice '^Fórmulas del análisis de varianza'
tail -n +"$((E2E_DESDE + 1))" "$E2E_FLUJO" |
    grep -qF -- "$(tail -n 1 "$(dirname "$0")/../../resources/laminas/lamina6.txt")" &&
    e2e_ok "Orca lee la lámina hasta el final" || e2e_error "Orca no leyó la lámina hasta el final"
paso "Escape la cierra" Escape
dice '^Explicación del análisis de varianza push button'

# Further back, past the help icons, a result panel: one Tab stop whose
# arrows go box by box, each read with its name and value.
CAJA='^[^:]+: [-0-9.e]+ label'
for _ in $(seq 12); do
    paso "Mayús+Tab hasta un panel" shift+Tab
    lineas_del_paso | grep -Eq "$CAJA" && break
done
dice "$CAJA"
caja=$(lineas_del_paso | grep -E "$CAJA")
paso "Down lee la caja siguiente" Down
dice "$CAJA"
[ "$(lineas_del_paso | grep -E "$CAJA")" != "$caja" ] || e2e_error "Down no pasó de «$caja»"

# "Simulación" from the menu and Tab to its button of 1000 samples: the
# counts are said after the batch, and Ctrl+Z there says the step undone
# and the summary; once the step is undone, that there is nothing more.
paso "Ver" F10 Right Down
paso "Simulación" Down Down Down Down Down Return
for _ in $(seq 30); do
    paso "Tab hasta «Agregar 1000 muestras»" Tab
    lineas_del_paso | grep -q '^Agregar 1000 muestras' && break
done
paso "Return agrega mil muestras" Return
dice '^notification 1000 muestras de [0-9]+ puntos\. .*intervalos contienen β₁ \(esperado'
paso "Ctrl+Z desde el botón" ctrl+z
dice "^notification Deshecho: mover el punto $punto\. $RESUMEN"
paso "Ctrl+Mayús+Z lo rehace" ctrl+shift+z
dice "^notification Rehecho: mover el punto $punto\. $RESUMEN"

# "Retos" → "Adivina la correlación" by keys: the question is said, the
# guess typed and stepped, and Return says the score.
paso "Retos" F10 Left Left Left Left
paso "Adivina la correlación" Return
dice '^notification .*Reto [0-9]+\. ¿Cuánto vale r en esta nube de [0-9]+ puntos\?'
paso "una respuesta y un paso arriba" 0 period 5 Up
dice '^notification 0\.51'
paso "Return la comprueba" Return
dice '^notification r = -?[0-9.]+\. Tu respuesta: 0\.51; error -?[0-9.]+: [0-9]+ puntos\.'

# "¿Qué dicen los residuos?" by keys: first the lineup, picked blind and
# closed; then the question with its six answers is said, Down chooses the
# second answer, and Return says the score and why.
paso "Retos" F10 Left Left Left Left
paso "¿Qué dicen los residuos?" Down Down Down Return
dice '^notification .*Reto [0-9]+\. Paso 1 de 2, antes de ver tus datos'
paso "Return abre la rueda" Return
dice 'Gráfico 1 de 20'
paso "Return elige el primero" Return
dice '^notification (¡La encontraste sin haber visto tus residuos|Elegiste la n\.º 1)'
paso "Escape la cierra" Escape
dice '^notification .*Reto [0-9]+\. ¿Qué dicen los residuos de estos [0-9]+ puntos\? Las respuestas: Nada indica'
paso "la segunda respuesta" Down
dice 'Curvatura: la relación no es una recta'
paso "Return la comprueba" Return
dice '^notification (¡Correcto! 100|Incorrecto: 0) puntos\. (Los|Un|El) [a-z]+'

# "Transformar" by keys on the census: Down chooses log₁₀ y, and the model
# is said in the data's terms.
paso "Datos" F10 Right Right Return
paso "Población de EE. UU." Down Down Down Down Down Down Down Down Return
paso "Ver" F10 Right
paso "Transformar…" Down Down Down Down Down Down Down Return
dice '^notification Elige una transformación de x, de y o de las dos\.'
paso "Down elige log₁₀ y" Down
dice '^notification .*y = .* En el modelo, y crece a un ritmo fijo: se multiplica por [0-9.]+ \(un [0-9.]+.% más\)'

# An event that Orca could not handle is logged "ERROR: Could not process".
! grep -q ' - ERROR: Could not process' "$E2E_FLUJO" && e2e_ok "Orca procesó cada evento" ||
    e2e_error "Orca falló con eventos: $(grep ' - ERROR: Could not process' "$E2E_FLUJO" | head -n 3)"
e2e_terminar
