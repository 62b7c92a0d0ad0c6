// Bit operations of binary strings: reversal, and reading or overwriting a run
// of bits at a position.
#include <algorithm>

#include "types/C_StringBin.h"

void C_StringBin::Reverse() noexcept { std::reverse(m_value.begin(), m_value.end()); }

void C_StringBin::SetBin(int position, const C_StringBin& piece) {
    CheckRun(position, piece.GetLength(), GetLength(), kMaxPosition, kMaxLength, false);
    m_value.replace(static_cast<std::size_t>(position), piece.m_value.size(), piece.m_value);
}

C_StringBin C_StringBin::GetBin(int position, int length) const {
    CheckRun(position, length, GetLength(), kMaxPosition, kMaxLength, true);
    C_StringBin run;  // a run of a binary value is binary: no need to check it again
    run.m_value.assign(m_value, static_cast<std::size_t>(position), static_cast<std::size_t>(length));
    return run;
}
