#include "tools/tracetool/traceinput.h"

#include "foundation/error.h"
#include "host/qafileutil.h"
#include "host/qares.h"
#include "tools/common/command.h"
#include "tools/common/output.h"
#include "tools/common/outputfile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <iostream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Traces this large show how far their reading is, when stderr is a terminal.
const qint64 progressThreshold = 8 << 20;

// Prints "tracetool: reading FILE: NN%" over itself on a terminal.
std::function<void(long long)> progressOf(const QString& fileName)
{
    const qint64 size = QFileInfo(fileName).size();
    if (size < progressThreshold || !isatty(STDERR_FILENO))
        return nullptr;
    return [fileName, size](long long bytesRead) {
        std::cerr << "\rtracetool: "
                  << QCoreApplication::translate("tracetool", "reading %1: %2%", "%1 is a file name, %2 a percentage")
                         .arg(fileName, QString::number(bytesRead * 100 / size))
                  << std::flush;
    };
}

}  // namespace

void printReport(Error::Severity severity, const QString& message, const QString& fileName, int line, int column)
{
    if (!fileName.isNull())
        std::cerr << fileName << ':';
    if (line)
        std::cerr << line << ':';
    if (column)
        std::cerr << column << ':';
    std::cerr << (fileName.isNull() && !line ? "" : " ") << reportText(severity, message) << '\n';
}

bool isReadable(const QString& fileName)
{
    // By the file name's own bytes, which QFileInfo would not keep when
    // they are not UTF-8.
    const QByteArray path = QAFileUtil::encodeName(fileName);
    struct stat status;
    const bool exists = ::stat(path.constData(), &status) == 0;
    if (exists && !S_ISDIR(status.st_mode) && ::access(path.constData(), R_OK) == 0)
        return true;
    printError(QCoreApplication::translate("tracetool", "cannot read '%1': %2", "%1 is a file name, %2 the reason")
                   .arg(fileName,
                        exists ? QCoreApplication::translate("tracetool", "not a readable file")
                               : QCoreApplication::translate("tracetool", "no such file")));
    return false;
}

TraceInput::TraceInput() : errorsBefore_(Error::error_count_), warningsBefore_(Error::warn_count_)
{
    Error::setHandler(printReport);
}

namespace {

// A reader left to the end of the process, with the configurations it
// refers to.  Chained from a global, so that a leak checker finds them.
struct KeptReader {
    std::unique_ptr<TCFList> configurations;
    std::unique_ptr<TDF> reader;
    KeptReader* next;
};
KeptReader* keptReaders = nullptr;

}  // namespace

// A command's reader lasts until the process ends, which gives its memory
// back at once: destroying millions of trace objects one by one would
// only make the user wait.
TraceInput::~TraceInput()
{
    keptReaders = new KeptReader{std::move(configurations_), std::move(reader_), keptReaders};
    Error::setHandler(nullptr);
}

int TraceInput::errors() const
{
    return Error::error_count_ - errorsBefore_ + syntaxErrors_;
}

int TraceInput::warnings() const
{
    return Error::warn_count_ - warningsBefore_;
}

int TraceInput::read(const QString& configuration, const QStringList& traces)
{
    int status = loadConfiguration(configuration);
    for (const QString& trace : traces) {
        if (status == ExitTrouble)
            break;
        status = std::max(status, readTrace(trace));
    }
    return status == ExitTrouble || errors() == 0 ? status : std::max(status, int(ExitInputErrors));
}

int TraceInput::read(const QCommandLineParser& parser)
{
    int status = ExitOk;
    if (!traceArguments(parser, &status))
        return status;
    QStringList arguments = parser.positionalArguments();
    const QString configuration = arguments.takeFirst();
    return read(configuration, arguments);
}

int TraceInput::loadConfiguration(const QString& fileName)
{
    configurations_ = std::make_unique<TCFList>();
    reader_ = std::make_unique<TDF>(configurations_.get());
    std::unique_ptr<QARes> root;
    if (const int status = readResourceFile(fileName, &root); status != ExitOk) {
        syntaxErrors_ += status == ExitInputErrors;
        return status;
    }
    if (TCFList* loaded = readTCFFromResources(root.get())) {
        configurations_.reset(loaded);
        reader_ = std::make_unique<TDF>(configurations_.get());
    }
    return ExitOk;
}

int TraceInput::readTrace(const QString& fileName)
{
    if (!isReadable(fileName))
        return ExitTrouble;
    const std::function<void(long long)> progress = progressOf(fileName);
    const bool read = reader_->readFile(fileName, progress);
    if (progress)
        std::cerr << "\r\x1b[K" << std::flush;
    return read ? ExitOk : ExitTrouble;
}

