// Parser of the resource text format described in host/qares.h.
//
// A recursive-descent parser over the raw bytes.  It stops at the first
// syntax error, frees whatever it built and reports the error's position.
// Nesting is bounded, so no input can exhaust the stack, and the text's
// size, so no position, line or column can overflow.
#include "host/qafileutil.h"
#include "host/qares.h"

#include <climits>
#include <memory>

namespace {

const int maxDepth = 256;

struct ResDeleter {
    void operator()(QARes* res) const { delete res; }
};
using ResPtr = std::unique_ptr<QARes, ResDeleter>;

// A chain of siblings under construction; owns its nodes until released.
class Chain {
public:
    ~Chain() { delete first_; }
    void append(QARes* res)
    {
        if (last_)
            last_->setNext(res);
        else
            first_ = res;
        last_ = res;
    }
    QARes* release()
    {
        QARes* first = first_;
        first_ = last_ = nullptr;
        return first;
    }

private:
    QARes* first_ = nullptr;
    QARes* last_ = nullptr;
};

struct Position {
    int line;
    int column;
};

class Parser {
public:
    Parser(const QByteArray& text, const QString& fileName) : text_(text), fileName_(fileName)
    {
        if (text_.startsWith("\xEF\xBB\xBF"))
            pos_ = 3;  // a UTF-8 byte-order mark, before the first column
    }

    QARes* parseDocument(QString* error);

private:
    const QByteArray& text_;
    QString fileName_;
    int pos_ = 0;
    int line_ = 1;
    int column_ = 1;
    int depth_ = 0;
    bool failed_ = false;
    QString message_;
    Position errorAt_{0, 0};

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_.at(pos_); }
    bool atLineEnd() const { return !atEnd() && (peek() == '\n' || peek() == '\r'); }
    Position here() const { return {line_, column_}; }
    void advance();
    void skipBlanks();
    bool fail(const QString& message, Position at);
    bool fail(const QString& message) { return fail(message, here()); }
    QARes* reject(const QString& message, Position at) { return fail(message, at), nullptr; }
    QARes* reject(const QString& message) { return reject(message, here()); }
    bool enterNesting();
    bool expect(char wanted, const char* what);

    bool parseResources(Chain* chain, char closing);
    QARes* parseResource();
    QARes* parseValue(const char* tag);
    QARes* parseGroup(const char* tag);
    QARes* parseList(const char* tag);
    QARes* parseString(const char* tag);
    QARes* parseInteger(const char* tag);
    QARes* parseWord(const char* tag);
    QARes* parseRGB(const char* tag);
    bool readWord(QByteArray* word);
    bool readInt(int* value);
    bool readEscape(QByteArray* bytes);
    QARes* placed(QARes* res, Position at);
    QString describe(char c) const;
};

bool isWordStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isWordChar(char c)
{
    return isWordStart(c) || (c >= '0' && c <= '9');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

void Parser::advance()
{
    const char c = text_.at(pos_++);
    if (c == '\n' || (c == '\r' && peek() != '\n')) {
        ++line_;
        column_ = 1;
    } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
        ++column_;  // UTF-8 continuation bytes belong to the previous column
    }
}

void Parser::skipBlanks()
{
    while (!atEnd()) {
        const char c = peek();
        if (c == '#') {
            while (!atEnd() && !atLineEnd())
                advance();
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            advance();
        } else {
            return;
        }
    }
}

bool Parser::fail(const QString& message, Position at)
{
    if (!failed_) {
        failed_ = true;
        message_ = message;
        errorAt_ = at;
    }
    return false;
}

QString Parser::describe(char c) const
{
    if (c == '\0' && atEnd())
        return QStringLiteral("end of text");
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
        return QStringLiteral("byte 0x%1").arg(static_cast<unsigned char>(c), 2, 16, QLatin1Char('0'));
    return QStringLiteral("'%1'").arg(QLatin1Char(c));
}

bool Parser::expect(char wanted, const char* what)
{
    skipBlanks();
    if (peek() != wanted || atEnd())
        return fail(QStringLiteral("expected %1, found %2").arg(QLatin1String(what), describe(peek())));
    advance();
    return true;
}

