#!/usr/bin/env bash
# The screen reader Orca with the program in English (the desktop's
# language): "Generate" and the summary, then Tab to the plot, each said in
# English. The private session and Orca's log as in orca.sh.
# Usage: orca_ingles.sh path/to/rectaviva
set -u
. "$(dirname "$0")/comun.sh"
. "$(dirname "$0")/lector.sh"

e2e_requiere orca pgrep
export E2E_IDIOMA=en
e2e_sesion_privada "$@"
PROGRAMA="$1"
e2e_preparar
pgrep -u "$(id -u)" -x orca >/dev/null && e2e_omitir "ya hay un Orca de este usuario en marcha"
e2e_pantalla_con_lector

lo_dicho() { sed -n "s/^[0-9:.]* - SPEECH OUTPUT: '\([^']*\)'\{0,1\}.*/\1/p"; }
E2E_FLUJO="$E2E_DIR/orca.log" E2E_FILTRO=lo_dicho
: >"$E2E_FLUJO"
mkdir "$E2E_DIR/orca"
e2e_ayudante "$E2E_FLUJO" "SPEECH OUTPUT: 'Screen reader on" "${ATSPI[@]}" orca "$E2E_FLUJO" "$E2E_DIR/orca"
e2e_programa_con_teclado "$PROGRAMA"

paso "Generate" F10 Return
e2e_espera_linea '^notification Slope -?[0-9.]+; R² [0-9]+ %; [0-9]+ points in use'
paso "Tab to the plot" Tab
e2e_espera_linea '^Scatter plot'
e2e_terminar
