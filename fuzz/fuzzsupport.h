// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A property that every input must keep. A broken one prints what was expected and aborts,
// which libFuzzer reports as a crash and saves the input that caused it.
#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n  %s\n", __FILE__, __LINE__,         \
                         #condition, qUtf8Printable(QString(what)));                               \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace drevant::fuzz {

// Reads bits from the input, as zeros once it is used up.
class Bits {
public:
    Bits(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    unsigned take(int count) {
        unsigned v = 0;
        for (int k = 0; k < count; ++k) {
            const std::size_t byte = m_bit / 8;
            const unsigned bit = byte < m_size ? (m_data[byte] >> (m_bit % 8)) & 1u : 0u;
            v = (v << 1) | bit;
            ++m_bit;
        }
        return v;
    }
    // A uniform value in [0, 1) from 16 bits, like one draw of the generator.
    double unit() { return take(16) / 65536.0; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_bit = 0;
};

} // namespace drevant::fuzz
