// Open data file over any bytes: whatever a copied or hand-edited .kvd holds, opening it
// gives a plaintext of exactly the size its container allows, or nothing. Sealing the same
// bytes under a password taken from the input must open back to them.
#include "data/data_cipher.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view container(reinterpret_cast<const char*>(data), size);
    const std::string plain = data::openDataFile(container);
    if (!plain.empty()) {
        // N is 4 + L rounded up to whole blocks, and nothing else.
        fuzz::check(size % 8 == 0, "an opened container is whole blocks");
        fuzz::check(plain.size() + 4 <= size && size < plain.size() + 12,
                    "the length prefix fits the container");
        // The padding is not examined, so only the plaintext part must come back.
        const std::string resealed = data::sealDataFile(plain);
        fuzz::check(resealed.size() == size, "resealing gives the same size");
        fuzz::check(data::openDataFile(resealed) == plain, "resealed container opens the same");
    }

    fuzz::Input in(data, size);
    const std::string_view password = in.takeUntil('\0');
    const std::string_view text = in.rest();
    const std::string sealed = data::sealDataFile(text, password);
    fuzz::check(sealed.size() % 8 == 0, "a container is whole blocks");
    fuzz::check(data::openDataFile(sealed, password) == text, "open undoes seal", text);
    return 0;
}
