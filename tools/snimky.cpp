// Screenshots of the main windows against the demo database, for looking at what a user
// sees: run by tools/screenshot.sh under Xvfb in the demo's program directory.
#include "dotaz.h"
#include "hledat.h"
#include "seznamdokladu.h"
#include "tfmozno.h"
#include "tform1.h"
#include "tfstredisko.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {
void uloz(QWidget* w, const QString& soubor) {
    QTest::qWait(300);
    w->grab().save(soubor);
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString cil = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snimky");
    QDir().mkpath(cil);
    NastavOdpovidac([](const ZaznamDotazu& z) {
        qWarning("dotaz: %s", qPrintable(z.text));
        return 1;
    });
    VolbyStartu v;
    v.adresarProgramu = QDir::currentPath();
    v.prvniArgument = QStringLiteral("modul");
    TForm1 okno(v);
    okno.resize(1200, 800);
    okno.show();
    (void)QTest::qWaitFor([&] { return okno.fazeZobrazeniHotova(); }, 15000);
    uloz(&okno, cil + QStringLiteral("/hlavni-okno.png"));
    // The editor with a posted document of the demo.
    if (okno.seznam()->vyber(QStringLiteral("2026100001"))) {
        okno.akce(QStringLiteral("Opravit1"))->trigger();
        uloz(&okno, cil + QStringLiteral("/editor.png"));
        // A new line with the stock-card picker open.
        if (auto* b = okno.findChild<QPushButton*>(QStringLiteral("suiButton21")))
            b->click();
        if (auto* b = okno.findChild<QPushButton*>(QStringLiteral("suiButton12")))
            b->click();
        uloz(&okno, cil + QStringLiteral("/editor-karty.png"));
        if (auto* b = okno.findChild<QPushButton*>(QStringLiteral("suiButton14")))
            b->click();
        if (auto* t = okno.findChild<QTabWidget*>(QStringLiteral("suiPageControl1"))) {
            t->setCurrentIndex(1);
            uloz(&okno, cil + QStringLiteral("/editor-obaly.png"));
            t->setCurrentIndex(0);
        }
        if (auto* zpet = okno.findChild<QPushButton*>(QStringLiteral("suiButton16")))
            zpet->click();
    }
    // The list's context menu and the search dialog.
    {
        QTableView* g = okno.seznam()->gridSeznam();
        g->setCurrentIndex(okno.seznam()->modelSeznamu()->index(1, 1));
        QMenu* m = okno.seznam()->menuSeznamu();
        emit m->aboutToShow();
        m->popup(okno.mapToGlobal(QPoint(300, 120)));
        uloz(m, cil + QStringLiteral("/menu-seznamu.png"));
        m->hide();
        TFhledat h(okno.seznam()->modelSeznamu(), 1, TFhledat::SloupceProHledani(g), 1, &okno);
        h.show();
        uloz(&h, cil + QStringLiteral("/hledat.png"));
        h.close();
    }
    TFmozno nastaveni(IniSoubor(QDir::currentPath() + QStringLiteral("/smesi.ini")),
                      okno.stav().CisloPC, &okno);
    nastaveni.show();
    uloz(&nastaveni, cil + QStringLiteral("/nastaveni.png"));
    nastaveni.close();
    TFstredisko volba({QStringLiteral("10"), QStringLiteral("20")}, okno.stav().stredisko, &okno);
    volba.show();
    uloz(&volba, cil + QStringLiteral("/volba-strediska.png"));
    volba.close();
    okno.close();
    return 0;
}
