// Escaping of texts for PlantUML and Mermaid.
#include "diagram/textescape_p.h"

#include <QList>

namespace diagram {

namespace {

// A control character as its control picture (DEL as U+2421); a C1
// control, which has none, and a lone surrogate as the replacement
// character, as are U+FFFE and U+FFFF, which XML forbids.  Tabs and line
// feeds are left to the languages.
char32_t shown(char32_t c)
{
    if (c == u'\t' || c == u'\n')
        return c;
    if (c < 0x20)
        return 0x2400 + c;
    if (c == 0x7f)
        return 0x2421;
    if ((c >= 0x80 && c < 0xa0) || (c >= 0xd800 && c < 0xe000) || c == 0xfffe || c == 0xffff)
        return 0xfffd;
    return c;
}

bool isAsciiAlphanumeric(char32_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u' ';
}

bool isOneOf(char32_t c, const char* characters)
{
    for (; *characters; ++characters) {
        if (c == char32_t(*characters))
            return true;
    }
    return false;
}

// Whether PlantUML shows the character at `i` as it is: creole markup
// starts with a doubled '_' or '.', and with any of the ASCII punctuation
// left out here.
bool plainInPlantUml(const QList<char32_t>& text, qsizetype i)
{
    const char32_t c = text[i];
    if (c >= 0x80)
        return c <= 0xffff;
    if (isAsciiAlphanumeric(c) || isOneOf(c, "(),;?+:'!{}^$"))
        return true;
    const bool doubled = (i > 0 && text[i - 1] == c) || (i + 1 < text.size() && text[i + 1] == c);
    return isOneOf(c, "_.") && !doubled;
}

// Whether Mermaid shows the character as it is: '#', ';' and line ends
// end texts, ':' and ',' identifiers, '<' and '>' make HTML, '%' comments
// and directives, '@' participant metadata, '&' entities; the four
// characters of its entity placeholders are written as codes too.
bool plainInMermaid(char32_t c)
{
    if (c >= 0x80)
        return c != 0xfb02 && c != 0xb0 && c != 0xb6 && c != 0xdf;
    return isAsciiAlphanumeric(c) || isOneOf(c, "!\"$'()*+-./=?[\\]^_`{|}~");
}

QList<char32_t> codePoints(const QString& text)
{
    QList<char32_t> points;
    for (char32_t c : text.toUcs4())
        points.append(shown(c));
    return points;
}

QString fromCodePoint(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

}  // namespace

QString plantUmlText(const QString& text)
{
    const QList<char32_t> points = codePoints(text);
    QString escaped;
    for (qsizetype i = 0; i < points.size(); ++i) {
        if (points[i] == u'\n')
            escaped += QStringLiteral("\\n");
        else if (plainInPlantUml(points, i))
            escaped += fromCodePoint(points[i]);
        else
            escaped += QStringLiteral("<U+%1>").arg(QString::number(points[i], 16).toUpper(), 4, QChar(u'0'));
    }
    return escaped;
}

QString mermaidText(const QString& text)
{
    QString escaped;
    for (char32_t c : codePoints(text)) {
        if (c == u'\n')
            escaped += QStringLiteral("<br>");
        else if (plainInMermaid(c))
            escaped += fromCodePoint(c);
        else
            escaped += u'#' + QString::number(c) + u';';
    }
    return escaped;
}

QString dotText(const QString& text)
{
    QString escaped;
    for (char32_t c : codePoints(text)) {
        if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'"' || c == u'\\')
            escaped += u'\\' + fromCodePoint(c);
        else if (c == u'&')
            escaped += QStringLiteral("&amp;");
        else
            escaped += fromCodePoint(c == u'\t' ? u' ' : c);
    }
    return escaped;
}

}  // namespace diagram
