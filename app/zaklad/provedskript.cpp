#include "provedskript.h"

#include "dotaz.h"

#include <QCoreApplication>
#include <QMetaObject>

bool ProvedSkriptSHlasenim(Relace& relace, const std::function<void()>& pozadavekKonce,
                           VysledekSkriptu* vysledek, const OcekavanaChyba& ocekavana) {
    VysledekSkriptu v = relace.ProvedSkript(ocekavana);
    const bool ok = v.ok, konec = !v.ok && !v.ocekavana;
    if (vysledek)
        *vysledek = std::move(v);
    if (!konec)
        return ok;
    dotaz(QStringLiteral("Nastala chyba SQL. Program bude ukončen."), {QStringLiteral("OK")},
          Ikona::Varovani);
    if (pozadavekKonce)
        pozadavekKonce();
    else if (QCoreApplication::instance())
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    return false;
}
