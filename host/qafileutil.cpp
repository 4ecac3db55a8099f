#include "host/qafileutil.h"

#include <QFile>
#include <QSaveFile>

// Copies through a temporary file renamed over the destination at the end:
// this also makes copying a file onto itself harmless.  Where no temporary
// file can be made (a read-only directory), a writable destination is
// overwritten in place.
bool QAFileUtil::copyFile(const QString& source, const QString& destination)
{
    QFile input(source);
    if (source.isEmpty() || !input.open(QIODevice::ReadOnly))
        return false;
    QSaveFile output(destination);
    output.setDirectWriteFallback(true);
    if (!output.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    qint64 count;
    while ((count = input.read(buffer, sizeof buffer)) > 0) {
        if (output.write(buffer, count) != count)
            return false;
    }
    return count == 0 && output.commit();
}
