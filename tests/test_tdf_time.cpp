// The time base of a trace (TU, TM, TS, HS), the stamps it gives, and the
// formatting of times.
#include "test_tdf_support.h"

#include <random>

namespace {

// The time base where it differs from a fresh reader: "t=<current>
// step=<step> unit=<unit>:<text> first=<first> min=<min> minstep=<min step>
// heap=<heap> max=<max heap>", a statistic marked "?" when not flagged as
// seen; "-" when nothing differs.
std::string timeBase(const TDF& r)
{
    std::string out;
    const auto add = [&out](bool differs, const char* name, const std::string& value) {
        if (differs)
            out += (out.empty() ? "" : " ") + std::string(name) + '=' + value;
    };
    const auto statistic = [&add](const char* name, bool seen, unsigned long value, unsigned long initial) {
        add(seen || value != initial, name, std::to_string(value) + (seen ? "" : "?"));
    };
    add(r.currentTime, "t", std::to_string(r.currentTime));
    add(r.timeStep, "step", std::to_string(r.timeStep));
    add(r.timeUnit || !r.timeUnitName.isNull(), "unit", std::to_string(r.timeUnit) + ':' + text(r.timeUnitName));
    statistic("first", r.firstTimeSeen, r.firstTime, 0);
    statistic("min", r.minTimeSeen, r.minTime, 0);
    statistic("minstep", r.minTimeStepSeen, r.minTimeStep, ~0UL);
    add(r.heapSize, "heap", std::to_string(r.heapSize));
    statistic("max", r.heapSizeSeen, r.maxHeapSize, 0);
    return out.empty() ? "-" : out;
}

struct Case {
    const char* name;
    std::string lines;
    Texts reports;
    std::string after;  // timeBase()
};

TEST(TDFTime, TimeBaseLines)
{
    const Case cases[] = {
        {"a unit text outside the table is kept, without a message", "TU \"ms\"\nTU \"sec\"", {}, "unit=0:sec"},
        {"a failing TU clears both unit fields",
         "TU \"ms\"\nTU ms\nTU \"s\"\nTU \"open",
         {"2: Can't read time unit.", "4: Can't read time unit."},
         "-"},
        {"a time of two halves", "TM 1 2", {}, "t=4294967298 first=4294967298 min=4294967298"},
        {"the largest time",
         "TM FFFFFFFFh FFFFFFFFh",
         {},
         "t=18446744073709551615 first=18446744073709551615 min=18446744073709551615"},
        {"times need not increase", "TM 5\nTM 3\nTM 9", {}, "t=9 first=5 min=3"},
        {"the second half follows after exactly one blank", "TM 1  2", {}, "t=1 first=1 min=1"},
        {"halves that do not hold in 32 bits are not cut",
         "TM 5\nTM 1 4294967296\nTM 4294967296 1",
         {"2: 32 bits number overflow", "2: can't read time.", "3: 32 bits number overflow", "3: can't read time."},
         "t=5 first=5 min=5"},
        {"a missing time changes nothing",
         "TM 5\nTM\nTM x",
         {"2: can't read time.", "3: can't read time."},
         "t=5 first=5 min=5"},
        {"a step of 0 after 5", "TS 5\nTS 0", {}, "minstep=0"},
        {"a larger step keeps the smallest; a missing one changes nothing",
         "TS 7\nTS 9\nTS",
         {"3: can't read time step."},
         "step=9 minstep=7"},
        {"heap sizes", "HS 10\nHS 4", {}, "heap=4 max=10"},
        {"a heap size of 0 is seen; a missing one changes nothing", "HS 0\nHS", {"2: can't read heap size."}, "max=0"},
        {"step and heap size of two halves",
         "TS 1 0\nHS 2 1",
         {},
         "step=4294967296 minstep=4294967296 heap=8589934593 max=8589934593"},
    };
    for (const Case& c : cases) {
        Trace trace;
        EXPECT_EQ(trace.read(c.lines), c.reports) << c.name;
        EXPECT_EQ(timeBase(trace.reader), c.after) << c.name;
    }

    const std::pair<const char*, int> units[] = {{"h", 1},  {"mn", 2}, {"s", 3},  {"ms", 4}, {"us", 5},
                                                 {"ns", 6}, {"ps", 7}, {"MS", 0}, {"", 0}};
    for (const auto& [unitText, unit] : units) {
        Trace trace;
        trace.read("TU \"" + std::string(unitText) + "\"\n");
        EXPECT_EQ(trace.reader.timeUnit, unit) << unitText;
        EXPECT_EQ(text(trace.reader.timeUnitName), unitText);
    }
}

TEST(TDFTime, EventsAreStampedWithTheCurrentTimeAndHeapSize)
{
    Trace trace;
    trace.begin(standardTrace);
    trace.read("TM 100\nTS 10\nAC \"a\" 0\nHS 77\nME 10 3\nTM 50\nAC \"c\" 0\nTS 0\nAC \"d\" 0\nAC \"e\" 0\n");
    EXPECT_EQ(times(trace.reader), "0 0 100 110 50 60 60");
    EXPECT_EQ(trace.reader.messages.last()->item->toMessage()->heapSize, 77u);

    trace.reader.setTimeFormat(QStringLiteral("%ss"));
    trace.read("TU \"s\"\nHS 5\nTS 3\n");
    trace.reader.reset(true);
    EXPECT_EQ(timeBase(trace.reader), "-");
    EXPECT_EQ(trace.reader.timeFormat, QStringLiteral("%ss")) << "the format is the caller's";
}

struct FormatCase {
    const char* format;
    unsigned long long time;
    TDFTimeUnitType unit;
    const char* expected;
};

TEST(TDFTime, FormatExamples)
{
    const FormatCase cases[] = {
        {"%Hh %Mmn %ss %mms", 61500, TIME_UNIT_MILLISECOND, "1mn 1s 500ms"},
        {"%Hh %Mmn %ss %mms", 0, TIME_UNIT_MILLISECOND, "0ms"},
        {"%0Hh%0Mmn%ss", 59, TIME_UNIT_SECOND, "0h0mn59s"},
        {"%v us", 1234, TIME_UNIT_MICROSECOND, "1234 us"},
        {"%ss", 42, TIME_UNIT_NONE, "42"},
        {"", 42, TIME_UNIT_SECOND, "42"},
        {"%uus %nns %pps", 1234567, TIME_UNIT_NANOSECOND, "1234us 567ns 0ps"},
        {"ends with %", 5, TIME_UNIT_SECOND, "ends with %"},
        {"100%%", 5, TIME_UNIT_SECOND, "100%"},
        {"t=%ss", 0, TIME_UNIT_SECOND, "t="},           // text before the fields: no "0"
        {"%Hh-%ss", 5, TIME_UNIT_SECOND, "5s"},         // a hidden field hides its text
        {" %ss ", 3, TIME_UNIT_SECOND, "3s"},           // white space around is removed
        {"%ss %Mmn", 3660, TIME_UNIT_SECOND, "3660s"},  // a later field sees what is left
        {"%0x%Mmn", 5, TIME_UNIT_SECOND, "x0mn"},       // only a field resets the "0"
        {"%0Hh%Mmn", 0, TIME_UNIT_SECOND, "0h"},        // ... which a shown field does
        {"%0p %Mmn", 0, TIME_UNIT_SECOND, "0 0mn"},     // "p" is no such field
        {"%Mmn %v", 90, TIME_UNIT_SECOND, "1mn 90"},    // "v" is the raw time
        {"%Hh %Mmn", 6000, TIME_UNIT_HOUR, "6000h"},    // beyond 64 bits of picoseconds
        {"%p", ~0ULL, TIME_UNIT_HOUR, "66408278665354385814000000000000000"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(TDFTime2StringFormat(QString::fromUtf8(c.format), c.time, c.unit).toStdString(), c.expected)
            << c.format << ' ' << c.time;
    }
    EXPECT_EQ(TDFTime2String(0ULL), QStringLiteral("0"));
    EXPECT_EQ(TDFTime2String(~0ULL), QStringLiteral("18446744073709551615"));
}

TEST(TDFTime, ReaderTimesUseItsFormatAndUnit)
{
    Trace trace;
    const unsigned long long time = 42;
    trace.reader.setTimeFormat(QStringLiteral("%ss"));
    EXPECT_EQ(trace.reader.strTime(time), QStringLiteral("42")) << "no unit: the format is ignored";
    trace.read("TU \"cycles\"\n");
    EXPECT_EQ(trace.reader.strTime(time), QStringLiteral("42 cycles"));
    trace.read("TU \"s\"\n");
    EXPECT_EQ(trace.reader.strTime(time), QStringLiteral("42s"));
    trace.reader.setTimeFormat(QString());
    EXPECT_EQ(trace.reader.strTime(time), QStringLiteral("42 s"));
    trace.reader.setTimeFormat(QStringLiteral("%Mmn %ss"));
    trace.reader.reset(true);
    EXPECT_EQ(trace.reader.strTime(time), QStringLiteral("42"));
    trace.read("TU \"mn\"\n");
    EXPECT_EQ(trace.reader.strTime(time), QStringLiteral("42mn"));
}

// An independent model of the format language: the format is first cut into
// tokens (a literal character, or a directive with its "0" flags and its
// letter), which are then evaluated over a 128-bit count of picoseconds.
typedef unsigned __int128 Wide;

std::string decimal(Wide value)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), char('0' + int(value % 10)));
        value /= 10;
    } while (value);
    return digits;
}

