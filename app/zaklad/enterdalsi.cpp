#include "enterdalsi.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextEdit>

void EnterDalsiPole::zapni() {
    static EnterDalsiPole* filtr = nullptr;
    if (!filtr && qApp) {
        filtr = new EnterDalsiPole(qApp);
        qApp->installEventFilter(filtr);
    }
}

bool EnterDalsiPole::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress)
        return false;
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter)
        return false;
    if (k->modifiers() & ~Qt::KeypadModifier)
        return false;
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || !w->isEnabled())
        return false;
    const bool pole = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                      qobject_cast<QComboBox*>(w) ||
                      (qobject_cast<QAbstractButton*>(w) && w->property("checkable").toBool());
    if (!pole)
        return false;
    // An open popup of a combo box takes the Enter itself.
    if (auto* c = qobject_cast<QComboBox*>(w); c && c->view() && c->view()->isVisible())
        return false;
    if (auto* le = qobject_cast<QLineEdit*>(w))
        emit le->editingFinished();
    if (QWidget* dalsi = w->nextInFocusChain(); dalsi && dalsi != w) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(w, &tab);
    }
    return true;
}
