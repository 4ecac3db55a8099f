#include "tdf/reports_p.h"

#include <QCoreApplication>

namespace {

struct Source {
    const char* text;
    const char* comment;
};

struct ReportText {
    TDFReport report;
    const char* context;
    Source source;
};

// One row per report, in the order of the enumeration.
constexpr ReportText reportTexts[] = {
    {TDFReport::BadNumber, "Error", QT_TRANSLATE_NOOP3("Error", "bad number", "")},
    {TDFReport::NumberOverflow, "Error", QT_TRANSLATE_NOOP3("Error", "number overflow", "")},
    {TDFReport::HexNotTerminated, "Error",
     QT_TRANSLATE_NOOP3("Error", "hexadecimal number must be terminated by 'h'", "")},
    {TDFReport::HexOverflow, "Error", QT_TRANSLATE_NOOP3("Error", "32 bits number overflow", "")},
    {TDFReport::UnknownOpcodeInBlock, "Error", QT_TRANSLATE_NOOP3("Error", "unknown opcode in TSF file", "")},
    {TDFReport::UnknownOpcode, "Error", QT_TRANSLATE_NOOP3("Error", "unknown opcode or unexpected opcode", "")},
    {TDFReport::ErrorLimit, "Error",
     QT_TRANSLATE_NOOP3("Error", "error limit reached, continue to parsing silently.\n", "")},

    {TDFReport::ConfigurationNameNotString, "Error",
     QT_TRANSLATE_NOOP3("Error", "configuration name must be a string", "")},
    {TDFReport::UndefinedConfiguration, "Error", QT_TRANSLATE_NOOP3("Error", "undefined configuration name", "")},
    {TDFReport::ConfigurationMismatch, "Error",
     QT_TRANSLATE_NOOP3("Error", "configuration mistmatch the current, skipping this definition block", "")},
    {TDFReport::IdAlreadyStated, "Error", QT_TRANSLATE_NOOP3("Error", "id statement already defined", "")},
    {TDFReport::TooManyIds, "Error", QT_TRANSLATE_NOOP3("Error", "too many id defined", "")},
    {TDFReport::WrongBlockId, "Error", QT_TRANSLATE_NOOP3("Error", "wrong block identification", "")},
    {TDFReport::SuperInstanceNotNumber, "Error", QT_TRANSLATE_NOOP3("Error", "super-instance id must be a number", "")},
    {TDFReport::SuperInstanceNotFound, "Error", QT_TRANSLATE_NOOP3("Error", "referenced super instance not found", "")},
    {TDFReport::SourceAlreadyDefined, "Error", QT_TRANSLATE_NOOP3("Error", "source already defined", "")},
    {TDFReport::SourceFileNotString, "Error", QT_TRANSLATE_NOOP3("Error", "file name must be a string", "")},
    {TDFReport::WrongDate, "Error", QT_TRANSLATE_NOOP3("Error", "wrong date format", "")},
    {TDFReport::SourceTypeNotString, "Error", QT_TRANSLATE_NOOP3("Error", "source type must be a string", "")},
    {TDFReport::UnknownSourceType, "Error", QT_TRANSLATE_NOOP3("Error", "unknown source type", "")},
    {TDFReport::TypeNotString, "Error", QT_TRANSLATE_NOOP3("Error", "type parameter must be a string", "")},
    {TDFReport::UndefinedInstanceType, "Error", QT_TRANSLATE_NOOP3("Error", "undefined instance type", "")},
    {TDFReport::WrongIdentification, "Error", QT_TRANSLATE_NOOP3("Error", "wrong identification", "")},
    {TDFReport::IdAlreadyDefined, "Error", QT_TRANSLATE_NOOP3("Error", "id already defined", "")},
    {TDFReport::NameNotString, "Error", QT_TRANSLATE_NOOP3("Error", "name parameter must be a string", "")},
    {TDFReport::CantReadMSNumber, "Error", QT_TRANSLATE_NOOP3("Error", "can't read MS number", "")},
    {TDFReport::CantReadTXNumber, "Error", QT_TRANSLATE_NOOP3("Error", "can't read TX number", "")},
    {TDFReport::SecondNotString, "Error", QT_TRANSLATE_NOOP3("Error", "second parameter must be a string", "")},
    {TDFReport::NoBlockForStyle, "Error",
     QT_TRANSLATE_NOOP3("Error", "no current definition block defined (or definition block without tcf link)", "")},
    {TDFReport::CantRetrieveStyle, "Error", QT_TRANSLATE_NOOP3("Error", "can't retrieve style", "")},
    {TDFReport::LinkNotNumber, "Error", QT_TRANSLATE_NOOP3("Error", "link id must be a number", "")},
    {TDFReport::BlockWithoutId, "Error", QT_TRANSLATE_NOOP3("Error", "definition block has no id", "")},
    {TDFReport::SfIdOverflow, "Internal Error",
     QT_TRANSLATE_NOOP3("Internal Error", "internal error: sf_id overflow", "")},
    {TDFReport::BlockNotFoundSF, "Error", QT_TRANSLATE_NOOP3("Error", "definition block not found (SF)", "")},
    {TDFReport::BlockNotFoundCS, "Error", QT_TRANSLATE_NOOP3("Error", "definition block not found (CS)", "")},
    {TDFReport::RestartAnalyzing, "Warning",
     QT_TRANSLATE_NOOP3("Warning", "due to previous error, restart analyzing at this line (%1 lines skipped)",
                        "%1 is the number of line skipped")},
    {TDFReport::CantReadStyleId, "Error", QT_TRANSLATE_NOOP3("Error", "can't read style id.", "")},
    {TDFReport::CantReadLinkText, "Error", QT_TRANSLATE_NOOP3("Error", "can't read link text.", "")},
    {TDFReport::CantReadSfNumber, "Error", QT_TRANSLATE_NOOP3("Error", "can't read SF number", "")},
    {TDFReport::CantReadCsNumber, "Error", QT_TRANSLATE_NOOP3("Error", "can't read CS number", "")},
    {TDFReport::BlockNotClosed, "Error", QT_TRANSLATE_NOOP3("Error", "definition block not closed", "")},
    {TDFReport::DuplicateBlock, "Warning",
     QT_TRANSLATE_NOOP3("Warning", "definition block has the same ids as the one defined at %1",
                        "%1 is a file name and a line number, as file:line")},

    {TDFReport::CantRetrieveStaticInstance, "Error",
     QT_TRANSLATE_NOOP3("Error", "can't retrieve static instance.", "")},
    {TDFReport::NoBlockForMessage, "Error",
     QT_TRANSLATE_NOOP3("Error", "no definition block while reading message", "")},
    {TDFReport::CantReadMessageId, "Error", QT_TRANSLATE_NOOP3("Error", "can't read static id of message\n", "")},
    {TDFReport::CantReadMessageTarget, "Error",
     QT_TRANSLATE_NOOP3("Error", "can't read instance id of message target\n", "")},
    {TDFReport::CantReadMessageName, "Error", QT_TRANSLATE_NOOP3("Error", "can't read message name", "")},
    {TDFReport::CompletionOnComplete, "Error",
     QT_TRANSLATE_NOOP3("Error", "message completion on a complete message.", "")},
    {TDFReport::CompletionWithoutModel, "Error", QT_TRANSLATE_NOOP3("Error", "message completion without model.", "")},
    {TDFReport::CompletionModelMismatch, "Error",
     QT_TRANSLATE_NOOP3("Error", "message completion model doesn't match call model.", "")},
    {TDFReport::CompletionWithoutCall, "Error",
     QT_TRANSLATE_NOOP3("Error", "message completion without message call", "")},
    {TDFReport::MessageWithoutModel, "Error",
     QT_TRANSLATE_NOOP3("Error", "message %1 doesn't match any model in definition block.", "%1 is a number")},
    {TDFReport::CantReadCallId, "Error", QT_TRANSLATE_NOOP3("Error", "can't read message call identifier.", "")},
    {TDFReport::CantReadCallStaticId, "Error",
     QT_TRANSLATE_NOOP3("Error", "can't read static id of message call.", "")},
    {TDFReport::CallWithoutBlock, "Error", QT_TRANSLATE_NOOP3("Error", "message call with out definition block.", "")},
    {TDFReport::CallWithoutModel, "Error",
     QT_TRANSLATE_NOOP3("Error", "message call id (%1) doesn't match any one in current definition block.",
                        "%1 is a number")},
    {TDFReport::CantRetrieveInstance, "Error", QT_TRANSLATE_NOOP3("Error", "can't retrieve instance.", "")},
    {TDFReport::ReturnWithoutMessage, "Error",
     QT_TRANSLATE_NOOP3("Error", "can't found corresponding message for return.", "")},
    {TDFReport::CantReadInstanceId, "Error", QT_TRANSLATE_NOOP3("Error", "can't read instance id.", "")},
    {TDFReport::CantRetrieveDynamicInstance, "Error",
     QT_TRANSLATE_NOOP3("Error", "can't retrieve dynamic instance.", "")},
    {TDFReport::CantRetrieveCurrentInstance, "Error",
     QT_TRANSLATE_NOOP3("Error", "can't retrieve dynamic instance (CI)", "")},
    {TDFReport::NoBlockForInstance, "Error",
     QT_TRANSLATE_NOOP3("Error", "no definition block while reading instance", "")},
    {TDFReport::CantReadStaticInstanceId, "Error", QT_TRANSLATE_NOOP3("Error", "can't read static instance id.", "")},
    {TDFReport::CantReadInstanceName, "Error", QT_TRANSLATE_NOOP3("Error", "can't read instance name", "")},

    {TDFReport::ActionWithoutText, "Error", QT_TRANSLATE_NOOP3("Error", "neither string nor number for action.", "")},
    {TDFReport::TextWithoutBlock, "Error",
     QT_TRANSLATE_NOOP3("Error", "can't retrieve text, no definition block set.", "")},
    {TDFReport::ActionTextNotFound, "Error",
     QT_TRANSLATE_NOOP3("Error", "can't retrieve text id for action in definition block.", "")},
    {TDFReport::BlockActionTextNotFound, "Error",
     QT_TRANSLATE_NOOP3("Error", "can't retrive text id for action in definition block.", "")},
    {TDFReport::ActionWithoutInstance, "Error", QT_TRANSLATE_NOOP3("Error", "can't find instance for action.", "")},
    {TDFReport::SynchronisationWithoutText, "Error",
     QT_TRANSLATE_NOOP3("Error", "neither string nor number for synchronisation.", "")},
    {TDFReport::SynchronisationTextNotFound, "Error",
     QT_TRANSLATE_NOOP3("Error", "can't retrieve text id for synchronisation in definition block.", "")},
    {TDFReport::SynchronisationWithoutInstance, "Error",
     QT_TRANSLATE_NOOP3("Error", "SA whitout instance: no synchronisation created.", "")},
    {TDFReport::AlreadySynchronised, "Error",
     QT_TRANSLATE_NOOP3("Error", "instance %1 already included into synchronisation.", "%1 is a number")},
    {TDFReport::DestroyedAtSynchronisation, "Error",
     QT_TRANSLATE_NOOP3("Error", "instance %1 is destroyed at synchronisation time.", "%1 is a number")},
    {TDFReport::PendingNoteBeforeNote, "Warning",
     QT_TRANSLATE_NOOP3("Warning", "pending note while reading new one (ignore previous).", "")},
    {TDFReport::PendingGlyphBeforeNote, "Warning",
     QT_TRANSLATE_NOOP3("Warning", "pending glyph while reading note (ignore glyph).", "")},
    {TDFReport::UnknownCodec, "Error",
     QT_TRANSLATE_NOOP3("Error", "Unknown text codec '%1'", "%1 is the text codec name read from traces")},
    {TDFReport::CantRetrieveStaticText, "Error", QT_TRANSLATE_NOOP3("Error", "can't retrieve static text.", "")},
    {TDFReport::PendingGlyphBeforeGlyph, "Warning",
     QT_TRANSLATE_NOOP3("Warning", "pending glyph while reading new one (ignore previous).", "")},
    {TDFReport::PendingNoteBeforeGlyph, "Warning",
     QT_TRANSLATE_NOOP3("Warning", "pending note while reading glyph (ignore note).", "")},
    {TDFReport::GlyphWithoutBlock, "Error", QT_TRANSLATE_NOOP3("Error", "no definition block set.", "")},
    {TDFReport::GlyphBlockWithoutTCF, "Error", QT_TRANSLATE_NOOP3("Error", "definition block without tcf", "")},
    {TDFReport::GlyphIdNotNumber, "Error", QT_TRANSLATE_NOOP3("Error", "glyph id must be a number.", "")},
    {TDFReport::CantRetrieveGlyph, "Error", QT_TRANSLATE_NOOP3("Error", "can't retrieve glyph model", "")},
    {TDFReport::CantReadNoteText, "Error", QT_TRANSLATE_NOOP3("Error", "can't read note text", "")},
    {TDFReport::CantReadGlyphText, "Error", QT_TRANSLATE_NOOP3("Error", "can't read glyph text", "")},
    {TDFReport::BlockActionNotClosed, "Error", QT_TRANSLATE_NOOP3("Error", "block action not closed", "")},

    {TDFReport::MissingIterations, "Error",
     QT_TRANSLATE_NOOP3("Error", "missing iteration into loop start statement.", "")},
    {TDFReport::LoopEndWithoutStart, "Error",
     QT_TRANSLATE_NOOP3("Error", "can't found loop start for this end loop.", "")},
    {TDFReport::LoopsTooDeep, "Load TDF",
     QT_TRANSLATE_NOOP3("Load TDF", "loops nested deeper than %1", "%1 is the number of levels a trace may nest")},
    {TDFReport::ETAlreadySeen, "Error", QT_TRANSLATE_NOOP3("Error", "ET opcode already seen in traces", "")},
    {TDFReport::GANotInTriggerMode, "Error",
     QT_TRANSLATE_NOOP3("Error", "GA opcode cannot be used: not in external trigger mode (ET)", "")},
    {TDFReport::GAAlreadySeen, "Error", QT_TRANSLATE_NOOP3("Error", "GA opcode already seen in traces", "")},
    {TDFReport::GSNotInTriggerMode, "Error",
     QT_TRANSLATE_NOOP3("Error", "GS opcode cannot be used: not in external trigger mode (ET)", "")},
    {TDFReport::GSAlreadySeen, "Error", QT_TRANSLATE_NOOP3("Error", "GS opcode already seen in traces", "")},
    {TDFReport::GSBeforeGA, "Error", QT_TRANSLATE_NOOP3("Error", "GS opcode cannot be used prior GA one", "")},
    {TDFReport::ThreadWithoutBlock, "Error", QT_TRANSLATE_NOOP3("Error", "no current definition block defined", "")},
    {TDFReport::ThreadWithoutTCF, "Error", QT_TRANSLATE_NOOP3("Error", "no tcf defined in current definition", "")},
    {TDFReport::WrongThreadId, "Error", QT_TRANSLATE_NOOP3("Error", "wrong Thread id format", "")},
    {TDFReport::WrongThreadState, "Error", QT_TRANSLATE_NOOP3("Error", "wrong Thread state id format", "")},
    {TDFReport::WrongThreadPriority, "Error", QT_TRANSLATE_NOOP3("Error", "wrong Thread priority format", "")},
    {TDFReport::CantRetrieveThreadState, "Error", QT_TRANSLATE_NOOP3("Error", "can't retrieve thread model", "")},
    {TDFReport::CantReadThreadName, "Error", QT_TRANSLATE_NOOP3("Error", "can't read thread name", "")},

    {TDFReport::CantReadTimeUnit, "Error", QT_TRANSLATE_NOOP3("Error", "Can't read time unit.", "")},
    {TDFReport::CantReadTime, "Error", QT_TRANSLATE_NOOP3("Error", "can't read time.", "")},
    {TDFReport::CantReadTimeStep, "Error", QT_TRANSLATE_NOOP3("Error", "can't read time step.", "")},
    {TDFReport::CantReadHeapSize, "Error", QT_TRANSLATE_NOOP3("Error", "can't read heap size.", "")},

    {TDFReport::CantOpenFile, "Load TDF", QT_TRANSLATE_NOOP3("Load TDF", "Can't open file \"%1\"", "")},
    {TDFReport::CantReadFile, "Load TDF",
     QT_TRANSLATE_NOOP3("Load TDF", "Can't read file \"%1\": %2", "%1 is a file name, %2 the system's reason")},
    {TDFReport::LineTooLong, "Load TDF",
     QT_TRANSLATE_NOOP3("Load TDF", "line too long (more than %1 bytes): the rest of the file is not read",
                        "%1 is a number of bytes")},
    {TDFReport::NoMemoryForLine, "Load TDF",
     QT_TRANSLATE_NOOP3("Load TDF", "not enough memory to read this line: the rest of the file is not read", "")},
};

constexpr bool rowsFollowTheEnumeration()
{
    int row = 0;
    for (const ReportText& entry : reportTexts) {
        if (int(entry.report) != row++)
            return false;
    }
    return row == int(TDFReport::Count);
}
static_assert(rowsFollowTheEnumeration(), "one row per report, in the order of TDFReport");

const ReportText& row(TDFReport report)
{
    return reportTexts[int(report)];
}

}  // namespace

namespace TDFReports {

bool isWarning(TDFReport report)
{
    return qstrcmp(row(report).context, "Warning") == 0;
}

QString text(TDFReport report)
{
    const ReportText& entry = row(report);
    return QCoreApplication::translate(entry.context, entry.source.text, entry.source.comment);
}

}  // namespace TDFReports
