#!/usr/bin/env bash
# End to end with a real screen reader: Orca runs in a private session, with
# fresh settings and no speech synthesizer; what it would say is read from
# its debug log ("SPEECH OUTPUT: '...'"). The program is driven by keys like
# a blind user would: "Generar" (F10, Return) and the summary of the fit;
# Tab onto the plot, Right to a point, space to take it, Up three times,
# space to drop it, each step said; Ctrl+R for the summary; a sheet opened
# from its help icon and read; a result panel's boxes read by name and value.
# Each step keeps what Orca said in paso-<n>.txt; a check is one line,
# espera_habla "regular expression".
# Usage: orca.sh path/to/rectaviva
set -u
. "$(dirname "$0")/comun.sh"
. "$(dirname "$0")/lector.sh"

e2e_requiere Xvfb xdotool import md5sum ps pgrep orca
e2e_sesion_privada "$@"
PROGRAMA="$1"
e2e_preparar
# Orca refuses to start beside another Orca of the same user.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    e2e_omitir "ya hay un Orca de este usuario en marcha"
fi
e2e_iniciar_pantalla
e2e_activar_accesibilidad

# What Orca says, from its log: the text of each "SPEECH OUTPUT" line (the
# voice settings after it dropped). Keys are echoed too, as "tab ".
lo_dicho() {
    sed -n "s/^[0-9:.]* - SPEECH OUTPUT: '\(.*\)'\( voice=[a-z]*\)\{0,1\} *{.*}\$/\1/p"
}
E2E_FLUJO="$E2E_DIR/orca.log"
E2E_FILTRO=lo_dicho
espera_habla() { e2e_espera_linea "$1" "dice Orca"; }

mkdir "$E2E_DIR/orca"
: >"$E2E_FLUJO"
"${ATSPI[@]}" orca "$E2E_FLUJO" "$E2E_DIR/orca" >"$E2E_DIR/orca.out" 2>&1 &
orca=$!
e2e_ayudante $orca
for _ in $(seq 150); do
    [ "$(lo_dicho <"$E2E_FLUJO")" ] && break
    kill -0 $orca 2>/dev/null || break
    sleep 0.1
done
lo_dicho <"$E2E_FLUJO" | grep -q '^Screen reader on' ||
    e2e_fallo "Orca no arrancó: $(tail -n 5 "$E2E_DIR/orca.out")"
e2e_ok "Orca en marcha"

e2e_iniciar_programa "$PROGRAMA"

paso "la ventana recibe el teclado" -- e2e_enfocar_ventana
espera_habla '^Form1 frame'

RESUMEN='Pendiente -?[0-9.]+; R² [0-9]+ %; [0-9]+ puntos en uso'
paso "Generar" F10 Return
espera_habla '^Generar'
espera_habla "^notification $RESUMEN"

paso "Tab lleva al gráfico" Tab
espera_habla '^Gráfico de dispersión'

paso "Right elige un punto" Right
espera_habla '^Punto [0-9]+ de [0-9]+: x '
punto=$(lineas_del_paso | sed -n 's/^Punto \([0-9]*\) de .*/\1/p' | head -n1)

paso "espacio toma el punto" space
espera_habla "^notification Punto $punto tomado"
paso "tres veces arriba lo mueven" Up Up Up
[ "$(lineas_del_paso | grep -Ec '^notification x -?[0-9]+, y -?[0-9]+')" -eq 3 ] &&
    e2e_ok "cada paso dice el nuevo lugar" ||
    e2e_error "los tres pasos no dicen tres lugares: $(lineas_del_paso | tr '\n' '|')"
paso "espacio lo suelta" space
espera_habla "^notification Punto $punto soltado: x -?[0-9]+, y -?[0-9]+\. $RESUMEN"

paso "Ctrl+R repite el resumen" ctrl+r
espera_habla "^notification $RESUMEN"

# The last help icon shown is the analysis of variance's; its sheet is read
# to its last line, and Escape gives the focus back to the icon.
paso "Mayús+Tab lleva al último icono de ayuda" shift+Tab
espera_habla '^Explicación del análisis de varianza push button'
paso "Return abre la lámina" Return
espera_habla '^Fórmulas del análisis de varianza'
ultima=$(tail -n 1 "$(dirname "$0")/../../resources/laminas/lamina6.txt")
tail -n +"$((E2E_DESDE + 1))" "$E2E_FLUJO" | grep -qF -- "$ultima" &&
    e2e_ok "Orca lee la lámina hasta su última línea" ||
    e2e_error "Orca no leyó la lámina hasta «$ultima»"
paso "Escape la cierra" Escape
espera_habla '^Explicación del análisis de varianza push button'

# Further back, past the help icons, the last result panel: one Tab stop,
# whose arrows go box by box, each read with its name and value.
for _ in $(seq 12); do
    paso "Mayús+Tab hasta un panel" shift+Tab
    lineas_del_paso | grep -Eq '^[^:]+: [-0-9.e]+ label' && break
done
espera_habla '^[^:]+: [-0-9.e]+ label'
caja=$(lineas_del_paso | grep -E '^[^:]+: [-0-9.e]+ label' | head -n1)
paso "Down lee la caja siguiente" Down
espera_habla '^[^:]+: [-0-9.e]+ label'
[ "$(lineas_del_paso | grep -E '^[^:]+: ' | head -n1)" != "$caja" ] ||
    e2e_error "Down no pasó a otra caja: $caja"

# An event of the program that Orca failed on (a name or description that
# it could not speak, say) is logged as "ERROR: Could not process <event>".
if grep -q '^[0-9:.]* - ERROR: Could not process' "$E2E_FLUJO"; then
    e2e_error "Orca falló con eventos del programa:"
    grep '^[0-9:.]* - ERROR: Could not process' "$E2E_FLUJO" | sed 's/^/    /' >&2
else
    e2e_ok "Orca procesó todos los eventos del programa"
fi

e2e_terminar
