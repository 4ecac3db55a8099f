// Passing a child process's output lines on to the workbench's output window.
#pragma once

#include <QProcess>

class OutputWindow;

enum class LinesToPass {
    Complete,  // only lines ended by a line feed; a partial line waits for the rest
    All        // also the last line, ended or not: for a process that has finished
};

// Reads the lines waiting on `channel` of `process`, in order, and shows each
// in `window`: standard output as normal output, standard error as error
// output.  Line ends (LF or CR LF) are removed.  Without a window the lines
// are read and dropped.
void passLines(QProcess* process, QProcess::ProcessChannel channel, OutputWindow* window, LinesToPass which);
