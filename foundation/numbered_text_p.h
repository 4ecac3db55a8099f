// Names made once per trace object from a format such as "obj%1:%2": when
// the format is the untranslated one, the name is put together in one
// allocation instead of two passes of QString::arg.
#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <charconv>

// `before`, the number in decimal, `between`, then `after`.
template <class Number>
QString numberedText(QLatin1StringView before, Number number, QLatin1StringView between, QStringView after = {})
{
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    QString text;
    text.reserve(before.size() + (end - digits) + between.size() + after.size());
    text.append(before).append(QLatin1StringView(digits, end - digits)).append(between).append(after);
    return text;
}
