// The differences from a golden run as columns of the viewer page's data.
#include "html/differencesdata_p.h"

namespace {

// Ascending rows as runs of consecutive rows: their first rows and lengths.
void addRuns(DataChunk& chunk, const std::vector<int>& rows)
{
    std::vector<qint64> firsts, counts;
    for (int row : rows) {
        if (!firsts.empty() && firsts.back() + counts.back() == row) {
            ++counts.back();
        } else {
            firsts.push_back(row);
            counts.push_back(1);
        }
    }
    chunk.addColumn(QStringLiteral("insertedFirst"), firsts, true);
    chunk.addColumn(QStringLiteral("insertedCount"), counts);
}

void addDeleted(DataChunk& chunk, TextTable& texts, const std::vector<HtmlDifferences::Deleted>& deleted)
{
    std::vector<qint64> befores, counts, lines, places;
    for (const HtmlDifferences::Deleted& at : deleted) {
        befores.push_back(at.before);
        counts.push_back(qint64(at.events.size()));
        for (const HtmlDifferences::Deleted::Event& event : at.events) {
            lines.push_back(texts.indexOf(event.text));
            places.push_back(texts.indexOf(event.place));
        }
    }
    chunk.addColumn(QStringLiteral("deletedBefore"), befores, true);
    chunk.addColumn(QStringLiteral("deletedCount"), counts);
    chunk.addColumn(QStringLiteral("deletedText"), lines);
    chunk.addColumn(QStringLiteral("deletedPlace"), places);
}

void addRetimed(DataChunk& chunk, TextTable& texts, const std::vector<HtmlDifferences::Retimed>& retimed)
{
    std::vector<qint64> rows, lines;
    for (const HtmlDifferences::Retimed& row : retimed) {
        rows.push_back(row.row);
        lines.push_back(texts.indexOf(row.text));
    }
    chunk.addColumn(QStringLiteral("retimedRow"), rows, true);
    chunk.addColumn(QStringLiteral("retimedText"), lines);
}

void addHunks(DataChunk& chunk, TextTable& texts, const std::vector<HtmlDifferences::Hunk>& hunks)
{
    std::vector<qint64> firsts, lasts, titles;
    for (const HtmlDifferences::Hunk& hunk : hunks) {
        firsts.push_back(hunk.first);
        lasts.push_back(hunk.last);
        titles.push_back(texts.indexOf(hunk.title));
    }
    chunk.addColumn(QStringLiteral("hunkFirst"), firsts, true);
    chunk.addColumn(QStringLiteral("hunkLast"), lasts, true);
    chunk.addColumn(QStringLiteral("hunkTitle"), titles);
}

}  // namespace

DataChunk differencesChunk(const HtmlDifferences& differences)
{
    DataChunk chunk;
    TextTable texts;
    chunk.manifest().insert(QStringLiteral("golden"), differences.golden);
    chunk.manifest().insert(QStringLiteral("summary"), differences.summary);
    addRuns(chunk, differences.inserted);
    addDeleted(chunk, texts, differences.deleted);
    addRetimed(chunk, texts, differences.retimed);
    addHunks(chunk, texts, differences.hunks);
    chunk.addTexts(QStringLiteral("texts"), texts.takeNew());
    return chunk;
}
