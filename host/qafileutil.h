// File helpers of the workbench.
#pragma once

#include "hostsdk_export.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class HOSTSDK_EXPORT QAFileUtil {
public:
    // Copies `source` to `destination`, replacing an existing destination.
    // The destination is replaced only once the whole copy is written, so a
    // failed copy leaves it as it was.  Returns false when the source cannot
    // be read or the destination cannot be written.
    static bool copyFile(const QString& source, const QString& destination);

    // A stamp of the clock that file systems stamp files with: it can lag
    // the precise clock by a tick, so a file written after the stamp was
    // taken never looks older than the stamp.
    static QDateTime fileClock();
    // Whether `fileName` exists and was last written at or after `stamp`.
    static bool writtenSince(const QString& fileName, const QDateTime& stamp);

    // Reads the whole file `fileName` into *contents.  On failure returns
    // false and sets *error to "FILE: what went wrong": it cannot be opened,
    // a read fails (a directory, an I/O error) or it holds more than
    // `maxSize` bytes.
    static bool readFile(const QString& fileName, qint64 maxSize, QByteArray* contents, QString* error);

    // File names as bytes and as text.  UTF-8 is decoded; every byte that is
    // not part of valid UTF-8 becomes one of the code points U+DC80..U+DCFF,
    // which UTF-8 text never holds, and encodes back to the same byte.  So
    // any name the system gives survives the round trip and can be opened
    // and printed as it was given.
    static QString decodeName(const QByteArray& bytes);
    static QByteArray encodeName(const QString& name);
};
