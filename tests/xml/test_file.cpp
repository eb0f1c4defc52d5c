// Loading files: reading paths, byte-order marks, UTF-16 conversion, the encoding guess.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "xml_dump.h"
#include "xmlParser.h"

namespace {

// True when the UTF-8 table is in force: a two-byte character then counts as one column.
bool utf8TableInForce()
{
    XMLResults results;
    XMLNode::parseString("<a>\xC3\xA9", nullptr, &results);
    return results.nColumn == 5;
}

class XMLFile : public ::testing::Test {
protected:
    std::string dir;

    void SetUp() override
    {
        char pattern[] = "/tmp/tramox_xml_file_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override
    {
        XMLNode::setGlobalOptions(1, 1);
        XMLNode::IsError = 0;
        std::filesystem::remove_all(dir);
    }
    std::string write(const std::string &name, const std::string &bytes)
    {
        const std::string path = dir + "/" + name;
        FILE *f = fopen(path.c_str(), "wb");
        EXPECT_NE(f, nullptr);
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
        return path;
    }
    std::string load(const std::string &bytes, XMLError *error, const char *tag = nullptr)
    {
        XMLResults results;
        const std::string dump = xmlDump(XMLNode::parseFile(write("f.xml", bytes).c_str(), tag, &results));
        *error = results.error;
        return dump;
    }
};

std::string utf16(const std::u16string &text, bool bigEndian, bool mark)
{
    std::string out;
    auto put = [&](char16_t u) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    if (mark) put(0xFEFF);
    for (char16_t u : text) put(u);
    return out;
}

TEST_F(XMLFile, ReadFailuresAreReportedWithPositionZero)
{
    struct Case {
        const char *what;
        std::string path;
        XMLError error;
    } cases[] = {
        {"missing", dir + "/missing.xml", eXMLErrorFileNotFound},
        {"empty", write("empty.xml", ""), eXMLErrorEmpty},
        {"folder", dir, eXMLErrorFileNotFound},
    };
    for (const Case &c : cases) {
        XMLResults results;
        results.nLine = results.nColumn = 9;
        EXPECT_TRUE(XMLNode::parseFile(c.path.c_str(), nullptr, &results).isEmpty()) << c.what;
        EXPECT_EQ(results.error, c.error) << c.what;
        EXPECT_EQ(results.nLine, 0) << c.what;
        EXPECT_EQ(results.nColumn, 0) << c.what;
    }
    EXPECT_TRUE(XMLNode::parseFile(nullptr).isEmpty());
}

TEST_F(XMLFile, Utf8MarkIsSkippedAndErrorsCountFromTheText)
{
    XMLError error;
    EXPECT_EQ(load("\xEF\xBB\xBF<a>\xC3\xA9</a>", &error), "a{'\xC3\xA9'}");
    EXPECT_EQ(error, eXMLErrorNone);
    XMLResults results;
    XMLNode::parseFile(write("bad.xml", "\xEF\xBB\xBF<a>\n&x;</a>").c_str(), nullptr, &results);
    EXPECT_EQ(results.error, eXMLErrorUnknownEscapeSequence);
    EXPECT_EQ(results.nLine, 2);
    EXPECT_EQ(results.nColumn, 6); // just after the "</" that ends the text
}

TEST_F(XMLFile, BackslashSeparatesFolders)
{
    ASSERT_TRUE(std::filesystem::create_directory(dir + "/Maps"));
    write("Maps/Level1.map", "<Map><Width>10</Width></Map>");
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(chdir(dir.c_str()), 0);
    const std::string viaParse = xmlDump(XMLNode::parseFile("Maps\\Level1.map", "Map"));
    const std::string viaHelper = xmlDump(XMLNode::openFileHelper("Maps\\Level1.map", "Map"));
    ASSERT_EQ(chdir(cwd), 0);
    EXPECT_EQ(viaParse, "Map{Width{'10'}}");
    EXPECT_EQ(viaHelper, "Map{Width{'10'}}");
}

struct Utf16Case {
    const char *name;
    std::u16string text;
    const char *dump; // nullptr: a conversion error
};

class XMLFileUtf16 : public XMLFile, public ::testing::WithParamInterface<Utf16Case> {};

TEST_P(XMLFileUtf16, ConvertsEitherByteOrderWithOrWithoutMark)
{
    const Utf16Case &c = GetParam();
    for (bool bigEndian : {false, true}) {
        for (bool mark : {false, true}) {
            SCOPED_TRACE(std::string(bigEndian ? "big" : "little") + "-endian" + (mark ? ", marked" : ""));
            XMLError error;
            const std::string dump = load(utf16(c.text, bigEndian, mark), &error, "Map");
            EXPECT_EQ(error, c.dump ? eXMLErrorNone : eXMLErrorCharConversionError);
            EXPECT_EQ(dump, c.dump ? c.dump : "-");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, XMLFileUtf16, ::testing::Values(
    Utf16Case{"ascii", u"<?xml version=\"1.0\"?>\r\n<Map><Width>10</Width></Map>", "Map{Width{'10'}}"},
    Utf16Case{"bmpAndSurrogatePair", u"<Map><Name>\u00e9\u4e2d\U0001F600</Name></Map>",
              "Map{Name{'\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80'}}"},
    Utf16Case{"loneHighSurrogate", u"<Map><Name>\xD83D" u"a</Name></Map>", nullptr},
    Utf16Case{"loneLowSurrogate", u"<Map><Name>\xDE00</Name></Map>", nullptr},
    Utf16Case{"highSurrogateAtTheEnd", u"<Map><Name>x</Name></Map>\xD83D", nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(XMLFile, OddTrailingByteOfUtf16IsDropped)
{
    XMLError error;
    EXPECT_EQ(load(utf16(u"<Map>\u00e9</Map>", false, true) + "x", &error), "Map{'\xC3\xA9'}");
    EXPECT_EQ(error, eXMLErrorNone);
}

TEST_F(XMLFile, ConvertedTextIsReadAsUtf8WhateverTheTable)
{
    XMLNode::setGlobalOptions(1, 0);
    XMLResults results;
    XMLNode::parseFile(write("f.xml", utf16(u"<a>\u00e9", false, true)).c_str(), nullptr, &results);
    EXPECT_EQ(results.error, eXMLErrorMissingEndTag);
    EXPECT_EQ(results.nColumn, 5); // the é is one character
    EXPECT_FALSE(utf8TableInForce()); // and the caller's choice is back
}

TEST_F(XMLFile, Utf16IsLeftAloneWhenNotGuessed)
{
    XMLNode::setGlobalOptions(0, 1);
    XMLError error;
    EXPECT_EQ(load(utf16(u"<Map/>", false, true), &error, "Map"), "-"); // read as bytes: "<" then a 0 byte
    EXPECT_EQ(error, eXMLErrorMissingTagName);
}

TEST_F(XMLFile, EightBitTextWithFewZerosIsNotTakenForUtf16)
{
    XMLError error;
    // Latin-1 bytes, an even length, and no zero byte: read as it is.
    EXPECT_EQ(load("<a>\xE9t\xE9</a>", &error), "a{'\xE9t\xE9'}");
    EXPECT_EQ(error, eXMLErrorNone);
}

struct GuessCase {
    const char *name;
    std::string bytes;
    char useEncodingAttribute;
    char expected;
};

class XMLGuess : public ::testing::TestWithParam<GuessCase> {};

TEST_P(XMLGuess, DecidesHowToReadTheBytes)
{
    std::string bytes = GetParam().bytes;
    EXPECT_EQ(XMLNode::guessUTF8ParsingParameterValue(&bytes[0], static_cast<int>(bytes.size()),
                                                      GetParam().useEncodingAttribute),
              GetParam().expected);
}

const std::string pad = "<Settings><ScreenWidth>1024</ScreenWidth></Settings>";

INSTANTIATE_TEST_SUITE_P(Samples, XMLGuess, ::testing::Values(
    GuessCase{"tooShort", "<Settings></Settings>", 1, 0},
    GuessCase{"markOnShortSampleStillTooShort", "\xEF\xBB\xBF<a/>", 1, 0},
    GuessCase{"utf8Mark", "\xEF\xBB\xBF<?xml encoding=\"ISO-8859-1\"?>" + pad, 1, 1},
    GuessCase{"plainAscii", pad, 1, 1},
    GuessCase{"validSequences", pad + "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80", 1, 1},
    GuessCase{"leadByteWithoutContinuation", pad + "\xC3\x41", 1, 0},
    GuessCase{"leadByteCutByTheSampleEnd", pad + "\xE4\xB8", 1, 1},
    GuessCase{"strayContinuationAndF5", pad + "\x80\xBF\xF5\xC0", 1, 1},
    GuessCase{"latin1Declared", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + pad, 1, 0},
    GuessCase{"latin1DeclaredButIgnored", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + pad, 0, 1},
    GuessCase{"utf8DeclaredUpperCase", "<?xml version=\"1.0\" encoding = ' UTF-8'?>" + pad, 1, 1},
    GuessCase{"utf8WithoutDash", "<?xml version=\"1.0\" encoding=\"utf8\"?>" + pad, 1, 1},
    GuessCase{"encodingWordWithoutEquals", "<a encoding>ISO-8859-1</a>" + pad, 1, 1},
    GuessCase{"encodingValueUnquoted", "<?xml encoding=latin1?>" + pad, 1, 1},
    GuessCase{"encodingPastTheSample", std::string(200, ' ') + "encoding=\"ISO-8859-1\"", 1, 1},
    GuessCase{"utf16", utf16(u"<?xml version=\"1.0\"?><Settings/>", false, false), 1, 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(XMLGuessEdge, NullBufferIsTooShort)
{
    EXPECT_EQ(XMLNode::guessUTF8ParsingParameterValue(nullptr, 100, 1), 0);
}

TEST_F(XMLFile, OpenFileHelperChoosesTheTableAndSetsIsError)
{
    struct Case {
        const char *name;
        std::string bytes;
        const char *tag;
        bool utf8After;
        int isError;
        const char *dump;
    } cases[] = {
        {"short file", "<Settings></Settings>", "Settings", false, 0, "Settings"},
        {"good file", "<?xml version=\"1.0\"?>" + pad, "Settings", true, 0, "Settings{ScreenWidth{'1024'}}"},
        {"latin1 file", "<?xml encoding=\"ISO-8859-1\"?><Settings>\xE9</Settings>", "Settings", false, 0,
         "Settings{'\xE9'}"},
        {"missing end tag", pad + "<Other>", nullptr, true, 1, "#{Settings{ScreenWidth{'1024'}} Other}"},
        {"tag not found", pad, "Map", true, 1, "-"},
        {"empty file", "", "Settings", true, 1, "-"},
    };
    for (const Case &c : cases) {
        XMLNode::setGlobalOptions(0, c.utf8After ? 0 : 1); // the opposite of what the file should give
        XMLNode::IsError = 1 - c.isError;
        const std::string dump = xmlDump(XMLNode::openFileHelper(write("s.xml", c.bytes).c_str(), c.tag));
        EXPECT_EQ(dump, c.dump) << c.name;
        EXPECT_EQ(XMLNode::IsError, c.isError) << c.name;
        if (c.bytes.size()) {
            EXPECT_EQ(utf8TableInForce(), c.utf8After) << c.name;
        }
    }
}

TEST_F(XMLFile, OpenFileHelperOnAMissingFileKeepsTheOptions)
{
    for (char table : {0, 1}) {
        XMLNode::setGlobalOptions(1, table);
        XMLNode::IsError = 0;
        EXPECT_TRUE(XMLNode::openFileHelper((dir + "/none.xml").c_str(), "Settings").isEmpty());
        EXPECT_EQ(XMLNode::IsError, 1);
        EXPECT_EQ(utf8TableInForce(), table == 1);
    }
}

TEST_F(XMLFile, OpenFileHelperReadsUtf16AsUtf8Afterwards)
{
    XMLNode::setGlobalOptions(1, 0);
    const std::string path = write("u.xml", utf16(u"<?xml version=\"1.0\"?><Map>\u00e9</Map>", true, false));
    EXPECT_EQ(xmlDump(XMLNode::openFileHelper(path.c_str(), "Map")), "Map{'\xC3\xA9'}");
    EXPECT_EQ(XMLNode::IsError, 0);
    EXPECT_TRUE(utf8TableInForce());
}

} // namespace
