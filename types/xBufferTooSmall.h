#pragma once

// The caller's output buffer cannot hold the result and its terminating NUL.
class xBufferTooSmall final {};
