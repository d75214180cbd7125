// Real data in and out: the bytes of an opened file or of the clipboard made
// into text, the guess of how that text is laid out, its split into a table,
// two of its columns read as a sample, and the sample written back as CSV so
// that reading it again gives the very same numbers.
#pragma once

#include "Globales.h"
#include "mensaje.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rectaviva {

// The largest size of a value the reader accepts: every sum of squares of 50
// such values, and the plot's range around them, stay within a float.
inline constexpr double kMayorValor = 1e15;
// The most rows with numbers a data set may have: a class's survey or a
// city's daily records, read in well under a second.
inline constexpr int maxFilasDatos = 100000;
// The largest file or clipboard text the reader takes, 50 MB.
inline constexpr std::size_t kMaxBytesDatos = std::size_t{50} << 20;
// The most decimals a column is listed with.
inline constexpr int kMaxDecimales = 9;

enum class Separador { Tabulador, PuntoYComa, Coma, Espacios };
enum class MarcaDecimal { Punto, Coma };

// The bytes of a file or of the clipboard as UTF-8 text. A UTF-8 byte-order
// mark is dropped; UTF-16 with its byte-order mark is converted; bytes that
// are not valid UTF-8 are read as Latin-1, with 0x80..0x9F read as Windows
// writes them (€, curly quotes, dashes). False, with the reason in `mensaje`,
// for more than 50 MB (kMaxBytesDatos) or for bytes that are not text (NUL or
// any control character other than tab, line feed, carriage return and form
// feed). `origen` names the file ("portapapeles" for the clipboard) in the
// message on size.
bool aTexto(std::string_view bytes, std::string& texto, Mensaje& mensaje,
            const std::string& origen = "portapapeles");

struct OpcionesLectura {
    Separador separador = Separador::Tabulador;
    MarcaDecimal decimal = MarcaDecimal::Punto;
    bool encabezado = false; ///< the first non-blank line names the columns
};

// The layout of a text, guessed. Separator: tab or ";" when it splits
// (nearly) every non-blank line into the same number of fields; else "," when
// it splits every line into the same number (two or more) of fields that are
// numbers; else blanks. Decimal mark: the one that more fields of the data
// can only be read with (a header that names a column with a word, and the
// title lines above it, do not vote: a name "0,5" is no number of the data);
// on a tie, a comma between digits decides for the comma unless the
// separator is ",". Header: the first line has a field that is not a number. `aviso` explains, in
// one line, a decimal mark chosen for a number that reads both ways ("1,234"); it is empty
// otherwise.
OpcionesLectura adivinar(std::string_view texto, Mensaje& aviso);

// A text split into rows of fields. Blank lines are left out; each row keeps
// its 1-based line number in the text for the messages. The fields lie one
// after another in one text, so that a million of them cost a few bytes
// each: read them through the functions.
struct Tabla {
    std::vector<int> lineas; ///< line number of each row after the header
    int columnas = 0;        ///< the most fields of any row, header included

    std::size_t filas() const { return desde.size() - 2; }
    std::size_t camposEn(std::size_t fila) const { return desde[fila + 2] - desde[fila + 1]; }
    // Field c of a row after the header: "" beyond the row's end.
    std::string_view campo(std::size_t fila, int c) const { return enRango(fila + 1, c); }
    // The header's field c: "" without a header or beyond its end.
    std::string_view nombre(int c) const { return enRango(0, c); }

    std::string texto;                    ///< every field, one after another
    std::vector<std::size_t> fin;         ///< where each field ends in `texto`
    std::vector<std::size_t> desde{0, 0}; ///< first field of the header (0), of each row, and
                                          ///< one past the last
private:
    std::string_view enRango(std::size_t fila, int c) const {
        const std::size_t k = desde[fila] + std::size_t(c);
        if (c < 0 || k >= desde[fila + 1]) {
            return {};
        }
        const std::size_t inicio = k == 0 ? 0 : fin[k - 1];
        return std::string_view(texto).substr(inicio, fin[k] - inicio);
    }
};

// Lines end in CRLF, CR or LF. A field in double quotes may hold the
// separator, and "" in it stands for one quote. Fields are trimmed of blanks
// (not inside quotes). Separador::Espacios splits at runs of blanks and tabs.
// A name longer than 100 characters is cut to 99 and "…": it titles an axis.
Tabla partir(std::string_view texto, const OpcionesLectura& o);

// A field read as a number with the given decimal mark: the double nearest to
// the decimal text, rounded once from it (so that the shortest text of a
// double, or of a float, reads back as that same number), in time linear in
// its length, whatever the number of digits. Accepts a leading sign, an exponent
// ("1,5e3", "1.5E-3") and thousands separators in proper groups of three
// ("1.234,5" with the comma, "1,234.5" or "1 234.5" with the point). Nothing
// for anything else, and for infinities, NaN and values beyond the double range.
std::optional<double> leerNumero(std::string_view campo, MarcaDecimal d);

