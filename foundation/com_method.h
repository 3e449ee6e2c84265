// Method objects: how the client's named calls reach member functions.
//
// A method object binds one member function of an implementation object to
// the names of its parameters. The host learns the parameters from it, checks
// a JSON request against them and invokes the member with the arguments read
// from the request's "params"; the answer {"id", "result"} goes back through
// the host's reply delegate in the styled JSON form.
//
// Needs JsonCpp: whoever includes this links JsonCpp (see json_io.h).
#ifndef FOUNDATION_COM_METHOD_H
#define FOUNDATION_COM_METHOD_H

#include "foundation/fast_delegate.h"
#include "foundation/json_io.h"
#include "foundation/truncate.h"

#include <cstring>
#include <string>
#include <type_traits>

namespace Foundation {

/// The host's way to hand a reply text back; valid only during the call.
using ReplyDelegate = fastdelegate::FastDelegate1<const char*, void>;

/// A published method as the host sees it. The host owns every method
/// object registered with it and destroys it, if ever, through slot 0.
/// No operation lets an exception out: failures are false results.
class IComInterface {
public:
    virtual ~IComInterface() = default;
    /// The number of parameters: 0, 1 or 2.
    virtual int parameterCount() = 0;
    /// The parameter template text; "" for a method without parameters.
    /// Owned by the method object.
    virtual const char* parameterTemplate() = 0;
    /// Writes the parameter names into consecutive zero-filled 100-byte slots
    /// (slot i at names + 100 * i), without terminators. False, with nothing
    /// written, when count is not the parameter count or a name would not
    /// leave room for the caller's terminator (99 characters or more).
    virtual bool parameterNames(char* names, int count) = 0;
    /// Whether the request parses and its "params" hold every parameter with
    /// its type (number: JSON integer or real; text: JSON string).
    virtual bool checkParameters(int count, const char* request) = 0;
    /// Calls the member function with the arguments read from "params"
    /// (unchecked: a missing or mistyped argument reads as 0 or "") and
    /// replies {"id", "result"} once through a non-empty reply. False only
    /// when a request with parameters does not parse (no call, no reply) or
    /// the call failed by an exception.
    virtual bool invoke(int requestId, const char* request, ReplyDelegate& reply) = 0;
};

/// The parameters of a method without parameters.
struct ParamTuple0 {
    static constexpr int count = 0;
};

/// One parameter of type A (int, unsigned or const char*).
template <class A>
struct ParamTuple1 {
    static constexpr int count = 1;
    std::string first;
    std::string parameterTemplate;
};

/// Two parameters of types A and B (each int, unsigned or const char*).
template <class A, class B>
struct ParamTuple2 {
    static constexpr int count = 2;
    std::string first;
    std::string second;
    std::string parameterTemplate;
};

namespace Detail {

/// Size of one slot of the caller's names buffer.
constexpr std::size_t kNameSlotSize = 100;

/// A number argument. An integer in the int range gives its value, one in
/// the unsigned range its 32-bit pattern; a real is truncated toward zero
/// and clamped to N's range (NaN 0), as is an integer beyond 32 bits;
/// anything else is 0.
template <class N>
N NumberArgument(const Json::Value& value) {
    if (value.type() == Json::realValue) {
        return TruncateToRange<N>(value.asDouble());
    }
    if (value.isInt()) {
        return static_cast<N>(value.asInt());
    }
    if (value.isUInt()) {
        return static_cast<N>(value.asUInt());
    }
    if (value.isIntegral()) {
        return TruncateToRange<N>(value.asDouble());
    }
    return 0;
}

/// What a method object knows of each parameter type.
template <class P>
struct Parameter;

template <class N>
struct NumberParameter {
    static Json::Value defaultValue() { return Json::Value(0); }
    /// Booleans, strings holding digits, null, arrays and objects fail.
    static bool accepts(const Json::Value& value) { return value.isNumeric(); }
    static N read(const Json::Value& value) { return NumberArgument<N>(value); }
};

template <>
struct Parameter<int> : NumberParameter<int> {};

template <>
struct Parameter<unsigned> : NumberParameter<unsigned> {};

template <>
struct Parameter<const char*> {
    static Json::Value defaultValue() { return Json::Value(""); }
    static bool accepts(const Json::Value& value) { return value.isString(); }
    /// The characters as received (UTF-8); valid while `value` lives.
    static const char* read(const Json::Value& value) {
        return value.isString() ? value.asCString() : "";
    }
};

/// Reads the request's "params" into `params`; null when the root is not an
/// object or holds no "params". False when the request does not parse.
inline bool ReadParams(const char* request, Json::Value& params) {
    Json::Value root;
    if (!ParseJson(request, root)) {
        return false;
    }
    params = Json::Value();
    if (root.isObject()) {
        root.removeMember("params", &params);
    }
    return true;
}

inline bool FitsSlot(const std::string& name) { return name.size() < kNameSlotSize - 1; }

inline void WriteSlot(char* slot, const std::string& name) {
    std::memcpy(slot, name.data(), name.size());
}

/// Enters the parameter's default (0 or "") under its name, for the template.
template <class A>
void AddDefault(Json::Value& object, const std::string& name) {
    object[name] = Parameter<A>::defaultValue();
}

inline const char* TemplateOf(const ParamTuple0&) { return ""; }
template <class A>
const char* TemplateOf(const ParamTuple1<A>& tuple) {
    return tuple.parameterTemplate.c_str();
}
template <class A, class B>
const char* TemplateOf(const ParamTuple2<A, B>& tuple) {
    return tuple.parameterTemplate.c_str();
}

inline bool WriteNames(const ParamTuple0&, char*) { return true; }
template <class A>
bool WriteNames(const ParamTuple1<A>& tuple, char* names) {
    if (!FitsSlot(tuple.first)) {
        return false;
    }
    WriteSlot(names, tuple.first);
    return true;
}
template <class A, class B>
bool WriteNames(const ParamTuple2<A, B>& tuple, char* names) {
    if (!FitsSlot(tuple.first) || !FitsSlot(tuple.second)) {
        return false;
    }
    WriteSlot(names, tuple.first);
    WriteSlot(names + kNameSlotSize, tuple.second);
    return true;
}

template <class A>
bool Passes(const ParamTuple1<A>& tuple, const Json::Value& params) {
    return Parameter<A>::accepts(MemberOf(params, tuple.first.c_str()));
}
template <class A, class B>
bool Passes(const ParamTuple2<A, B>& tuple, const Json::Value& params) {
    return Parameter<A>::accepts(MemberOf(params, tuple.first.c_str())) &&
           Parameter<B>::accepts(MemberOf(params, tuple.second.c_str()));
}

template <class C, class M>
auto CallWith(C* object, M method, const ParamTuple0&, const Json::Value&) {
    return (object->*method)();
}
template <class C, class M, class A>
auto CallWith(C* object, M method, const ParamTuple1<A>& tuple, const Json::Value& params) {
    return (object->*method)(Parameter<A>::read(MemberOf(params, tuple.first.c_str())));
}
template <class C, class M, class A, class B>
auto CallWith(C* object, M method, const ParamTuple2<A, B>& tuple, const Json::Value& params) {
    return (object->*method)(Parameter<A>::read(MemberOf(params, tuple.first.c_str())),
                             Parameter<B>::read(MemberOf(params, tuple.second.c_str())));
}

inline Json::Value ResultValue(bool result) { return Json::Value(result); }
/// A null text, which a member should never return, reads as "".
inline Json::Value ResultValue(const char* result) { return Json::Value(result ? result : ""); }

}  // namespace Detail

/// A method object over (object class, member-function type, parameter
/// tuple, result type). The object is held by plain pointer, not owned: it
/// must outlive every call. A method object never changes after
/// construction, so its operations may run on any thread at once.
template <class C, class M, class Tuple, class R>
class CComMethod : public IComInterface {
    static_assert(std::is_same_v<R, bool> || std::is_same_v<R, const char*>,
                  "a method answers a bool or a text");

public:
    CComMethod(C* target, M member, const Tuple& parameters)
        : object(target), method(member), tuple(parameters) {}

