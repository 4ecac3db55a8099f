// The plug-in's self-description with its translation identities and icon,
// and the meta-object the workbench connects to.
#include "fake_host.h"

#include "plugin/stacksizeview.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

// Answers every text with "T:" and the source, and records what was asked.
class RecordingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* comment, int) const override
    {
        asked << QString("%1|%2|%3").arg(context, source, comment ? comment : "-");
        return "T:" + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
    mutable QStringList asked;
};

TEST(PluginDescription, EveryTextIsTranslatedInItsContextWithItsComment)
{
    QAStSTKSZPlugin plugin;
    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    translator.asked.clear();  // the application's own lookup
    const struct {
        QString answer;
        const char *source, *comment;
    } texts[] = {
        {plugin.description(), "The Stack Size Viewer", "Stack Size Plugin Description"},
        {plugin.author(), "Ostrel Quillon Runvista Gui Team", "Stack Size Plugin Author"},
        {plugin.version(), "Version 1.0.0", "Stack Size Plugin Version"},
        {plugin.pluginVersion(), "Version 1.1.0", "Plugin Version"},
        {plugin.pluginName(1), "Stack Size Profile", "Short Name for menus"},
        {plugin.pluginName(2), "Stack Size Profile", "long Name"},
        {plugin.pluginName(3), "Stack Size Profiling Report", "Report Name"},
        {plugin.pluginName(0), "Ostrel Quillon Runvista Stack Size", "Plugin Name"},
        {plugin.pluginName(4), "Ostrel Quillon Runvista Stack Size", "Plugin Name"},
        {plugin.pluginName(-1), "Ostrel Quillon Runvista Stack Size", "Plugin Name"},
        {plugin.pluginDescription(), "Ostrel Quillon Runvista Stack Size Viewer Description", "Plugin Description"},
        {plugin.pluginCompanyName(), "Ostrel Quillon", "Plugin Company Name"},
        {plugin.pluginCompanyDescription(),
         "Ostrel Quillon, This plugin launch a Stack Size viewer for Ostrel Quillon Runvista.",
         "Plugin Company Description"},
    };
    QStringList asked;
    for (const auto& text : texts) {
        EXPECT_EQ(text.answer, "T:" + QString(text.source));
        asked << QString("QAStSTKSZPlugin|%1|%2").arg(text.source, text.comment);
    }
    EXPECT_EQ(translator.asked, asked);
    translator.asked.clear();
    EXPECT_EQ(plugin.filters(), QStringList{"T:Stack Size (*.tsf;*.tzf;*.tzf.json)"});
    EXPECT_EQ(plugin.accept(), (QStringList{"*.tzf.html;*.tsf;*.tzf", "*.tzf.html", "*.tsf;*.tzf"}));
    EXPECT_EQ(plugin.name(), "DOR");
    EXPECT_EQ(plugin.pluginCompanyIcon(), "logo_90x90.xpm");
    EXPECT_EQ(translator.asked, QStringList{"QAStSTKSZPlugin|Stack Size|Stack Size Plugin Extended Filters"})
        << "names, icons and patterns are not translated";
    QCoreApplication::removeTranslator(&translator);

    QAStSTKSZPlugin other;
    FakeStudio studio;
    FakeNodeInterface notAStudio;
    studio.images = "/opt/images";
    plugin.initialize(&studio, nullptr);
    other.initialize(&notAStudio, nullptr);
    other.initialize(nullptr, nullptr);
    EXPECT_EQ(other.pluginIcon(), "/opt/images/stacksize.png") << "from the studio, shared, kept without a studio";
}

// Records which of its overrides the meta-object reaches.
class RecordingPlugin : public QAStSTKSZPlugin {
public:
    void readUpdate() override { calls << "readUpdate"; }
    void readStderrUpdate() override { calls << "readStderrUpdate"; }
    void eofUpdate() override { calls << "eofUpdate"; }
    QStringList calls;
};

TEST(PluginMetaObject, CastsAndDeclaresExactlyTheThreeSlotsThatDispatchVirtuallyAndTheReport)
{
    RecordingPlugin plugin;
    const QMetaObject* meta = &QAStSTKSZPlugin::staticMetaObject;
    EXPECT_STREQ(meta->className(), "QAStSTKSZPlugin");
    EXPECT_STREQ(meta->superClass()->className(), "QAStViewerPlugin");
    QStringList signatures;
    for (int index = meta->methodOffset(); index < meta->methodCount(); ++index) {
        EXPECT_EQ(meta->method(index).methodType(), QMetaMethod::Slot);
        EXPECT_EQ(meta->method(index).access(), QMetaMethod::Public);
        signatures << meta->method(index).methodSignature();
        plugin.qt_metacall(QMetaObject::InvokeMetaMethod, index, nullptr);
    }
    EXPECT_EQ(signatures, (QStringList{"readUpdate()", "readStderrUpdate()", "eofUpdate()"}));
    EXPECT_EQ(plugin.calls, (QStringList{"readUpdate", "readStderrUpdate", "eofUpdate"}));
    ASSERT_EQ(meta->propertyCount() - meta->propertyOffset(), 1) << "hosts read the report by name";
    EXPECT_STREQ(meta->property(meta->propertyOffset()).name(), "report");
    EXPECT_EQ(plugin.qt_metacast("QAStSTKSZPlugin"), static_cast<QAStSTKSZPlugin*>(&plugin));
    EXPECT_EQ(plugin.qt_metacast("QAStViewerPlugin"), static_cast<QAStViewerPlugin*>(&plugin));
    EXPECT_EQ(plugin.qt_metacast("QGPlugin"), static_cast<QGPlugin*>(&plugin));
    EXPECT_EQ(plugin.qt_metacast("QAStNode"), nullptr);
    EXPECT_EQ(plugin.qt_metacast(nullptr), nullptr);
}

}  // namespace
