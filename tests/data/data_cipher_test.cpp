#include "data/data_cipher.h"

#include "data/des.h"

#include <gtest/gtest.h>
#include <nettle/des.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace data {
namespace {

using Key = std::array<std::uint8_t, 8>;
using namespace std::string_literals;

// ECB with Nettle, an implementation independent of ours.
std::string nettleEcb(const Key& key, std::string bytes, bool encrypt)
{
    des_ctx context{};
    des_set_key(&context, key.data());  // false for weak keys, which is fine here
    auto* data = reinterpret_cast<std::uint8_t*>(bytes.data());
    if (encrypt)
        des_encrypt(&context, bytes.size(), data, data);
    else
        des_decrypt(&context, bytes.size(), data, data);
    return bytes;
}

std::string littleEndian32(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((bits >> (8 * i)) & 0xff);
    return bytes;
}

// A container laid out by hand: the prefix, then `body`, enciphered as given (`body` must
// make the whole a multiple of 8).
std::string craft(std::int32_t prefix, const std::string& body,
                  std::string_view password = kDataFilePassword)
{
    return nettleEcb(desKeyFromPassword(password), littleEndian32(prefix) + body, true);
}

std::string randomBytes(std::mt19937& random, std::size_t size)
{
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xff);
    return bytes;
}

