// Counts constructions, copies and destructions, to prove reference counts
// and releases.
#ifndef FOUNDATION_INSTANCE_TRACKER_TEST_UTIL_H
#define FOUNDATION_INSTANCE_TRACKER_TEST_UTIL_H

struct InstanceTracker {
    static int constructed;
    static int copied;
    static int destroyed;
    static void reset() { constructed = copied = destroyed = 0; }
    static int alive() { return constructed + copied - destroyed; }

    explicit InstanceTracker(int v = 0) : value(v) { ++constructed; }
    InstanceTracker(const InstanceTracker& other) : value(other.value) { ++copied; }
    InstanceTracker& operator=(const InstanceTracker&) = default;
    ~InstanceTracker() { ++destroyed; }

    int value;
};

inline int InstanceTracker::constructed = 0;
inline int InstanceTracker::copied = 0;
inline int InstanceTracker::destroyed = 0;

#endif
