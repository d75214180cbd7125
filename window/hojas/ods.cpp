// The reader of OpenDocument books (.ods): every table of content.xml, its
// rows and cells with their repetitions, numbers as stored in office:value.
#include "privado.h"

#include <quazip.h>

namespace rectaviva::hojas {

namespace {

const QString kOffice = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString kTabla = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");

// A repetition count: 1 when absent, at most `tope` (past it nothing more
// can fit on a sheet).
long long repeticiones(const QXmlStreamReader& x, QStringView nombre, long long tope) {
    bool bien = false;
    const long long n = x.attributes().value(kTabla, nombre.toString()).toLongLong(&bien);
    return !bien || n < 1 ? 1 : std::min(n, tope);
}

// A cell's paragraphs, one per line, up to the cell's end; notes and
// comments left out.
std::string textoCelda(QXmlStreamReader& x) {
    std::string t;
    int prof = 0, parrafos = 0;
    while (!x.atEnd()) {
        const auto tipo = x.readNext();
        if (tipo == QXmlStreamReader::StartElement) {
            const QStringView n = x.name();
            if (n == u"annotation" || n == u"note") {
                x.skipCurrentElement();
                continue;
            }
            if (prof == 0 && n == u"p" && parrafos++ > 0) {
                t += '\n';
            } else if (n == u"s") {
                bool bien = false;
                const int c = atributo(x, u"c").toInt(&bien);
                t.append(bien ? std::size_t(std::clamp(c, 0, 1000)) : 1, ' ');
            } else if (n == u"tab") {
                t += '\t';
            } else if (n == u"line-break") {
                t += '\n';
            }
            ++prof;
        } else if (tipo == QXmlStreamReader::EndElement) {
            if (prof-- == 0) {
                break;
            }
        } else if (tipo == QXmlStreamReader::Characters && prof > 0) {
            t += utf8(x.text());
        }
    }
    return t;
}

struct Celda {
    long long columna, veces;
    std::string valor;
    Clase clase;
};

// One cell: its value as written for the sheet, read up to its end.
Celda celda(QXmlStreamReader& x, long long columna) {
    const QXmlStreamAttributes a = x.attributes();
    const QStringView tipo = a.value(kOffice, QStringLiteral("value-type"));
    Celda c{columna, repeticiones(x, u"number-columns-repeated", 1LL << 20), {}, Clase::Numero};
    if (tipo == u"float" || tipo == u"percentage" || tipo == u"currency") {
        c.valor = utf8(a.value(kOffice, QStringLiteral("value")));
    } else if (tipo == u"boolean") {
        c.valor.assign(1, a.value(kOffice, QStringLiteral("boolean-value")) == u"true" ? '1' : '0');
    } else if (tipo == u"date" || tipo == u"time") {
        c.valor = utf8(a.value(kOffice, tipo == u"date" ? QStringLiteral("date-value")
                                                        : QStringLiteral("time-value")));
        c.clase = Clase::Fecha;
    }
    if (c.valor.empty()) {
        c.valor = textoCelda(x);
        c.clase = c.clase == Clase::Fecha ? Clase::Fecha : Clase::Texto;
    } else {
        x.skipCurrentElement();
    }
    return c;
}

// One table up to its end. A row repeated is written as many times, and an
// empty one only moves the row on.
Fallo tabla(QXmlStreamReader& x, EscritorHoja& e) {
    long long fila = 0;
    std::vector<Celda> celdas;
    int prof = 0;
    while (!x.atEnd()) {
        const auto tipo = x.readNext();
        if (tipo == QXmlStreamReader::EndElement && prof-- == 0) {
            break;
        }
        if (tipo != QXmlStreamReader::StartElement) {
            continue;
        }
        if (x.name() != u"table-row") {
            // Columns, headers and groups of rows; a table nested in a cell
            // is not one of the sheet's.
            if (x.name() == u"table") {
                x.skipCurrentElement();
            } else {
                ++prof;
            }
            continue;
        }
        const long long veces = repeticiones(x, u"number-rows-repeated", 1LL << 30);
        celdas.clear();
        long long columna = 0;
        while (x.readNextStartElement()) {
            if (x.name() == u"table-cell" || x.name() == u"covered-table-cell") {
                Celda c = celda(x, columna);
                columna += c.veces;
                if (!c.valor.empty()) {
                    celdas.push_back(std::move(c));
                }
            } else {
                x.skipCurrentElement();
            }
        }
        for (long long k = 0; k < veces && !celdas.empty(); ++k) {
            for (const Celda& c : celdas) {
                for (long long j = 0; j < c.veces; ++j) {
                    if (const Fallo f = e.celda(fila + k, c.columna + j, c.valor, c.clase);
                        f != Fallo::Ninguno) {
                        return f;
                    }
                }
            }
        }
        fila += veces;
    }
    return Fallo::Ninguno;
}

} // namespace

Fallo leerOds(QuaZip& zip, Presupuesto& p, std::vector<HojaLibro>& hojas) {
    const Fallo f = conXml(zip, p, QStringLiteral("content.xml"), true, [&](QXmlStreamReader& x) {
        while (!x.atEnd()) {
            if (x.readNext() == QXmlStreamReader::StartElement && x.name() == u"table" &&
                x.namespaceUri() == kTabla) {
                hojas.push_back(
                    {utf8(x.attributes().value(kTabla, QStringLiteral("name"))), {}, 0, {}});
                EscritorHoja e(hojas.back(), p);
                const Fallo g = tabla(x, e);
                e.terminar();
                if (g != Fallo::Ninguno) {
                    return g;
                }
            }
        }
        return Fallo::Ninguno;
    });
    return f == Fallo::Ninguno && hojas.empty() ? Fallo::SinLibro : f;
}

} // namespace rectaviva::hojas
