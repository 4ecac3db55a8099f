// The library's translations: configuration errors, reader errors and
// tracetool's messages in German and French with their placeholders filled,
// the original English for a locale without a translation.
#include "foundation/translation.h"
#include "program_run.h"
#include "tdf/reports_p.h"
#include "test_tdf_support.h"

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

// Configurations with a bad value and with a value of the wrong resource
// type.
const char badConfiguration[] = "tcf {\n"
                                "  name = \"A\"\n"
                                "  id_length = 12\n"
                                "}\n"
                                "tcf {\n"
                                "  name = \"B\"\n"
                                "  comment = 3\n"
                                "}\n";

// After the standard trace: an unknown message, then a selection of a
// missing block, whose next line is skipped.
const char badTrace[] = "ME 99 0\n"
                        "SF 2 9 9\n"
                        "CS 3\n";

// What a language makes of them.
struct Expected {
    Texts configuration;      // the reports of badConfiguration
    Texts trace;              // the reports of badTrace
    std::string missingFile;  // the start of the report of a missing file, up to its name
};

const Expected english = {
    {"3:3: tcf.id_length must be between 0 and 9, not 12.", "7:3: tcf.comment must be a string"},
    {"1: message 99 doesn't match any model in definition block.", "2: definition block not found (SF)",
     "3: warning: due to previous error, restart analyzing at this line (1 lines skipped)",
     "3: definition block not found (CS)"},
    "Can't open file \"",
};

const Expected german = {
    {"3:3: tcf.id_length muss zwischen 0 und 9 liegen, nicht 12.", "7:3: tcf.comment muss eine Zeichenkette sein"},
    {"1: Nachricht 99 passt zu keinem Modell im Definitionsblock.", "2: Definitionsblock nicht gefunden (SF)",
     "3: warning: wegen des vorigen Fehlers wird die Analyse ab dieser Zeile fortgesetzt (1 Zeilen übersprungen)",
     "3: Definitionsblock nicht gefunden (CS)"},
    "Datei „",
};

const Expected french = {
    {"3:3: tcf.id_length doit être compris entre 0 et 9, et non 12.", "7:3: tcf.comment doit être une chaîne"},
    {"1: le message 99 ne correspond à aucun modèle du bloc de définition.", "2: bloc de définition introuvable (SF)",
     "3: warning: suite à l'erreur précédente, l'analyse reprend à cette ligne (1 lignes ignorées)",
     "3: bloc de définition introuvable (CS)"},
    "Impossible d'ouvrir le fichier « ",
};

class Translation : public ::testing::Test {
protected:
    int argc = 1;
    char name[16] = "test";
    char* argv[2] = {name, nullptr};
    QCoreApplication application{argc, argv};
};

TEST_F(Translation, ConfigurationAndReaderErrorsComeInTheLocalesLanguage)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.tdf"));
    const struct {
        const char* locale;
        const Expected& expected;
    } rows[] = {
        {"de_DE", german}, {"fr_FR", french}, {"fr_CA", french}, {"ja_JP", english}, {"C", english},
    };
    // In this order: each row replaces the translator of the row before.
    for (const auto& [locale, expected] : rows) {
        SCOPED_TRACE(locale);
        EXPECT_EQ(installStackSizeViewTranslator(QLocale(QString::fromLatin1(locale))), &expected != &english);
        ReportRecorder recorder;
        loadTCF(badConfiguration);
        EXPECT_EQ(recorder.messages(), expected.configuration);
        Trace trace;
        trace.begin(standardTrace);
        EXPECT_EQ(trace.read(badTrace), expected.trace);
        EXPECT_FALSE(trace.reader.readFile(missing));
        const Texts reports = trace.reports.take();
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].rfind("0: " + expected.missingFile + missing.toStdString(), 0), 0u) << reports[0];
    }
}

// Every row of the reader's table is found in the translations under the
// context it is looked up with.
TEST_F(Translation, EveryReaderReportIsTranslated)
{
    std::vector<QString> originals;
    for (int report = 0; report < int(TDFReport::Count); ++report)
        originals.push_back(TDFReports::text(TDFReport(report)));
    for (const char* locale : {"de_DE", "fr_FR"}) {
        ASSERT_TRUE(installStackSizeViewTranslator(QLocale(QString::fromLatin1(locale)))) << locale;
        for (int report = 0; report < int(TDFReport::Count); ++report)
            EXPECT_NE(TDFReports::text(TDFReport(report)), originals[report])
                << locale << ": " << originals[report].toStdString();
    }
}

