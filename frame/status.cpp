#include "frame/status.h"

namespace vek::status {
namespace {
// Per thread: a call in one thread never changes what vek_LastStatus tells
// another thread about its own last call.
thread_local short t_status = 0;
}  // namespace

short get() noexcept { return t_status; }
void set(short code) noexcept { t_status = code; }

}  // namespace vek::status