QARes* Parser::placed(QARes* res, Position at)
{
    res->setSource(fileName_, at.line, at.column);
    return res;
}

QARes* Parser::parseDocument(QString* error)
{
    Chain chain;
    if (!parseResources(&chain, '\0')) {
        if (error)
            *error = QStringLiteral("%1:%2:%3: %4")
                         .arg(fileName_, QString::number(errorAt_.line), QString::number(errorAt_.column), message_);
        return nullptr;
    }
    if (error)
        error->clear();
    return chain.release();
}

// Resources up to `closing` ('}' of a group, or '\0' for the end of text).
bool Parser::parseResources(Chain* chain, char closing)
{
    for (;;) {
        skipBlanks();
        if (atEnd())
            return closing == '\0' || fail(QStringLiteral("expected '}', found end of text"));
        if (closing != '\0' && peek() == closing) {
            advance();
            return true;
        }
        QARes* res = parseResource();
        if (!res)
            return false;
        chain->append(res);
    }
}

QARes* Parser::parseResource()
{
    const Position at = here();
    QByteArray tag;
    if (!readWord(&tag)) {
        fail(QStringLiteral("expected a tag, found %1").arg(describe(peek())));
        return nullptr;
    }
    skipBlanks();
    QARes* res = nullptr;
    if (peek() == '{' && !atEnd())
        res = parseGroup(tag.constData());
    else if (expect('=', "'=' or '{' after the tag"))
        res = parseValue(tag.constData());
    return res ? placed(res, at) : nullptr;
}

QARes* Parser::parseValue(const char* tag)
{
    skipBlanks();
    const char c = peek();
    if (c == '"' && !atEnd())
        return parseString(tag);
    if (c == '(')
        return parseList(tag);
    if (c == '{')
        return parseGroup(tag);
    if (isDigit(c) || c == '-' || c == '+')
        return parseInteger(tag);
    if (isWordStart(c))
        return parseWord(tag);
    return reject(QStringLiteral("expected a value, found %1").arg(describe(c)));
}

bool Parser::enterNesting()
{
    if (++depth_ <= maxDepth)
        return true;
    return fail(QStringLiteral("nesting deeper than %1 levels").arg(maxDepth));
}

// '{' resources '}'; the caller stands before the brace.
QARes* Parser::parseGroup(const char* tag)
{
    if (!enterNesting())
        return nullptr;
    advance();
    Chain children;
    const bool ok = parseResources(&children, '}');
    --depth_;
    return ok ? new QAResGroup(tag, children.release()) : nullptr;
}

// '(' [value {',' value}] ')'; the caller stands before the parenthesis.
QARes* Parser::parseList(const char* tag)
{
    if (!enterNesting())
        return nullptr;
    advance();
    ResPtr list(new QAResList(tag, nullptr));
    skipBlanks();
    bool more = !(peek() == ')' && !atEnd());
    while (more) {
        skipBlanks();
        const Position at = here();
        QARes* element = parseValue(nullptr);
        if (!element)
            return nullptr;
        list->toResList()->append(placed(element, at));
        skipBlanks();
        more = peek() == ',' && !atEnd();
        if (more)
            advance();
    }
    --depth_;
    return expect(')', "',' or ')' in the list") ? list.release() : nullptr;
}

QARes* Parser::parseString(const char* tag)
{
    const Position start = here();
    advance();
    QByteArray bytes;
    for (;;) {
        if (atEnd() || atLineEnd())
            return reject(QStringLiteral("unterminated string"), start);
        const char c = peek();
        if (c == '"') {
            advance();
            // "" is an empty string, not a missing one.
            const QString value = bytes.isEmpty() ? QString(QLatin1String("")) : QString::fromUtf8(bytes);
            return new QAResString(tag, value);
        }
        if (c == '\\') {
            if (!readEscape(&bytes))
                return nullptr;
            continue;
        }
        bytes.append(c);
        advance();
    }
}

