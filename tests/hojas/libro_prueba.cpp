// Books zipped by QuaZip, as a spreadsheet program writes them.
#include "libro_prueba.h"

#include <QBuffer>
#include <quazip.h>
#include <quazipfile.h>

namespace rectaviva::prueba {

QByteArray zip(const Entradas& entradas) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    QuaZip z(&b);
    z.open(QuaZip::mdCreate);
    for (const auto& [nombre, datos] : entradas) {
        QuaZipFile f(&z);
        f.open(QIODevice::WriteOnly, QuaZipNewInfo(nombre));
        f.write(datos);
        f.close();
    }
    z.close();
    return b.data();
}

QByteArray xlsx(const Entradas& hojas, const QByteArray& cadenas, const QByteArray& estilos) {
    const QByteArray r = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    QByteArray libro = "<workbook xmlns:r=\"" + r + "\"><sheets>";
    QByteArray rels = "<Relationships>"
                      "<Relationship Id=\"e\" Type=\"" +
                      r +
                      "/styles\" Target=\"styles.xml\"/>"
                      "<Relationship Id=\"c\" Type=\"" +
                      r +
                      "/sharedStrings\" "
                      "Target=\"/xl/sharedStrings.xml\"/>";
    Entradas e{
        {"[Content_Types].xml", "<Types/>"},
        {"_rels/.rels", "<Relationships><Relationship Id=\"1\" Type=\"" + r +
                            "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/sharedStrings.xml", "<sst>" + cadenas + "</sst>"},
        {"xl/styles.xml", "<styleSheet>" + estilos + "</styleSheet>"}};
    for (std::size_t i = 0; i < hojas.size(); ++i) {
        const QByteArray n = QByteArray::number(qulonglong(i + 1));
        libro += "<sheet name=\"" + hojas[i].first.toUtf8() + "\" r:id=\"h" + n + "\"/>";
        rels += "<Relationship Id=\"h" + n + "\" Type=\"" + r + "/worksheet\" Target=\"hojas/" + n +
                ".xml\"/>";
        e.emplace_back("xl/hojas/" + n + ".xml",
                       "<worksheet><sheetData>" + hojas[i].second + "</sheetData></worksheet>");
    }
    e.emplace_back("xl/workbook.xml", libro + "</sheets></workbook>");
    e.emplace_back("xl/_rels/workbook.xml.rels", rels + "</Relationships>");
    return zip(e);
}

QByteArray ods(const QByteArray& tablas) {
    const QByteArray ns = "urn:oasis:names:tc:opendocument:xmlns:";
    return zip(
        {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
         {"content.xml", "<office:document-content xmlns:office=\"" + ns +
                             "office:1.0\" xmlns:table=\"" + ns + "table:1.0\" xmlns:text=\"" + ns +
                             "text:1.0\"><office:body><office:spreadsheet>" + tablas +
                             "</office:spreadsheet></office:body></office:document-content>"}});
}

} // namespace rectaviva::prueba
