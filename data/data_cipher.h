// The data-file container: the plaintext prefixed with its length (32-bit little-endian),
// padded with zero bytes to whole 8-byte blocks, enciphered with DES in ECB mode under a
// key folded from a password. No magic, header, checksum or trailer.
//
// The key: the password's bytes XORed into 8 zero bytes (byte i into slot i mod 8), then
// the bit order of every byte reversed, used as a DES key without any parity check.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace data {

inline constexpr std::string_view kDataFilePassword = "kwm815";

std::array<std::uint8_t, 8> foldPassword(std::string_view password);
std::array<std::uint8_t, 8> desKeyFromPassword(std::string_view password);

// Empty plaintext gives an empty container.
std::string sealDataFile(std::string_view plaintext,
                         std::string_view password = kDataFilePassword);

// The plaintext, or "" when the container is not valid: empty, not whole blocks, or a
// length prefix that is not exactly what the container's size allows. Padding bytes
// are not examined.
std::string openDataFile(std::string_view container,
                         std::string_view password = kDataFilePassword);

}  // namespace data
