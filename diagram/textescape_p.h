// Texts of the trace written into a diagram language so that the
// language's parser accepts them and shows them as they are.
//
// Both languages keep letters, digits, blanks and the characters that never
// start markup as they are and write the others as character references:
// PlantUML as <U+XXXX>, which its parser reads after its markup; Mermaid as
// #NNN;, its entity codes.  A line feed becomes the language's line break.
// A control character shows as its Unicode control picture (U+2400 ...).
#pragma once

#include <QString>

namespace diagram {

// For a quoted participant name, a message, note, loop, divider or delay text.
QString plantUmlText(const QString& text);

// For a participant's alias, a message, note or loop text, or a comment.
QString mermaidText(const QString& text);

// For a Graphviz string in double quotes: quotes and backslashes escaped,
// '&' as the entity Graphviz would otherwise read, a line feed as \n.
QString dotText(const QString& text);

}  // namespace diagram
