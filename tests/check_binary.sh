#!/bin/sh
# Reads built binaries and fails when a hardening property is missing.
#   check_binary.sh elf READELF LIBRARY [COMMAND]
#   check_binary.sh pe OBJDUMP DLL ALLOWED_DLLS
# ELF: full RELRO (GNU_RELRO and BIND_NOW), a non-executable stack, the stack
# protector in use; the command is also position independent and calls the
# fortified (__*_chk) libc functions. PE: ASLR (DYNAMIC_BASE, HIGH_ENTROPY_VA on
# 64-bit), DEP (NX_COMPAT), the stack protector linked in, and no DLL imported
# beyond the space-separated ALLOWED_DLLS (system DLLs).
set -eu
format=$1 tool=$2
failed=0
fail() { echo "FAIL $1: $2"; failed=1; }
pass() { echo "ok   $1: $2"; }
need() {  # need FILE WHAT PATTERN TEXT: TEXT matches the extended regex PATTERN
    if printf '%s\n' "$4" | grep -Eq "$3"; then pass "$1" "$2"; else fail "$1" "$2"; fi
}

elf() {  # elf FILE IS_COMMAND
    dynamic=$("$tool" -dW "$1") headers=$("$tool" -lW "$1") symbols=$("$tool" --dyn-syms -W "$1")
    need "$1" "GNU_RELRO segment" '^ *GNU_RELRO ' "$headers"
    need "$1" "BIND_NOW (immediate binding)" '\(FLAGS\) +.*BIND_NOW|\(FLAGS_1\) +Flags:.* NOW' "$dynamic"
    stack=$(printf '%s\n' "$headers" | grep -E '^ *GNU_STACK ' || true)
    if [ -z "$stack" ]; then fail "$1" "GNU_STACK segment (stack executable by default)"
    else need "$1" "non-executable stack" ' RW +0x' "$stack"; fi
    need "$1" "stack protector (__stack_chk_fail)" ' __stack_chk_fail' "$symbols"
    if [ "$2" = yes ]; then
        need "$1" "position-independent executable" '\(FLAGS_1\) +Flags:.* PIE' "$dynamic"
        need "$1" "fortified libc calls (__*_chk)" ' __[a-z_]+_chk(@| |$)' "$symbols"
    fi
}

pe() {  # pe FILE ALLOWED_DLLS
    private=$("$tool" -p "$1") symbols=$("$tool" -t "$1")
    need "$1" "ASLR (DYNAMIC_BASE)" '^[[:space:]]+DYNAMIC_BASE$' "$private"
    need "$1" "DEP (NX_COMPAT)" '^[[:space:]]+NX_COMPAT$' "$private"
    if printf '%s\n' "$private" | grep -q '^Magic.*PE32+'; then
        need "$1" "64-bit ASLR (HIGH_ENTROPY_VA)" '^[[:space:]]+HIGH_ENTROPY_VA$' "$private"
    fi
    need "$1" "stack protector (__stack_chk_fail linked in)" '[ _]__stack_chk_fail$' "$symbols"
    imports=$(printf '%s\n' "$private" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r')
    for dll in $imports; do
        allowed=no
        for a in $2; do
            [ "$(echo "$dll" | tr 'A-Z' 'a-z')" = "$(echo "$a" | tr 'A-Z' 'a-z')" ] && allowed=yes
        done
        if [ $allowed = yes ]; then pass "$1" "imports $dll"; else fail "$1" "imports $dll, not a system DLL"; fi
    done
}

case $format in
    elf) elf "$3" no; [ $# -ge 4 ] && elf "$4" yes ;;
    pe) pe "$3" "$4" ;;
    *) echo "unknown format $format"; exit 2 ;;
esac
exit $failed
