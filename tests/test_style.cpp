#include "foundation/style.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>

namespace {

std::string print(const Style& style)
{
    std::ostringstream out;
    out << style;
    return out.str();
}

TEST(Style, NewStyleHasTheDefaults)
{
    Style s("S", 7);
    EXPECT_EQ(s.name(), QString("S"));
    EXPECT_EQ(s.id(), 7);
    EXPECT_EQ(s.textColor(), RGBValue(0, 0, 0));
    EXPECT_EQ(s.backColor(), RGBValue(255, 255, 255));
    EXPECT_EQ(s.lineColor(), RGBValue(0, 0, 0));
    EXPECT_EQ(s.fontStyle(), Style::NORMAL);
    EXPECT_TRUE(s.isNormal());
    EXPECT_EQ(s.lineStyle(), Style::SOLID_LINE);
    EXPECT_EQ(s.arrowStyle(), Style::PLAIN_ARROW);
    EXPECT_TRUE(s.fontName().isNull());
    EXPECT_EQ(s.fontSize(), 12);
}

TEST(Style, TextConversionsMatchWholeCaseSensitiveTexts)
{
    bool ok = false;
    EXPECT_EQ(Style::toLine("DOT_LINE", &ok), Style::DOT_LINE);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Style::toLine("dot_line", &ok), Style::SOLID_LINE);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Style::toLine(nullptr, &ok), Style::SOLID_LINE);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Style::toFont("NORMAL", &ok), Style::NORMAL);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Style::toFont("Bold", &ok), Style::NORMAL);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Style::toFont("UNDERLINE"), Style::UNDERLINE);
    EXPECT_EQ(Style::toArrow("HALF_ARROW", &ok), Style::HALF_ARROW);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Style::toArrow("HALF_ARROWS", &ok), Style::PLAIN_ARROW);
    EXPECT_FALSE(ok);

    EXPECT_STREQ(Style::strFont(Style::ITALIC), "ITALIC");
    EXPECT_STREQ(Style::strFont(Style::NORMAL), "NORMAL");
    EXPECT_EQ(Style::strFont(Style::Font(3)), nullptr);
    EXPECT_STREQ(Style::strLine(Style::DASH_DOT_DOT_LINE), "DASH_DOT_DOT_LINE");
    EXPECT_EQ(Style::strLine(Style::Line(5)), nullptr);
    EXPECT_STREQ(Style::strArrow(Style::OPEN_ARROW), "OPEN_ARROW");
    EXPECT_EQ(Style::strArrow(Style::Arrow(3)), nullptr);
}

// The texts of the emphasis list that toResource writes.
std::string emphasisOf(int fontStyle)
{
    Style s("S", 1);
    s.fontStyle_ = fontStyle;
    std::unique_ptr<QAResGroup> group(s.toResource());
    QAResList* list = group->firstChild()->search("text.style")->toResList();
    std::string out;
    for (QARes* e = list->firstElement(); e; e = e->next())
        out += std::string(e->toResIdentifier()->value()) + " ";
    return out;
}

TEST(Style, ToResourceWritesTheLayoutInOrder)
{
    Style s("plain", 4);
    s.setTextColor(RGBValue(1, 2, 3));
    s.setFontName("Mono");
    s.setLineStyle(Style::DASH_LINE);
    s.setArrowStyle(Style::OPEN_ARROW);
    std::unique_ptr<QAResGroup> group(s.toResource());
    EXPECT_TRUE(group->isTag("style"));
    std::string tags;
    for (QARes* c = group->firstChild(); c; c = c->next())
        tags += std::string(c->tag()) + " ";
    EXPECT_EQ(tags, "name id text background line ");
    QARes* first = group->firstChild();
    EXPECT_EQ(first->search("text.color")->toResRGB()->value(), RGBValue(1, 2, 3));
    EXPECT_EQ(first->search("text.font")->toResString()->value(), QString("Mono"));
    EXPECT_EQ(first->search("text.size")->toResInt()->value(), 12);
    EXPECT_STREQ(first->search("line.style")->toResIdentifier()->value(), "DASH_LINE");
    EXPECT_STREQ(first->search("line.arrow")->toResIdentifier()->value(), "OPEN_ARROW");
    EXPECT_EQ(first->search("background.color")->toResRGB()->value(), RGBValue(255, 255, 255));

    std::unique_ptr<QAResGroup> tagged(s.toResource("my_style"));
    EXPECT_TRUE(tagged->isTag("my_style"));

    EXPECT_EQ(emphasisOf(5), "BOLD UNDERLINE ");
    EXPECT_EQ(emphasisOf(0), "NORMAL ");
    EXPECT_EQ(emphasisOf(4), "UNDERLINE ");
    EXPECT_EQ(emphasisOf(7), "BOLD ITALIC UNDERLINE ");
}

// Counts every setter call, to prove that resource reading goes through them.
class CountingStyle : public Style {
public:
    using Style::Style;
    std::map<std::string, int> calls;
    void setTextColor(const RGBValue& c) override
    {
        ++calls["textColor"];
        Style::setTextColor(c);
    }
    void setBackColor(const RGBValue& c) override
    {
        ++calls["backColor"];
        Style::setBackColor(c);
    }
    void setLineColor(const RGBValue& c) override
    {
        ++calls["lineColor"];
        Style::setLineColor(c);
    }
    void setFontStyle(Style::Font f) override
    {
        ++calls["fontStyle"];
        Style::setFontStyle(f);
    }
    void setLineStyle(Style::Line l) override
    {
        ++calls["lineStyle"];
        Style::setLineStyle(l);
    }
    void setArrowStyle(Style::Arrow a) override
    {
        ++calls["arrowStyle"];
        Style::setArrowStyle(a);
    }
    void setFontSize(int s) override
    {
        ++calls["fontSize"];
        Style::setFontSize(s);
    }
    void setFontName(const QString& n) override
    {
        ++calls["fontName"];
        Style::setFontName(n);
    }
    void composeFontStyle(Style::Font f) override
    {
        ++calls["composeFontStyle"];
        Style::composeFontStyle(f);
    }
};

