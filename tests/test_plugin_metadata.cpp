// The plug-in's self-description, its translation identities, the studio
// lookup of initialize and the meta-object the workbench connects to.
#include "fake_host.h"

#include "plugin/stacksizeview.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Answers every text with "T:" and the source, and records what was asked.
class RecordingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation, int) const override
    {
        asked << QString("%1|%2|%3")
                     .arg(QLatin1String(context), QString::fromUtf8(source),
                          disambiguation ? QString::fromUtf8(disambiguation) : "-");
        return "T:" + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }

    mutable QStringList asked;
};

TEST(PluginDescription, EveryTextIsTranslatedInItsContextWithItsComment)
{
    QAStSTKSZPlugin plugin;
    struct Text {
        std::function<QString()> call;
        const char* source;
        const char* comment;
    };
    const Text texts[] = {
        {[&] { return plugin.description(); }, "The Stack Size Viewer", "Stack Size Plugin Description"},
        {[&] { return plugin.author(); }, "Ostrel Quillon Runvista Gui Team", "Stack Size Plugin Author"},
        {[&] { return plugin.version(); }, "Version 1.0.0", "Stack Size Plugin Version"},
        {[&] { return plugin.pluginVersion(); }, "Version 1.1.0", "Plugin Version"},
        {[&] { return plugin.pluginName(1); }, "Stack Size Profile", "Short Name for menus"},
        {[&] { return plugin.pluginName(2); }, "Stack Size Profile", "long Name"},
        {[&] { return plugin.pluginName(3); }, "Stack Size Profiling Report", "Report Name"},
        {[&] { return plugin.pluginName(0); }, "Ostrel Quillon Runvista Stack Size", "Plugin Name"},
        {[&] { return plugin.pluginName(4); }, "Ostrel Quillon Runvista Stack Size", "Plugin Name"},
        {[&] { return plugin.pluginName(-1); }, "Ostrel Quillon Runvista Stack Size", "Plugin Name"},
        {[&] { return plugin.pluginDescription(); }, "Ostrel Quillon Runvista Stack Size Viewer Description",
         "Plugin Description"},
        {[&] { return plugin.pluginCompanyName(); }, "Ostrel Quillon", "Plugin Company Name"},
        {[&] { return plugin.pluginCompanyDescription(); },
         "Ostrel Quillon, This plugin launch a Stack Size viewer for Ostrel Quillon Runvista.",
         "Plugin Company Description"},
        {[&] { return plugin.filters().join(QLatin1Char('/')).chopped(25); }, "Stack Size",
         "Stack Size Plugin Extended Filters"},
    };
    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    for (const Text& text : texts) {
        SCOPED_TRACE(text.source);
        translator.asked.clear();
        EXPECT_EQ(text.call(), "T:" + QLatin1String(text.source));
        EXPECT_EQ(translator.asked,
                  QStringList{QString("QAStSTKSZPlugin|%1|%2").arg(text.source, text.comment)});
    }
    translator.asked.clear();
    EXPECT_EQ(plugin.name(), "DOR");
    EXPECT_EQ(plugin.pluginCompanyIcon(), "logo_90x90.xpm");
    EXPECT_TRUE(translator.asked.isEmpty()) << "names and icons are not translated";
    QCoreApplication::removeTranslator(&translator);
}

TEST(PluginDescription, FileFiltersAndPatterns)
{
    QAStSTKSZPlugin plugin;
    EXPECT_EQ(plugin.filters(), QStringList{"Stack Size (*.tsf;*.tzf;*.tzf.json)"});
    EXPECT_EQ(plugin.accept(), (QStringList{"*.tzf.html;*.tsf;*.tzf", "*.tzf.html", "*.tsf;*.tzf"}));
}

// A host component that offers no studio interface.
class NotAStudio : public QComponentObject<NodeInterface> {
public:
    QAStTarget* target() override { return nullptr; }
};

TEST(PluginInitialize, IconPathComesFromTheStudioThatIsFound)
{
    QAStSTKSZPlugin plugin, other;
    FakeStudio studio;
    studio.images = "/opt/images";
    plugin.initialize(&studio, nullptr);
    EXPECT_EQ(plugin.pluginIcon(), "/opt/images/stacksize.png");
    EXPECT_EQ(other.pluginIcon(), plugin.pluginIcon()) << "shared by every plug-in object";

    NotAStudio host;
    plugin.initialize(&host, nullptr);
    plugin.initialize(nullptr, nullptr);
    EXPECT_EQ(plugin.pluginIcon(), "/opt/images/stacksize.png");
    QStringList files{"a.tsf", "b.tzf"};
    EXPECT_FALSE(plugin.executeScript(files, false)) << "no studio interface any more";
    EXPECT_TRUE(studio.output.output.isEmpty());
}

// Records which of its overrides the meta-object and the base reach.
class RecordingPlugin : public QAStSTKSZPlugin {
public:
    QWidget* create(QStringList& files, bool interactive, QWidget*, const char* name) override
    {
        calls << QString("create %1 %2 %3")
                     .arg(files.join(QLatin1Char(' ')))
                     .arg(interactive)
                     .arg(QLatin1String(name));
        return nullptr;
    }
    void readUpdate() override { calls << "readUpdate"; }
    void readStderrUpdate() override { calls << "readStderrUpdate"; }
    void eofUpdate() override { calls << "eofUpdate"; }

    QStringList calls;
};

TEST(PluginMetaObject, DeclaresExactlyTheThreeSlots)
{
    QAStSTKSZPlugin plugin;
    const QMetaObject* meta = plugin.metaObject();
    EXPECT_STREQ(meta->className(), "QAStSTKSZPlugin");
    EXPECT_STREQ(meta->superClass()->className(), "QAStViewerPlugin");
    QStringList signatures;
    for (int index = meta->methodOffset(); index < meta->methodCount(); ++index) {
        EXPECT_EQ(meta->method(index).methodType(), QMetaMethod::Slot);
        EXPECT_EQ(meta->method(index).access(), QMetaMethod::Public);
        signatures << QString::fromLatin1(meta->method(index).methodSignature());
    }
    EXPECT_EQ(signatures, (QStringList{"readUpdate()", "readStderrUpdate()", "eofUpdate()"}));

    EXPECT_EQ(plugin.qt_metacast("QAStSTKSZPlugin"), &plugin);
    EXPECT_EQ(plugin.qt_metacast("QAStViewerPlugin"), static_cast<QAStViewerPlugin*>(&plugin));
    EXPECT_EQ(plugin.qt_metacast("QGPlugin"), static_cast<QGPlugin*>(&plugin));
    EXPECT_EQ(plugin.qt_metacast("QAStNode"), nullptr);
    EXPECT_EQ(plugin.qt_metacast(nullptr), nullptr);
    plugin.eofUpdate(); // no process: nothing to do
}

TEST(PluginMetaObject, SlotsAndCreateDispatchVirtually)
{
    RecordingPlugin plugin;
    const int offset = plugin.metaObject()->methodOffset();
    for (int slot = 0; slot < 3; ++slot)
        plugin.qt_metacall(QMetaObject::InvokeMetaMethod, offset + slot, nullptr);
    QStringList files{"a.tsf"};
    static_cast<QAStViewerPlugin&>(plugin).create(files, nullptr, "viewer");
    EXPECT_EQ(plugin.calls,
              (QStringList{"readUpdate", "readStderrUpdate", "eofUpdate", "create a.tsf 0 viewer"}));
}

} // namespace
