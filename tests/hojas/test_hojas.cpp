// Books of each kind read into their sheets' texts, or refused with the
// reason, and numbers read back as the doubles the file stores.
#include "datos.h"
#include "libro.h"
#include "libro_prueba.h"

#include <QBuffer>
#include <gtest/gtest.h>
#include <quazip.h>
#include <quazipfile.h>

namespace rectaviva::prueba {
namespace {

QByteArray c(const char* r, const char* v, const char* atributos = "") {
    return QByteArray("<c r=\"") + r + "\" " + atributos + "><v>" + v + "</v></c>";
}
QByteArray celdaOds(const char* atributos, const char* texto = "") {
    return QByteArray("<table:table-cell ") + atributos + "><text:p>" + texto +
           "</text:p></table:table-cell>";
}

// 201 MB of blanks inside a sheet, zipped to a few hundred kB.
QByteArray bomba() {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    QuaZip z(&b);
    z.open(QuaZip::mdCreate);
    QuaZipFile f(&z);
    f.open(QIODevice::WriteOnly, QuaZipNewInfo("content.xml"));
    const QByteArray blancos(1 << 20, ' ');
    f.write("<a>");
    for (int i = 0; i < 201; ++i) {
        f.write(blancos);
    }
    f.write("</a>");
    f.close();
    z.close();
    return b.data();
}

const QByteArray kNumeros =
    xlsx({{"Medidas",
           "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c></row>"
           "<row r=\"2\">" +
               c("A2", "0.1") + c("B2", "1E-300") + "</row><row r=\"3\">" +
               c("A3", "12345678901234567") + c("B3", "-2.5E+16") + "</row>"}},
         "<si><t>x</t></si><si><r><t>long</t></r><r><t>itud</t></r><rPh><t>ロ</t></rPh></si>");

struct Caso {
    const char* nombre;
    QByteArray libro;
    std::string esperado; // each sheet "name:text" then "|", or a refusal's words
};

TEST(Hojas, CadaLibroSeLeeExactoOSeRechazaConSuMotivo) {
    const Caso casos[] = {
        {"numeros y cadenas compartidas", kNumeros,
         "Medidas:x\tlongitud\n0.1\t1E-300\n12345678901234567\t-2.5E+16|"},
        {"huecos, filas y columnas vacías al final",
         xlsx({{"H", "<row r=\"2\">" + c("B2", "1") + c("D2", "2") + "<c r=\"E2\"/></row><row>" +
                         c("A3", "3") + "</row><row r=\"6\">" + c("C6", "4") +
                         "</row><row r=\"1000000\"/>"}}),
         "H:\n\t1\t\t2\n3\n\n\n\t\t4|"},
        {"en línea, booleanos, fórmulas, errores, comillas",
         xlsx({{"F", "<row><c t=\"inlineStr\"><is><t>a\"b</t></is></c><c t=\"b\"><v>1</v></c>"
                     "<c><f>A1*2</f><v>0.2</v></c><c t=\"str\"><f>A1</f><v>s\tt</v></c>"
                     "<c t=\"e\"><v>#DIV/0!</v></c><c t=\"s\"><v>0</v></c></row>"}},
              "<si><t>x\ny</t></si>"),
         "F:\"a\"\"b\"\t1\t0.2\t\"s\tt\"\t#DIV/0!\t\"x\ny\"|"},
        {"fechas y horas por su formato, porcentajes como número",
         xlsx({{"D", "<row>" + c("A1", "45000", "s=\"1\"") + c("B1", "45000.5", "s=\"2\"") +
                         c("C1", "0.25", "s=\"3\"") + c("D1", "0.75", "s=\"4\"") +
                         c("E1", "59", "s=\"1\"") + c("F1", "7", "s=\"0\"") + "</row>"}},
              {},
              "<numFmts><numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\\ h:mm\"/>"
              "<numFmt numFmtId=\"165\" formatCode=\"0.0%;[Red]\\-0.0%\"/>"
              "<numFmt numFmtId=\"166\" formatCode=\"[h]:mm\"/></numFmts><cellStyleXfs>"
              "<xf numFmtId=\"14\"/></cellStyleXfs><cellXfs><xf numFmtId=\"0\"/><xf numFmtId="
              "\"14\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/><xf numFmtId=\"166\"/>"
              "</cellXfs>"),
         "D:2023-03-15\t2023-03-15T12:00:00\t0.25\t18:00:00\t1900-02-28\t7|"},
        {"varias hojas, en su orden",
         xlsx({{"Notas", "<row><c t=\"inlineStr\"><is><t>ver datos</t></is></c></row>"},
               {"Datos", "<row>" + c("A1", "1") + c("B1", "2") + "</row>"}}),
         "Notas:ver datos|Datos:1\t2|"},
        {"ods: repeticiones, un millón de filas vacías, textos, fechas",
         ods("<table:table table:name=\"Uno\"><table:table-column/><table:table-row>" +
             celdaOds("office:value-type=\"string\"",
                      "a<text:s text:c=\"2\"/>b<office:"
                      "annotation><text:p>nota</text:p></office:annotation>") +
             "<table:table-cell table:number-columns-repeated=\"2\"/>" +
             celdaOds("office:value-type=\"float\" office:value=\"0.1\" "
                      "table:number-columns-repeated=\"2\"",
                      "0,1") +
             celdaOds("office:value-type=\"percentage\" office:value=\"0.5\"", "50%") +
             celdaOds("office:value-type=\"boolean\" office:boolean-value=\"true\"") +
             "<table:table-cell table:number-columns-repeated=\"16000\"/></table:table-row>"
             "<table:table-row table:number-rows-repeated=\"2\">" +
             celdaOds("office:value-type=\"date\" office:date-value=\"2024-02-29\"") +
             "</table:table-row><table:table-row table:number-rows-repeated=\"1000000\">"
             "<table:table-cell table:number-columns-repeated=\"1024\"/></table:table-row>"
             "</table:table><table:table table:name=\"Dos\"/>"),
         "Uno:a  b\t\t\t0.1\t0.1\t0.5\t1\n2024-02-29\n2024-02-29|Dos:|"},
        {"cortado", kNumeros.left(kNumeros.size() / 2), "dañado o incompleto"},
        {"no es un zip", "x\ty\n1\t2\n", "no tiene el formato zip"},
        {"zip sin libro", zip({{"hola.txt", "hola"}}), "no tiene dentro un libro"},
        {"xml mal formado", xlsx({{"H", "<row><c><v>1</c></row>"}}), "dañado o incompleto"},
        {"referencia fuera de la hoja", xlsx({{"H", c("XFE1", "1")}}), "dañado o incompleto"},
        {"bomba al descomprimir", bomba(), "pasa de 200 MB"},
        {"bomba al escribir",
         xlsx({{"H", "<row>" + QByteArray("<c t=\"s\"><v>0</v></c>").repeated(210) + "</row>"}},
              "<si><t>" + QByteArray(1 << 20, 'a') + "</t></si>"),
         "pasa de 200 MB"},
        {"demasiadas filas",
         ods("<table:table table:name=\"Larga\"><table:table-row table:number-rows-repeated="
             "\"100002\">" +
             celdaOds("office:value-type=\"float\" office:value=\"1\"") +
             "</table:table-row></table:table>"),
         "«Larga» pasa de 100.000 filas"},
    };
    for (const Caso& caso : casos) {
        QBuffer b;
        b.setData(caso.libro);
        b.open(QIODevice::ReadOnly);
        std::vector<HojaLibro> hojas;
        Mensaje m;
        const bool leido = leerLibro(b, hojas, m);
        std::string visto = leido ? "" : m.texto();
        for (const HojaLibro& h : hojas) {
            visto += h.nombre + ":" + h.texto + "|";
        }
        EXPECT_NE(visto.find(caso.esperado), std::string::npos) << caso.nombre << ": " << visto;
        EXPECT_EQ(leido, m.vacio()) << caso.nombre;
    }
}

TEST(Hojas, LosNumerosSonLosDoblesGuardadosYLaHojaElegidaLaDeNumeros) {
    QBuffer b;
    b.setData(kNumeros);
    b.open(QIODevice::ReadOnly);
    std::vector<HojaLibro> hojas;
    Mensaje m;
    ASSERT_TRUE(leerLibro(b, hojas, m));
    Mensaje aviso;
    const Tabla t = partir(hojas[0].texto, {Separador::Tabulador, MarcaDecimal::Punto, true});
    EXPECT_EQ(leerNumero(t.campo(0, 0), MarcaDecimal::Punto), 0.1);
    EXPECT_EQ(leerNumero(t.campo(0, 1), MarcaDecimal::Punto), 1e-300);
    EXPECT_EQ(leerNumero(t.campo(1, 0), MarcaDecimal::Punto), 12345678901234567.0);
    EXPECT_EQ(hojas[0].columnasNumericas, 2);
    hojas.insert(hojas.begin(), {"Notas", "texto\n1", 1, {}});
    EXPECT_EQ(hojaElegida(hojas), 1);
    EXPECT_TRUE(esLibro("x", "Datos.ODS") && esLibro("PK\x03\x04", "datos") &&
                !esLibro("PK", "a.csv"));
}

} // namespace
} // namespace rectaviva::prueba
