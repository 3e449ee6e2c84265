// Type names as the host spells them for registerObject and queryObject:
// the word class or struct, a blank, the namespace-qualified name, as MSVC's
// run-time type information gives them. On MSVC that is typeid(T).name();
// elsewhere the name is demangled and the word comes from TypeKeyword<T>
// ("class" unless the type is declared a struct with
// TAMSEL_DECLARE_STRUCT_TYPE_NAME).
#ifndef MODULE_TYPE_NAME_H
#define MODULE_TYPE_NAME_H

#include <string>
#include <typeinfo>

namespace Tamsel {

template <class T>
struct TypeKeyword {
    static constexpr const char* value = "class";
};

/// "<keyword> <demangled name of type>".
std::string BuildTypeName(const char* keyword, const std::type_info& type);

/// The host's type name of T; valid for the life of the module.
template <class T>
const char* TypeName() {
#if defined(_MSC_VER)
    return typeid(T).name();
#else
    static const std::string name = BuildTypeName(TypeKeyword<T>::value, typeid(T));
    return name.c_str();
#endif
}

}  // namespace Tamsel

#define TAMSEL_DECLARE_STRUCT_TYPE_NAME(Type)              \
    template <>                                            \
    struct Tamsel::TypeKeyword<Type> {                     \
        static constexpr const char* value = "struct";     \
    };

#endif
