// The process-wide reporter of warnings and errors.
//
// Every report is counted.  With a handler installed the report goes to the
// handler; without one, one line is printed on std::cerr:
//   file:line:column:message     (pieces for a 0 line or column are left out)
//   warning:message / error:message   when there is no (null) file name
#pragma once

#include "stacksizeview_export.h"

#include <QString>

class STACKSIZEVIEW_EXPORT Error {
public:
    enum Severity { WarningSeverity = 0, ErrorSeverity = 1 };
    typedef void (*Handler)(Severity, const QString& message, const QString& fileName, int line, int column);

    static int error_count_;
    static int warn_count_;
    static Handler handler_;

    // A null handler restores printing.
    static void setHandler(Handler handler);
    // Zeroes both counters; the handler stays installed.
    static void reset();
    static void warning(const QString& message, const QString& fileName, int line, int column);
    static void error(const QString& message, const QString& fileName, int line, int column);

    Error() = delete;
};
