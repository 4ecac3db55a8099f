#include "host/qafileutil.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

const char16_t firstEscapedByte = 0xDC80;

// The length of the valid UTF-8 sequence that starts at `position`; 0 when
// the byte there does not start one.
qsizetype validSequenceLength(const QByteArray& bytes, qsizetype position)
{
    const auto lead = static_cast<unsigned char>(bytes[position]);
    const qsizetype length = lead < 0x80 ? 1
        : lead < 0xC2                    ? 0
        : lead < 0xE0                    ? 2
        : lead < 0xF0                    ? 3
        : lead < 0xF5                    ? 4
                                         : 0;
    if (length == 0 || position + length > bytes.size())
        return 0;
    return QByteArrayView(bytes.constData() + position, length).isValidUtf8() ? length : 0;
}

// A code point that stands for a byte of a name that is not UTF-8: a low
// surrogate in the escape range without a high surrogate before it.
bool isEscapedByte(QStringView name, qsizetype index)
{
    const char16_t unit = name[index].unicode();
    return unit >= firstEscapedByte && unit <= 0xDCFF && (index == 0 || !name[index - 1].isHighSurrogate());
}

bool failWith(QString* error, const QString& fileName, const QString& problem)
{
    *error = QStringLiteral("%1: %2").arg(fileName, problem);
    return false;
}

QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

enum class ReadResult { Read, TooLarge, Failed };

// Reads from `fd` until the end, but no more than `maxSize` bytes.
ReadResult readAll(int fd, qint64 maxSize, QByteArray* contents)
{
    char buffer[64 * 1024];
    contents->clear();
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0)
            return ReadResult::Read;
        if (count < 0 && errno != EINTR)
            return ReadResult::Failed;
        if (count > 0 && contents->size() + count > maxSize)
            return ReadResult::TooLarge;
        if (count > 0)
            contents->append(buffer, count);
    }
}

// A regular file that is too large is refused before anything is read.
ReadResult readFd(int fd, qint64 maxSize, QByteArray* contents)
{
    struct stat status;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > maxSize)
        return ReadResult::TooLarge;
    return readAll(fd, maxSize, contents);
}

}  // namespace

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

// Linux stamps files from its coarse real-time clock.
QDateTime QAFileUtil::fileClock()
{
    timespec now;
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return QDateTime::fromMSecsSinceEpoch(qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000);
}

bool QAFileUtil::writtenSince(const QString& fileName, const QDateTime& stamp)
{
    const QFileInfo info(fileName);
    return info.exists() && info.lastModified() >= stamp;
}

bool QAFileUtil::readFile(const QString& fileName, qint64 maxSize, QByteArray* contents, QString* error)
{
    const int fd = ::open(encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return failWith(error, fileName, systemError("cannot open"));
    const ReadResult result = readFd(fd, maxSize, contents);
    const QString problem = result == ReadResult::Failed ? systemError("cannot read")
        : result == ReadResult::TooLarge                 ? QStringLiteral("too large: more than %1 bytes").arg(maxSize)
                                                         : QString();
    ::close(fd);
    return problem.isNull() || failWith(error, fileName, problem);
}

QString QAFileUtil::decodeName(const QByteArray& bytes)
{
    if (QByteArrayView(bytes).isValidUtf8())
        return QString::fromUtf8(bytes);
    QString name;
    for (qsizetype position = 0; position < bytes.size();) {
        const qsizetype length = validSequenceLength(bytes, position);
        if (length > 0)
            name += QString::fromUtf8(bytes.constData() + position, length);
        else
            name += QChar(char16_t(firstEscapedByte - 0x80 + static_cast<unsigned char>(bytes[position])));
        position += length > 0 ? length : 1;
    }
    return name;
}

QByteArray QAFileUtil::encodeName(const QString& name)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype index = 0; index < name.size(); ++index) {
        if (!isEscapedByte(name, index))
            continue;
        bytes += QStringView(name).mid(runStart, index - runStart).toUtf8();
        bytes += char(name[index].unicode() - firstEscapedByte + 0x80);
        runStart = index + 1;
    }
    return bytes + QStringView(name).mid(runStart).toUtf8();
}
