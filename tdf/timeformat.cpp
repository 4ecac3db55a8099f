// Times as text: the format language of TDFTime2StringFormat.
#include "tdf/tdfreader.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// The TU texts of the units, by TDFTimeUnitType.
const char* const unitTexts[] = {"", "h", "mn", "s", "ms", "us", "ns", "ps"};

typedef unsigned __int128 Picoseconds;  // wide enough for any time in any unit

const unsigned long long picosecondsPerUnit[] = {
    0,                    // no unit
    3600000000000000ULL,  // hour
    60000000000000ULL,    // minute
    1000000000000ULL,     // second
    1000000000ULL,        // millisecond
    1000000ULL,           // microsecond
    1000ULL,              // nanosecond
    1ULL,                 // picosecond
};

QString decimal(Picoseconds value)
{
    if (value <= ~0ULL)
        return QString::number(static_cast<unsigned long long>(value));
    char digits[40];
    char* end = digits + sizeof digits;
    char* first = end;
    for (; value; value /= 10)
        *--first = char('0' + int(value % 10));
    return QString::fromLatin1(first, int(end - first));
}

// The picoseconds of the field that a directive letter shows; 0 for a
// letter that is not a field.
Picoseconds fieldUnit(char16_t letter)
{
    switch (letter) {
    case u'H':
        return picosecondsPerUnit[TIME_UNIT_HOUR];
    case u'M':
        return picosecondsPerUnit[TIME_UNIT_MINUTE];
    case u's':
        return picosecondsPerUnit[TIME_UNIT_SECOND];
    case u'm':
        return picosecondsPerUnit[TIME_UNIT_MILLISECOND];
    case u'u':
        return picosecondsPerUnit[TIME_UNIT_MICROSECOND];
    case u'n':
        return picosecondsPerUnit[TIME_UNIT_NANOSECOND];
    default:
        return 0;
    }
}

// The walk over a format: the text so far, and the literal text after a
// hidden field, which shows only when every field is hidden.
class Formatter {
public:
    Formatter(unsigned long long time, Picoseconds remaining) : time_(time), remaining_(remaining) {}

    void literal(QChar c)
    {
        if (c == u'%') {
            suffix_.clear();
            hiding_ = false;
            inDirective_ = true;
        } else {
            (hiding_ ? suffix_ : output_) += c;
        }
    }

    void directive(QChar c)
    {
        if (const Picoseconds unit = fieldUnit(c.unicode()))
            return field(unit);
        inDirective_ = c == u'0';
        hiding_ = false;
        if (c == u'0') {
            hideZero_ = false;
        } else if (c == u'p' || c == u'v') {
            output_ += c == u'p' ? decimal(remaining_) : TDFTime2String(time_);
            remaining_ = 0;
        } else {
            output_ += c;
        }
    }

    void feed(QChar c) { inDirective_ ? directive(c) : literal(c); }

    QString result()
    {
        if (inDirective_)
            output_ += u'%';
        if (!output_.isEmpty())
            return output_.trimmed();
        return QLatin1Char('0') + suffix_;
    }

private:
    void field(Picoseconds unit)
    {
        inDirective_ = false;
        const Picoseconds value = remaining_ / unit;
        if (hideZero_ && value == 0) {
            hiding_ = true;
            return;
        }
        remaining_ %= unit;
        output_ += decimal(value);
        hiding_ = false;
        hideZero_ = true;
    }

    unsigned long long time_;
    Picoseconds remaining_;
    QString output_;
    QString suffix_;
    bool inDirective_ = false;
    bool hideZero_ = true;
    bool hiding_ = false;
};

}  // namespace

unsigned long long picosecondsPerTimeUnit(TDFTimeUnitType unit)
{
    return unit >= TIME_UNIT_NONE && unit <= TIME_UNIT_PICOSECOND ? picosecondsPerUnit[unit] : 0;
}

QString TDFTime2String(const unsigned long long& time)
{
    return QString::number(time);
}

QString TDFTime2StringFormat(const QString& format, const unsigned long long& time, TDFTimeUnitType unit)
{
    if (format.isEmpty() || unit <= TIME_UNIT_NONE || unit > TIME_UNIT_PICOSECOND)
        return TDFTime2String(time);
    Formatter formatter(time, Picoseconds(time) * picosecondsPerUnit[unit]);
    for (QChar c : format)
        formatter.feed(c);
    return formatter.result();
}

QString TDF::strTime(const unsigned long long& time)
{
    return formatTraceTime(time, timeFormat, timeUnit, timeUnitName);
}

TDFTimeUnitType TDFTimeUnitFromName(const QString& name)
{
    for (int unit = TIME_UNIT_HOUR; unit <= TIME_UNIT_PICOSECOND; ++unit) {
        if (name == QLatin1String(unitTexts[unit]))
            return TDFTimeUnitType(unit);
    }
    return TIME_UNIT_NONE;
}

QString formatTraceTime(unsigned long long time, const QString& format, TDFTimeUnitType unit, const QString& unitName)
{
    const QString text = TDFTime2StringFormat(format, time, unit);
    if ((format.isEmpty() || unit == TIME_UNIT_NONE) && !unitName.isNull())
        return QCoreApplication::translate("TDF", "%1 %2",
                                           "%1 is a time number and %2 the time unit; used when there are no time "
                                           "format selected")
            .arg(text, unitName);
    return text;
}

bool parseTraceTime(const QString& text, TDFTimeUnitType unit, unsigned long long* value)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d+(?:\\.\\d*)?|\\.\\d+)\\s*([a-z]*)\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    const QString suffix = match.captured(2);
    bool whole = false;
    const unsigned long long count = match.captured(1).toULongLong(&whole);
    if (suffix.isEmpty() && whole) {
        *value = count;
        return true;
    }
    const long double number = match.captured(1).toDouble();
    long double units = number;
    if (!suffix.isEmpty()) {
        const TDFTimeUnitType given = TDFTimeUnitFromName(suffix);
        if (given == TIME_UNIT_NONE || unit == TIME_UNIT_NONE)
            return false;
        units = number * picosecondsPerUnit[given] / picosecondsPerUnit[unit];
    }
    if (!(units < 18446744073709551615.0L))
        return false;
    *value = static_cast<unsigned long long>(units + 0.5L);
    return true;
}
