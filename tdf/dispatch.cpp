// Reading one line: the opcode table and the dispatch by reading mode.
#include "tdf/opcodes_p.h"
#include "tdf/reports_p.h"

namespace TDFOpcodes {

namespace {

// Adapters giving every handler the one signature of the table.
template <void (TDF::*read)(char*)>
TDFObject* plain(TDF& reader, char* operands, bool*, TDF::ModelChangment*)
{
    (reader.*read)(operands);
    return nullptr;
}

template <TDFObject* (TDF::*read)(char*, bool*)>
TDFObject* creating(TDF& reader, char* operands, bool* created, TDF::ModelChangment*)
{
    return (reader.*read)(operands, created);
}

template <TDFObject* (TDF::*read)(char*)>
TDFObject* yielding(TDF& reader, char* operands, bool*, TDF::ModelChangment*)
{
    return (reader.*read)(operands);
}

TDFObject* newInstance(TDF& reader, char* operands, bool* created, TDF::ModelChangment* changment)
{
    return reader.readNI(operands, created, changment);
}

constexpr Action H = Action::Handle;
constexpr Action I = Action::Ignore;
constexpr Action R = Action::Reject;

// Columns: in a definition block, between events, in a block action.
constexpr Row rows[] = {
    {TDFOpcode::DB, "DB", R, H, I, plain<&TDF::readDB>},
    {TDFOpcode::ED, "ED", H, R, I, creating<&TDF::readED>},
    {TDFOpcode::ID, "ID", H, R, I, plain<&TDF::readID>},
    {TDFOpcode::IN, "IN", H, R, I, plain<&TDF::readIN>},
    {TDFOpcode::MS, "MS", H, R, I, plain<&TDF::readMS>},
    {TDFOpcode::TX, "TX", H, R, I, plain<&TDF::readTX>},
    {TDFOpcode::SI, "SI", H, R, I, plain<&TDF::readSI>},
    {TDFOpcode::SO, "SO", H, R, I, plain<&TDF::readSO>},
    {TDFOpcode::ST, "ST", H, H, I, plain<&TDF::readST>},
    {TDFOpcode::LK, "LK", H, H, I, plain<&TDF::readLK>},
    {TDFOpcode::CS, "CS", R, H, I, plain<&TDF::readCS>},
    {TDFOpcode::SF, "SF", R, H, I, plain<&TDF::readSF>},
    {TDFOpcode::NI, "NI", R, H, I, newInstance},
    {TDFOpcode::ME, "ME", R, H, I, creating<&TDF::readME>},
    {TDFOpcode::MC, "MC", R, H, I, creating<&TDF::readMC>},
    {TDFOpcode::MR, "MR", R, H, I, creating<&TDF::readMR>},
    {TDFOpcode::DI, "DI", R, H, I, creating<&TDF::readDI>},
    {TDFOpcode::CI, "CI", R, H, I, creating<&TDF::readCI>},
    {TDFOpcode::DA, "DA", R, H, I, creating<&TDF::readDA>},
    {TDFOpcode::BA, "BA", R, H, H, plain<&TDF::readBA>},
    {TDFOpcode::EA, "EA", R, R, H, creating<&TDF::readEA>},
    {TDFOpcode::AC, "AC", R, H, I, creating<&TDF::readAC>},
    {TDFOpcode::SA, "SA", R, H, I, creating<&TDF::readSA>},
    {TDFOpcode::SY, "SY", R, H, I, creating<&TDF::readSY>},
    {TDFOpcode::GL, "GL", R, H, I, plain<&TDF::readGL>},
    {TDFOpcode::NO, "NO", R, H, I, plain<&TDF::readNO>},
    {TDFOpcode::LS, "LS", R, H, I, creating<&TDF::readLS>},
    {TDFOpcode::LE, "LE", R, H, I, creating<&TDF::readLE>},
    {TDFOpcode::ET, "ET", R, H, I, creating<&TDF::readET>},
    {TDFOpcode::GS, "GS", R, H, I, creating<&TDF::readGS>},
    {TDFOpcode::GA, "GA", R, H, I, creating<&TDF::readGA>},
    {TDFOpcode::NT, "NT", R, H, I, yielding<&TDF::readNT>},
    {TDFOpcode::TI, "TI", R, H, I, plain<&TDF::readTI>},
    {TDFOpcode::TU, "TU", R, H, I, plain<&TDF::readTU>},
    {TDFOpcode::TM, "TM", R, H, I, plain<&TDF::readTM>},
    {TDFOpcode::TS, "TS", R, H, I, plain<&TDF::readTS>},
    {TDFOpcode::HS, "HS", R, H, I, plain<&TDF::readHS>},
    {TDFOpcode::OT, "OT", I, I, I, nullptr},
    {TDFOpcode::US, "US", I, I, I, nullptr},
    {TDFOpcode::CA, "CA", I, R, I, nullptr},
    {TDFOpcode::CB, "CB", I, R, I, nullptr},
    {TDFOpcode::CC, "CC", I, R, I, nullptr},
    {TDFOpcode::QA, "QA", I, R, I, nullptr},
    {TDFOpcode::SC, "SC", I, R, I, nullptr},
    {TDFOpcode::VG, "VG", I, R, I, nullptr},
};

constexpr bool rowsFollowTheEnumeration()
{
    int index = 0;
    for (const Row& entry : rows) {
        if (int(entry.opcode) != index++)
            return false;
    }
    return index == int(TDFOpcode::Count);
}
static_assert(rowsFollowTheEnumeration(), "one row per opcode, in the order of TDFOpcode");

// Every opcode is two upper-case letters: a 26 x 26 table finds its row.
const int letters = 26;

bool isUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

struct Index {
    signed char rowOf[letters * letters];

