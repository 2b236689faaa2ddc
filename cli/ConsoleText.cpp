#include "cli/ConsoleText.h"

#if defined(_WIN32)

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <QString>
#include <QStringDecoder>
#include <memory>

#include "list/Cp932.h"

namespace {

// The console a standard stream writes to, or nullptr for a file or a pipe.
HANDLE ConsoleOf(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

bool WriteConsoleText(HANDLE console, const QString& text) {
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    for (qsizetype left = text.size(); left > 0;) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<qsizetype>(left, 8192));
        if (!WriteConsoleW(console, wide, chunk, &written, nullptr) || written == 0) return false;
        wide += written;
        left -= written;
    }
    return true;
}

// Bytes of code page 932 in pieces, a character possibly cut between two:
// the lead byte of a cut one waits for the next piece.
class Cp932Pieces {
public:
    QString Decode(std::string_view bytes) {
        std::string whole = pending_ + std::string(bytes);
        pending_.clear();
        std::size_t at = 0;
        while (at < whole.size()) {
            const bool lead = IsDBCSLeadByteEx(932, BYTE(whole[at])) != 0;
            if (lead && at + 1 == whole.size()) {
                pending_ = whole.substr(at);
                whole.resize(at);
                break;
            }
            at += lead ? 2 : 1;
        }
        return Cp932ToUnicode(whole);
    }

private:
    std::string pending_;
};

}  // namespace

bool WriteText(std::FILE* stream, std::string_view utf8) {
    const HANDLE console = ConsoleOf(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (console == nullptr) return std::fwrite(utf8.data(), 1, utf8.size(), stream) == utf8.size();
    std::fflush(stream);
    return WriteConsoleText(console, QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

ByteSink SinkToStandardOutput(CsvEncoding encoding) {
    const HANDLE console = ConsoleOf(STD_OUTPUT_HANDLE);
    if (console == nullptr) {
        _setmode(_fileno(stdout), _O_BINARY);
        return SinkToFd(_fileno(stdout));
    }
    if (encoding == CsvEncoding::Cp932) {
        return [console, pieces = std::make_shared<Cp932Pieces>()](const char* bytes,
                                                                   std::size_t size) {
            return WriteConsoleText(console, pieces->Decode({bytes, size}));
        };
    }
    // A stateful decoder keeps a character cut between two pieces.
    return [console, decoder = std::make_shared<QStringDecoder>(QStringDecoder::Utf8)](
               const char* bytes, std::size_t size) {
        return WriteConsoleText(console, (*decoder)(QByteArrayView(bytes, qsizetype(size))));
    };
}

#else

#include <unistd.h>

bool WriteText(std::FILE* stream, std::string_view utf8) {
    return std::fwrite(utf8.data(), 1, utf8.size(), stream) == utf8.size();
}

ByteSink SinkToStandardOutput(CsvEncoding) {
    return SinkToFd(STDOUT_FILENO);
}

#endif