// A backslash and the character it escapes.  At the end of the text or of a
// line nothing is read: the string is unterminated, as its reader reports.
bool Parser::readEscape(QByteArray* bytes)
{
    const Position at = here();
    advance();
    if (atEnd() || atLineEnd())
        return true;
    const char c = peek();
    const char plain = c == 'n' ? '\n' : c == 't' ? '\t' : (c == '"' || c == '\\') ? c : '\0';
    if (plain == '\0')
        return fail(QStringLiteral("unknown escape sequence \\%1 in string").arg(describe(c)), at);
    bytes->append(plain);
    advance();
    return true;
}

QARes* Parser::parseInteger(const char* tag)
{
    int value = 0;
    return readInt(&value) ? new QAResInt(tag, value) : nullptr;
}

// A decimal or 0x-prefixed hexadecimal integer with an optional sign.
bool Parser::readInt(int* value)
{
    skipBlanks();
    const Position start = here();
    const bool negative = peek() == '-';
    if (peek() == '-' || peek() == '+')
        advance();
    int base = 10;
    if (peek() == '0' && pos_ + 1 < text_.size() && (text_.at(pos_ + 1) == 'x' || text_.at(pos_ + 1) == 'X')) {
        base = 16;
        advance();
        advance();
    }
    long long magnitude = 0;
    int digits = 0;
    for (; !atEnd(); advance(), ++digits) {
        const char c = peek();
        const int digit = isDigit(c)             ? c - '0'
            : base == 16 && c >= 'a' && c <= 'f' ? c - 'a' + 10
            : base == 16 && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0)
            break;
        magnitude = magnitude * base + digit;
        if (magnitude > static_cast<long long>(INT_MAX) + 1)
            return fail(QStringLiteral("integer out of range"), start);
    }
    if (digits == 0)
        return fail(QStringLiteral("expected digits, found %1").arg(describe(peek())));
    if (isWordChar(peek()))
        return fail(QStringLiteral("invalid character %1 in integer").arg(describe(peek())));
    if (!negative && magnitude > INT_MAX)
        return fail(QStringLiteral("integer out of range"), start);
    *value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

bool Parser::readWord(QByteArray* word)
{
    skipBlanks();
    if (atEnd() || !isWordStart(peek()))
        return false;
    while (!atEnd() && isWordChar(peek())) {
        word->append(peek());
        advance();
    }
    return true;
}

// An identifier, a boolean (true, false) or a colour rgb(r, g, b).
QARes* Parser::parseWord(const char* tag)
{
    QByteArray word;
    readWord(&word);
    if (word == "true" || word == "false")
        return new QAResBoolean(tag, word == "true");
    skipBlanks();
    if (word == "rgb" && peek() == '(' && !atEnd())
        return parseRGB(tag);
    return new QAResIdentifier(tag, word.constData());
}

QARes* Parser::parseRGB(const char* tag)
{
    advance();
    int components[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !expect(',', "',' between colour components"))
            return nullptr;
        skipBlanks();
        const Position at = here();
        if (!readInt(&components[i]))
            return nullptr;
        if (components[i] < 0 || components[i] > 255)
            return reject(QStringLiteral("colour component %1 is not within 0..255").arg(components[i]), at);
    }
    if (!expect(')', "')' after the colour components"))
        return nullptr;
    return new QAResRGB(tag, RGBValue(components[0], components[1], components[2]));
}

}  // namespace

QARes* readResourceText(const QByteArray& text, const QString& fileName, QString* error)
{
    if (text.size() > QAResMaxTextSize) {
        if (error)
            *error =
                QStringLiteral("%1: too large: more than %2 bytes").arg(fileName, QString::number(QAResMaxTextSize));
        return nullptr;
    }
    Parser parser(text, fileName);
    return parser.parseDocument(error);
}

QARes* readResourceFile(const QString& fileName, QString* error)
{
    QByteArray text;
    QString readError;
    if (!QAFileUtil::readFile(fileName, QAResMaxTextSize, &text, &readError)) {
        if (error)
            *error = readError;
        return nullptr;
    }
    return readResourceText(text, fileName, error);
}
