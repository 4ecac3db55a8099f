// Helpers shared by the trace configuration tests.
#pragma once

#include "foundation/error.h"
#include "host/qares.h"
#include "tcf/tcf.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

struct Report {
    Error::Severity severity;
    QString message;
    QString fileName;
    int line;
    int column;
};

// Records every report of Error while alive.
class ReportRecorder {
public:
    ReportRecorder()
    {
        reports().clear();
        Error::setHandler(record);
    }
    ~ReportRecorder() { Error::setHandler(nullptr); }
    ReportRecorder(const ReportRecorder&) = delete;
    ReportRecorder& operator=(const ReportRecorder&) = delete;

    const std::vector<Report>& all() const { return reports(); }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> texts;
        for (const Report& report : reports())
            texts.push_back(report.message.toStdString());
        return texts;
    }

private:
    static std::vector<Report>& reports()
    {
        static std::vector<Report> recorded;
        return recorded;
    }
    static void record(Error::Severity severity, const QString& message, const QString& fileName, int line,
                       int column)
    {
        reports().push_back({severity, message, fileName, line, column});
    }
};

// Checks that exactly one error was reported, with this message, in
// "test.qares" at this line and column.
inline void expectOneError(const ReportRecorder& recorder, const std::string& message, int line, int column)
{
    ASSERT_EQ(recorder.all().size(), 1u) << ::testing::PrintToString(recorder.messages());
    const Report& report = recorder.all().front();
    EXPECT_EQ(report.severity, Error::ErrorSeverity);
    EXPECT_EQ(report.message.toStdString(), message);
    EXPECT_EQ(report.fileName.toStdString(), "test.qares");
    EXPECT_EQ(report.line, line);
    EXPECT_EQ(report.column, column);
}

// Parses resource text as the file "test.qares"; a syntax error fails the test.
inline std::unique_ptr<QARes> parseResources(const std::string& text)
{
    QString error;
    std::unique_ptr<QARes> root(
        readResourceText(QByteArray::fromStdString(text), QStringLiteral("test.qares"), &error));
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return root;
}

inline std::unique_ptr<TCFList> loadTCF(const std::string& text, StyleFactory factory = nullptr)
{
    std::unique_ptr<QARes> root = parseResources(text);
    return std::unique_ptr<TCFList>(readTCFFromResources(root.get(), factory));
}