TEST(TranslationWithoutApplication, InstallsNothing)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_FALSE(installStackSizeViewTranslator(QLocale(QStringLiteral("de_DE"))));
}

const QString config = QStringLiteral(SSV_SOURCE_DIR "/examples/config/sequence.qares");
const QString traces = QStringLiteral(SSV_SOURCE_DIR "/examples/traces/");

ProgramRun tracetool(const char* locale, const QStringList& arguments)
{
    ProgramStart start;
    start.locale = QString::fromLatin1(locale);
    return runProgram(SSV_TRACETOOL, arguments, start);
}

// tracetool in the system locale: usage errors, the reader's reports and
// their count, and an error of the renderer after its application replaced
// tracetool's.
TEST(TracetoolTranslation, MessagesComeInTheSystemLocalesLanguage)
{
    const QString mistakes = traces + "mistakes.tdf";
    const QString unwritable = QStringLiteral("/nonexistent/dir/out.svg");
    struct Case {
        const char* locale;
        QStringList arguments;
        int status;
        QString err;  // all of standard error, or its start when it ends in "..."
    };
    const Case cases[] = {
        {"de_DE.UTF-8",
         {"check"},
         2,
         "tracetool: keine Konfigurationsdatei angegeben\n„tracetool check --help“ gibt weitere Informationen.\n"},
        {"fr_FR.UTF-8",
         {"check"},
         2,
         "tracetool: aucun fichier de configuration indiqué\n"
         "Saisissez « tracetool check --help » pour plus d'informations.\n"},
        {"ja_JP.UTF-8", {"check"}, 2, "tracetool: no configuration file given\nTry 'tracetool check --help'.\n"},
        {"de_DE.UTF-8",
         {"frobnicate"},
         2,
         "tracetool: unbekannter Befehl „frobnicate“\n„tracetool --help“ gibt weitere Informationen.\n"},
        {"fr_FR.UTF-8",
         {"render", "-o", "out.gif", config, traces + "rtos.tdf"},
         2,
         "tracetool: le fichier de sortie doit se terminer par .svg ou .png : « out.gif »\n"
         "Saisissez « tracetool render --help » pour plus d'informations.\n"},
        {"de_DE.UTF-8",
         {"check", config, mistakes},
         1,
         mistakes + ":2: Fehler: kein Definitionsblock beim Lesen der Nachricht\n..."},
        {"fr_FR.UTF-8",
         {"check", config, mistakes},
         1,
         mistakes + ":2: erreur : aucun bloc de définition lors de la lecture du message\n..."},
        {"de_DE.UTF-8",
         {"render", "-o", unwritable, config, traces + "rtos.tdf"},
         2,
         "tracetool: „" + unwritable + "“ kann nicht geschrieben werden: ..."},
        {"fr_FR.UTF-8",
         {"render", "-o", unwritable, config, traces + "rtos.tdf"},
         2,
         "tracetool: impossible d'écrire « " + unwritable + " » : ..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + ' ' + c.arguments.join(u' ').toStdString());
        const ProgramRun run = tracetool(c.locale, c.arguments);
        EXPECT_EQ(run.status, c.status);
        if (c.err.endsWith(QLatin1String("...")))
            EXPECT_TRUE(run.err.startsWith(c.err.chopped(3))) << run.err.toStdString();
        else
            EXPECT_EQ(run.err, c.err);
    }
}

// The last line of check counts in the language's plural forms: French
// puts zero in the singular.
TEST(TracetoolTranslation, CheckCountsInTheLanguagesPluralForms)
{
    const QString rtos = traces + "rtos.tdf", mistakes = traces + "mistakes.tdf";
    struct Case {
        const char* locale;
        QString trace;
        QString counts;  // the last line of standard error
    };
    const Case cases[] = {
        {"de_DE.UTF-8", rtos, "0 Fehler, 0 Warnungen"},     {"de_DE.UTF-8", mistakes, "13 Fehler, 1 Warnung"},
        {"fr_FR.UTF-8", rtos, "0 erreur, 0 avertissement"}, {"fr_FR.UTF-8", mistakes, "13 erreurs, 1 avertissement"},
        {"ja_JP.UTF-8", rtos, "0 errors, 0 warnings"},      {"ja_JP.UTF-8", mistakes, "13 errors, 1 warning"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + ' ' + c.trace.toStdString());
        const ProgramRun run = tracetool(c.locale, {"check", config, c.trace});
        EXPECT_TRUE(run.err.endsWith(c.counts + u'\n')) << run.err.toStdString();
    }
}

}  // namespace