TEST(Style, ResourceRoundTripGoesThroughTheVirtualSetters)
{
    Style original("fancy", 9);
    original.setTextColor(RGBValue(10, 20, 30));
    original.setBackColor(RGBValue(40, 50, 60));
    original.setLineColor(RGBValue(70, 80, 90));
    original.setFontStyle(Style::Font(Style::BOLD | Style::ITALIC));
    original.setLineStyle(Style::DASH_DOT_LINE);
    original.setArrowStyle(Style::HALF_ARROW);
    original.setFontName("Serif");
    original.setFontSize(17);
    std::unique_ptr<QAResGroup> group(original.toResource());

    CountingStyle copy("other", 1);
    copy.fromResource(group.get(), true);
    EXPECT_EQ(copy.name(), QString("fancy"));
    EXPECT_EQ(copy.id(), 9);
    EXPECT_EQ(copy.textColor(), original.textColor());
    EXPECT_EQ(copy.backColor(), original.backColor());
    EXPECT_EQ(copy.lineColor(), original.lineColor());
    EXPECT_EQ(copy.fontStyle(), original.fontStyle());
    EXPECT_EQ(copy.lineStyle(), original.lineStyle());
    EXPECT_EQ(copy.arrowStyle(), original.arrowStyle());
    EXPECT_EQ(copy.fontName(), original.fontName());
    EXPECT_EQ(copy.fontSize(), original.fontSize());
    const std::map<std::string, int> expected = {{"textColor", 1}, {"backColor", 1},       {"lineColor", 1},
                                                 {"lineStyle", 1}, {"arrowStyle", 1},      {"fontSize", 1},
                                                 {"fontName", 1},  {"composeFontStyle", 2}};
    EXPECT_EQ(copy.calls, expected);

    Style unnamed("keep", 1);
    unnamed.fromResource(group.get(), false);
    EXPECT_EQ(unnamed.name(), QString("keep"));
    EXPECT_EQ(unnamed.id(), 9);
}

TEST(Style, FromResourceSkipsWrongKindsAndLooksOnlyAtTheFirstBackgroundChild)
{
    std::unique_ptr<QAResGroup> group(new QAResGroup(
        "style",
        chainSiblings(
            {new QAResInt("name", 3), new QAResString("id", "5"),
             new QAResGroup("background",
                            chainSiblings({new QAResInt("width", 1), new QAResRGB("color", RGBValue(1, 1, 1))})),
             new QAResGroup("text",
                            chainSiblings({new QAResIdentifier("style", "BOLD"), new QAResString("size", "big"),
                                           new QAResList("style",
                                                         chainSiblings({new QAResIdentifier(nullptr, "ITALIC"),
                                                                        new QAResInt(nullptr, 4)}))})),
             new QAResString("line", "DOT_LINE"), new QAResInt("unknown", 1)})));
    CountingStyle s("S", 2);
    s.fromResource(group.get(), true);
    EXPECT_EQ(s.name(), QString("S"));
    EXPECT_EQ(s.id(), 2);
    EXPECT_EQ(s.backColor(), RGBValue(255, 255, 255));
    EXPECT_EQ(s.fontStyle(), Style::BOLD | Style::ITALIC) << "the list adds ITALIC to BOLD";
    EXPECT_EQ(s.fontSize(), 12);
    EXPECT_EQ(s.calls.count("backColor"), 0u);

    std::unique_ptr<QAResGroup> replace(
        new QAResGroup("style", new QAResGroup("text", new QAResIdentifier("style", "ITALIC"))));
    s.fromResource(replace.get(), true);
    EXPECT_EQ(s.fontStyle(), Style::ITALIC) << "a single identifier replaces the emphasis";

    std::unique_ptr<QAResInt> notAGroup(new QAResInt("style", 1));
    s.fromResource(notAGroup.get(), true);
    s.fromResource(nullptr, true);
    EXPECT_EQ(s.fontStyle(), Style::ITALIC);
}

TEST(Style, DebugPrintShowsEveryFieldButTheArrow)
{
    Style s("S", 7);
    EXPECT_EQ(print(s),
              "Style( \"S\", 7) {\n"
              " text_color = rgb(0, 0, 0)\n"
              " back_color = rgb(255, 255, 255)\n"
              " line_color = rgb(0, 0, 0)\n"
              " font_style = NORMAL\n"
              " line_style = SOLID_LINE\n"
              " font_name  = \"\"\n"
              " font_size  = 12\n}\n");
    s.setFontStyle(Style::Font(Style::BOLD | Style::ITALIC | Style::UNDERLINE));
    s.setLineStyle(Style::Line(9));
    s.setFontName("Mono");
    const std::string text = print(s);
    EXPECT_NE(text.find(" font_style = BOLD ITALIC UNDERLINE\n"), std::string::npos) << text;
    EXPECT_NE(text.find(" line_style = \n"), std::string::npos) << text;
    EXPECT_NE(text.find(" font_name  = \"Mono\"\n"), std::string::npos) << text;
}

}  // namespace
