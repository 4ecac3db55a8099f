#include "loader.h"

#include "host/qafileutil.h"

#include <cstring>
#include <dlfcn.h>

namespace {

// The plug-in object behind a component interface, if it is a viewer.
QAStViewerPlugin* viewerOf(QUnknownInterface* component)
{
    QUnknownInterface* found = nullptr;
    component->queryInterface(QGPluginInterface::IID, &found);
    if (!found)
        return nullptr;
    QGPlugin* plugin = static_cast<QGPluginInterface*>(found)->plugin();
    found->release();
    return qobject_cast<QAStViewerPlugin*>(plugin);
}

QString describeRecord(const char* record)
{
    return record ? QString::fromLocal8Bit(record).replace(QLatin1Char('\n'), QLatin1String("; "))
                  : QStringLiteral("none");
}

bool instantiate(void* library, const QString& path, LoadedPlugin* loaded, QString* error)
{
    auto instantiateFunction = reinterpret_cast<QUcmInstantiateFunction>(dlsym(library, "ucm_instantiate"));
    if (!instantiateFunction) {
        *error = QStringLiteral("%1 is not a plug-in: it has no ucm_instantiate").arg(path);
        return false;
    }
    loaded->component = instantiateFunction();
    loaded->viewer = loaded->component ? viewerOf(loaded->component) : nullptr;
    if (loaded->viewer)
        return true;
    *error = QStringLiteral("%1 holds no viewer plug-in").arg(path);
    releasePlugin(loaded);
    return false;
}

}  // namespace

bool loadPlugin(const QString& path, LoadedPlugin* loaded, QString* error)
{
    void* library = dlopen(QAFileUtil::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        *error = QStringLiteral("cannot load the plug-in library: %1").arg(QString::fromLocal8Bit(dlerror()));
        return false;
    }
    auto verification = reinterpret_cast<QUcmVerificationFunction>(dlsym(library, "qt_ucm_query_verification_data"));
    if (!verification) {
        *error = QStringLiteral("%1 is not a plug-in: it has no qt_ucm_query_verification_data").arg(path);
        return false;
    }
    const char* record = verification();
    if (!record || std::strcmp(record, QUcmBuildRecord) != 0) {
        *error = QStringLiteral("%1 was built for another host: its build record is \"%2\", this host's is \"%3\"")
                     .arg(path, describeRecord(record), describeRecord(QUcmBuildRecord));
        return false;
    }
    return instantiate(library, path, loaded, error);
}

void releasePlugin(LoadedPlugin* loaded)
{
    if (loaded->component)
        loaded->component->release();
    *loaded = LoadedPlugin();
}
