// Open data file against OpenSSL's DES-ECB on the same bytes: containers of 4 KB, 64 KB
// and 1 MB, sealed with the data-file password. Both sides derive their key schedule on
// every call, as opening a file does, and write the deciphered bytes to a fresh buffer.
#include "bench/figure_line.h"
#include "bench/median_reporter.h"
#include "bench/synthetic_table.h"
#include "data/data_cipher.h"

#include <openssl/des.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kSizes[] = {4 * 1024, 64 * 1024, 1024 * 1024};
constexpr double kGoalRatio = 0.8;

// A container of exactly `size` bytes: 4 + L fills whole blocks, so there is no padding.
std::string containerOf(std::size_t size)
{
    return data::sealDataFile(bench::syntheticBytes(size - 4));
}

std::string opensslDecipher(const std::string& container)
{
    const auto key = data::desKeyFromPassword(data::kDataFilePassword);
    DES_cblock keyBlock;
    std::memcpy(keyBlock, key.data(), sizeof keyBlock);
    DES_key_schedule schedule;
    DES_set_key_unchecked(&keyBlock, &schedule);
    std::string plain(container.size(), '\0');
    for (std::size_t at = 0; at < container.size(); at += 8)
        // const_DES_cblock is not const in OpenSSL's headers; the input is only read.
        DES_ecb_encrypt(reinterpret_cast<const_DES_cblock*>(const_cast<char*>(container.data() + at)),
                        reinterpret_cast<DES_cblock*>(plain.data() + at), &schedule,
                        DES_DECRYPT);
    return plain;
}

void openDataFile(benchmark::State& state)
{
    const std::string container = containerOf(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(data::openDataFile(container));
}

void opensslDesEcb(benchmark::State& state)
{
    const std::string container = containerOf(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(opensslDecipher(container));
}

void registerBenchmarks()
{
    for (const auto& [name, function] :
         {std::pair{"open_data_file", &openDataFile}, std::pair{"openssl_des_ecb", &opensslDesEcb}}) {
        auto* b = benchmark::RegisterBenchmark(name, function);
        for (std::size_t size : kSizes)
            b->Arg(static_cast<std::int64_t>(size));
        b->Repetitions(15)->MinTime(0.03)->Unit(benchmark::kMicrosecond);
    }
}

// Both sides must decipher the same bytes to the same plaintext, or the race means nothing.
bool sameResult()
{
    const std::string container = containerOf(kSizes[0]);
    const std::string ours = data::openDataFile(container);
    const std::string theirs = opensslDecipher(container);
    return !ours.empty() && theirs.compare(4, ours.size(), ours) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (!sameResult()) {
        std::fprintf(stderr, "cipher_bench: OpenSSL and open-data-file disagree\n");
        return 1;
    }
    registerBenchmarks();
    bench::MedianReporter medians;
    benchmark::RunSpecifiedBenchmarks(&medians);
    for (const std::string& error : medians.errors())
        std::fprintf(stderr, "cipher_bench: %s\n", error.c_str());

    for (std::size_t size : kSizes) {
        const std::string arg = bench::join({"/", std::to_string(size)});
        const double megabytes = static_cast<double>(size) / 1e6;
        const double ours = megabytes / medians.seconds(bench::join({"open_data_file", arg}));
        const double theirs = megabytes / medians.seconds(bench::join({"openssl_des_ecb", arg}));
        const double ratio = ours / theirs;
        bench::printFigure({.name = bench::join({"open data file, ", std::to_string(size / 1024),
                                                 " KB"}),
                            .value = ours, .unit = "MB/s", .baselineName = "OpenSSL DES-ECB",
                            .baseline = theirs, .ratio = ratio, .goal = ">= 0.8 x",
                            .met = ratio >= kGoalRatio});
    }
    return medians.errors().empty() ? 0 : 1;
}
