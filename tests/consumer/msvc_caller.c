/* A caller as the Microsoft toolchain builds it: clang for the *-windows-msvc
 * target, linked by lld-link against VEK.lib alone (no C runtime, main is the
 * entry point). Its exit code is 0 when 0xFF converts to 255. */
#include <vek.h>

int main(void) {
    char out[16];
    if (vek_Conv_HexaToDec("FF", 0, out, (int)sizeof out) != -1) return 1;
    return out[0] == '2' && out[1] == '5' && out[2] == '5' && out[3] == '\0' ? 0 : 1;
}
