// What the program says to a screen reader after a change: a queue that
// says the texts of one turn as one message once its events are done, through
// a notification that Orca speaks wherever the focus is.
#include "Form1.h"
#include "privado.h"

#include <QTimer>

namespace rectaviva {

// Said once when the events of this turn are done, so that what a refresh,
// a closing menu or a moving focus tell the screen reader comes first; what
// several steps of one turn say is said in one message.
void Form1::hablar(const QString& texto) {
    if (porDecir_.isEmpty()) {
        QTimer::singleShot(0, this, [this] {
            const QString t = porDecir_.join(QStringLiteral(". "));
            porDecir_.clear();
            decir(t);
        });
    }
    porDecir_ << texto;
}

// Says `texto` as a notification: the hidden, empty widget `aviso_` is named
// with it and shown, and Orca speaks a notification that appears wherever
// the focus is. (Qt 6.4 sends a changed name or description with the object
// in place of the text, so Orca cannot speak those.)
void Form1::decir(const QString& texto) {
    dicho_ = texto;
    if (!QAccessible::isActive()) {
        return;
    }
    {
        const Silencio s;
        aviso_->hide();
        aviso_->setAccessibleName(texto);
    }
    aviso_->show();
}

} // namespace rectaviva
