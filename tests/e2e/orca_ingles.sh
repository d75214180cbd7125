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
e2e_orca_escuchando
e2e_programa_con_teclado "$PROGRAMA"

paso "Generate" F10 Return
e2e_espera_linea '^notification Slope -?[0-9.]+; R² [0-9]+%; [0-9]+ points in use'
paso "Tab to the plot" Tab
e2e_espera_linea '^Scatter plot'
e2e_terminar
