#include "host/qafileutil.h"
#include "host/qares.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <memory>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// Writes `text` to the file named by the bytes `fileName`, whatever they are.
void writeBytes(const QByteArray& fileName, const QByteArray& text)
{
    const int fd = open(fileName.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0) << fileName.constData();
    EXPECT_EQ(write(fd, text.constData(), size_t(text.size())), text.size());
    close(fd);
}

void writeBytes(const QString& fileName, const QByteArray& text)
{
    writeBytes(QAFileUtil::encodeName(fileName), text);
}

struct Parsed {
    std::unique_ptr<QARes> root;
    QString error;
};

Parsed parse(const char* text)
{
    Parsed parsed;
    parsed.error = "untouched";
    parsed.root.reset(readResourceText(QByteArray(text), "conf.qares", &parsed.error));
    return parsed;
}

TEST(ResourceText, ReadsEveryValueKind)
{
    Parsed p = parse(R"(
        tcf {
            name = "Default"
            id_length = -12
            mask = 0x1F
            control_flow = NESTED
            shown = true
            hidden = false
            color = rgb(0, 128, 255)
            naming = ("L%1.%2", LOOP_ID, 7)
        }
    )");
    ASSERT_NE(p.root, nullptr) << p.error.toStdString();
    EXPECT_TRUE(p.error.isEmpty());
    QARes* first = p.root->toResGroup()->firstChild();
    EXPECT_EQ(first->search("name")->toResString()->value(), QString("Default"));
    EXPECT_EQ(first->search("id_length")->toResInt()->value(), -12);
    EXPECT_EQ(first->search("mask")->toResInt()->value(), 31);
    EXPECT_STREQ(first->search("control_flow")->toResIdentifier()->value(), "NESTED");
    EXPECT_TRUE(first->search("shown")->toResBoolean()->value());
    EXPECT_FALSE(first->search("hidden")->toResBoolean()->value());
    EXPECT_EQ(first->search("color")->toResRGB()->value(), RGBValue(0, 128, 255));
    QAResList* naming = first->search("naming")->toResList();
    ASSERT_NE(naming, nullptr);
    QARes* e = naming->firstElement();
    EXPECT_EQ(e->tag(), nullptr);
    EXPECT_EQ(e->toResString()->value(), QString("L%1.%2"));
    EXPECT_STREQ(e->next()->toResIdentifier()->value(), "LOOP_ID");
    EXPECT_EQ(e->next()->next()->toResInt()->value(), 7);
    EXPECT_EQ(e->next()->next()->next(), nullptr);
}

TEST(ResourceText, NestsGroupsAndListsAndChainsTopLevelResources)
{
    Parsed p = parse("a { b { c = 1 } l = ((1, 2), { x = \"y\" }, ()) } a = 2 other = rgb(1,2,3)");
    ASSERT_NE(p.root, nullptr) << p.error.toStdString();
    EXPECT_EQ(p.root->search("a.b.c")->toResInt()->value(), 1);
    QAResList* l = p.root->search("a.l")->toResList();
    ASSERT_NE(l, nullptr);
    QAResList* inner = l->firstElement()->toResList();
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->firstElement()->next()->toResInt()->value(), 2);
    QAResGroup* group = l->firstElement()->next()->toResGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->tag(), nullptr);
    EXPECT_EQ(group->firstChild()->toResString()->value(), QString("y"));
    EXPECT_EQ(l->firstElement()->next()->next()->toResList()->firstElement(), nullptr);
    ASSERT_NE(p.root->next(), nullptr);
    EXPECT_EQ(p.root->next()->toResInt()->value(), 2);
    EXPECT_TRUE(p.root->next()->next()->isTag("other"));
}

TEST(ResourceText, EscapesCommentsAndUtf8InStrings)
{
    Parsed p = parse("s = \"a\\\"b\\\\c\\nd\\te # not a comment\"  # comment\nu = \"größe\"\n");
    ASSERT_NE(p.root, nullptr) << p.error.toStdString();
    EXPECT_EQ(p.root->toResString()->value(), QString("a\"b\\c\nd\te # not a comment"));
    EXPECT_EQ(p.root->next()->toResString()->value(), QString::fromUtf8("größe"));

    Parsed empty = parse("e = \"\"");
    ASSERT_NE(empty.root, nullptr);
    EXPECT_TRUE(empty.root->toResString()->value().isEmpty());
    EXPECT_FALSE(empty.root->toResString()->value().isNull()) << "an empty string is set, not missing";
}

