// The profile reader on real files: the reading rules Windows users rely on,
// integers, the string buffer contract, and files that must neither hang nor
// crash the reader.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "app/ModFileProc.h"

namespace {

using ModFileProc::GetPrivateProfileIntA;
using ModFileProc::GetPrivateProfileStringA;

constexpr char kMissing[] = "<missing>";

// A literal with embedded NUL bytes, without its terminating NUL.
template <std::size_t N>
QByteArray Bytes(const char (&literal)[N]) {
    return QByteArray(literal, N - 1);
}

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QByteArray Write(const QByteArray& content, const QString& name = QStringLiteral("p.ini")) {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return QFile::encodeName(file.fileName());
    }

    QByteArray PathOf(const QString& name) const { return QFile::encodeName(dir_.filePath(name)); }

    static std::string ReadString(const QByteArray& path, const char* section, const char* key) {
        char buffer[255];
        const std::uint32_t n = GetPrivateProfileStringA(section, key, kMissing, buffer,
                                                         sizeof buffer, path.constData());
        return std::string(buffer, n);
    }

    QTemporaryDir dir_;
};

struct RuleCase {
    const char* rule;
    QByteArray content;
    const char* section;
    const char* key;
    std::string expected;  // kMissing when the key must not be found
};

const RuleCase kRules[] = {
    {"plain", "[SYSTEM]\nUNIT_FLAG=1\n", "SYSTEM", "UNIT_FLAG", "1"},
    {"letter case of names", "[system]\nUnit_Flag=1\n", "SYSTEM", "UNIT_FLAG", "1"},
    {"blanks around names and value", "  [ SYSTEM ]  \n \t UNIT_FLAG \t=\t 7  7 \t\n", "SYSTEM",
     "UNIT_FLAG", "7  7"},
    {"double quotes", "[S]\nK=\" a b \"\n", "S", "K", " a b "},
    {"single quotes", "[S]\nK='x'\n", "S", "K", "x"},
    {"unmatched quotes kept", "[S]\nK=\"x'\n", "S", "K", "\"x'"},
    {"empty value is present", "[S]\nK=\n", "S", "K", ""},
    {"equals sign inside value", "[S]\nK=a=b\n", "S", "K", "a=b"},
    {"comment line", "[S]\n;K=1\nK=2\n", "S", "K", "2"},
    {"indented comment line", "[S]\n  ;K=1\n", "S", "K", kMissing},
    {"no comment at line end", "[S]\nK=1 ;x\n", "S", "K", "1 ;x"},
    {"hash is no comment", "[S]\n#K=1\n", "S", "#K", "1"},
    {"text after section name", "[S] ; note\nK=1\n", "S", "K", "1"},
    {"first occurrence wins", "[S]\nK=1\nK=2\n", "S", "K", "1"},
    {"first section of a name wins", "[S]\nK=1\n[T]\n[s]\nK=2\n", "S", "K", "1"},
    {"repeated section hidden", "[S]\nA=1\n[S]\nK=2\n", "S", "K", kMissing},
    {"keys before any section", "K=1\n[S]\n", "S", "K", kMissing},
    {"missing section", "[T]\nK=1\n", "S", "K", kMissing},
    {"lone CR", "[S]\rK=3\rJ=4", "S", "J", "4"},
    {"mixed line ends", "[S]\n\rK=5\r\n\r\nJ=6", "S", "J", "6"},
    {"byte-order mark", "\xEF\xBB\xBF[S]\nK=1\n", "S", "K", "1"},
    {"no final newline", "[S]\nK=last", "S", "K", "last"},
    {"line without equals sign", "[S]\nK\nK=5\n", "S", "K", "5"},
    {"NUL bytes elsewhere", Bytes("[S]\nA=x\0y\n\0\0\nK=1\n"), "S", "K", "1"},
    {"binary garbage before", Bytes("\xff\xfe\x01\x80[\x00]=\n\x9c") + "\n[S]\nK=1", "S", "K", "1"},
    {"empty file", "", "S", "K", kMissing},
};

TEST_F(ProfileFileTest, ReadingRules) {
    for (const RuleCase& c : kRules) {
        const QByteArray path = Write(c.content);
        EXPECT_EQ(ReadString(path, c.section, c.key), c.expected) << c.rule;
    }
}

