#!/usr/bin/env bash
# End to end with a real screen reader: Orca runs in a private session, with
# fresh settings and no speech synthesizer; what it would say is read from
# its debug log ("SPEECH OUTPUT: '...'"). The program is driven by keys like
# a blind user would: "Generar" (F10, Return), Tab onto the plot, Right to a
# point, space to take it, Up three times, space to drop it. Each step keeps
# what Orca said in paso-<n>.txt; a check is one line,
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

paso "Generar" F10 Return
espera_habla '^Generar'

paso "Tab lleva al gráfico" Tab
espera_habla '^Gráfico de dispersión'

paso "Right elige un punto" Right
espera_habla '^Punto [0-9]+ de [0-9]+: x '

paso "espacio toma el punto" space
paso "tres veces arriba lo mueven" Up Up Up
paso "espacio lo suelta" space

# An event of the program that Orca failed on (a name or description that
# it could not speak, say) is logged as "ERROR: Could not process <event>".
if grep -q '^[0-9:.]* - ERROR: Could not process' "$E2E_FLUJO"; then
    e2e_error "Orca falló con eventos del programa:"
    grep '^[0-9:.]* - ERROR: Could not process' "$E2E_FLUJO" | sed 's/^/    /' >&2
else
    e2e_ok "Orca procesó todos los eventos del programa"
fi

e2e_terminar
