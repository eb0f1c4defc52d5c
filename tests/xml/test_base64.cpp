// The Base64 tool: exact sizes, line breaks, and decoding with its warnings
// and errors.
#include "xmlParser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> bytes(const std::string &s) { return std::vector<unsigned char>(s.begin(), s.end()); }

std::string encoded(XMLParserBase64Tool &tool, std::vector<unsigned char> data, bool formatted)
{
    const char *text = tool.encode(data.data(), static_cast<unsigned int>(data.size()), formatted);
    return text ? text : "(null)";
}

TEST(XMLBase64, EncodesGroupsAndTails)
{
    const struct {
        std::string in;
        const char *out;
    } cases[] = {
        {"", ""},         {"A", "QQ=="},         {"AB", "QUI="},
        {"abc", "YWJj"},  {"abcd", "YWJjZA=="}, {std::string("\x00\xFF\x10", 3), "AP8Q"},
    };
    XMLParserBase64Tool tool;
    for (const auto &c : cases) EXPECT_EQ(encoded(tool, bytes(c.in), false), c.out) << c.in;
}

// The size encode asks for is exactly what it writes, terminator included;
// the empty text still gets the size of one group.
TEST(XMLBase64, EncodeLengthIsExact)
{
    XMLParserBase64Tool tool;
    for (int formatted = 0; formatted < 2; formatted++)
        for (int n = 1; n < 400; n++) {
            const std::string text = encoded(tool, std::vector<unsigned char>(n, 0x5A), formatted);
            EXPECT_EQ(XMLParserBase64Tool::encodeLength(n, formatted), static_cast<int>(text.size()) + 1)
                << n << " bytes, formatted " << formatted;
        }
    EXPECT_EQ(XMLParserBase64Tool::encodeLength(0, 0), 5);
    EXPECT_EQ(XMLParserBase64Tool::encodeLength(0, 1), 5);
}

TEST(XMLBase64, FormattedLinesHoldSeventyTwoCharacters)
{
    XMLParserBase64Tool tool;
    std::string line;
    for (int group = 0; group < 18; group++) line += "Wlpa"; // "ZZZ"
    EXPECT_EQ(encoded(tool, std::vector<unsigned char>(54, 0x5A), true), line + "\n");
    EXPECT_EQ(encoded(tool, std::vector<unsigned char>(55, 0x5A), true), line + "\nWg==");
    EXPECT_EQ(encoded(tool, std::vector<unsigned char>(110, 0x5A), true), line + "\n" + line + "\nWlo=");
    EXPECT_EQ(encoded(tool, std::vector<unsigned char>(54, 0x5A), false), line);
}

struct SizeCase {
    const char *text;
    unsigned int size;
    XMLError error;
};

TEST(XMLBase64, MeasuresDecodedSize)
{
    const SizeCase cases[] = {
        {"", 0, eXMLErrorNone},
        {"QQ==", 1, eXMLErrorNone},
        {"QUI=", 2, eXMLErrorNone},
        {"YWJj", 3, eXMLErrorNone},
        {" Y W\tJ\r\nj\n", 3, eXMLErrorNone},
        // Fill followed by whitespace is still the fill at the end.
        {"QQ==\n", 1, eXMLErrorNone},
        {"QQ= =\r\n", 1, eXMLErrorNone},
        {"QQ", 1, eXMLErrorBase64DataSizeIsNotMultipleOf4},
        {"QUJ", 2, eXMLErrorBase64DataSizeIsNotMultipleOf4},
        {"====", 0, eXMLErrorNone},
        {"Q-==", 0, eXMLErrorBase64DecodeIllegalCharacter},
        {"QQ\x80=", 0, eXMLErrorBase64DecodeIllegalCharacter},
        {"QQ\v=", 0, eXMLErrorBase64DecodeIllegalCharacter},
    };
    for (const SizeCase &c : cases) {
        XMLError error = eXMLErrorEmpty;
        EXPECT_EQ(XMLParserBase64Tool::decodeSize(c.text, &error), c.size) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

struct DecodeCase {
    const char *text;
    int len;
    unsigned char result;
    XMLError error;
    std::string decoded; // the bytes in front of the buffer
};

TEST(XMLBase64, DecodesIntoTheCallersBuffer)
{
    const DecodeCase cases[] = {
        {"YWJj", 3, 2, eXMLErrorNone, "abc"},
        {"YWJjZA==", 4, 2, eXMLErrorNone, "abcd"},
        {"QUI=", 2, 2, eXMLErrorNone, "AB"},
        {"", 0, 2, eXMLErrorNone, ""},
        {"YWJj", 2, 0, eXMLErrorBase64DecodeBufferTooSmall, "ab"},
        {"YWJjZA==", 3, 0, eXMLErrorBase64DecodeBufferTooSmall, "abc"},
        {"QQ", 1, 1, eXMLErrorBase64DecodeTruncatedData, "A"},
        {"Q", 1, 1, eXMLErrorBase64DecodeTruncatedData, ""},
        {"QUJ", 2, 1, eXMLErrorBase64DecodeTruncatedData, "AB"},
        // Nothing after the first fill is read.
        {"QQ==QUI=", 5, 1, eXMLErrorBase64DecodeTruncatedData, "A"},
        {"QQ==!!", 1, 2, eXMLErrorNone, "A"},
        {"YW-j", 3, 0, eXMLErrorBase64DecodeIllegalCharacter, "a"},
    };
    for (const DecodeCase &c : cases) {
        std::vector<unsigned char> buffer(c.len + 1, 0xEE);
        XMLError error = eXMLErrorEmpty;
        EXPECT_EQ(XMLParserBase64Tool::decode(c.text, buffer.data(), c.len, &error), c.result) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + c.decoded.size()), c.decoded) << c.text;
        EXPECT_EQ(buffer[c.len], 0xEE) << c.text << ": wrote past the buffer";
    }
}

