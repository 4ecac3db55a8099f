// The studio: the workbench's main interface to its plug-ins, and its output
// window.
#pragma once

#include "hostsdk_export.h"

#include "host/qucom.h"

#include <QString>
#include <QStringList>

// The workbench's output pane.
class HOSTSDK_EXPORT OutputWindow {
public:
    virtual ~OutputWindow() = default;
    virtual void appendOutput(const QString& line) = 0;
    virtual void appendError(const QString& line) = 0;
};

class HOSTSDK_EXPORT StudioInterface : public QUnknownInterface {
public:
    // {cedeb1c6-d23b-431d-a038-1275cd056913}
    static constexpr QUuid IID{0xcedeb1c6, 0xd23b, 0x431d, 0xa0, 0x38, 0x12, 0x75, 0xcd, 0x05, 0x69, 0x13};

    // Sets *iface to the interface `id` the studio holds under `key` (one
    // reference added), or to null.
    virtual void findInterface(const QString& key, const QUuid& id, QUnknownInterface** iface) = 0;
    // The keys under which the studio holds an interface `id`.
    virtual QStringList findKeys(const QUuid& id) = 0;
    virtual OutputWindow* outputWindow() = 0;
    // Directory of the plug-ins' images, without a trailing separator.
    virtual QString imagesDirectory() = 0;
    // Directory of the workbench's scripts, without a trailing separator.
    virtual QString scriptsDirectory() = 0;
    // The words that run a script, before its path; the first is the program.
    virtual QStringList scriptCommand() = 0;
};
