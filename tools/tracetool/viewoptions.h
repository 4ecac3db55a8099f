// The options of every command that shows a trace (render, export, html,
// diff): the window of events and the filters of the sequence model, so
// that every view shows the same events for the same options.
#pragma once

#include "sequence/sequencemodel.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>

class TDF;

// --from, --count, --time, --only, --hide, --hide-edges, --hide-returns,
// --hide-notes, --component, --hide-internal, --threads, --time-format.
QList<QCommandLineOption> viewOptions();

// Reads the options into *options, all but --time, whose units the trace
// tells.  False, with a usage error in *status, for a value that is wrong.
bool viewArguments(const QCommandLineParser& parser, SequenceOptions* options, int* status);

// The regular expressions of a repeatable option into *list.  False, with a
// usage error in *status, for one that does not compile.
bool patternArguments(const QCommandLineParser& parser, const QCommandLineOption& option,
                      QList<QRegularExpression>* list, int* status);

// Reads --time in the trace's unit and checks that --from lies in the
// trace.  False, with a usage error in *status, when either does not.
bool viewWindowInTrace(const QCommandLineParser& parser, const TDF& reader, SequenceOptions* options, int* status);
