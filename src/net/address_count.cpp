#include "net/address_count.h"

namespace net {

std::string AddressCount::toString() const
{
    if (!m_bit128)
        return m_low128.toString();
    // 2^128 is one more than the largest 128-bit number: add one in decimal.
    std::string digits = UInt128::max().toString();
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return digits;
        }
        *digit = '0';
    }
    return '1' + digits;
}

} // namespace net
