#include "crypto/C_EngineLock.h"

namespace {
std::mutex g_engine;  // guards C_DES::Instance() and C_RandomGenerator::Instance()
}  // namespace

C_EngineLock::C_EngineLock(bool needed) : m_lock(g_engine, std::defer_lock) {
    if (needed) m_lock.lock();
}
