#include "tfnavesky.h"

#include "dotaz.h"
#include "hodnoty.h"
#include "kodovani.h"
#include "kurzor.h"
#include "modelvysledku.h"
#include "rozlozeni.h"
#include "stavprogramu.h"
#include "ulozeni.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const QLatin1String SouborRozlozeni("nnaves.slo");
const QLatin1String SouborVolani("a1.txt");

struct Sloupec {
    const char* pole;
    int sirka;
};
const Sloupec sloupce[] = {{"odcis", 95},     {"docis", 95},     {"pocet", 35},
                           {"druh1", 150},    {"odruda", 100},   {"generace1", 30},
                           {"hmotnost1", 55}, {"hmotnost2", 40}, {"vzorkovani", 60},
                           {"moridlo1", 250}, {"moridlo2", 250}};

// Only the weight is right-aligned; the tag numbers read better from the left.
class ModelNavesek : public ModelVysledku {
public:
    using ModelVysledku::ModelVysledku;
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::TextAlignmentRole)
            return QVariant(
                (pole(index.column()).compare(QLatin1String("hmotnost1"), Qt::CaseInsensitive) == 0
                     ? Qt::AlignRight
                     : Qt::AlignLeft) |
                Qt::AlignVCenter);
        return ModelVysledku::data(index, role);
    }
};

bool jenCislice(const QString& s) {
    return !s.isEmpty() &&
           std::all_of(s.cbegin(), s.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}
} // namespace

QString KratkyDocis(const QString& odcis, const QString& docis) {
    // Position (length - a) counted from 1 in each text; a position before the start of
    // the shorter text has no character to agree with.
    auto shoda = [&](int a) {
        const qsizetype po = odcis.size() - a, pd = docis.size() - a;
        return po >= 1 && pd >= 1 && odcis.at(po - 1) == docis.at(pd - 1);
    };
    int a = 3;
    while (a < 10 && !shoda(a))
        ++a;
    const QString cast = docis.right(a + 1);
    if (!jenCislice(cast))
        return cast;
    // At most 11 digits: the number always fits.
    return QString::number(cast.toLongLong());
}

QString ZaznamBehu(const BehNavesek& beh) {
    const QString od = beh.odcis.trimmed();
    const QString doc = beh.docis.trimmed();
    if (beh.pocet == 1 || doc.isEmpty())
        return od;
    return od + QLatin1Char('-') + KratkyDocis(od, doc);
}

QString SpojNavesky(const QVector<BehNavesek>& behy) {
    QStringList z;
    for (const BehNavesek& b : behy)
        z << ZaznamBehu(b);
    return z.join(QLatin1Char(','));
}

TextNavesek OrizniNavesky(const QString& text) {
    if (text.size() <= DelkaNavesek)
        return {text, false};
    return {text.left(DelkaNavesek), true};
}

QString SqlProceduraNavesek(const QString& databaze) {
    return QStringLiteral("SHOW PROCEDURE STATUS where Name=\"nnavesky_seznam_partie\" and Db=") +
           SqlTextUvozovky(databaze);
}

QString SqlSeznamNavesek(const QString& partiecela) {
    return QStringLiteral("call nnavesky_seznam_partie(") + SqlTextUvozovky(partiecela) +
           QLatin1Char(')');
}

QString NabidniNavesky(StavProgramu& stav, const QString& partiecela, QWidget* rodic) {
    Spojeni& s = stav.relace.spojeni();
    // The name of the database the connection actually uses (the directory server may
    // have chosen it).
    Vysledek db, v;
    if (!s.proved(QStringLiteral("select database() as db"), &db) ||
        !s.proved(SqlProceduraNavesek(db.text(0, QStringLiteral("db"))), &v)) {
        dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop, rodic);
        return {};
    }
    if (v.pocetRadku() == 0) {
        dotaz(QStringLiteral("Není nainstalován modul Návěsky."), {QStringLiteral("OK")},
              Ikona::Stop, rodic);
        return {};
    }
    TFnavesky okno(stav, partiecela, rodic);
    okno.exec();
    return okno.VybraneNavesky;
}

