// Helpers shared by the trace configuration tests.
#pragma once

#include "foundation/error.h"
#include "host/qares.h"
#include "tcf/tcf.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using Texts = std::vector<std::string>;

// Records every report of Error while alive, as "<line>:<column>: <message>",
// with "<file>:" in front for a file other than "test.qares" and "warning: "
// before the message of a warning.
class ReportRecorder {
public:
    ReportRecorder()
    {
        reports_.clear();
        Error::setHandler(record);
    }
    ~ReportRecorder() { Error::setHandler(nullptr); }
    const Texts& messages() const { return reports_; }

private:
    static inline Texts reports_;
    static void record(Error::Severity severity, const QString& message, const QString& fileName, int line, int column)
    {
        reports_.push_back((fileName == QLatin1String("test.qares") ? "" : fileName.toStdString() + ':')
                           + std::to_string(line) + ':' + std::to_string(column) + ": "
                           + (severity == Error::ErrorSeverity ? "" : "warning: ") + message.toStdString());
    }
};

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

// The descriptions of the items of `list`, in order, between separators.
template <class T, class Describe>
inline std::string join(const List<T*>& list, const char* separator, Describe describe)
{
    std::string text;
    const char* between = "";
    for (const T* item : list) {
        text += between + describe(*item);
        between = separator;
    }
    return text;
}

// What a list holds, by name: "<tcf>(<styles>|<instance types>|<thread
// states>|<glyphs>)" for each configuration, in order.
inline std::string census(const TCFList& list)
{
    return join(list, "; ", [](const TCF& tcf) {
        const auto name = [](const auto& item) { return item.name.toStdString(); };
        return tcf.name().toStdString() + '('
            + join(tcf.styles, ",", [](const Style& style) { return style.name().toStdString(); }) + '|'
            + join(tcf.instanceTypes, ",", name) + '|' + join(tcf.threadStates, ",", name) + '|'
            + join(tcf.glyphs, ",", name) + ')';
    });
}

// The style id of every default-style slot, in slot order; 0 for an empty slot.
inline std::vector<int> slotIds(const TCF& tcf)
{
    std::vector<int> ids;
    for (int object = 0; object < TCF::objectCount; ++object) {
        const Style* style = tcf.defaultStyle(TCF::Object(object));
        ids.push_back(style ? style->id() : 0);
    }
    return ids;
}
