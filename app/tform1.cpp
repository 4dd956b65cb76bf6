#include "tform1.h"

#include "dotaz.h"
#include "editordokladu.h"
#include "filtr.h"
#include "hledat.h"
#include "maleoperace.h"
#include "moduly.h"
#include "pohledy.h"
#include "pracuji.h"
#include "seznamdokladu.h"
#include "tfmozno.h"
#include "tfstrediska.h"
#include "tfstredisko.h"
#include "tsmesi.h"
#include "ulozeni.h"
#include "uvod.h"
#include "verze.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

int Rozdelovac::pozice() const {
    return sizes().value(0);
}

void Rozdelovac::nastavPozici(int p) {
    if (p < 0)
        return;
    QList<int> s = sizes();
    int celkem = 0;
    for (int x : s)
        celkem += x;
    if (s.size() < 2)
        return;
    if (celkem <= 0)
        celkem = p;
    s[0] = p;
    s[1] = qMax(0, celkem - p);
    setSizes(s);
}

namespace {
// Menu items are named as the suite names them: the caption's ASCII letters and digits
// followed by "1" ("Zobrazovat řádky dokladu" -> "Zobrazovatdkydokladu1").
QString jmenoAkce(const QString& titulek) {
    QString j;
    for (QChar c : titulek)
        if (c.unicode() < 128 && c.isLetterOrNumber())
            j += c;
    return j + QLatin1Char('1');
}
} // namespace

TForm1::TForm1(VolbyStartu volby, QWidget* rodic)
    : QMainWindow(rodic), m_volby(std::move(volby)), m_stav(m_relace) {
    m_adr = m_volby.adresarProgramu.isEmpty() ? AdresarProgramu() : m_volby.adresarProgramu;
    if (!m_adr.endsWith(QLatin1Char('/')))
        m_adr += QLatin1Char('/');
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kavlin05 - směsi"));
    resize(1180, 760);
    m_stav.adresarProgramu = m_adr;
    m_bezTiskuPoZapisu = m_volby.bezTiskuPoZapisu;
    m_stav.pozadavekKonce = [this] { QTimer::singleShot(0, this, &TForm1::UkonciProgram); };
    vytvorOkno();
    vytvorMenu();
    m_ulozene = std::make_unique<UlozeneVlastnosti>(IniSoubor(m_adr + QStringLiteral("smesi.ini")),
                                                    QStringLiteral("TForm1"));
    m_ulozene->pridej(m_rozdelovac, "Position", QStringLiteral("Position"));
    m_ulozene->pridej(m_label1, "text", QStringLiteral("Caption"));
    m_ulozene->pridej(m_rok, "currentIndex", QStringLiteral("ItemIndex"));
    m_ulozene->pridej(m_zobrazovatRadky, "checked", QStringLiteral("Checked"));
    fazeVytvoreni();
}

TForm1::~TForm1() {
    // The editor's widgets outlive the work tables by a moment while the window is torn
    // down; a last focus change must not reach them.
    m_editor->nastavPracovniTabulky(nullptr);
}

