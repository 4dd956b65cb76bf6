#include "vystup.h"

#include "sestava.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

void OrbeluExport(Sestava& sestava, const QString& cesta) {
    QSaveFile soubor(cesta);
    if (!soubor.open(QIODevice::WriteOnly))
        throw ChybaVystupu(QStringLiteral("Nelze zapsat soubor ") +
                           QDir::toNativeSeparators(cesta) + QStringLiteral(": ") +
                           soubor.errorString());
    int stran = 0;
    {
        QPdfWriter pdf(&soubor);
        pdf.setTitle(sestava.nazev);
        pdf.setCreator(QStringLiteral("Kavlin05 - směsi"));
        pdf.setResolution(600);
        stran = sestava.tiskni(pdf);
    }
    if (stran < 0) {
        soubor.cancelWriting();
        throw ChybaVystupu(sestava.chyba());
    }
    if (!soubor.commit())
        throw ChybaVystupu(QStringLiteral("Nelze zapsat soubor ") +
                           QDir::toNativeSeparators(cesta) + QStringLiteral(": ") +
                           soubor.errorString());
}
