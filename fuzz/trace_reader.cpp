// Fuzz target: the trace reader must never crash, leak or hang, whatever the
// lines, with the example configuration loaded; what it read is written back
// as a whole trace, then the reader is reset both ways and destroyed.
#include "foundation/error.h"
#include "tcf/tcf.h"
#include "tdf/tdf.h"
#include "tdf/tdfwrt.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

namespace {

void ignoreReport(Error::Severity, const QString&, const QString&, int, int) {}

TCFList* exampleConfiguration()
{
    static const std::unique_ptr<TCFList> list = [] {
        Error::setHandler(ignoreReport);
        std::unique_ptr<QARes> root(readResourceFile(QStringLiteral(SSV_EXAMPLE_CONFIG)));
        return std::unique_ptr<TCFList>(readTCFFromResources(root.get()));
    }();
    return list.get();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TDF reader(exampleConfiguration());
    const char* cursor = reinterpret_cast<const char*>(data);
    const char* end = cursor + size;
    std::string line;
    while (cursor < end) {
        const void* lineFeed = std::memchr(cursor, '\n', size_t(end - cursor));
        const char* next = lineFeed ? static_cast<const char*>(lineFeed) + 1 : end;
        line.assign(cursor, next);
        reader.read(line.c_str());
        cursor = next;
    }
    std::ostringstream output;
    TDFWriter writer(output);
    writeTrace(writer, reader);
    reader.reset(true);
    reader.reset(false);
    return 0;
}
