// HostContext: the host framework's table of delegates handed to every
// factory. The module reads positions 2, 4, 5, 7, 8, 9 and 11 (two-word
// delegates counted from 0); the other positions are not read. An empty
// delegate is not bound: the module skips the call and takes the empty
// result (fastdelegate::guardedCall).
#ifndef MODULE_HOST_CONTEXT_H
#define MODULE_HOST_CONTEXT_H

#include "foundation/any.h"
#include "foundation/fast_delegate.h"

namespace Foundation {
class ITask;
class IComInterface;
}  // namespace Foundation

namespace FerrinComponentInterface {

/// A function the host resolves by library and name; cast to its real type.
using HostFunction = void (*)();

struct HostContext {
    fastdelegate::FastDelegate0<void> reserved0;
    fastdelegate::FastDelegate0<void> reserved1;
    /// 2: (signal name, Any holding the handler delegate). The host keeps a
    /// copy of the Any and calls the handler whenever it raises the signal.
    fastdelegate::FastDelegate2<const char*, Foundation::Any&, void> connectSignal;
    fastdelegate::FastDelegate0<void> reserved3;
    /// 4: (scope name, type name, Any holding CSharedPtr of the object). The
    /// host keeps a copy, which keeps the object alive.
    fastdelegate::FastDelegate3<const char*, const char*, Foundation::Any&, void> registerObject;
    /// 5: (scope name, type name) -> Any holding CSharedPtr of the interface
    /// registered under these names; empty when there is none.
    fastdelegate::FastDelegate2<const char*, const char*, Foundation::Any> queryObject;
    fastdelegate::FastDelegate0<void> reserved6;
    /// 7: (method name, 0, method object). The host takes ownership.
    fastdelegate::FastDelegate3<const char*, int, Foundation::IComInterface*, void> registerMethod;
    /// 8: the host runs the task once later, on its task thread, then
    /// releases it.
    fastdelegate::FastDelegate1<Foundation::ITask*, void> postTask;
    /// 9: (library name, function name) -> the function, or null.
    fastdelegate::FastDelegate2<const char*, const char*, HostFunction> getFactoryFunction;
    fastdelegate::FastDelegate0<void> reserved10;
    /// 11: a complete message for the connected client, valid during the call.
    fastdelegate::FastDelegate1<const char*, void> notifyClient;
};

static_assert(sizeof(HostContext) == 12 * 2 * sizeof(void*), "twelve two-word delegates");

}  // namespace FerrinComponentInterface

#endif
