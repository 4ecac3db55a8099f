// Output files written whole or not at all.  What a command writes goes to
// a temporary file in the destination's folder, renamed over the
// destination once it is complete, so that a write that fails (a full disk,
// a file size limit) leaves an earlier file as it was and no half file.  A
// destination that is not a regular file (a device, a pipe) is written
// directly.  Every output file of every command goes through here.
#pragma once

#include <QIODevice>
#include <QString>

#include <functional>
#include <memory>
#include <ostream>

class FileDescriptorDevice;

class OutputFile {
public:
    explicit OutputFile(const QString& fileName);
    ~OutputFile();  // removes the temporary file unless committed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False with *reason, the system's, when the file cannot be made.
    bool open(QString* reason);
    // Where to write, once open.
    QIODevice& device();
    // Why the device failed, or that nothing was written.
    QString deviceError() const;
    // Puts the complete file in place; false with *reason when anything
    // written failed, or the file cannot be completed or renamed.
    bool commit(QString* reason);

private:
    QString fileName_;
    QByteArray destination_;  // the file renamed over, symbolic links resolved
    QByteArray temporary_;    // empty when written directly
    int fd_ = -1;
    std::unique_ptr<FileDescriptorDevice> device_;

    bool fail(QString* reason, const QString& why);
};

// Writes the file `fileName` whole: `write` fills the device and returns
// false with *reason set (or empty for the device's own) when it fails.
// Returns `status`, or ExitTrouble after saying "cannot write 'FILE':
// REASON" when the file cannot be written.
int writeWholeFile(const QString& fileName, const std::function<bool(QIODevice& device, QString* reason)>& write,
                   int status);

// The same for text that `write` puts on a stream.
int writeWholeFile(const QString& fileName, const std::function<void(std::ostream& out)>& write, int status);
