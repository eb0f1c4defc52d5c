// The writer: escaping, the serialised shapes, and files.
#include "xmlParser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char kHeader[] = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

// Each test leaves the process-wide character table as it found it.
class XMLWriter : public ::testing::Test {
protected:
    void SetUp() override { XMLNode::setGlobalOptions(1, 1); }
    void TearDown() override { XMLNode::setGlobalOptions(1, 1); }
};

std::string serialise(const XMLNode &node, int nFormat)
{
    int size = -1;
    char *text = node.createXMLString(nFormat, &size);
    EXPECT_NE(text, nullptr);
    if (!text) return "";
    std::string result(text);
    EXPECT_EQ(size, static_cast<int>(result.size()));
    free(text);
    return result;
}

// ----- escaping ---------------------------------------------------------------

struct EscapeCase {
    const char *source;
    bool utf8;
    const char *escaped;
};

TEST_F(XMLWriter, EscapesTheFiveCharactersAndCopiesEverythingElse)
{
    const EscapeCase cases[] = {
        {"", true, ""},
        {"a<b&c", true, "a&lt;b&amp;c"},
        {"\"'>", true, "&quot;&apos;&gt;"},
        {"tab\there\r\nline", true, "tab\there\r\nline"},
        {"\x01\x7F", true, "\x01\x7F"},
        {"caf\xC3\xA9 & \xE2\x82\xAC", true, "caf\xC3\xA9 &amp; \xE2\x82\xAC"},
        {"\xF0\x9F\x98\x80<", true, "\xF0\x9F\x98\x80&lt;"},
        // The byte after a lead byte belongs to its character under UTF-8...
        {"\xC3<", true, "\xC3<"},
        // ...and is a character of its own byte by byte.
        {"\xC3<", false, "\xC3&lt;"},
        // A stray continuation byte is one character.
        {"\x80&", true, "\x80&amp;"},
    };
    for (const EscapeCase &c : cases) {
        XMLNode::setGlobalOptions(1, c.utf8);
        char *escaped = toXMLString(c.source);
        ASSERT_NE(escaped, nullptr);
        EXPECT_STREQ(escaped, c.escaped) << "source " << c.source;
        EXPECT_EQ(lengthXMLString(c.source), static_cast<int>(strlen(c.escaped))) << "source " << c.source;
        free(escaped);
    }
}

// A character cut short by the terminator: the escaper stops at the
// terminator, and the count and the written text agree. Both the source and
// the destination are exact heap allocations, so a read or write past either
// end is caught by AddressSanitizer.
TEST_F(XMLWriter, CountAndWriteAgreeAndStayInsideTheirBuffers)
{
    std::vector<std::string> sources = {"\xC3", "a\xE2\x82", "\xF0\x9F\x98", "\xF0", "<\xE2", "\xC3\xA9\xF4"};
    std::mt19937 random(4);
    for (int i = 0; i < 500; i++) {
        std::string s(random() % 12, ' ');
        for (char &c : s) c = static_cast<char>(1 + random() % 255);
        sources.push_back(s);
    }
    for (bool utf8 : {true, false}) {
        XMLNode::setGlobalOptions(1, utf8);
        for (const std::string &s : sources) {
            char *source = static_cast<char *>(malloc(s.size() + 1));
            memcpy(source, s.c_str(), s.size() + 1);
            const int length = lengthXMLString(source);
            char *dest = static_cast<char *>(malloc(length + 1));
            toXMLString(dest, source);
            EXPECT_EQ(static_cast<int>(strlen(dest)), length);
            free(dest);
            free(source);
        }
    }
}

TEST_F(XMLWriter, CutShortCharacterIsWrittenUpToTheTerminator)
{
    char *escaped = toXMLString("a\xE2\x82");
    EXPECT_STREQ(escaped, "a\xE2\x82");
    free(escaped);
}

TEST_F(XMLWriter, FastEscapeGrowsTheCallersBufferButNeverShrinksIt)
{
    char *buffer = nullptr;
    int size = 0;
    EXPECT_STREQ(toXMLStringFast(&buffer, &size, "<x>"), "&lt;x&gt;");
    EXPECT_EQ(size, 10);
    EXPECT_STREQ(toXMLStringFast(&buffer, &size, "y"), "y");
    EXPECT_EQ(size, 10);
    EXPECT_STREQ(toXMLStringFast(&buffer, &size, "&&&"), "&amp;&amp;&amp;");
    EXPECT_EQ(size, 16);
    free(buffer);
}

// ----- serialised shapes ------------------------------------------------------

struct ShapeCase {
    const char *what;
    std::function<XMLNode()> build;
    const char *unformatted;
    const char *formatted;
};

XMLNode top(const char *name) { return XMLNode::createXMLTopNode(name); }

