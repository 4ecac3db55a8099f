// Instantiates the viewer plug-in through the library's entry point, as the
// workbench does, and prints its report name, then loads the library's
// German translation as a host does and prints the name again: exits 0 only
// when every step worked.  Everything goes through interfaces, so that the
// program itself needs no symbol of the host SDK, only the product library
// does.
#include "foundation/translation.h"
#include "plugin/stacksizeview.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QUnknownInterface* component = ucm_instantiate();
    QUnknownInterface* found = nullptr;
    if (!component || component->queryInterface(QGPluginInterface::IID, &found) != QS_OK)
        return 1;
    QGPlugin* plugin = static_cast<QGPluginInterface*>(found)->plugin();
    auto* viewer = plugin->inherits("QAStViewerPlugin") ? static_cast<QAStViewerPlugin*>(plugin) : nullptr;
    const QString reportName = viewer ? viewer->pluginName(3) : QString();
    // Found beside the installed library, wherever its prefix is.
    const bool translated = installStackSizeViewTranslator(QLocale(QStringLiteral("de_DE")));
    const QString germanName = viewer ? viewer->pluginName(3) : QString();
    found->release();
    component->release();
    std::cout << reportName.toLocal8Bit().constData() << '\n' << germanName.toLocal8Bit().constData() << '\n';
    return reportName == QLatin1String("Stack Size Profiling Report") && translated
            && germanName == QStringLiteral("Bericht zum Stackgrößenprofil")
        ? 0
        : 1;
}
