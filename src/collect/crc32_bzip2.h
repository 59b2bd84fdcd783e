#pragma once
// CRC-32 with the polynomial 0x04C11DB7 taken most significant bit first (not reflected),
// register preset to 0xFFFFFFFF and complemented at the end: the checksum column's CRC32.
#include <cstddef>
#include <cstdint>

class Crc32Bzip2 {
public:
    void update(const unsigned char *data, std::size_t length);
    // The complemented register; updating may go on afterwards.
    std::uint32_t value() const { return ~m_register; }

private:
    std::uint32_t m_register = 0xFFFFFFFFu;
};