QString reportText(Error::Severity severity, const QString& message)
{
    QString text = message;
    while (text.endsWith(u'\n'))
        text.chop(1);
    return severity == Error::ErrorSeverity
        ? QCoreApplication::translate("tracetool", "error: %1", "a reported error; %1 is its message").arg(text)
        : QCoreApplication::translate("tracetool", "warning: %1", "a reported warning; %1 is its message").arg(text);
}

bool traceArguments(const QCommandLineParser& parser, int* status)
{
    const qsizetype count = parser.positionalArguments().size();
    if (count >= 2)
        return true;
    *status = usageError(count == 0 ? QCoreApplication::translate("tracetool", "no configuration file given")
                                    : QCoreApplication::translate("tracetool", "no trace file given"));
    return false;
}

int readResourceFile(const QString& fileName, std::unique_ptr<QARes>* root)
{
    QByteArray text;
    QString error;
    if (!isReadable(fileName))
        return ExitTrouble;
    if (!QAFileUtil::readFile(fileName, QAResMaxTextSize, &text, &error)) {
        printError(error);
        return ExitTrouble;
    }
    root->reset(readResourceText(text, fileName, &error));
    if (!error.isEmpty()) {
        std::cerr << error << '\n';
        return ExitInputErrors;
    }
    return ExitOk;
}

QCommandLineOption timeFormatOption()
{
    return QCommandLineOption(QStringList{QStringLiteral("t"), QStringLiteral("time-format")},
                              QStringLiteral("show times in FORMAT: %H %M %s %m %u %n %p are hours to\n"
                                             "picoseconds, a zero field is hidden unless written %0H...;\n"
                                             "%v is the raw time (e.g. \"%ss %mms %uus\")"),
                              QStringLiteral("FORMAT"));
}

QCommandLineOption fromOption()
{
    return QCommandLineOption(QStringLiteral("from"), QStringLiteral("start at event N (default 0, the first)"),
                              QStringLiteral("N"));
}

QCommandLineOption countOption()
{
    return QCommandLineOption(QStringLiteral("count"), QStringLiteral("take N events (default: all that follow)"),
                              QStringLiteral("N"));
}

bool wholeNumberArgument(const QCommandLineParser& parser, const QCommandLineOption& option, int least, int* value,
                         int* status)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const QString text = parser.value(option);
    const qulonglong number = text.toULongLong(&ok, 10);
    if (ok && !text.startsWith(u'+') && number >= qulonglong(least)) {
        *value = int(std::min<qulonglong>(number, INT_MAX));
        return true;
    }
    *status = usageError(QCoreApplication::translate("tracetool", "--%1 takes a whole number from %2 up, not '%3'",
                                                     "%1 is an option's name, %2 the least value, %3 the value given")
                             .arg(option.names().front())
                             .arg(least)
                             .arg(text));
    return false;
}

bool windowArguments(const QCommandLineParser& parser, int* from, int* count, int* status)
{
    return wholeNumberArgument(parser, fromOption(), 0, from, status)
        && wholeNumberArgument(parser, countOption(), 1, count, status);
}

bool windowStartsInTrace(const TDF& reader, const QCommandLineParser& parser, int from, int* status)
{
    if (from == 0 || from < reader.objects.count)
        return true;
    *status =
        usageError(QCoreApplication::translate("tracetool", "--from %1 is past the last event: the trace has %2 events")
                       .arg(parser.value(fromOption()))
                       .arg(reader.objects.count));
    return false;
}

QCommandLineOption outputOption()
{
    return QCommandLineOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("write to FILE ('-': standard output, the default)"),
                              QStringLiteral("FILE"));
}

bool outputArgument(const QCommandLineParser& parser, int* status)
{
    if (!parser.isSet(outputOption()) || !parser.value(outputOption()).isEmpty())
        return true;
    *status = usageError(QCoreApplication::translate("tracetool", "an empty output file name"));
    return false;
}

int writeOutput(const QCommandLineParser& parser, const std::function<void(std::ostream&)>& write, int status)
{
    const QString output = parser.value(outputOption());
    if (!output.isEmpty() && output != QLatin1String("-"))
        return writeWholeFile(output, write, status);
    if (!isatty(STDOUT_FILENO)) {
        write(std::cout);
        return status;
    }
    // A terminal would obey the control characters of the texts.
    std::ostringstream text;
    write(text);
    writeVerbatim(std::cout, escapeForTerminal(QAFileUtil::decodeName(QByteArray::fromStdString(text.str()))));
    return status;
}
