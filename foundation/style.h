// The display style that a trace configuration attaches to drawn objects.
//
// Enumerated values are exchanged as their exact upper-case texts.  Every
// change that fromResource() makes goes through the virtual setters, so a
// derived class sees each attribute.
#pragma once

#include "stacksizeview_export.h"

#include "host/qares.h"

#include <QString>
#include <ostream>

class STACKSIZEVIEW_EXPORT Style {
public:
    // Fixed underlying types: values outside the tables (which have no text)
    // are still valid values of the enumerations.
    enum Font : int { NORMAL = 0, BOLD = 1, ITALIC = 2, UNDERLINE = 4 };
    enum Line : int { SOLID_LINE, DOT_LINE, DASH_LINE, DASH_DOT_LINE, DASH_DOT_DOT_LINE };
    enum Arrow : int { PLAIN_ARROW, OPEN_ARROW, HALF_ARROW };

    QString name_;
    int id_;
    RGBValue textColor_;
    RGBValue backColor_;
    RGBValue lineColor_;
    int fontStyle_;
    Line lineStyle_;
    Arrow arrowStyle_;
    QString fontName_;
    int fontSize_;

    Style(const QString& name, int id);
    virtual ~Style();

    virtual void setTextColor(const RGBValue& color);
    virtual void setBackColor(const RGBValue& color);
    virtual void setLineColor(const RGBValue& color);
    virtual void setFontStyle(Style::Font font);
    virtual void setLineStyle(Style::Line line);
    virtual void setArrowStyle(Style::Arrow arrow);
    virtual void setFontSize(int size);
    virtual void setFontName(const QString& name);
    // Adds the bits of `font` to the emphasis already set.
    virtual void composeFontStyle(Style::Font font);

    const QString& name() const { return name_; }
    int id() const { return id_; }
    const RGBValue& textColor() const { return textColor_; }
    const RGBValue& backColor() const { return backColor_; }
    const RGBValue& lineColor() const { return lineColor_; }
    int fontStyle() const { return fontStyle_; }
    Line lineStyle() const { return lineStyle_; }
    Arrow arrowStyle() const { return arrowStyle_; }
    const QString& fontName() const { return fontName_; }
    int fontSize() const { return fontSize_; }

    bool isBold() const { return fontStyle_ & BOLD; }
    bool isItalic() const { return fontStyle_ & ITALIC; }
    bool isUnderline() const { return fontStyle_ & UNDERLINE; }
    bool isNormal() const { return fontStyle_ == NORMAL; }

    // The text of a value, or null for a value outside the table (strFont
    // knows the single bits only).
    static const char* strFont(Font font);
    static const char* strLine(Line line);
    static const char* strArrow(Arrow arrow);
    // The value whose text equals `text` exactly; 0 and *ok false otherwise.
    static Font toFont(const char* text, bool* ok = nullptr);
    static Line toLine(const char* text, bool* ok = nullptr);
    static Arrow toArrow(const char* text, bool* ok = nullptr);

    // A new group (owned by the caller) tagged `tag`, or "style" when null:
    // name, id, text { color font size style }, background { color },
    // line { color style arrow }.
    QAResGroup* toResource(const char* tag = nullptr) const;
    // Applies such a group; the name only when `withName`.  Unknown tags and
    // values of the wrong kind are skipped.
    void fromResource(QARes* resource, bool withName);

private:
    void textFromResource(QAResGroup* text);
    void lineFromResource(QAResGroup* line);
    void fontStyleFromResource(QARes* value);
};

// Debug print of every field but the arrow style.
STACKSIZEVIEW_EXPORT std::ostream& operator<<(std::ostream& stream, const Style& style);
