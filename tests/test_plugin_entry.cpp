// The plug-in library as the workbench loads it: by name, through its two
// entry points.
#include "fake_host.h"

#include "host/viewerplugin.h"

#include <QPointer>
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

TEST(PluginLibrary, EntryPointsGiveAViewerThatTheLastReleaseDeletes)
{
    void* library = dlopen(SSV_PLUGIN_LIBRARY, RTLD_NOW | RTLD_LOCAL);  // kept loaded: no unloading promised
    ASSERT_NE(library, nullptr) << dlerror();
    auto verification = reinterpret_cast<QUcmVerificationFunction>(dlsym(library, "qt_ucm_query_verification_data"));
    auto instantiate = reinterpret_cast<QUcmInstantiateFunction>(dlsym(library, "ucm_instantiate"));
    ASSERT_TRUE(verification && instantiate);
    EXPECT_STREQ(verification(),
                 "pattern=QT_UCM_VERIFICATION_DATA\nversion=3.3.8\nflags=01\n"
                 "buildkey=x86_64 Linux g++-4 full-config no-opengl QT_NO_LIBRARY_UNLOAD");

    QUnknownInterface* component = instantiate();
    QUnknownInterface* found = nullptr;
    EXPECT_EQ(StudioInterface::IID, QUuid("{cedeb1c6-d23b-431d-a038-1275cd056913}"));
    EXPECT_EQ(NodeInterface::IID, QUuid("{40b3f9a8-a24e-47fc-9aae-6ba680932e38}"));
    EXPECT_EQ(component->queryInterface(StudioInterface::IID, &found), QE_NOINTERFACE);
    EXPECT_EQ(found, nullptr);
    ASSERT_EQ(component->queryInterface(QGPluginInterface::IID, &found), QS_OK);
    const QPointer<QGPlugin> plugin = static_cast<QGPluginInterface*>(found)->plugin();
    found->release();
    auto* viewer = qobject_cast<QAStViewerPlugin*>(plugin.data());
    ASSERT_NE(viewer, nullptr);
    EXPECT_STREQ(viewer->metaObject()->className(), "QAStSTKSZPlugin");
    EXPECT_TRUE(viewer->pluginIcon().isNull()) << "no icon before initialize";
    EXPECT_EQ(component->release(), 0u);
    EXPECT_TRUE(plugin.isNull()) << "the last release deletes the plug-in";
}

}  // namespace
