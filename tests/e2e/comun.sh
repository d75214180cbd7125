# Shared helpers of the end-to-end scripts: a private X server, the program
# started on it, screenshots, and pixel queries on them. Sourced by bash.
#
# Every coordinate here is a screen pixel of the 1024 x 768 virtual screen;
# every colour an exact "r g b" triple unless a helper says otherwise.

E2E_OMITIR=77

e2e_fallo() {
    echo "FALLO: $*" >&2
    if [ -n "${E2E_DIR:-}" ]; then
        echo "capturas en $E2E_DIR" >&2
        E2E_CONSERVAR=1
    fi
    exit 1
}

e2e_ok() {
    echo "ok: $*"
}

# A failed check after which the script can go on: reported now, and the
# script ends with a failure status at e2e_terminar.
E2E_ERRORES=0
e2e_error() {
    echo "FALLO: $*" >&2
    E2E_ERRORES=$((E2E_ERRORES + 1))
    E2E_CONSERVAR=1
}

e2e_terminar() {
    if [ "$E2E_ERRORES" -gt 0 ]; then
        echo "$E2E_ERRORES comprobaciones fallidas; capturas en $E2E_DIR" >&2
        exit 1
    fi
    exit 0
}

# Skips the test (CTest SKIP_RETURN_CODE) for the reason $1; under CI
# (CI=true), where scripts/instalar-dependencias installed everything, it fails.
e2e_omitir() {
    [ "${CI:-}" = true ] && e2e_fallo "$1"
    echo "SKIP: $1"
    exit "$E2E_OMITIR"
}

# Skips the test when a tool the script needs is missing.
e2e_requiere() {
    local falta=""
    for herramienta in "$@"; do
        command -v "$herramienta" >/dev/null 2>&1 || falta="$falta $herramienta"
    done
    if [ -n "$falta" ]; then
        e2e_omitir "faltan$falta (scripts/instalar-dependencias los instala)"
    fi
}

# Ends child process $1: TERM, then KILL if after 5 s it has not ended (as
# a child that ended, it stays a zombie, Z, until waited for).
e2e_acabar() {
    kill "$1" 2>/dev/null
    for _ in $(seq 50); do
        case "$(ps -o stat= -p "$1")" in "" | Z*) break ;; esac
        sleep 0.1
    done
    kill -9 "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}

# Ends the helpers, the program and its X server, so that they can start
# again.
e2e_detener() {
    for pid in ${E2E_PID_AYUDANTES:-}; do
        e2e_acabar "$pid"
    done
    E2E_PID_AYUDANTES=""
    if [ -n "${E2E_PID_PROGRAMA:-}" ]; then
        kill "$E2E_PID_PROGRAMA" 2>/dev/null
        wait "$E2E_PID_PROGRAMA" 2>/dev/null
    fi
    if [ -n "${E2E_PID_XVFB:-}" ]; then
        kill "$E2E_PID_XVFB" 2>/dev/null
        wait "$E2E_PID_XVFB" 2>/dev/null
    fi
    E2E_PID_PROGRAMA="" E2E_PID_XVFB=""
}

e2e_limpiar() {
    e2e_detener
    [ -z "${E2E_SESION:-}" ] || echo "todo detenido a los $SECONDS s"
    if [ -n "${E2E_DIR:-}" ] && [ -z "${E2E_CONSERVAR:-}" ]; then
        rm -rf "$E2E_DIR"
    fi
}

# A working directory for screenshots; kept when the test fails. Inside a
# private session (lector.sh) it is the session's own.
e2e_preparar() {
    E2E_DIR=${E2E_SESION:-$(mktemp -d "${TMPDIR:-/tmp}/rectaviva-e2e.XXXXXX")}
    trap e2e_limpiar EXIT
    trap 'exit 2' INT TERM
}

# What the Debian package installs: these files and nothing else (no tests,
# no benchmarks).
E2E_ARCHIVOS_PAQUETE="usr/bin/rectaviva
usr/share/applications/io.github.rectaviva.Rectaviva.desktop
usr/share/doc/rectaviva/changelog.gz
usr/share/doc/rectaviva/copyright
usr/share/icons/hicolor/scalable/apps/io.github.rectaviva.Rectaviva.svg
usr/share/metainfo/io.github.rectaviva.Rectaviva.metainfo.xml"

