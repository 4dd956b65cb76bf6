#pragma once
// Stored properties of windows: each value lives in the program's INI file under the
// window's section, key objectName + "_" + property ("OvcSplitter1_Position"), in the
// property's text form ("True"/"False" for flags). Restored when the window is shown,
// written back when it closes.
#include "ini.h"

#include <QList>
#include <QPointer>
#include <QString>

class QObject;

class UlozeneVlastnosti {
public:
    UlozeneVlastnosti(IniSoubor ini, QString sekce)
        : m_ini(std::move(ini)), m_sekce(std::move(sekce)) {}
    // Registers a property of a control: Qt property names ("text", "checked",
    // "currentIndex", "sizes" …) map to the stored name given ("Text", "Checked", …).
    void pridej(QObject* objekt, const char* vlastnostQt, const QString& jmenoUlozene);
    void obnov() const;
    void uloz() const;
    const IniSoubor& ini() const { return m_ini; }
    const QString& sekce() const { return m_sekce; }

private:
    struct Polozka {
        QPointer<QObject> objekt;
        QByteArray vlastnost;
        QString klic;
    };
    IniSoubor m_ini;
    QString m_sekce;
    QList<Polozka> m_polozky;
};

// The program's own INI file, named after the program in the program directory (smesi.ini).
IniSoubor IniProgramu();
