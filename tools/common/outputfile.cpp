#include "tools/common/outputfile.h"

#include "host/qafileutil.h"
#include "tools/common/output.h"

#include <QCoreApplication>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <streambuf>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The folder and the name of a path.
QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray& path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// The permissions a new file gets: those of the file it replaces, or what
// the umask leaves of read and write for all.
mode_t newFileMode(bool replacing, const struct stat& replaced)
{
    if (replacing)
        return replaced.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

// A device that writes to a file descriptor and remembers the first write
// that failed: QFile takes a write cut short (past a file size limit) for
// a success.
class FileDescriptorDevice : public QIODevice {
public:
    explicit FileDescriptorDevice(int fd) : fd_(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

    bool failed() const { return failed_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 length) override
    {
        for (qint64 written = 0; written < length;) {
            const ssize_t count = ::write(fd_, data + written, size_t(length - written));
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0) {
                failed_ = true;
                setErrorString(systemReason(errno));
                return -1;
            }
            written += count;
        }
        return length;
    }

private:
    int fd_;
    bool failed_ = false;
};

namespace {

// A stream buffer that hands full blocks to a device.
class DeviceBuffer : public std::streambuf {
public:
    explicit DeviceBuffer(QIODevice& device) : device_(device) { setp(buffer_, buffer_ + sizeof buffer_); }

protected:
    int_type overflow(int_type c) override
    {
        if (!empty())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return empty() ? 0 : -1; }

private:
    QIODevice& device_;
    char buffer_[1 << 16];

    bool empty()
    {
        const qint64 count = pptr() - pbase();
        const bool written = count == 0 || device_.write(pbase(), count) == count;
        setp(buffer_, buffer_ + sizeof buffer_);
        return written;
    }
};

}  // namespace

OutputFile::OutputFile(const QString& fileName) : fileName_(fileName) {}

OutputFile::~OutputFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!temporary_.isEmpty())
        ::unlink(temporary_.constData());
}

bool OutputFile::fail(QString* reason, const QString& why)
{
    *reason = why;
    return false;
}

bool OutputFile::open(QString* reason)
{
    const QByteArray path = QAFileUtil::encodeName(fileName_);
    struct stat status;
    const bool exists = ::stat(path.constData(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode)) {
        fd_ = ::open(path.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    } else {
        char resolved[PATH_MAX];
        destination_ = exists && ::realpath(path.constData(), resolved) ? QByteArray(resolved) : path;
        temporary_ = folderOf(destination_) + "/." + nameOf(destination_) + ".XXXXXX";
        fd_ = ::mkostemp(temporary_.data(), O_CLOEXEC);
        if (fd_ < 0)
            temporary_.clear();
        else
            ::fchmod(fd_, newFileMode(exists, status));
    }
    if (fd_ < 0)
        return fail(reason, systemReason(errno));
    device_ = std::make_unique<FileDescriptorDevice>(fd_);
    return true;
}

QIODevice& OutputFile::device()
{
    return *device_;
}

QString OutputFile::deviceError() const
{
    return device_ && device_->failed() ? device_->errorString()
                                        : QCoreApplication::translate("Command line", "the output is incomplete");
}

bool OutputFile::commit(QString* reason)
{
    if (device_->failed())
        return fail(reason, device_->errorString());
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0)
        return fail(reason, systemReason(errno));
    if (!temporary_.isEmpty()) {
        if (::rename(temporary_.constData(), destination_.constData()) != 0)
            return fail(reason, systemReason(errno));
        temporary_.clear();
    }
    return true;
}

int writeWholeFile(const QString& fileName, const std::function<bool(QIODevice& device, QString* reason)>& write,
                   int status)
{
    OutputFile file(fileName);
    QString reason;
    if (file.open(&reason) && write(file.device(), &reason) && file.commit(&reason))
        return status;
    if (reason.isEmpty())
        reason = file.deviceError();
    printError(QCoreApplication::translate("Command line", "cannot write '%1': %2", "%1 is a file name, %2 the reason")
                   .arg(fileName, reason));
    return ExitTrouble;
}

int writeWholeFile(const QString& fileName, const std::function<void(std::ostream& out)>& write, int status)
{
    return writeWholeFile(
        fileName,
        [&write](QIODevice& device, QString*) {
            DeviceBuffer buffer(device);
            std::ostream out(&buffer);
            write(out);
            out.flush();
            return bool(out);
        },
        status);
}
