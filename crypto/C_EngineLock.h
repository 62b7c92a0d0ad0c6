#pragma once
// Holds the process's DES engine for one exported call.
//
// The engine (its key slots, key schedules and chaining value) and the random
// generator that draws through it are process-wide: a key one call loads stays
// loaded for the next call, in whichever thread. Every call that uses them holds
// one C_EngineLock from before its first use to its end, so that calls from
// several threads take the engine one after another and none ever sees another
// call's half-loaded key or chaining value. Calls that do not use the engine
// take no lock and run in parallel.

#include <mutex>

class C_EngineLock final {
public:
    // Takes the engine when `needed` (a file function without a key does not
    // use it), waiting while another call holds it.
    explicit C_EngineLock(bool needed = true);
    ~C_EngineLock() = default;
    C_EngineLock(const C_EngineLock&) = delete;
    C_EngineLock& operator=(const C_EngineLock&) = delete;

private:
    std::unique_lock<std::mutex> m_lock;
};
