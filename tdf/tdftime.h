// Trace times as display text.
//
// A time is a count of the trace's time unit (TU line).  A format is text
// with directives, each a '%' and a letter:
//   %H %M %s %m %u %n   hours, minutes, seconds, milli-, micro-, nanoseconds:
//                       the share of the time left by the fields before it;
//                       a zero field is hidden together with the literal
//                       text after it, unless written %0H, %0M, ...
//   %p                  the picoseconds left (never hidden)
//   %v                  the raw time in its own unit
//   %%                  a percent sign
// "%Hh %Mmn %ss %mms" shows 61500 ms as "1mn 1s 500ms".
#pragma once

#include "stacksizeview_export.h"

#include <QString>

enum TDFTimeUnitType {
    TIME_UNIT_NONE = 0,
    TIME_UNIT_HOUR,
    TIME_UNIT_MINUTE,
    TIME_UNIT_SECOND,
    TIME_UNIT_MILLISECOND,
    TIME_UNIT_MICROSECOND,
    TIME_UNIT_NANOSECOND,
    TIME_UNIT_PICOSECOND
};

// The length of a unit in picoseconds; 0 for no unit.
STACKSIZEVIEW_EXPORT unsigned long long picosecondsPerTimeUnit(TDFTimeUnitType unit);

// The time in decimal.
STACKSIZEVIEW_EXPORT QString TDFTime2String(const unsigned long long& time);
// The time formatted; plain decimal for an empty format or no unit.
STACKSIZEVIEW_EXPORT QString TDFTime2StringFormat(const QString& format, const unsigned long long& time,
                                                  TDFTimeUnitType unit);

// The unit a TU text names ("h", "mn", "s", "ms", "us", "ns", "ps"); none
// for another text.
STACKSIZEVIEW_EXPORT TDFTimeUnitType TDFTimeUnitFromName(const QString& name);

// A time as every view shows it: formatted when there are a format and a
// unit, else in decimal followed by the unit's text when the trace named one
// ("1510 us").
STACKSIZEVIEW_EXPORT QString formatTraceTime(unsigned long long time, const QString& format, TDFTimeUnitType unit,
                                             const QString& unitName);

// A time typed by a person, in a trace of unit `unit`: a number of the
// trace's unit ("1500"), or a number with a unit's text after it ("1.5ms",
// "2 s"), converted to the trace's unit and rounded.  False for anything
// else, and for a unit's text when the trace has no unit.
STACKSIZEVIEW_EXPORT bool parseTraceTime(const QString& text, TDFTimeUnitType unit, unsigned long long* value);
