#include "tfmozno.h"

#include "cp1250pole.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString Sekce = QStringLiteral("TFmozno");

// Width of a field that holds n characters, so short codes do not get a full-width box.
int SirkaPro(const QWidget* w, int znaku) {
    return w->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (znaku + 2) + 16;
}
} // namespace

TFmozno::TFmozno(IniSoubor ini, const QString& cisloPC, QWidget* rodic)
    : QDialog(rodic), m_ulozene(std::move(ini), Sekce) {
    setObjectName(QStringLiteral("TFmozno"));
    setWindowTitle(QStringLiteral("Kavlin05 - směsi - servis"));

    auto* hlavni = new QVBoxLayout(this);
    hlavni->setContentsMargins(10, 10, 10, 10);
    hlavni->setSpacing(6);

    // Panel "Číslo PC, vystavuje": the workstation and the module's switches.
    Panel& p0 = m_panely[0] = vytvorPanel(0, QStringLiteral("Číslo PC, vystavuje"));
    {
        auto* f = new QFormLayout(p0.obsah);
        auto* cislo = new QLabel(cisloPC, p0.obsah);
        cislo->setObjectName(QStringLiteral("LabelCisloPC"));
        cislo->setFrameShape(QFrame::StyledPanel);
        cislo->setFrameShadow(QFrame::Sunken);
        cislo->setMinimumWidth(SirkaPro(cislo, 4));
        cislo->setMaximumWidth(SirkaPro(cislo, 4));
        cislo->setTextInteractionFlags(Qt::TextSelectableByMouse);
        cislo->setToolTip(QStringLiteral("číslo počítače se mění jen v souborech INI"));
        f->addRow(QStringLiteral("číslo počítače"), cislo);
        f->addRow(QStringLiteral("vystavuje"), pole(QStringLiteral("suiEdit1"), 0));

        auto* prepinace = new QGridLayout;
        prepinace->setHorizontalSpacing(18);
        auto zaskrtavatko = [&](const QString& jmeno, const QString& text, bool vychozi, int r,
                                int s) {
            auto* c = new QCheckBox(text, p0.obsah);
            c->setObjectName(jmeno);
            c->setChecked(vychozi);
            m_ulozene.pridej(c, "checked", QStringLiteral("Checked"));
            prepinace->addWidget(c, r, s);
            return c;
        };
        zaskrtavatko(QStringLiteral("suiCheckBoxTestVerze"),
                     QStringLiteral("test verze při spuštění"), true, 0, 0);
        zaskrtavatko(QStringLiteral("suiCheckBoxTnaKG"), QStringLiteral("přepočítat T na KG"),
                     false, 0, 1);
        zaskrtavatko(QStringLiteral("suiCheckBoxPotvrzovat"), QStringLiteral("potvrzovat směsi"),
                     false, 1, 0);
        zaskrtavatko(QStringLiteral("suiCheckBoxMPdoULC"), QStringLiteral("zapisovat MPx do ULČ"),
                     false, 1, 1)
            ->setToolTip(QStringLiteral("zapisovat číslo MP do ULČ, datum do VZ"));
        f->addRow(prepinace);
    }

    // Panel "Identifikace přihlašovatele": the company as the printed protocols name it.
    Panel& p1 = m_panely[1] = vytvorPanel(1, QStringLiteral("Identifikace přihlašovatele"));
    {
        auto* f = new QFormLayout(p1.obsah);
        auto dvojice = [&](QLineEdit* a, QLineEdit* b) {
            auto* r = new QHBoxLayout;
            r->addWidget(a);
            r->addWidget(b, 1);
            return r;
        };
        f->addRow(QStringLiteral("Číslo žadatele"), pole(QStringLiteral("Editpodnik"), 4));
        f->addRow(QStringLiteral("IČO"), pole(QStringLiteral("EditICO"), 10));
        f->addRow(QStringLiteral("Název podniku"), pole(QStringLiteral("Editnazev"), 30));
        f->addRow(QStringLiteral("Sídlo"), pole(QStringLiteral("Editsidlo"), 30));
        f->addRow(QStringLiteral("Ulice a číslo"), pole(QStringLiteral("Editulice"), 30));
        f->addRow(QStringLiteral("PSČ, pošta"), dvojice(pole(QStringLiteral("EditPSC"), 6),
                                                        pole(QStringLiteral("Editposta"), 24)));
        QLineEdit* telefon = pole(QStringLiteral("EditTelefon"), 24);
        QLineEdit* fax = pole(QStringLiteral("EditFax"), 24);
        auto* tf = new QHBoxLayout;
        tf->addWidget(telefon, 1);
        tf->addWidget(fax, 1);
        f->addRow(QStringLiteral("Telefon, fax"), tf);
        f->addRow(QStringLiteral("Email"), pole(QStringLiteral("EditEmail"), 30));
        f->addRow(QStringLiteral("Místo vystavení"), pole(QStringLiteral("Editkdevysta"), 25));
    }

    // Panel "ÚKZÚZ": the account of the authority's web service.
    Panel& p2 = m_panely[2] = vytvorPanel(2, QStringLiteral("ÚKZÚZ"));
    {
        auto* f = new QFormLayout(p2.obsah);
        f->addRow(QStringLiteral("Jméno"), pole(QStringLiteral("EditUkzJmeno"), 0));
        QLineEdit* heslo = pole(QStringLiteral("EditUkzHeslo"), 0);
        heslo->setEchoMode(QLineEdit::PasswordEchoOnEdit);
        f->addRow(QStringLiteral("Heslo"), heslo);
        f->addRow(QStringLiteral("ID SZR"), pole(QStringLiteral("EditUkzID"), 0));
    }

    for (Panel& p : m_panely)
        hlavni->addWidget(p.ramec);
    hlavni->addStretch(1);

    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    ok->setMinimumWidth(90);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    tlacitka->addWidget(ok);
    hlavni->addLayout(tlacitka);

    // The widest panel decides the width, so opening another one does not jump sideways.
    int sirka = 0;
    for (const Panel& p : m_panely)
        sirka = qMax(sirka, p.obsah->sizeHint().width());
    resize(qMax(500, sirka + 2 * 10 + 2), VyskaSlozeneho);
    otevriPanel(-1);
}

