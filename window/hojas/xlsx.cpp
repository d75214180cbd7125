// The reader of Office Open XML books (.xlsx): the workbook's sheets in
// order, their cells with shared and inline strings, numbers as stored, and
// cells whose format shows a date or a time told apart.
#include "privado.h"

#include <quazip.h>

#include <charconv>
#include <map>

namespace rectaviva::hojas {

namespace {

struct Relacion {
    QString tipo, destino;
};

QString carpeta(const QString& ruta) {
    return ruta.left(ruta.lastIndexOf(QLatin1Char('/')) + 1);
}

// A relationship's target as a path in the zip: from the zip's root when it
// starts with "/", else from the folder of the part that names it.
QString resolver(const QString& base, QStringView destino) {
    QStringList partes;
    const QString ruta =
        destino.startsWith(u'/') ? destino.mid(1).toString() : carpeta(base) + destino.toString();
    for (const QString& s : ruta.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (s == QLatin1String("..")) {
            if (!partes.isEmpty()) {
                partes.removeLast();
            }
        } else if (s != QLatin1String(".")) {
            partes << s;
        }
    }
    return partes.join(QLatin1Char('/'));
}

// The relationships of `parte` (its _rels/<name>.rels), by id.
Fallo relaciones(QuaZip& zip, Presupuesto& p, const QString& parte,
                 std::map<QString, Relacion>& r) {
    const int barra = static_cast<int>(parte.lastIndexOf(QLatin1Char('/')));
    const QString nombre = parte.left(barra + 1) + QStringLiteral("_rels/") + parte.mid(barra + 1) +
                           QStringLiteral(".rels");
    return conXml(zip, p, nombre, false, [&](QXmlStreamReader& x) {
        while (!x.atEnd()) {
            if (x.readNext() == QXmlStreamReader::StartElement && x.name() == u"Relationship" &&
                atributo(x, u"TargetMode") != u"External") {
                r[atributo(x, u"Id").toString()] = {atributo(x, u"Type").toString(),
                                                    resolver(parte, atributo(x, u"Target"))};
            }
        }
        return Fallo::Ninguno;
    });
}

const Relacion* deTipo(const std::map<QString, Relacion>& r, QStringView tipo) {
    for (const auto& [id, rel] : r) {
        if (rel.tipo.endsWith(tipo)) {
            return &rel;
        }
    }
    return nullptr;
}

// Per cell format (a cell's "s"), whether it shows a date or a time.
Fallo estilos(QuaZip& zip, Presupuesto& p, const QString& parte, std::vector<char>& fecha) {
    std::map<int, bool> propios;
    return conXml(zip, p, parte, false, [&](QXmlStreamReader& x) {
        bool enCeldas = false;
        while (!x.atEnd()) {
            const auto tipo = x.readNext();
            if (tipo == QXmlStreamReader::EndElement && x.name() == u"cellXfs") {
                enCeldas = false;
            } else if (tipo != QXmlStreamReader::StartElement) {
                continue;
            } else if (x.name() == u"numFmt") {
                propios[atributo(x, u"numFmtId").toInt()] =
                    esCodigoFecha(atributo(x, u"formatCode"));
            } else if (x.name() == u"cellXfs") {
                enCeldas = true;
            } else if (enCeldas && x.name() == u"xf") {
                const int id = atributo(x, u"numFmtId").toInt();
                const auto k = propios.find(id);
                fecha.push_back(k != propios.end() ? k->second : esFormatoFecha(id));
                x.skipCurrentElement();
            }
        }
        return Fallo::Ninguno;
    });
}

// The text of a string (<si> or <is>) up to its end: its runs' texts, without
// the phonetic readings.
void textoRico(QXmlStreamReader& x, std::string& t) {
    int prof = 0;
    bool enT = false;
    while (!x.atEnd()) {
        const auto tipo = x.readNext();
        if (tipo == QXmlStreamReader::StartElement) {
            if (x.name() == u"rPh" || x.name() == u"phoneticPr") {
                x.skipCurrentElement();
                continue;
            }
            enT = x.name() == u"t";
            ++prof;
        } else if (tipo == QXmlStreamReader::EndElement) {
            enT = false;
            if (prof-- == 0) {
                return;
            }
        } else if (tipo == QXmlStreamReader::Characters && enT) {
            t += utf8(x.text());
        }
    }
}

struct Compartidas {
    std::string texto;
    std::vector<std::size_t> fin;
};

Fallo compartidas(QuaZip& zip, Presupuesto& p, const QString& parte, Compartidas& c) {
    return conXml(zip, p, parte, false, [&](QXmlStreamReader& x) {
        while (!x.atEnd()) {
            if (x.readNext() == QXmlStreamReader::StartElement && x.name() == u"si") {
                textoRico(x, c.texto);
                c.fin.push_back(c.texto.size());
            }
        }
        return Fallo::Ninguno;
    });
}

// A cell reference's column (0-based), or -1 when it names none.
long long columnaDe(QStringView ref) {
    long long c = 0;
    qsizetype i = 0;
    for (; i < ref.size() && i < 4 && ref[i].isLetter(); ++i) {
        c = c * 26 + (QChar::toUpper(ref[i].unicode()) - u'A' + 1);
    }
    return i == 0 ? -1 : i < ref.size() && ref[i].isLetter() ? 1LL << 40 : c - 1;
}

struct Libro {
    Compartidas cadenas;
    std::vector<char> fecha;
    bool de1904 = false;
};

Fallo hoja(QXmlStreamReader& x, EscritorHoja& e, const Libro& l) {
    long long fila = -1, columna = -1;
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        // Read once: each call of attributes() makes the list anew.
        const QXmlStreamAttributes a = x.attributes();
        if (x.name() == u"row") {
            const QStringView r = atributo(a, u"r");
            fila = r.isEmpty() ? fila + 1 : std::min(r.toLongLong(), 1LL << 40) - 1;
            columna = -1;
            continue;
        }
        if (x.name() != u"c") {
            continue;
        }
        const long long c = columnaDe(atributo(a, u"r"));
        columna = c >= 0 ? c : columna + 1;
        const QStringView tipo = atributo(a, u"t");
        bool conEstilo = false;
        const int estilo = atributo(a, u"s").toInt(&conEstilo);
        std::string v, enLinea;
        while (x.readNextStartElement()) {
            if (x.name() == u"v") {
                // Its text as the reader gives it, without a QString between.
                for (auto t = x.readNext(); t != QXmlStreamReader::EndElement && !x.atEnd();
                     t = x.readNext()) {
                    if (t == QXmlStreamReader::Characters) {
                        v += utf8(x.text());
                    } else if (t == QXmlStreamReader::StartElement) {
                        x.skipCurrentElement();
                    }
                }
            } else if (x.name() == u"is") {
                textoRico(x, enLinea);
            } else {
                x.skipCurrentElement();
            }
        }
        Clase clase = Clase::Texto;
        if (tipo == u"s") {
            std::size_t i = 0;
            const auto [fin, error] = std::from_chars(v.data(), v.data() + v.size(), i);
            if (v.empty() || error != std::errc() || i >= l.cadenas.fin.size()) {
                return Fallo::Danado;
            }
            const std::size_t desde = i == 0 ? 0 : l.cadenas.fin[i - 1];
            v = l.cadenas.texto.substr(desde, l.cadenas.fin[i] - desde);
        } else if (tipo == u"inlineStr") {
            v = enLinea;
        } else if (tipo == u"b") {
            v = v.empty() ? v : v == "0" ? "0" : "1";
            clase = Clase::Numero;
        } else if (tipo == u"d") {
            clase = Clase::Fecha;
        } else if (tipo != u"str" && tipo != u"e") {
            clase = Clase::Numero;
            if (conEstilo && estilo >= 0 && std::size_t(estilo) < l.fecha.size() &&
                l.fecha[std::size_t(estilo)] && !v.empty()) {
                v = textoSerial(v, l.de1904);
                clase = Clase::Fecha;
            }
        }
        if (const Fallo f = e.celda(fila, columna, v, clase); f != Fallo::Ninguno) {
            return f;
        }
    }
    return Fallo::Ninguno;
}

} // namespace

