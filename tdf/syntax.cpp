#include "tdf/syntax_p.h"

#include "tdf/reports_p.h"
#include "tdf/tdfreader.h"

#include <QTextCodec>

#include <cstring>

namespace TDFSyntax {

namespace {

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

Number scanNumber(const char*& cursor, unsigned long& value)
{
    // The usual case first: at most ten decimal digits, then a blank or the end.
    unsigned long decimal = 0;
    const char* digit = cursor;
    while (digit - cursor < 10 && *digit >= '0' && *digit <= '9')
        decimal = decimal * 10 + unsigned(*digit++ - '0');
    if (digit != cursor && (*digit == '\0' || TDF::isWhite(*digit))) {
        cursor = *digit ? digit + 1 : digit;
        value = decimal;
        return Number::Read;
    }
    const char* p = cursor;
    int digits = 0;
    bool leadingZero = false;
    bool letters = false;
    bool hexadecimal = false;
    unsigned long decimalValue = 0;
    unsigned long hexadecimalValue = 0;
    for (;; ++p) {
        const char c = *p;
        if (c == '\0')
            break;
        if (TDF::isWhite(c)) {
            ++p;
            break;
        }
        const int digit = hexadecimal ? -1 : digitValue(c);
        if (digit == 0 && digits == 0) {
            leadingZero = true;
        } else if (digit >= 0) {
            if (++digits > 10) {
                cursor = p;
                return Number::Overflow;
            }
            letters = letters || digit > 9;
            decimalValue = decimalValue * 10 + digit;
            hexadecimalValue = hexadecimalValue * 16 + digit;
        } else if ((c == 'h' || c == 'H') && !hexadecimal && p != cursor) {
            hexadecimal = true;
        } else {
            if (p == cursor)
                return Number::Absent;
            cursor = p;
            return Number::Bad;
        }
    }
    const bool consumed = p != cursor;
    cursor = p;
    if (digits == 0 && !leadingZero) {
        value = 0;
        return consumed ? Number::Blank : Number::Absent;
    }
    if (letters && !hexadecimal)
        return Number::HexUnterminated;
    if (hexadecimal && digits > 8)
        return Number::HexOverflow;
    value = hexadecimal ? hexadecimalValue : decimalValue;
    return Number::Read;
}

String scanString(const char*& cursor, QByteArray& unescaped, QByteArrayView& bytes)
{
    if (*cursor != '"')
        return String::Absent;
    const char* start = cursor + 1;
    const char* p = start + std::strcspn(start, "\"\\");
    if (*p == '"') {
        bytes = QByteArrayView(start, p - start);  // no escape: the line's own bytes
    } else {
        unescaped = QByteArray(start, p - start);
        for (;;) {
            if (*p == '\0' || p[1] == '\0')
                return String::Unterminated;
            unescaped.append(p[1]);
            p += 2;
            const size_t plain = std::strcspn(p, "\"\\");
            unescaped.append(p, qsizetype(plain));
            p += plain;
            if (*p == '"')
                break;
        }
        bytes = unescaped;
    }
    cursor = p[1] == '\0' ? p + 1 : p + 2;
    return String::Read;
}

qsizetype scanDecodedString(const QString& text, QString& content)
{
    content.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'"')
            return i + 1;
        if (text.at(i) == u'\\' && ++i == text.size())
            break;
        content += text.at(i);
    }
    return -1;
}

}  // namespace TDFSyntax

void TDF::readWhite(char** cursor)
{
    while (isWhite(**cursor))
        ++*cursor;
}

bool TDF::readNumber(char** cursor, unsigned long* value)
{
    const char* p = *cursor;
    const TDFSyntax::Number result = TDFSyntax::scanNumber(p, *value);
    *cursor = const_cast<char*>(p);
    switch (result) {
    case TDFSyntax::Number::Read:
        return true;
    case TDFSyntax::Number::Absent:
    case TDFSyntax::Number::Blank:
        return false;
    case TDFSyntax::Number::Bad:
        error(TDFReport::BadNumber);
        return false;
    case TDFSyntax::Number::Overflow:
        error(TDFReport::NumberOverflow);
        return false;
    case TDFSyntax::Number::HexUnterminated:
        error(TDFReport::HexNotTerminated);
        return false;
    case TDFSyntax::Number::HexOverflow:
        error(TDFReport::HexOverflow);
        return false;
    }
    return false;
}

bool TDF::readString(char** cursor, QString& value, bool absentOk)
{
    value = QString();
    const char* p = *cursor;
    if (textCodec && *p == '"') {
        // Decoded before the quotes and backslashes are looked for: in a
        // multi-byte encoding such a byte may belong to a character.
        const char* text = p + 1;
        const qsizetype length = qsizetype(std::strlen(text));
        const QString decoded = textCodec->toUnicode(text, int(length));
        const qsizetype matched = TDFSyntax::scanDecodedString(decoded, value);
        if (matched < 0) {
            value = QString();
            return false;
        }
        // The bytes of the string, counted by encoding it again.
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        const char* end = text + qMin(length, textCodec->fromUnicode(decoded.constData(), int(matched), &state).size());
        *cursor = const_cast<char*>(*end ? end + 1 : end);
    } else {
        QByteArray unescaped;
        QByteArrayView bytes;
        switch (TDFSyntax::scanString(p, unescaped, bytes)) {
        case TDFSyntax::String::Absent:
            return absentOk;
        case TDFSyntax::String::Unterminated:
            return false;
        case TDFSyntax::String::Read:
            break;
        }
        *cursor = const_cast<char*>(p);
        value = QString::fromUtf8(bytes);
    }
    if (value.isNull())
        value = QString(QLatin1String(""));
    return true;
}
