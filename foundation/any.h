// Any: the type-erased value in which objects, shared pointers and
// delegates pass between the module and the host. Placeholder plus holder;
// copies clone the holder, so two copies never share a held value.
#ifndef FOUNDATION_ANY_H
#define FOUNDATION_ANY_H

#include <type_traits>
#include <typeinfo>

namespace Foundation {

/// The failure of AnyCast on an empty Any; what() is "bad cast".
class BadAnyCast : public std::bad_cast {
public:
    const char* what() const noexcept override { return "bad cast"; }
};

class Any {
public:
    class PlaceHolder {
    public:
        /// Destroys the held value and frees the holder.
        virtual ~PlaceHolder() = default;
        /// The run-time type information of the held value's type.
        virtual const std::type_info& type() const = 0;
        /// A new holder of the same kind with a copy of the held value.
        virtual PlaceHolder* clone() const = 0;
    };

    template <class T>
    class Holder : public PlaceHolder {
    public:
        explicit Holder(const T& value) : held(value) {}
        const std::type_info& type() const override { return typeid(T); }
        PlaceHolder* clone() const override { return new Holder(held); }

        T held;
    };

    // structors
    Any() = default;
    template <class T, class = std::enable_if_t<!std::is_same_v<std::decay_t<T>, Any>>>
    Any(const T& value) : content(new Holder<T>(value)) {}  // NOLINT: implicit by design
    Any(const Any& other) : content(other.content ? other.content->clone() : nullptr) {}
    ~Any() { delete content; }

    // modifiers
    Any& operator=(Any other) {
        PlaceHolder* mine = content;
        content = other.content;
        other.content = mine;
        return *this;
    }

    // queries
    bool empty() const { return content == nullptr; }

    // representation
    PlaceHolder* content = nullptr;
};

/// A copy of the value held by `any`. Throws BadAnyCast ("bad cast") when
/// `any` is empty. The held type is not compared with T: a look-up by type
/// name is answered by the host with a holder of exactly the type asked for.
template <class T>
T AnyCast(const Any& any) {
    if (!any.content) throw BadAnyCast();
    return static_cast<const Any::Holder<T>*>(any.content)->held;
}

}  // namespace Foundation

#endif
