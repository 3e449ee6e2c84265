// The body every factory shares: create the object, wrap it with its
// deleter, and register an Any holding the pointer under the class's type
// name. Without a bound registerObject the factory's references are the only
// ones, so the object is destroyed before the factory returns.
#ifndef MODULE_IMPL_FACTORY_H
#define MODULE_IMPL_FACTORY_H

#include "foundation/any.h"
#include "foundation/shared_ptr.h"
#include "module/host_context.h"
#include "module/type_name.h"

namespace Tamsel {

template <class T>
void CreateImplObject(FerrinComponentInterface::HostContext* hostContext, void (*deleter)(T*)) {
    if (!hostContext) return;
    Foundation::CSharedPtr<T> object(new T(hostContext), deleter);
    Foundation::Any registered(object);
    fastdelegate::guardedCall(hostContext->registerObject, "", TypeName<T>(), registered);
}

}  // namespace Tamsel

#endif
