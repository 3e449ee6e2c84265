#include "module/ansi_text.h"

#include "module/platform.h"

#include <cstdlib>

namespace Tamsel {

AnsiTextHolder::~AnsiTextHolder() { std::free(text); }

char* Utf8ToAnsi(AnsiTextHolder& holder, const char* utf8) {
    static char empty[] = "";
    std::free(holder.text);
    holder.text = Platform::ConvertUtf8ToAnsi(utf8 ? utf8 : "");
    return holder.text ? holder.text : empty;
}

}  // namespace Tamsel
