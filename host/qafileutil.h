// File helpers of the workbench.
#pragma once

#include <QString>

class QAFileUtil {
public:
    // Copies `source` to `destination`, replacing an existing destination.
    // The destination is replaced only once the whole copy is written, so a
    // failed copy leaves it as it was.  Returns false when the source cannot
    // be read or the destination cannot be written.
    static bool copyFile(const QString& source, const QString& destination);
};
