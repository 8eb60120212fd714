// DES (FIPS 46-3), table-driven, written for the program so that it needs no crypto
// library on any platform. Keys are taken as they are: parity is neither checked nor fixed,
// weak keys are accepted.
#pragma once

#include <array>
#include <cstdint>

namespace data {

class Des {
public:
    explicit Des(const std::array<std::uint8_t, 8>& key);
    explicit Des(std::uint64_t key);

    // A block is 8 bytes, the first byte the most significant.
    std::uint64_t encrypt(std::uint64_t block) const;
    std::uint64_t decrypt(std::uint64_t block) const;

private:
    std::array<std::uint64_t, 16> m_subkeys{};  // 48-bit round keys
};

}  // namespace data
