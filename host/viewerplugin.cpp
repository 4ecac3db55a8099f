#include "host/viewerplugin.h"

QAStViewerPlugin::~QAStViewerPlugin() = default;

QString QAStViewerPlugin::pluginCopyRight()
{
    return QString();
}
