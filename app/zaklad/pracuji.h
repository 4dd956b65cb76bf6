#pragma once
// The busy window: while long work runs (the version check, sending a PDF) a small
// borderless window centred over the main window says what is going on, with a gradient
// that keeps running as long as the caller lets events through (Cekej, processEvents).
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QTimer;

class OknoPracuji : public QWidget {
    Q_OBJECT
public:
    OknoPracuji(const QString& text, QWidget* rodic);
    const QString& text() const { return m_text; }
    // The animation's step; it moves on with every tick of the timer.
    int faze() const { return m_faze; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_text;
    QTimer* m_casovac;
    int m_faze = 0;
};

// Shows the busy window for its lifetime:
//     Pracuji p(this, QStringLiteral("Kavlin05 - kontrola nové verze"));
// The window is painted before the constructor returns and closed by the destructor.
class Pracuji {
public:
    Pracuji(QWidget* rodic, const QString& text);
    ~Pracuji();
    Pracuji(const Pracuji&) = delete;
    Pracuji& operator=(const Pracuji&) = delete;
    OknoPracuji* okno() const { return m_okno; }

private:
    QPointer<OknoPracuji> m_okno;
};

// Test seam: called with the text of every busy window shown (the window still opens).
using ZaznamPracuji = std::function<void(const QString& text)>;
void NastavZaznamPracuji(ZaznamPracuji z);
