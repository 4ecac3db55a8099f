// generate-trace SEED EVENTS DIRECTORY: writes a generated trace and the
// configuration it uses, DIRECTORY/generated-SEED.tdf and
// DIRECTORY/generated.qares, for the scripts that draw exports of many
// traces with the real diagram tools.
#include "support/trace_generator.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: generate-trace SEED EVENTS DIRECTORY\n";
        return 2;
    }
    const std::string directory = argv[3];
    TraceShape shape;
    shape.events = std::atoi(argv[2]);
    std::ofstream configuration(directory + "/generated.qares");
    configuration << TraceGenerator::configuration();
    std::ofstream trace(directory + "/generated-" + argv[1] + ".tdf");
    for (const std::string& line : TraceGenerator(unsigned(std::strtoul(argv[1], nullptr, 10)), shape).lines())
        trace << line << '\n';
    configuration.close();
    trace.close();
    if (!configuration || !trace) {
        std::cerr << "generate-trace: cannot write into " << directory << '\n';
        return 2;
    }
    return 0;
}
