#include "fake_host.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The plug-in needs an application object: translation, message boxes,
// process notifications.  The tests run on the offscreen platform.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { application_ = new QApplication(argumentCount_, arguments_); }
    void TearDown() override { delete application_; }

private:
    int argumentCount_ = 1;
    char name_[16] = "test_plugin";
    char* arguments_[2] = {name_, nullptr};
    QApplication* application_ = nullptr;
};

const ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace

const QByteArray recordingInterpreter = R"(#!/bin/sh
for word in "$@"; do printf '%s\n' "$word"; done > "$(dirname "$0")/args"
for word in "$@"; do
    case $word in -report=*) report=${word#-report=}; report=${report#\"}; report=${report%\"}
        echo "report of: $*" > "$report";;
    esac
done
)";

const QByteArray recordingOpener = R"(#!/bin/sh
printf '%s\n' "$@" > "$(dirname "$0")/opened"
)";

QString ScriptDirectory::writeScript(const QString& name, const QByteArray& text) const
{
    QFile file(path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return file.fileName();
}

QStringList ScriptDirectory::lines(const QString& name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool waitUntil(const std::function<bool()>& done, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}
