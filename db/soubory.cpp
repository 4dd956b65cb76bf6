#include "soubory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool SmazSoubory(const QString& maska) {
    QFileInfo fi(maska);
    QDir dir = fi.absoluteDir();
    if (!dir.exists())
        return true;
    const QStringList jmena =
        dir.entryList({fi.fileName()}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& j : jmena)
        if (!QFile::remove(dir.filePath(j)))
            return false;
    return true;
}

void VytvorAdresar(const QString& cesta) {
    QString c = cesta;
    while (c.endsWith(QLatin1Char('/')) || c.endsWith(QLatin1Char('\\')))
        c.chop(1);
    if (c.size() <= 2)
        return;
    if (QFileInfo(c).isDir())
        return;
    QDir().mkpath(c);
}

bool PripojKSouboru(const QString& cesta, const QByteArray& data) {
    QFile f(cesta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    return f.write(data) == data.size();
}