Wide picoseconds(int unit)  // unit 1 (hours) to 7 (picoseconds)
{
    const Wide second = 1000000000000ULL;
    const Wide perUnit[] = {3600 * second, 60 * second, second, second / 1000, second / 1000000, 1000, 1};
    return perUnit[unit - 1];
}

struct Token {
    bool directive;
    bool zeroFlag;
    char letter;  // '\0' for a directive cut short by the end of the format
};

std::vector<Token> tokens(const std::string& format)
{
    std::vector<Token> out;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out.push_back({false, false, format[i]});
            continue;
        }
        Token directive{true, false, '\0'};
        while (++i < format.size() && format[i] == '0')
            directive.zeroFlag = true;
        if (i < format.size())
            directive.letter = format[i];
        out.push_back(directive);
    }
    return out;
}

std::string modelFormat(const std::string& format, unsigned long long time, int unit)
{
    if (format.empty() || unit == 0)
        return decimal(time);
    Wide left = Wide(time) * picoseconds(unit);
    std::string shown;
    std::string afterHidden;  // literal text since the last hidden field
    bool inHidden = false;
    bool forceZero = false;  // a "0" flag not yet used by a shown field
    const std::string fields = "HMsmun";
    for (const Token& token : tokens(format)) {
        if (!token.directive) {
            (inHidden ? afterHidden : shown) += token.letter;
            continue;
        }
        afterHidden.clear();
        inHidden = false;
        forceZero = forceZero || token.zeroFlag;
        const size_t field = token.letter ? fields.find(token.letter) : std::string::npos;
        if (field != std::string::npos) {
            const Wide size = picoseconds(int(field) + 1);
            const Wide count = left / size;
            if (count == 0 && !forceZero) {
                inHidden = true;
            } else {
                left -= count * size;
                shown += decimal(count);
                forceZero = false;
            }
        } else if (token.letter == 'p' || token.letter == 'v') {
            shown += decimal(token.letter == 'p' ? left : Wide(time));
            left = 0;
        } else {
            shown += token.letter ? token.letter : '%';
        }
    }
    if (shown.empty())
        return '0' + afterHidden;
    const size_t first = shown.find_first_not_of(" \t");
    return first == std::string::npos ? "" : shown.substr(first, shown.find_last_not_of(" \t") - first + 1);
}

TEST(TDFTime, FormatAgreesWithAnIndependentModel)
{
    std::mt19937_64 random(20240611);
    const std::string alphabet = "%%%%%%HMsmunpv00 \t-:xh";
    int mismatches = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string format;
        for (size_t length = random() % 12; format.size() < length;)
            format += alphabet[random() % alphabet.size()];
        unsigned long long time = random();
        switch (random() % 4) {
        case 0:
            break;  // anywhere in 64 bits: mostly beyond 64 bits of picoseconds
        case 1:
            time %= 100000;
            break;
        case 2:
            time >>= random() % 64;
            break;
        default:
            time = random() % 2 ? 0 : ~0ULL;
        }
        const int unit = int(random() % 8);
        const std::string expected = modelFormat(format, time, unit);
        const std::string actual =
            TDFTime2StringFormat(QString::fromStdString(format), time, TDFTimeUnitType(unit)).toStdString();
        if (actual != expected && ++mismatches <= 5)
            ADD_FAILURE() << '"' << format << "\" " << time << " unit " << unit << ": " << actual << " instead of "
                          << expected;
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
