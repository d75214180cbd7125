#!/usr/bin/env bash
# Without a display the program must say so in one line on standard error
# and end with a failure status: no window, no abort, no core dump. Three
# ways to have no display: no display variables at all, a DISPLAY that
# names an X server that does not exist, and a Wayland socket that does not
# exist.
# Usage: sin_pantalla.sh path/to/rectaviva
set -u
. "$(dirname "$0")/comun.sh"

PROGRAMA="$1"
E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/rectaviva-e2e.XXXXXX")
trap e2e_limpiar EXIT
# A core file, if any, would land in the working directory.
cd "$E2E_DIR" || exit 1
ulimit -c unlimited 2>/dev/null

# Runs the program with the given env arguments; checks the status, the
# single line on stderr and the absence of a core file.
comprobar() {
    local caso="$1"
    shift
    rm -f core core.*
    timeout 20 env "$@" "$PROGRAMA" >salida.out 2>salida.err
    local estado=$?
    [ "$estado" -ne 124 ] || e2e_fallo "$caso: el programa no terminó (¿abrió una ventana?)"
    [ "$estado" -ne 0 ] || e2e_fallo "$caso: terminó con estado 0"
    [ "$estado" -lt 128 ] || e2e_fallo "$caso: terminó por la señal $((estado - 128))"
    [ -z "$(ls core core.* 2>/dev/null)" ] || e2e_fallo "$caso: dejó un volcado de memoria"
    local lineas
    lineas=$(wc -l <salida.err)
    [ "$lineas" -eq 1 ] || {
        cat salida.err >&2
        e2e_fallo "$caso: escribió $lineas líneas en stderr, se esperaba una"
    }
    grep -qi 'pantalla' salida.err || e2e_fallo "$caso: el mensaje no habla de la pantalla: $(cat salida.err)"
    [ ! -s salida.out ] || e2e_fallo "$caso: escribió en stdout"
    e2e_ok "$caso: estado $estado, «$(cat salida.err)»"
}

comprobar "sin variables de pantalla" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM

# A display number with no server behind it: no socket, no lock file.
for n in $(seq $((500 + $$ % 400)) 999); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        comprobar "DISPLAY=:$n sin servidor" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$n"
        break
    fi
done
comprobar "WAYLAND_DISPLAY sin servidor" -u DISPLAY -u QT_QPA_PLATFORM \
    WAYLAND_DISPLAY="rectaviva-sin-servidor-$$" XDG_RUNTIME_DIR="$E2E_DIR"
exit 0
