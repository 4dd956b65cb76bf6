#include "maleoperace.h"

#include "hodiny.h"
#include "ini.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

QString AdresarProgramu() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString AdresarPdfVychozi() {
    QString d = qEnvironmentVariable("SMESI_PDF_DIR");
    if (d.isEmpty())
        d = QDir::homePath() + QStringLiteral("/vk/pdf/");
    if (!d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    return d;
}

void Cekej(int milisekund) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < milisekund) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

bool SpustProgram(const QString& soubor) {
    QFileInfo fi(soubor);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The desktop's opener, found in PATH, whatever the window system plugin offers.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty())
        return QProcess::startDetached(opener, {fi.exists() ? fi.absoluteFilePath() : soubor});
#endif
    QUrl url = fi.exists() ? QUrl::fromLocalFile(fi.absoluteFilePath()) : QUrl(soubor);
    return QDesktopServices::openUrl(url);
}

QString NajdiProgram(const QString& jmeno) {
    if (jmeno.isEmpty())
        return {};
    QFileInfo fi(jmeno);
    if (fi.isAbsolute())
        return fi.isFile() ? jmeno : QString();
    for (const QString& adr : {QDir::currentPath() + QLatin1Char('/'), AdresarProgramu()}) {
        QFileInfo k(adr + jmeno);
        if (k.isFile())
            return k.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(jmeno);
}

bool SpustProces(const QString& prikazovyRadek, bool cekat) {
    QStringList casti = QProcess::splitCommand(prikazovyRadek);
    if (casti.isEmpty())
        return false;
    const QString program = casti.takeFirst();
    return SpustProces(program, casti, cekat);
}

bool SpustProces(const QString& jmeno, const QStringList& casti, bool cekat) {
    QString program = NajdiProgram(jmeno);
    if (program.isEmpty())
        return false;
    if (!cekat)
        return QProcess::startDetached(program, casti, QDir::currentPath());
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(program, casti);
    if (!p.waitForStarted())
        return false;
    // The window stays painted while the outside program runs.
    while (!p.waitForFinished(50))
        QCoreApplication::processEvents();
    return true;
}

bool DnesUzSpusteno(const QString& jmeno) {
    IniSoubor ini(QStringLiteral("./") + jmeno + QStringLiteral(".ini"));
    const QString dnes = Hodiny::dnes().toString(QStringLiteral("yyyy-MM-dd"));
    const QString posledni =
        ini.cti(QStringLiteral("Dnes"), QStringLiteral("Datum"), QStringLiteral("999"));
    ini.zapis(QStringLiteral("Dnes"), QStringLiteral("Datum"), dnes);
    return posledni == dnes;
}
