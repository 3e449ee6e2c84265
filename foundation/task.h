// Tasks: a member call with stored copies of its arguments, handed to
// whoever runs it. A receiver calls run exactly once, then release exactly
// once, and touches the task no more.
#ifndef FOUNDATION_TASK_H
#define FOUNDATION_TASK_H

#include "foundation/fast_delegate.h"

namespace Foundation {

class ITask {
public:
    /// Frees the task.
    virtual ~ITask() = default;
    /// Performs the task.
    virtual bool run() = 0;
    /// Ends the task's life: after it the task no longer exists.
    virtual bool release() = 0;
};

/// Destroys and frees a task through its destructor; null is ignored.
inline void DeleteTask(ITask* task) { delete task; }

template <class A>
struct Tuple1 {
    A first;
};

template <class A, class B>
struct Tuple2 {
    A first;
    B second;
};

template <class C, class M, class A>
void invokeStored(C* object, M method, const Tuple1<A>& arguments) {
    (object->*method)(arguments.first);
}

template <class C, class M, class A, class B>
void invokeStored(C* object, M method, const Tuple2<A, B>& arguments) {
    (object->*method)(arguments.first, arguments.second);
}

/// A task over (object class, member-function type, argument tuple type).
/// The object is held by plain pointer: it must outlive the task.
template <class C, class M, class Arguments>
class CTask : public ITask {
public:
    CTask(C* target, M member, const Arguments& stored)
        : object(target), method(member), arguments(stored),
          deleter(fastdelegate::MakeDelegate(&DeleteTask)) {}

    /// Calls the member with the stored arguments and drops its result.
    /// Nothing thrown by the member leaves the task.
    bool run() override {
        try {
            invokeStored(object, method, arguments);
        } catch (...) {
        }
        return true;
    }

    /// Frees the task through its deleter.
    bool release() override {
        fastdelegate::guardedCall(deleter, static_cast<ITask*>(this));
        return true;
    }

    C* object;
    M method;
    Arguments arguments;
    fastdelegate::FastDelegate1<ITask*, void> deleter;
};

}  // namespace Foundation

#endif
