#include "list/ListInput.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "list/Cp932.h"

namespace {

// How much of the input decides its encoding.
constexpr std::size_t kEncodingSample = 64 * 1024;

struct InputStart {
    std::string bytes;
    bool complete = false;  // the whole input
    int readError = 0;
};

InputStart ReadStart(ByteSource& source) {
    InputStart start;
    start.bytes.resize(kEncodingSample);
    std::size_t filled = 0;
    while (filled < start.bytes.size()) {
        errno = 0;
        const std::ptrdiff_t count =
            source(start.bytes.data() + filled, start.bytes.size() - filled);
        if (count < 0) start.readError = errno != 0 ? errno : EIO;
        if (count <= 0) {
            start.complete = true;
            break;
        }
        filled += std::size_t(count);
    }
    start.bytes.resize(filled);
    return start;
}

ByteSource StartThenRest(std::string start, ByteSource rest, bool complete) {
    return [start = std::move(start), rest = std::move(rest), complete, at = std::size_t(0)](
               char* buffer, std::size_t size) mutable -> std::ptrdiff_t {
        if (at < start.size()) {
            const std::size_t count = std::min(size, start.size() - at);
            std::memcpy(buffer, start.data() + at, count);
            at += count;
            return std::ptrdiff_t(count);
        }
        return complete ? 0 : rest(buffer, size);
    };
}

}  // namespace

std::variant<ListInput, ListProblem> OpenListInput(ByteSource input,
                                                   std::optional<CsvEncoding> chosen) {
    InputStart start = ReadStart(input);
    if (start.readError != 0) return ListReadProblem(start.readError);
    const CsvEncoding encoding = chosen.value_or(DetectCsvEncoding(start.bytes, start.complete));
    if (encoding == CsvEncoding::Cp932 && !Cp932Available())
        return ListProblem{ListProblem::Kind::NoCp932};
    const bool byteOrderMark = start.bytes.starts_with(kUtf8ByteOrderMark);
    return ListInput{encoding, byteOrderMark,
                     StartThenRest(std::move(start.bytes), std::move(input), start.complete)};
}

ListProblem ListReadProblem(int error) {
    return {ListProblem::Kind::Unreadable, std::strerror(error)};
}
