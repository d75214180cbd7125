// The table's columns: those that hold numbers, the two the dialog offers
// first, and two of them read as a sample, with the reason of a refusal and a
// warning for a number the program cannot keep as written.
#include "datos_privado.h"
#include "escala.h"

#include <cmath>
#include <optional>

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

bool esMarcaDeFalta(std::string_view campo) {
    for (const std::string_view m : {"NA", "N/A", "NaN", "n/d", ".", "-", "?"}) {
        if (igualesSinMayusculas(campo, m)) {
            return true;
        }
    }
    return false;
}

// Every field is read once, for its form only: numbers and other texts are
// counted per column.
std::vector<int> columnasNumericas(const Tabla& t, MarcaDecimal d) {
    const auto n = static_cast<std::size_t>(std::max(t.columnas, 0));
    std::vector<std::size_t> numeros(n, 0), textos(n, 0);
    for (std::size_t k = 0; k < t.filas(); ++k) {
        for (std::size_t c = 0; c < t.camposEn(k) && c < n; ++c) {
            const std::string_view f = t.campo(k, int(c));
            if (!f.empty() && !esMarcaDeFalta(f)) {
                ++(pareceNumero(f, d) ? numeros[c] : textos[c]);
            }
        }
    }
    std::vector<int> r;
    for (std::size_t c = 0; c < n; ++c) {
        if (numeros[c] > textos[c] && !esEnUso(t.nombre(int(c)))) {
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
    Datos r;
    r.columnaX = colX;
    r.columnaY = colY;
    r.filasDatos = static_cast<int>(t.filas());
    std::size_t conNumeros = 0;
    std::optional<Mensaje> texto; ///< the first text left out
    int redondeados = 0;
    std::size_t pequeno = 0; ///< the first number rounded is too small, not too long
    for (std::size_t k = 0; k < t.filas(); ++k) {
        const int c[2] = {colX, colY};
        const std::string_view f[2] = {campo(k, colX), campo(k, colY)};
        if (f[0].empty() || f[1].empty() || esMarcaDeFalta(f[0]) || esMarcaDeFalta(f[1])) {
            ++r.omitidas;
            continue;
        }
        Lectura l[2] = {analizar(f[0], d), analizar(f[1], d)};
        for (int j = 0; j < 2; ++j) {
            if (l[j].estado == Estado::NoFinito) {
                mensaje = sobre(
                    MENSAJE("datos", "línea %1, columna %2: «%3» no es un número finito"), k, c[j]);
                return false;
            }
        }
        if (l[0].estado != Estado::Numero || l[1].estado != Estado::Numero) {
            if (!texto) {
                texto = sobre(MENSAJE("datos", "línea %1, columna %2: «%3» no es un número"), k,
                              c[l[0].estado != Estado::Numero ? 0 : 1]);
            }
            ++r.omitidas;
            continue;
        }
        // Past the limit the rows are only counted, for the message.
        if (++conNumeros > std::size_t(maxFilasDatos)) {
            continue;
        }
        for (int j = 0; j < 2; ++j) {
            if (!(std::fabs(l[j].valor) <= kMayorValor)) {
                mensaje = sobre(MENSAJE("datos", "línea %1, columna %2: «%3» pasa de 10¹⁵, el "
                                                 "mayor valor que el programa lee"),
                                k, c[j]);
                return false;
            }
            // The first number that is not kept as written is named, so that
            // nothing is rounded unsaid.
            if (!esExacta(l[j]) && redondeados++ == 0) {
                const double v = l[j].valor;
                pequeno = v != 0 ? 0 : 1;
                r.aviso = sobre(kRedondeado[pequeno][0], k, c[j]);
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
        r.filas.push_back(static_cast<int>(k) + 1);
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
    if (conNumeros > std::size_t(maxFilasDatos)) {
        mensaje = {MENSAJE("datos", "Los datos tienen %1 filas con números; el programa lee hasta "
                                    "100 000. Guarde en otro archivo solo una parte de las filas "
                                    "y ábralo."),
                   {std::to_string(conNumeros)}};
        return false;
    }
    if (conNumeros < std::size_t(minActivos) && texto) {
        mensaje = *texto;
        return false;
    }
    if (!comprobarPuntos(r, mensaje)) {
        return false;
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

// Shared with elegirFilas: enough points, in use, on a plot that separates them.
bool lector::comprobarPuntos(const Datos& r, Mensaje& mensaje) {
    if (r.x.size() < std::size_t(minActivos)) {
        mensaje = {MENSAJE("datos", "Hacen falta al menos 3 filas completas; hay %1."),
                   {std::to_string(r.x.size())}};
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
                       {std::to_string((v == &r.x ? r.columnaX : r.columnaY) + 1)}};
            return false;
        }
    }
    return true;
}

} // namespace rectaviva