Fallo leerXlsx(QuaZip& zip, Presupuesto& p, std::vector<HojaLibro>& hojas) {
    std::map<QString, Relacion> raiz, rels;
    if (const Fallo f = relaciones(zip, p, QString(), raiz); f != Fallo::Ninguno) {
        return f;
    }
    const Relacion* documento = deTipo(raiz, u"/officeDocument");
    const QString libro = documento ? documento->destino : QStringLiteral("xl/workbook.xml");
    Libro l;
    std::vector<std::pair<std::string, QString>> partes; // each sheet's name and part
    Fallo f = conXml(zip, p, libro, true, [&](QXmlStreamReader& x) {
        while (!x.atEnd()) {
            if (x.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (x.name() == u"workbookPr") {
                const QStringView v = atributo(x, u"date1904");
                l.de1904 = v == u"1" || v == u"true";
            } else if (x.name() == u"sheet") {
                partes.emplace_back(utf8(atributo(x, u"name")), atributo(x, u"id").toString());
            }
        }
        return Fallo::Ninguno;
    });
    if (f == Fallo::Ninguno) {
        f = relaciones(zip, p, libro, rels);
    }
    const Relacion* r = deTipo(rels, u"/styles");
    if (f == Fallo::Ninguno && r) {
        f = estilos(zip, p, r->destino, l.fecha);
    }
    r = deTipo(rels, u"/sharedStrings");
    if (f == Fallo::Ninguno && r) {
        f = compartidas(zip, p, r->destino, l.cadenas);
    }
    for (const auto& [nombre, id] : partes) {
        const auto k = rels.find(id);
        if (f != Fallo::Ninguno || k == rels.end() || !k->second.tipo.endsWith(u"/worksheet")) {
            continue;
        }
        hojas.push_back({nombre, {}, 0, {}});
        EscritorHoja e(hojas.back(), p);
        f = conXml(zip, p, k->second.destino, true,
                   [&](QXmlStreamReader& x) { return hoja(x, e, l); });
        e.terminar();
    }
    return f == Fallo::Ninguno && hojas.empty() ? Fallo::SinLibro : f;
}

} // namespace rectaviva::hojas
