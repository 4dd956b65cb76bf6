#pragma once
// The run trace: numbered checkpoints of the main operations. The whole list is written
// again after every line, so the file always ends with the last checkpoint reached.
#include <QDate>
#include <QString>
#include <QStringList>

class Sled {
public:
    // Deletes the trace files of the months in which the dates 40 and 60 days before
    // today lie, names this run's file and starts it with checkpoint 1.
    void zacni(const QString& adresarProgramu);
    void ZapisSled(int kod);
    void ukonci(); // checkpoint 999, last save, release
    const QString& soubor() const { return m_soubor; }
    const QStringList& radky() const { return m_radky; }

    static void UklidStarych(const QString& adresarProgramu, const QDate& dnes);

private:
    void uloz() const;
    QString m_soubor;
    QStringList m_radky;
};