struct IntCase {
    QByteArray value;
    std::int32_t expected;
};

constexpr std::int32_t kDefault = 99;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

const IntCase kInts[] = {{"12", 12},
                         {"12abc", 12},
                         {"abc", 0},
                         {"", kDefault},
                         {"\"\"", kDefault},
                         {"\"12\"", 12},
                         {"-5", -5},
                         {"+7", 7},
                         {"007", 7},
                         {"1.9", 1},
                         {"- 5", 0},
                         {"--5", 0},
                         {"+", 0},
                         {"0x10", 0},
                         {"2147483647", kMax},
                         {"2147483648", kMax},
                         {"-2147483648", kMin},
                         {"-2147483649", kMin},
                         {"4294967297", kMax},
                         {QByteArray(5000, '9'), kMax},
                         {"-" + QByteArray(5000, '9'), kMin}};

TEST_F(ProfileFileTest, IntegerReading) {
    for (const IntCase& c : kInts) {
        const QByteArray path = Write("[S]\nK=" + c.value + "\n");
        EXPECT_EQ(GetPrivateProfileIntA("S", "K", kDefault, path.constData()), c.expected)
            << c.value.left(40).toStdString();
    }
}

struct CutCase {
    const char* what;
    QByteArray value;
    std::uint32_t expectedLength;
};

// With a 255-byte buffer at most 254 bytes fit; a character that would not
// fit whole is left out.
const CutCase kCuts[] = {
    {"fits exactly", QByteArray(254, 'a'), 254},
    {"ASCII cut", QByteArray(300, 'a'), 254},
    {"two-byte character across the end", QByteArray(253, 'a') + "\xC3\xA9", 253},
    {"three-byte character across the end", QByteArray(252, 'a') + "\xE6\x97\xA5", 252},
    {"three-byte character ends at the limit", QByteArray(251, 'a') + "\xE6\x97\xA5" + "b", 254},
    {"four-byte character across the end", QByteArray(251, 'a') + "\xF0\x9F\x98\x80", 251},
    {"stray continuation bytes cut bytewise", "a" + QByteArray(300, '\x80'), 254},
};

TEST_F(ProfileFileTest, StringIsCutToBufferOnCharacterBoundary) {
    for (const CutCase& c : kCuts) {
        const QByteArray path = Write("[S]\nK=" + c.value + "\n");
        char buffer[255];
        std::memset(buffer, 'z', sizeof buffer);
        const std::uint32_t n =
            GetPrivateProfileStringA("S", "K", "", buffer, sizeof buffer, path.constData());
        EXPECT_EQ(n, c.expectedLength) << c.what;
        EXPECT_EQ(buffer[n], '\0') << c.what;
        EXPECT_EQ(QByteArray(buffer, n), c.value.left(n)) << c.what;
    }
}

TEST_F(ProfileFileTest, DefaultsAndTinyBuffers) {
    const QByteArray path = Write("[S]\nK=value\n");
    EXPECT_EQ(GetPrivateProfileIntA("S", "J", kDefault, path.constData()), kDefault);
    EXPECT_EQ(GetPrivateProfileIntA("T", "K", kDefault, path.constData()), kDefault);
    char buffer[8];
    EXPECT_EQ(GetPrivateProfileStringA("S", "J", "dflt", buffer, sizeof buffer, path.constData()),
              4u);
    EXPECT_STREQ(buffer, "dflt");
    EXPECT_EQ(GetPrivateProfileStringA("S", "J", nullptr, buffer, sizeof buffer, path.constData()),
              0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(GetPrivateProfileStringA("S", "K", "", buffer, 1, path.constData()), 0u);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(GetPrivateProfileStringA("S", "K", "", buffer, 0, path.constData()), 0u);
}

// Each of these must give the defaults without blocking or crashing.
TEST_F(ProfileFileTest, UnreadableThingsGiveDefaults) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.ini")));
    ASSERT_EQ(::mkfifo(PathOf(QStringLiteral("fifo.ini")).constData(), 0600), 0);
    const QByteArray goodPath = Write("[S]\nK=1\n", QStringLiteral("good.ini"));
    ASSERT_TRUE(QFile::link(dir_.filePath(QStringLiteral("fifo.ini")),
                            dir_.filePath(QStringLiteral("link-to-fifo.ini"))));
    ASSERT_TRUE(QFile::link(dir_.filePath(QStringLiteral("good.ini")),
                            dir_.filePath(QStringLiteral("link-to-good.ini"))));

    for (const char* name : {"folder.ini", "fifo.ini", "link-to-fifo.ini", "missing.ini"}) {
        EXPECT_EQ(GetPrivateProfileIntA("S", "K", kDefault, PathOf(name).constData()), kDefault)
            << name;
        EXPECT_EQ(ReadString(PathOf(name), "S", "K"), kMissing) << name;
    }
    EXPECT_EQ(GetPrivateProfileIntA("S", "K", kDefault, PathOf("link-to-good.ini").constData()), 1);
    EXPECT_EQ(GetPrivateProfileIntA("S", "K", kDefault, "/dev/zero"), kDefault);
    EXPECT_EQ(GetPrivateProfileIntA("S", "K", kDefault, ""), kDefault);
    EXPECT_EQ(GetPrivateProfileIntA("S", "K", kDefault, nullptr), kDefault);
}

