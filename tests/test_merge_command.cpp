// The merge script's command line and report name, as pure functions.
#include "fake_host.h"

#include "plugin/mergecommand_p.h"

#include <gtest/gtest.h>

namespace {

TEST(MergeCommand, InterpreterScriptSilenceFilesAndReportInOrder)
{
    const struct {
        QStringList interpreter;
        bool interactive;
        QStringList files;
        QStringList arguments;
        QString echo;
    } cases[] = {
        {{"perl"},
         false,
         {"x y.tsf", "b.tzf"},
         {"perl", "/opt/s/mergestacksize.pl", "-silent", "x y.tsf", "b.tzf", "-report=\"r.html\""},
         "mergestacksize.pl x y.tsf b.tzf -report=\"r.html\""},
        {{"perl", "-w"},
         true,
         {"x y.tsf", "b.tzf"},
         {"perl", "-w", "/opt/s/mergestacksize.pl", "x y.tsf", "b.tzf", "-report=\"r.html\""},
         "mergestacksize.pl x y.tsf b.tzf -report=\"r.html\""},
        // A name that the script would take for an option.
        {{"perl"},
         true,
         {"-report=evil.html.tsf", "/d/-b.tzf", "a-.tsf"},
         {"perl", "/opt/s/mergestacksize.pl", "./-report=evil.html.tsf", "/d/-b.tzf", "a-.tsf", "-report=\"r.html\""},
         "mergestacksize.pl ./-report=evil.html.tsf /d/-b.tzf a-.tsf -report=\"r.html\""},
    };
    for (const auto& c : cases) {
        const MergeCommand command = mergeCommand(c.interpreter, "/opt/s", c.files, c.interactive, "r.html", nullptr);
        EXPECT_EQ(command.arguments, c.arguments);
        EXPECT_EQ(command.echo, c.echo) << "no interpreter, no -silent";
        EXPECT_EQ(command.script, "mergestacksize.pl");
    }
}

// Each configuration value alone; a null option: the value is left out.
TEST(MergeCommand, EachConfigurationValueGivesItsOptionOrIsLeftOut)
{
    const struct {
        const char* key;
        QVariant value;
        QString option;
    } cases[] = {
        {"qxz_template", "t.html", "-qxz_template=\"t.html\""},
        {"qxz_template", "", {}},
        {"qxz_extstksize", "e sizes.txt", "-qxz_extstksize=\"e sizes.txt\""},
        {"qxz_extstksize", QString(), {}},
        {"qxl_entrypoints", "main isr", "-entrypoints=main isr"},
        {"qxl_entrypoints", "", {}},
        {"qxz_maxstacksize", 100, "-max=100"},
        {"qxz_maxstacksize", "512", "-max=512"},
        {"qxz_maxstacksize", "-2147483648", "-max=-2147483648"},
        {"qxz_maxstacksize", 0, {}},
        {"qxz_maxstacksize", "lots", {}},
        {"qxz_maxstacksize", "2147483648", {}},
        {"qxz_maxstacksize", "99999999999", {}},
        {"qxz_maxstacksize", "-2147483649", {}},
        {"qxz_maxstacksize", qlonglong(1) << 32, {}},
        {"qxz_securestacksize", 2147483647, "-security=2147483647"},
        {"qxz_securestacksize", "99999999999999999999", {}},
        {"qxz_securestacksize", QVariant(), {}},
        {"unknown_key", "1", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key + (" " + c.value.toString()).toStdString());
        QAStConfiguration configuration;
        configuration.setValue(c.key, c.value);
        const QStringList expected =
            QStringList{"-report=\"r.html\""} + (c.option.isNull() ? QStringList() : QStringList{c.option});
        const MergeCommand command = mergeCommand({"perl"}, "/s", {"a.tsf"}, true, "r.html", &configuration);
        EXPECT_EQ(command.arguments.mid(3), expected);
        EXPECT_EQ(command.echo, "mergestacksize.pl a.tsf " + expected.join(' '));
    }
}

TEST(MergeCommand, OptionsFollowTheKeyOrderNotTheOrderOfSetting)
{
    QAStConfiguration configuration;
    configuration.setValue("qxz_securestacksize", 2048);
    configuration.setValue("qxz_maxstacksize", "4096");
    configuration.setValue("qxl_entrypoints", "main");
    configuration.setValue("qxz_extstksize", "e.txt");
    configuration.setValue("qxz_template", "t.html");
    EXPECT_EQ(mergeCommand({"perl"}, "/s", {"a.tsf"}, true, "r.html", &configuration).arguments.mid(3),
              (QStringList{"-report=\"r.html\"", "-qxz_template=\"t.html\"", "-qxz_extstksize=\"e.txt\"",
                           "-entrypoints=main", "-max=4096", "-security=2048"}));
}

TEST(MergeReportName, InteractiveRunsNameTheReportAfterTheNode)
{
    const struct {
        bool interactive;
        QString node;  // null: no node
        QString report;
    } cases[] = {
        {false, {}, "indexWSSreport.html"}, {false, "N1", "indexWSSreport.html"}, {true, {}, "GroupWSSreport.html"},
        {true, "N1", "N1.WSSreport.html"},  {true, "", ".WSSreport.html"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mergeReportName(c.interactive, c.node), c.report) << c.interactive << ' ' << c.node.isNull();
}

}  // namespace
