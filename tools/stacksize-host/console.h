// The host's output window on the console.
#pragma once

#include "host/studio.h"

// Output lines go to standard output, error lines to standard error.  The
// plug-in also writes raw text (file names, export paths) to standard output
// without line ends; after such text, expectRawText() makes the next line,
// or endRawText(), start a new line first.
class ConsoleOutput : public OutputWindow {
public:
    void appendOutput(const QString& line) override;
    void appendError(const QString& line) override;
    void expectRawText() { rawText_ = true; }
    void endRawText();

private:
    bool rawText_ = false;
};
