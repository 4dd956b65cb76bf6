#pragma once
// Exact decimals for money, quantities and the mixture's price: a 64-bit count of
// ten-thousandths, so no binary floating point lies on the way to a rounded amount.
#include <QString>
#include <cstdint>
#include <optional>

class Desetinne {
public:
    static constexpr int Mista = 4;
    static constexpr std::int64_t Jednotka = 10000;

    constexpr Desetinne() = default;
    static constexpr Desetinne zDesetitisicin(std::int64_t d) {
        Desetinne x;
        x.m_d = d;
        return x;
    }
    static constexpr Desetinne zCeleho(std::int64_t n) { return zDesetitisicin(n * Jednotka); }
    // Accepts "123", "-12,5", "0.0001", " 1 234,50 " (blanks as thousands separators);
    // more than four decimals are rounded half away from zero. Empty or malformed: nullopt.
    static std::optional<Desetinne> zTextu(const QString& text);
    // Text or 0 when the text is not a number (a dataset field that is empty reads as 0).
    static Desetinne zTextuNeboNula(const QString& text);
    static Desetinne zDouble(double d);

    std::int64_t desetitisiciny() const { return m_d; }
    double naDouble() const { return static_cast<double>(m_d) / Jednotka; }
    bool jeNula() const { return m_d == 0; }
    bool jeZaporne() const { return m_d < 0; }

    // Shortest text with a decimal point: 123.5, -5, 0, 0.0001.
    QString text() const;
    // Fixed number of decimals (0..4), decimal point.
    QString text(int mist) const;

    Desetinne operator+(Desetinne o) const { return zDesetitisicin(m_d + o.m_d); }
    Desetinne operator-(Desetinne o) const { return zDesetitisicin(m_d - o.m_d); }
    Desetinne operator-() const { return zDesetitisicin(-m_d); }
    Desetinne& operator+=(Desetinne o) {
        m_d += o.m_d;
        return *this;
    }
    Desetinne& operator-=(Desetinne o) {
        m_d -= o.m_d;
        return *this;
    }
    // Product rounded to four decimals, half away from zero.
    Desetinne operator*(Desetinne o) const;
    // Quotient rounded to four decimals, half away from zero; nullopt for a zero divisor.
    std::optional<Desetinne> deleno(Desetinne o) const;
    auto operator<=>(const Desetinne&) const = default;

private:
    std::int64_t m_d = 0;
};

// Rounds to n decimals (0..4) with halves away from zero.
Desetinne Zaokrouhli(Desetinne hodnota, int n);