TEST_F(XMLWriter, SerialisesEachShapeFormattedAndUnformatted)
{
    const ShapeCase cases[] = {
        {"empty element", [] { return top("name"); }, "<name/>", "<name/>\n"},
        {"attributes: plain, null value, empty value, empty name",
         [] {
             XMLNode b = top("b");
             b.addAttribute("x", "1");
             b.addAttribute("flag", nullptr);
             b.addAttribute("v", "");
             b.addAttribute("", "skipped");
             return b;
         },
         "<b x=\"1\" flag v=\"\"/>", "<b x=\"1\" flag v=\"\"/>\n"},
        {"escaped attribute value",
         [] {
             XMLNode a = top("a");
             a.addAttribute("v", "'\"<&>");
             return a;
         },
         "<a v=\"&apos;&quot;&lt;&amp;&gt;\"/>", "<a v=\"&apos;&quot;&lt;&amp;&gt;\"/>\n"},
        {"nesting with text",
         [] {
             XMLNode a = top("a");
             a.addChild("b").addText("1");
             return a;
         },
         "<a><b>1</b></a>", "<a>\n\t<b>\n\t\t1\n\t</b>\n</a>\n"},
        {"attributes and content",
         [] {
             XMLNode a = top("a");
             a.addAttribute("k", "v");
             a.addText("a<b&c");
             return a;
         },
         "<a k=\"v\">a&lt;b&amp;c</a>", "<a k=\"v\">\n\ta&lt;b&amp;c\n</a>\n"},
        {"declaration with attributes holding an element",
         [] {
             XMLNode x = XMLNode::createXMLTopNode("xml", 1);
             x.addAttribute("version", "1.0");
             x.addChild("Map").addChild("Width").addText("10");
             return x;
         },
         "<?xml version=\"1.0\"?><Map><Width>10</Width></Map>",
         "<?xml version=\"1.0\"?>\n<Map>\n\t<Width>\n\t\t10\n\t</Width>\n</Map>\n"},
        {"declaration without attributes keeps the space after its name",
         [] { return XMLNode::createXMLTopNode("xml", 1); }, "<?xml ?>", "<?xml ?>\n"},
        {"clear sections keep their delimiters and raw value",
         [] {
             XMLNode a = top("a");
             a.addClear(" c<&> ", "<!--", "-->");
             a.addClear("", "<![CDATA[", "]]>");
             return a;
         },
         "<a><!-- c<&> --><![CDATA[]]></a>", "<a>\n\t<!-- c<&> -->\n\t<![CDATA[]]>\n</a>\n"},
        {"clear section without delimiters still ends its line",
         [] {
             XMLNode a = top("a");
             a.addClear("raw", nullptr, "");
             return a;
         },
         "<a>raw</a>", "<a>\nraw\n</a>\n"},
        {"document order of mixed content",
         [] {
             XMLNode a = top("a");
             a.addChild("c");
             a.addText("t");
             a.addText("first", 0);
             a.addClear("x", "<![CDATA[", "]]>", 2);
             return a;
         },
         "<a>first<c/><![CDATA[x]]>t</a>", "<a>\n\tfirst\n\t<c/>\n\t<![CDATA[x]]>\n\tt\n</a>\n"},
        {"an empty text writes nothing but still counts as content",
         [] {
             XMLNode a = top("a");
             a.addText("");
             return a;
         },
         "<a></a>", "<a>\n</a>\n"},
        {"unnamed node writes its content only, texts one level deeper",
         [] {
             XMLNode wrapper = top(nullptr);
             wrapper.addChild("a");
             wrapper.addText("t");
             wrapper.addChild("b").addChild("c");
             return wrapper;
         },
         "<a/>t<b><c/></b>", "<a/>\n\tt\n<b>\n\t<c/>\n</b>\n"},
        {"multi-byte names and text",
         [] {
             XMLNode a = top("\xD0\xB8\xD0\xBC\xD1\x8F");
             a.addText("\xE4\xB8\xAD\xE6\x96\x87");
             return a;
         },
         "<\xD0\xB8\xD0\xBC\xD1\x8F>\xE4\xB8\xAD\xE6\x96\x87</\xD0\xB8\xD0\xBC\xD1\x8F>",
         "<\xD0\xB8\xD0\xBC\xD1\x8F>\n\t\xE4\xB8\xAD\xE6\x96\x87\n</\xD0\xB8\xD0\xBC\xD1\x8F>\n"},
    };
    for (const ShapeCase &c : cases) {
        XMLNode node = c.build();
        EXPECT_EQ(serialise(node, 0), c.unformatted) << c.what;
        // Every nonzero format value means formatted output from level 0.
        for (int nFormat : {1, -1, 7}) EXPECT_EQ(serialise(node, nFormat), c.formatted) << c.what;
    }
}

