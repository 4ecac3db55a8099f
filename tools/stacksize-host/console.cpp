#include "console.h"

#include "tools/common/output.h"

#include <iostream>

void ConsoleOutput::endRawText()
{
    if (rawText_)
        std::cout << '\n';
    rawText_ = false;
}

void ConsoleOutput::appendOutput(const QString& line)
{
    endRawText();
    writeVerbatim(std::cout, line);
    std::cout << '\n';
}

void ConsoleOutput::appendError(const QString& line)
{
    endRawText();
    std::cout.flush();
    writeVerbatim(std::cerr, line);
    std::cerr << '\n';
}
