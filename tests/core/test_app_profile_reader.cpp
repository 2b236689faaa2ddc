// The profile functions on real files: the reading rules and integers as
// Windows has them, the string buffer contract, and files that must neither
// hang nor crash the reader.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <string>

#include "app/ModFileProc.h"

namespace {

using ModFileProc::GetPrivateProfileIntA;
using ModFileProc::GetPrivateProfileStringA;

constexpr int kDflt = 99;
const std::string kMissing = "one two";  // the default "one two  " without its trailing blanks

QByteArray Write(const QTemporaryDir& dir, const QByteArray& content, const char* name = "p.ini") {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return QFile::encodeName(file.fileName());
}

std::string Text(const QByteArray& path, const char* key = "K", std::uint32_t size = 255) {
    char buffer[255];
    return std::string(
        buffer, GetPrivateProfileStringA("S", key, "one two  ", buffer, size, path.constData()));
}

// clang-format off
const struct {
    QByteArray content;
    std::string text;
    std::int64_t number;  // wraps at 32 bits: -4294967297 is -1 (4294967295 unsigned)
} kFiles[] = {
    {"[S]\nK=12abc", "12abc", 12},  {"[s]\n k \t= \" 7 \" ", " 7 ", 7},  {"[S]\nK='x'", "x", 0},
    {"[S]\nK=\"x'", "\"x'", 0},    {"[S]\nK=", "", kDflt},  {"[S]\n;K=1\n  ;K=3\nK=2", "2", 2},
    {"[S]\nK=1 ;x", "1 ;x", 1},    {"[S]\nK=1\nK=2\n[s]\nK=3", "1", 1},  {"[S]\rJ=3\rK=4", "4", 4},
    {"[S]\nA=1\n[T]\n[S]\nK=2", kMissing, kDflt},  {"K=1\n[S]", kMissing, kDflt},  {"", kMissing, kDflt},
    {"[S]\r\n\r\nK=5\r\n", "5", 5},  {"\xEF\xBB\xBF[S]\nK=a=b", "a=b", 0},  {"[S]\nK=0x10", "0x10", 0},
    {QByteArray("\xff\0[\0]=\n[S]\nK=-5", 15), "-5", -5},  {"[S]\nK=+7", "+7", 7},  {"[S]\nK=- 5", "- 5", 0},
    {"[S]\nK=2147483648", "2147483648", -2147483648LL},  {"[S]\nK=4294967296", "4294967296", 0},
    {"[S]\nK=4294967297", "4294967297", 1},  {"[S]\nK=-4294967297", "-4294967297", -1},
};
// clang-format on

TEST(ProfileReader, ReadsFilesAsWindowsDoes) {
    QTemporaryDir dir;
    for (const auto& c : kFiles) {
        const QByteArray path = Write(dir, c.content);
        EXPECT_EQ(Text(path), c.text) << c.content.toStdString();
        EXPECT_EQ(GetPrivateProfileIntA("S", "K", kDflt, path.constData()), c.number) << c.text;
    }
}

// 255 bytes hold at most 254 and the NUL; a character that would not fit
// whole is left out.
TEST(ProfileReader, CutsTheValueAtTheBufferOnACharacterBoundary) {
    QTemporaryDir dir;
    const struct {
        QByteArray value;
        std::size_t kept;
    } cuts[] = {{QByteArray(300, 'a'), 254},
                {QByteArray(253, 'a') + "\xC3\xA9", 253},
                {QByteArray(252, 'a') + "\xE6\x97\xA5", 252},
                {QByteArray(251, 'a') + "\xF0\x9F\x98\x80", 251},
                {"a" + QByteArray(300, '\x80'), 254}};
    for (const auto& c : cuts)
        EXPECT_EQ(Text(Write(dir, "[S]\nK=" + c.value)), c.value.left(c.kept).toStdString());
    const QByteArray path = Write(dir, "[S]\nK=value");
    EXPECT_EQ(Text(path, "K", 1), "");
    char untouched[2] = "x";
    EXPECT_EQ(GetPrivateProfileStringA("S", "K", "", untouched, 0, path.constData()), 0u);
    EXPECT_STREQ(untouched, "x");
    EXPECT_EQ(GetPrivateProfileStringA("S", "J", nullptr, untouched, 2, nullptr), 0u);
}

// Whatever cannot be read as a whole plain file gives the defaults at once.
TEST(ProfileReader, HostileFilesGiveDefaults) {
    QTemporaryDir dir;
    const QString at = dir.path() + "/";
    ASSERT_TRUE(QDir(at).mkdir("folder") && ::mkfifo(QFile::encodeName(at + "fifo"), 0600) == 0);
    QFile::link(at + "fifo", at + "link");
    const QByteArray unreadable = Write(dir, "[S]\nK=1", "unreadable");
    ::chmod(unreadable.constData(), 0);
    ::chmod(QFile::encodeName(at).constData(), 0755);
    // Past the read bound of a huge file nothing counts, nor a line the bound cuts.
    QFile huge(at + "huge");
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write("[S]\nJ=" + QByteArray(ModFileProc::kProfileReadLimit - 13, 'x') +
               "\nK=12345\nK=1\n");
    ASSERT_TRUE(huge.resize(300LL << 20));
    huge.close();
    for (const char* name :
         {"folder", "fifo", "link", "missing", "unreadable", "huge", "/dev/zero", ""}) {
        const QByteArray path =
            name[0] == '/' || !*name ? QByteArray(name) : QFile::encodeName(at + name);
        const pid_t child = ::fork();  // as nobody, since permissions do not bind root
        if (child == 0) {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
            ::_exit(GetPrivateProfileIntA("S", "K", kDflt, path.constData()) == kDflt &&
                            Text(path) == kMissing
                        ? 0
                        : 1);
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(status, 0) << name;
    }
    EXPECT_EQ(GetPrivateProfileIntA("S", "J", kDflt, QFile::encodeName(at + "huge")), 0);
}

}  // namespace
