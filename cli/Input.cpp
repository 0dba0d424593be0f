#include "cli/Input.h"

#include "calc/Error.h"
#include "catalogue/Text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {
namespace {

constexpr const char* Name = "kubatrix-calc";
constexpr std::size_t Chunk = 1 << 16;

calc::Error Refused(const std::string& name, const std::string& why) {
    return calc::Error(std::string(Name) + ": " + name + ": " + why);
}

std::string Limit(std::uintmax_t largest) {
    return largest == LargestInput ? "1 GiB" : std::to_string(largest) + " bytes";
}

// What a file that is no regular file is, in words.
std::string KindOf(const struct stat& status) {
    if (S_ISDIR(status.st_mode)) return std::strerror(EISDIR);
    const char* kind = S_ISFIFO(status.st_mode)                             ? "a pipe"
                       : S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode) ? "a device"
                       : S_ISSOCK(status.st_mode)                           ? "a socket"
                                                                            : "something";
    return std::string(kind) + ", not a file: give - to read standard input";
}

// The next chunk read of `name`, held to the bound: a file that grows while
// it is read, and standard input, are refused past it. The text grows in
// steps that never take it far past `largest`: a string left to double its
// room could ask for twice the bound.
void Append(std::string& text, const char* chunk, std::size_t n, const std::string& name,
            std::uintmax_t largest) {
    if (text.size() + n > largest)
        throw Refused(name, "more than the " + Limit(largest) + " a parts list may have");
    if (text.size() + n > text.capacity())
        text.reserve(std::size_t(std::min<std::uintmax_t>(
            std::max<std::uintmax_t>(2 * text.capacity(), text.size() + n), largest + Chunk)));
    text.append(chunk, n);
}

std::string StandardInput(std::istream& in, std::uintmax_t largest) {
    std::string text;
    char chunk[Chunk];
    // What the stream already holds (all of it, for a string), in one piece.
    if (const std::streamsize ready = in.rdbuf()->in_avail(); ready > 0)
        text.reserve(std::size_t(std::min<std::uintmax_t>(std::uintmax_t(ready), largest)));
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        Append(text, chunk, std::size_t(in.gcount()), "standard input", largest);
    if (in.bad()) throw calc::Error(std::string(Name) + ": standard input could not be read");
    return text;
}

} // namespace

// Opened without waiting (a pipe with no writer would block in open()), and
// looked at before it is read: stat and then open would leave a moment in
// which the name could come to mean something else.
std::string Contents(const std::string& name, std::istream& in, std::uintmax_t largest) {
    if (name == "-") return StandardInput(in, largest);
    const std::string shown = catalogue::Printable(name, catalogue::Whole);
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) throw Refused(shown, std::strerror(errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat status {};
    if (::fstat(fd, &status) != 0) throw Refused(shown, std::strerror(errno));
    if (!S_ISREG(status.st_mode)) throw Refused(shown, KindOf(status));
    if (std::uintmax_t(status.st_size) > largest)
        throw Refused(shown, std::to_string(status.st_size) + " bytes, more than the " +
                                 Limit(largest) + " a parts list may have");
    std::string text;
    text.reserve(std::size_t(status.st_size));
    char chunk[Chunk];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw Refused(shown, std::strerror(errno));
        if (n == 0) return text;
        Append(text, chunk, std::size_t(n), shown, largest);
    }
}

} // namespace cli
