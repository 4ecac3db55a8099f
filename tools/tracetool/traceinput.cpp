#include "tools/tracetool/traceinput.h"

#include "foundation/error.h"
#include "host/qafileutil.h"
#include "host/qares.h"
#include "tools/common/command.h"
#include "tools/common/output.h"

#include <QFileInfo>
#include <fstream>

#include <iostream>
#include <unistd.h>

namespace {

// Traces this large show how far their reading is, when stderr is a terminal.
const qint64 progressThreshold = 8 << 20;

void printReport(Error::Severity severity, const QString& message, const QString& fileName, int line, int column)
{
    QString text = message;
    while (text.endsWith(u'\n'))
        text.chop(1);
    if (!fileName.isNull())
        std::cerr << fileName << ':';
    if (line)
        std::cerr << line << ':';
    if (column)
        std::cerr << column << ':';
    std::cerr << (fileName.isNull() && !line ? "" : " ") << (severity == Error::ErrorSeverity ? "error: " : "warning: ")
              << text << '\n';
}

// Prints "tracetool: reading FILE: NN%" over itself on a terminal.
std::function<void(long long)> progressOf(const QString& fileName)
{
    const qint64 size = QFileInfo(fileName).size();
    if (size < progressThreshold || !isatty(STDERR_FILENO))
        return nullptr;
    return [fileName, size](long long bytesRead) {
        std::cerr << "\rtracetool: reading " << fileName << ": " << bytesRead * 100 / size << "%" << std::flush;
    };
}

}  // namespace

TraceInput::TraceInput() : errorsBefore_(Error::error_count_), warningsBefore_(Error::warn_count_)
{
    Error::setHandler(printReport);
}

TraceInput::~TraceInput()
{
    reader_.reset();
    Error::setHandler(nullptr);
}

int TraceInput::errors() const
{
    return Error::error_count_ - errorsBefore_;
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

int TraceInput::loadConfiguration(const QString& fileName)
{
    configurations_ = std::make_unique<TCFList>();
    reader_ = std::make_unique<TDF>(configurations_.get());
    QByteArray text;
    QString error;
    if (!QAFileUtil::readFile(fileName, QAResMaxTextSize, &text, &error)) {
        printError(error);
        return ExitTrouble;
    }
    std::unique_ptr<QARes> root(readResourceText(text, fileName, &error));
    if (!error.isEmpty()) {
        std::cerr << error << '\n';
        return ExitInputErrors;
    }
    if (TCFList* loaded = readTCFFromResources(root.get())) {
        configurations_.reset(loaded);
        reader_ = std::make_unique<TDF>(configurations_.get());
    }
    return ExitOk;
}

int TraceInput::readTrace(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile() || !info.isReadable()) {
        printError(
            QStringLiteral("cannot read '%1': %2")
                .arg(fileName, info.exists() ? QStringLiteral("not a readable file") : QStringLiteral("no such file")));
        return ExitTrouble;
    }
    const std::function<void(long long)> progress = progressOf(fileName);
    const bool read = reader_->readFile(fileName, progress);
    if (progress)
        std::cerr << "\r\x1b[K" << std::flush;
    return read ? ExitOk : ExitTrouble;
}

bool traceArguments(const QCommandLineParser& parser, QString* configuration, QStringList* traces, int* status)
{
    QStringList arguments = parser.positionalArguments();
    if (arguments.size() < 2) {
        *status = usageError(arguments.isEmpty() ? QStringLiteral("no configuration file given")
                                                 : QStringLiteral("no trace file given"));
        return false;
    }
    *configuration = arguments.takeFirst();
    *traces = arguments;
    return true;
}

QCommandLineOption timeFormatOption()
{
    return QCommandLineOption(QStringList{QStringLiteral("t"), QStringLiteral("time-format")},
                              QStringLiteral("show times in FORMAT: %H %M %s %m %u %n %p are hours to\n"
                                             "picoseconds, a zero field is hidden unless written %0H...;\n"
                                             "%v is the raw time (e.g. \"%ss %mms %uus\")"),
                              QStringLiteral("FORMAT"));
}

QCommandLineOption outputOption()
{
    return QCommandLineOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("write to FILE instead of standard output"), QStringLiteral("FILE"));
}

bool outputArgument(const QCommandLineParser& parser, int* status)
{
    if (!parser.isSet(outputOption()) || !parser.value(outputOption()).isEmpty())
        return true;
    *status = usageError(QStringLiteral("an empty output file name"));
    return false;
}

int writeOutput(const QCommandLineParser& parser, const std::function<void(std::ostream&)>& write, int status)
{
    const QString output = parser.value(outputOption());
    if (output.isEmpty()) {
        write(std::cout);
        return status;
    }
    std::ofstream file(QAFileUtil::encodeName(output).toStdString(), std::ios::binary);
    if (file)
        write(file);
    file.close();
    if (!file) {
        printError(QStringLiteral("cannot write '%1'").arg(output));
        return ExitTrouble;
    }
    return status;
}
