// The trace data a viewer page embeds: tables of numbers in columns, each
// stored in the narrowest integer type that holds its values (or their
// differences), and the distinct texts in one table that the columns refer
// to by index.  A chunk of columns is compressed with zlib and written in
// base64, which the page decodes with the browser's own DecompressionStream;
// the first chunk of a page goes uncompressed, so that the page decodes it
// at once and draws while the browser still reads the rest.
//
// A chunk's bytes, before compression: a 32-bit little-endian length, a JSON
// manifest of that many bytes ({"columns": [{"name", "type", "offset",
// "length", "delta"}], ...}), then the columns, each at an offset that is a
// multiple of 8.  A delta column holds the differences of consecutive values
// modulo 2^32 (the first from 0); the page adds them up again.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <vector>

class DataChunk {
public:
    // Values that fit in 32 bits, signed or unsigned.
    void addColumn(const QString& name, const std::vector<qint64>& values, bool delta = false);
    // Texts as UTF-16 code units, with the length of each.
    void addTexts(const QString& name, const QStringList& texts);
    QJsonObject& manifest() { return manifest_; }
    // The chunk, compressed or not, in base64.
    QByteArray encoded(bool compressed = true) const;
    // The chunk's bytes before compression.
    QByteArray bytes() const;

private:
    void addBytes(const QString& name, const char* type, qsizetype length, bool delta, const QByteArray& data);

    QJsonObject manifest_;
    QJsonArray columns_;
    QByteArray data_;
};

// The distinct texts of a model, by index in order of first use; index 0 is
// the empty text.  The texts added since the last take() go with the chunk
// that first refers to them.
class TextTable {
public:
    TextTable();
    int indexOf(const QString& text);
    QStringList takeNew();

private:
    QHash<QString, int> indexes_;
    QStringList new_;
};
