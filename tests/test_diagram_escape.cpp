// Escaping of trace texts for each language, and participant identifiers.
#include "diagram/participants_p.h"
#include "diagram/textescape_p.h"

#include <gtest/gtest.h>

namespace {

struct EscapeCase {
    QString text;
    QString plantUml;
    QString mermaid;
};

TEST(DiagramEscape, MarkupAndSyntaxBecomeCharacterReferences)
{
    const EscapeCase cases[] = {
        {"Sensor 12", "Sensor 12", "Sensor 12"},
        {"Sensor[0]", "Sensor<U+005B>0<U+005D>", "Sensor[0]"},
        {"a_b.c (d), e; f? g+h: i'j!k{l}^$", "a_b.c (d), e; f? g+h: i'j!k{l}^$",
         "a_b.c (d)#44; e#59; f? g+h#58; i'j!k{l}^$"},
        {"__u__ ... **b** //i// --s-- ~~w~~",
         "<U+005F><U+005F>u<U+005F><U+005F> <U+002E><U+002E><U+002E> "
         "<U+002A><U+002A>b<U+002A><U+002A> <U+002F><U+002F>i<U+002F><U+002F> "
         "<U+002D><U+002D>s<U+002D><U+002D> <U+007E><U+007E>w<U+007E><U+007E>",
         "__u__ ... **b** //i// --s-- ~~w~~"},
        {"line1\nline2", "line1\\nline2", "line1<br>line2"},
        {"back\\slash \"q\"", "back<U+005C>slash <U+0022>q<U+0022>", "back\\slash \"q\""},
        {"<b>&amp;</b>", "<U+003C>b<U+003E><U+0026>amp;<U+003C><U+002F>b<U+003E>", "#60;b#62;#38;amp#59;#60;/b#62;"},
        {"@startuml #red %date() [[x]] |a| ==",
         "<U+0040>startuml <U+0023>red <U+0025>date() <U+005B><U+005B>x<U+005D><U+005D> "
         "<U+007C>a<U+007C> <U+003D><U+003D>",
         "#64;startuml #35;red #37;date() [[x]] |a| =="},
        {"#59; %%{init}%% wrap:x", "<U+0023>59; <U+0025><U+0025>{init}<U+0025><U+0025> wrap:x",
         "#35;59#59; #37;#37;{init}#37;#37; wrap#58;x"},
        {"é 日本 \u00df\u00b6\ufb02\u00b0", "é 日本 \u00df\u00b6\ufb02\u00b0", "é 日本 #223;#182;#64258;#176;"},
        {"😀", "<U+1F600>", "😀"},
        {"bell\a del\x7f tab\t", "bell\u2407 del\u2421 tab<U+0009>", "bell\u2407 del\u2421 tab#9;"},
        {"", "", ""},
    };
    for (const EscapeCase& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(diagram::plantUmlText(c.text).toStdString(), c.plantUml.toStdString());
        EXPECT_EQ(diagram::mermaidText(c.text).toStdString(), c.mermaid.toStdString());
    }
}

TEST(DiagramEscape, IdentifiersAreUniqueAndNoKeyword)
{
    const QStringList names = {"Sensor[0]", "ISR Timer", "end",   "End",      "PARTICIPANT", "123",   "日本",
                               "",          "obj0:?",    "__x__", "Sensor 0", "Sensor_0",    "note2", "x-y"};
    const QStringList ids = {"Sensor_0", "ISR_Timer", "end_",  "End_",       "PARTICIPANT_", "p123",  "p",
                             "p_2",      "obj0",      "__x__", "Sensor_0_2", "Sensor_0_3",   "note2", "x_y"};
    QList<diagram::Participant> participants;
    for (const QString& name : names)
        participants.append(diagram::Participant{false, name, QString(), false, true});
    diagram::assignIdentifiers(participants);
    for (int i = 0; i < names.size(); ++i)
        EXPECT_EQ(participants[i].id.toStdString(), ids[i].toStdString()) << names[i].toStdString();
}

}  // namespace
