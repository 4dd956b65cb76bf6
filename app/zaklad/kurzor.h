#pragma once
// The wait cursor for the length of a scope, restored on every path out of it.
#include <QApplication>
#include <QCursor>

class KurzorCekani {
public:
    KurzorCekani() {
        if (qApp)
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~KurzorCekani() {
        if (qApp)
            QApplication::restoreOverrideCursor();
    }
    KurzorCekani(const KurzorCekani&) = delete;
    KurzorCekani& operator=(const KurzorCekani&) = delete;
};
