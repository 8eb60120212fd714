#include "data/des.h"

#include "tests/data/des_known_answers.h"

#include <gtest/gtest.h>
#include <nettle/des.h>

#include <cstdio>
#include <random>
#include <span>
#include <string>

namespace data {
namespace {

using test::Kat;

std::string hex(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(value));
    return text;
}

std::array<std::uint8_t, 8> bytesOf(std::uint64_t value)
{
    std::array<std::uint8_t, 8> bytes{};
    for (int i = 7; i >= 0; --i, value >>= 8)
        bytes[i] = static_cast<std::uint8_t>(value);
    return bytes;
}

std::uint64_t valueOf(const std::uint8_t* bytes)
{
    std::uint64_t value = 0;
    for (int i = 0; i < 8; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

void expectKnownAnswers(std::span<const Kat> rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Kat& row = rows[i];
        SCOPED_TRACE("row " + std::to_string(i) + ", key " + hex(row.key));
        const Des des(row.key);
        EXPECT_EQ(hex(des.encrypt(row.plain)), hex(row.cipher));
        EXPECT_EQ(hex(des.decrypt(row.cipher)), hex(row.plain));
    }
}

TEST(DesKnownAnswers, variable_plaintext_table)
{
    expectKnownAnswers(test::kVariablePlaintext);
}

TEST(DesKnownAnswers, variable_key_table)
{
    expectKnownAnswers(test::kVariableKey);
}

TEST(DesKnownAnswers, permutation_operation_table)
{
    expectKnownAnswers(test::kPermutationOperation);
}

TEST(DesKnownAnswers, substitution_table)
{
    expectKnownAnswers(test::kSubstitutionTable);
}

// The ECB example "Now is the time for all " under 0123456789ABCDEF, and the sample whose
// round outputs the validation procedure prints.
TEST(DesKnownAnswers, published_examples)
{
    const Kat examples[] = {
        {0x0123456789ABCDEF, 0x4E6F772069732074, 0x3FA40E8A984D4815},
        {0x0123456789ABCDEF, 0x68652074696D6520, 0x6A271787AB8883F9},
        {0x0123456789ABCDEF, 0x666F7220616C6C20, 0x893D51EC4B563B53},
        {0x10316E028C8F3B4A, 0x0000000000000000, 0x82DCBAFBDEAB6602},
    };
    expectKnownAnswers(examples);
}

// Alternating encryption and decryption, each block its own key: catches any single fault
// in the tables or the wiring.
TEST(DesKnownAnswers, sixteen_step_recurrence)
{
    std::uint64_t x = 0x9474B8E8C73BCA7D;
    for (int i = 0; i < 16; ++i)
        x = i % 2 == 0 ? Des(x).encrypt(x) : Des(x).decrypt(x);
    EXPECT_EQ(hex(x), "1B1A2DDB4C642438");
}

// Neither parity nor weakness is checked: all-zero and all-one keys (even parity, weak)
// encipher as published, and the lowest bit of each key byte changes nothing.
TEST(DesKeys, used_as_given)
{
    const Kat rows[] = {
        {0x0000000000000000, 0x0000000000000000, 0x8CA64DE9C1B123A7},
        {0xFFFFFFFFFFFFFFFF, 0xFFFFFFFFFFFFFFFF, 0x7359B2163E4EDC58},
        {0x0E329232EA6D0D73, 0x8787878787878787, 0x0000000000000000},
    };
    expectKnownAnswers(rows);

    const std::uint64_t key = 0x0123456789ABCDEF;
    const std::uint64_t block = 0x4E6F772069732074;
    EXPECT_EQ(hex(Des(key ^ 0x0101010101010101).encrypt(block)), hex(Des(key).encrypt(block)));
}

TEST(DesKeys, byte_and_integer_keys_agree)
{
    const std::uint64_t key = 0x133457799BBCDFF1;
    const std::uint64_t block = 0x0123456789ABCDEF;
    EXPECT_EQ(hex(Des(bytesOf(key)).encrypt(block)), hex(Des(key).encrypt(block)));
    EXPECT_EQ(hex(Des(key).encrypt(block)), "85E813540F0AB405");
}

// A weak key's encryption is its own inverse.
TEST(DesKeys, weak_keys_are_involutions)
{
    for (std::uint64_t key : {0x0101010101010101ull, 0xFEFEFEFEFEFEFEFEull, 0xE0E0E0E0F1F1F1F1ull,
                              0x1F1F1F1F0E0E0E0Eull}) {
        const Des des(key);
        const std::uint64_t block = 0x5574C0BD7CDFF739;
        EXPECT_EQ(hex(des.encrypt(des.encrypt(block))), hex(block)) << hex(key);
    }
}

struct NettleDes {
    explicit NettleDes(std::uint64_t key)
    {
        const std::array<std::uint8_t, 8> bytes = bytesOf(key);
        des_set_key(&m_context, bytes.data());  // false for weak keys, which is fine here
    }
    std::uint64_t encrypt(std::uint64_t block)
    {
        std::array<std::uint8_t, 8> bytes = bytesOf(block);
        des_encrypt(&m_context, bytes.size(), bytes.data(), bytes.data());
        return valueOf(bytes.data());
    }
    std::uint64_t decrypt(std::uint64_t block)
    {
        std::array<std::uint8_t, 8> bytes = bytesOf(block);
        des_decrypt(&m_context, bytes.size(), bytes.data(), bytes.data());
        return valueOf(bytes.data());
    }
    des_ctx m_context{};
};

void expectSameAsNettle(std::uint64_t key, std::mt19937_64& random, int blocks)
{
    const Des ours(key);
    NettleDes theirs(key);
    for (int i = 0; i < blocks; ++i) {
        const std::uint64_t block = random();
        ASSERT_EQ(hex(ours.encrypt(block)), hex(theirs.encrypt(block))) << "key " << hex(key);
        ASSERT_EQ(hex(ours.decrypt(block)), hex(theirs.decrypt(block))) << "key " << hex(key);
    }
}

TEST(DesAgainstNettle, random_keys_and_blocks)
{
    std::mt19937_64 random(20240615);
    for (int i = 0; i < 4000; ++i)
        expectSameAsNettle(random(), random, 4);
}

TEST(DesAgainstNettle, weak_and_semi_weak_keys)
{
    const std::uint64_t keys[] = {
        0x0101010101010101, 0xFEFEFEFEFEFEFEFE, 0xE0E0E0E0F1F1F1F1, 0x1F1F1F1F0E0E0E0E,
        0x0000000000000000, 0xFFFFFFFFFFFFFFFF, 0xE1E1E1E1F0F0F0F0, 0x1E1E1E1E0F0F0F0F,
        0x011F011F010E010E, 0x1F011F010E010E01, 0x01E001E001F101F1, 0xE001E001F101F101,
        0x01FE01FE01FE01FE, 0xFE01FE01FE01FE01, 0x1FE01FE00EF10EF1, 0xE01FE01FF10EF10E,
        0x1FFE1FFE0EFE0EFE, 0xFE1FFE1FFE0EFE0E, 0xE0FEE0FEF1FEF1FE, 0xFEE0FEE0FEF1FEF1,
    };
    std::mt19937_64 random(7);
    for (std::uint64_t key : keys)
        expectSameAsNettle(key, random, 64);
}

}  // namespace
}  // namespace data
