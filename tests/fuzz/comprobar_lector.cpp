// The reader's property on any bytes: a refusal with its reason, or a sample
// that loads and survives saving and reading back unchanged.
#include "comprobar_lector.h"

#include "dato.h"
#include "datos.h"
#include "libro.h"

#include <QBuffer>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace rectaviva::prueba {
namespace {

// The formats of "Guardar datos…".
constexpr struct {
    Separador separador;
    MarcaDecimal decimal;
    const char* nombre;
} kFormatos[] = {{Separador::PuntoYComa, MarcaDecimal::Coma, "«;» y coma decimal"},
                 {Separador::Coma, MarcaDecimal::Punto, "«,» y punto decimal"},
                 {Separador::Tabulador, MarcaDecimal::Coma, "tabulador y coma decimal"},
                 {Separador::Tabulador, MarcaDecimal::Punto, "tabulador y punto decimal"}};

// What a saved file keeps of a loaded sample.
struct Guardado {
    std::vector<std::string> x, y;
    std::vector<Byte> activo;
    std::string nombreX, nombreY;
    bool operator==(const Guardado&) const = default;
};

Guardado guardado(const Globales& g) {
    Guardado r{{}, {}, {}, g.nombreX, g.nombreY};
    for (Integer k = 1; k <= g.nPuntos; ++k) {
        r.x.push_back(textoValor(g, k, true));
        r.y.push_back(textoValor(g, k, false));
        r.activo.push_back(g.activo(k));
    }
    return r;
}

std::string diferencia(const Guardado& a, const Guardado& b) {
    if (a.nombreX != b.nombreX || a.nombreY != b.nombreY) {
        return "the names «" + a.nombreX + "», «" + a.nombreY + "» read back as «" + b.nombreX +
               "», «" + b.nombreY + "»";
    }
    for (std::size_t k = 0; k < std::min(a.x.size(), b.x.size()); ++k) {
        if (a.x[k] != b.x[k] || a.y[k] != b.y[k]) {
            return "point " + std::to_string(k + 1) + " (" + a.x[k] + ", " + a.y[k] +
                   ") reads back as (" + b.x[k] + ", " + b.y[k] + ")";
        }
    }
    return a.activo != b.activo ? "the points in use change" : "the number of points changes";
}

// Loaded into a fresh state as the window loads it: empty when it holds.
std::string cargar(const MuestraDatos& m, Globales& g) {
    if (!cargarMuestra(g, m)) {
        return "cargarMuestra refuses the sample that the dialog accepts";
    }
    if (g.nPuntos < minActivos || g.nPuntos > maxPuntosDatos || g.nActivos < minActivos) {
        return "the sample has " + std::to_string(g.nPuntos) + " points, " +
               std::to_string(g.nActivos) + " in use";
    }
    for (Integer k = 1; k <= g.nPuntos; ++k) {
        if (!std::isfinite(g.xObs(k)) || !std::isfinite(g.yObs(k)) || !std::isfinite(g.xDato(k)) ||
            !std::isfinite(g.yDato(k))) {
            return "point " + std::to_string(k) + " is not finite";
        }
    }
    const bool plano = std::isfinite(g.xMin) && std::isfinite(g.xMax) && std::isfinite(g.yMin) &&
                       std::isfinite(g.yMax) && g.xMin < g.xMax && g.yMin < g.yMax;
    return plano ? "" : "the plot's range is empty or not finite";
}

} // namespace

bool leerComoElDialogo(std::string_view bytes, MuestraDatos& muestra, std::string& mensaje) {
    std::string texto;
    Mensaje motivo, aviso;
    if (!aTexto(bytes, texto, motivo)) {
        mensaje = motivo.texto();
        return false;
    }
    const OpcionesLectura o = adivinar(texto, aviso);
    const Tabla t = partir(texto, o);
    const std::vector<int> ofrecidas = columnasOfrecidas(t, o.decimal);
    const int cx = ofrecidas.empty() ? 0 : ofrecidas[0];
    const int cy =
        ofrecidas.empty() ? 1 : ofrecidas[std::min<std::size_t>(1, ofrecidas.size() - 1)];
    Datos d;
    if (cx == cy && t.columnas >= 2) {
        mensaje = "Elija dos columnas distintas para x y para y.";
        return false;
    }
    if (!leerColumnas(t, cx, cy, o.decimal, d, motivo)) {
        mensaje = motivo.texto();
        return false;
    }
    muestra = MuestraDatos{d.x,       d.y,       d.activo,     std::string(),
                           d.nombreX, d.nombreY, d.decimalesX, d.decimalesY};
    return true;
}

std::string comprobarLector(std::string_view bytes) {
    // A book: refused with a reason, or each of its sheets as a table.
    static int enLibro = 0;
    if (enLibro == 0 && esLibro(bytes, "")) {
        QBuffer b;
        b.setData(bytes.data(), static_cast<qsizetype>(bytes.size()));
        b.open(QIODevice::ReadOnly);
        std::vector<HojaLibro> hojas;
        Mensaje motivo;
        if (!leerLibro(b, hojas, motivo)) {
            return motivo.vacio() ? "the book is refused without a reason" : "";
        }
        ++enLibro;
        std::string fallo;
        for (std::size_t i = 0; i < hojas.size() && fallo.empty(); ++i) {
            if (const std::string f = comprobarLector(hojas[i].texto); !f.empty()) {
                fallo = "sheet «" + hojas[i].nombre + "»: " + f;
            }
        }
        --enLibro;
        return fallo;
    }
    MuestraDatos m;
    std::string mensaje;
    if (!leerComoElDialogo(bytes, m, mensaje)) {
        return mensaje.empty() ? "refused without a reason" : "";
    }
    const auto g = std::make_unique<Globales>();
    if (std::string fallo = cargar(m, *g); !fallo.empty()) {
        return fallo;
    }
    const Guardado antes = guardado(*g);
    for (const auto& f : kFormatos) {
        const std::string csv = escribirCsv(antes.x, antes.y, antes.activo, antes.nombreX,
                                            antes.nombreY, f.separador, f.decimal);
        const std::string donde = std::string("saved with ") + f.nombre + ":\n" + csv + "\n";
        MuestraDatos otra;
        if (!leerComoElDialogo(csv, otra, mensaje)) {
            return donde + "is refused: " + mensaje;
        }
        const auto h = std::make_unique<Globales>();
        if (std::string fallo = cargar(otra, *h); !fallo.empty()) {
            return donde + fallo;
        }
        if (const Guardado despues = guardado(*h); !(despues == antes)) {
            return donde + diferencia(antes, despues);
        }
    }
    return "";
}

} // namespace rectaviva::prueba
