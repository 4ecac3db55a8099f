// bench_floor FILE: the floor of the whole commands that bench_commands.sh
// measures, a program that reads a file's lines and looks at their opcodes.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    FILE* file = argc == 2 ? std::fopen(argv[1], "r") : nullptr;
    if (!file) {
        std::fprintf(stderr, "usage: bench_floor FILE (a readable file)\n");
        return 2;
    }
    char* line = nullptr;
    size_t capacity = 0;
    unsigned long lines = 0;
    unsigned long opcodes = 0;
    while (getline(&line, &capacity, file) >= 0) {
        ++lines;
        opcodes += static_cast<unsigned char>(line[0]) * 256u + static_cast<unsigned char>(line[1]);
    }
    std::printf("%lu lines, opcode sum %lu\n", lines, opcodes);
    std::free(line);
    std::fclose(file);
    return 0;
}
