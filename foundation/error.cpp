#include "foundation/error.h"

#include <iostream>

int Error::error_count_ = 0;
int Error::warn_count_ = 0;
Error::Handler Error::handler_ = nullptr;

void Error::setHandler(Handler handler)
{
    handler_ = handler;
}

void Error::reset()
{
    error_count_ = 0;
    warn_count_ = 0;
}

static void report(Error::Severity severity, const char* word, const QString& message, const QString& fileName,
                   int line, int column)
{
    if (Error::handler_) {
        Error::handler_(severity, message, fileName, line, column);
        return;
    }
    // The file name goes out in the local 8-bit encoding like the message, so
    // that non-ASCII names print as the user typed them.
    if (fileName.isNull())
        std::cerr << word;
    else
        std::cerr << fileName.toLocal8Bit().constData() << ':';
    if (line != 0)
        std::cerr << line << ':';
    if (column != 0)
        std::cerr << column << ':';
    std::cerr << message.toLocal8Bit().constData() << '\n';
}

void Error::warning(const QString& message, const QString& fileName, int line, int column)
{
    ++warn_count_;
    report(WarningSeverity, "warning:", message, fileName, line, column);
}

void Error::error(const QString& message, const QString& fileName, int line, int column)
{
    ++error_count_;
    report(ErrorSeverity, "error:", message, fileName, line, column);
}