TEST(ResourceText, RecordsFileLineAndColumnOfEveryNode)
{
    Parsed p = parse("# header\ntcf {\n    name = \"x\"\n  l = ( 1,\n  A)\n}\n");
    ASSERT_NE(p.root, nullptr) << p.error.toStdString();
    EXPECT_EQ(p.root->srcFileName(), QString("conf.qares"));
    EXPECT_EQ(p.root->srcLine(), 2);
    EXPECT_EQ(p.root->srcColumn(), 1);
    QARes* name = p.root->search("tcf.name");
    EXPECT_EQ(name->srcLine(), 3);
    EXPECT_EQ(name->srcColumn(), 5);
    QARes* first = p.root->search("tcf.l")->toResList()->firstElement();
    EXPECT_EQ(first->srcLine(), 4);
    EXPECT_EQ(first->srcColumn(), 9);
    EXPECT_EQ(first->next()->srcLine(), 5);
    EXPECT_EQ(first->next()->srcColumn(), 3);
}

TEST(ResourceText, EmptyTextGivesNullWithoutError)
{
    for (const char* text : {"", "   \n\t", "# only a comment"}) {
        Parsed p = parse(text);
        EXPECT_EQ(p.root, nullptr);
        EXPECT_TRUE(p.error.isEmpty()) << text;
    }
}

TEST(ResourceText, SyntaxErrorsGiveNullAndTheirPosition)
{
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"a = ", "conf.qares:1:5: expected a value, found end of text"},
        {"a { b = 1", "conf.qares:1:10: expected '}', found end of text"},
        {"}", "conf.qares:1:1: expected a tag, found '}'"},
        {"a 1", "conf.qares:1:3: expected '=' or '{' after the tag, found '1'"},
        {"a = \"open\nb = 1", "conf.qares:1:5: unterminated string"},
        {"a = \"x\\q\"", "conf.qares:1:7: unknown escape sequence \\'q' in string"},
        {"a = (1 2)", "conf.qares:1:8: expected ',' or ')' in the list, found '2'"},
        {"a = (1,)", "conf.qares:1:8: expected a value, found ')'"},
        {"a = 2147483648", "conf.qares:1:5: integer out of range"},
        {"a = 12ab", "conf.qares:1:7: invalid character 'a' in integer"},
        {"a = -", "conf.qares:1:6: expected digits, found end of text"},
        {"a = rgb(1, 2)", "conf.qares:1:13: expected ',' between colour components, found ')'"},
        {"a = rgb(1, 256, 3)", "conf.qares:1:12: colour component 256 is not within 0..255"},
        {"\n  a = @", "conf.qares:2:7: expected a value, found '@'"},
        {"a = \x01", "conf.qares:1:5: expected a value, found byte 0x01"},
        {"a = \"x\\", "conf.qares:1:5: unterminated string"},
        {"a = \"x\\\n\"", "conf.qares:1:5: unterminated string"},
        {"a = \"x\\\r\n\"", "conf.qares:1:5: unterminated string"},
        {"a = \"x\ry\"", "conf.qares:1:5: unterminated string"},
        {"a = 1\rb = @", "conf.qares:2:5: expected a value, found '@'"},
        {"a = 1\r\n\r\nb = @", "conf.qares:3:5: expected a value, found '@'"},
        {"# comment\rb = @", "conf.qares:2:5: expected a value, found '@'"},
        {"\xEF\xBB\xBF}", "conf.qares:1:1: expected a tag, found '}'"},
        {"\xEF\xBB\xBF a = @", "conf.qares:1:6: expected a value, found '@'"},
        {"a = 1 \xEF\xBB\xBF", "conf.qares:1:7: expected a tag, found byte 0xef"},
    };
    for (const Case& c : cases) {
        Parsed p = parse(c.text);
        EXPECT_EQ(p.root, nullptr) << c.text;
        EXPECT_EQ(p.error.toStdString(), c.error) << c.text;
    }
    QString error;
    EXPECT_EQ(readResourceText("a = ", "cfg%1.qares", &error), nullptr);
    EXPECT_EQ(error.toStdString(), "cfg%1.qares:1:5: expected a value, found end of text")
        << "placeholders in the file name are not filled";
}