// Permissions do not bind root, so root reads as nobody, with the folder
// opened so only the file's own mode stands in the way.
TEST_F(ProfileFileTest, FileWithoutReadPermissionGivesDefaults) {
    const QByteArray path = Write("[S]\nK=1\n");
    ASSERT_EQ(::chmod(path.constData(), 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir_.path()).constData(), 0755), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(2);
        ::_exit(GetPrivateProfileIntA("S", "K", kDefault, path.constData()) == kDefault ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "1: the unreadable file was read; 2: could not drop root";
}

// A huge file is read only up to the bound; a line that the bound cuts is not
// read half (UNIT_FLAG=12345 must not turn into 12).
TEST_F(ProfileFileTest, HugeFileIsReadOnlyUpToTheBound) {
    constexpr qsizetype kBound = ModFileProc::kProfileReadLimit;
    const QByteArray head = "[S]\nEARLY=1\n";
    const QByteArray cutLine = "CUT=12345\n";
    QFile file(dir_.filePath(QStringLiteral("huge.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(head);
    file.write("PAD=" + QByteArray(kBound - head.size() - 4 - 1 - 6, 'x') + "\n");
    file.write(cutLine);  // starts 6 bytes before the bound
    file.write("LATE=1\n");
    // Hundreds of megabytes, most of them a hole in the file.
    ASSERT_TRUE(file.resize(300LL * 1024 * 1024));
    ASSERT_TRUE(file.seek(file.size() - 8));
    file.write("\nEND=1\n");
    file.close();
    const QByteArray path = QFile::encodeName(file.fileName());

    EXPECT_EQ(GetPrivateProfileIntA("S", "EARLY", kDefault, path.constData()), 1);
    EXPECT_EQ(GetPrivateProfileIntA("S", "CUT", kDefault, path.constData()), kDefault);
    EXPECT_EQ(GetPrivateProfileIntA("S", "LATE", kDefault, path.constData()), kDefault);
    EXPECT_EQ(GetPrivateProfileIntA("S", "END", kDefault, path.constData()), kDefault);
}

TEST_F(ProfileFileTest, LongLinesDoNotHideOtherKeys) {
    const QByteArray path = Write("[S]\nJUNK=" + QByteArray(600 * 1024, 'x') + "\nK=1\n" +
                                  QByteArray(200 * 1024, '[') + "\nJ=2\n");
    EXPECT_EQ(GetPrivateProfileIntA("S", "K", kDefault, path.constData()), 1);
    EXPECT_EQ(GetPrivateProfileIntA("S", "J", kDefault, path.constData()), 2);
}

// One load answers several keys with a single read of the file.
TEST_F(ProfileFileTest, LoadedProfileAnswersLikeTheFunctions) {
    const QByteArray path = Write("[SYSTEM]\nUNIT_FLAG=3\nINI_FILENAME=\"alt.ini\"\n");
    const auto profile = ModFileProc::PrivateProfile::Load(QFile::decodeName(path));
    QFile::remove(QFile::decodeName(path));
    EXPECT_EQ(profile.GetInt("system", "unit_flag", 0), 3);
    char buffer[255];
    EXPECT_EQ(profile.GetString("SYSTEM", "INI_FILENAME", "", buffer, sizeof buffer), 7u);
    EXPECT_STREQ(buffer, "alt.ini");
}

}  // namespace
