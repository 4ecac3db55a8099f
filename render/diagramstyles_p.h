// The styles a diagram draws with: the model's (an event's own style, else
// the configuration's default style of its kind), and built-in styles where
// the configuration has none.
#pragma once

#include "render/drawstyle_p.h"
#include "tcf/tcf.h"

#include <memory>
#include <vector>

class DiagramStyles {
public:
    // The built-in styles are added to `owned`, which must outlive the
    // pointers handed out.
    DiagramStyles(const TCF* tcf, std::vector<std::unique_ptr<Style>>& owned);

    // The configuration's style of a slot, else the plain built-in style.
    const Style* slot(TCF::Object object) const;
    // A style of the model, else the plain built-in style.
    const Style* of(const Style* style) const { return style ? style : plain_; }
    const Style* separator() const { return separator_; }
    const Style* glyph(bool warning) const { return warning ? warningGlyph_ : glyph_; }
    const Style* legend() const { return legend_; }
    bool worldShown() const { return !tcf_ || tcf_->displayWorldActor; }
    TextMeasure& measure() { return measure_; }

private:
    const TCF* tcf_;
    const Style* plain_;
    const Style* separator_;
    const Style* glyph_;
    const Style* warningGlyph_;
    const Style* legend_;
    TextMeasure measure_;
};
