#pragma once
// The list of cost centres offered by the cost-centre choice: "stredi.sez" in the working
// directory, one code per line in the user's order, Windows-1250 with CRLF line ends.
// It is only a pick list; the codes themselves are those of the data.
#include <QDialog>
#include <QString>

#include <optional>

class QPlainTextEdit;

QString SouborStredisek();
// The file's text, or nullopt after the message naming the file and the system's reason.
std::optional<QString> NactiStrediSez(QWidget* rodic);
// Writes the text back, one line per line of the text; false after the message.
bool ZapisStrediSez(const QString& text, QWidget* rodic);

// The list editor "Střediska": a text area over the file; however it closes, the text
// goes back to the file.
class TFstrediska : public QDialog {
    Q_OBJECT
public:
    TFstrediska(const QString& text, QWidget* rodic = nullptr);
    QString text() const;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    QPlainTextEdit* m_text;
};

// The menu's command: opens the editor modally; false (after the file message) when
// "stredi.sez" cannot be read, and then the editor does not open.
bool UpravStrediska(QWidget* rodic);
