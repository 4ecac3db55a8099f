// The styles a diagram draws with: the configuration's default style of each
// kind of object, an event's own style before it, and built-in styles where
// the configuration has none.
#pragma once

#include "render/drawstyle_p.h"
#include "tcf/tcf.h"

#include <memory>
#include <vector>

class TDFObject;

class DiagramStyles {
public:
    // The built-in styles are added to `owned`, which must outlive the
    // pointers handed out.
    DiagramStyles(const TCF* tcf, std::vector<std::unique_ptr<Style>>& owned);

    // The configuration's style of a slot, else the plain built-in style.
    const Style* slot(TCF::Object object) const;
    // The object's own (or model's) style, else the slot's.
    const Style* of(TDFObject* object, TCF::Object fallback) const;
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
