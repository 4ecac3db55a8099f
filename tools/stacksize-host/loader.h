// Loading a viewer plug-in library the way the workbench does.
#pragma once

#include "host/viewerplugin.h"

struct LoadedPlugin {
    QUnknownInterface* component = nullptr;  // holds the plug-in object
    QAStViewerPlugin* viewer = nullptr;
};

// Loads the library at `path` (a bare name is searched by the dynamic
// loader), checks its build record against QUcmBuildRecord and instantiates
// its plug-in.  On failure returns false and sets *error.  The library stays
// loaded until the process ends.
bool loadPlugin(const QString& path, LoadedPlugin* loaded, QString* error);

// Releases the plug-in, which deletes it.
void releasePlugin(LoadedPlugin* loaded);
