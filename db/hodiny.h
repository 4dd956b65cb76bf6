#pragma once
// The one place the program reads "now", so tests can fix the clock.
#include <QDateTime>
#include <functional>

namespace Hodiny {
QDateTime ted();
QDate dnes();
// Tests install a fixed or moving clock; an empty function restores the system clock.
void nastav(std::function<QDateTime()> zdroj);
} // namespace Hodiny
