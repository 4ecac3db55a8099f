#include "tools/tracetool/tracetool_summary.h"

#include "tools/common/output.h"

#include <QStringList>

namespace {

// `text` between double quotes, with quotes and backslashes escaped as in
// resource files (control characters are escaped when printed).
QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', QLatin1String("\\\\"));
    escaped.replace(u'"', QLatin1String("\\\""));
    return u'"' + escaped + u'"';
}

// A string that may be unset: quoted, or the word `unset`.
QString optionalText(const QString& text, const char* unset = "none")
{
    return text.isNull() ? QString::fromLatin1(unset) : quoted(text);
}

// An enumerator text, or "?" for a value outside its table.
const char* known(const char* text)
{
    return text ? text : "?";
}

const char* controlFlowText(bool nested)
{
    return nested ? "NESTED" : "FLAT";
}

// Applies `print` to every non-null item of `list`, in order.
template <class T, class Print>
void forEach(const List<T*>& list, Print print)
{
    for (const T* item : list) {
        if (item)
            print(*item);
    }
}

QString fontStyleText(int fontStyle)
{
    QStringList bits;
    for (Style::Font font : {Style::BOLD, Style::ITALIC, Style::UNDERLINE}) {
        if (fontStyle & font)
            bits << QLatin1String(known(Style::strFont(font)));
    }
    return bits.isEmpty() ? QStringLiteral("NORMAL") : bits.join(u'|');
}

void printStyle(std::ostream& out, const Style& style)
{
    out << "    " << style.id() << ' ' << quoted(style.name()) << ": text " << style.textColor() << ' '
        << fontStyleText(style.fontStyle()) << ", font " << optionalText(style.fontName(), "default") << ' '
        << style.fontSize() << ", background " << style.backColor() << ", line " << style.lineColor() << ' '
        << known(Style::strLine(style.lineStyle())) << ' ' << known(Style::strArrow(style.arrowStyle())) << "\n";
}

QString styleRef(const Style* style)
{
    return style ? QString::number(style->id()) + u' ' + quoted(style->name()) : QStringLiteral("none");
}

// A naming as it is written in a resource list.
QString namingText(const Naming& naming)
{
    QStringList operands;
    forEach(naming.ops, [&operands](const NamingOp& op) {
        const bool literal = op.type == NamingOp::LITERAL;
        operands << (literal ? quoted(op.text) : QString::fromLatin1(known(NamingOp::strType(op.type))));
    });
    return u'(' + operands.join(QLatin1String(", ")) + u')';
}

void printLoopNaming(std::ostream& out, Naming* naming)
{
    out << "  loop naming:   " << (naming ? namingText(*naming) : QStringLiteral("default"))
        << "; loop 1, id 1.3, iteration 5: " << quoted(Naming::processLoop(naming, 1, QStringLiteral("1.3"), 5))
        << "\n";
}

void printInstanceType(std::ostream& out, const InstanceType& type)
{
    out << "    " << type.name << ": icon " << optionalText(type.iconTag) << ", style " << styleRef(type.style)
        << ", control flow " << controlFlowText(type.nestedControlFlow())
        << (type.hasControlFlow ? " (own)" : " (configuration's)") << "\n      naming "
        << (type.naming ? namingText(*type.naming) : QStringLiteral("default"))
        << "; occurrence 1 of Model: " << quoted(Naming::processInstance(type.naming, 1, QStringLiteral("Model")))
        << "\n";
}

void printDefaultStyles(std::ostream& out, const TCF& tcf)
{
    out << "  default styles:\n";
    for (int object = 0; object < TCF::objectCount; ++object) {
        const char* slot = TCF::strObject(TCF::Object(object));
        out << "    " << slot << QString(22 - int(qstrlen(slot)), u' ')
            << styleRef(tcf.defaultStyle(TCF::Object(object))) << "\n";
    }
}

}  // namespace

void printSummary(std::ostream& out, const TCF& tcf)
{
    out << "configuration " << quoted(tcf.name()) << "\n"
        << "  public name:   " << quoted(tcf.publicName()) << "\n"
        << "  comment:       " << optionalText(tcf.comment()) << "\n"
        << "  id length:     " << tcf.idLength() << "\n"
        << "  control flow:  " << controlFlowText(tcf.nestedControlFlow()) << "\n"
        << "  world actor:   " << (tcf.displayWorldActor ? "shown" : "hidden") << "\n";
    printLoopNaming(out, tcf.loopNaming);
    out << "  styles (" << tcf.styles.count << "):\n";
    forEach(tcf.styles, [&out](const Style& style) { printStyle(out, style); });
    printDefaultStyles(out, tcf);
    out << "  instance types (" << tcf.instanceTypes.count << "):\n";
    forEach(tcf.instanceTypes, [&out](const InstanceType& type) { printInstanceType(out, type); });
    out << "  thread states (" << tcf.threadStates.count << "):\n";
    forEach(tcf.threadStates, [&out](const ThreadState& state) {
        out << "    " << state.id << ' ' << quoted(state.name) << (state.isActiveState ? " (active)" : "") << "\n";
    });
    out << "  glyphs (" << tcf.glyphs.count << "):\n";
    forEach(tcf.glyphs, [&out](const Glyph& glyph) {
        out << "    " << glyph.id << ' ' << quoted(glyph.name) << ": " << known(Glyph::strType(glyph.type)) << ", icon "
            << optionalText(glyph.iconTag) << "\n";
    });
}
