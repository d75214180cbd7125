// The language of Qt's own texts: message boxes, file dialogs, the undo
// stack's texts and the context menus of entries.
#pragma once

class QCoreApplication;
class QString;
class QTranslator;

namespace rectaviva {

// Installs on `app` Qt's own catalogue for `idioma` (for instance "es"),
// read from Qt's translations folder, and returns it. When that catalogue is
// missing it returns nullptr, and Qt's dialogs stay as Qt ships them.
QTranslator* instalarTextosDeQt(QCoreApplication& app, const QString& idioma);

} // namespace rectaviva