void TForm1::vytvorOkno() {
    auto* centralni = new QWidget(this);
    auto* l = new QVBoxLayout(centralni);
    l->setContentsMargins(4, 4, 4, 4);
    l->setSpacing(4);
    m_rozdelovac = new Rozdelovac(Qt::Vertical, centralni);
    m_rozdelovac->setObjectName(QStringLiteral("OvcSplitter1"));
    m_rozdelovac->setChildrenCollapsible(true);
    m_seznam = new SeznamDokladu(m_stav, m_rozdelovac);
    // The document editor; collapsed until a document is opened.
    m_editor = new EditorDokladu(m_stav, m_rozdelovac);
    connect(m_editor, &EditorDokladu::zavreno, this, &TForm1::zavriEditor);
    connect(m_editor, &EditorDokladu::zapsano, this, [this](const QString& cislo) {
        povolPolozkySeznamu(true);
        if (!m_bezTiskuPoZapisu)
            TiskSM(m_stav, cislo, this);
        NavratDoSeznamu(cislo);
    });
    m_rozdelovac->addWidget(m_seznam);
    m_rozdelovac->addWidget(m_editor);
    m_rozdelovac->setStretchFactor(0, 1);
    l->addWidget(m_rozdelovac, 1);

    auto* ovladani = new QGroupBox(QStringLiteral("Ovládání programu"), centralni);
    ovladani->setObjectName(QStringLiteral("suiGroupBoxOvladani"));
    auto* lo = new QHBoxLayout(ovladani);
    lo->setContentsMargins(10, 4, 10, 6);
    auto* lRok = new QLabel(QStringLiteral("Rok"), ovladani);
    m_rok = new QComboBox(ovladani);
    m_rok->setObjectName(QStringLiteral("suiComboBoxRok"));
    m_rok->setMinimumWidth(90);
    lRok->setBuddy(m_rok);
    auto* lStr = new QLabel(QStringLiteral("Středisko"), ovladani);
    m_label1 = new QLabel(QStringLiteral("999"), ovladani);
    m_label1->setObjectName(QStringLiteral("Label1"));
    QFont f = m_label1->font();
    f.setPointSize(f.pointSize() + 10);
    f.setBold(true);
    m_label1->setFont(f);
    m_label1->setMinimumWidth(70);
    m_konec = new QPushButton(QStringLiteral("konec"), ovladani);
    m_konec->setObjectName(QStringLiteral("suiButtonKonec"));
    lo->addWidget(lRok);
    lo->addWidget(m_rok);
    lo->addSpacing(30);
    lo->addWidget(lStr);
    lo->addWidget(m_label1);
    lo->addStretch(1);
    lo->addWidget(m_konec);
    l->addWidget(ovladani);
    setCentralWidget(centralni);

    connect(m_konec, &QPushButton::clicked, this, &TForm1::UkonciProgram);
    connect(m_seznam, &SeznamDokladu::prestaveno, this,
            [this] { m_menuPalety->setEnabled(m_stav.PaletyStrediska); });
    connect(m_seznam, &SeznamDokladu::otevritDoklad, this, [this] {
        if (QAction* a = akce(QStringLiteral("Opravit1")); a && a->isEnabled())
            a->trigger();
    });
}

