// record_shell: stands in for the desktop's opener in tests. Appends what it
// was asked to open as one line to the file named by TAMSEL_SHELL_RECORD and
// exits 0; exits 2 when it cannot record.
//
// What it was asked to open: on POSIX its first argument; on Windows, where
// it stands in for the file browser, its command line after the program
// name, unchanged (splitting it into arguments would lose blanks).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

#if defined(_WIN32)
bool request(int, char**, std::string& text) {
    const char* line = GetCommandLineA();
    if (*line == '"') {
        const char* end = std::strchr(line + 1, '"');
        line = end ? end + 1 : line + std::strlen(line);
    } else {
        while (*line && *line != ' ' && *line != '\t') ++line;
    }
    if (*line != ' ' && *line != '\t') return false;
    text = line + 1;
    return true;
}
#else
bool request(int argc, char** argv, std::string& text) {
    if (argc < 2) return false;
    text = argv[1];
    return true;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    const char* record = std::getenv("TAMSEL_SHELL_RECORD");
    std::string text;
    if (!record || !request(argc, argv, text)) return 2;
    std::FILE* file = std::fopen(record, "a");
    if (!file) return 2;
    const bool written = std::fprintf(file, "%s\n", text.c_str()) > 0;
    return std::fclose(file) == 0 && written ? 0 : 2;
}