// Whether a field marks a missing value: NA, N/A, NaN, n/d (in any case), ".",
// "-" or "?". A row with one in x or y is left out like an empty one.
bool esMarcaDeFalta(std::string_view campo);

// The columns (0-based) that are mostly numbers: at least one number, and
// more numbers than other texts (empty fields and missing marks do not
// count). These are the choices to offer for x and y. A column named en_uso
// is not one.
std::vector<int> columnasNumericas(const Tabla& t, MarcaDecimal d);

// The columns the dialog offers for x and y, the first two preselected: the
// numeric ones, or, with fewer than two, the first two of the table, so that
// the refusal names the field that is not a number.
std::vector<int> columnasOfrecidas(const Tabla& t, MarcaDecimal d);

// A sample read from two columns of a table.
struct Datos {
    std::vector<double> x, y; ///< the doubles nearest to the fields' decimal texts
    std::vector<Byte> activo; ///< 1 in use, 0 deleted: from a column en_uso, else all 1
    std::string nombreX, nombreY;
    std::vector<int> filas;             ///< each point's row among the data rows, 1-based
    int filasDatos = 0;                 ///< the data rows of the table, numbers or not
    int columnaX = 0, columnaY = 1;     ///< 0-based, for the messages
    int omitidas = 0;                   ///< rows left out: a chosen field empty or not a number
    int decimalesX = 0, decimalesY = 0; ///< the most decimals written in the column, 0..9
    // One line on the first number that the double read does not keep as
    // written (more significant digits than a double holds, or too small),
    // naming its line and column and what it is read as, and counting the
    // others; empty when none.
    Mensaje aviso;
};

// Columns colX and colY (0-based) of `t` as a sample. A row with either field
// empty, a missing mark or a text that is not a number is left out and
// counted. False, with the reason in `mensaje` (naming line and column of a
// bad field), when a field is an infinity or NaN written as a number, or is
// larger than kMayorValor in size, when a column's values are too close
// together to plot (rangoDibujable), when the table has one column, holds no
// number, fewer than 3 rows with numbers (naming the first text left out, if
// any) or more than maxFilasDatos, or marks fewer than 3 points in use. The
// names are the header's, else "x" and "y".
bool leerColumnas(const Tabla& t, int colX, int colY, MarcaDecimal d, Datos& datos,
                  Mensaje& mensaje);

// Which of a data set's points are loaded: all, a sample of k drawn from a
// code, or the rows desde..hasta (1-based among the data rows, both in).
enum class ModoFilas { Todas, Muestra, Rango };
struct EleccionFilas {
    ModoFilas modo = ModoFilas::Todas;
    int k = 0;
    std::uint32_t codigo = 0;
    int desde = 1, hasta = 0;
};

// The points of `d` that the choice keeps, in their order in the file. The
// sample is the same for the same k, code and table on every computer:
// std::mt19937 seeded with the code, whose output the C++ standard fixes, draws
// a partial Fisher–Yates shuffle of the point indices, each index by
// rejection from 32-bit outputs (no library distribution), and the k drawn
// are sorted back into file order. A k beyond the points takes them all; a
// hasta beyond the last row stops there. False, with the reason, for k < 3,
// desde < 1, hasta < desde, fewer than 3 points (or in use) kept, or kept
// values too close together to plot.
bool elegirFilas(const Datos& d, const EleccionFilas& e, Datos& elegidas, Mensaje& mensaje);

// The shortest text that reads back as the very float (or double) v, with
// `punto` in place of the decimal point: in fixed notation where that takes
// at most 18 characters ("0.1", "0.0000001", "35000000"), else the shortest
// ("7.038531e-26").
std::string textoExacto(float v, std::string_view punto = ".");
std::string textoExacto(double v, std::string_view punto = ".");

// The sample as UTF-8 CSV: a header "nombreX<sep>nombreY<sep>en_uso" and one
// row per point, with x and y as given (each number's textoExacto, with a
// point) and the decimal point made a comma when chosen. Fields holding the
// separator, a quote, blanks at either end or a leading U+FEFF (taken for a
// byte-order mark at the file's start) are quoted (so, with the comma as both
// separator and decimal mark, every number with decimals is);
// Separador::Espacios writes one space. Line breaks in a name become spaces.
std::string escribirCsv(const std::vector<std::string>& x, const std::vector<std::string>& y,
                        const std::vector<Byte>& activo, const std::string& nombreX,
                        const std::string& nombreY, Separador s, MarcaDecimal d);
// The same with any number of named columns before "en_uso" (a transformed
// data set writes the data as loaded, then its transformed columns).
struct ColumnaCsv {
    std::string nombre;
    std::vector<std::string> valores;
};
std::string escribirCsv(const std::vector<ColumnaCsv>& columnas, const std::vector<Byte>& activo,
                        Separador s, MarcaDecimal d);

} // namespace rectaviva
