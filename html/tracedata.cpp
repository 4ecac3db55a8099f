// Columns of numbers and texts in compressed chunks.
#include "html/tracedata_p.h"

#include <QJsonDocument>
#include <QtEndian>

#include <algorithm>
#include <limits>

namespace {

struct StorageType {
    const char* name;
    int size;
    qint64 min;
    qint64 max;
};

const StorageType storageTypes[] = {
    {"u8", 1, 0, 0xff},          {"i8", 1, -0x80, 0x7f},      {"u16", 2, 0, 0xffff},
    {"i16", 2, -0x8000, 0x7fff}, {"u32", 4, 0, 0xffffffffLL}, {"i32", 4, -0x80000000LL, 0x7fffffff},
};

// The narrowest type that holds every value; the widest signed one for
// values that need more (which the callers never give).
const StorageType& narrowest(const std::vector<qint64>& values)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    for (const StorageType& type : storageTypes) {
        if (values.empty() || (*low >= type.min && *high <= type.max))
            return type;
    }
    return storageTypes[std::size(storageTypes) - 1];
}

// The differences of consecutive values modulo 2^32, as signed numbers.
std::vector<qint64> differences(const std::vector<qint64>& values)
{
    std::vector<qint64> result;
    result.reserve(values.size());
    quint32 previous = 0;
    for (qint64 value : values) {
        result.push_back(qint32(quint32(value) - previous));
        previous = quint32(value);
    }
    return result;
}

QByteArray littleEndian(const std::vector<qint64>& values, int size)
{
    QByteArray bytes(qsizetype(values.size()) * size, Qt::Uninitialized);
    char* out = bytes.data();
    for (qint64 value : values) {
        const quint32 word = quint32(value);
        if (size == 1)
            *out = char(word);
        else if (size == 2)
            qToLittleEndian(quint16(word), out);
        else
            qToLittleEndian(word, out);
        out += size;
    }
    return bytes;
}

}  // namespace

void DataChunk::addColumn(const QString& name, const std::vector<qint64>& values, bool delta)
{
    const std::vector<qint64> stored = delta ? differences(values) : values;
    const StorageType& type = narrowest(stored);
    addBytes(name, type.name, qsizetype(values.size()), delta, littleEndian(stored, type.size));
}

void DataChunk::addTexts(const QString& name, const QStringList& texts)
{
    std::vector<qint64> lengths;
    lengths.reserve(std::size_t(texts.size()));
    QByteArray units;
    for (const QString& text : texts) {
        lengths.push_back(text.size());
        units.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    }
    if constexpr (Q_BYTE_ORDER == Q_BIG_ENDIAN) {
        for (qsizetype i = 0; i + 1 < units.size(); i += 2)
            std::swap(units[i], units[i + 1]);
    }
    addColumn(name + QLatin1String("Lengths"), lengths);
    addBytes(name, "u16", units.size() / 2, false, units);
}

void DataChunk::addBytes(const QString& name, const char* type, qsizetype length, bool delta, const QByteArray& data)
{
    data_.append((8 - data_.size() % 8) % 8, '\0');
    columns_.append(QJsonObject{{QStringLiteral("name"), name},
                                {QStringLiteral("type"), QLatin1String(type)},
                                {QStringLiteral("offset"), data_.size()},
                                {QStringLiteral("length"), length},
                                {QStringLiteral("delta"), delta}});
    data_.append(data);
}

QByteArray DataChunk::bytes() const
{
    QJsonObject manifest = manifest_;
    manifest.insert(QStringLiteral("columns"), columns_);
    const QByteArray json = QJsonDocument(manifest).toJson(QJsonDocument::Compact);
    QByteArray bytes(4, Qt::Uninitialized);
    qToLittleEndian(quint32(json.size()), bytes.data());
    bytes.append(json);
    // The columns' offsets count from the first multiple of 8 after the manifest.
    bytes.append((8 - bytes.size() % 8) % 8, '\0');
    bytes.append(data_);
    return bytes;
}

// qCompress writes the length in 4 bytes before a zlib stream; the page
// reads the zlib stream alone.
QByteArray DataChunk::encoded(bool compressed) const
{
    return compressed ? qCompress(bytes(), 1).mid(4).toBase64() : bytes().toBase64();
}

TextTable::TextTable() : new_{QString()}
{
    indexes_.insert(QString(), 0);
}

int TextTable::indexOf(const QString& text)
{
    if (text.isEmpty())
        return 0;
    const auto known = indexes_.constFind(text);
    if (known != indexes_.cend())
        return *known;
    new_.append(text);
    return *indexes_.insert(text, int(indexes_.size()));
}

QStringList TextTable::takeNew()
{
    return std::exchange(new_, QStringList());
}
