#pragma once
// Enter moves to the next field, as the suite's users expect in every form. Buttons,
// multi-line text areas and grids keep their own Enter.
#include <QObject>

class EnterDalsiPole : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Installs the filter on the whole application once.
    static void zapni();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
};