TEST(ResourceText, ExtremeValuesAndNestingLimit)
{
    Parsed p = parse("a = -2147483648 b = 2147483647 c = rgb");
    ASSERT_NE(p.root, nullptr) << p.error.toStdString();
    EXPECT_EQ(p.root->toResInt()->value(), -2147483647 - 1);
    EXPECT_EQ(p.root->next()->toResInt()->value(), 2147483647);
    EXPECT_STREQ(p.root->next()->next()->toResIdentifier()->value(), "rgb");

    QByteArray deep = "a = " + QByteArray(256, '(') + QByteArray(256, ')');
    Parsed ok = parse(deep.constData());
    EXPECT_NE(ok.root, nullptr) << ok.error.toStdString();
    QByteArray tooDeep = "a = " + QByteArray(100000, '(');
    Parsed rejected = parse(tooDeep.constData());
    EXPECT_EQ(rejected.root, nullptr);
    EXPECT_TRUE(rejected.error.endsWith("nesting deeper than 256 levels")) << rejected.error.toStdString();
}

TEST(ResourceText, AByteOrderMarkIsSkippedAndTextsOverTheLimitAreRefused)
{
    Parsed marked = parse("\xEF\xBB\xBF"
                          "a = 1");
    ASSERT_NE(marked.root, nullptr) << marked.error.toStdString();
    EXPECT_EQ(marked.root->srcColumn(), 1);

    // Address space without memory behind it: the size is refused before any byte is read.
    const size_t size = size_t(QAResMaxTextSize) + 1;
    void* pages = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(pages, MAP_FAILED);
    QString error;
    EXPECT_EQ(
        readResourceText(QByteArray::fromRawData(static_cast<const char*>(pages), qsizetype(size)), "big%1", &error),
        nullptr);
    EXPECT_EQ(error, QStringLiteral("big%1: too large: more than 1073741824 bytes"));
    munmap(pages, size);
}

TEST(ResourceText, ReadsFilesAndReportsOnesThatCannotBeRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.qares");
    writeBytes(path, "x = 1\n");
    QString error;
    std::unique_ptr<QARes> root(readResourceFile(path, &error));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->srcFileName(), path);
    EXPECT_EQ(root->srcLine(), 1);

    // Over 2 GiB, yet sparse: no disk space taken and nothing read.
    const QString sparse = dir.filePath("sparse.qares");
    QFile(sparse).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile(sparse).resize(qint64(1) << 31 | 1));
    const struct {
        QString fileName;
        QString error;
    } cases[] = {
        {dir.filePath("none.qares"), ": cannot open: No such file or directory"},
        {dir.path(), ": cannot read: Is a directory"},
        {"/proc/self/mem", ": cannot read: Input/output error"},  // nothing is mapped at its start
        {sparse, ": too large: more than 1073741824 bytes"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<QARes> unread(readResourceFile(c.fileName, &error));
        EXPECT_EQ(unread, nullptr);
        EXPECT_EQ(error, c.fileName + c.error);
    }
}

TEST(FileNames, EveryByteThatIsNotUtf8SurvivesTheRoundTripAndOpens)
{
    const struct {
        QByteArray bytes;
        QString name;
    } cases[] = {
        {"plain.qares", "plain.qares"},
        {"gr\xC3\xB6\xC3\x9F"
         "e",
         QString::fromUtf8("größe")},
        {"\xF0\x9F\x98\x80", QString::fromUtf8("\xF0\x9F\x98\x80")},
        {"caf\xE9.qares", QString::fromUtf16(u"caf\xDCE9.qares")},
        {"\xC3", QString::fromUtf16(u"\xDCC3")},                                // a sequence cut short
        {"\xC0\xAF", QString::fromUtf16(u"\xDCC0\xDCAF")},                      // an overlong form
        {"\xED\xB2\x80", QString::fromUtf16(u"\xDCED\xDCB2\xDC80")},            // an encoded surrogate
        {"\xF4\x90\x80\x80", QString::fromUtf16(u"\xDCF4\xDC90\xDC80\xDC80")},  // past U+10FFFF
        {"a\xFF"
         "b\xC3\xA9",
         QString::fromUtf16(u"a\xDCFF"
                            u"b\u00E9")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        EXPECT_EQ(QAFileUtil::decodeName(c.bytes), c.name);
        EXPECT_EQ(QAFileUtil::encodeName(c.name), c.bytes);
    }

    QTemporaryDir dir;
    const QByteArray latin1Name = QFile::encodeName(dir.path()) + "/caf\xE9.qares";
    writeBytes(latin1Name, "x = 1\n");
    QString error;
    std::unique_ptr<QARes> root(readResourceFile(QAFileUtil::decodeName(latin1Name), &error));
    ASSERT_NE(root, nullptr) << error.toStdString();
    EXPECT_EQ(QAFileUtil::encodeName(root->srcFileName()), latin1Name);
    unlink(latin1Name.constData());  // QDir cannot name it to remove it
}

}  // namespace
