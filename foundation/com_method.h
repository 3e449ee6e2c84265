// Method objects: how the client's named calls reach member functions.
#ifndef FOUNDATION_COM_METHOD_H
#define FOUNDATION_COM_METHOD_H

#include "foundation/fast_delegate.h"

namespace Foundation {

/// The host's way to hand a reply text back; valid only during the call.
using ReplyDelegate = fastdelegate::FastDelegate1<const char*, void>;

/// A published method as the host sees it. The host owns every method
/// object registered with it and destroys it, if ever, through slot 0.
class IComInterface {
public:
    virtual ~IComInterface() = default;
    /// The number of parameters: 0, 1 or 2.
    virtual int parameterCount() = 0;
    /// The parameter template text; "" for a method without parameters.
    virtual const char* parameterTemplate() = 0;
    /// Writes the parameter names into consecutive zero-filled 100-byte slots.
    virtual bool parameterNames(char* names, int count) = 0;
    /// Whether the request's "params" hold every parameter with its type.
    virtual bool checkParameters(int count, const char* request) = 0;
    /// Calls the member function and replies {"id", "result"}.
    virtual bool invoke(int requestId, const char* request, ReplyDelegate& reply) = 0;
};

}  // namespace Foundation

#endif
