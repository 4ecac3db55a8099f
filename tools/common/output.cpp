#include "tools/common/output.h"

#include "host/qafileutil.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

QString programName;

QString escape(char16_t control)
{
    static const char named[] = {'0', 0, 0, 0, 0, 0, 0, 'a', 'b', 't', 'n', 'v', 'f', 'r'};
    if (control < sizeof named && named[control])
        return QStringLiteral("\\") + QLatin1Char(named[control]);
    if (control == 0x1B)
        return QStringLiteral("\\e");
    return QStringLiteral("\\x%1").arg(unsigned(control), 2, 16, QLatin1Char('0'));
}

}  // namespace

QString escapeControls(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            escaped += escape(c.unicode());
        else
            escaped += c;
    }
    return escaped;
}

std::ostream& operator<<(std::ostream& out, const QString& text)
{
    writeVerbatim(out, escapeControls(text));
    return out;
}

void writeVerbatim(std::ostream& out, const QString& text)
{
    const QByteArray bytes = QAFileUtil::encodeName(text);
    out.write(bytes.constData(), bytes.size());
}

void printError(const QString& message)
{
    std::cerr << programName << ": " << message << '\n';
}

void showOnlyQtErrors()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            printError(message);
    });
}

void setProgramName(const QString& name)
{
    programName = name;
}

int finishOutput(int status)
{
    std::cout.flush();
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout.good())
        return status;
    const int error = errno;  // before translating, which may change it
    printError(error ? QCoreApplication::translate("Command line", "cannot write to standard output: %1")
                           .arg(QString::fromLocal8Bit(std::strerror(error)))
                     : QCoreApplication::translate("Command line", "cannot write to standard output"));
    return std::max(status, int(ExitTrouble));
}
