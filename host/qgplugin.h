// Plug-in objects and the entry points of a plug-in library.
//
// A plug-in library exports two unmangled functions:
//   const char* qt_ucm_query_verification_data();  // its build record
//   QUnknownInterface* ucm_instantiate();           // a new plug-in's interface
// The host instantiates only when the build record equals QUcmBuildRecord.
// From the interface it reaches the plug-in object through QGPluginInterface.
#pragma once

#include "hostsdk_export.h"

#include "host/qucom.h"

#include <QObject>
#include <memory>

class QGPlugin;

using QUcmVerificationFunction = const char* (*)();
using QUcmInstantiateFunction = QUnknownInterface* (*)();

inline constexpr char QUcmBuildRecord[] = "pattern=QT_UCM_VERIFICATION_DATA\n"
                                          "version=3.3.8\n"
                                          "flags=01\n"
                                          "buildkey=x86_64 Linux g++-4 full-config no-opengl QT_NO_LIBRARY_UNLOAD";

class HOSTSDK_EXPORT QGPluginInterface : public QUnknownInterface {
public:
    // {a0e44fd8-0be5-40dd-882e-822dd93f6f63}
    static constexpr QUuid IID{0xa0e44fd8, 0x0be5, 0x40dd, 0x88, 0x2e, 0x82, 0x2d, 0xd9, 0x3f, 0x6f, 0x63};

    virtual QGPlugin* plugin() = 0;
};

// A plug-in object.  Whoever holds its interface owns it: the release of the
// last reference deletes the object.
class HOSTSDK_EXPORT QGPlugin : public QObject {
    Q_OBJECT

public:
    QGPlugin();
    ~QGPlugin() override;

    // The plug-in's interface, with one reference for the caller.
    QUnknownInterface* iface();

private:
    class Component;
    std::unique_ptr<Component> component_;
};
