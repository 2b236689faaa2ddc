#include "list/Cp932.h"

#if defined(_WIN32)

#include <windows.h>

namespace {
constexpr UINT kCodePage = 932;
}

bool Cp932Available() {
    return IsValidCodePage(kCodePage) != 0;
}

QString Cp932ToUnicode(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = int(bytes.size());
    const int length = MultiByteToWideChar(kCodePage, 0, bytes.data(), size, nullptr, 0);
    QString text(length, Qt::Uninitialized);
    MultiByteToWideChar(kCodePage, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()),
                        length);
    return text;
}

QByteArray Cp932FromUnicode(const QString& text) {
    if (text.isEmpty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length =
        WideCharToMultiByte(kCodePage, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
    QByteArray bytes(length, Qt::Uninitialized);
    WideCharToMultiByte(kCodePage, 0, wide, int(text.size()), bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

#else

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
// One converter per thread: a converter keeps state between calls.
constexpr char kName[] = "windows-31j";
constexpr auto kFlags = QStringConverter::Flag::Stateless;
}  // namespace

bool Cp932Available() {
    return QStringDecoder(kName).isValid() && QStringEncoder(kName).isValid();
}

QString Cp932ToUnicode(std::string_view bytes) {
    thread_local QStringDecoder decoder(kName, kFlags);
    return decoder(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

QByteArray Cp932FromUnicode(const QString& text) {
    thread_local QStringEncoder encoder(kName, kFlags);
    return encoder(text);
}

#endif
