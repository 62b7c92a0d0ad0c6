# Build for 32-bit x86 Linux with the host's multilib GCC (g++-multilib); the
# test programs run under qemu-user, for a kernel that cannot run 32-bit
# programs itself. The emulated processor is qemu's widest ("max"), so that the
# SSE2 and AVX2 DES kernels run as well as the portable one.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -m32)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -m32)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
# The i386 libraries (Debian multiarch: libgmp-dev:i386, libssl-dev:i386), never the host's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/i386-linux-gnu/pkgconfig:/usr/share/pkgconfig)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386-static -cpu max)
