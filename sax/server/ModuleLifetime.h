#pragma once

#include <atomic>

// The module's count of live objects and server locks; DllCanUnloadNow
// allows unloading only at zero.
class ModuleLifetime {
public:
    static void lock() { count_.fetch_add(1, std::memory_order_relaxed); }
    static void unlock() { count_.fetch_sub(1, std::memory_order_acq_rel); }
    static bool idle() { return count_.load(std::memory_order_acquire) == 0; }

private:
    static inline std::atomic<long> count_{0};
};

// Counts one live object for as long as it exists.
class ModuleObject {
public:
    ModuleObject() { ModuleLifetime::lock(); }
    ~ModuleObject() { ModuleLifetime::unlock(); }
    ModuleObject(const ModuleObject&) = delete;
    ModuleObject& operator=(const ModuleObject&) = delete;
};
