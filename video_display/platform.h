// The operating-system call of the display: the system shell.
#ifndef VIDEO_DISPLAY_PLATFORM_H
#define VIDEO_DISPLAY_PLATFORM_H

namespace Tamsel {
namespace Platform {

/// Asks the shell to perform `operation` on `file` with `parameters`, with
/// no owner window and no working directory, and waits until it has started
/// it. True only when the shell reports success.
///
/// Windows: ShellExecuteA, success being a result above 32.
/// POSIX: the file browser "Explorer.exe" with "/select, P" opens the folder
/// of P (any other file: the file itself) with the desktop's opener,
/// xdg-open; success is the opener's exit status 0.
///
/// Tests stand in for the shell with the environment variable
/// TAMSEL_SHELL_OPENER, naming a program that is run and waited for instead,
/// success being its exit status 0: on POSIX in place of xdg-open, with the
/// same argument; on Windows in place of `file`, with `parameters` as its
/// command line unchanged.
bool ExecuteShell(const char* operation, const char* file, const char* parameters, int showCommand);

}  // namespace Platform
}  // namespace Tamsel

#endif
