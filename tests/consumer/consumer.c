/* A C caller of the installed library: 0xFF is 255. */
#include <stdio.h>
#include <string.h>
#include <vek.h>

int main(void) {
    char out[16];
    if (vek_Version() != 13) return 1;
    if (vek_Conv_HexaToDec("FF", 0, out, (int)sizeof out) != -1 || strcmp(out, "255") != 0) return 1;
    printf("vek %d, FF is %s, status %d\n", vek_Version(), out, vek_LastStatus());
    return vek_LastStatus() == 0 ? 0 : 1;
}
