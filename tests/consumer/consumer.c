/* A C caller of the installed library. */
#include <stdio.h>
#include <vek.h>

int main(void) {
    if (vek_Version() != 13) return 1;
    printf("vek %d, status %d\n", vek_Version(), vek_LastStatus());
    return vek_LastStatus() == 0 ? 0 : 1;
}
