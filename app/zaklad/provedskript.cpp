#include "provedskript.h"

#include "dotaz.h"

#include <QCoreApplication>
#include <QMetaObject>

bool ProvedSkriptSHlasenim(Relace& relace, const std::function<void()>& pozadavekKonce) {
    VysledekSkriptu v = relace.ProvedSkript();
    if (v.ok)
        return true;
    dotaz(QStringLiteral("Nastala chyba SQL. Program bude ukončen."), {QStringLiteral("OK")},
          Ikona::Varovani);
    if (pozadavekKonce)
        pozadavekKonce();
    else if (QCoreApplication::instance())
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    return false;
}