    Index()
    {
        for (signed char& entry : rowOf)
            entry = -1;
        for (const Row& entry : rows)
            rowOf[(entry.text[0] - 'A') * letters + entry.text[1] - 'A'] = static_cast<signed char>(entry.opcode);
    }
};

const Index& index()
{
    static const Index built;
    return built;
}

}  // namespace

const Row& row(TDFOpcode opcode)
{
    return rows[int(opcode)];
}

const Row* find(const char* line)
{
    if (!isUpper(line[0]) || !isUpper(line[1]))
        return nullptr;
    const int found = index().rowOf[(line[0] - 'A') * letters + line[1] - 'A'];
    return found < 0 ? nullptr : &rows[found];
}

}  // namespace TDFOpcodes

namespace {

using TDFOpcodes::Action;

enum class Mode { DefinitionBlock, SkippedBlock, Events, BlockAction };

// A line holding only its line feed.
bool isEmptyLine(const char* line)
{
    return line[0] == '\n' && line[1] == '\0';
}

// A "tdp" line: the letters t, d, p and a white-space character.
bool isTdpLine(const char* line)
{
    return line[0] == 't' && line[1] == 'd' && line[2] == 'p' && TDF::isWhite(line[3]);
}

// What `mode` does with `line`, whose opcode has the row `row` (null for
// none).  A block that an error invalidated skips every line up to its ED.
Action actionFor(const TDFOpcodes::Row* row, const char* line, Mode mode)
{
    if (isEmptyLine(line))
        return Action::Ignore;
    switch (mode) {
    case Mode::SkippedBlock:
        return row && row->opcode == TDFOpcode::ED ? Action::Handle : Action::Ignore;
    case Mode::DefinitionBlock:
        return row ? row->inDefinitionBlock : Action::Reject;
    case Mode::Events:
        return row ? row->inEvents : isTdpLine(line) ? Action::Ignore : Action::Reject;
    case Mode::BlockAction:
        return row ? row->inBlockAction : Action::Ignore;
    }
    return Action::Reject;
}

// The operands: past the (at most two) opcode characters and the blanks after them.
char* operandsOf(const char* line)
{
    char* cursor = const_cast<char*>(line);
    for (int taken = 0; taken < 2 && *cursor; ++taken)
        ++cursor;
    TDF::readWhite(&cursor);
    return cursor;
}

}  // namespace

TDFObject* TDF::read(const char* line, bool* created, ModelChangment* changment)
{
    if (changment)
        *changment = NO_CHANGE;
    ++lineNumber;
    Mode mode = Mode::Events;
    if (inBlockAction)
        mode = Mode::BlockAction;
    else if (inDefinitionBlock)
        mode = definingBlock && definingBlock->valid ? Mode::DefinitionBlock : Mode::SkippedBlock;

    const TDFOpcodes::Row* row = TDFOpcodes::find(line);
    switch (actionFor(row, line, mode)) {
    case Action::Handle:
        return row->handler(*this, operandsOf(line), created, changment);
    case Action::Ignore:
        return nullptr;
    case Action::Reject:
        error(mode == Mode::DefinitionBlock ? TDFReport::UnknownOpcodeInBlock : TDFReport::UnknownOpcode);
        return nullptr;
    }
    return nullptr;
}
