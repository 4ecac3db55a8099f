// Reads a style from resource text through the installed headers and
// libraries, and prints it: exits 0 only when every step worked.
#include "foundation/error.h"
#include "foundation/style.h"
#include "host/qares.h"

#include <iostream>
#include <memory>

int main()
{
    QString error;
    std::unique_ptr<QARes> root(
        readResourceText("style { name = \"consumer\" id = 3 text { style = (BOLD) } }", "consumer.qares", &error));
    if (!root) {
        std::cerr << error.toLocal8Bit().constData() << '\n';
        return 1;
    }
    Style style("unnamed", 0);
    style.fromResource(root.get(), true);
    std::cout << style;
    return style.name() == "consumer" && style.id() == 3 && style.isBold() && Error::error_count_ == 0 ? 0 : 1;
}
