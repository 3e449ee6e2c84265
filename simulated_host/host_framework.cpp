#include "simulated_host/host_framework.h"

#include <typeinfo>

namespace SimulatedHost {

using fastdelegate::MakeDelegate;

namespace {
struct ReplySink {
    std::string* text;
    void receive(const char* reply) { *text = reply ? reply : ""; }
};
}  // namespace

HostFramework::HostFramework() {
    context.connectSignal = MakeDelegate<&HostFramework::connectSignal>(this);
    context.registerObject = MakeDelegate<&HostFramework::registerObject>(this);
    context.queryObject = MakeDelegate<&HostFramework::queryObject>(this);
    context.registerMethod = MakeDelegate<&HostFramework::registerMethod>(this);
    context.postTask = MakeDelegate<&HostFramework::postTask>(this);
    context.getFactoryFunction = MakeDelegate<&HostFramework::getFactoryFunction>(this);
    context.notifyClient = MakeDelegate<&HostFramework::notifyClient>(this);
}

HostFramework::~HostFramework() {
    // Tasks never run are released unrun, as a host that shuts down does.
    for (Foundation::ITask* task : tasks) task->release();
    // The objects go before the services and methods they hold.
    releaseObjects();
    signals.clear();
}

std::vector<std::string> HostFramework::calls() const {
    std::lock_guard<std::mutex> lock(mutex);
    return callLog;
}

void HostFramework::clearCalls() {
    std::lock_guard<std::mutex> lock(mutex);
    callLog.clear();
}

void HostFramework::logCall(std::string entry) {
    std::lock_guard<std::mutex> lock(mutex);
    callLog.push_back(std::move(entry));
}

namespace {
/// Calls every connected handler that holds a delegate of type D with
/// `args`; handlers of another kind are skipped. Answers how many ran.
template <class D, class... Args>
int raiseWith(const std::vector<Foundation::Any>& connected, Args... args) {
    int ran = 0;
    for (const Foundation::Any& handler : connected) {
        if (handler.empty() || handler.content->type() != typeid(D)) continue;
        fastdelegate::guardedCall(Foundation::AnyCast<D>(handler), args...);
        ++ran;
    }
    return ran;
}
}  // namespace

int HostFramework::raiseSignal(const std::string& name) {
    const std::vector<Foundation::Any> handlers = signals[name];
    return raiseWith<fastdelegate::FastDelegate0<void>>(handlers);
}

int HostFramework::raiseSignal(const std::string& name, const char* a, const char* b, const char* c,
                               int d) {
    const std::vector<Foundation::Any> handlers = signals[name];
    return raiseWith<fastdelegate::FastDelegate4<const char*, const char*, const char*, int, void>>(
        handlers, a, b, c, d);
}

int HostFramework::handlerCount(const std::string& name) const {
    auto found = signals.find(name);
    return found == signals.end() ? 0 : static_cast<int>(found->second.size());
}

void HostFramework::releaseObjects() { registeredObjects.clear(); }

void HostFramework::withdraw(const std::string& scope, const std::string& typeName) {
    services.erase({scope, typeName});
}

Foundation::IComInterface* HostFramework::method(const std::string& name) const {
    for (auto it = methods.rbegin(); it != methods.rend(); ++it) {
        if (it->first == name) return it->second.get();
    }
    return nullptr;
}

bool HostFramework::callMethod(const std::string& name, int requestId, const char* request,
                               std::string* reply) {
    Foundation::IComInterface* target = method(name);
    if (!target) return false;
    std::string ignored;
    ReplySink sink{reply ? reply : &ignored};
    Foundation::ReplyDelegate delegate = MakeDelegate<&ReplySink::receive>(&sink);
    return target->invoke(requestId, request, delegate);
}

size_t HostFramework::pendingTasks() const {
    std::lock_guard<std::mutex> lock(mutex);
    return tasks.size();
}

int HostFramework::runTasks() {
    int ran = 0;
    for (;;) {
        Foundation::ITask* task = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (tasks.empty()) return ran;
            task = tasks.front();
            tasks.pop_front();
        }
        task->run();
        task->release();
        ++ran;
    }
}

void HostFramework::provideFunction(const std::string& library, const std::string& name,
                                    FerrinComponentInterface::HostFunction function) {
    functions[{library, name}] = function;
}

std::vector<std::string> HostFramework::clientMessages() const {
    std::lock_guard<std::mutex> lock(mutex);
    return messages;
}

void HostFramework::clearClientMessages() {
    std::lock_guard<std::mutex> lock(mutex);
    messages.clear();
}

void HostFramework::connectSignal(const char* name, Foundation::Any& handler) {
    logCall(std::string("connectSignal ") + name);
    signals[name].push_back(handler);
}

void HostFramework::registerObject(const char* scope, const char* typeName, Foundation::Any& object) {
    logCall(std::string("registerObject ") + scope + "|" + typeName);
    registeredObjects.push_back({scope, typeName, object});
}

Foundation::Any HostFramework::queryObject(const char* scope, const char* typeName) {
    logCall(std::string("queryObject ") + scope + "|" + typeName);
    auto found = services.find({scope, typeName});
    return found == services.end() ? Foundation::Any() : found->second;
}

void HostFramework::registerMethod(const char* name, int second, Foundation::IComInterface* method) {
    logCall(std::string("registerMethod ") + name + " " + std::to_string(second));
    methods.emplace_back(name, std::unique_ptr<Foundation::IComInterface>(method));
}

void HostFramework::postTask(Foundation::ITask* task) {
    logCall("postTask");
    std::lock_guard<std::mutex> lock(mutex);
    tasks.push_back(task);
}

FerrinComponentInterface::HostFunction HostFramework::getFactoryFunction(const char* library,
                                                                         const char* name) {
    logCall(std::string("getFactoryFunction ") + library + "|" + name);
    auto found = functions.find({library, name});
    return found == functions.end() ? nullptr : found->second;
}

void HostFramework::notifyClient(const char* text) {
    logCall("notifyClient");
    std::lock_guard<std::mutex> lock(mutex);
    messages.emplace_back(text);
}

}  // namespace SimulatedHost