TEST(FoldPassword, xors_each_byte_into_its_slot)
{
    struct Case {
        const char* name;
        std::string password;
        Key want;
    };
    const Case cases[] = {
        {"empty_is_zero", "", {}},
        {"short_fills_the_front", "kwm815", {'k', 'w', 'm', '8', '1', '5', 0, 0}},
        {"eight_bytes_fill_all", "12345678", {'1', '2', '3', '4', '5', '6', '7', '8'}},
        {"ninth_byte_wraps_to_slot_0", "123456789", {'1' ^ '9', '2', '3', '4', '5', '6', '7', '8'}},
        {"repeated_halves_cancel", "abcdefghabcdefgh", {}},
        {"high_bytes_fold_too", "\xC5\xE4\xD6\xC3", {0xC5, 0xE4, 0xD6, 0xC3, 0, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(foldPassword(c.password), c.want) << c.name;
}

TEST(DesKeyFromPassword, reverses_the_bits_of_every_byte)
{
    EXPECT_EQ(desKeyFromPassword("\x01"), (Key{0x80, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(desKeyFromPassword("\x80\x0F\xF0\x3C"), (Key{0x01, 0xF0, 0x0F, 0x3C, 0, 0, 0, 0}));
    // 'k' 01101011 -> 11010110, 'w' 01110111 -> 11101110, and so on.
    EXPECT_EQ(desKeyFromPassword(kDataFilePassword),
              (Key{0xD6, 0xEE, 0xB6, 0x1C, 0x8C, 0xAC, 0x00, 0x00}));
}

TEST(SealDataFile, size_is_prefix_and_plaintext_rounded_up_to_blocks)
{
    struct Case {
        std::size_t plaintext;
        std::size_t container;
    };
    const Case cases[] = {{0, 0}, {1, 8}, {4, 8}, {5, 16}, {12, 16}, {13, 24}, {1000, 1008}};
    for (const Case& c : cases)
        EXPECT_EQ(sealDataFile(std::string(c.plaintext, 'x')).size(), c.container)
            << c.plaintext << " bytes";
}

// The format is exactly: prefix, plaintext, zero padding, DES-ECB under the bit-reversed
// folded key. An independent DES must produce the same bytes, and must not when given the
// folded key without the reversal.
TEST(SealDataFile, matches_an_independent_des_with_the_reversed_key)
{
    for (const std::string& plaintext : {"1//H\xD0\xCD\xB8\xD6//17.2//x\r\n"s, "abc"s, "12345678"s}) {
        std::string layout = littleEndian32(static_cast<std::int32_t>(plaintext.size())) + plaintext;
        layout.resize((layout.size() + 7) / 8 * 8, '\0');
        const std::string sealed = sealDataFile(plaintext);
        EXPECT_EQ(sealed, nettleEcb(desKeyFromPassword(kDataFilePassword), layout, true));
        EXPECT_NE(sealed, nettleEcb(foldPassword(kDataFilePassword), layout, true));
    }
}

TEST(OpenDataFile, gives_back_any_bytes_sealed_with_the_same_password)
{
    std::mt19937 random(815);
    for (int i = 0; i < 300; ++i) {
        const std::string plaintext = randomBytes(random, 1 + random() % 200) + '\0' + "tail";
        const std::string password = randomBytes(random, random() % 20);
        ASSERT_EQ(openDataFile(sealDataFile(plaintext, password), password), plaintext);
    }
}

TEST(OpenDataFile, checks_the_prefix_against_the_size)
{
    struct Case {
        const char* name;
        std::string container;
        std::string want;
    };
    const Case cases[] = {
        {"prefix_fills_one_block", craft(4, "abcd"), "abcd"},
        {"prefix_1_in_one_block", craft(1, "a\0\0\0"s), "a"},
        {"prefix_5_too_long_for_8_bytes", craft(5, "abcd"), ""},
        {"prefix_0", craft(0, "abcd"), ""},
        {"prefix_negative", craft(-1, "abcd"), ""},
        {"prefix_most_negative", craft(std::numeric_limits<std::int32_t>::min(), "abcd"), ""},
        {"prefix_most_positive", craft(std::numeric_limits<std::int32_t>::max(), "abcd"), ""},
        {"prefix_5_in_two_blocks", craft(5, "abcdefghijkl"), "abcde"},
        {"prefix_12_in_two_blocks", craft(12, "abcdefghijkl"), "abcdefghijkl"},
        {"prefix_13_too_long_for_16", craft(13, "abcdefghijkl"), ""},
        {"prefix_4_leaves_a_whole_spare_block", craft(4, "abcdefghijkl"), ""},
        {"non_zero_padding_not_examined", craft(2, "ab\xFF\xFF"), "ab"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(openDataFile(c.container), c.want) << c.name;
}

TEST(OpenDataFile, rejects_sizes_that_are_not_whole_blocks)
{
    const std::string good = sealDataFile("plaintext of twenty b");
    ASSERT_EQ(good.size(), 32u);
    struct Case {
        const char* name;
        std::string container;
    };
    const Case cases[] = {
        {"empty", ""},
        {"one_byte", "x"},
        {"seven_bytes", good.substr(0, 7)},
        {"nine_bytes", good.substr(0, 9)},
        {"one_byte_cut", good.substr(0, 31)},
        {"one_byte_added", good + 'x'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(openDataFile(c.container), "") << c.name;
}

TEST(OpenDataFile, rejects_whole_blocks_added_or_cut)
{
    const std::string good = sealDataFile("plaintext of twenty b");
    EXPECT_EQ(openDataFile(good + good.substr(0, 8)), "");
    EXPECT_EQ(openDataFile(good.substr(0, 24)), "");
    EXPECT_EQ(openDataFile(good.substr(0, 8)), "");
}

TEST(OpenDataFile, passwords_with_the_same_key_open_each_others_containers)
{
    // Repeated halves fold to zero like the empty password; flipping the top bit of a
    // folded byte only changes a parity bit of the key.
    EXPECT_EQ(openDataFile(sealDataFile("rows", ""), "abcdefghabcdefgh"), "rows");
    EXPECT_EQ(openDataFile(sealDataFile("rows", "abcdefghabcdefgh"), ""), "rows");
    EXPECT_EQ(openDataFile(sealDataFile("rows"), "\xEBwm815"), "rows");
}

TEST(OpenDataFile, wrong_password_fails_the_prefix_test)
{
    const std::string sealed = sealDataFile("1//HW100x100//17.2//x\r\n");
    EXPECT_EQ(openDataFile(sealed, "kwm816"), "");
    EXPECT_EQ(openDataFile(sealed, ""), "");
}

// No input may make it read past the container or crash: every length from 0 to 80 bytes
// of noise under a few passwords, each either rejected or opened to a plaintext that fits.
TEST(OpenDataFile, survives_noise_of_every_length)
{
    std::mt19937 random(46);
    for (std::size_t size = 0; size <= 80; ++size) {
        for (int trial = 0; trial < 200; ++trial) {
            const std::string noise = randomBytes(random, size);
            const std::string plain = openDataFile(noise, trial % 2 ? "" : "kwm815");
            ASSERT_TRUE(plain.empty() || (plain.size() + 4 <= size && size < plain.size() + 12));
        }
    }
}

}  // namespace
}  // namespace data
