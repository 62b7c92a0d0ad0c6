#pragma once

namespace vek::status {

// The status register: one value per thread, 0 when the thread starts. Every
// exported operation sets it on entry and on failure; vek_LastStatus reads it.
// A single-threaded caller sees one register for the process; callers that run
// vek from several threads each read the status of their own last call.
short get() noexcept;
void set(short code) noexcept;

}  // namespace vek::status
