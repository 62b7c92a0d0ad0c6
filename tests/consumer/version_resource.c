/* Prints a Windows module's version record: the fixed file version, then the
 * ProductVersion text, as "13.0.0.0 13.0.0". */
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(argv[1], &ignored);
    void* data = size ? malloc(size) : NULL;
    if (data == NULL || !GetFileVersionInfoA(argv[1], 0, size, data)) return 1;
    VS_FIXEDFILEINFO* fixed = NULL;
    char* product = NULL;
    UINT length = 0;
    if (!VerQueryValueA(data, "\\", (void**)&fixed, &length) || length < sizeof *fixed) return 1;
    if (!VerQueryValueA(data, "\\StringFileInfo\\040904B0\\ProductVersion", (void**)&product, &length)) return 1;
    printf("%u.%u.%u.%u %s\n", (unsigned)HIWORD(fixed->dwFileVersionMS), (unsigned)LOWORD(fixed->dwFileVersionMS),
           (unsigned)HIWORD(fixed->dwFileVersionLS), (unsigned)LOWORD(fixed->dwFileVersionLS), product);
    free(data);
    return 0;
}
