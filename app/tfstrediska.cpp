#include "tfstrediska.h"

#include "cp1250pole.h"
#include "dotaz.h"
#include "kodovani.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {
QString ZpravaSouboru(const QString& uvod, const QString& cesta, const QString& duvod) {
    return QStringLiteral("%1 \"%2\".\r%3")
        .arg(uvod, QDir::toNativeSeparators(QFileInfo(cesta).absoluteFilePath()), duvod);
}
} // namespace

QString SouborStredisek() {
    return QStringLiteral("stredi.sez");
}

std::optional<QString> NactiStrediSez(QWidget* rodic) {
    QFile f(SouborStredisek());
    if (!f.open(QIODevice::ReadOnly)) {
        dotaz(ZpravaSouboru(QStringLiteral("Nelze otevřít soubor"), f.fileName(), f.errorString()),
              {QStringLiteral("OK")}, Ikona::Stop, rodic);
        return std::nullopt;
    }
    QString text = ZCp1250(f.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

bool ZapisStrediSez(const QString& text, QWidget* rodic) {
    QStringList radky = text.split(QLatin1Char('\n'));
    // The text area's last line break is the end of the last line, not an empty line.
    if (!radky.isEmpty() && radky.last().isEmpty())
        radky.removeLast();
    QByteArray data;
    QString chyba;
    for (const QString& r : radky) {
        QByteArray b;
        if (!DoCp1250(r, b, &chyba)) {
            dotaz(ZpravaSouboru(QStringLiteral("Nelze zapsat soubor"), SouborStredisek(), chyba),
                  {QStringLiteral("OK")}, Ikona::Stop, rodic);
            return false;
        }
        data += b + "\r\n";
    }
    QSaveFile f(SouborStredisek());
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit()) {
        dotaz(ZpravaSouboru(QStringLiteral("Nelze zapsat soubor"), SouborStredisek(),
                            f.errorString()),
              {QStringLiteral("OK")}, Ikona::Stop, rodic);
        return false;
    }
    return true;
}

TFstrediska::TFstrediska(const QString& text, QWidget* rodic)
    : QDialog(rodic), m_text(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TFstrediska"));
    setWindowTitle(QStringLiteral("Střediska"));

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 10, 10, 10);
    auto* popis = new QLabel(QStringLiteral("čísla středisek, každé na samostatném řádku"), this);
    popis->setWordWrap(true);
    v->addWidget(popis);

    m_text->setObjectName(QStringLiteral("MemoStrediska"));
    m_text->setPlainText(text);
    m_text->setTabChangesFocus(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    HlidejCp1250(m_text);
    v->addWidget(m_text, 1);

    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setMinimumWidth(90);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    tlacitka->addWidget(ok);
    v->addLayout(tlacitka);
    resize(320, 380);
}

QString TFstrediska::text() const {
    return m_text->toPlainText();
}

void TFstrediska::hideEvent(QHideEvent* e) {
    // However the editor closes, the list goes back to the file.
    if (!e->spontaneous())
        ZapisStrediSez(text(), this);
    QDialog::hideEvent(e);
}

bool UpravStrediska(QWidget* rodic) {
    std::optional<QString> text = NactiStrediSez(rodic);
    if (!text)
        return false;
    TFstrediska d(*text, rodic);
    d.exec();
    return true;
}
