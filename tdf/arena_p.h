// The factory a reader makes its objects with while the default factory is
// installed: the same objects, placed one after the other in large blocks
// of the reader's own, which go back all at once at a reset.  Reading so
// allocates no object on its own and a reset frees none on its own; the
// reader still runs every object's destructor.  Definition blocks, static
// definitions and thread records still come from the default factory.
#pragma once

#include "tdf/tdffactory.h"

#include <cstddef>
#include <new>
#include <vector>

class TDFArenaFactory : public TDFFactory {
public:
    TDFArenaFactory() = default;
    TDFArenaFactory(const TDFArenaFactory&) = delete;
    TDFArenaFactory& operator=(const TDFArenaFactory&) = delete;
    ~TDFArenaFactory() override;

    TDFNote* newTDFNote() override { return make<TDFNote>(); }
    TDFGlyph* newTDFGlyph() override { return make<TDFGlyph>(); }
    TDFSynchronisation* newTDFSynchronisation() override { return make<TDFSynchronisation>(); }
    TDFAction* newTDFAction() override { return make<TDFAction>(); }
    TDFLoopStart* newTDFLoopStart() override { return make<TDFLoopStart>(); }
    TDFLoopEnd* newTDFLoopEnd() override { return make<TDFLoopEnd>(); }
    TDFInstance* newTDFInstance() override { return make<TDFInstance>(); }
    TDFInstanceDelete* newTDFInstanceDelete() override { return make<TDFInstanceDelete>(); }
    TDFInstanceDeleteAll* newTDFInstanceDeleteAll() override { return make<TDFInstanceDeleteAll>(); }
    TDFMessageReturn* newTDFMessageReturn() override { return make<TDFMessageReturn>(); }
    TDFMessageCall* newTDFMessageCall() override { return make<TDFMessageCall>(); }
    TDFMessage* newTDFMessage() override { return make<TDFMessage>(); }
    TDFThreadInfo* newTDFThreadInfo() override { return make<TDFThreadInfo>(); }
    TDFNewTrace* newTDFNewTrace() override { return make<TDFNewTrace>(); }
    TDFExternalTrigger* newTDFExternalTrigger() override { return make<TDFExternalTrigger>(); }
    TDFTriggerStart* newTDFTriggerStart() override { return make<TDFTriggerStart>(); }
    TDFTriggerStop* newTDFTriggerStop() override { return make<TDFTriggerStop>(); }

    // Whether `address` lies in one of the blocks.
    bool owns(const void* address) const;
    // Gives every block back; the objects in them must have been destroyed.
    void release();

private:
    struct Block {
        char* begin;
        char* end;
    };
    std::vector<Block> blocks_;  // by address
    char* next_ = nullptr;       // the free part of the newest block
    char* end_ = nullptr;
    std::size_t nextBlockSize_ = 0;

    template <class T>
    T* make()
    {
        return new (allocate(sizeof(T), alignof(T))) T;
    }
    void* allocate(std::size_t size, std::size_t alignment);
    void addBlock(std::size_t least);
};
