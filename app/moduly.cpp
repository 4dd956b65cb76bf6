#include "moduly.h"

#include "dotaz.h"
#include "maleoperace.h"
#include "relace.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>

const QList<Modul>& Moduly() {
    static const QList<Modul> m = {
        {QStringLiteral("ardo.exe"), QStringLiteral("PP - Příjemka přírody")},
        {QStringLiteral("belt.exe"), QStringLiteral("VU - Výkaz o úpravě osiva")},
        {QStringLiteral("cirk.exe"), QStringLiteral("VO - Výdejka odpadů")},
        {QStringLiteral("dumo.exe"), QStringLiteral("PV - Příjemka, výkup")},
        {QStringLiteral("efta.exe"), QStringLiteral("DL - Dodací list")},
        {QStringLiteral("fols.exe"), QStringLiteral("VN - Výdejka, návratka")},
        {QStringLiteral("grem.exe"), QStringLiteral("SK - Skladová karta")},
        {QStringLiteral("ilka.exe"), QStringLiteral("VP - Vnitropodnik")},
        {QStringLiteral("hurn.exe"), QStringLiteral("KA - Kalkulace")},
        {QStringLiteral("jemb.exe"), QStringLiteral("KS - Krmné směsi")},
    };
    return m;
}

bool ModulExistuje(const QString& program) {
    return QFileInfo(QDir::current(), program).isFile();
}

bool SpustModul(const QString& program) {
    return SpustProces(program + QStringLiteral(" modul"), false);
}

void NaplnMenuModuly(QMenu* menu, const std::function<void()>& ukonci) {
    for (const Modul& m : Moduly()) {
        QAction* a = menu->addAction(m.popisek);
        a->setProperty("program", m.program);
        const QString program = m.program;
        QObject::connect(a, &QAction::triggered, menu, [program, ukonci] {
            // A module that cannot be started is not reported; this program ends anyway.
            SpustModul(program);
            if (ukonci)
                ukonci();
        });
    }
}

void PovolModuly(QMenu* menu) {
    for (QAction* a : menu->actions())
        if (const QString program = a->property("program").toString(); !program.isEmpty())
            a->setEnabled(ModulExistuje(program));
}

bool OtevriNapovedu(const QString& soubor) {
    const QString cesta = AdresarProgramu() + soubor;
    if (!QFileInfo(cesta).isFile())
        return false;
    if (SpustProgram(cesta))
        return true;
    // Platforms without a desktop behind them (offscreen, minimal) open nothing through
    // Qt; the desktop's own opener still knows the associated application.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {cesta});
}

bool CelkovyPopis() {
    return OtevriNapovedu(QStringLiteral("asmesi.txt"));
}

bool MpNaUkzuz() {
    return OtevriNapovedu(QStringLiteral("smesi_ukzuz.pdf"));
}

void OProgramu() {
    dotaz(QStringLiteral("Verze ") + VerzeProgramu(), Ikona::Informace);
}

void NaplnMenuPomoc(QMenu* menu) {
    // "Popis programu" has never had a text behind it in the suite; the item stays, as
    // the users know the menu, and does nothing.
    menu->addAction(QStringLiteral("Popis programu"));
    QMenu* zmeny = menu->addMenu(QStringLiteral("Poslední změny"));
    QObject::connect(zmeny->addAction(QStringLiteral("Celkový popis")), &QAction::triggered, menu,
                     [] { CelkovyPopis(); });
    QObject::connect(zmeny->addAction(QStringLiteral("MP na ÚKZÚZ")), &QAction::triggered, menu,
                     [] { MpNaUkzuz(); });
    QObject::connect(menu->addAction(QStringLiteral("O programu")), &QAction::triggered, menu,
                     [] { OProgramu(); });
}
