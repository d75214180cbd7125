# Shared helpers of the screen-reader tests (accesible.sh, orca.sh): a
# private D-Bus session with a throw-away home, the switch a screen reader
# turns on, and steps that send keys and keep what came out after them.
# Sourced by bash after comun.sh.

# atspi.py under the system's Python, which has Debian's pyatspi (a python3
# first on PATH may be another one): "${ATSPI[@]}" orden ...
ATSPI=(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py")

# Runs the calling script again inside its own session bus, with HOME, the
# XDG folders and the runtime folder in a new working directory (which
# e2e_preparar then takes), so that the accessibility bus, dconf and Orca
# write nothing of the user's. Messages in C, so that Orca's are English.
e2e_sesion_privada() {
    [ -n "${E2E_SESION:-}" ] && return 0
    e2e_requiere dbus-run-session
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
        e2e_omitir "falta pyatspi de /usr/bin/python3 (python3-pyatspi)"
    E2E_SESION=$(mktemp -d "${TMPDIR:-/tmp}/rectaviva-e2e.XXXXXX")
    mkdir -p "$E2E_SESION/casa" "$E2E_SESION/runtime"
    chmod 700 "$E2E_SESION/runtime"
    export E2E_SESION HOME="$E2E_SESION/casa" XDG_CONFIG_HOME="$E2E_SESION/casa/.config" \
        XDG_CACHE_HOME="$E2E_SESION/casa/.cache" XDG_DATA_HOME="$E2E_SESION/casa/.local/share" \
        XDG_RUNTIME_DIR="$E2E_SESION/runtime" LC_ALL=C.UTF-8
    unset LANGUAGE DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
    # The bus and the services it starts write to its stdout and stderr:
    # into a file; the script gets its own back through descriptors 3 and 4.
    exec 3>&1 4>&2 >"$E2E_SESION/dbus.log" 2>&1 dbus-run-session -- bash "$0" "$@"
}
if [ -n "${E2E_SESION:-}" ] && { true >&3 && true >&4; } 2>/dev/null; then
    exec 1>&3 2>&4 3>&- 4>&-
fi

# Turns the screen-reader switch on; Qt only looks at it when it starts.
e2e_activar_accesibilidad() {
    "${ATSPI[@]}" activar || e2e_fallo "el bus de accesibilidad no quedó activado"
}

# Gives the window the keyboard: there is no window manager to do it.
e2e_enfocar_ventana() {
    xdotool search --onlyvisible --name '^Form1$' windowfocus --sync ||
        e2e_fallo "no se pudo dar el foco a la ventana"
}

# A helper process started by the script (its PID), ended with the program.
e2e_ayudante() {
    E2E_PID_AYUDANTES="${E2E_PID_AYUDANTES:-} $1"
}

# --- Steps.
# E2E_FLUJO is a file that grows while the program runs (the AT-SPI events,
# Orca's log); E2E_FILTRO, a command that keeps, from the lines of it on its
# input, those the checks look at.
E2E_PASO=0
E2E_DESDE=0
E2E_PASO_NOMBRE="al empezar"

lineas_del_paso() {
    tail -n +"$((E2E_DESDE + 1))" "$E2E_FLUJO" | $E2E_FILTRO
}

# Waits until the stream has not grown for half a second (at most 8 s).
e2e_calma() {
    local antes=-1 ahora quieto=0
    for _ in $(seq 80); do
        ahora=$(stat -c %s "$E2E_FLUJO")
        if [ "$ahora" = "$antes" ]; then
            quieto=$((quieto + 1))
            [ "$quieto" -ge 5 ] && return 0
        else
            quieto=0
        fi
        antes=$ahora
        sleep 0.1
    done
}

# paso "what it does" key...: presses the keys (or, after "--", runs a
# command), waits for the program and the screen reader to be done, and
# keeps the lines that came out in $E2E_DIR/paso-<n>.txt, shown too. The
# checks after it look at this step.
paso() {
    E2E_PASO_NOMBRE="$1"
    shift
    E2E_PASO=$((E2E_PASO + 1))
    E2E_DESDE=$(wc -l <"$E2E_FLUJO")
    if [ "${1:-}" = -- ]; then
        shift
        "$@"
    else
        xdotool key --delay 100 "$@"
    fi
    e2e_calma
    local archivo="$E2E_DIR/paso-$E2E_PASO.txt"
    lineas_del_paso >"$archivo"
    echo "paso $E2E_PASO, $E2E_PASO_NOMBRE ($*):"
    head -n 12 "$archivo" | cut -c1-200 | sed 's/^/    /'
    [ "$(wc -l <"$archivo")" -le 12 ] || echo "    (y $(($(wc -l <"$archivo") - 12)) líneas más en $archivo)"
}

# Waits (at most 5 s) for a line of this step that matches the extended
# regular expression $1; $2 says what was expected. A failure is counted
# (e2e_terminar reports it) and the step's lines are shown.
e2e_espera_linea() {
    for _ in $(seq 50); do
        if lineas_del_paso | grep -Eq -- "$1"; then
            e2e_ok "paso $E2E_PASO ($E2E_PASO_NOMBRE): $2 /$1/"
            return 0
        fi
        sleep 0.1
    done
    e2e_error "paso $E2E_PASO ($E2E_PASO_NOMBRE): no $2 /$1/; llegó:"
    lineas_del_paso | sed 's/^/    /' >&2
    return 1
}
