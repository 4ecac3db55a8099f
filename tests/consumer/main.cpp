// Instantiates the viewer plug-in through the library's entry point, as the
// workbench does, and prints its report name: exits 0 only when every step
// worked.  Everything goes through interfaces, so that the program itself
// needs no symbol of the host SDK, only the product library does.
#include "plugin/stacksizeview.h"

#include <iostream>

extern "C" QUnknownInterface* ucm_instantiate();

int main()
{
    QUnknownInterface* component = ucm_instantiate();
    QUnknownInterface* found = nullptr;
    if (!component || component->queryInterface(QGPluginInterface::IID, &found) != QS_OK)
        return 1;
    QGPlugin* plugin = static_cast<QGPluginInterface*>(found)->plugin();
    const bool viewer = plugin->inherits("QAStViewerPlugin");
    const QString reportName = viewer ? static_cast<QAStViewerPlugin*>(plugin)->pluginName(3) : QString();
    found->release();
    component->release();
    std::cout << reportName.toLocal8Bit().constData() << '\n';
    return reportName == QLatin1String("Stack Size Profiling Report") ? 0 : 1;
}
