// Spreadsheet books (.xlsx and .ods) read into their sheets, each as
// tab-separated UTF-8 text that the reader of pasted tables splits with a
// tab and a decimal point: every number as the very text the file stores, so
// that it reads as the double nearest to it.
#pragma once

#include "mensaje.h"

#include <string>
#include <string_view>
#include <vector>

class QIODevice;

namespace rectaviva {

// The most bytes a book may unpack to (its parts read and the sheets' texts
// written): a zip bomb stops there.
inline constexpr long long kBytesLibro = 200LL * 1024 * 1024;
// The most rows with a value a sheet may have: 100,000 of data and a header.
inline constexpr long kFilasHoja = 100'001;

struct HojaLibro {
    std::string nombre;
    std::string texto;         ///< line k is the sheet's row k; fields split by tabs
    int columnasNumericas = 0; ///< columns with numbers and only numbers below their first row
    Mensaje nota;              ///< the first date or time, which is not read as a number
};

// Whether a file is a book: a zip by its first bytes, or named .xlsx or .ods.
bool esLibro(std::string_view primerosBytes, std::string_view nombre);

// The sheets of the book on `archivo` (open for reading), in the book's
// order. False, with the reason in `mensaje`, for a file that is not a zip,
// is cut short or damaged, holds no book, unpacks past kBytesLibro, or has a
// sheet with more than kFilasHoja rows with values.
bool leerLibro(QIODevice& archivo, std::vector<HojaLibro>& hojas, Mensaje& mensaje);

// The sheet the dialog shows first: the first with two numeric columns, else
// the first with one, else the first.
int hojaElegida(const std::vector<HojaLibro>& hojas);

} // namespace rectaviva
