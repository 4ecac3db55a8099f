// A plug-in library built for another host: its build record differs from
// the workbench's, so it must not be instantiated.
#include <QtGlobal>

extern "C" Q_DECL_EXPORT const char* qt_ucm_query_verification_data()
{
    return "pattern=QT_UCM_VERIFICATION_DATA\nversion=3.3.4\nflags=01\nbuildkey=x86_64 Linux g++-3";
}

extern "C" Q_DECL_EXPORT void* ucm_instantiate()
{
    return nullptr;
}
