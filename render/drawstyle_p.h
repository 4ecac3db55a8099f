// How a configuration style turns into Qt's drawing tools, and the palette of
// thread colours.
#pragma once

#include "foundation/style.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QString>

#include <unordered_map>

// The colour of an RGB value, each component clamped to 0..255.
QColor toQColor(const RGBValue& value);
// The style's font: its family (the default one when unnamed), its size in
// points drawn at 96 dots per inch and its emphasis.
QFont fontOf(const Style& style);
// A pen of the style's line colour and line kind.
QPen linePen(const Style& style, qreal width);
// The colour of a thread's colour index, from a fixed palette of 11.
QColor threadColor(int colorIndex);

// The text a label shows: control characters become blanks, except line
// feeds when `multiLine`; what XML cannot hold (a lone surrogate, U+FFFE,
// U+FFFF) becomes the replacement character.
QString displayText(const QString& text, bool multiLine = false);

// Text sizes in the fonts of styles, with one set of metrics per style.
class TextMeasure {
public:
    // One line of text.
    QSizeF size(const Style& style, const QString& text);
    qreal lineHeight(const Style& style);
    // Text broken into lines at word boundaries to fit `maxWidth`.
    QSizeF wrappedSize(const Style& style, const QString& text, qreal maxWidth);
    // The text, cut with an ellipsis when wider than `maxWidth`.
    QString elided(const Style& style, const QString& text, qreal maxWidth);

private:
    std::unordered_map<const Style*, QFontMetricsF> metrics_;

    const QFontMetricsF& metrics(const Style& style);
};

// The flags a wrapped text is both measured and drawn with.
const int wrappedTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
