#include "collect/crc32_bzip2.h"

#include <array>

namespace {

using Table = std::array<std::uint32_t, 256>;

// Slicing by eight: tables[k][b] is the register contribution of byte b followed by k zero
// bytes, so eight input bytes cost eight lookups instead of eight dependent steps.
constexpr std::array<Table, 8> makeTables()
{
    std::array<Table, 8> tables{};
    for (std::uint32_t byte = 0; byte < 256; ++byte) {
        std::uint32_t value = byte << 24;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 0x80000000u) ? (value << 1) ^ 0x04C11DB7u : value << 1;
        tables[0][byte] = value;
    }
    for (std::size_t k = 1; k < tables.size(); ++k)
        for (std::size_t byte = 0; byte < 256; ++byte) {
            const std::uint32_t previous = tables[k - 1][byte];
            tables[k][byte] = (previous << 8) ^ tables[0][previous >> 24];
        }
    return tables;
}

constexpr std::array<Table, 8> tables = makeTables();

} // namespace

void Crc32Bzip2::update(const unsigned char *data, std::size_t length)
{
    std::uint32_t reg = m_register;
    for (; length >= 8; data += 8, length -= 8) {
        // Byte-wise big-endian loads keep this independent of alignment and host byte order;
        // compilers merge them into one load and a byte swap.
        const std::uint32_t high = reg ^ ((std::uint32_t(data[0]) << 24) | (std::uint32_t(data[1]) << 16) |
                                          (std::uint32_t(data[2]) << 8) | std::uint32_t(data[3]));
        reg = tables[7][high >> 24] ^ tables[6][(high >> 16) & 0xFF] ^ tables[5][(high >> 8) & 0xFF] ^
              tables[4][high & 0xFF] ^ tables[3][data[4]] ^ tables[2][data[5]] ^ tables[1][data[6]] ^
              tables[0][data[7]];
    }
    for (; length > 0; ++data, --length)
        reg = (reg << 8) ^ tables[0][(reg >> 24) ^ *data];
    m_register = reg;
}
