// The line syntax of traces: numbers and double-quoted strings, scanned in
// place without copying the line.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace TDFSyntax {

enum class Number {
    Read,             // a number, and the blank after it, were read
    Absent,           // no number starts here; nothing consumed
    Blank,            // a blank stood where the number was expected; it was consumed
    Bad,              // a number followed by a character that cannot follow one
    Overflow,         // more than 10 significant digits
    HexUnterminated,  // hexadecimal digits without the closing 'h'
    HexOverflow,      // more than 8 significant hexadecimal digits
};

// Scans a number at `cursor`: decimal, or hexadecimal when it ends in 'h'
// or 'H'.  Leading zeros do not count as significant digits.  The value is
// set for Read, and to 0 for Blank and at the end of the text.
Number scanNumber(const char*& cursor, unsigned long& value);

enum class String { Read, Absent, Unterminated };

// Scans a string at `cursor`: a double quote, then any bytes, a backslash
// keeping the byte after it, up to the closing double quote.  On Read,
// `bytes` views the bytes between the quotes with the escapes removed: in
// the line itself when there is no escape, else in `unescaped`; the cursor
// stands past the character that follows the closing quote (or at the end
// of the text).  Otherwise the cursor does not move.
String scanString(const char*& cursor, QByteArray& unescaped, QByteArrayView& bytes);

// Scans the same string in `text`, the decoded rest of the line after the
// opening double quote.  Returns the number of characters up to and
// including the closing quote, with `content` holding those between the
// quotes with the escapes removed; -1 when the string is not closed.
qsizetype scanDecodedString(const QString& text, QString& content);

}  // namespace TDFSyntax
