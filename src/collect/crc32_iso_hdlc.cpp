#include "collect/crc32_iso_hdlc.h"

#include <array>

namespace {

using Table = std::array<std::uint32_t, 256>;

// Slicing by eight, reflected: tables[k][b] is the register contribution of byte b followed by
// k zero bytes.
constexpr std::array<Table, 8> makeTables()
{
    std::array<Table, 8> tables{};
    for (std::uint32_t byte = 0; byte < 256; ++byte) {
        std::uint32_t value = byte;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1u) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
        tables[0][byte] = value;
    }
    for (std::size_t k = 1; k < tables.size(); ++k)
        for (std::size_t byte = 0; byte < 256; ++byte) {
            const std::uint32_t previous = tables[k - 1][byte];
            tables[k][byte] = (previous >> 8) ^ tables[0][previous & 0xFF];
        }
    return tables;
}

constexpr std::array<Table, 8> tables = makeTables();

} // namespace

void Crc32IsoHdlc::update(const unsigned char *data, std::size_t length)
{
    std::uint32_t reg = m_register;
    for (; length >= 8; data += 8, length -= 8) {
        // Byte-wise little-endian loads keep this independent of alignment and host byte order.
        const std::uint32_t low = reg ^ (std::uint32_t(data[0]) | (std::uint32_t(data[1]) << 8) |
                                         (std::uint32_t(data[2]) << 16) | (std::uint32_t(data[3]) << 24));
        reg = tables[7][low & 0xFF] ^ tables[6][(low >> 8) & 0xFF] ^ tables[5][(low >> 16) & 0xFF] ^
              tables[4][low >> 24] ^ tables[3][data[4]] ^ tables[2][data[5]] ^ tables[1][data[6]] ^
              tables[0][data[7]];
    }
    for (; length > 0; ++data, --length)
        reg = (reg >> 8) ^ tables[0][(reg ^ *data) & 0xFF];
    m_register = reg;
}
