#include "foundation/style.h"

#include "foundation/enum_text_p.h"

namespace {

// Tables in the order texts are tried when parsing.
const EnumText fontTexts[] = {
    {"BOLD", Style::BOLD}, {"ITALIC", Style::ITALIC}, {"NORMAL", Style::NORMAL}, {"UNDERLINE", Style::UNDERLINE}};
const EnumText lineTexts[] = {{"SOLID_LINE", Style::SOLID_LINE},
                              {"DOT_LINE", Style::DOT_LINE},
                              {"DASH_LINE", Style::DASH_LINE},
                              {"DASH_DOT_LINE", Style::DASH_DOT_LINE},
                              {"DASH_DOT_DOT_LINE", Style::DASH_DOT_DOT_LINE}};
const EnumText arrowTexts[] = {
    {"PLAIN_ARROW", Style::PLAIN_ARROW}, {"OPEN_ARROW", Style::OPEN_ARROW}, {"HALF_ARROW", Style::HALF_ARROW}};

}  // namespace

Style::Style(const QString& name, int id)
    : name_(name), id_(id), textColor_(0, 0, 0), backColor_(255, 255, 255), lineColor_(0, 0, 0), fontStyle_(NORMAL),
      lineStyle_(SOLID_LINE), arrowStyle_(PLAIN_ARROW), fontSize_(12)
{
}

Style::~Style() = default;

void Style::setTextColor(const RGBValue& color)
{
    textColor_ = color;
}
void Style::setBackColor(const RGBValue& color)
{
    backColor_ = color;
}
void Style::setLineColor(const RGBValue& color)
{
    lineColor_ = color;
}
void Style::setFontStyle(Style::Font font)
{
    fontStyle_ = font;
}
void Style::setLineStyle(Style::Line line)
{
    lineStyle_ = line;
}
void Style::setArrowStyle(Style::Arrow arrow)
{
    arrowStyle_ = arrow;
}
void Style::setFontSize(int size)
{
    fontSize_ = size;
}
void Style::setFontName(const QString& name)
{
    fontName_ = name;
}
void Style::composeFontStyle(Style::Font font)
{
    fontStyle_ |= font;
}

const char* Style::strFont(Font font)
{
    return enumToText(fontTexts, font);
}
const char* Style::strLine(Line line)
{
    return enumToText(lineTexts, line);
}
const char* Style::strArrow(Arrow arrow)
{
    return enumToText(arrowTexts, arrow);
}

Style::Font Style::toFont(const char* text, bool* ok)
{
    return Font(enumFromText(fontTexts, text, ok));
}
Style::Line Style::toLine(const char* text, bool* ok)
{
    return Line(enumFromText(lineTexts, text, ok));
}
Style::Arrow Style::toArrow(const char* text, bool* ok)
{
    return Arrow(enumFromText(arrowTexts, text, ok));
}

QAResGroup* Style::toResource(const char* tag) const
{
    QAResList* emphasis = new QAResList("style", nullptr);
    for (Font bit : {BOLD, ITALIC, UNDERLINE})
        if (fontStyle_ & bit)
            emphasis->append(new QAResIdentifier(nullptr, strFont(bit)));
    if (!emphasis->firstElement())
        emphasis->append(new QAResIdentifier(nullptr, strFont(NORMAL)));

    QARes* text = new QAResGroup("text",
                                 chainSiblings({new QAResRGB("color", textColor_), new QAResString("font", fontName_),
                                                new QAResInt("size", fontSize_), emphasis}));
    QARes* background = new QAResGroup("background", new QAResRGB("color", backColor_));
    QARes* line = new QAResGroup(
        "line",
        chainSiblings({new QAResRGB("color", lineColor_), new QAResIdentifier("style", strLine(lineStyle_)),
                       new QAResIdentifier("arrow", strArrow(arrowStyle_))}));
    return new QAResGroup(
        tag ? tag : "style",
        chainSiblings({new QAResString("name", name_), new QAResInt("id", id_), text, background, line}));
}

void Style::fromResource(QARes* resource, bool withName)
{
    QAResGroup* group = resource ? resource->toResGroup() : nullptr;
    if (!group)
        return;
    for (QARes* child = group->firstChild(); child; child = child->next()) {
        if (child->isTag("name") && withName && child->toResString()) {
            name_ = child->toResString()->value();
        } else if (child->isTag("id") && child->toResInt()) {
            id_ = child->toResInt()->value();
        } else if (child->isTag("text") && child->toResGroup()) {
            textFromResource(child->toResGroup());
        } else if (child->isTag("background") && child->toResGroup()) {
            // Only the group's first child is looked at.
            QARes* color = child->toResGroup()->firstChild();
            if (color && color->isTag("color") && color->toResRGB())
                setBackColor(color->toResRGB()->value());
        } else if (child->isTag("line") && child->toResGroup()) {
            lineFromResource(child->toResGroup());
        }
    }
}

void Style::textFromResource(QAResGroup* text)
{
    for (QARes* child = text->firstChild(); child; child = child->next()) {
        if (child->isTag("color") && child->toResRGB())
            setTextColor(child->toResRGB()->value());
        else if (child->isTag("font") && child->toResString())
            setFontName(child->toResString()->value());
        else if (child->isTag("size") && child->toResInt())
            setFontSize(child->toResInt()->value());
        else if (child->isTag("style"))
            fontStyleFromResource(child);
    }
}

// One identifier replaces the emphasis; a list adds each identifier in it.
void Style::fontStyleFromResource(QARes* value)
{
    if (QAResIdentifier* identifier = value->toResIdentifier()) {
        setFontStyle(toFont(identifier->value()));
        return;
    }
    if (QAResList* list = value->toResList())
        for (QARes* element = list->firstElement(); element; element = element->next())
            if (element->toResIdentifier())
                composeFontStyle(toFont(element->toResIdentifier()->value()));
}

void Style::lineFromResource(QAResGroup* line)
{
    for (QARes* child = line->firstChild(); child; child = child->next()) {
        if (child->isTag("color") && child->toResRGB())
            setLineColor(child->toResRGB()->value());
        else if (child->isTag("style") && child->toResIdentifier())
            setLineStyle(toLine(child->toResIdentifier()->value()));
        else if (child->isTag("arrow") && child->toResIdentifier())
            setArrowStyle(toArrow(child->toResIdentifier()->value()));
    }
}

static const char* orEmpty(const char* text)
{
    return text ? text : "";
}

std::ostream& operator<<(std::ostream& stream, const Style& style)
{
    stream << "Style( \"" << style.name().toLocal8Bit().constData() << "\", " << style.id() << ") {\n";
    stream << " text_color = " << style.textColor() << "\n";
    stream << " back_color = " << style.backColor() << "\n";
    stream << " line_color = " << style.lineColor() << "\n";
    stream << " font_style =";
    if (style.isBold())
        stream << " BOLD";
    if (style.isItalic())
        stream << " ITALIC";
    if (style.isUnderline())
        stream << " UNDERLINE";
    if (style.isNormal())
        stream << " NORMAL";
    stream << "\n";
    stream << " line_style = " << orEmpty(Style::strLine(style.lineStyle())) << "\n";
    stream << " font_name  = \"" << style.fontName().toLocal8Bit().constData() << "\"\n";
    stream << " font_size  = " << style.fontSize() << "\n}\n";
    return stream;
}
