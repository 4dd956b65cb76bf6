#pragma once
// Number texts of the printed documents, in the program's locale (Czech: decimal comma,
// thousands grouped by a non-breaking space).
#include "desetinne.h"

#include <QString>

// A display mask of the report layouts: '#' an optional digit, '0' a required one, '.'
// the decimal separator, any other character a literal that stands between digits (so
// "## ### ###.00" groups thousands by blanks). Digits beyond the mask's places are kept.
// Unlike the masks of the suite's Windows reports a number below one keeps its "0".
QString TextMaskou(Desetinne hodnota, const QString& maska);
// Thousands separators and exactly that many decimals ("12 345,60").
QString TextSOddelovaci(Desetinne hodnota, int desetin);
// The plain text form: shortest, no thousands separators ("1262,5", "25", "-0,75").
QString TextProsty(Desetinne hodnota);
