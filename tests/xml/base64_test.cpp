// The Base64 tool: exact sizes, line breaks, and decoding with its warnings and errors.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "xmlParser.h"

namespace {

std::string encoded(XMLParserBase64Tool &tool, std::string data, bool formatted)
{
    return tool.encode(reinterpret_cast<unsigned char *>(&data[0]), static_cast<unsigned int>(data.size()), formatted);
}

TEST(XMLBase64, EncodesInExactlyTheMeasuredSizeAndDecodesBack)
{
    XMLParserBase64Tool tool, decoder;
    const std::string line = "WlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpa"; // 54 'Z'
    const std::tuple<std::string, bool, std::string> cases[] = {
        {"", false, ""}, {"A", false, "QQ=="}, {"AB", false, "QUI="}, {std::string("\x00\xFF\x10", 3), false, "AP8Q"},
        {std::string(54, 'Z'), true, line + "\n"}, {std::string(110, 'Z'), true, line + "\n" + line + "\nWlo="}};
    for (const auto &[data, formatted, text] : cases) EXPECT_EQ(encoded(tool, data, formatted), text);
    std::mt19937 random(64);
    for (int n = 0; n < 200; n++)
        for (bool formatted : {false, true}) {
            std::string data(n, 0);
            for (char &b : data) b = static_cast<char>(random());
            const std::string text = encoded(tool, data, formatted);
            EXPECT_EQ(XMLParserBase64Tool::encodeLength(n, formatted), n ? int(text.size()) + 1 : 5) << n; // "" gets a group
            int length = -1;
            const unsigned char *out = decoder.decode(text.c_str(), &length);
            EXPECT_EQ(std::string(out, out + length), data);
        }
}

TEST(XMLBase64, MeasuresAndDecodesIntoTheCallersBufferOrItsOwn)
{
    const std::tuple<const char *, unsigned int, XMLError> sizes[] = {
        {"QUI=", 2, eXMLErrorNone}, {" Y W\tJ\r\nj\n", 3, eXMLErrorNone}, {"====", 0, eXMLErrorNone},
        {"QQ= =\r\n", 1, eXMLErrorNone}, // whitespace after the fill: still the fill at the end
        {"QQ", 1, eXMLErrorBase64DataSizeIsNotMultipleOf4}, {"Q-==", 0, eXMLErrorBase64DecodeIllegalCharacter},
        {"QQ\x80=", 0, eXMLErrorBase64DecodeIllegalCharacter}, {"QQ\v=", 0, eXMLErrorBase64DecodeIllegalCharacter}};
    for (const auto &[text, size, expected] : sizes) {
        XMLError error = eXMLErrorEmpty;
        EXPECT_EQ(XMLParserBase64Tool::decodeSize(text, &error), size) << text;
        EXPECT_EQ(error, expected) << text;
    }
    const std::tuple<const char *, int, unsigned char, XMLError, std::string> cases[] = {
        {"YWJjZA==", 4, 2, eXMLErrorNone, "abcd"}, {"YWJjZA==", 3, 0, eXMLErrorBase64DecodeBufferTooSmall, "abc"},
        {"QUJ", 2, 1, eXMLErrorBase64DecodeTruncatedData, "AB"},
        {"QQ==QUI=", 5, 1, eXMLErrorBase64DecodeTruncatedData, "A"}, // stops at the first fill
        {"QQ==!!", 1, 2, eXMLErrorNone, "A"},                         // and reads nothing after it
        {"YW-j", 3, 0, eXMLErrorBase64DecodeIllegalCharacter, "a"}};
    for (const auto &[text, len, result, expected, decoded] : cases) {
        std::vector<unsigned char> buffer(len + 1, 0xEE);
        XMLError error = eXMLErrorEmpty;
        EXPECT_EQ(XMLParserBase64Tool::decode(text, buffer.data(), len, &error), result) << text;
        EXPECT_EQ(error, expected) << text;
        EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + decoded.size()), decoded) << text;
        EXPECT_EQ(buffer[len], 0xEE) << text << ": wrote past the buffer";
    }
    const std::tuple<const char *, XMLError, std::string> own[] = { // an empty result: null, and the length 0
        {"QQ==QUI=", eXMLErrorBase64DecodeTruncatedData, "A"}, {"Q-==", eXMLErrorBase64DecodeIllegalCharacter, ""},
        {"Q", eXMLErrorBase64DataSizeIsNotMultipleOf4, ""}, {nullptr, eXMLErrorNone, ""}};
    XMLParserBase64Tool tool;
    for (const auto &[text, expected, decoded] : own) {
        int length = -1;
        XMLError error = eXMLErrorEmpty;
        const unsigned char *out = tool.decode(text, &length, &error);
        EXPECT_EQ(error, expected);
        EXPECT_EQ(length, int(decoded.size())) << (text ? text : "null");
        EXPECT_EQ(out ? std::string(out, out + length) : "", decoded);
    }
}

} // namespace
