#include "foundation/error.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <vector>

namespace {

// Captures what the reporter prints on std::cerr for the test's duration.
class ErrorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Error::setHandler(nullptr);
        Error::reset();
        saved_ = std::cerr.rdbuf(captured_.rdbuf());
    }
    void TearDown() override
    {
        std::cerr.rdbuf(saved_);
        Error::setHandler(nullptr);
        Error::reset();
    }
    std::string printed()
    {
        std::string text = captured_.str();
        captured_.str("");
        return text;
    }

private:
    std::ostringstream captured_;
    std::streambuf* saved_ = nullptr;
};

struct Report {
    Error::Severity severity;
    QString message, fileName;
    int line, column;
};
std::vector<Report> handled;
void recordingHandler(Error::Severity severity, const QString& message, const QString& fileName, int line, int column)
{
    handled.push_back({severity, message, fileName, line, column});
}

TEST_F(ErrorTest, PrintsEveryCombinationOfFileLineAndColumn)
{
    struct Case {
        QString fileName;
        int line, column;
        const char* warning;
        const char* error;
    };
    const Case cases[] = {
        {QString(), 0, 0, "warning:M\n", "error:M\n"},
        {QString(), 12, 0, "warning:12:M\n", "error:12:M\n"},
        {QString(), 0, 4, "warning:4:M\n", "error:4:M\n"},
        {QString(), 3, 7, "warning:3:7:M\n", "error:3:7:M\n"},
        {QString(""), 0, 0, ":M\n", ":M\n"},
        {QString(""), 12, 0, ":12:M\n", ":12:M\n"},
        {QString(""), 0, 4, ":4:M\n", ":4:M\n"},
        {QString(""), 3, 7, ":3:7:M\n", ":3:7:M\n"},
        {"a.tcf", 0, 0, "a.tcf:M\n", "a.tcf:M\n"},
        {"a.tcf", 12, 0, "a.tcf:12:M\n", "a.tcf:12:M\n"},
        {"f", 0, 4, "f:4:M\n", "f:4:M\n"},
        {"a.tcf", 3, 7, "a.tcf:3:7:M\n", "a.tcf:3:7:M\n"},
    };
    for (const Case& c : cases) {
        Error::warning("M", c.fileName, c.line, c.column);
        EXPECT_EQ(printed(), c.warning);
        Error::error("M", c.fileName, c.line, c.column);
        EXPECT_EQ(printed(), c.error);
    }
    EXPECT_EQ(Error::warn_count_, 12);
    EXPECT_EQ(Error::error_count_, 12);
}

TEST_F(ErrorTest, PrintsNonAsciiNamesAndMessagesInTheLocalEncoding)
{
    const QString name = QString::fromUtf8("größe.tcf");
    const QString message = QString::fromUtf8("Größe unbekannt");
    Error::error(message, name, 2, 0);
    EXPECT_EQ(printed(),
              std::string(name.toLocal8Bit().constData()) + ":2:" + message.toLocal8Bit().constData() + "\n");
    Error::warning(QString(), "x", 1, 1);
    EXPECT_EQ(printed(), "x:1:1:\n") << "a null message prints as empty text";
}

TEST_F(ErrorTest, HandlerReceivesReportsInsteadOfThePrintAndCountersStillGrow)
{
    handled.clear();
    Error::setHandler(recordingHandler);
    Error::warning("w", "a.tcf", 3, 7);
    Error::error("e", QString(), 0, 0);
    Error::error("e2", "b", 1, 0);
    EXPECT_EQ(printed(), "");
    ASSERT_EQ(handled.size(), 3u);
    EXPECT_EQ(handled[0].severity, Error::WarningSeverity);
    EXPECT_EQ(handled[0].message, QString("w"));
    EXPECT_EQ(handled[0].fileName, QString("a.tcf"));
    EXPECT_EQ(handled[0].line, 3);
    EXPECT_EQ(handled[0].column, 7);
    EXPECT_EQ(handled[1].severity, Error::ErrorSeverity);
    EXPECT_TRUE(handled[1].fileName.isNull());
    EXPECT_EQ(Error::error_count_, 2);
    EXPECT_EQ(Error::warn_count_, 1);

    Error::reset();
    EXPECT_EQ(Error::error_count_, 0);
    EXPECT_EQ(Error::warn_count_, 0);
    Error::warning("after reset", QString(), 0, 0);
    EXPECT_EQ(handled.size(), 4u) << "reset keeps the handler";

    Error::setHandler(nullptr);
    Error::error("printed", QString(), 0, 0);
    EXPECT_EQ(printed(), "error:printed\n");
    EXPECT_EQ(handled.size(), 4u);
}

}  // namespace
