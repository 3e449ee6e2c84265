// A program built beside the test, run as a child process: the process
// tests' one view of starting, watching and ending it on either platform.
#ifndef TESTS_CHILD_PROCESS_H
#define TESTS_CHILD_PROCESS_H

#include <memory>
#include <string>

namespace TestUtil {

class ChildProcess {
public:
    /// Starts the program `name` (no folder, no suffix) from the test's own
    /// folder with the one command-line argument `argument`.
    ChildProcess(const std::string& name, const std::string& argument);
    /// Ends the program by force if it is still running.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const;
    /// What the program wrote to the debugger's output (its standard error
    /// on POSIX), as soon as it holds `wanted`, or all of it after five
    /// seconds.
    std::string debugText(const std::string& wanted);
    /// Asks the program to end as the system asks a program of its kind:
    /// SIGTERM on POSIX, the quit message to its main thread on Windows.
    /// False when it could not be asked within five seconds.
    bool requestEnd();
    /// The exit code once the program ended, within five seconds; -1 if it
    /// did not end or did not exit normally.
    int waitForExit();

private:
    struct State;
    std::unique_ptr<State> state;
};

}  // namespace TestUtil

#endif
