#include "data/des.h"

namespace data {
namespace {

// The published tables, 1-based bit numbers counted from the most significant bit.
constexpr std::uint8_t kPc1[56] = {
    57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18,
    10, 2,  59, 51, 43, 35, 27, 19, 11, 3,  60, 52, 44, 36,
    63, 55, 47, 39, 31, 23, 15, 7,  62, 54, 46, 38, 30, 22,
    14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4,
};

constexpr std::uint8_t kPc2[48] = {
    14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10,
    23, 19, 12, 4,  26, 8,  16, 7,  27, 20, 13, 2,
    41, 52, 31, 37, 47, 55, 30, 40, 51, 45, 33, 48,
    44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32,
};

constexpr std::uint8_t kShifts[16] = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};

constexpr std::uint8_t kP[32] = {
    16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23, 26, 5,  18, 31, 10,
    2,  8, 24, 14, 32, 27, 3,  9,  19, 13, 30, 6,  22, 11, 4,  25,
};

constexpr std::uint8_t kSBoxes[8][4][16] = {
    {{14, 4, 13, 1, 2, 15, 11, 8, 3, 10, 6, 12, 5, 9, 0, 7},
     {0, 15, 7, 4, 14, 2, 13, 1, 10, 6, 12, 11, 9, 5, 3, 8},
     {4, 1, 14, 8, 13, 6, 2, 11, 15, 12, 9, 7, 3, 10, 5, 0},
     {15, 12, 8, 2, 4, 9, 1, 7, 5, 11, 3, 14, 10, 0, 6, 13}},
    {{15, 1, 8, 14, 6, 11, 3, 4, 9, 7, 2, 13, 12, 0, 5, 10},
     {3, 13, 4, 7, 15, 2, 8, 14, 12, 0, 1, 10, 6, 9, 11, 5},
     {0, 14, 7, 11, 10, 4, 13, 1, 5, 8, 12, 6, 9, 3, 2, 15},
     {13, 8, 10, 1, 3, 15, 4, 2, 11, 6, 7, 12, 0, 5, 14, 9}},
    {{10, 0, 9, 14, 6, 3, 15, 5, 1, 13, 12, 7, 11, 4, 2, 8},
     {13, 7, 0, 9, 3, 4, 6, 10, 2, 8, 5, 14, 12, 11, 15, 1},
     {13, 6, 4, 9, 8, 15, 3, 0, 11, 1, 2, 12, 5, 10, 14, 7},
     {1, 10, 13, 0, 6, 9, 8, 7, 4, 15, 14, 3, 11, 5, 2, 12}},
    {{7, 13, 14, 3, 0, 6, 9, 10, 1, 2, 8, 5, 11, 12, 4, 15},
     {13, 8, 11, 5, 6, 15, 0, 3, 4, 7, 2, 12, 1, 10, 14, 9},
     {10, 6, 9, 0, 12, 11, 7, 13, 15, 1, 3, 14, 5, 2, 8, 4},
     {3, 15, 0, 6, 10, 1, 13, 8, 9, 4, 5, 11, 12, 7, 2, 14}},
    {{2, 12, 4, 1, 7, 10, 11, 6, 8, 5, 3, 15, 13, 0, 14, 9},
     {14, 11, 2, 12, 4, 7, 13, 1, 5, 0, 15, 10, 3, 9, 8, 6},
     {4, 2, 1, 11, 10, 13, 7, 8, 15, 9, 12, 5, 6, 3, 0, 14},
     {11, 8, 12, 7, 1, 14, 2, 13, 6, 15, 0, 9, 10, 4, 5, 3}},
    {{12, 1, 10, 15, 9, 2, 6, 8, 0, 13, 3, 4, 14, 7, 5, 11},
     {10, 15, 4, 2, 7, 12, 9, 5, 6, 1, 13, 14, 0, 11, 3, 8},
     {9, 14, 15, 5, 2, 8, 12, 3, 7, 0, 4, 10, 1, 13, 11, 6},
     {4, 3, 2, 12, 9, 5, 15, 10, 11, 14, 1, 7, 6, 0, 8, 13}},
    {{4, 11, 2, 14, 15, 0, 8, 13, 3, 12, 9, 7, 5, 10, 6, 1},
     {13, 0, 11, 7, 4, 9, 1, 10, 14, 3, 5, 12, 2, 15, 8, 6},
     {1, 4, 11, 13, 12, 3, 7, 14, 10, 15, 6, 8, 0, 5, 9, 2},
     {6, 11, 13, 8, 1, 4, 10, 7, 9, 5, 0, 15, 14, 2, 3, 12}},
    {{13, 2, 8, 4, 6, 15, 11, 1, 10, 9, 3, 14, 5, 0, 12, 7},
     {1, 15, 13, 8, 10, 3, 7, 4, 12, 5, 6, 11, 0, 14, 9, 2},
     {7, 11, 4, 1, 9, 12, 14, 2, 0, 6, 10, 13, 15, 3, 5, 8},
     {2, 1, 14, 7, 4, 10, 8, 13, 15, 12, 9, 0, 3, 5, 6, 11}},
};

constexpr std::uint32_t rotl(std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }
constexpr std::uint32_t rotr(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

// Bit `number` (1 = most significant) of a `width`-bit value.
constexpr std::uint64_t bitOf(std::uint64_t value, int number, int width)
{
    return (value >> (width - number)) & 1;
}

// The halves run through the rounds rotated left by one bit. Then the expansion's six-bit
// groups lie whole in the bytes of the half (groups 2, 4, 6, 8) or of the half rotated
// right by four (groups 1, 3, 5, 7), so E costs a rotation and four masks.
//
// kSp.box[i][g] = S-box i+1 on group g, put in place, through P, rotated left by one: the
// whole of f for one group, and the eight entries of a round simply OR together.
struct SpBoxes {
    std::uint32_t box[8][64];
};

constexpr SpBoxes makeSpBoxes()
{
    SpBoxes sp{};
    for (int i = 0; i < 8; ++i) {
        for (int g = 0; g < 64; ++g) {
            const int row = ((g >> 4) & 2) | (g & 1);
            const int column = (g >> 1) & 15;
            const std::uint32_t sOut = std::uint32_t{kSBoxes[i][row][column]} << (28 - 4 * i);
            std::uint32_t permuted = 0;
            for (int j = 0; j < 32; ++j)
                permuted |= std::uint32_t(bitOf(sOut, kP[j], 32)) << (31 - j);
            sp.box[i][g] = rotl(permuted, 1);
        }
    }
    return sp;
}

constexpr SpBoxes kSp = makeSpBoxes();

// Exchanges the bits of `b` under `mask` with the bits of `a` `shift` places higher.
inline void swapBits(std::uint32_t& a, std::uint32_t& b, int shift, std::uint32_t mask)
{
    const std::uint32_t t = ((a >> shift) ^ b) & mask;
    b ^= t;
    a ^= t << shift;
}

// IP as five exchanges of bit groups between the halves; the halves come out rotated left
// by one, ready for the rounds.
inline void initialPermutation(std::uint32_t& left, std::uint32_t& right)
{
    swapBits(left, right, 4, 0x0f0f0f0f);
    swapBits(left, right, 16, 0x0000ffff);
    swapBits(right, left, 2, 0x33333333);
    swapBits(right, left, 8, 0x00ff00ff);
    right = rotl(right, 1);
    const std::uint32_t t = (left ^ right) & 0xaaaaaaaa;
    left ^= t;
    right ^= t;
    left = rotl(left, 1);
}

// Exactly the steps of initialPermutation undone in reverse order.
inline void finalPermutation(std::uint32_t& left, std::uint32_t& right)
{
    left = rotr(left, 1);
    const std::uint32_t t = (left ^ right) & 0xaaaaaaaa;
    left ^= t;
    right ^= t;
    right = rotr(right, 1);
    swapBits(right, left, 8, 0x00ff00ff);
    swapBits(right, left, 2, 0x33333333);
    swapBits(left, right, 16, 0x0000ffff);
    swapBits(left, right, 4, 0x0f0f0f0f);
}

inline std::uint32_t feistel(std::uint32_t half, std::uint64_t subkey)
{
    const std::uint32_t odd = rotr(half, 4) ^ std::uint32_t(subkey >> 32);
    const std::uint32_t even = half ^ std::uint32_t(subkey);
    return kSp.box[6][odd & 0x3f] | kSp.box[4][(odd >> 8) & 0x3f]
         | kSp.box[2][(odd >> 16) & 0x3f] | kSp.box[0][(odd >> 24) & 0x3f]
         | kSp.box[7][even & 0x3f] | kSp.box[5][(even >> 8) & 0x3f]
         | kSp.box[3][(even >> 16) & 0x3f] | kSp.box[1][(even >> 24) & 0x3f];
}

// Sixteen rounds; decryption takes the subkeys in reverse order. A template so that each
// direction is unrolled with fixed subkey positions.
template <bool kDecrypt>
std::uint64_t runRounds(const std::array<std::uint64_t, 16>& subkeys, std::uint64_t block)
{
    std::uint32_t left = std::uint32_t(block >> 32);
    std::uint32_t right = std::uint32_t(block);
    initialPermutation(left, right);
#pragma GCC unroll 8
    for (int round = 0; round < 16; round += 2) {
        left ^= feistel(right, subkeys[kDecrypt ? 15 - round : round]);
        right ^= feistel(left, subkeys[kDecrypt ? 14 - round : round + 1]);
    }
    // The last round does not exchange the halves: the output is R16 L16.
    finalPermutation(right, left);
    return (std::uint64_t{right} << 32) | left;
}

// A 48-bit round key from PC-2, laid out for feistel(): groups 1, 3, 5, 7 in the bytes of
// the high word, groups 2, 4, 6, 8 in the bytes of the low word, each group in the low six
// bits of its byte.
std::uint64_t packSubkey(std::uint64_t roundKey48)
{
    std::uint32_t odd = 0;
    std::uint32_t even = 0;
    for (int group = 0; group < 8; ++group) {
        const std::uint32_t bits = std::uint32_t(roundKey48 >> (42 - 6 * group)) & 0x3f;
        const int shift = 24 - 8 * (group / 2);
        if (group % 2 == 0)
            odd |= bits << shift;
        else
            even |= bits << shift;
    }
    return (std::uint64_t{odd} << 32) | even;
}

std::uint64_t bigEndian(const std::array<std::uint8_t, 8>& bytes)
{
    std::uint64_t value = 0;
    for (std::uint8_t byte : bytes)
        value = (value << 8) | byte;
    return value;
}

std::uint32_t rotl28(std::uint32_t x, int n)
{
    return ((x << n) | (x >> (28 - n))) & 0x0fffffff;
}

}  // namespace

Des::Des(const std::array<std::uint8_t, 8>& key) : Des(bigEndian(key)) {}

Des::Des(std::uint64_t key)
{
    std::uint64_t cd = 0;
    for (int i = 0; i < 56; ++i)
        cd = (cd << 1) | bitOf(key, kPc1[i], 64);
    std::uint32_t c = std::uint32_t(cd >> 28);
    std::uint32_t d = std::uint32_t(cd) & 0x0fffffff;
    for (int round = 0; round < 16; ++round) {
        c = rotl28(c, kShifts[round]);
        d = rotl28(d, kShifts[round]);
        const std::uint64_t joined = (std::uint64_t{c} << 28) | d;
        std::uint64_t roundKey = 0;
        for (int i = 0; i < 48; ++i)
            roundKey = (roundKey << 1) | bitOf(joined, kPc2[i], 56);
        m_subkeys[round] = packSubkey(roundKey);
    }
}

std::uint64_t Des::encrypt(std::uint64_t block) const
{
    return runRounds<false>(m_subkeys, block);
}

std::uint64_t Des::decrypt(std::uint64_t block) const
{
    return runRounds<true>(m_subkeys, block);
}

}  // namespace data
