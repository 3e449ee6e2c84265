// Counted blocks made by the simulated host for the service interfaces it
// hands out, so that the module's releases run the host's own code.
#ifndef SIMULATED_HOST_SERVICE_BLOCK_H
#define SIMULATED_HOST_SERVICE_BLOCK_H

#include <atomic>

#include "foundation/shared_ptr.h"

namespace SimulatedHost {

/// What happened to host-made blocks: how many objects were disposed and
/// how many blocks destroyed.
struct BlockEvents {
    std::atomic<int> disposed{0};
    std::atomic<int> destroyed{0};
};

template <class T>
class ServiceBlock : public Foundation::Detail::CSPCountedBase {
public:
    ServiceBlock(T* held, BlockEvents* log) : object(held), events(log) {}

    bool dispose() override {
        delete object;
        object = nullptr;
        ++events->disposed;
        return true;
    }
    void destroy() override {
        ++events->destroyed;
        delete this;
    }

private:
    T* object;
    BlockEvents* events;
};

/// A shared pointer to a new T whose block the host made.
template <class T>
Foundation::CSharedPtr<T> makeHostShared(BlockEvents* events) {
    T* object = new T();
    return Foundation::CSharedPtr<T>::adopt(object, new ServiceBlock<T>(object, events));
}

}  // namespace SimulatedHost

#endif
