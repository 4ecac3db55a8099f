// Every report of the trace reader, in one place: the handlers name a
// report, the table gives its translation context and text.
#pragma once

#include <QString>

enum class TDFReport : int {
    // Line syntax and dispatch.
    BadNumber,
    NumberOverflow,
    HexNotTerminated,
    HexOverflow,
    UnknownOpcodeInBlock,
    UnknownOpcode,
    ErrorLimit,
    // Definition blocks.
    ConfigurationNameNotString,
    UndefinedConfiguration,
    ConfigurationMismatch,
    IdAlreadyStated,
    TooManyIds,
    WrongBlockId,
    SuperInstanceNotNumber,
    SuperInstanceNotFound,
    SourceAlreadyDefined,
    SourceFileNotString,
    WrongDate,
    SourceTypeNotString,
    UnknownSourceType,
    TypeNotString,
    UndefinedInstanceType,
    WrongIdentification,
    IdAlreadyDefined,
    NameNotString,
    CantReadMSNumber,
    CantReadTXNumber,
    SecondNotString,
    NoBlockForStyle,
    CantRetrieveStyle,
    LinkNotNumber,
    BlockWithoutId,
    SfIdOverflow,
    BlockNotFoundSF,
    BlockNotFoundCS,
    RestartAnalyzing,
    // Instances and messages.
    CantRetrieveStaticInstance,
    NoBlockForMessage,
    CantReadMessageId,
    CantReadMessageTarget,
    CantReadMessageName,
    CompletionOnComplete,
    CompletionWithoutModel,
    CompletionModelMismatch,
    CompletionWithoutCall,
    MessageWithoutModel,
    CantReadCallId,
    CantReadCallStaticId,
    CallWithoutBlock,
    CallWithoutModel,
    CantRetrieveInstance,
    ReturnWithoutMessage,
    CantReadInstanceId,
    CantRetrieveDynamicInstance,
    CantRetrieveCurrentInstance,
    // Actions, synchronisations, notes and glyphs.
    ActionWithoutText,
    TextWithoutBlock,
    ActionTextNotFound,
    BlockActionTextNotFound,
    ActionWithoutInstance,
    SynchronisationWithoutText,
    SynchronisationTextNotFound,
    SynchronisationWithoutInstance,
    AlreadySynchronised,
    DestroyedAtSynchronisation,
    PendingNoteBeforeNote,
    PendingGlyphBeforeNote,
    UnknownCodec,
    CantRetrieveStaticText,
    PendingGlyphBeforeGlyph,
    PendingNoteBeforeGlyph,
    GlyphWithoutBlock,
    GlyphBlockWithoutTCF,
    GlyphIdNotNumber,
    CantRetrieveGlyph,
    // Loops, triggers and threads.
    MissingIterations,
    LoopEndWithoutStart,
    ETAlreadySeen,
    GANotInTriggerMode,
    GAAlreadySeen,
    GSNotInTriggerMode,
    GSAlreadySeen,
    GSBeforeGA,
    ThreadWithoutBlock,
    ThreadWithoutTCF,
    WrongThreadId,
    WrongThreadState,
    WrongThreadPriority,
    CantRetrieveThreadState,
    // Time base.
    CantReadTimeUnit,
    CantReadTime,
    CantReadTimeStep,
    CantReadHeapSize,
    // Files.
    CantOpenFile,
    CantReadFile,
    Count
};

namespace TDFReports {

// Whether the report is a warning rather than an error.
bool isWarning(TDFReport report);
// The translated text; placeholders are left for the caller.
QString text(TDFReport report);

}  // namespace TDFReports
