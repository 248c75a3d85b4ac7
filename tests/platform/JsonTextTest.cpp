#include "platform/JsonText.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using dovrel::jsonString;

namespace {

using namespace std::string_literals;

struct Case {
    std::string bytes;
    std::string json;
};

void expectCases(const std::vector<Case>& cases) {
    for (const auto& c : cases)
        EXPECT_EQ(jsonString(c.bytes), c.json);
}

} // namespace

TEST(JsonTextTest, EscapesQuotesBackslashesAndControlCharacters) {
    expectCases({
        {"", R"("")"},
        {"plain name.txt", R"("plain name.txt")"},
        {"a\"b\\c/d", R"("a\"b\\c/d")"},
        {"\b\f\n\r\t", R"("\b\f\n\r\t")"},
        {"\x01\x1f\x7f"s, "\"\\u0001\\u001f\x7f\""},
        {"a\0b"s, R"("a\u0000b")"},
    });
}

TEST(JsonTextTest, CopiesWellFormedUtf8) {
    expectCases({
        {"caf\xc3\xa9", "\"caf\xc3\xa9\""},
        {"\xe2\x82\xac \xf0\x9f\x98\x80", "\"\xe2\x82\xac \xf0\x9f\x98\x80\""},
        {"\xe2\x80\xa8\xe2\x80\xa9", "\"\xe2\x80\xa8\xe2\x80\xa9\""},         // U+2028, U+2029
        {"\xed\x9f\xbf\xee\x80\x80", "\"\xed\x9f\xbf\xee\x80\x80\""},         // around the surrogates
        {"\xf4\x8f\xbf\xbf\xef\xbf\xbe", "\"\xf4\x8f\xbf\xbf\xef\xbf\xbe\""}, // U+10FFFF, U+FFFE
        {"\xc2\x80\xdf\xbf\xe0\xa0\x80", "\"\xc2\x80\xdf\xbf\xe0\xa0\x80\""}, // shortest forms
    });
}

TEST(JsonTextTest, EscapesEveryByteOfAMalformedSequence) {
    expectCases({
        {"\x80", R"("\udc80")"},
        {"\xff\xfe", R"("\udcff\udcfe")"},
        {"\xc0\xaf", R"("\udcc0\udcaf")"},                     // overlong "/"
        {"\xc1\xbf", R"("\udcc1\udcbf")"},                     // overlong
        {"\xe0\x80\xaf", R"("\udce0\udc80\udcaf")"},           // overlong
        {"\xf0\x8f\xbf\xbf", R"("\udcf0\udc8f\udcbf\udcbf")"}, // overlong
        {"\xed\xa0\x80", R"("\udced\udca0\udc80")"},           // U+D800 encoded
        {"\xed\xbf\xbf", R"("\udced\udcbf\udcbf")"},           // U+DFFF encoded
        {"\xf4\x90\x80\x80", R"("\udcf4\udc90\udc80\udc80")"}, // past U+10FFFF
        {"\xf5\x80\x80\x80", R"("\udcf5\udc80\udc80\udc80")"},
        {"ab\xe2\x82", R"("ab\udce2\udc82")"}, // truncated at the end
        {"\xe2\x82"
         "A",
         R"("\udce2\udc82A")"},                                     // truncated before ASCII
        {"\xe2\x82\xe2\x82\xac", "\"\\udce2\\udc82\xe2\x82\xac\""}, // before a valid sequence
        {"\xf0\x9f\x98\"", R"("\udcf0\udc9f\udc98\"")"},
    });
}

// The convention is Python's surrogateescape: json.loads plus that error
// handler must give back the original bytes.
TEST(JsonTextTest, PythonSurrogateEscapeRestoresTheBytes) {
#if defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "starting a process from a threaded program is not supported under ThreadSanitizer";
#endif
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty())
        GTEST_SKIP() << "python3 not available";

    std::vector<std::string> samples;
    for (int b = 0; b < 256; ++b)
        samples.push_back(std::string(1, static_cast<char>(b)));
    // Random strings biased towards the bytes that start or continue sequences.
    const std::string alphabet = "a\"\\\n\x01\x80\xbf\xc2\xc0\xe0\xe2\xed\xf0\xf4\xf5\xff\x9f\xa0\x82\xac";
    std::mt19937 rng(7);
    for (int i = 0; i < 400; ++i) {
        std::string s;
        const int len = static_cast<int>(rng() % 12);
        for (int k = 0; k < len; ++k)
            s += alphabet[rng() % alphabet.size()];
        samples.push_back(s);
    }

    std::string input = "[";
    for (std::size_t i = 0; i < samples.size(); ++i)
        input += (i ? "," : "") + jsonString(samples[i]);
    input += "]";

    QProcess process;
    process.start(python, {"-c", "import json,sys\n"
                                 "for s in json.loads(sys.stdin.buffer.read().decode('utf-8')):\n"
                                 "    print(s.encode('utf-8', 'surrogateescape').hex())\n"});
    ASSERT_TRUE(process.waitForStarted(10000));
    process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    ASSERT_GE(lines.size(), static_cast<qsizetype>(samples.size()));
    for (std::size_t i = 0; i < samples.size(); ++i)
        EXPECT_EQ(QByteArray::fromHex(lines[static_cast<qsizetype>(i)]).toStdString(), samples[i])
            << "sample " << i;
}
