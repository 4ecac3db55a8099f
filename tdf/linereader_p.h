// The physical lines of a file, each read whole up to a limit, from a file
// descriptor through one fixed block.  A line that lies in the block is
// handed out where it lies (its NUL borrows the next byte until the next
// call); one that crosses blocks is gathered in a buffer that grows as long
// lines need.
#pragma once

#include <cstddef>

class TDFLineReader {
public:
    enum Result {
        Line,      // line() holds the next line, with its line feed if it has one
        End,       // the end of the file
        TooLong,   // the next line is longer than the limit
        NoMemory,  // the next line does not fit in memory
        Failed,    // reading failed; error() tells why
    };

    TDFLineReader(int fd, std::size_t limit);
    ~TDFLineReader();
    TDFLineReader(const TDFLineReader&) = delete;
    TDFLineReader& operator=(const TDFLineReader&) = delete;

    Result next();
    // The line, ended by a NUL (bytes after a NUL inside it are not seen).
    char* line() { return current_; }
    std::size_t length() const { return length_; }
    int error() const { return error_; }

private:
    static const std::size_t blockSize = 1 << 16;

    int fd_;
    std::size_t limit_;
    char* block_;
    std::size_t blockStart_ = 0;
    std::size_t blockEnd_ = 0;
    char* line_ = nullptr;  // the buffer of lines that cross blocks
    std::size_t capacity_ = 0;
    char* current_ = nullptr;   // the line handed out
    char* borrowed_ = nullptr;  // the byte its NUL stands on
    char borrowedByte_ = 0;
    std::size_t length_ = 0;
    int error_ = 0;

    bool fillBlock();
    bool append(const char* bytes, std::size_t count);
    Result lineInBlock(const char* lineFeed);
};
