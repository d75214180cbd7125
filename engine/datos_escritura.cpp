// The sample written back as CSV, each number as the text it was read with,
// quoted where a reader could take it otherwise.
#include "datos_privado.h"

namespace rectaviva {

using lector::caracter;
using lector::esBlanco;

namespace {

// U+FEFF in UTF-8: at the start of a file, a reader takes it for the file's
// byte-order mark and drops it, so a name that begins with it is quoted.
constexpr std::string_view kMarcaDeOrden = "\xEF\xBB\xBF";

} // namespace

std::string escribirCsv(const std::vector<std::string>& x, const std::vector<std::string>& y,
                        const std::vector<Byte>& activo, const std::string& nombreX,
                        const std::string& nombreY, Separador s, MarcaDecimal d) {
    return escribirCsv({{nombreX, x}, {nombreY, y}}, activo, s, d);
}

std::string escribirCsv(const std::vector<ColumnaCsv>& columnas, const std::vector<Byte>& activo,
                        Separador s, MarcaDecimal d) {
    const char sep = caracter(s);
    const auto campo = [&](std::string v) {
        std::replace(v.begin(), v.end(), '\r', ' ');
        std::replace(v.begin(), v.end(), '\n', ' ');
        const bool citar = v.empty() || v.find('"') != std::string::npos ||
                           (s == Separador::Espacios ? std::any_of(v.begin(), v.end(), esBlanco)
                                                     : v.find(sep) != std::string::npos) ||
                           esBlanco(v.front()) || esBlanco(v.back()) ||
                           v.starts_with(kMarcaDeOrden);
        if (!citar) {
            return v;
        }
        std::string c = "\"";
        for (const char ch : v) {
            c += ch == '"' ? "\"\"" : std::string(1, ch);
        }
        return c + '"';
    };
    const auto numero = [&](std::string v) {
        if (d == MarcaDecimal::Coma) {
            std::replace(v.begin(), v.end(), '.', ',');
        }
        return campo(std::move(v));
    };
    std::string r;
    std::size_t n = columnas.empty() ? 0 : columnas.front().valores.size();
    for (const ColumnaCsv& c : columnas) {
        r += campo(c.nombre) + sep;
        n = std::min(n, c.valores.size());
    }
    r += "en_uso\n";
    for (std::size_t k = 0; k < n; ++k) {
        for (const ColumnaCsv& c : columnas) {
            r += numero(c.valores[k]) + sep;
        }
        const bool eliminado = k < activo.size() && activo[k] == 0;
        r += std::string(1, eliminado ? '0' : '1') + '\n';
    }
    return r;
}

} // namespace rectaviva
