// The Base64 tool: exact sizes, line breaks, and decoding with its warnings
// and errors.
#include "xmlParser.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::string encoded(XMLParserBase64Tool &tool, const std::string &data, bool formatted)
{
    std::vector<unsigned char> bytes(data.begin(), data.end());
    return tool.encode(bytes.data(), static_cast<unsigned int>(bytes.size()), formatted);
}

TEST(XMLBase64, EncodesGroupsTailsAndLines)
{
    XMLParserBase64Tool tool;
    const std::pair<std::string, const char *> cases[] = {
        {"", ""}, {"A", "QQ=="}, {"AB", "QUI="}, {"abc", "YWJj"}, {std::string("\x00\xFF\x10", 3), "AP8Q"}};
    for (const auto &c : cases) EXPECT_EQ(encoded(tool, c.first, false), c.second);

    std::string line;
    for (int group = 0; group < 18; group++) line += "Wlpa"; // "ZZZ"
    EXPECT_EQ(encoded(tool, std::string(54, 'Z'), true), line + "\n");
    EXPECT_EQ(encoded(tool, std::string(110, 'Z'), true), line + "\n" + line + "\nWlo=");
    EXPECT_EQ(encoded(tool, std::string(54, 'Z'), false), line);
}

// What encode writes fills exactly the size it asks for; the empty text
// still gets the size of one group.
TEST(XMLBase64, EncodeLengthIsExact)
{
    XMLParserBase64Tool tool;
    for (int formatted = 0; formatted < 2; formatted++) {
        EXPECT_EQ(XMLParserBase64Tool::encodeLength(0, formatted), 5);
        for (int n = 1; n < 400; n++)
            EXPECT_EQ(XMLParserBase64Tool::encodeLength(n, formatted),
                      static_cast<int>(encoded(tool, std::string(n, 'x'), formatted).size()) + 1);
    }
}

TEST(XMLBase64, MeasuresDecodedSize)
{
    const struct {
        const char *text;
        unsigned int size;
        XMLError error;
    } cases[] = {
        {"", 0, eXMLErrorNone},
        {"QUI=", 2, eXMLErrorNone},
        {" Y W\tJ\r\nj\n", 3, eXMLErrorNone},
        {"QQ==\n", 1, eXMLErrorNone}, // whitespace after the fill: still the fill at the end
        {"QQ= =\r\n", 1, eXMLErrorNone},
        {"QQ", 1, eXMLErrorBase64DataSizeIsNotMultipleOf4},
        {"====", 0, eXMLErrorNone},
        {"Q-==", 0, eXMLErrorBase64DecodeIllegalCharacter},
        {"QQ\x80=", 0, eXMLErrorBase64DecodeIllegalCharacter},
        {"QQ\v=", 0, eXMLErrorBase64DecodeIllegalCharacter},
    };
    for (const auto &c : cases) {
        XMLError error = eXMLErrorEmpty;
        EXPECT_EQ(XMLParserBase64Tool::decodeSize(c.text, &error), c.size) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

TEST(XMLBase64, DecodesIntoTheCallersBuffer)
{
    const struct {
        const char *text;
        int len;
        unsigned char result;
        XMLError error;
        std::string decoded;
    } cases[] = {
        {"YWJjZA==", 4, 2, eXMLErrorNone, "abcd"},
        {"", 0, 2, eXMLErrorNone, ""},
        {"YWJj", 2, 0, eXMLErrorBase64DecodeBufferTooSmall, "ab"},
        {"YWJjZA==", 3, 0, eXMLErrorBase64DecodeBufferTooSmall, "abc"},
        {"QUJ", 2, 1, eXMLErrorBase64DecodeTruncatedData, "AB"},
        {"QQ==QUI=", 5, 1, eXMLErrorBase64DecodeTruncatedData, "A"}, // stops at the first fill
        {"QQ==!!", 1, 2, eXMLErrorNone, "A"},                         // and reads nothing after it
        {"YW-j", 3, 0, eXMLErrorBase64DecodeIllegalCharacter, "a"},
    };
    for (const auto &c : cases) {
        std::vector<unsigned char> buffer(c.len + 1, 0xEE);
        XMLError error = eXMLErrorEmpty;
        EXPECT_EQ(XMLParserBase64Tool::decode(c.text, buffer.data(), c.len, &error), c.result) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + c.decoded.size()), c.decoded) << c.text;
        EXPECT_EQ(buffer[c.len], 0xEE) << c.text << ": wrote past the buffer";
    }
}

TEST(XMLBase64, DecodesIntoItsOwnBufferReportingWhatItDecoded)
{
    const struct {
        const char *text;
        XMLError error;
        std::string decoded; // empty: a null result
    } cases[] = {
        {"YWJj", eXMLErrorNone, "abc"},
        {"QQ", eXMLErrorBase64DecodeTruncatedData, "A"},
        {"QQ==QUI=", eXMLErrorBase64DecodeTruncatedData, "A"}, // measured 5, decoded 1
        {"Q-==", eXMLErrorBase64DecodeIllegalCharacter, ""},
        {nullptr, eXMLErrorNone, ""},
    };
    XMLParserBase64Tool tool;
    for (const auto &c : cases) {
        int length = -1;
        XMLError error = eXMLErrorEmpty;
        const unsigned char *out = tool.decode(c.text, &length, &error);
        EXPECT_EQ(error, c.error);
        ASSERT_EQ(length, static_cast<int>(c.decoded.size()));
        EXPECT_EQ(out ? std::string(out, out + length) : "", c.decoded);
    }
}

TEST(XMLBase64, ArbitraryBytesRoundTrip)
{
    std::mt19937 random(64);
    XMLParserBase64Tool encoder, decoder;
    for (int round = 0; round < 300; round++) {
        std::string data(1 + random() % 300, 0);
        for (char &b : data) b = static_cast<char>(random());
        int length = -1;
        XMLError error = eXMLErrorEmpty;
        const unsigned char *out = decoder.decode(encoded(encoder, data, round % 2).c_str(), &length, &error);
        EXPECT_EQ(error, eXMLErrorNone);
        ASSERT_EQ(length, static_cast<int>(data.size()));
        EXPECT_EQ(std::string(out, out + length), data);
    }
}

} // namespace
