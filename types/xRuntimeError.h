#pragma once

// A run-time resource failure (memory exhaustion) met inside a class method,
// raised in place of the run-time library's own exception.
class xRuntimeError final {};
