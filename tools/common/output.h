// What the command-line programs print, and how they end.
#pragma once

#include <QString>
#include <ostream>

// The exit statuses of every program.
enum ExitStatus {
    ExitOk = 0,
    ExitInputErrors = 1,  // the input had errors, or the run produced nothing
    ExitTrouble = 2,      // bad command line, unreadable file or unwritable output
};

// `text` with every control character escaped, so that printed text can
// neither hide other text nor drive the terminal: \0 \a \b \t \n \v \f \r \e,
// the others as \xHH; so are the bytes 0x80 to 0x9F of a name that is not
// UTF-8 (see QAFileUtil::decodeName), which a terminal takes for controls.
QString escapeControls(const QString& text);

// The same, but for line feeds and tabs: lines of text as a terminal should
// show them.
QString escapeForTerminal(const QString& text);

// Writes `text` with its control characters escaped, in the local 8-bit
// encoding (UTF-8; the bytes of a name that is not UTF-8 as they were given,
// see QAFileUtil::encodeName).
std::ostream& operator<<(std::ostream& out, const QString& text);

// Writes `text` as it is, every character of it (NUL and escape included),
// in the same encoding.
void writeVerbatim(std::ostream& out, const QString& text);

// Writes "PROGRAM: message" on standard error.
void printError(const QString& message);

// From now on, of Qt's own messages only the critical ones are shown (as
// errors): its notes, such as a missing runtime directory on the offscreen
// platform, are not the user's business.
void showOnlyQtErrors();

// The name in front of the program's messages; runProgram sets it.
void setProgramName(const QString& name);

// Flushes standard output.  When any write to it failed, says so and
// returns at least ExitTrouble; otherwise returns `status`.
int finishOutput(int status);
