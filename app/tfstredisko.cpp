#include "tfstredisko.h"

#include "cp1250pole.h"
#include "tfstrediska.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFstredisko::TFstredisko(const QStringList& strediska, const QString& aktualni, QWidget* rodic)
    : QDialog(rodic), m_vyber(new QComboBox(this)) {
    setObjectName(QStringLiteral("TFstredisko"));
    setWindowTitle(QStringLiteral("Vyber číslo střediska"));

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(14, 14, 14, 12);
    v->setSpacing(10);

    auto* radek = new QHBoxLayout;
    auto* popis = new QLabel(QStringLiteral("Středisko"), this);
    radek->addWidget(popis);
    m_vyber->setObjectName(QStringLiteral("ComboBoxStredisko"));
    m_vyber->setEditable(true);
    // A typed code stays exactly as typed: no inline completion to a longer listed code,
    // and Enter does not add it to the list.
    m_vyber->setCompleter(nullptr);
    m_vyber->setInsertPolicy(QComboBox::NoInsert);
    m_vyber->addItems(strediska);
    m_vyber->lineEdit()->setMaxLength(DelkaKodu);
    HlidejCp1250(m_vyber);
    m_vyber->setEditText(aktualni);
    m_vyber->lineEdit()->selectAll();
    m_vyber->setMinimumWidth(110);
    QFont f = m_vyber->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.25);
    m_vyber->setFont(f);
    popis->setBuddy(m_vyber);
    radek->addWidget(m_vyber, 1);
    v->addLayout(radek);

    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    ok->setMinimumWidth(90);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    tlacitka->addWidget(ok);
    v->addLayout(tlacitka);
    setMinimumWidth(280);
}

QString TFstredisko::stredisko() const {
    return m_vyber->currentText().trimmed();
}

QStringList SeznamStredisek(const QString& textSouboru) {
    QStringList kody;
    for (const QString& r : textSouboru.split(QLatin1Char('\n'))) {
        const QString k = r.trimmed();
        if (!k.isEmpty())
            kody << k;
    }
    return kody;
}

std::optional<QString> VyberStredisko(QWidget* rodic, const QString& aktualni) {
    std::optional<QString> text = NactiStrediSez(rodic);
    if (!text)
        return std::nullopt;
    TFstredisko d(SeznamStredisek(*text), aktualni, rodic);
    d.exec();
    return d.stredisko();
}