TEST_F(XMLWriter, InnerNodeIsWrittenFromLevelZero)
{
    XMLNode a = top("a");
    XMLNode c = a.addChild("b").addChild("c");
    c.addText("t");
    EXPECT_EQ(serialise(c, 1), "<c>\n\tt\n</c>\n");
}

TEST_F(XMLWriter, EmptyHandleGivesNullAndSizeZero)
{
    int size = 99;
    EXPECT_EQ(XMLNode().createXMLString(1, &size), nullptr);
    EXPECT_EQ(size, 0);
}

TEST_F(XMLWriter, UnnamedNodeWithoutContentGivesTheEmptyText)
{
    EXPECT_EQ(serialise(top(nullptr), 0), "");
    EXPECT_EQ(serialise(top(nullptr), 1), "");
}

// ----- files ------------------------------------------------------------------

class XMLWriteFile : public XMLWriter {
protected:
    void SetUp() override
    {
        XMLWriter::SetUp();
        char pattern[] = "/tmp/tramox_write_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override
    {
        std::filesystem::remove_all(dir);
        XMLWriter::TearDown();
    }
    std::string read(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string dir;
};

struct FileCase {
    const char *what;
    bool declaration;
    bool utf8;
    const char *encoding;
    std::string header;
};

TEST_F(XMLWriteFile, PutsTheMarkAndDeclarationLineInFront)
{
    const std::string bom = "\xEF\xBB\xBF";
    const FileCase cases[] = {
        {"no encoding", false, true, nullptr, kHeader},
        {"encoding ignored under UTF-8", false, true, "ISO-8859-1", kHeader},
        {"no encoding, byte table", false, false, nullptr, kHeader},
        {"named encoding, byte table", false, false, "ISO-8859-1",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"},
        {"declaration node under UTF-8", true, true, "ISO-8859-1", bom},
        {"declaration node, byte table", true, false, nullptr, ""},
    };
    for (const FileCase &c : cases) {
        XMLNode::setGlobalOptions(1, c.utf8);
        XMLNode node = XMLNode::createXMLTopNode(c.declaration ? "xml" : "Settings", c.declaration);
        node.addChild("Width").addText("800");
        const std::string path = dir + "/out.xml";
        EXPECT_EQ(node.writeToFile(path.c_str(), c.encoding, 0), eXMLErrorNone) << c.what;
        EXPECT_EQ(read(path), c.header + serialise(node, 0)) << c.what;
    }
}

TEST_F(XMLWriteFile, WritesFormattedTextAndReplacesALongerFile)
{
    const std::string path = dir + "/out.xml";
    std::ofstream(path) << std::string(500, 'x');
    XMLNode node = top("a");
    node.addChild("b");
    EXPECT_EQ(node.writeToFile(path.c_str(), nullptr, 1), eXMLErrorNone);
    EXPECT_EQ(read(path), std::string(kHeader) + "<a>\n\t<b/>\n</a>\n");
}

TEST_F(XMLWriteFile, BackslashSeparatesFolders)
{
    std::filesystem::create_directory(dir + "/sub");
    EXPECT_EQ(top("a").writeToFile((dir + "\\sub\\out.xml").c_str(), nullptr, 0), eXMLErrorNone);
    EXPECT_EQ(read(dir + "/sub/out.xml"), std::string(kHeader) + "<a/>");
}

TEST_F(XMLWriteFile, MissingFolderIsReportedAndNothingIsCreated)
{
    const std::string path = dir + "/missing/out.xml";
    EXPECT_EQ(top("a").writeToFile(path.c_str(), nullptr, 0), eXMLErrorCannotOpenWriteFile);
    EXPECT_TRUE(std::filesystem::is_empty(dir));
}

TEST_F(XMLWriteFile, EmptyHandleLeavesOnlyTheHeaderAndReportsAFailedWrite)
{
    const std::string path = dir + "/out.xml";
    EXPECT_EQ(XMLNode().writeToFile(path.c_str(), nullptr, 0), eXMLErrorCannotWriteFile);
    EXPECT_EQ(read(path), kHeader);
}

TEST_F(XMLWriteFile, UnnamedEmptyNodeWritesTheHeaderOnly)
{
    const std::string path = dir + "/out.xml";
    EXPECT_EQ(top(nullptr).writeToFile(path.c_str(), nullptr, 0), eXMLErrorNone);
    EXPECT_EQ(read(path), kHeader);
}

TEST_F(XMLWriteFile, FullDeviceIsAFailedWrite)
{
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    EXPECT_EQ(top("a").writeToFile("/dev/full", nullptr, 0), eXMLErrorCannotWriteFile);
}

} // namespace