# Unpacks a Debian package into $E2E_DIR/raiz, as dpkg would install it
# under /, and checks its list of files; the program it installs is then
# $E2E_DIR/raiz/usr/bin/rectaviva.
e2e_desempaquetar() {
    local archivos
    dpkg-deb -x "$1" "$E2E_DIR/raiz" || e2e_fallo "no se pudo desempaquetar $1"
    archivos=$(cd "$E2E_DIR/raiz" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
    [ "$archivos" = "$E2E_ARCHIVOS_PAQUETE" ] ||
        e2e_fallo "el paquete instala otros archivos:$(diff <(echo "$E2E_ARCHIVOS_PAQUETE") <(echo "$archivos"))"
    [ -x "$E2E_DIR/raiz/usr/bin/rectaviva" ] || e2e_fallo "el programa instalado no es ejecutable"
    e2e_ok "el paquete instala sus $(echo "$archivos" | wc -l) archivos"
}

# Starts Xvfb on a display number it picks itself (-displayfd), so parallel
# runs never clash, and waits until it accepts connections. -noreset: by
# default the server resets when its last client leaves, and a program that
# connects during that reset is refused. $1: another size than 1024x768.
e2e_iniciar_pantalla() {
    local archivo="$E2E_DIR/pantalla"
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -dpi 96 -nolisten tcp -noreset \
        3>"$archivo" >"$E2E_DIR/xvfb.log" 2>&1 &
    E2E_PID_XVFB=$!
    for _ in $(seq 100); do
        if [ -s "$archivo" ]; then
            DISPLAY=":$(head -n1 "$archivo")"
            export DISPLAY
            if xdotool getdisplaygeometry >/dev/null 2>&1; then
                return 0
            fi
        fi
        kill -0 "$E2E_PID_XVFB" 2>/dev/null || break
        sleep 0.1
    done
    cat "$E2E_DIR/xvfb.log" >&2
    e2e_fallo "Xvfb no arrancó"
}

# Starts the program on the private display and waits until its window
# "Form1" is mapped and painted (two equal screenshots in a row). Its
# settings are its own and its language is E2E_IDIOMA (Spanish unless
# given), whatever the user chose elsewhere or the machine's locale says.
e2e_iniciar_programa() {
    local programa="$1"
    mkdir -p "$E2E_DIR/runtime"
    chmod 700 "$E2E_DIR/runtime"
    env -u WAYLAND_DISPLAY -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS \
        -u QT_AUTO_SCREEN_SCALE_FACTOR QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$E2E_DIR/runtime" \
        XDG_CONFIG_HOME="$E2E_DIR/config" LANGUAGE="${E2E_IDIOMA:-es}" \
        "$programa" >"$E2E_DIR/programa.out" 2>"$E2E_DIR/programa.err" &
    E2E_PID_PROGRAMA=$!
    for _ in $(seq 100); do
        if xdotool search --onlyvisible --name '^Form1$' >/dev/null 2>&1; then
            e2e_esperar_quieto
            return 0
        fi
        kill -0 "$E2E_PID_PROGRAMA" 2>/dev/null || break
        sleep 0.1
    done
    cat "$E2E_DIR/programa.err" >&2
    e2e_fallo "la ventana Form1 no apareció"
}

e2e_programa_vivo() {
    kill -0 "$E2E_PID_PROGRAMA" 2>/dev/null || {
        cat "$E2E_DIR/programa.err" >&2
        e2e_fallo "el programa terminó: $*"
    }
}

# Screenshot of the whole screen into $E2E_DIR/<name>.png; prints the path.
e2e_captura() {
    local archivo="$E2E_DIR/$1.png"
    import -window root "$archivo" || e2e_fallo "no se pudo capturar la pantalla"
    echo "$archivo"
}

# Waits until the screen stops changing: two screenshots 0.25 s apart with
# the same pixels (at most about 6 s).
e2e_esperar_quieto() {
    local antes="" ahora
    for _ in $(seq 20); do
        ahora=$(import -window root rgb:- 2>/dev/null | md5sum)
        [ "$ahora" = "$antes" ] && return 0
        antes="$ahora"
        sleep 0.25
    done
    return 0
}

# Prints "x y r g b" for every pixel of a rectangle, in screen coordinates.
e2e_pixeles() {
    local img="$1" x="$2" y="$3" w="$4" h="$5"
    convert "$img" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 txt:- |
        awk -F'[(),: ]+' -v ox="$x" -v oy="$y" 'NR > 1 { print $1 + ox, $2 + oy, $3, $4, $5 }'
}

# A black and white picture of a rectangle: white where the pixel has
# exactly colour r g b. Written to stdout as MIFF for the next convert.
e2e_mascara() {
    local img="$1" r="$2" g="$3" b="$4" x="$5" y="$6" w="$7" h="$8"
    convert "$img" -crop "${w}x${h}+${x}+${y}" +repage -alpha off \
        -fill black +opaque "rgb($r,$g,$b)" -fill white -opaque "rgb($r,$g,$b)" miff:-
}

# Number of pixels of exactly colour r g b in a rectangle.
e2e_contar() {
    e2e_mascara "$@" | convert miff:- -format %c histogram:info:- |
        awk '/#FFFFFF/ { n = $1 + 0 } END { print n + 0 }'
}

# Connected groups (8-neighbourhood) of pixels of colour r g b in a
# rectangle, one line each: "cx cy n x0 y0 x1 y1" (centre rounded to whole
# pixels, pixel count, inclusive bounding box). Markers are found this way.
e2e_grupos() {
    local x="$5" y="$6"
    e2e_mascara "$@" |
        convert miff:- -define connected-components:verbose=true -connected-components 8 null: |
        awk -F'[ :x+,]+' -v ox="$x" -v oy="$y" '
            /srgb\(255,255,255\)/ {
                printf "%d %d %d %d %d %d %d\n", $7 + ox + 0.5, $8 + oy + 0.5, $9,
                    $5 + ox, $6 + oy, $5 + ox + $3 - 1, $6 + oy + $4 - 1
            }' | sort -n -k2 -k1
}

# Bounding box "x0 y0 x1 y1" (inclusive) of colour r g b in a rectangle
# (the whole screen when none is given); empty when the colour is absent.
e2e_caja() {
    e2e_grupos "$1" "$2" "$3" "$4" "${5:-0}" "${6:-0}" "${7:-1024}" "${8:-768}" | awk '
        {
            if (!n || $4 < x0) x0 = $4; if (!n || $6 > x1) x1 = $6
            if (!n || $5 < y0) y0 = $5; if (!n || $7 > y1) y1 = $7
            n++
        }
        END { if (n) print x0, y0, x1, y1 }'
}

# Mean position of the pixels of colour r g b in a rectangle: "mx my n".
e2e_centro() {
    e2e_grupos "$@" | awk '
        { sx += $1 * $3; sy += $2 * $3; n += $3 }
        END { if (n) printf "%.2f %.2f %d\n", sx / n, sy / n, n; else print "0 0 0" }'
}

# The rows of printed text in a rectangle of background colour r g b: one
# line "y0 y1" per horizontal band of pixels that differ from the background.
e2e_bandas() {
    local img="$1" r="$2" g="$3" b="$4" x="$5" y="$6" w="$7" h="$8"
    convert "$img" -crop "${w}x${h}+${x}+${y}" +repage -alpha off -fill "rgb(1,1,1)" -opaque black \
        -fuzz 3% -fill black -opaque "rgb($r,$g,$b)" -fuzz 0 -fill white +opaque black \
        -colorspace gray -scale "1x${h}!" -depth 16 txt:- |
        awk -F'[(),: ]+' -v y0="$y" '
            NR > 1 {
                fila = $2 + y0; tinta = ($3 + 0 > 0)
                if (tinta && !dentro) { ini = fila; dentro = 1 }
                if (!tinta && dentro) { print ini, fila - 1; dentro = 0 }
                ultima = fila
            }
            END { if (dentro) print ini, ultima }'
}

# The text colour of the glyph pixels in a band of a box whose background is
# r g b: counts of pixels that lean to black, to grey (180,180,180) and to
# green (0,200,0), as "negro gris verde". Small type is antialiased, so no
# glyph pixel has the pure colour; the direction of the blend tells them apart.
e2e_tinta() {
    local img="$1" r="$2" g="$3" b="$4" x="$5" y="$6" w="$7" h="$8"
    e2e_pixeles "$img" "$x" "$y" "$w" "$h" |
        awk -v r="$r" -v g="$g" -v b="$b" '
            {
                dr = $3 - r; dg = $4 - g; db = $5 - b
                if (dr * dr + dg * dg + db * db <= 400) next
                if (db > 20 && dg > 20) gris++
                else if (dg > 20 && db <= 20) verde++
                else if (dr < -20 && dg <= 0 && db <= 20) negro++
            }
            END { print negro + 0, gris + 0, verde + 0 }'
}

# The pixels of a rectangle as one checksum, to tell whether it changed.
e2e_huella() {
    local img="$1" x="$2" y="$3" w="$4" h="$5"
    convert "$img" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 rgb:- | md5sum | cut -d' ' -f1
}

# Geometry of the plot (Picture1) from a screenshot: the bounding box of
# its background colour, "x0 y0 x1 y1".
E2E_FONDO_PLANO="255 214 120"
e2e_plano() {
    # shellcheck disable=SC2086
    e2e_caja "$1" $E2E_FONDO_PLANO 0 0 520 768
}

# The centre "x y" of tool icon k (0..9) in the yellow strip under the plot,
# whose icons are 16 px apart; nothing when the strip is not seen.
e2e_herramienta() {
    local img="$1" k="$2" plano tira
    plano=$(e2e_plano "$img")
    [ -n "$plano" ] || return 0
    # shellcheck disable=SC2086
    set -- $plano
    tira=$(e2e_caja "$img" 255 255 0 "$1" $(($4 + 1)) $(($3 - $1 + 1)) 40)
    [ -n "$tira" ] || return 0
    # shellcheck disable=SC2086
    set -- $tira
    echo $(($1 + 1 + k * 16 + 8)) $((($2 + $4) / 2))
}

# The box "x0 y0 x1 y1" around every marker, blue (in use) and grey
# (deleted), inside a rectangle of the screen (the plot). Its sides follow
# the outermost points, whatever markers overlap on the way.
e2e_nube() {
    local img="$1" x="$2" y="$3" w="$4" h="$5"
    { e2e_grupos "$img" 0 0 220 "$x" "$y" "$w" "$h"; e2e_grupos "$img" 180 180 180 "$x" "$y" "$w" "$h"; } |
        awk '$3 >= 8 {
            if (!n || $4 < x0) x0 = $4; if (!n || $6 > x1) x1 = $6
            if (!n || $5 < y0) y0 = $5; if (!n || $7 > y1) y1 = $7
            n++
        }
        END { print x0, y0, x1, y1 }'
}

