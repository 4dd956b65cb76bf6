#pragma once
// A private MariaDB for a benchmark run, stopped again however the run ends, and loading
// SQL files into it with the command-line client.
#include <QString>
#include <QStringList>

class PrivatniServer {
public:
    PrivatniServer(QString adresar, int port) : m_adresar(std::move(adresar)), m_port(port) {}
    ~PrivatniServer();
    bool spust();

private:
    bool skript(const QStringList& argumenty);
    QString m_adresar;
    int m_port;
    bool m_bezi = false;
};

bool NactiSql(int port, const QString& databaze, const QString& soubor, QString* chyba);