TFmozno::Panel TFmozno::vytvorPanel(int i, const QString& nadpis) {
    Panel p;
    p.ramec = new QFrame(this);
    p.ramec->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
    p.ramec->setFrameShape(QFrame::StyledPanel);
    p.ramec->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* v = new QVBoxLayout(p.ramec);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);

    p.hlavicka = new QToolButton(p.ramec);
    p.hlavicka->setObjectName(QStringLiteral("Panel%1Hlavicka").arg(i + 1));
    p.hlavicka->setText(nadpis);
    p.hlavicka->setCheckable(true);
    p.hlavicka->setAutoRaise(true);
    p.hlavicka->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    p.hlavicka->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QFont tucne = p.hlavicka->font();
    tucne.setBold(true);
    p.hlavicka->setFont(tucne);
    v->addWidget(p.hlavicka);

    p.obsah = new QWidget(p.ramec);
    v->addWidget(p.obsah);

    connect(p.hlavicka, &QToolButton::clicked, this,
            [this, i](bool otevrit) { otevriPanel(otevrit ? i : -1); });
    return p;
}

QLineEdit* TFmozno::pole(const QString& jmeno, int delka) {
    auto* e = new QLineEdit(this);
    e->setObjectName(jmeno);
    if (delka > 0) {
        e->setMaxLength(delka);
        if (delka <= 10)
            e->setFixedWidth(SirkaPro(e, delka));
    }
    HlidejCp1250(e);
    m_ulozene.pridej(e, "text", QStringLiteral("Text"));
    return e;
}

int TFmozno::plnaVyskaPanelu(int i) const {
    const Panel& p = m_panely.at(static_cast<size_t>(i));
    return p.hlavicka->sizeHint().height() + p.obsah->sizeHint().height() +
           2 * p.ramec->frameWidth();
}

void TFmozno::otevriPanel(int i) {
    m_otevreny = i;
    for (int j = 0; j < PocetPanelu; ++j) {
        Panel& p = m_panely[static_cast<size_t>(j)];
        const bool otevreny = j == i;
        p.obsah->setVisible(otevreny);
        p.hlavicka->setChecked(otevreny);
        p.hlavicka->setArrowType(otevreny ? Qt::DownArrow : Qt::RightArrow);
        p.ramec->setFixedHeight(otevreny
                                    ? plnaVyskaPanelu(j)
                                    : p.hlavicka->sizeHint().height() + 2 * p.ramec->frameWidth());
    }
    nastavVysku(i < 0 ? VyskaSlozeneho : plnaVyskaPanelu(i) + VyskaMimoPanel);
    // The first field of the opened panel takes the keyboard.
    if (i >= 0)
        if (auto* prvni = m_panely[static_cast<size_t>(i)].obsah->findChild<QLineEdit*>())
            prvni->setFocus();
}

void TFmozno::nastavVysku(int vyska) {
    // A large system font may need more than the rule gives: then nothing is cut off.
    layout()->invalidate();
    setFixedHeight(qMax(vyska, layout()->minimumSize().height()));
}

void TFmozno::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) {
        m_ulozene.obnov();
        otevriPanel(-1);
    }
    QDialog::showEvent(e);
}

void TFmozno::hideEvent(QHideEvent* e) {
    // However the dialog closes (OK, Esc, the window's close button), the fields are kept.
    if (!e->spontaneous())
        m_ulozene.uloz();
    QDialog::hideEvent(e);
}
