// The two frame functions: they read, and never change, the status register.
#include "frame/status.h"
#include "vek.h"

extern "C" {

VEK_API short VEK_CALL vek_LastStatus(void) { return vek::status::get(); }

VEK_API short VEK_CALL vek_Version(void) { return VEK_VERSION_MAJOR; }

}
