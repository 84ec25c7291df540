#include "platform/HugePageHeap.h"

// Before the test of __GLIBC__, which the C library's headers define.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#if defined(__linux__) && defined(__GLIBC__)
#include <fcntl.h>
#include <malloc.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace corvane::platform {

#if defined(__linux__) && defined(__GLIBC__)
namespace {

// Room for the conversion of 50,000 employees (about 250 MB of heap) without
// growing again. Memory never touched costs nothing but address space.
constexpr std::size_t kReserve = std::size_t{256} << 20;
// glibc's own default pad, put back once the reserve is in place.
constexpr std::size_t kDefaultTopPad = std::size_t{128} << 10;
// Below glibc's mmap threshold, so that each probe takes from the heap's top.
constexpr std::size_t kProbe = std::size_t{64} << 10;

std::string ReadSystemFile(const char* path)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::string();
    std::array<char, 128> buffer{};
    const ssize_t n = ::read(fd, buffer.data(), buffer.size());
    ::close(fd);
    return n > 0 ? std::string(buffer.data(), static_cast<std::size_t>(n)) : std::string();
}

// The size of a transparent huge page, or 0 when the system gives none.
std::size_t HugePageSize()
{
    const std::string mode = ReadSystemFile("/sys/kernel/mm/transparent_hugepage/enabled");
    if (mode.find("[always]") == std::string::npos && mode.find("[madvise]") == std::string::npos)
        return 0;
    const std::string text = ReadSystemFile("/sys/kernel/mm/transparent_hugepage/hpage_pmd_size");
    const unsigned long long size = std::strtoull(text.c_str(), nullptr, 10);
    // A reserve that holds few huge pages is not worth marking (64 KiB base
    // pages make them 512 MiB).
    if (size == 0 || (size & (size - 1)) != 0 || size > kReserve / 4)
        return 0;
    return static_cast<std::size_t>(size);
}

// A limit on the data size could make the reserve's one step fail where
// small steps would not.
bool DataSizeUnlimited()
{
    rlimit limit{};
    for (const int resource : {RLIMIT_DATA, RLIMIT_AS}) {
        if (::getrlimit(resource, &limit) != 0 || limit.rlim_cur != RLIM_INFINITY)
            return false;
    }
    return true;
}

std::uintptr_t Break()
{
    return reinterpret_cast<std::uintptr_t>(::sbrk(0));
}

}  // namespace

void PreferHugePagesForHeap()
{
    const std::size_t page = HugePageSize();
    if (page == 0 || !DataSizeUnlimited())
        return;
    if (::mallopt(M_TOP_PAD, static_cast<int>(kReserve)) != 1)
        return;
    // Take from the heap's top until malloc has to grow it: it then grows by
    // the pad at once, into one mapping that can be marked.
    const std::uintptr_t before = Break();
    std::array<void*, 64> probes{};
    std::size_t taken = 0;
    while (taken < probes.size() && Break() == before) {
        probes[taken] = std::malloc(kProbe);
        if (probes[taken] == nullptr)
            break;
        ++taken;
    }
    while (taken > 0)
        std::free(probes[--taken]);
    // Later growth as before.
    ::mallopt(M_TOP_PAD, static_cast<int>(kDefaultTopPad));
    if (Break() == before)
        return;
    // The reserve is given back only when more than twice its size lies free
    // at the top: given back and grown again, it would be small pages.
    ::mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kReserve));

    const std::uintptr_t first = (before + page - 1) & ~(page - 1);
    const std::uintptr_t last = Break() & ~(page - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

#else

void PreferHugePagesForHeap() {}

#endif

}  // namespace corvane::platform
