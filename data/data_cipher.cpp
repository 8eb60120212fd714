#include "data/data_cipher.h"

#include "data/des.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace data {
namespace {

constexpr std::size_t kBlockSize = 8;
constexpr std::size_t kPrefixSize = 4;

// Spelled out byte by byte so that the compiler turns them into one load or store and a
// byte swap.
std::uint64_t loadBlock(const char* bytes)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return (std::uint64_t{b[0]} << 56) | (std::uint64_t{b[1]} << 48) | (std::uint64_t{b[2]} << 40)
         | (std::uint64_t{b[3]} << 32) | (std::uint64_t{b[4]} << 24) | (std::uint64_t{b[5]} << 16)
         | (std::uint64_t{b[6]} << 8) | std::uint64_t{b[7]};
}

void storeBlock(std::uint64_t block, char* bytes)
{
    auto* b = reinterpret_cast<unsigned char*>(bytes);
    b[0] = static_cast<unsigned char>(block >> 56);
    b[1] = static_cast<unsigned char>(block >> 48);
    b[2] = static_cast<unsigned char>(block >> 40);
    b[3] = static_cast<unsigned char>(block >> 32);
    b[4] = static_cast<unsigned char>(block >> 24);
    b[5] = static_cast<unsigned char>(block >> 16);
    b[6] = static_cast<unsigned char>(block >> 8);
    b[7] = static_cast<unsigned char>(block);
}

std::uint8_t reverseBits(std::uint8_t byte)
{
    std::uint8_t reversed = 0;
    for (int bit = 0; bit < 8; ++bit)
        reversed = static_cast<std::uint8_t>(reversed | (((byte >> bit) & 1) << (7 - bit)));
    return reversed;
}

}  // namespace

std::array<std::uint8_t, 8> foldPassword(std::string_view password)
{
    std::array<std::uint8_t, 8> folded{};
    for (std::size_t i = 0; i < password.size(); ++i)
        folded[i % 8] ^= static_cast<std::uint8_t>(password[i]);
    return folded;
}

std::array<std::uint8_t, 8> desKeyFromPassword(std::string_view password)
{
    std::array<std::uint8_t, 8> key = foldPassword(password);
    for (std::uint8_t& byte : key)
        byte = reverseBits(byte);
    return key;
}

std::string sealDataFile(std::string_view plaintext, std::string_view password)
{
    // The prefix is a signed 32-bit length; a longer plaintext has no container.
    constexpr auto kMaxLength = std::size_t(std::numeric_limits<std::int32_t>::max());
    if (plaintext.empty() || plaintext.size() > kMaxLength)
        return {};
    const std::size_t length = plaintext.size();
    const std::size_t size = (kPrefixSize + length + kBlockSize - 1) / kBlockSize * kBlockSize;

    std::string container(size, '\0');
    for (std::size_t i = 0; i < kPrefixSize; ++i)
        container[i] = static_cast<char>((length >> (8 * i)) & 0xff);
    container.replace(kPrefixSize, length, plaintext);

    const Des des(desKeyFromPassword(password));
    for (std::size_t at = 0; at < size; at += kBlockSize)
        storeBlock(des.encrypt(loadBlock(&container[at])), &container[at]);
    return container;
}

std::string openDataFile(std::string_view container, std::string_view password)
{
    const std::size_t size = container.size();
    if (size == 0 || size % kBlockSize != 0)
        return {};

    // The first block alone decides validity, so a bad container costs one block.
    const Des des(desKeyFromPassword(password));
    char first[kBlockSize];
    storeBlock(des.decrypt(loadBlock(container.data())), first);
    std::uint32_t prefix = 0;
    for (std::size_t i = kPrefixSize; i-- > 0;)
        prefix = (prefix << 8) | static_cast<unsigned char>(first[i]);
    const auto length = static_cast<std::int32_t>(prefix);
    // 64-bit arithmetic: with 0 < length < 2^31 neither sum can overflow.
    if (length <= 0)
        return {};
    const auto wanted = static_cast<std::uint64_t>(length);
    if (wanted + kPrefixSize > size || size >= wanted + kPrefixSize + kBlockSize)
        return {};

    // Deciphered straight into place: the block at offset `at` lands at `at - 4`, and the
    // last one, which holds the padding, is cut to fit.
    std::string plain(static_cast<std::size_t>(length), '\0');
    std::memcpy(plain.data(), first + kPrefixSize,
                std::min(kBlockSize - kPrefixSize, plain.size()));
    std::size_t at = kBlockSize;
    for (; at + kPrefixSize <= plain.size(); at += kBlockSize)
        storeBlock(des.decrypt(loadBlock(container.data() + at)), plain.data() + at - kPrefixSize);
    if (at < size) {
        char last[kBlockSize];
        storeBlock(des.decrypt(loadBlock(container.data() + at)), last);
        std::memcpy(plain.data() + at - kPrefixSize, last, plain.size() - (at - kPrefixSize));
    }
    return plain;
}

}  // namespace data
