#include "plugin/processlines_p.h"

#include "host/studio.h"

namespace {

QString lineText(QByteArray line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromLocal8Bit(line);
}

void show(OutputWindow* window, QProcess::ProcessChannel channel, const QString& line)
{
    if (!window)
        return;
    if (channel == QProcess::StandardError)
        window->appendError(line);
    else
        window->appendOutput(line);
}

}  // namespace

void passLines(QProcess* process, QProcess::ProcessChannel channel, OutputWindow* window, LinesToPass which)
{
    process->setReadChannel(channel);
    while (process->canReadLine())
        show(window, channel, lineText(process->readLine()));
    if (which == LinesToPass::All && process->bytesAvailable() > 0)
        show(window, channel, lineText(process->readAll()));
}
