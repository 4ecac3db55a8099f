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

// A raw byte 0x80 to 0x9F of a name that is not UTF-8: a lone low surrogate
// of QAFileUtil::decodeName's escape range.
bool isRawControlByte(const QString& text, qsizetype index)
{
    const char16_t unit = text[index].unicode();
    return unit >= 0xDC80 && unit <= 0xDC9F && (index == 0 || !text[index - 1].isHighSurrogate());
}

QString escape(char16_t control)
{
    static const char named[] = {'0', 0, 0, 0, 0, 0, 0, 'a', 'b', 't', 'n', 'v', 'f', 'r'};
    if (control < sizeof named && named[control])
        return QStringLiteral("\\") + QLatin1Char(named[control]);
    if (control == 0x1B)
        return QStringLiteral("\\e");
    return QStringLiteral("\\x%1").arg(unsigned(control), 2, 16, QLatin1Char('0'));
}

// `text` escaped, with its line feeds and tabs kept when `keepLines`.
QString escaped(const QString& text, bool keepLines)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar c = text[index];
        if (keepLines && (c == u'\n' || c == u'\t'))
            out += c;
        else if (c.category() == QChar::Other_Control)
            out += escape(c.unicode());
        else if (isRawControlByte(text, index))
            out += escape(c.unicode() - 0xDC00);
        else
            out += c;
    }
    return out;
}

}  // namespace

QString escapeControls(const QString& text)
{
    return escaped(text, false);
}

QString escapeForTerminal(const QString& text)
{
    return escaped(text, true);
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
