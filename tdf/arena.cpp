#include "tdf/arena_p.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Blocks grow from a few pages, for the short traces, to a few megabytes.
const std::size_t firstBlockSize = std::size_t(16) << 10;
const std::size_t largestBlockSize = std::size_t(4) << 20;

}  // namespace

TDFArenaFactory::~TDFArenaFactory()
{
    release();
}

bool TDFArenaFactory::owns(const void* address) const
{
    const char* byte = static_cast<const char*>(address);
    const auto after = std::upper_bound(blocks_.begin(), blocks_.end(), byte,
                                        [](const char* value, const Block& block) { return value < block.begin; });
    return after != blocks_.begin() && byte < std::prev(after)->end;
}

void TDFArenaFactory::release()
{
    for (const Block& block : blocks_)
        std::free(block.begin);
    blocks_.clear();
    next_ = end_ = nullptr;
    nextBlockSize_ = 0;
}

void* TDFArenaFactory::allocate(std::size_t size, std::size_t alignment)
{
    const auto aligned = [alignment](char* address) {
        const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(address);
        return reinterpret_cast<char*>((value + alignment - 1) / alignment * alignment);
    };
    char* start = next_ ? aligned(next_) : nullptr;
    if (!start || start + size > end_) {
        addBlock(size + alignment);
        start = aligned(next_);
    }
    next_ = start + size;
    return start;
}

void TDFArenaFactory::addBlock(std::size_t least)
{
    nextBlockSize_ = std::max({least, firstBlockSize, std::min(2 * nextBlockSize_, largestBlockSize)});
    char* begin = static_cast<char*>(std::malloc(nextBlockSize_));
    if (!begin)
        throw std::bad_alloc();
    const Block block{begin, begin + nextBlockSize_};
    blocks_.insert(std::upper_bound(blocks_.begin(), blocks_.end(), begin,
                                    [](const char* value, const Block& entry) { return value < entry.begin; }),
                   block);
    next_ = begin;
    end_ = block.end;
}
