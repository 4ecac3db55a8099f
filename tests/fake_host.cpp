#include "fake_host.h"

#include <QApplication>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The plug-in needs an application object: translation, message boxes,
// process notifications.  The tests run on the offscreen platform.
struct ApplicationEnvironment : ::testing::Environment {
    void SetUp() override { application = std::make_unique<QApplication>(argumentCount, arguments); }
    void TearDown() override { application.reset(); }
    int argumentCount = 1;
    char name[12] = "test_plugin", *arguments[2] = {name, nullptr};
    std::unique_ptr<QApplication> application;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

QString writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size()) << path.toStdString();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QStringList fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
