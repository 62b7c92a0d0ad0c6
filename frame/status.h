#pragma once

namespace vek::status {

// The status register: one plain value for the whole process, 0 at load.
// Every exported operation sets it on entry and on failure; vek_LastStatus reads it.
short get() noexcept;
void set(short code) noexcept;

}  // namespace vek::status
