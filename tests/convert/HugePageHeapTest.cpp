// The heap marked for huge pages at a program's start. Nothing but the
// timings shows whether it was: a guard that compiled the Linux code out, or
// probes that never made the heap grow, would leave it unmarked unnoticed.
#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/HugePageHeap.h"

#if defined(__linux__)
#include <sys/resource.h>
#endif

namespace {

#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)

std::string FirstLine(const char* path)
{
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

bool Unlimited(int resource)
{
    rlimit limit{};
    return ::getrlimit(resource, &limit) == 0 && limit.rlim_cur == RLIM_INFINITY;
}

// The bytes of the heap's mappings that carry the huge page advice ("hg").
std::size_t HeapBytesAdvisedHuge()
{
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    std::size_t size = 0;
    bool heap = false;
    std::size_t advised = 0;
    while (std::getline(smaps, line)) {
        if (line.rfind("VmFlags:", 0) == 0) {
            std::istringstream flags(line.substr(8));
            for (std::string flag; flags >> flag;) {
                if (heap && flag == "hg")
                    advised += size;
            }
            continue;
        }
        const std::size_t dash = line.find('-');
        const std::size_t space = line.find(' ');
        if (dash == std::string::npos || space == std::string::npos || dash > space)
            continue;
        try {
            const std::size_t begin = std::stoull(line.substr(0, dash), nullptr, 16);
            const std::size_t end = std::stoull(line.substr(dash + 1, space - dash - 1), nullptr, 16);
            size = end - begin;
            heap = line.find("[heap]") != std::string::npos;
        } catch (const std::exception&) {
            // A field line such as "Size:" has no range.
        }
    }
    return advised;
}

TEST(HugePageHeap, MarksAReserveOfTheHeapWhereTheSystemGivesHugePages)
{
    const std::string mode = FirstLine("/sys/kernel/mm/transparent_hugepage/enabled");
    if (mode.find("[always]") == std::string::npos && mode.find("[madvise]") == std::string::npos)
        GTEST_SKIP() << "transparent huge pages are off here: " << mode;
    if (!Unlimited(RLIMIT_DATA) || !Unlimited(RLIMIT_AS))
        GTEST_SKIP() << "a limit on the data size leaves the heap as it is";
    ASSERT_EQ(HeapBytesAdvisedHuge(), 0u);

    corvane::platform::PreferHugePagesForHeap();
    // The reserve less its unaligned ends.
    EXPECT_GE(HeapBytesAdvisedHuge(), std::size_t{60} << 20);
}

#else

TEST(HugePageHeap, MarksAReserveOfTheHeapWhereTheSystemGivesHugePages)
{
    GTEST_SKIP() << "Linux's transparent huge pages under glibc's malloc only";
}

#endif

}  // namespace
