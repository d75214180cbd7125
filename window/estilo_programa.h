// The program's style: the platform's own, except that the menu bar's
// overflow arrow is read from its pictures the first time it is drawn.
#pragma once

#include <QProxyStyle>

namespace rectaviva {

// A menu bar asks its style for the overflow arrow as it is built, and the
// arrow's pictures are read through every image-format plug-in, which the
// window needs nowhere else before its first paint. The arrow shows only
// when the menus do not fit; until then nothing is read.
class EstiloPrograma : public QProxyStyle {
public:
    explicit EstiloPrograma(const QString& base);

    QIcon standardIcon(StandardPixmap sp, const QStyleOption* opcion,
                       const QWidget* w) const override;
};

} // namespace rectaviva
