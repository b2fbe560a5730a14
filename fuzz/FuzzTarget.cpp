// The libFuzzer entry of every fuzz target: each input goes through the check that the build
// names (FUZZ_CHECK, one of FuzzChecks, declared in FUZZ_CHECKS_HEADER), and a problem stops the
// run as a crash would.
#include FUZZ_CHECKS_HEADER

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString problem = FUZZ_CHECK(QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                               static_cast<qsizetype>(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
