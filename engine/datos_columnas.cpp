// The table's columns: those that hold numbers, the two the dialog offers
// first, and two of them read as a sample, with the reason of a refusal and a
// warning for a number the program cannot keep as written.
#include "datos_privado.h"
#include "escala.h"

#include <cmath>

namespace rectaviva {

using namespace lector;

namespace {

// The most characters of a field quoted in a message.
constexpr std::size_t kMaxCita = 40;

// The warning on the first number read rounded: more digits than a double
// holds, or too small for one; alone, with one other, or with %5 others.
constexpr Plantilla kRedondeado[2][3] = {
    {MENSAJE("datos", "Línea %1, columna %2: «%3» tiene más cifras de las que el programa "
                      "guarda; se lee como %4."),
     MENSAJE("datos", "Línea %1, columna %2: «%3» tiene más cifras de las que el programa "
                      "guarda; se lee como %4. Otro número se lee redondeado también."),
     MENSAJE("datos", "Línea %1, columna %2: «%3» tiene más cifras de las que el programa "
                      "guarda; se lee como %4. Otros %5 números se leen redondeados también.")},
    {MENSAJE("datos", "Línea %1, columna %2: «%3» es más pequeño de lo que el programa guarda; "
                      "se lee como %4."),
     MENSAJE("datos", "Línea %1, columna %2: «%3» es más pequeño de lo que el programa guarda; "
                      "se lee como %4. Otro número se lee redondeado también."),
     MENSAJE("datos", "Línea %1, columna %2: «%3» es más pequeño de lo que el programa guarda; "
                      "se lee como %4. Otros %5 números se leen redondeados también.")},
};

} // namespace

// Every field is read once: a column stays numeric while all of its fields so
// far are numbers.
std::vector<int> columnasNumericas(const Tabla& t, MarcaDecimal d) {
    const auto n = static_cast<std::size_t>(std::max(t.columnas, 0));
    std::vector<char> alguno(n, 0), todos(n, 1);
    for (std::size_t k = 0; k < t.filas(); ++k) {
        for (std::size_t c = 0; c < t.camposEn(k) && c < n; ++c) {
            const std::string_view f = t.campo(k, int(c));
            if (!f.empty() && todos[c]) {
                alguno[c] = 1;
                todos[c] = pareceNumero(f, d);
            }
        }
    }
    std::vector<int> r;
    for (std::size_t c = 0; c < n; ++c) {
        if (alguno[c] && todos[c] && !esEnUso(t.nombre(int(c)))) {
            r.push_back(int(c));
        }
    }
    return r;
}

std::vector<int> columnasOfrecidas(const Tabla& t, MarcaDecimal d) {
    std::vector<int> r = columnasNumericas(t, d);
    if (r.size() < 2) {
        r.clear();
        for (int c = 0; c < std::min(t.columnas, 2); ++c) {
            r.push_back(c);
        }
    }
    return r;
}

bool leerColumnas(const Tabla& t, int colX, int colY, MarcaDecimal d, Datos& datos,
                  Mensaje& mensaje) {
    const auto campo = [&](std::size_t k, int c) { return t.campo(k, c); };
    // A message on field c of row k: its line, column and text are %1, %2, %3.
    const auto sobre = [&](Plantilla p, std::size_t k, int c) {
        return Mensaje{
            p,
            {std::to_string(t.lineas[k]), std::to_string(c + 1), acortar(campo(k, c), kMaxCita)}};
    };
    bool hayNumero = false;
    for (std::size_t k = 0; k < t.filas() && !hayNumero; ++k) {
        for (std::size_t c = 0; c < t.camposEn(k) && !hayNumero; ++c) {
            hayNumero = pareceNumero(campo(k, int(c)), d);
        }
    }
    if (!hayNumero) {
        mensaje = {MENSAJE("datos", "No hay números en el texto."), {}};
        return false;
    }
    if (t.columnas < 2) {
        mensaje = {MENSAJE("datos", "Los datos tienen una sola columna; hacen falta dos (x e y)."),
                   {}};
        return false;
    }
    if (colX < 0 || colY < 0 || colX >= t.columnas || colY >= t.columnas) {
        mensaje = {MENSAJE("datos", "La columna elegida no está en los datos."), {}};
        return false;
    }
    int enUso = -1;
    for (int c = 0; c < t.columnas; ++c) {
        if (c != colX && c != colY && esEnUso(t.nombre(c))) {
            enUso = c;
        }
    }
    std::size_t completas = 0;
    for (std::size_t k = 0; k < t.filas(); ++k) {
        completas += !campo(k, colX).empty() && !campo(k, colY).empty();
    }
    if (completas > std::size_t(maxPuntosDatos)) {
        mensaje = {MENSAJE("datos", "El programa admite hasta 50 puntos; los datos tienen %1"),
                   {std::to_string(completas)}};
        return false;
    }

    Datos r;
    int redondeados = 0;
    std::size_t pequeno = 0; ///< the first number rounded is too small, not too long
    for (std::size_t k = 0; k < t.filas(); ++k) {
        if (campo(k, colX).empty() || campo(k, colY).empty()) {
            ++r.omitidas;
            continue;
        }
        Lectura l[2];
        for (int j = 0; j < 2; ++j) {
            const int c = j == 0 ? colX : colY;
            l[j] = analizar(campo(k, c), d);
            if (l[j].estado != Estado::Numero) {
                mensaje = sobre(
                    l[j].estado == Estado::NoFinito
                        ? MENSAJE("datos", "línea %1, columna %2: «%3» no es un número finito")
                        : MENSAJE("datos", "línea %1, columna %2: «%3» no es un número"),
                    k, c);
                return false;
            }
            if (!(std::fabs(l[j].valor) <= kMayorValor)) {
                mensaje = sobre(MENSAJE("datos", "línea %1, columna %2: «%3» pasa de 10¹⁵, el "
                                                 "mayor valor que el programa lee"),
                                k, c);
                return false;
            }
            // The first number that is not kept as written is named, so that
            // nothing is rounded unsaid.
            if (!esExacta(l[j]) && redondeados++ == 0) {
                const double v = l[j].valor;
                pequeno = v != 0 ? 0 : 1;
                r.aviso = sobre(kRedondeado[pequeno][0], k, c);
                r.aviso.valores.push_back(textoExacto(v, d == MarcaDecimal::Coma ? "," : "."));
            }
        }
        Byte a = 1;
        if (enUso >= 0 && !campo(k, enUso).empty()) {
            const Lectura u = analizar(campo(k, enUso), d);
            if (u.estado != Estado::Numero || (u.valor != 0 && u.valor != 1)) {
                mensaje =
                    sobre(MENSAJE("datos", "línea %1, columna %2: «%3» no es 1 ni 0"), k, enUso);
                return false;
            }
            a = u.valor == 1 ? 1 : 0;
        }
        r.x.push_back(l[0].valor);
        r.y.push_back(l[1].valor);
        r.activo.push_back(a);
        r.decimalesX = std::max(r.decimalesX, l[0].decimales);
        r.decimalesY = std::max(r.decimalesY, l[1].decimales);
    }
    if (redondeados >= 2) {
        r.aviso.plantilla = kRedondeado[pequeno][redondeados == 2 ? 1 : 2];
        if (redondeados > 2) {
            r.aviso.valores.push_back(std::to_string(redondeados - 1));
        }
    }
    if (completas < std::size_t(minActivos)) {
        mensaje = {MENSAJE("datos", "Hacen falta al menos 3 filas completas; hay %1."),
                   {std::to_string(completas)}};
        return false;
    }
    const auto activos = std::count(r.activo.begin(), r.activo.end(), Byte{1});
    if (activos < minActivos) {
        mensaje = {MENSAJE("datos", "Hacen falta al menos 3 puntos en uso; los datos marcan %1."),
                   {std::to_string(activos)}};
        return false;
    }
    for (const auto* v : {&r.x, &r.y}) {
        const auto [lo, hi] = std::minmax_element(v->begin(), v->end());
        if (!rangoDibujable(*lo, *hi)) {
            mensaje = {MENSAJE("datos", "Los valores de la columna %1 están demasiado juntos: el "
                                        "gráfico no puede separarlos."),
                       {std::to_string((v == &r.x ? colX : colY) + 1)}};
            return false;
        }
    }
    const auto nombre = [&](int c, const char* otro) {
        return std::string(t.nombre(c).empty() ? otro : t.nombre(c));
    };
    r.nombreX = nombre(colX, "x");
    r.nombreY = nombre(colY, "y");
    datos = std::move(r);
    mensaje = {};
    return true;
}

} // namespace rectaviva
