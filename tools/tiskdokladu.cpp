// Writes the printed mixture document of one posted document to a PDF file, straight from
// a database, for looking at the page (tools/nahled-dokladu.sh):
//     tisk_dokladu <host> <port> <database> <document number> <file.pdf>
// The cost centre's pallet setting and kontejnery_DO come from the database as the main
// window reads them.
#include "relace.h"
#include "stavprogramu.h"
#include "tsmesi.h"
#include "vystup.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    const QStringList a = QApplication::arguments();
    if (a.size() != 6) {
        std::fprintf(stderr, "usage: tisk_dokladu host port database number file.pdf\n");
        return 2;
    }
    ParametrySpojeni p;
    p.host = a[1];
    p.port = a[2].toInt();
    p.databaze = a[3];
    Relace relace;
    Spojeni& s = relace.spojeni();
    if (!s.pripoj(p)) {
        std::fprintf(stderr, "%s\n", qPrintable(s.chyba()));
        return 1;
    }
    s.proved(QStringLiteral("set @@session.sql_mode=\"\""));
    s.proved(QStringLiteral("SET names cp1250;"));
    StavProgramu stav(relace);
    stav.adresarProgramu = QDir::currentPath() + QLatin1Char('/');
    Vysledek v;
    if (s.proved(QStringLiteral("select kontejnery_DO from kavlin limit 1"), &v) && !v.prazdny())
        stav.kontejnery_DO = static_cast<int>(v.cele(0, QStringLiteral("kontejnery_DO")));
    Vysledek data;
    if (!s.proved(DotazTiskuSM(a[4]).join(QLatin1Char('\n')), &data)) {
        std::fprintf(stderr, "%s\n", qPrintable(s.chyba()));
        return 1;
    }
    if (!data.prazdny()) {
        Vysledek st;
        if (s.proved(QStringLiteral("select palety from strtopc where stred = '") +
                         data.text(0, QStringLiteral("stredisko")) + QLatin1Char('\''),
                     &st) &&
            !st.prazdny())
            stav.PaletyStrediska = st.cele(0, QStringLiteral("palety")) > 0;
    }
    TfTsmesi formular(stav, data);
    try {
        OrbeluExport(formular.sestava(), a[5]);
    } catch (const ChybaVystupu& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.zprava()));
        return 1;
    }
    return 0;
}
