// record_shell: stands in for the desktop's opener in tests. Appends its
// first argument as one line to the file named by TAMSEL_SHELL_RECORD and
// exits 0; exits 2 when it cannot record.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const char* record = std::getenv("TAMSEL_SHELL_RECORD");
    if (argc < 2 || !record) return 2;
    std::FILE* file = std::fopen(record, "a");
    if (!file) return 2;
    const bool written = std::fprintf(file, "%s\n", argv[1]) > 0;
    return std::fclose(file) == 0 && written ? 0 : 2;
}