TFnavesky::TFnavesky(StavProgramu& stav, const QString& partiecela, QWidget* rodic)
    : QDialog(rodic), m_stav(stav), m_partiecela(partiecela) {
    setObjectName(QStringLiteral("TFnavesky"));
    setWindowTitle(QStringLiteral("Seznam vytištěných návěsek"));
    resize(1000, 420);
    auto* l = new QVBoxLayout(this);
    m_model = new ModelNavesek(this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("suiDBGrid1"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    // A click marks or unmarks a row; the keyboard moves without marking (Space marks).
    m_grid->setSelectionMode(QAbstractItemView::MultiSelection);
    m_grid->verticalHeader()->setVisible(false);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->addWidget(m_grid, 1);
    auto* tl = new QHBoxLayout;
    m_prevzit = new QPushButton(QStringLiteral("Převzít"), this);
    m_prevzit->setObjectName(QStringLiteral("suiButtonPrevzit"));
    m_zpet = new QPushButton(QStringLiteral("Zpět"), this);
    m_zpet->setObjectName(QStringLiteral("suiButtonZpet"));
    // Enter in the list must not take over by accident.
    m_prevzit->setAutoDefault(false);
    m_zpet->setAutoDefault(false);
    tl->addStretch(1);
    tl->addWidget(m_prevzit);
    tl->addWidget(m_zpet);
    l->addLayout(tl);
    connect(m_prevzit, &QPushButton::clicked, this, &TFnavesky::suiButtonPrevzitClick);
    connect(m_zpet, &QPushButton::clicked, this, &QDialog::reject);

    m_ulozene = std::make_unique<UlozeneVlastnosti>(
        IniSoubor(m_stav.adresarProgramu + QStringLiteral("smesi.ini")),
        QStringLiteral("TFnavesky"));
    for (const char* p : {"Left", "Top", "Width", "Height"})
        m_ulozene->pridej(this, p, QString::fromLatin1(p));
    m_ulozene->obnov();
}

TFnavesky::~TFnavesky() = default;

void TFnavesky::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (m_nacteno)
        return;
    m_nacteno = true;
    VybraneNavesky.clear();
    setWindowTitle(QStringLiteral("Seznam vytištěných návěsek pro partii  ") + m_partiecela);
    nacti();
}

bool TFnavesky::nacti() {
    Spojeni& s = m_stav.relace.spojeni();
    Vysledek v;
    bool ok = false;
    {
        KurzorCekani kurzor;
        const QString volani = SqlSeznamNavesek(m_partiecela);
        // Kept for tracing what the tags module was asked.
        QFile f(SouborVolani);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(DoCp1250Ztratove(volani + QStringLiteral("\r\n")));
        f.close();
        ok = s.proved(volani) && s.proved(QStringLiteral("select * from _nnavesky_partie"), &v);
    }
    if (!ok) {
        dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop, this);
        return false;
    }
    QStringList pole;
    for (const Sloupec& c : sloupce)
        pole << QString::fromLatin1(c.pole);
    m_model->nastav(std::move(v), pole, pole);
    for (const Sloupec& c : sloupce) {
        const int i = m_model->sloupec(QString::fromLatin1(c.pole));
        if (i >= 0)
            m_grid->horizontalHeader()->resizeSection(i, c.sirka);
    }
    if (QFile::exists(SouborRozlozeni))
        PouzijRozlozeni(m_grid, m_model, NactiRozlozeni(SouborRozlozeni));
    return true;
}

void TFnavesky::suiButtonPrevzitClick() {
    QModelIndexList oznacene = m_grid->selectionModel()->selectedRows();
    if (oznacene.isEmpty()) {
        dotaz(QStringLiteral("Nebyl vybrán žádný řádek."), {QStringLiteral("Zpět")}, Ikona::Stop,
              this);
        return;
    }
    // In the list's order, whatever order the rows were marked in.
    std::sort(oznacene.begin(), oznacene.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QVector<BehNavesek> behy;
    for (const QModelIndex& i : oznacene)
        behy.push_back({m_model->text(i.row(), QStringLiteral("odcis")),
                        m_model->text(i.row(), QStringLiteral("docis")),
                        m_model->vysledek().cele(i.row(), QStringLiteral("pocet"))});
    const TextNavesek t = OrizniNavesky(SpojNavesky(behy));
    if (t.zkraceno)
        dotaz(QStringLiteral("POZOR. Text je příliš dlouhý, byl zkrácen."), {QStringLiteral("OK")},
              Ikona::Informace, this);
    VybraneNavesky = t.text;
    accept();
}

void TFnavesky::done(int r) {
    UlozRozlozeni(m_grid, m_model, SouborRozlozeni);
    m_ulozene->uloz();
    QDialog::done(r);
}
