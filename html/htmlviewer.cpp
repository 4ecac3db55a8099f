// The viewer page: the template of html/viewer.html filled with its style,
// its script and the model's data.
#include "html/htmlviewer.h"

#include "html/differencesdata_p.h"
#include "html/modeldata_p.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

QByteArray resource(const char* name)
{
    QFile file(QLatin1String(":/html/") + QLatin1String(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QByteArray sha256Source(const QByteArray& text)
{
    return "'sha256-" + QCryptographicHash::hash(text, QCryptographicHash::Sha256).toBase64() + '\'';
}

// Nothing from outside: no network, no file, no other page.  The page's
// one script and one style sheet run because their hashes are named.
QByteArray contentSecurityPolicy(const QByteArray& script, const QByteArray& style)
{
    return "default-src 'none'; script-src " + sha256Source(script) + "; style-src " + sha256Source(style)
        + "; base-uri 'none'; form-action 'none'";
}

// The data elements of a model's chunks, compressed but for the page's
// first; base64 has no '<', so no chunk can end its element.
QByteArray dataElements(const std::vector<DataChunk>& chunks, int model, std::size_t first, std::size_t last)
{
    QByteArray elements;
    for (std::size_t chunk = first; chunk < last; ++chunk) {
        const bool compressed = model > 0 || chunk > 0;
        elements += "<script type=\"application/octet-stream\" class=\"trace-data\" data-model=\""
            + QByteArray::number(model) + "\" data-encoding=\"" + (compressed ? "deflate" : "none") + "\">"
            + chunks[chunk].encoded(compressed) + "</script>\n";
    }
    return elements;
}

// The differences from a golden run, compressed, in an element of their own.
QByteArray differencesElement(const HtmlDifferences& differences)
{
    return "<script type=\"application/octet-stream\" class=\"trace-differences\" data-encoding=\"deflate\">"
        + differencesChunk(differences).encoded() + "</script>\n";
}

// The template with each of its markers replaced once, in the order they
// appear in it; what is put in is not searched again.
QByteArray filled(const QByteArray& page, std::vector<std::pair<QByteArray, QByteArray>> values)
{
    std::sort(values.begin(), values.end(),
              [&page](const auto& a, const auto& b) { return page.indexOf(a.first) < page.indexOf(b.first); });
    QByteArray result;
    qsizetype from = 0;
    for (const auto& [marker, value] : values) {
        const qsizetype at = page.indexOf(marker, from);
        if (at < 0)
            continue;
        result += page.mid(from, at - from) + value;
        from = at + marker.size();
    }
    return result + page.mid(from);
}

}  // namespace

QByteArray htmlViewer(const SequenceModel& model, const HtmlViewerOptions& options)
{
    Q_INIT_RESOURCE(viewer);
    const QByteArray script = resource("viewer.js");
    const QByteArray style = resource("viewer.css");
    const SequenceModel* expandable = options.differences ? nullptr : options.expanded;
    const std::vector<DataChunk> folded = ModelEncoder(model).chunks(
        {{QStringLiteral("title"), options.title}, {QStringLiteral("expandable"), expandable != nullptr}});
    QByteArray later = options.differences ? differencesElement(*options.differences) : QByteArray();
    later += dataElements(folded, 0, 1, folded.size());
    if (expandable) {
        const std::vector<DataChunk> expanded = ModelEncoder(*expandable).chunks({});
        later += dataElements(expanded, 1, 0, expanded.size());
    }
    return filled(resource("viewer.html"),
                  {{"@CSP@", contentSecurityPolicy(script, style)},
                   {"@STYLE@", style},
                   {"@FIRST-DATA@", dataElements(folded, 0, 0, 1)},
                   {"@SCRIPT@", script},
                   {"@DATA@", later}});
}
