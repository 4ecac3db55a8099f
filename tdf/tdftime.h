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

// The time in decimal.
STACKSIZEVIEW_EXPORT QString TDFTime2String(const unsigned long long& time);
// The time formatted; plain decimal for an empty format or no unit.
STACKSIZEVIEW_EXPORT QString TDFTime2StringFormat(const QString& format, const unsigned long long& time,
                                                  TDFTimeUnitType unit);
