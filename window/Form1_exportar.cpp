// Form1's menu "Editar", its way out: every result copied as text and as a
// table, the plot copied as an image or saved as PNG or SVG.
#include "Form1.h"

#include "Grafico.h"
#include "dato.h"
#include "tabla_puntos.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <map>
#include <utility>

namespace rectaviva {

QString Form1::textoResultados(bool html) const {
    const QString punto = QLocale::system().decimalPoint();
    QString texto;
    const auto fila = [&](const QStringList& campos, bool cabecera = false) {
        if (html) {
            const QString celda = cabecera ? QStringLiteral("th") : QStringLiteral("td");
            texto += QStringLiteral("<tr>");
            for (const QString& c : campos) {
                texto += QStringLiteral("<%1>%2</%1>").arg(celda, c.toHtmlEscaped());
            }
            texto += QStringLiteral("</tr>\n");
        } else {
            texto += campos.join(QLatin1Char('\t')) + QLatin1Char('\n');
        }
    };
    if (html) {
        texto += QStringLiteral("<table>\n");
    }
    // A transformation named once, which the boxes' names then leave out.
    if (const QString t = tituloTransformado(g); !t.isEmpty()) {
        fila({t}, true);
    }
    // Panel by panel, each box in reading order: top to bottom, left to right.
    std::map<const QWidget*, std::vector<const TextBox*>> paneles;
    std::vector<const QWidget*> orden;
    for (const TextBox* t : findChildren<TextBox*>()) {
        const QWidget* panel = t->parentWidget();
        if (!t->isVisibleTo(this) || t->accessibleName().isEmpty() || panel == nullptr) {
            continue;
        }
        if (paneles[panel].empty()) {
            orden.push_back(panel);
        }
        paneles[panel].push_back(t);
    }
    const auto arriba = [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    };
    // The panels beside the plot first, top to bottom, then those under it.
    const auto lugar = [this](const QWidget* w) {
        const QPoint p = w->mapTo(this, QPoint());
        return std::pair(p.x() < width() / 2, p.y());
    };
    std::sort(orden.begin(), orden.end(),
              [&](const QWidget* a, const QWidget* b) { return lugar(a) < lugar(b); });
    for (const QWidget* panel : orden) {
        auto& cajas = paneles[panel];
        std::sort(cajas.begin(), cajas.end(), arriba);
        const QString titulo = panel->accessibleName();
        fila({titulo.isEmpty() ? panel->objectName() : titulo}, true);
        for (const TextBox* t : cajas) {
            fila({nombreEnCopia(g, t->accessibleName()), t->Text().trimmed()});
        }
    }
    fila({tr("Puntos")}, true);
    const std::vector<QStringList> puntos = tablaDePuntos(g, punto);
    for (std::size_t i = 0; i < puntos.size(); ++i) {
        fila(puntos[i], i == 0);
    }
    if (html) {
        texto += QStringLiteral("</table>\n");
    }
    return texto;
}

void Form1::mnuCop_Click() {
    if (!existeMuestra()) {
        return;
    }
    auto* mime = new QMimeData;
    mime->setText(textoResultados(false));
    mime->setHtml(textoResultados(true));
    QGuiApplication::clipboard()->setMimeData(mime);
}

QImage Form1::imagenGrafico(double escala) {
    const QSize tam = Picture1->size();
    QImage imagen((QSizeF(tam) * escala).toSize(), QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(escala);
    QPainter p(&imagen);
    Picture1->pintarEn(p);
    return imagen;
}

void Form1::mnuCgr_Click() {
    if (existeMuestra()) {
        QGuiApplication::clipboard()->setImage(imagenGrafico(2.0));
    }
}

bool Form1::guardarGrafico(const QString& ruta, double escala) {
    bool bien = false;
    if (ruta.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        // Drawn as vectors: the grid, the markers and the lines stay sharp.
        QSvgGenerator svg;
        svg.setFileName(ruta);
        svg.setSize(Picture1->size());
        svg.setViewBox(QRect(QPoint(), Picture1->size()));
        svg.setTitle(QStringLiteral("Rectaviva"));
        QPainter p;
        if (p.begin(&svg)) {
            Picture1->pintarEn(p);
            bien = p.end();
        }
        bien = bien && QFileInfo(ruta).size() > 0;
    } else {
        bien = imagenGrafico(escala).save(ruta, "PNG");
    }
    if (!bien) {
        avisar_(tr("No se pudo guardar «%1».").arg(QFileInfo(ruta).fileName()));
    }
    return bien;
}

void Form1::mnuGgr_Click() {
    if (!existeMuestra()) {
        return;
    }
    const QStringList filtros{tr("Imagen PNG (*.png)"), tr("Imagen PNG al doble de tamaño (*.png)"),
                              tr("Imagen PNG al cuádruple de tamaño (*.png)"),
                              tr("Dibujo SVG, nítido a cualquier tamaño (*.svg)")};
    QString filtro = filtros.front();
    const QString propuesto =
        QStringLiteral("rectaviva-%1.png").arg(QDate::currentDate().toString(Qt::ISODate));
    QString ruta = QFileDialog::getSaveFileName(this, tr("Guardar gráfico"), propuesto,
                                                filtros.join(QStringLiteral(";;")), &filtro);
    if (ruta.isEmpty()) {
        return;
    }
    const qsizetype i = std::max<qsizetype>(0, filtros.indexOf(filtro));
    const QString extension = i == 3 ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (!ruta.endsWith(extension, Qt::CaseInsensitive)) {
        ruta = QFileInfo(ruta).path() + QLatin1Char('/') + QFileInfo(ruta).completeBaseName() +
               extension;
    }
    guardarGrafico(ruta, i == 1 ? 2.0 : i == 2 ? 4.0 : 1.0);
}

} // namespace rectaviva
