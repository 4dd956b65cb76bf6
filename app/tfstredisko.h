#pragma once
// The cost-centre choice "Vyber číslo střediska": the codes of "stredi.sez" to pick from,
// or any code typed in; however the dialog closes, its text is the choice.
#include <QDialog>
#include <QStringList>

#include <optional>

class QComboBox;

class TFstredisko : public QDialog {
    Q_OBJECT
public:
    // The width of the cost-centre columns.
    static constexpr int DelkaKodu = 3;
    TFstredisko(const QStringList& strediska, const QString& aktualni, QWidget* rodic = nullptr);
    // The combo box's text without surrounding spaces.
    QString stredisko() const;

private:
    QComboBox* m_vyber;
};

// The codes of "stredi.sez" in their order, blank lines left out.
QStringList SeznamStredisek(const QString& textSouboru);

// The menu's command: the chosen (or typed) code; nullopt only when "stredi.sez" cannot
// be read, after its message, and then the dialog does not open.
std::optional<QString> VyberStredisko(QWidget* rodic, const QString& aktualni);