# Clicks entry $1 (1 "Generar", 2 "Ver") of the menu bar: the $1-th run of
# dark text pixels in the bar, runs more than 8 pixels apart.
e2e_menu() {
    local img caja
    img=$(e2e_captura barra)
    caja=$(e2e_pixeles "$img" 0 0 400 26 | awk -v e="$1" '
        $3 < 100 && $4 < 100 && $5 < 100 { x[$1] = 1; if (!n++ || $2 < y0) y0 = $2; if ($2 > y1) y1 = $2 }
        END {
            for (c = 0; c < 400; c++) if (c in x) { if (!k || c - u > 8) { k++; if (k == e) a = c }; u = c; if (k == e) b = c }
            if (a != "") print a + 0, b + 0, y0, y1
        }')
    [ -n "$caja" ] || e2e_fallo "no se ve la entrada $1 de la barra de menús"
    # shellcheck disable=SC2086
    set -- $caja
    xdotool mousemove $((($1 + $2) / 2)) $((($3 + $4) / 2)) click 1
    sleep 0.2
    e2e_esperar_quieto
}

e2e_generar() { e2e_menu 1; }

# Types the size $2 into the size entry, the topmost pink box of screenshot
# $1 right of x = $3, and presses Enter.
e2e_tamano() {
    local entrada
    entrada=$(e2e_grupos "$1" 255 120 120 "$3" 0 $((1024 - $3)) 768 |
        awk '$3 >= 100' | sort -n -k5 | head -n1)
    [ -n "$entrada" ] || e2e_fallo "no se ve la entrada del tamaño muestral"
    # shellcheck disable=SC2086
    set -- $entrada "$2"
    xdotool mousemove "$1" "$2" click 1
    sleep 0.2
    xdotool key ctrl+a
    xdotool type --delay 40 "$8"
    xdotool key Return
    sleep 0.2
    e2e_esperar_quieto
}