QAction* TForm1::akce(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void TForm1::vytvorMenu() {
    auto pridej = [this](QMenu* m, const QString& titulek, const QKeySequence& zkratka = {},
                         bool povoleno = false) {
        QAction* a = m->addAction(titulek);
        a->setObjectName(jmenoAkce(titulek));
        if (!zkratka.isEmpty())
            a->setShortcut(zkratka);
        // Items whose function is not in this build yet are shown, but disabled.
        a->setEnabled(povoleno);
        a->setProperty("zabudovano", povoleno);
        return a;
    };
    QMenu* hlavni = menuBar()->addMenu(QStringLiteral("Hlavní nabídka"));
    connect(
        pridej(hlavni, QStringLiteral("Nový doklad"), QKeySequence(QStringLiteral("Ctrl+N")), true),
        &QAction::triggered, this, &TForm1::Novdoklad1Click);
    connect(pridej(hlavni, QStringLiteral("Opravit"), QKeySequence(QStringLiteral("Ctrl+O")), true),
            &QAction::triggered, this, &TForm1::suiDBGrid1DblClick);
    connect(pridej(hlavni, QStringLiteral("Tisk dokladu"), QKeySequence(QStringLiteral("Ctrl+T")),
                   true),
            &QAction::triggered, this, [this] {
                const QString cislo = m_seznam->vybranyDoklad();
                if (!cislo.isEmpty())
                    TiskSM(m_stav, cislo, this);
            });
    pridej(hlavni, QStringLiteral("Tisk míchacího protokolu"),
           QKeySequence(QStringLiteral("Ctrl+M")));
    pridej(hlavni, QStringLiteral("Tisk rozpisu"), QKeySequence(QStringLiteral("Ctrl+R")));
    pridej(hlavni, QStringLiteral("Tisk štítku na vzorek"), QKeySequence(QStringLiteral("Ctrl+I")));
    pridej(hlavni, QStringLiteral("Tisk štítku na paletu"), QKeySequence(QStringLiteral("Ctrl+P")));
    pridej(hlavni, QStringLiteral("Tisk ULČ komponent"));
    pridej(hlavni, QStringLiteral("Generace Kalkulace"));
    pridej(hlavni, QStringLiteral("Odeslat protokol na ÚKZÚZ"));
    hlavni->addSeparator();
    connect(pridej(hlavni, QStringLiteral("Konec"), {}, true), &QAction::triggered, this,
            &TForm1::UkonciProgram);

    QMenu* uzivatel = menuBar()->addMenu(QStringLiteral("Uživatel"));
    connect(
        pridej(uzivatel, QStringLiteral("Středisko"), QKeySequence(QStringLiteral("Ctrl+S")), true),
        &QAction::triggered, this, &TForm1::volbaStrediska);

    m_menuPalety = menuBar()->addMenu(QStringLiteral("Palety"));
    m_menuPalety->setObjectName(QStringLiteral("Palety1"));
    pridej(m_menuPalety, QStringLiteral("Založení palet"));
    pridej(m_menuPalety, QStringLiteral("Tisk štítků"));

    QMenu* servis = menuBar()->addMenu(QStringLiteral("Servis"));
    connect(pridej(servis, QStringLiteral("Střediska"), {}, true), &QAction::triggered, this,
            [this] { UpravStrediska(this); });
    connect(pridej(servis, QStringLiteral("Nastavení programu"), {}, true), &QAction::triggered,
            this, [this] {
                TFmozno d(IniSoubor(m_adr + QStringLiteral("smesi.ini")), m_stav.CisloPC, this);
                d.exec();
            });
    connect(pridej(servis, QStringLiteral("Smazat nastavení seznamu"), {}, true),
            &QAction::triggered, this, [this] {
                m_stav.SmazatSloupce = true;
                UkonciProgram();
            });
    connect(pridej(servis, QStringLiteral("Kontrola nové verze"), {}, true), &QAction::triggered,
            this, [this] {
                std::unique_ptr<Pracuji> busy;
                auto pracuji = [&](const QString& t) {
                    busy.reset();
                    if (!t.isEmpty())
                        busy = std::make_unique<Pracuji>(this, t);
                };
                if (KontrolaNoveVerze(IniSoubor(QStringLiteral("../Kavlin05.ini")), {}, pracuji,
                                      {m_adr, {}}) == PoKontrole::UkoncitProgram)
                    UkonciProgram();
            });

    m_menuModuly = menuBar()->addMenu(QStringLiteral("Moduly"));
    m_menuModuly->setObjectName(QStringLiteral("Moduly1"));
    NaplnMenuModuly(m_menuModuly, [this] { UkonciProgram(); });

    QMenu* pomoc = menuBar()->addMenu(QStringLiteral("Pomoc"));
    NaplnMenuPomoc(pomoc);

    QMenu* konec = menuBar()->addMenu(QStringLiteral("Konec"));
    connect(pridej(konec, QStringLiteral("Opravdu"), {}, true), &QAction::triggered, this,
            &TForm1::UkonciProgram);

    // The list's context menu.
    QMenu* ms = m_seznam->menuSeznamu();
    connect(pridej(ms, QStringLiteral("Setřídit podle sloupce"), {}, true), &QAction::triggered,
            this, [this] { m_seznam->setrid(false); });
    connect(pridej(ms, QStringLiteral("Setřídit podle sloupce - sestupně"), {}, true),
            &QAction::triggered, this, [this] { m_seznam->setrid(true); });
    connect(pridej(ms, QStringLiteral("Hledat doklad v seznamu"), {}, true), &QAction::triggered,
            this, [this] {
                QTableView* g = m_seznam->gridSeznam();
                m_seznam->hledaniBezi = true;
                HledejVPohledu(g, qMax(0, g->currentIndex().column()));
                m_seznam->hledaniBezi = false;
                m_seznam->ObnovPanely();
            });
    ms->addSeparator();
    QMenu* filtr = ms->addMenu(QStringLiteral("FILTR"));
    filtr->setObjectName(QStringLiteral("FILTR1"));
    for (int i = 0; i < OperatoryFiltru().size(); ++i) {
        QAction* a = filtr->addAction(OperatorVMenu(i));
        a->setObjectName(QStringLiteral("FILTR_%1").arg(i + 1));
        connect(a, &QAction::triggered, this, [this, i] { pridejFiltr(i); });
    }
    // The six comparisons name the selected column and the cell's value.
    connect(ms, &QMenu::aboutToShow, this, [this, filtr] {
        const QModelIndex i = m_seznam->gridSeznam()->currentIndex();
        const QString titulek = i.isValid()
                                    ? m_seznam->modelSeznamu()
                                          ->headerData(i.column(), Qt::Horizontal, Qt::DisplayRole)
                                          .toString()
                                    : QString();
        const QString text = i.isValid() ? i.data().toString() : QString();
        const QList<QAction*> a = filtr->actions();
        for (int k = 0; k < a.size(); ++k)
            a[k]->setText(titulek + OperatorVMenu(k) + text);
        filtr->setEnabled(i.isValid());
    });
    connect(pridej(ms, QStringLiteral("FILTR - zobrazit filtr"), {}, true), &QAction::triggered,
            this, [this] { dotaz(m_stav.FiltrPopis, {QStringLiteral("OK")}, Ikona::Informace); });
    connect(pridej(ms, QStringLiteral("FILTR - smazat celý filtr"), {}, true), &QAction::triggered,
            this, [this] {
                StavFiltru f = HistorieFiltru().smazVse();
                m_stav.FiltrSQL = f.sql;
                m_stav.FiltrPopis = f.popis;
                m_seznam->UdelejSQL();
            });
    connect(pridej(ms, QStringLiteral("FILTR - smazat poslední"), {}, true), &QAction::triggered,
            this, [this] {
                StavFiltru f = HistorieFiltru().smazPosledni();
                m_stav.FiltrSQL = f.sql;
                m_stav.FiltrPopis = f.popis;
                m_seznam->UdelejSQL();
            });
    ms->addSeparator();
    m_zobrazovatRadky = pridej(ms, QStringLiteral("Zobrazovat řádky dokladu"), {}, true);
    m_zobrazovatRadky->setCheckable(true);
    m_zobrazovatRadky->setChecked(true);
    connect(m_zobrazovatRadky, &QAction::triggered, this, &TForm1::Zobrazovatdkydokladu1Click);
    ms->addSeparator();
    connect(pridej(ms, QStringLiteral("Zobrazit skl. kartu"), {}, true), &QAction::triggered, this,
            [this] { pohled(0, false); });
    connect(pridej(ms, QStringLiteral("Historie partie"), {}, true), &QAction::triggered, this,
            [this] { pohled(1, false); });
    connect(pridej(ms, QStringLiteral("Zobrazit ULČ"), {}, true), &QAction::triggered, this,
            [this] { pohled(2, false); });
    // The rows pane offers the same three views for the component's lot.
    QMenu* mr = m_seznam->menuRadku();
    const QStringList pohledy = {QStringLiteral("Zobrazit skl. kartu"),
                                 QStringLiteral("Historie partie"), QStringLiteral("Zobrazit ULČ")};
    for (int i = 0; i < pohledy.size(); ++i) {
        QAction* a = mr->addAction(pohledy[i]);
        a->setObjectName(jmenoAkce(pohledy[i]).replace(QLatin1Char('1'), QLatin1Char('2')));
        connect(a, &QAction::triggered, this, [this, i] { pohled(i, true); });
    }

    connect(m_rok, &QComboBox::currentIndexChanged, this, [this] {
        if (m_fazeZobrazeniHotova)
            suiComboBoxRokChange();
    });
}

void TForm1::pridejFiltr(int op) {
    const QModelIndex i = m_seznam->gridSeznam()->currentIndex();
    if (!i.isValid())
        return;
    const ModelVysledku* m = m_seznam->modelSeznamu();
    const QString pole = m->pole(i.column());
    const Vysledek& v = m->vysledek();
    const int f = v.index(pole);
    StavFiltru n = PridejPodminku(
        {m_stav.FiltrSQL, m_stav.FiltrPopis}, pole,
        m->headerData(i.column(), Qt::Horizontal, Qt::DisplayRole).toString(), v.pole()[f].typ,
        i.data().toString(), v.text(i.row(), f), OperatoryFiltru()[op]);
    HistorieFiltru().pridej(n);
    m_stav.FiltrSQL = n.sql;
    m_stav.FiltrPopis = n.popis;
    m_seznam->UdelejSQL();
}

void TForm1::suiComboBoxRokChange() {
    m_seznam->nastavRok(m_rok->currentIndex() <= 0 ? QString() : m_rok->currentText());
    m_seznam->UdelejSQL();
}

void TForm1::Zobrazovatdkydokladu1Click() {
    m_seznam->nastavZobrazovatRadky(m_zobrazovatRadky->isChecked());
}

void TForm1::NavratDoSeznamu(const QString& pamatovanyDoklad) {
    m_rozdelovac->setSizes({m_rozdelovac->height(), 0});
    m_seznam->nastavRok(m_rok->currentIndex() <= 0 ? QString() : m_rok->currentText());
    m_seznam->UdelejSQL(pamatovanyDoklad);
    m_stav.ZapisSled(701);
}

void TForm1::UkonciProgram() {
    close();
}

bool TForm1::editorOtevren() const {
    return !m_editor->RezimEditoru.isEmpty();
}

void TForm1::povolPolozkySeznamu(bool ano) {
    for (const char* j : {"Novdoklad1", "Opravit1", "Tiskdokladu1"})
        if (QAction* a = akce(QString::fromLatin1(j)); a && a->property("zabudovano").toBool())
            a->setEnabled(ano);
}

void TForm1::otevriEditor() {
    m_seznam->sbalPanely();
    // The list keeps a strip of 100 at the top; the editor takes the rest.
    m_rozdelovac->setSizes({100, qMax(100, m_rozdelovac->height() - 100)});
}

void TForm1::Novdoklad1Click() {
    if (!m_pracovni || editorOtevren())
        return;
    povolPolozkySeznamu(false);
    if (!m_editor->NovyDoklad()) {
        povolPolozkySeznamu(true);
        return;
    }
    otevriEditor();
}

void TForm1::suiDBGrid1DblClick() {
    if (!m_pracovni || editorOtevren())
        return;
    const int r = m_seznam->vybranyRadek();
    if (r < 0)
        return;
    const Vysledek& v = m_seznam->modelSeznamu()->vysledek();
    const QString cislo = v.text(r, QStringLiteral("cislodokla"));
    if (cislo.isEmpty())
        return;
    povolPolozkySeznamu(false);
    if (!m_editor->OtevriOpravu(cislo, v.datumCas(r, QStringLiteral("slonaukzuz")),
                                v.text(r, QStringLiteral("nc")))) {
        m_editor->RezimEditoru.clear();
        povolPolozkySeznamu(true);
        NavratDoSeznamu(cislo);
        return;
    }
    otevriEditor();
}

void TForm1::zavriEditor(const QString& pamatovanyDoklad) {
    povolPolozkySeznamu(true);
    NavratDoSeznamu(pamatovanyDoklad);
}

void TForm1::pohled(int druh, bool zRadku) {
    const ModelVysledku* m = zRadku ? m_seznam->modelRadku() : m_seznam->modelSeznamu();
    const int r = zRadku ? m_seznam->gridRadky()->currentIndex().row() : m_seznam->vybranyRadek();
    if (r < 0)
        return;
    const Vysledek& v = m->vysledek();
    auto t = [&](const char* p) { return v.text(r, QString::fromLatin1(p)); };
    switch (druh) {
    case 0:
        ZobrazKartu(t("stredisko"), t("partiecela"), t("lomeni"));
        break;
    case 1:
        HistoriePartie(t("partiecela"), t("lomeni"), t("partie"), t("nazevosiva"), t("stredisko"));
        break;
    default:
        ZobrazULC(m_stav, t("ulc"));
    }
}

void TForm1::volbaStrediska() {
    std::optional<QString> s = VyberStredisko(this, m_stav.stredisko);
    if (!s)
        return;
    m_stav.stredisko = *s;
    m_label1->setText(*s);
    NavratDoSeznamu();
}
