#pragma once
// The script executor: callers add a script line by line ("BEGIN;" … "COMMIT;"), execute it
// once and clear it. Statements end with ";" outside quoted literals; a colon followed by
// a name is ordinary text, never a parameter.
#include <QString>
#include <QStringList>

class Spojeni;

class SkriptovyProcesor {
public:
    void vymaz() { m_radky.clear(); }
    void pridej(const QString& radek) { m_radky << radek; }
    void pridej(const QStringList& radky) { m_radky << radky; }
    const QStringList& radky() const { return m_radky; }
    QString text() const { return m_radky.join(QLatin1Char('\n')); }
    bool prazdny() const { return m_radky.isEmpty(); }
    // The statements of the script in order, each without its trailing ";".
    QStringList prikazy() const { return RozdelPrikazy(text()); }

    static QStringList RozdelPrikazy(const QString& text);

private:
    QStringList m_radky;
};
