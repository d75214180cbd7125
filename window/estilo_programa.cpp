// The program's style and the icon that reads its pictures when first used.
#include "estilo_programa.h"

#include <QIconEngine>
#include <QPainter>

#include <functional>
#include <optional>

namespace rectaviva {

namespace {

// An icon whose pictures are made the first time it is drawn or measured;
// until then it is known not to be empty, which is all a button asks of it
// when it is given one.
class IconoDiferido : public QIconEngine {
public:
    explicit IconoDiferido(std::function<QIcon()> hacer) : hacer_(std::move(hacer)) {}

    void paint(QPainter* p, const QRect& r, QIcon::Mode m, QIcon::State s) override {
        icono().paint(p, r, Qt::AlignCenter, m, s);
    }
    QSize actualSize(const QSize& t, QIcon::Mode m, QIcon::State s) override {
        return icono().actualSize(t, m, s);
    }
    QPixmap pixmap(const QSize& t, QIcon::Mode m, QIcon::State s) override {
        return icono().pixmap(t, 1.0, m, s);
    }
    QPixmap scaledPixmap(const QSize& t, QIcon::Mode m, QIcon::State s, qreal escala) override {
        return icono().pixmap(t / escala, escala, m, s);
    }
    QList<QSize> availableSizes(QIcon::Mode m, QIcon::State s) override {
        return icono().availableSizes(m, s);
    }
    QIconEngine* clone() const override { return new IconoDiferido(*this); }
    QString key() const override { return QStringLiteral("rectaviva-diferido"); }
    bool isNull() override { return false; }

private:
    const QIcon& icono() {
        if (!icono_) {
            icono_ = hacer_();
        }
        return *icono_;
    }

    std::function<QIcon()> hacer_;
    std::optional<QIcon> icono_;
};

} // namespace

EstiloPrograma::EstiloPrograma(const QString& base) : QProxyStyle(base) {}

QIcon EstiloPrograma::standardIcon(StandardPixmap sp, const QStyleOption* opcion,
                                   const QWidget* w) const {
    if (sp == SP_ToolBarHorizontalExtensionButton && opcion == nullptr) {
        QStyle* s = baseStyle();
        return QIcon(new IconoDiferido([s, sp] { return s->standardIcon(sp); }));
    }
    return QProxyStyle::standardIcon(sp, opcion, w);
}

} // namespace rectaviva
