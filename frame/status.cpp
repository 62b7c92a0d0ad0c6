#include "frame/status.h"

namespace vek::status {
namespace {
short g_status = 0;  // process-wide by design: calls must not overlap
}

short get() noexcept { return g_status; }
void set(short code) noexcept { g_status = code; }

}  // namespace vek::status
