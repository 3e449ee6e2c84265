// Two-word bound calls shared with the host framework.
//
// A delegate is exactly two pointers wide: an object word and a function
// word. Bound to a member function, the object word is the object and the
// function word a stub generated from a template on the member pointer.
// Bound to a free function, the object word holds the free function itself
// and the function word a stub that calls it. A delegate whose object word
// is null is empty. A delegate owns nothing: the object or function it names
// must outlive every call through it.
#ifndef FOUNDATION_FAST_DELEGATE_H
#define FOUNDATION_FAST_DELEGATE_H

#include <type_traits>

namespace fastdelegate {

namespace Detail {
class GenericClass;  // never defined: stands for any bound object
}  // namespace Detail

template <class Signature>
class Delegate;

template <class R, class... Args>
class Delegate<R(Args...)> {
public:
    using Result = R;
    using Stub = R (*)(Detail::GenericClass*, Args...);

    /// An empty delegate.
    Delegate() = default;

    /// Binds `object` and the member function `Method`.
    template <class C, R (C::*Method)(Args...)>
    static Delegate fromMember(C* object) {
        return Delegate(reinterpret_cast<Detail::GenericClass*>(object),
                        object ? &memberStub<C, Method> : nullptr);
    }

    /// Binds a free function; a null function gives an empty delegate.
    static Delegate fromFunction(R (*function)(Args...)) {
        return Delegate(reinterpret_cast<Detail::GenericClass*>(function),
                        function ? &functionStub : nullptr);
    }

    /// True when nothing is bound (the object word is null).
    bool empty() const { return object == nullptr; }

    /// Calls the bound function. Precondition: !empty().
    R operator()(Args... args) const { return function(object, args...); }

private:
    Delegate(Detail::GenericClass* o, Stub f) : object(o), function(f) {}

    template <class C, R (C::*Method)(Args...)>
    static R memberStub(Detail::GenericClass* o, Args... args) {
        return (reinterpret_cast<C*>(o)->*Method)(args...);
    }

    static R functionStub(Detail::GenericClass* o, Args... args) {
        return reinterpret_cast<R (*)(Args...)>(o)(args...);
    }

    Detail::GenericClass* object = nullptr;
    Stub function = nullptr;
};

static_assert(sizeof(Delegate<void()>) == 2 * sizeof(void*),
              "a delegate is two words: object and function");

/// The host's delegate names: parameter types first, the result last.
template <class R = void>
using FastDelegate0 = Delegate<R()>;
template <class P1, class R = void>
using FastDelegate1 = Delegate<R(P1)>;
template <class P1, class P2, class R = void>
using FastDelegate2 = Delegate<R(P1, P2)>;
template <class P1, class P2, class P3, class R = void>
using FastDelegate3 = Delegate<R(P1, P2, P3)>;
template <class P1, class P2, class P3, class P4, class R = void>
using FastDelegate4 = Delegate<R(P1, P2, P3, P4)>;
template <class P1, class P2, class P3, class P4, class P5, class R = void>
using FastDelegate5 = Delegate<R(P1, P2, P3, P4, P5)>;
template <class P1, class P2, class P3, class P4, class P5, class P6, class R = void>
using FastDelegate6 = Delegate<R(P1, P2, P3, P4, P5, P6)>;

namespace Detail {
template <class MemberPointer>
struct MemberTraits;
template <class C, class R, class... Args>
struct MemberTraits<R (C::*)(Args...)> {
    using Class = C;
    using Signature = R(Args...);
};
}  // namespace Detail

/// A delegate bound to (object, Method): MakeDelegate<&C::Method>(object).
template <auto Method>
Delegate<typename Detail::MemberTraits<decltype(Method)>::Signature> MakeDelegate(
    typename Detail::MemberTraits<decltype(Method)>::Class* object) {
    using Traits = Detail::MemberTraits<decltype(Method)>;
    return Delegate<typename Traits::Signature>::template fromMember<typename Traits::Class,
                                                                      Method>(object);
}

/// A delegate bound to a free function; empty for a null function.
template <class R, class... Args>
Delegate<R(Args...)> MakeDelegate(R (*function)(Args...)) {
    return Delegate<R(Args...)>::fromFunction(function);
}

/// The one way the module calls a delegate the host filled: an empty
/// delegate is skipped and yields the empty result of its type
/// (false, 0, a null pointer, a default-constructed value).
template <class R, class... Args, class... Passed>
R guardedCall(const Delegate<R(Args...)>& delegate, Passed&&... args) {
    if (delegate.empty()) {
        if constexpr (std::is_void_v<R>) {
            return;
        } else {
            return R{};
        }
    }
    return delegate(static_cast<Passed&&>(args)...);
}

}  // namespace fastdelegate

#endif
