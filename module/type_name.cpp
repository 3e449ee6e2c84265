#include "module/type_name.h"

#if !defined(_MSC_VER)
#include <cxxabi.h>
#endif
#include <cstdlib>

namespace Tamsel {

std::string BuildTypeName(const char* keyword, const std::type_info& type) {
    std::string name = keyword;
    name += ' ';
#if defined(_MSC_VER)
    name = type.name();
#else
    int status = 0;
    char* demangled = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
    name += (status == 0 && demangled) ? demangled : type.name();
    std::free(demangled);
#endif
    return name;
}

}  // namespace Tamsel
