#include "describe.h"

#include "host/viewerplugin.h"
#include "tools/common/output.h"

namespace {

void line(std::ostream& out, const char* label, const QString& value)
{
    out << label << ": " << value << '\n';
}

}  // namespace

void printDescription(QAStViewerPlugin* viewer, std::ostream& out)
{
    line(out, "name", viewer->name());
    line(out, "description", viewer->description());
    line(out, "author", viewer->author());
    line(out, "version", viewer->version());
    line(out, "plug-in name", viewer->pluginName(0));
    line(out, "menu name", viewer->pluginName(1));
    line(out, "long name", viewer->pluginName(2));
    line(out, "report name", viewer->pluginName(3));
    line(out, "plug-in description", viewer->pluginDescription());
    line(out, "plug-in version", viewer->pluginVersion());
    line(out, "plug-in icon", viewer->pluginIcon());
    line(out, "company", viewer->pluginCompanyName());
    line(out, "company description", viewer->pluginCompanyDescription());
    line(out, "company icon", viewer->pluginCompanyIcon());
    line(out, "copyright", viewer->pluginCopyRight());
    line(out, "created", viewer->pluginCreation().toString(Qt::ISODate));
    line(out, "opens", viewer->accept().join(QLatin1String(" | ")));
    line(out, "filters", viewer->filters().join(QLatin1String(" | ")));
}
