// The opcodes of the trace format: one table, read by the dispatcher (which
// handler a line goes to in each reading mode) and by the writer (the text
// of each opcode).
#pragma once

#include "tdf/tdfreader.h"

enum class TDFOpcode : unsigned char {
    DB,
    ED,
    ID,
    IN,
    MS,
    TX,
    SI,
    SO,
    ST,
    LK,
    CS,
    SF,  // definition blocks
    NI,
    ME,
    MC,
    MR,
    DI,
    CI,
    DA,  // instances and messages
    BA,
    EA,
    AC,
    SA,
    SY,
    GL,
    NO,  // actions, notes, glyphs
    LS,
    LE,
    ET,
    GS,
    GA,
    NT,
    TI,  // loops, triggers, threads
    TU,
    TM,
    TS,
    HS,  // time base
    OT,
    US,
    CA,
    CB,
    CC,
    QA,
    SC,
    VG,  // known, never read
    Count
};

namespace TDFOpcodes {

// What a reading mode does with a line of an opcode.
enum class Action : unsigned char {
    Handle,  // the opcode's handler reads it
    Ignore,  // skipped silently
    Reject,  // reported as an unknown or unexpected opcode
};

typedef TDFObject* (*Handler)(TDF& reader, char* operands, bool* created, TDF::ModelChangment* changment);

struct Row {
    TDFOpcode opcode;
    char text[3];
    Action inDefinitionBlock;
    Action inEvents;
    Action inBlockAction;
    Handler handler;  // null for the opcodes that are never read
};

const Row& row(TDFOpcode opcode);
// The two letters of an opcode.
inline const char* text(TDFOpcode opcode)
{
    return row(opcode).text;
}
// The row of the opcode that `line` starts with; null when it starts with
// no opcode of the table.
const Row* find(const char* line);

}  // namespace TDFOpcodes
