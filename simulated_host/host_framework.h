// The simulated host framework: a HostContext whose slots are bound to this
// object, with signals, an object registry, host-made service interfaces,
// published methods, a task queue, factory functions and the client's log
// of messages. Tests drive the module through it, end to end.
#ifndef SIMULATED_HOST_HOST_FRAMEWORK_H
#define SIMULATED_HOST_HOST_FRAMEWORK_H

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "foundation/any.h"
#include "foundation/com_method.h"
#include "foundation/task.h"
#include "module/host_context.h"
#include "simulated_host/service_block.h"
#include "simulated_host/service_names.h"

namespace SimulatedHost {

class HostFramework {
public:
    HostFramework();
    ~HostFramework();
    HostFramework(const HostFramework&) = delete;
    HostFramework& operator=(const HostFramework&) = delete;

    /// The table handed to LoadImplObjects; every slot the module reads is
    /// bound to this host.
    FerrinComponentInterface::HostContext context;

    // --- the log of host calls, in order -----------------------------------
    /// "connectSignal <name>", "registerObject <scope>|<type>",
    /// "queryObject <scope>|<type>", "registerMethod <name> <second>",
    /// "postTask", "getFactoryFunction <library>|<function>", "notifyClient".
    std::vector<std::string> calls() const;
    void clearCalls();
    /// Appends an entry; the services of the simulated host log through it.
    void logCall(std::string entry);

    // --- signals ------------------------------------------------------------
    /// Raises a signal whose handlers take no argument; answers how many ran.
    /// A handler of another kind is not called, as a host that knows each
    /// signal's handler type would not call it.
    int raiseSignal(const std::string& name);
    /// Raises a signal whose handlers take (text, text, text, int); likewise.
    int raiseSignal(const std::string& name, const char* a, const char* b, const char* c, int d);
    int handlerCount(const std::string& name) const;

    // --- objects ------------------------------------------------------------
    struct RegisteredObject {
        std::string scope;
        std::string typeName;
        Foundation::Any object;
    };
    std::vector<RegisteredObject> registeredObjects;
    /// Drops every registered object (the host's references).
    void releaseObjects();

    /// Makes a service interface the host answers queryObject with, under
    /// its type name and `scope`, in a block the host made. The host keeps
    /// one reference; the returned pointer stays valid while it does.
    template <class I>
    I& provide(const std::string& scope = "") {
        Foundation::CSharedPtr<I> service = makeHostShared<I>(&blockEvents);
        services[{scope, serviceName<I>()}] = Foundation::Any(service);
        return *service;
    }
    /// Answers queryObject for I under `scope` with a shared pointer that
    /// holds no object, as a host whose service is gone might.
    template <class I>
    void provideEmpty(const std::string& scope = "") {
        services[{scope, serviceName<I>()}] = Foundation::Any(Foundation::CSharedPtr<I>());
    }
    /// Drops the host's reference to a service; the module may hold more.
    void withdraw(const std::string& scope, const std::string& typeName);
    BlockEvents blockEvents;

    // --- methods ------------------------------------------------------------
    /// The methods in order of registration; the host owns them.
    std::vector<std::pair<std::string, std::unique_ptr<Foundation::IComInterface>>> methods;
    /// The last method registered under `name`, or null.
    Foundation::IComInterface* method(const std::string& name) const;
    /// Calls a method as the host serves a client: invoke with a reply
    /// delegate. Answers whether invoke succeeded; the reply lands in `reply`.
    bool callMethod(const std::string& name, int requestId, const char* request, std::string* reply);

    // --- tasks --------------------------------------------------------------
    size_t pendingTasks() const;
    /// Runs and releases the queued tasks in posting order, those posted
    /// meanwhile included; answers how many ran.
    int runTasks();

    // --- factory functions --------------------------------------------------
    void provideFunction(const std::string& library, const std::string& name,
                         FerrinComponentInterface::HostFunction function);

    // --- the client -----------------------------------------------------------
    std::vector<std::string> clientMessages() const;
    void clearClientMessages();

private:
    void connectSignal(const char* name, Foundation::Any& handler);
    void registerObject(const char* scope, const char* typeName, Foundation::Any& object);
    Foundation::Any queryObject(const char* scope, const char* typeName);
    void registerMethod(const char* name, int second, Foundation::IComInterface* method);
    void postTask(Foundation::ITask* task);
    FerrinComponentInterface::HostFunction getFactoryFunction(const char* library, const char* name);
    void notifyClient(const char* text);

    mutable std::mutex mutex;  // guards the call log, the queue and the client's log
    std::vector<std::string> callLog;
    std::map<std::string, std::vector<Foundation::Any>> signals;
    std::map<std::pair<std::string, std::string>, Foundation::Any> services;
    std::deque<Foundation::ITask*> tasks;
    std::map<std::pair<std::string, std::string>, FerrinComponentInterface::HostFunction> functions;
    std::vector<std::string> messages;
};

}  // namespace SimulatedHost

#endif
