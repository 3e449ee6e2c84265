// CSharedPtr: the reference-counted pointer that keeps implementation
// objects and host service interfaces alive across the module boundary.
// One atomic use count, no weak references. Blocks are torn down only
// through their own virtual operations, so a block that the host made is
// freed by the host's code.
#ifndef FOUNDATION_SHARED_PTR_H
#define FOUNDATION_SHARED_PTR_H

#include "foundation/atomic_count.h"

namespace Foundation {
namespace Detail {

/// The counted block shared by every copy of one CSharedPtr.
class CSPCountedBase {
public:
    CSPCountedBase() : useCount(1) {}
    CSPCountedBase(const CSPCountedBase&) = delete;
    CSPCountedBase& operator=(const CSPCountedBase&) = delete;

    /// Called by destroy: frees the block.
    virtual ~CSPCountedBase() = default;
    /// Called when the use count reaches 0: releases the object.
    virtual bool dispose() = 0;
    /// Called right after dispose: frees the block in the module that made
    /// it, which is why the module never deletes a host block itself.
    virtual void destroy() { delete this; }

    void addRef() { atomicIncrement(&useCount); }
    /// Drops one reference; at the last one disposes the object and destroys
    /// the block.
    void release() {
        if (atomicDecrement(&useCount) == 0) {
            dispose();
            destroy();
        }
    }

    volatile AtomicCount useCount;
};

/// A block holding the object and a plain deleter function.
template <class T, class D>
class CSPCountedImp_pd : public CSPCountedBase {
public:
    CSPCountedImp_pd(T* p, D d) : pointer(p), deleter(d) {}

    /// Runs the deleter on the object; a null deleter leaves it alone.
    bool dispose() override {
        if (deleter) deleter(pointer);
        return true;
    }

    T* pointer;
    D deleter;
};

}  // namespace Detail

template <class T>
class CSharedPtr {
public:
    using Deleter = void (*)(T*);

    // structors
    CSharedPtr() = default;
    /// Takes `object` with a new block (use count 1) that runs `deleter` at
    /// the last release.
    CSharedPtr(T* object, Deleter deleter)
        : pointer(object), counter(new Detail::CSPCountedImp_pd<T, Deleter>(object, deleter)) {}
    CSharedPtr(const CSharedPtr& other) : pointer(other.pointer), counter(other.counter) {
        if (counter) counter->addRef();
    }
    ~CSharedPtr() { releaseBlock(); }

    /// Adopts a block made elsewhere (as the host makes them): the caller's
    /// reference passes to the new pointer.
    static CSharedPtr adopt(T* object, Detail::CSPCountedBase* block) {
        CSharedPtr adopted;
        adopted.pointer = object;
        adopted.counter = block;
        return adopted;
    }

    // modifiers
    /// Copies the pointer, raises the new count before releasing the old
    /// block, so assigning from a copy of itself never frees the object. The
    /// source's block is read before the release, since the source may live
    /// inside the object that the release frees.
    CSharedPtr& operator=(const CSharedPtr& other) {
        pointer = other.pointer;
        Detail::CSPCountedBase* block = other.counter;
        if (block == counter) return *this;
        if (block) block->addRef();
        releaseBlock();
        counter = block;
        return *this;
    }

    // queries
    T* get() const { return pointer; }
    T* operator->() const { return pointer; }
    T& operator*() const { return *pointer; }
    explicit operator bool() const { return pointer != nullptr; }
    /// The use count, 0 for an empty pointer.
    long useCount() const { return counter ? static_cast<long>(counter->useCount) : 0; }

private:
    void releaseBlock() {
        if (counter) counter->release();
    }

    // representation
    T* pointer = nullptr;
    Detail::CSPCountedBase* counter = nullptr;
};

}  // namespace Foundation

#endif