struct MemberCase {
    const char *text;
    bool result;
    XMLError error;
    std::string decoded;
};

TEST(XMLBase64, DecodesIntoItsOwnBufferReportingWhatItDecoded)
{
    const MemberCase cases[] = {
        {"YWJj", true, eXMLErrorNone, "abc"},
        {"QQ==\n", true, eXMLErrorNone, "A"},
        {"QQ", true, eXMLErrorBase64DecodeTruncatedData, "A"},
        // The size counts the characters after the inner fill; the bytes
        // reported are only those decoded.
        {"QQ==QUI=", true, eXMLErrorBase64DecodeTruncatedData, "A"},
        {"Q-==", false, eXMLErrorBase64DecodeIllegalCharacter, ""},
        {"", false, eXMLErrorNone, ""},
        {nullptr, false, eXMLErrorNone, ""},
    };
    XMLParserBase64Tool tool;
    for (const MemberCase &c : cases) {
        int length = -1;
        XMLError error = eXMLErrorEmpty;
        const unsigned char *out = tool.decode(c.text, &length, &error);
        const char *what = c.text ? c.text : "(null)";
        EXPECT_EQ(out != nullptr, c.result) << what;
        EXPECT_EQ(error, c.error) << what;
        ASSERT_EQ(length, static_cast<int>(c.decoded.size())) << what;
        if (out) {
            EXPECT_EQ(std::string(out, out + length), c.decoded) << what;
        }
    }
}

TEST(XMLBase64, ArbitraryBytesRoundTrip)
{
    std::mt19937 random(64);
    XMLParserBase64Tool encoder, decoder;
    for (int round = 0; round < 300; round++) {
        std::vector<unsigned char> data(random() % 300);
        for (unsigned char &b : data) b = static_cast<unsigned char>(random());
        const bool formatted = round % 2;
        const std::string text = encoded(encoder, data, formatted);
        XMLError error = eXMLErrorEmpty;
        EXPECT_EQ(XMLParserBase64Tool::decodeSize(text.c_str(), &error), data.size());
        EXPECT_EQ(error, eXMLErrorNone);
        int length = -1;
        const unsigned char *out = decoder.decode(text.c_str(), &length, &error);
        ASSERT_EQ(length, static_cast<int>(data.size()));
        if (!data.empty()) {
            EXPECT_EQ(std::vector<unsigned char>(out, out + length), data) << text;
        }
        EXPECT_EQ(error, eXMLErrorNone);
    }
}

TEST(XMLBase64, BufferCanBeFreedAndUsedAgain)
{
    XMLParserBase64Tool tool;
    EXPECT_EQ(encoded(tool, bytes(std::string(200, 'x')), false).size(), 268u);
    tool.freeBuffer();
    tool.freeBuffer();
    EXPECT_EQ(encoded(tool, bytes("abc"), false), "YWJj");
    int length = 0;
    const unsigned char *out = tool.decode("YWJj", &length);
    EXPECT_EQ(std::string(out, out + length), "abc");
}

} // namespace
