#pragma once
// Reading the PDFs the reports write with poppler-utils and qpdf, as an outside reader.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVector>

namespace pdf {

inline QString Spust(const QString& program, const QStringList& argumenty, int* kod = nullptr) {
    QProcess p;
    p.start(program, argumenty);
    p.waitForFinished(60000);
    if (kod)
        *kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of one page (from 1) or of all pages (0), in its layout.
inline QString Text(const QString& soubor, int strana = 0) {
    QStringList a{QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (strana > 0)
        a << QStringLiteral("-f") << QString::number(strana) << QStringLiteral("-l")
          << QString::number(strana);
    a << soubor << QStringLiteral("-");
    return Spust(QStringLiteral("pdftotext"), a);
}

inline int PocetStran(const QString& soubor) {
    const QString info = Spust(QStringLiteral("pdfinfo"), {soubor});
    auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// "Page size:" of pdfinfo in points, e.g. "595.276 x 841.89".
inline QString VelikostStrany(const QString& soubor) {
    const QString info = Spust(QStringLiteral("pdfinfo"), {soubor});
    auto m = QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+ x [0-9.]+)")).match(info);
    return m.hasMatch() ? m.captured(1) : QString();
}

struct Slovo {
    int strana = 0;
    double x = 0, y = 0; // top left, points
    QString text;
};

// Every word with its page and position (pdftotext -bbox).
inline QVector<Slovo> Slova(const QString& soubor) {
    const QString html =
        Spust(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), soubor, QStringLiteral("-")});
    QVector<Slovo> v;
    int strana = 0;
    static const QRegularExpression re(
        QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    auto it = re.globalMatch(html);
    while (it.hasNext()) {
        auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++strana;
            continue;
        }
        QString t = m.captured(3);
        t.replace(QLatin1String("&amp;"), QLatin1String("&"))
            .replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""));
        v.push_back({strana, m.captured(1).toDouble(), m.captured(2).toDouble(), t});
    }
    return v;
}

inline const Slovo* Najdi(const QVector<Slovo>& slova, const QString& text) {
    for (const Slovo& s : slova)
        if (s.text == text)
            return &s;
    return nullptr;
}

// Number of pictures in the file (pdfimages -list; a picture's transparency mask, type
// "smask", is no picture of its own).
inline int PocetObrazku(const QString& soubor) {
    const QStringList r = Spust(QStringLiteral("pdfimages"), {QStringLiteral("-list"), soubor})
                              .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    int n = 0;
    for (const QString& l : r)
        if (l.simplified().section(QLatin1Char(' '), 2, 2) == QLatin1String("image"))
            ++n;
    return n;
}

inline QString Pisma(const QString& soubor) {
    return Spust(QStringLiteral("pdffonts"), {soubor});
}

// qpdf --check: 0 when the file's structure is sound.
inline int Kontrola(const QString& soubor) {
    int kod = -1;
    Spust(QStringLiteral("qpdf"), {QStringLiteral("--check"), soubor}, &kod);
    return kod;
}

} // namespace pdf
