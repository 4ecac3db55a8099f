// Styles as fonts, pens and colours; text measurement.
#include "render/drawstyle_p.h"

#include <algorithm>
#include <cmath>

namespace {

const int minPixelSize = 6;
const int maxPixelSize = 96;

// Eleven colours far enough apart to tell threads apart on white.
const QRgb threadPalette[] = {0x1f77b4, 0xff7f0e, 0x2ca02c, 0xd62728, 0x9467bd, 0x8c564b,
                              0xe377c2, 0x7f7f7f, 0xbcbd22, 0x17becf, 0x393b79};
const int threadPaletteSize = sizeof threadPalette / sizeof *threadPalette;

int component(int value)
{
    return std::clamp(value, 0, 255);
}

Qt::PenStyle penStyle(Style::Line line)
{
    switch (line) {
    case Style::DOT_LINE:
        return Qt::DotLine;
    case Style::DASH_LINE:
        return Qt::DashLine;
    case Style::DASH_DOT_LINE:
        return Qt::DashDotLine;
    case Style::DASH_DOT_DOT_LINE:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

}  // namespace

QColor toQColor(const RGBValue& value)
{
    return QColor(component(value.red()), component(value.green()), component(value.blue()));
}

QFont fontOf(const Style& style)
{
    QFont font;
    if (!style.fontName().isEmpty())
        font.setFamily(style.fontName());
    font.setPixelSize(std::clamp(int(std::lround(style.fontSize() * 96.0 / 72.0)), minPixelSize, maxPixelSize));
    font.setBold(style.isBold());
    font.setItalic(style.isItalic());
    font.setUnderline(style.isUnderline());
    return font;
}

QPen linePen(const Style& style, qreal width)
{
    QPen pen(toQColor(style.lineColor()), width, penStyle(style.lineStyle()));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QColor threadColor(int colorIndex)
{
    const int index = colorIndex % threadPaletteSize;
    return QColor(threadPalette[index < 0 ? index + threadPaletteSize : index]);
}

QString displayText(const QString& text, bool multiLine)
{
    QString shown = text;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        QChar& c = shown[i];
        const bool paired = c.isHighSurrogate() && i + 1 < shown.size() && shown[i + 1].isLowSurrogate();
        if (c.category() == QChar::Other_Control && !(multiLine && c == u'\n'))
            c = u' ';
        else if (paired)
            ++i;
        else if (c.isSurrogate() || c == QChar(0xfffe) || c == QChar(0xffff))
            c = QChar::ReplacementCharacter;
    }
    return shown;
}

const QFontMetricsF& TextMeasure::metrics(const Style& style)
{
    auto found = metrics_.find(&style);
    if (found == metrics_.end())
        found = metrics_.emplace(&style, QFontMetricsF(fontOf(style))).first;
    return found->second;
}

QSizeF TextMeasure::size(const Style& style, const QString& text)
{
    const QFontMetricsF& fm = metrics(style);
    return QSizeF(fm.horizontalAdvance(text), fm.height());
}

qreal TextMeasure::lineHeight(const Style& style)
{
    return metrics(style).height();
}

QSizeF TextMeasure::wrappedSize(const Style& style, const QString& text, qreal maxWidth)
{
    return metrics(style).boundingRect(QRectF(0, 0, maxWidth, 1e6), wrappedTextFlags, text).size();
}

QString TextMeasure::elided(const Style& style, const QString& text, qreal maxWidth)
{
    return metrics(style).elidedText(text, Qt::ElideRight, maxWidth);
}
