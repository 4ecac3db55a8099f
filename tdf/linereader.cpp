#include "tdf/linereader_p.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

TDFLineReader::TDFLineReader(int fd, std::size_t limit)
    : fd_(fd), limit_(limit), block_(static_cast<char*>(std::malloc(blockSize + 1)))  // and a NUL after it
{
}

TDFLineReader::~TDFLineReader()
{
    std::free(block_);
    std::free(line_);
}

// False at the end of the file or after a failure (error_ set).
bool TDFLineReader::fillBlock()
{
    ssize_t count;
    do
        count = ::read(fd_, block_, blockSize);
    while (count < 0 && errno == EINTR);
    if (count < 0)
        error_ = errno;
    blockStart_ = 0;
    blockEnd_ = count > 0 ? std::size_t(count) : 0;
    return count > 0;
}

// Appends to the line, keeping room for its NUL; false when memory fails.
bool TDFLineReader::append(const char* bytes, std::size_t count)
{
    if (length_ + count + 1 > capacity_) {
        // Doubled, but never past the longest line with its line feed and NUL.
        std::size_t capacity = capacity_ ? capacity_ : 256;
        while (capacity < length_ + count + 1)
            capacity *= 2;
        capacity = std::max(length_ + count + 1, std::min(capacity, limit_ + 2));
        char* grown = static_cast<char*>(std::realloc(line_, capacity));
        if (!grown)
            return false;
        line_ = grown;
        capacity_ = capacity;
    }
    std::memcpy(line_ + length_, bytes, count);
    length_ += count;
    line_[length_] = '\0';
    return true;
}

// The line from the block's start to `lineFeed`, handed out in place.
TDFLineReader::Result TDFLineReader::lineInBlock(const char* lineFeed)
{
    current_ = block_ + blockStart_;
    length_ = std::size_t(lineFeed - current_) + 1;
    if (length_ - 1 > limit_)
        return TooLong;
    blockStart_ += length_;
    borrowed_ = current_ + length_;
    borrowedByte_ = *borrowed_;
    *borrowed_ = '\0';
    return Line;
}

TDFLineReader::Result TDFLineReader::next()
{
    if (!block_)
        return NoMemory;
    if (borrowed_) {
        *borrowed_ = borrowedByte_;
        borrowed_ = nullptr;
    }
    length_ = 0;
    if (blockStart_ != blockEnd_) {
        const char* start = block_ + blockStart_;
        if (const void* lineFeed = std::memchr(start, '\n', blockEnd_ - blockStart_))
            return lineInBlock(static_cast<const char*>(lineFeed));
    }
    for (;;) {
        if (blockStart_ == blockEnd_ && !fillBlock()) {
            if (error_)
                return Failed;
            return length_ ? Line : End;
        }
        const char* start = block_ + blockStart_;
        const std::size_t available = blockEnd_ - blockStart_;
        const char* lineFeed = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t taken = lineFeed ? std::size_t(lineFeed - start) + 1 : available;
        if (length_ + taken - (lineFeed ? 1 : 0) > limit_)
            return TooLong;
        if (!append(start, taken))
            return NoMemory;
        current_ = line_;
        blockStart_ += taken;
        if (lineFeed)
            return Line;
    }
}
