// A book told by its content, opened as a zip, read by the reader of its
// kind, and its failures said in one sentence each.
#include "privado.h"

#include <quazip.h>

namespace rectaviva {

using hojas::Fallo;

bool esLibro(std::string_view primerosBytes, std::string_view nombre) {
    const auto termina = [nombre](std::string_view fin) {
        if (nombre.size() < fin.size()) {
            return false;
        }
        const std::string_view cola = nombre.substr(nombre.size() - fin.size());
        return std::equal(cola.begin(), cola.end(), fin.begin(),
                          [](char a, char b) { return (a | 0x20) == b; });
    };
    return primerosBytes.substr(0, 4) == std::string_view("PK\x03\x04", 4) || termina(".xlsx") ||
           termina(".ods");
}

bool leerLibro(QIODevice& archivo, std::vector<HojaLibro>& hojas, Mensaje& mensaje) {
    hojas.clear();
    Fallo f = Fallo::Danado;
    if (archivo.peek(4) != QByteArrayLiteral("PK\x03\x04")) {
        mensaje = {MENSAJE("hojas", "El archivo no es un libro de hoja de cálculo: no tiene el "
                                    "formato zip de los archivos .xlsx y .ods."),
                   {}};
        return false;
    }
    QuaZip zip(&archivo);
    hojas::Presupuesto p;
    if (zip.open(QuaZip::mdUnzip)) {
        // An .ods names its kind in "mimetype"; an .xlsx lists its parts'
        // types in "[Content_Types].xml".
        const std::string tipo = hojas::textoEntrada(zip, QStringLiteral("mimetype"), 200);
        if (zip.setCurrentFile(QStringLiteral("[Content_Types].xml"), QuaZip::csInsensitive)) {
            f = hojas::leerXlsx(zip, p, hojas);
        } else if (tipo.rfind("application/vnd.oasis.opendocument.spreadsheet", 0) == 0 ||
                   (tipo.empty() && zip.setCurrentFile(QStringLiteral("content.xml")))) {
            f = hojas::leerOds(zip, p, hojas);
        } else {
            f = Fallo::SinLibro;
        }
        zip.close();
    }
    switch (f) {
    case Fallo::Ninguno:
        return true;
    case Fallo::Danado:
        mensaje = {MENSAJE("hojas", "El archivo está dañado o incompleto y no se puede leer como "
                                    "libro de hoja de cálculo. Ábralo en su programa de hojas "
                                    "de cálculo y guárdelo de nuevo."),
                   {}};
        break;
    case Fallo::SinLibro:
        mensaje = {MENSAJE("hojas", "El archivo zip no tiene dentro un libro .xlsx ni .ods con "
                                    "hojas."),
                   {}};
        break;
    case Fallo::Bomba:
        mensaje = {MENSAJE("hojas", "El libro pasa de 200 MB al descomprimirlo, más de lo que el "
                                    "programa lee. Guarde en un libro nuevo solo la hoja y las "
                                    "columnas que necesita."),
                   {}};
        break;
    case Fallo::Filas:
        mensaje = {MENSAJE("hojas", "La hoja «%1» pasa de 100.000 filas de datos, las más que el "
                                    "programa lee. Guarde solo una parte de las filas y ábralo "
                                    "de nuevo."),
                   {hojas.back().nombre}};
        break;
    }
    hojas.clear();
    return false;
}

int hojaElegida(const std::vector<HojaLibro>& hojas) {
    for (const int minimo : {2, 1}) {
        for (std::size_t i = 0; i < hojas.size(); ++i) {
            if (hojas[i].columnasNumericas >= minimo) {
                return static_cast<int>(i);
            }
        }
    }
    return 0;
}

} // namespace rectaviva
