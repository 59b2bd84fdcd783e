#include "collect/crc32_bzip2.h"

#include <array>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

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

std::uint32_t updateByTable(std::uint32_t reg, const unsigned char *data, std::size_t length)
{
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
    return reg;
}

#if defined(__x86_64__)

// Folding with carry-less multiplication, 64 bytes a round. A 128-bit block A stands for the
// polynomial whose x^127 is the first byte's top bit; A * x^D is congruent to
// A_high * (x^(D+64) mod P) + A_low * (x^D mod P), which fits in 128 bits again. The register
// goes into the first four bytes, and the folded block, fed to the table from a zero register,
// gives the register back: the same value as the table alone.
constexpr std::uint64_t XPow576 = 0x8833794C, XPow512 = 0xE6228B11; // four blocks ahead
constexpr std::uint64_t XPow192 = 0xC5B9CD4C, XPow128 = 0xE8A45605; // one block ahead
constexpr std::size_t FoldingFrom = 128;

__attribute__((target("pclmul,ssse3"))) __m128i loadBlock(const unsigned char *data)
{
    const __m128i reversed = _mm_setr_epi8(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
    return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(data)), reversed);
}

__attribute__((target("pclmul,ssse3"))) __m128i fold(__m128i block, __m128i powers)
{
    return _mm_xor_si128(_mm_clmulepi64_si128(block, powers, 0x11),
                         _mm_clmulepi64_si128(block, powers, 0x00));
}

__attribute__((target("pclmul,ssse3"))) std::uint32_t
updateByFolding(std::uint32_t reg, const unsigned char *data, std::size_t length)
{
    // Each lane holds the power for the same half of a block.
    const __m128i fourAhead = _mm_set_epi64x(XPow576, XPow512);
    const __m128i oneAhead = _mm_set_epi64x(XPow192, XPow128);
    __m128i blocks[4];
    for (int i = 0; i < 4; ++i)
        blocks[i] = loadBlock(data + 16 * i);
    blocks[0] = _mm_xor_si128(blocks[0], _mm_set_epi32(int(reg), 0, 0, 0));
    data += 64;
    length -= 64;
    for (; length >= 64; data += 64, length -= 64)
        for (int i = 0; i < 4; ++i)
            blocks[i] = _mm_xor_si128(fold(blocks[i], fourAhead), loadBlock(data + 16 * i));
    __m128i folded = blocks[0];
    for (int i = 1; i < 4; ++i)
        folded = _mm_xor_si128(fold(folded, oneAhead), blocks[i]);
    for (; length >= 16; data += 16, length -= 16)
        folded = _mm_xor_si128(fold(folded, oneAhead), loadBlock(data));

    alignas(16) unsigned char bytes[16];
    _mm_store_si128(reinterpret_cast<__m128i *>(bytes),
                    loadBlock(reinterpret_cast<const unsigned char *>(&folded)));
    return updateByTable(updateByTable(0, bytes, sizeof bytes), data, length);
}

const bool foldingWorks = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("ssse3");

#endif

} // namespace

void Crc32Bzip2::update(const unsigned char *data, std::size_t length)
{
#if defined(__x86_64__)
    if (foldingWorks && length >= FoldingFrom) {
        m_register = updateByFolding(m_register, data, length);
        return;
    }
#endif
    m_register = updateByTable(m_register, data, length);
}
