// What the readers of .xlsx and .ods share: the failures they stop at, the
// budget of unpacked bytes, a zip entry read as XML within that budget, and
// the writer of a sheet's cells as tab-separated text.
#pragma once

#include "libro.h"

#include <QXmlStreamReader>

#include <functional>

class QuaZip;

namespace rectaviva::hojas {

enum class Fallo { Ninguno, Danado, SinLibro, Bomba, Filas };

// The bytes a book may still unpack to, shared by every part and sheet.
struct Presupuesto {
    long long quedan = kBytesLibro;
    bool gastar(long long n) { return (quedan -= n) >= 0; }
};

// Runs `leer` over the XML of the zip's entry `nombre` (found whatever the
// case of its letters); a missing entry is Fallo::SinLibro, or nothing when
// it is optional. A failure of the zip or of the XML ends it.
Fallo conXml(QuaZip& zip, Presupuesto& p, const QString& nombre, bool obligatoria,
             const std::function<Fallo(QXmlStreamReader&)>& leer);

// The text of a zip entry that is not XML (an .ods file's "mimetype"); empty
// when it is missing or longer than `maximo`.
std::string textoEntrada(QuaZip& zip, const QString& nombre, qint64 maximo);

// An attribute by its local name, in any namespace.
QStringView atributo(const QXmlStreamAttributes& a, QStringView nombre);
inline QStringView atributo(const QXmlStreamReader& x, QStringView nombre) {
    return atributo(x.attributes(), nombre);
}
std::string utf8(QStringView s);

enum class Clase { Numero, Texto, Fecha };

// A sheet's text, written cell by cell: each cell with a value at its row and
// column (0-based, in the order of the sheet: row by row, left to right),
// blank lines and empty fields only where a value follows them, so that
// empty rows and columns at the end cost nothing.
class EscritorHoja {
public:
    EscritorHoja(HojaLibro& hoja, Presupuesto& p) : hoja_(hoja), p_(p) {}
    Fallo celda(long long fila, long long columna, std::string_view valor, Clase clase);
    // Counts the numeric columns.
    void terminar();

private:
    HojaLibro& hoja_;
    Presupuesto& p_;
    long long fila_ = 0;    ///< row of the line being written
    long long columna_ = 0; ///< the last column written on it
    bool vacia_ = true;     ///< nothing written on it yet
    long long filas_ = 0;   ///< rows with values
    long long primera_ = -1;
    std::vector<char> numerica_; ///< per column: 0 no number, 1 numbers, 2 something else below
};

// A number format of an .xlsx, built in (by its id) or written as a code,
// that shows a date or a time; a date's serial number as ISO 8601 text (a
// day, a time or both), in the 1900 or the 1904 system of the book.
bool esFormatoFecha(int id);
bool esCodigoFecha(QStringView codigo);
std::string textoSerial(const std::string& v, bool de1904);

Fallo leerXlsx(QuaZip& zip, Presupuesto& p, std::vector<HojaLibro>& hojas);
Fallo leerOds(QuaZip& zip, Presupuesto& p, std::vector<HojaLibro>& hojas);

} // namespace rectaviva::hojas
