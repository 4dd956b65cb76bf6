#pragma once
// The report's way out to PDF files: the export that the suite's Windows programs leave
// to the maker's PDF library, here Qt's own PDF writer.
#include <QString>
#include <exception>

class Sestava;

// A failure of an output that ends the operation in progress with its own message.
class ChybaVystupu : public std::exception {
public:
    explicit ChybaVystupu(QString zprava)
        : m_zprava(std::move(zprava)), m_utf8(m_zprava.toUtf8()) {}
    const QString& zprava() const { return m_zprava; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_zprava;
    QByteArray m_utf8;
};

// Runs the report once more from its data and writes its pages to the PDF file at cesta.
// When it returns the file exists and holds the pages; it is written aside and put in
// place only when complete, so a failed export never leaves half a file. Any failure
// (folder missing, disk full, a report that cannot get its data) throws ChybaVystupu.
void OrbeluExport(Sestava& sestava, const QString& cesta);
