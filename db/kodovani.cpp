#include "kodovani.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

QString NezobrazitelnyZnak(const QString& text) {
    QStringEncoder enc("windows-1250", QStringConverter::Flag::Stateless);
    // Encode character by character only on failure, to find the culprit.
    QByteArray cely = enc.encode(text);
    Q_UNUSED(cely);
    if (!enc.hasError())
        return {};
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype delka = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder jeden("windows-1250", QStringConverter::Flag::Stateless);
        QByteArray b = jeden.encode(text.mid(i, delka));
        Q_UNUSED(b);
        if (jeden.hasError())
            return text.mid(i, delka);
        i += delka - 1;
    }
    return {};
}

bool DoCp1250(const QString& text, QByteArray& vystup, QString* chyba) {
    QStringEncoder enc("windows-1250", QStringConverter::Flag::Stateless);
    vystup = enc.encode(text);
    if (!enc.hasError())
        return true;
    if (chyba) {
        QString z = NezobrazitelnyZnak(text);
        *chyba = QStringLiteral("Znak \"%1\" (U+%2) nelze uložit v kódování Windows-1250.")
                     .arg(z)
                     .arg(z.isEmpty() ? 0u : z.toUcs4().value(0), 4, 16, QLatin1Char('0'));
    }
    return false;
}

QByteArray DoCp1250Ztratove(const QString& text) {
    QStringEncoder enc("windows-1250", QStringConverter::Flag::Stateless |
                                           QStringConverter::Flag::ConvertInvalidToNull);
    QByteArray b = enc.encode(text);
    // ConvertInvalidToNull writes NUL for unmappable characters; a log reads better with '?'.
    if (enc.hasError()) {
        QByteArray presne;
        QByteArray jeden;
        for (QChar c : text) {
            if (DoCp1250(QString(c), jeden))
                presne += jeden;
            else if (!c.isLowSurrogate())
                presne += '?';
        }
        return presne;
    }
    return b;
}

QString ZCp1250(const QByteArray& bajty) {
    QStringDecoder dec("windows-1250", QStringConverter::Flag::Stateless);
    return dec.decode(bajty);
}

QString ZCp1250(const char* data, qsizetype delka) {
    return ZCp1250(QByteArray::fromRawData(data, delka));
}
