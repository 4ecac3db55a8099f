// Style resolution and the built-in styles.
#include "render/diagramstyles_p.h"

namespace {

// A built-in style: black text of 9 points unless told otherwise.
const Style* builtIn(std::vector<std::unique_ptr<Style>>& owned, const char* name, const RGBValue& line,
                     Style::Line kind = Style::SOLID_LINE, int fontSize = 9)
{
    owned.push_back(std::make_unique<Style>(QString::fromLatin1(name), 0));
    Style* style = owned.back().get();
    style->setLineColor(line);
    style->setTextColor(line);
    style->setLineStyle(kind);
    style->setFontSize(fontSize);
    return style;
}

}  // namespace

DiagramStyles::DiagramStyles(const TCF* tcf, std::vector<std::unique_ptr<Style>>& owned)
    : tcf_(tcf), plain_(builtIn(owned, "plain", RGBValue(0, 0, 0), Style::SOLID_LINE, 10)),
      separator_(builtIn(owned, "separator", RGBValue(90, 90, 90), Style::DASH_LINE)),
      glyph_(builtIn(owned, "glyph", RGBValue(0, 90, 180))),
      warningGlyph_(builtIn(owned, "warning glyph", RGBValue(200, 0, 0))),
      legend_(builtIn(owned, "legend", RGBValue(60, 60, 60)))
{
}

const Style* DiagramStyles::slot(TCF::Object object) const
{
    const Style* style = tcf_ ? tcf_->defaultStyle(object) : nullptr;
    return style ? style : plain_;
}
