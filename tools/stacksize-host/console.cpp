#include "console.h"

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
    std::cout << line.toLocal8Bit().constData() << '\n';
}

void ConsoleOutput::appendError(const QString& line)
{
    endRawText();
    std::cout.flush();
    std::cerr << line.toLocal8Bit().constData() << '\n';
}
