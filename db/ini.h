#pragma once
// Windows profile (INI) files as the other modules of the suite read and write them:
// sections and keys case-insensitive, a missing file or key gives the caller's default,
// writing one key keeps every other line of the file, Windows-1250 text, CRLF line ends.
// Every call reads the file afresh, as the profile functions do, so two writers in one
// run (the settings dialog and the main window) never overwrite each other's keys.
#include <QString>
#include <QStringList>

class IniSoubor {
public:
    explicit IniSoubor(QString cesta) : m_cesta(std::move(cesta)) {}
    const QString& cesta() const { return m_cesta; }

    QString cti(const QString& sekce, const QString& klic, const QString& vychozi = {}) const;
    bool ctiBool(const QString& sekce, const QString& klic, bool vychozi) const;
    int ctiInt(const QString& sekce, const QString& klic, int vychozi) const;
    bool obsahuje(const QString& sekce, const QString& klic) const;
    QStringList klice(const QString& sekce) const;
    // Writes one key (creating the section and the file when needed). Returns false when
    // the file cannot be written or the value does not fit Windows-1250.
    bool zapis(const QString& sekce, const QString& klic, const QString& hodnota) const;
    bool zapisBool(const QString& sekce, const QString& klic, bool hodnota) const {
        return zapis(sekce, klic, hodnota ? QStringLiteral("True") : QStringLiteral("False"));
    }
    bool smazKlic(const QString& sekce, const QString& klic) const;

private:
    QStringList nactiRadky() const;
    bool ulozRadky(const QStringList& radky) const;
    QString m_cesta;
};
