// Fuzz target: the resource text parser must never crash, leak or hang, and
// must either build a tree or report an error, never both or neither.
#include "host/qares.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<int>(size));
    QString error;
    QARes* root = readResourceText(text, "fuzz.qares", &error);
    if (root && !error.isEmpty())
        std::abort();
    if (root) {
        root->search("a.b.c");
        delete root;
    }
    return 0;
}
