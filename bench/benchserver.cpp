#include "benchserver.h"

#include <QDir>
#include <QProcess>

// The private server of the benchmark; stopped again however the run ends.
PrivatniServer::~PrivatniServer() {
    if (m_bezi)
        skript({QStringLiteral("stop"), m_adresar});
}

bool PrivatniServer::spust() {
    QDir().mkpath(m_adresar);
    m_bezi = skript({QStringLiteral("start"), m_adresar, QString::number(m_port)});
    return m_bezi;
}

bool PrivatniServer::skript(const QStringList& argumenty) {
    QProcess p;
    // The server inherits the script's output; a file keeps it from holding our pipe.
    p.setStandardOutputFile(m_adresar + QStringLiteral("/skript.log"), QIODevice::Append);
    p.setStandardErrorFile(m_adresar + QStringLiteral("/skript.log"), QIODevice::Append);
    p.start(QStringLiteral(SMESI_ZDROJE "/tools/mariadb-private.sh"), argumenty);
    return p.waitForFinished(180000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool NactiSql(int port, const QString& databaze, const QString& soubor, QString* chyba) {
    QProcess p;
    p.setStandardInputFile(soubor);
    p.start(QStringLiteral("mariadb"),
            {QStringLiteral("--no-defaults"), QStringLiteral("-h127.0.0.1"),
             QStringLiteral("-P%1").arg(port), QStringLiteral("-uroot"),
             QStringLiteral("--default-character-set=utf8mb4"), databaze});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *chyba = QString::fromUtf8(p.readAllStandardError());
        return false;
    }
    return true;
}
