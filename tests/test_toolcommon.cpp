// What the command-line programs share, called directly: escaped printing
// and the subcommand table with its options, help and usage errors.
#include "tools/common/command.h"
#include "tools/common/output.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace {

TEST(EscapeControls, EveryControlCharacterIsEscapedAndNothingElse)
{
    const struct {
        QString text;
        QString escaped;
        QString forTerminal = QString();  // null: as escaped
    } cases[] = {
        {"two\tcolumns\nlines\r\n", "two\\tcolumns\\nlines\\r\\n", "two\tcolumns\nlines\\r\n"},
        {QString::fromUtf16(u"raw C1 bytes \xDC9B\xDC80, not \xDCA0 \xD83D\xDC9B"),
         QString::fromUtf16(u"raw C1 bytes \\x9b\\x80, not \xDCA0 \xD83D\xDC9B")},
        {"plain text", "plain text"},
        {QString::fromLatin1("a\0b", 3), "a\\0b"},
        {"\a\b\t\n\v\f\r\x1b", "\\a\\b\\t\\n\\v\\f\\r\\e", "\\a\\b\t\n\\v\\f\\r\\e"},
        {"\x01\x1f\x7f", "\\x01\\x1f\\x7f"},
        {QString::fromUtf16(u"\x85\x9b"), "\\x85\\x9b"},
        {QString::fromUtf8("größe \\ \" \u202e"), QString::fromUtf8("größe \\ \" \u202e")},
        {QString::fromUtf16(u"caf\xDCE9"), QString::fromUtf16(u"caf\xDCE9")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(escapeControls(c.text), c.escaped) << c.escaped.toStdString();
        EXPECT_EQ(escapeForTerminal(c.text), c.forTerminal.isNull() ? c.escaped : c.forTerminal)
            << c.escaped.toStdString();
    }
}

TEST(Output, StreamsTextEscapedOrVerbatimWithEveryByteOfAName)
{
    const QString text = QString::fromUtf16(u"caf\xDCE9 \x1b") + QChar(0) + QString::fromUtf8("é");
    std::ostringstream escaped, verbatim;
    escaped << text;
    writeVerbatim(verbatim, text);
    EXPECT_EQ(escaped.str(), "caf\xe9 \\e\\0\xc3\xa9");
    EXPECT_EQ(verbatim.str(), std::string("caf\xe9 \x1b\0\xc3\xa9", 9));
}

QStringList seen;  // what the last command run was given

int recordFiles(const QCommandLineParser& parser)
{
    seen = parser.positionalArguments();
    return 7;
}

int recordFilesAndLevels(const QCommandLineParser& parser)
{
    seen = parser.positionalArguments() + parser.values("level");
    return 7;
}

QList<QCommandLineOption> levelOption()
{
    return {{"level", "how deep", "N"}};
}

const Command first = {"first",          "FILE...",   "Does the first thing.",
                       "More about it.", levelOption, recordFilesAndLevels};
const Command second = {"second", "", "Does the second thing.", "", nullptr, recordFiles};
const Command* const commands[] = {&first, &second};
const Program program = {"prog", "Exit status: 7.", nullptr};

struct Outcome {
    int status;
    std::string out, err;
};

Outcome runProg(QStringList arguments)
{
    arguments.prepend("prog");
    std::vector<QByteArray> words;
    std::vector<char*> argv;
    for (const QString& argument : arguments)
        words.push_back(argument.toUtf8());
    for (QByteArray& word : words)
        argv.push_back(word.data());
    seen = {"not run"};
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int status =
        runProgram(program, "Does things.", commands, std::size(commands), int(argv.size()), argv.data());
    std::string out = ::testing::internal::GetCapturedStdout();
    return {status, out, ::testing::internal::GetCapturedStderr()};
}

TEST(RunProgram, SubcommandsGetTheirArgumentsHelpAndUsageErrors)
{
    const std::string firstHelp = "Usage: prog first [OPTION]... FILE...\n"
                                  "Does the first thing.\n\n"
                                  "More about it.\n\n"
                                  "Options:\n"
                                  "  --level N   how deep\n"
                                  "  -h, --help  print this help\n\n"
                                  "Exit status: 7.\n";
    const std::string programHelp = "Usage: prog COMMAND [OPTION]... [ARGUMENT]...\n"
                                    "Does things.\n"
                                    "'prog COMMAND --help' tells about one command.\n\n"
                                    "Commands:\n"
                                    "  first FILE...  Does the first thing.\n"
                                    "  second         Does the second thing.\n\n"
                                    "Options:\n"
                                    "  -h, --help  print this help\n\n"
                                    "Exit status: 7.\n";
    const auto usage = [](const char* message, const char* command) {
        return "prog: " + std::string(message) + "\nTry '" + command + " --help'.\n";
    };
    const struct {
        QStringList arguments;
        int status;
        std::string out, err;
        QStringList seen;
    } cases[] = {
        {{"first", "a", "--level", "3", "-level=4", "--", "-b"}, 7, "", "", {"a", "-b", "3", "4"}},
        {{"second", "x"}, 7, "", "", {"x"}},
        {{"first", "--help", "a"}, 0, firstHelp, "", {"not run"}},
        {{"second", "-h"}, 0, "Usage: prog second [OPTION]...\nDoes the second thing.\n\nOptions:\n", "", {"not run"}},
        {{"--help"}, 0, programHelp, "", {"not run"}},
        {{}, 2, "", usage("no command given", "prog"), {"not run"}},
        {{"third"}, 2, "", usage("unknown command 'third'", "prog"), {"not run"}},
        {{"-x", "first"}, 2, "", usage("unknown option 'x'", "prog"), {"not run"}},
        {{"first", "--level"}, 2, "", usage("missing value after '--level'", "prog first"), {"not run"}},
        {{"second", "--level", "1"}, 2, "", usage("unknown option 'level'", "prog second"), {"not run"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome outcome = runProg(c.arguments);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.out.substr(0, c.out.size()), c.out);
        EXPECT_EQ(outcome.err, c.err);
        EXPECT_EQ(seen, c.seen);
    }
}

}  // namespace
