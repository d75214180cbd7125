// A zip entry read as XML within the book's budget, and a sheet's cells
// written as tab-separated text.
#include "privado.h"

#include <quazip.h>
#include <quazipfile.h>

#include <algorithm>

namespace rectaviva::hojas {

namespace {

// The last row and column a sheet may have (1,048,576 rows, column XFD).
constexpr long long kUltimaFila = 1'048'575;
constexpr long long kUltimaColumna = 16'383;

// An entry's bytes as they unpack, stopped (as at an error) once the book's
// budget is spent.
class EntradaZip : public QIODevice {
public:
    EntradaZip(QuaZip& zip, Presupuesto& p) : archivo_(&zip), p_(p) {}
    bool abrir() { return archivo_.open(QIODevice::ReadOnly) && open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    bool bomba = false, danada = false;
    // Closed, with the zip's verdict on the checksum of what was read.
    void cerrar() {
        archivo_.close();
        danada = danada || archivo_.getZipError() != UNZ_OK;
    }

protected:
    qint64 readData(char* datos, qint64 n) override {
        const qint64 leidos = archivo_.read(datos, n);
        if (leidos < 0) {
            danada = true;
            return -1;
        }
        if (!p_.gastar(leidos)) {
            bomba = true;
            return -1;
        }
        return leidos;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QuaZipFile archivo_;
    Presupuesto& p_;
};

} // namespace

Fallo conXml(QuaZip& zip, Presupuesto& p, const QString& nombre, bool obligatoria,
             const std::function<Fallo(QXmlStreamReader&)>& leer) {
    if (!zip.setCurrentFile(nombre, QuaZip::csInsensitive)) {
        return obligatoria ? Fallo::SinLibro : Fallo::Ninguno;
    }
    EntradaZip entrada(zip, p);
    if (!entrada.abrir()) {
        return Fallo::Danado;
    }
    QXmlStreamReader x(&entrada);
    Fallo f = leer(x);
    if (entrada.bomba) {
        return Fallo::Bomba;
    }
    // A reader that stopped early leaves the rest unread and unchecked.
    if (f == Fallo::Ninguno && x.hasError()) {
        f = Fallo::Danado;
    }
    entrada.cerrar();
    return f == Fallo::Ninguno && entrada.danada && x.atEnd() ? Fallo::Danado : f;
}

std::string textoEntrada(QuaZip& zip, const QString& nombre, qint64 maximo) {
    if (!zip.setCurrentFile(nombre, QuaZip::csInsensitive)) {
        return {};
    }
    QuaZipFile archivo(&zip);
    if (!archivo.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = archivo.read(maximo + 1);
    return bytes.size() > maximo ? std::string() : bytes.toStdString();
}

QStringView atributo(const QXmlStreamAttributes& a, QStringView nombre) {
    for (const QXmlStreamAttribute& e : a) {
        if (e.name() == nombre) {
            return e.value();
        }
    }
    return {};
}

std::string utf8(QStringView s) {
    std::string r;
    r.reserve(static_cast<std::size_t>(s.size()));
    for (const QChar c : s) {
        if (c.unicode() >= 0x80) {
            return s.toUtf8().toStdString();
        }
        r += static_cast<char>(c.unicode());
    }
    return r;
}

Fallo EscritorHoja::celda(long long fila, long long columna, std::string_view valor, Clase clase) {
    if (valor.empty()) {
        return Fallo::Ninguno;
    }
    if (fila < 0 || columna < 0 || fila > kUltimaFila || columna > kUltimaColumna || fila < fila_ ||
        (fila == fila_ && columna <= columna_ && primera_ >= 0 && !vacia_)) {
        return Fallo::Danado;
    }
    std::string& t = hoja_.texto;
    const std::size_t antes = t.size();
    if (primera_ < 0 || fila > fila_) {
        if (++filas_ > kFilasHoja) {
            return Fallo::Filas;
        }
        t.append(static_cast<std::size_t>(fila - (primera_ < 0 ? 0 : fila_)), '\n');
        primera_ = primera_ < 0 ? fila : primera_;
        fila_ = fila;
        columna_ = 0;
        vacia_ = true;
    }
    t.append(static_cast<std::size_t>(columna - columna_), '\t');
    columna_ = columna;
    vacia_ = false;
    // Quoted as the reader of tables expects when it holds a tab, a quote or a
    // line break, with "" for each quote.
    if (valor.find_first_of("\t\"\n\r") == std::string_view::npos) {
        t += valor;
    } else {
        t += '"';
        for (const char c : valor) {
            t += c;
            if (c == '"') {
                t += '"';
            }
        }
        t += '"';
    }
    if (!p_.gastar(static_cast<long long>(t.size() - antes))) {
        return Fallo::Bomba;
    }
    if (numerica_.size() <= static_cast<std::size_t>(columna)) {
        numerica_.resize(static_cast<std::size_t>(columna) + 1, 0);
    }
    char& n = numerica_[static_cast<std::size_t>(columna)];
    if (clase == Clase::Numero) {
        n = n == 0 ? 1 : n;
    } else if (fila != primera_) {
        n = 2;
    }
    if (clase == Clase::Fecha && hoja_.nota.vacio()) {
        std::string letras;
        for (long long c = columna + 1; c > 0; c = (c - 1) / 26) {
            letras.insert(letras.begin(), static_cast<char>('A' + (c - 1) % 26));
        }
        hoja_.nota = {MENSAJE("hojas", "La hoja «%1» tiene fechas u horas (la primera en la fila "
                                       "%2, columna %3), que no se leen como números: sus "
                                       "columnas no se ofrecen para x ni y."),
                      {hoja_.nombre, std::to_string(fila + 1), letras}};
    }
    return Fallo::Ninguno;
}

void EscritorHoja::terminar() {
    hoja_.columnasNumericas =
        static_cast<int>(std::count(numerica_.begin(), numerica_.end(), char(1)));
}

} // namespace rectaviva::hojas
