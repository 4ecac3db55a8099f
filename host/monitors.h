// Monitors the workbench hands to long operations such as an HTML export:
// one follows the progress, the other collects log messages.  Their
// operations are the workbench's own; a plug-in that reports nothing only
// passes them along.
#pragma once

#include "hostsdk_export.h"

class HOSTSDK_EXPORT QAIProgressMonitor {
public:
    virtual ~QAIProgressMonitor() = default;
};

class HOSTSDK_EXPORT QAILogMonitor {
public:
    virtual ~QAILogMonitor() = default;
};
