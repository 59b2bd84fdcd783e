#pragma once
// The common CRC-32 of zip, PNG and SFV files: the polynomial 0x04C11DB7 taken least
// significant bit first (reflected), register preset to 0xFFFFFFFF and complemented at the end.
#include <cstddef>
#include <cstdint>

class Crc32IsoHdlc {
public:
    void update(const unsigned char *data, std::size_t length);
    // The complemented register; updating may go on afterwards.
    std::uint32_t value() const { return ~m_register; }

private:
    std::uint32_t m_register = 0xFFFFFFFFu;
};
