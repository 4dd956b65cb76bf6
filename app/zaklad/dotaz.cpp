#include "dotaz.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {
OdpovidacDotazu& odpovidac() {
    static OdpovidacDotazu o;
    return o;
}
OdpovidacHesla& odpovidacHesla() {
    static OdpovidacHesla o;
    return o;
}
} // namespace

void NastavOdpovidac(OdpovidacDotazu o) {
    odpovidac() = std::move(o);
}
void NastavOdpovidacHesla(OdpovidacHesla o) {
    odpovidacHesla() = std::move(o);
}

int dotaz(const QString& text, const QStringList& tlacitka, Ikona ikona, QWidget* rodic) {
    const QStringList t = tlacitka.isEmpty() ? QStringList{QStringLiteral("OK")} : tlacitka;
    if (odpovidac())
        return odpovidac()(ZaznamDotazu{text, t, ikona});
    QMessageBox box(rodic ? rodic : QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Kavlin05"));
    // "\r" in the suite's messages is a line break.
    QString zobrazeny = text;
    zobrazeny.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(zobrazeny);
    switch (ikona) {
    case Ikona::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case Ikona::Varovani:
        box.setIcon(QMessageBox::Warning);
        break;
    case Ikona::Informace:
        box.setIcon(QMessageBox::Information);
        break;
    case Ikona::Otazka:
        box.setIcon(QMessageBox::Question);
        break;
    case Ikona::Zadna:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    QList<QPushButton*> tl;
    for (const QString& c : t)
        tl << box.addButton(c, QMessageBox::AcceptRole);
    box.setDefaultButton(tl.first());
    box.setEscapeButton(tl.last());
    box.exec();
    qsizetype i = tl.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return i < 0 ? static_cast<int>(t.size()) : static_cast<int>(i) + 1;
}

std::optional<QString> heslo(const QString& titulek, const QString& vyzva, bool skryte,
                             QWidget* rodic) {
    if (odpovidacHesla())
        return odpovidacHesla()(vyzva);
    QInputDialog d(rodic);
    d.setWindowTitle(titulek);
    d.setLabelText(vyzva);
    d.setTextEchoMode(skryte ? QLineEdit::Password : QLineEdit::Normal);
    d.setOkButtonText(QStringLiteral("OK"));
    d.setCancelButtonText(QStringLiteral("Zpět"));
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.textValue();
}
