// Traces compared through their sequence models: what makes two events
// equal (kinds, names, labels, masks, instance types) and the timing of
// matched events, in the traces' units.
#include "compare/tracecompare.h"
#include "test_tdf_support.h"

namespace {

struct Case {
    const char* name;
    std::string golden;  // events after the standard trace, or a whole trace from "DB"
    std::string run;
    QStringList ignore;
    bool ignoreNames;
    const char* tolerance;  // null: times not compared
    const char* script;     // '=' equal, '-' only in golden, '+' only in run
    const char* timing;     // the run's events beyond the tolerance
};

// The model of the standard trace followed by `events`, or of `events`
// alone when it starts a trace of its own.
SequenceModel modelOf(Trace& trace, const std::string& events)
{
    trace.begin(events.rfind("DB", 0) == 0 ? std::string() : standardTrace);
    EXPECT_EQ(trace.read(events), Texts{});
    return buildSequenceModel(trace.reader);
}

std::string scriptOf(const TraceComparison& comparison, int goldenEvents, int runEvents)
{
    std::string script;
    int golden = 0, run = 0;
    std::vector<MatchedRun> matches = comparison.matches;
    matches.push_back({goldenEvents, runEvents, 0});
    for (const MatchedRun& match : matches) {
        script += std::string(std::size_t(match.golden - golden), '-') + std::string(std::size_t(match.run - run), '+')
            + std::string(std::size_t(match.length), '=');
        golden = match.golden + match.length;
        run = match.run + match.length;
    }
    return script;
}

std::string timingOf(const TraceComparison& comparison)
{
    std::string out;
    for (const TimingChange& change : comparison.timing)
        out += (out.empty() ? "" : " ") + std::to_string(change.run) + ':' + std::to_string(change.goldenInterval)
            + "->" + std::to_string(change.runInterval);
    return out;
}

TEST(CompareTraces, EventsAndTimingCompared)
{
    const std::string timed = "TU \"us\"\nTM 100\nME 10 3\nTM 200\nMR\nTM 300\nAC 20 3\n";
    const std::string slower = "TU \"us\"\nTM 100\nME 10 3\nTM 260\nMR\nTM 330\nAC 20 3\n";
    const std::string other = "TU \"us\"\nTM 100\nME 10 3\nTM 150\nAC 21 3\nTM 400\nMR\n";
    const std::string inMs = std::string(standardBlock) + "NI 1 3\nNI 2 4\nTU \"ms\"\nTM 1\nME 10 3\nTM 2\nMR\nTM 4\n";
    const std::string inUs = "TU \"us\"\nTM 1000\nME 10 3\nTM 2000\nMR\n";
    const std::string renumbered = std::string(standardBlock) + "NI 1 7\nNI 2 8\nME 10 7\nMR\n";
    const std::string swapped = std::string(standardBlock) + "NI 2 3\nNI 1 4\nME 10 3\n";  // Pump to Sensor
    const std::string read1 = "ME 10 3 \"read(1)\"\nMR\nAC 20 3\n";
    const std::string read2 = "ME 10 3 \"read(2)\"\nMR\nAC 20 3\n";
    const Case cases[] = {
        {"dynamic ids differ", "ME 10 3\nMR\n", renumbered, {}, false, nullptr, "==", ""},
        {"a label changed", read1, read2, {}, false, nullptr, "-+==", ""},
        {"the change masked", read1, read2, {"\\(\\d+\\)", "unused"}, false, nullptr, "===", ""},
        {"a kind changed", "AC 20 3\n", "SY \"Reset\" 3\n", {}, false, nullptr, "-+", ""},
        {"moved", "ME 10 3\nMR\nAC 20 3\nAC 21 3\n", "AC 21 3\n" + read1, {}, false, nullptr, "-++==-", ""},
        {"other instances", "ME 10 3\n", swapped, {}, false, nullptr, "-+", ""},
        {"the same instance types", "ME 10 3\n", swapped, {}, true, nullptr, "=", ""},
        {"names masked", "ME 10 3\n", swapped, {"Sensor|Pump"}, false, nullptr, "=", ""},
        {"timing within", timed, slower, {}, false, "60", "===", ""},
        {"timing beyond", timed, slower, {}, false, "50", "===", "1:100->160"},
        {"timing in percent", timed, slower, {}, false, "25%", "===", "1:100->160 2:100->70"},
        {"not timed unless asked", timed, slower, {}, false, nullptr, "===", ""},
        {"timing of matched events only", timed, other, {}, false, "0", "=+=-", "2:100->300"},
        {"units", inUs + "TM 3000\n", inMs, {}, false, "0", "==", ""},
        {"units beyond", "TU \"us\"\nTM 1000\nME 10 3\nTM 1500\nMR\n", inMs, {}, false, "499", "==", "1:500->1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Trace golden, run;
        const SequenceModel goldenModel = modelOf(golden, c.golden);
        const SequenceModel runModel = modelOf(run, c.run);
        CompareOptions options;
        for (const QString& pattern : c.ignore)
            options.ignore.append(QRegularExpression(pattern));
        options.ignoreNames = c.ignoreNames;
        options.compareTimes = c.tolerance != nullptr;
        TDFTimeUnitType unit = TIME_UNIT_NONE;
        ASSERT_TRUE(comparisonTimeUnit(goldenModel.timeUnit(), runModel.timeUnit(), &unit));
        ASSERT_TRUE(!c.tolerance || parseTimeTolerance(QString::fromUtf8(c.tolerance), unit, &options.tolerance));
        const TraceComparison comparison = compareTraces(goldenModel, runModel, options);
        EXPECT_EQ(scriptOf(comparison, int(goldenModel.events.size()), int(runModel.events.size())), c.script);
        EXPECT_EQ(timingOf(comparison), c.timing);
        EXPECT_EQ(comparison.same(),
                  std::string(c.script).find_first_not_of('=') == std::string::npos && std::string(c.timing).empty());
    }
}

TEST(CompareTraces, TolerancesAndUnits)
{
    struct Case {
        const char* text;
        TDFTimeUnitType unit;
        bool ok;
        bool relative;
        double amount;  // percent or units
    } const cases[] = {
        {"250", TIME_UNIT_MICROSECOND, true, false, 250}, {"1.5ms", TIME_UNIT_MICROSECOND, true, false, 1500},
        {"12.5%", TIME_UNIT_NONE, true, true, 12.5},      {" 0 % ", TIME_UNIT_SECOND, true, true, 0},
        {"1ms", TIME_UNIT_NONE, false, false, 0},         {"-5%", TIME_UNIT_SECOND, false, false, 0},
        {"inf%", TIME_UNIT_SECOND, false, false, 0},      {"%", TIME_UNIT_SECOND, false, false, 0},
        {"fast", TIME_UNIT_SECOND, false, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TimeTolerance tolerance;
        ASSERT_EQ(parseTimeTolerance(QString::fromUtf8(c.text), c.unit, &tolerance), c.ok);
        if (c.ok) {
            EXPECT_EQ(tolerance.relative, c.relative);
            EXPECT_EQ(c.relative ? tolerance.percent : double(tolerance.amount), c.amount);
        }
    }
    TDFTimeUnitType unit = TIME_UNIT_NONE;
    EXPECT_TRUE(comparisonTimeUnit(TIME_UNIT_MILLISECOND, TIME_UNIT_NANOSECOND, &unit));
    EXPECT_EQ(unit, TIME_UNIT_NANOSECOND);
    EXPECT_TRUE(comparisonTimeUnit(TIME_UNIT_NONE, TIME_UNIT_NONE, &unit));
    EXPECT_EQ(unit, TIME_UNIT_NONE);
    EXPECT_FALSE(comparisonTimeUnit(TIME_UNIT_NONE, TIME_UNIT_SECOND, &unit));
}

}  // namespace
