#include "cp1250pole.h"

#include "dotaz.h"
#include "kodovani.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>

#include <memory>
#include <utility>

namespace {
QString ZpravaZnaku(const QString& znak) {
    QByteArray b;
    QString zprava;
    DoCp1250(znak, b, &zprava);
    return zprava;
}

// Rejects any text with an unrepresentable character and remembers which one, so the
// line edit's inputRejected (also sent for the length limit) can tell the two apart.
class ValidatorCp1250 : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& vstup, int&) const override {
        m_odmitnuty = NezobrazitelnyZnak(vstup);
        return m_odmitnuty.isEmpty() ? Acceptable : Invalid;
    }
    QString vezmiOdmitnuty() const { return std::exchange(m_odmitnuty, QString()); }

private:
    mutable QString m_odmitnuty;
};

void pripojHlaseni(QLineEdit* pole, ValidatorCp1250* v) {
    QObject::connect(pole, &QLineEdit::inputRejected, pole, [pole, v] {
        const QString znak = v->vezmiOdmitnuty();
        if (!znak.isEmpty())
            dotaz(ZpravaZnaku(znak), {QStringLiteral("OK")}, Ikona::Varovani, pole->window());
    });
}

void odstranNezobrazitelne(QPlainTextEdit* pole) {
    QTextDocument* doc = pole->document();
    const QString text = doc->toPlainText();
    QString prvni;
    QTextCursor c(doc);
    c.beginEditBlock();
    // From the end, so that the positions still to be visited do not move.
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        qsizetype delka = 1;
        if (text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate()) {
            --i;
            delka = 2;
        }
        const QString znak = text.mid(i, delka);
        if (NezobrazitelnyZnak(znak).isEmpty())
            continue;
        prvni = znak;
        c.setPosition(static_cast<int>(i));
        c.setPosition(static_cast<int>(i + delka), QTextCursor::KeepAnchor);
        c.removeSelectedText();
    }
    c.endEditBlock();
    if (!prvni.isEmpty())
        dotaz(ZpravaZnaku(prvni), {QStringLiteral("OK")}, Ikona::Varovani, pole->window());
}
} // namespace

void HlidejCp1250(QLineEdit* pole) {
    auto* v = new ValidatorCp1250(pole);
    pole->setValidator(v);
    pripojHlaseni(pole, v);
}

void HlidejCp1250(QComboBox* pole) {
    if (!pole->lineEdit())
        return;
    auto* v = new ValidatorCp1250(pole);
    pole->setValidator(v);
    pripojHlaseni(pole->lineEdit(), v);
}

void HlidejCp1250(QPlainTextEdit* pole) {
    // The document must not be changed inside its own change notification, so the clean-up
    // runs right after it, once, however many characters the edit brought.
    auto cekaNaUklid = std::make_shared<bool>(false);
    QObject::connect(pole->document(), &QTextDocument::contentsChange, pole,
                     [pole, cekaNaUklid](int pozice, int, int pridano) {
                         if (pridano <= 0 || *cekaNaUklid)
                             return;
                         QTextCursor c(pole->document());
                         const int konec =
                             qMin(pozice + pridano, pole->document()->characterCount() - 1);
                         c.setPosition(qMin(pozice, konec));
                         c.setPosition(konec, QTextCursor::KeepAnchor);
                         if (NezobrazitelnyZnak(c.selectedText()).isEmpty())
                             return;
                         *cekaNaUklid = true;
                         QMetaObject::invokeMethod(
                             pole,
                             [pole, cekaNaUklid] {
                                 *cekaNaUklid = false;
                                 odstranNezobrazitelne(pole);
                             },
                             Qt::QueuedConnection);
                     });
}
