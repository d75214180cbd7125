# Shared by the screen-reader checks (accesible.sh, orca.sh): a private
# D-Bus session with a throw-away home, the screen-reader switch, and steps
# that press keys and keep what came out of a growing stream after them.
# Sourced by bash after comun.sh.

ATSPI=(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py")

# Runs the calling script again in its own session bus, with HOME, the XDG
# folders and the runtime folder in its working directory, messages in C.
e2e_sesion_privada() {
    [ -n "${E2E_SESION:-}" ] && return 0
    e2e_requiere dbus-run-session Xvfb xdotool import md5sum ps
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || e2e_omitir "falta python3-pyatspi"
    E2E_SESION=$(mktemp -d "${TMPDIR:-/tmp}/rectaviva-e2e.XXXXXX")
    mkdir -p "$E2E_SESION/casa" "$E2E_SESION/runtime"
    chmod 700 "$E2E_SESION/runtime"
    export E2E_SESION HOME="$E2E_SESION/casa" XDG_CONFIG_HOME="$E2E_SESION/casa/.config" \
        XDG_CACHE_HOME="$E2E_SESION/casa/.cache" XDG_DATA_HOME="$E2E_SESION/casa/.local/share" \
        XDG_RUNTIME_DIR="$E2E_SESION/runtime" LC_ALL=C.UTF-8
    unset LANGUAGE DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
    # What the bus and its services print goes to a file; the script keeps
    # its own output through descriptors 3 and 4.
    exec 3>&1 4>&2 >"$E2E_SESION/dbus.log" 2>&1 dbus-run-session -- bash "$0" "$@"
}
if [ -n "${E2E_SESION:-}" ] && { true >&3 && true >&4; } 2>/dev/null; then
    exec 1>&3 2>&4 3>&- 4>&-
fi

# A screen on, and the switch a screen reader turns on.
e2e_pantalla_con_lector() {
    e2e_iniciar_pantalla
    "${ATSPI[@]}" activar || e2e_fallo "el bus de accesibilidad no quedó activado"
}

# Starts helper command $3... with its output added to file $1, to be ended
# with the program, and waits (15 s at most) until $1 has a line matching $2.
e2e_ayudante() {
    local archivo="$1" patron="$2"
    shift 2
    "$@" >>"$archivo" 2>>"$E2E_DIR/ayudante.err" &
    E2E_PID_AYUDANTES="${E2E_PID_AYUDANTES:-} $!"
    for _ in $(seq 150); do
        grep -Eq -- "$patron" "$archivo" && return 0
        sleep 0.1
    done
    e2e_fallo "$* no arrancó: $(tail -n 3 "$E2E_DIR/ayudante.err")"
}

# The program, with its window given the keyboard: no window manager does it.
e2e_programa_con_teclado() {
    e2e_iniciar_programa "$1"
    xdotool search --onlyvisible --name '^Form1$' windowfocus --sync ||
        e2e_fallo "no se pudo dar el foco a la ventana"
}

# paso "what it does" key...: presses the keys, waits until the stream
# $E2E_FLUJO has not grown for half a second (8 s at most), and keeps what
# the filter $E2E_FILTRO takes from it in paso-<n>.txt.
E2E_PASO=0
E2E_DESDE=0
lineas_del_paso() { tail -n +"$((E2E_DESDE + 1))" "$E2E_FLUJO" | $E2E_FILTRO; }
paso() {
    E2E_PASO_NOMBRE="$1" E2E_PASO=$((E2E_PASO + 1)) E2E_DESDE=$(wc -l <"$E2E_FLUJO")
    shift
    xdotool key --delay 100 "$@"
    fin_de_paso "$@"
}
# paso_accion "what it does" NAME ACTION: the same with the action ACTION of
# the program's object named NAME, done through AT-SPI.
paso_accion() {
    E2E_PASO_NOMBRE="$1" E2E_PASO=$((E2E_PASO + 1)) E2E_DESDE=$(wc -l <"$E2E_FLUJO")
    "${ATSPI[@]}" accion "$E2E_PID_PROGRAMA" "$2" "$3" || e2e_error "no se pudo hacer «$3» en «$2»"
    fin_de_paso "$3 $2"
}
fin_de_paso() {
    local antes=-1 quieto=0
    for _ in $(seq 80); do
        [ "$(stat -c %s "$E2E_FLUJO")" = "$antes" ] && quieto=$((quieto + 1)) || quieto=0
        [ "$quieto" -ge 5 ] && break
        antes=$(stat -c %s "$E2E_FLUJO")
        sleep 0.1
    done
    lineas_del_paso >"$E2E_DIR/paso-$E2E_PASO.txt"
    echo "paso $E2E_PASO, $E2E_PASO_NOMBRE ($*), a los $SECONDS s:"
    head -n 8 "$E2E_DIR/paso-$E2E_PASO.txt" | cut -c1-200 | sed 's/^/    /'
}

# Waits (5 s at most) for a line of this step matching the extended regular
# expression $1; a failure is counted and the step's lines shown.
e2e_espera_linea() {
    for _ in $(seq 50); do
        lineas_del_paso | grep -Eq -- "$1" && { e2e_ok "paso $E2E_PASO ($E2E_PASO_NOMBRE): /$1/"; return 0; }
        sleep 0.1
    done
    e2e_error "paso $E2E_PASO ($E2E_PASO_NOMBRE): no llegó /$1/"
    lineas_del_paso | sed 's/^/    /' >&2
    return 1
}

# What Orca says: the text of each "SPEECH OUTPUT" line of its log.
lo_dicho() { sed -n "s/^[0-9:.]* - SPEECH OUTPUT: '\([^']*\)'\{0,1\}.*/\1/p"; }

# Orca started on a screen with the reader's switch on, its speech read from
# its log as the stream of the steps.
e2e_orca_escuchando() {
    # Orca refuses to start beside another Orca of the same user.
    pgrep -u "$(id -u)" -x orca >/dev/null && e2e_omitir "ya hay un Orca de este usuario en marcha"
    e2e_pantalla_con_lector
    E2E_FLUJO="$E2E_DIR/orca.log" E2E_FILTRO=lo_dicho
    : >"$E2E_FLUJO"
    mkdir "$E2E_DIR/orca"
    e2e_ayudante "$E2E_FLUJO" "SPEECH OUTPUT: 'Screen reader on" "${ATSPI[@]}" orca "$E2E_FLUJO" "$E2E_DIR/orca"
}
