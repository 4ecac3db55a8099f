#include "host/qafileutil.h"

#include <QFile>
#include <QSaveFile>

// Copies through a temporary file renamed over the destination at the end:
// this also makes copying a file onto itself harmless.
bool QAFileUtil::copyFile(const QString& source, const QString& destination)
{
    QFile input(source);
    if (source.isEmpty() || !input.open(QIODevice::ReadOnly))
        return false;
    QSaveFile output(destination);
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
