// Loading files: reading paths, byte-order marks, UTF-16 conversion, the encoding guess.
#include <filesystem>

#include "xml_helpers.h"

namespace {

bool utf8TableInForce() // a two-byte character then counts as one column, and the options say so
{
    XMLResults results;
    char reported = -1;
    XMLNode::parseString("<a>\xC3\xA9", nullptr, &results), XMLNode::getGlobalOptions(nullptr, &reported);
    EXPECT_EQ(reported, results.nColumn == 5);
    return results.nColumn == 5;
}

std::string utf16(const std::u16string &text, bool bigEndian, bool mark)
{
    std::string out;
    for (char16_t u : (mark ? u"\uFEFF" : u"") + text)
        out += bigEndian ? std::string{char(u >> 8), char(u)} : std::string{char(u), char(u >> 8)};
    return out;
}

const std::string pad = "<Settings><ScreenWidth>1024</ScreenWidth></Settings>";

class XMLFile : public XMLOptions {
protected:
    // Writes the bytes to a file and parses it.
    std::string load(const std::string &bytes, XMLResults *results, const char *tag = nullptr)
    {
        writeFile(dir.path + "/f.xml", bytes);
        return xmlDump(XMLNode::parseFile((dir.path + "/f.xml").c_str(), tag, results));
    }
    TempDir dir;
};

TEST_F(XMLFile, LoadsPathsAndReportsPositionsFromTheText)
{
    const std::tuple<std::string, XMLError, int, int, const char *> cases[] = { // bytes, error, line, column, tree
        {"", eXMLErrorEmpty, 0, 0, "-"},
        {"\xEF\xBB\xBF<a>\n&x;</a>", eXMLErrorUnknownEscapeSequence, 2, 6, "-"}, // the mark is no column
        {utf16(u"<Map>\u00e9</Map>", false, true) + "x", eXMLErrorNone, 0, 0, "Map{'\xC3\xA9'}"}, // odd byte dropped
        {"<a>\xE9t\xE9</a>", eXMLErrorNone, 0, 0, "a{'\xE9t\xE9'}"}, // Latin-1 without zeros
    };
    for (const auto &[bytes, error, line, column, dump] : cases) {
        XMLResults results = {eXMLErrorNone, 9, 9};
        EXPECT_EQ(load(bytes, &results), dump);
        EXPECT_EQ(std::make_tuple(results.error, results.nLine, results.nColumn), std::make_tuple(error, line, column)) << dump;
    }
    for (const std::string &missing : {dir.path + "/missing.xml", dir.path}) { // a folder cannot be read either
        XMLResults results = {eXMLErrorNone, 9, 9};
        EXPECT_EQ(xmlDump(XMLNode::parseFile(missing.c_str(), nullptr, &results)), "-");
        EXPECT_EQ(std::make_tuple(results.error, results.nLine, results.nColumn), std::make_tuple(eXMLErrorFileNotFound, 0, 0));
    }
    ASSERT_TRUE(std::filesystem::create_directory(dir.path + "/Maps"));
    writeFile(dir.path + "/Maps/Level1.map", "<Map><Width>10</Width></Map>");
    const std::string path = dir.path + "\\Maps\\Level1.map";
    EXPECT_EQ(xmlDump(XMLNode::parseFile(path.c_str(), "Map")), "Map{Width{'10'}}");
    EXPECT_EQ(xmlDump(XMLNode::openFileHelper(path.c_str(), "Map")), "Map{Width{'10'}}");
}

TEST_F(XMLFile, Utf16EitherByteOrderWithOrWithoutMark)
{
    const std::pair<std::u16string, const char *> cases[] = { // nullptr: a conversion error
        {u"<?xml version=\"1.0\"?>\r\n<Map><Width>10</Width></Map>", "Map{Width{'10'}}"},
        {u"<Map><Name>\u00e9\u4e2d\U0001F600</Name></Map>", "Map{Name{'\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80'}}"},
        {u"<Map><Name>\xD83D" u"a</Name></Map>", nullptr}, {u"<Map><Name>\xDE00</Name></Map>", nullptr},
        {u"<Map><Name>x</Name></Map>\xD83D", nullptr},
    };
    for (const auto &[text, dump] : cases)
        for (bool bigEndian : {false, true})
            for (bool mark : {false, true}) {
                SCOPED_TRACE(std::string(dump ? dump : "error") + (bigEndian ? " big" : " little") + (mark ? " marked" : ""));
                XMLResults results;
                EXPECT_EQ(load(utf16(text, bigEndian, mark), &results, "Map"), dump ? dump : "-");
                EXPECT_EQ(results.error, dump ? eXMLErrorNone : eXMLErrorCharConversionError);
            }
    // Converted text is read as UTF-8 whatever the table, and only when guessing is on.
    XMLNode::setGlobalOptions(1, 0);
    XMLResults results;
    load(utf16(u"<a>\u00e9", false, true), &results);
    EXPECT_EQ(results.error, eXMLErrorMissingEndTag);
    EXPECT_EQ(results.nColumn, 5);    // the é is one character
    EXPECT_FALSE(utf8TableInForce()); // and the caller's choice is back
    XMLNode::setGlobalOptions(0, 1);
    EXPECT_EQ(load(utf16(u"<Map/>", false, true), &results, "Map"), "-"); // read as bytes: "<" then a 0 byte
    EXPECT_EQ(results.error, eXMLErrorMissingTagName);
}

TEST_F(XMLFile, TheEncodingGuessAndOpenFileHelperChooseTheTable)
{
    const std::string latin = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + pad;
    const std::tuple<std::string, char, char> guesses[] = { // bytes, use the encoding attribute, UTF-8
        {"<Settings></Settings>", 1, 0}, // too short to tell
        {"\xEF\xBB\xBF<?xml encoding=\"ISO-8859-1\"?>" + pad, 1, 1},
        {pad + "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80", 1, 1}, {pad + "\xC3\x41", 1, 0},
        {pad + "\x80\xBF\xF5\xC0", 1, 1}, {pad + "\xE4\xB8", 1, 1}, // the last cut by the end of the sample
        {latin, 1, 0}, {latin, 0, 1}, {"<?xml version=\"1.0\" encoding = ' UTF-8'?>" + pad, 1, 1},
        {"<a encoding>ISO-8859-1</a>" + pad, 1, 1}, {std::string(200, ' ') + "encoding=\"ISO-8859-1\"", 1, 1},
        {utf16(u"<?xml version=\"1.0\"?><Settings/>", false, false), 1, 1},
    };
    for (auto [bytes, useEncodingAttribute, expected] : guesses)
        EXPECT_EQ(XMLNode::guessUTF8ParsingParameterValue(&bytes[0], int(bytes.size()), useEncodingAttribute), expected) << bytes;
    EXPECT_EQ(XMLNode::guessUTF8ParsingParameterValue(nullptr, 100, 1), 0);

    const std::tuple<std::string, const char *, bool, bool, int, const char *> cases[] = {
        // bytes, tag, UTF-8 table before and after, IsError, tree
        {"<Settings></Settings>", "Settings", true, false, 0, "Settings"}, // too short to tell
        {"<?xml version=\"1.0\"?>" + pad, "Settings", false, true, 0, "Settings{ScreenWidth{'1024'}}"},
        {"<?xml encoding=\"ISO-8859-1\"?><Settings>\xE9</Settings>", "Settings", true, false, 0, "Settings{'\xE9'}"},
        {utf16(u"<?xml version=\"1.0\"?><Map>\u00e9</Map>", true, false), "Map", false, true, 0, "Map{'\xC3\xA9'}"},
        {pad + "<Other>", nullptr, false, true, 1, "#{Settings{ScreenWidth{'1024'}} Other}"},
        {pad, "Map", false, true, 1, "-"}, {"", "Settings", false, false, 1, "-"},
    };
    for (const auto &[bytes, tag, utf8Before, utf8After, isError, dump] : cases) {
        XMLNode::setGlobalOptions(0, utf8Before); // guessing is the helper's to turn on
        XMLNode::IsError = 1 - isError;
        writeFile(dir.path + "/s.xml", bytes);
        EXPECT_EQ(xmlDump(XMLNode::openFileHelper((dir.path + "/s.xml").c_str(), tag)), dump);
        EXPECT_EQ(XMLNode::IsError, isError) << dump;
        EXPECT_TRUE(bytes.empty() || utf8TableInForce() == utf8After) << dump;
    }
    XMLNode::setGlobalOptions(1, 0), XMLNode::IsError = 0; // a missing file leaves the table alone
    EXPECT_TRUE(XMLNode::openFileHelper((dir.path + "/none.xml").c_str(), "Settings").isEmpty());
    EXPECT_TRUE(XMLNode::IsError == 1 && !utf8TableInForce());
}

} // namespace
