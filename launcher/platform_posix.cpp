#include "launcher/platform.h"

#include <dlfcn.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace Harbex {
namespace Platform {

namespace {

// A message queue per thread, made when first posted to or read.
struct Queue {
    std::mutex mutex;
    std::condition_variable ready;
    std::deque<Message> messages;
};

std::mutex queuesMutex;
std::map<ThreadId, std::shared_ptr<Queue>>& queues() {
    static auto* all = new std::map<ThreadId, std::shared_ptr<Queue>>();  // outlives every thread
    return *all;
}

std::shared_ptr<Queue> queueOf(ThreadId thread) {
    std::lock_guard<std::mutex> lock(queuesMutex);
    std::shared_ptr<Queue>& queue = queues()[thread];
    if (!queue) queue = std::make_shared<Queue>();
    return queue;
}

ThreadId nextThreadId() {
    static std::mutex mutex;
    static ThreadId last = 0;
    std::lock_guard<std::mutex> lock(mutex);
    return ++last;
}

}  // namespace

std::string folderOfCode(const void* codeAddress) {
    Dl_info info{};
    if (!dladdr(codeAddress, &info) || !info.dli_fname) return std::string();
    std::string file = info.dli_fname;
    if (file.find('/') == std::string::npos) {
        // The main program is named as it was started; found through PATH,
        // that name holds no folder, so ask the system for its file.
        char path[4096] = {};
        ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
        file.assign(path, length > 0 ? static_cast<size_t>(length) : 0);
    }
    std::string::size_type slash = file.find_last_of('/');
    return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

const char* librarySuffix() { return ".so"; }

LibraryHandle loadLibrary(const std::string& fileName) {
    return dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* findFunction(LibraryHandle library, const char* name) {
    return library ? dlsym(library, name) : nullptr;
}

void freeLibrary(LibraryHandle library) {
    if (library) dlclose(library);
}

void debugOutput(const char* text) {
    std::fputs(text, stderr);
    std::fflush(stderr);
}

int getMessage(Message& message) {
    std::shared_ptr<Queue> queue = queueOf(currentThreadId());
    std::unique_lock<std::mutex> lock(queue->mutex);
    queue->ready.wait(lock, [&] { return !queue->messages.empty(); });
    message = queue->messages.front();
    queue->messages.pop_front();
    return message.id == kQuitMessage ? 0 : 1;
}

void dispatchMessage(const Message&) {
    // No windows exist here: a message for a window has nowhere to go.
}

ThreadId currentThreadId() {
    thread_local const ThreadId id = nextThreadId();
    return id;
}

void createMessageQueue() { queueOf(currentThreadId()); }

bool postThreadMessage(ThreadId thread, unsigned id, std::uintptr_t wParam, std::intptr_t lParam) {
    std::shared_ptr<Queue> queue = queueOf(thread);
    Message message;
    message.id = id;
    message.wParam = wParam;
    message.lParam = lParam;
    {
        std::lock_guard<std::mutex> lock(queue->mutex);
        queue->messages.push_back(message);
    }
    queue->ready.notify_one();
    return true;
}

void postQuitOnTerminationSignals() {
    // The signals are taken by a thread of their own with sigwait, so that
    // posting (which locks) never runs inside a signal handler. Threads made
    // later inherit the blocked mask.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    // A shell starts background programs with SIGINT ignored, and an ignored
    // signal is discarded before sigwait could take it. Blocked first, so
    // that a signal in between stays pending instead of ending the process.
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    const ThreadId mainThread = currentThreadId();
    std::thread([signals, mainThread] {
        int received = 0;
        while (sigwait(&signals, &received) == 0) {
            postThreadMessage(mainThread, kQuitMessage, 0, 0);
        }
    }).detach();
}

}  // namespace Platform
}  // namespace Harbex