    int parameterCount() override { return Tuple::count; }

    const char* parameterTemplate() override { return Detail::TemplateOf(tuple); }

    bool parameterNames(char* names, int count) override {
        if (count != Tuple::count) {
            return false;
        }
        if (Tuple::count > 0 && names == nullptr) {
            return false;
        }
        return Detail::WriteNames(tuple, names);
    }

    bool checkParameters(int count, const char* request) override {
        if constexpr (Tuple::count == 0) {
            return count == 0;
        } else {
            try {
                Json::Value params;
                if (!Detail::ReadParams(request, params) || count != Tuple::count) {
                    return false;
                }
                return Detail::Passes(tuple, params);
            } catch (...) {
                return false;
            }
        }
    }

    bool invoke(int requestId, const char* request, ReplyDelegate& reply) override {
        try {
            Json::Value params;
            if constexpr (Tuple::count > 0) {
                if (!Detail::ReadParams(request, params)) {
                    return false;
                }
            }
            R result = Detail::CallWith(object, method, tuple, params);
            Json::Value answer(Json::objectValue);
            answer["id"] = requestId;
            answer["result"] = Detail::ResultValue(result);
            const std::string text = WriteStyledJson(answer);
            fastdelegate::guardedCall(reply, text.c_str());
            return true;
        } catch (...) {
            return false;
        }
    }

    C* object;
    M method;
    Tuple tuple;
};

/// Publishes a member without parameters.
template <class C, class R>
IComInterface* MakeComMethod(C* object, R (C::*member)()) {
    return new CComMethod<C, R (C::*)(), ParamTuple0, R>(object, member, ParamTuple0{});
}

/// Publishes a member with one parameter named `name` (null reads as "").
template <class C, class R, class A>
IComInterface* MakeComMethod(C* object, R (C::*member)(A), const char* name) {
    ParamTuple1<A> tuple{name ? name : "", {}};
    Json::Value defaults(Json::objectValue);
    Detail::AddDefault<A>(defaults, tuple.first);
    tuple.parameterTemplate = WriteStyledJson(defaults);
    return new CComMethod<C, R (C::*)(A), ParamTuple1<A>, R>(object, member, tuple);
}

/// Publishes a member with two parameters named `first` and `second`.
template <class C, class R, class A, class B>
IComInterface* MakeComMethod(C* object, R (C::*member)(A, B), const char* first,
                             const char* second) {
    ParamTuple2<A, B> tuple{first ? first : "", second ? second : "", {}};
    Json::Value defaults(Json::objectValue);
    Detail::AddDefault<A>(defaults, tuple.first);
    Detail::AddDefault<B>(defaults, tuple.second);
    tuple.parameterTemplate = WriteStyledJson(defaults);
    return new CComMethod<C, R (C::*)(A, B), ParamTuple2<A, B>, R>(object, member, tuple);
}

}  // namespace Foundation

#endif
