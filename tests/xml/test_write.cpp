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

namespace {

const char kHeader[] = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

std::string serialise(const XMLNode &node, int nFormat)
{
    int size = -1;
    char *text = node.createXMLString(nFormat, &size);
    std::string result = text ? text : "(null)";
    EXPECT_EQ(size, text ? static_cast<int>(result.size()) : 0);
    free(text);
    return result;
}

// The character table is process-wide: each test starts and ends with UTF-8.
class XMLWriter : public ::testing::Test {
protected:
    void SetUp() override { XMLNode::setGlobalOptions(1, 1); }
    void TearDown() override { XMLNode::setGlobalOptions(1, 1); }
};

TEST_F(XMLWriter, EscapesTheFiveCharactersOnly)
{
    const struct {
        const char *source;
        bool utf8;
        const char *escaped;
    } cases[] = {
        {"a<b&c>\"'", true, "a&lt;b&amp;c&gt;&quot;&apos;"},
        {"tab\there\r\n\x01", true, "tab\there\r\n\x01"},
        {"caf\xC3\xA9 \xF0\x9F\x98\x80<", true, "caf\xC3\xA9 \xF0\x9F\x98\x80&lt;"},
        {"\xC3<", true, "\xC3<"}, // the byte after a lead byte belongs to its character
        {"\xC3<", false, "\xC3&lt;"},
        {"a\xE2\x82", true, "a\xE2\x82"}, // cut short: written up to the terminator
    };
    for (const auto &c : cases) {
        XMLNode::setGlobalOptions(1, c.utf8);
        char *escaped = toXMLString(c.source);
        EXPECT_STREQ(escaped, c.escaped);
        EXPECT_EQ(lengthXMLString(c.source), static_cast<int>(strlen(c.escaped))) << c.escaped;
        free(escaped);
    }
}

// Source and destination are exact heap allocations, so reading past the
// terminator (a lead byte just before it) or writing past the measured size
// is caught by AddressSanitizer.
TEST_F(XMLWriter, CountAndWriteAgreeAndStayInsideTheirBuffers)
{
    std::mt19937 random(4);
    for (bool utf8 : {true, false}) {
        XMLNode::setGlobalOptions(1, utf8);
        for (int i = 0; i < 500; i++) {
            std::string s(random() % 12, ' ');
            for (char &c : s) c = static_cast<char>(1 + random() % 255);
            if (i % 2) s += "\xC3\xE2\xF0"[random() % 3]; // a lead byte right before the end
            char *source = strdup(s.c_str());
            const int length = lengthXMLString(source);
            char *dest = static_cast<char *>(malloc(length + 1));
            EXPECT_EQ(static_cast<int>(strlen(toXMLString(dest, source))), length);
            free(dest);
            free(source);
        }
    }
}

TEST_F(XMLWriter, FastEscapeGrowsTheBufferButNeverShrinksIt)
{
    char *buffer = nullptr;
    int size = 0;
    EXPECT_STREQ(toXMLStringFast(&buffer, &size, "<x>"), "&lt;x&gt;");
    EXPECT_EQ(size, 10);
    EXPECT_STREQ(toXMLStringFast(&buffer, &size, "y"), "y");
    EXPECT_EQ(size, 10);
    free(buffer);
}

XMLNode top(const char *name, char declaration = 0) { return XMLNode::createXMLTopNode(name, declaration); }

TEST_F(XMLWriter, SerialisesEachShapeFormattedAndUnformatted)
{
    const struct {
        std::function<XMLNode()> build;
        const char *unformatted, *formatted;
    } cases[] = {
        {[] { return top("name"); }, "<name/>", "<name/>\n"},
        {[] {
             XMLNode b = top("b");
             b.addAttribute("x", "<'\">&");
             b.addAttribute("flag", nullptr);
             b.addAttribute("v", "");
             b.addAttribute("", "skipped");
             return b;
         },
         "<b x=\"&lt;&apos;&quot;&gt;&amp;\" flag v=\"\"/>", "<b x=\"&lt;&apos;&quot;&gt;&amp;\" flag v=\"\"/>\n"},
        {[] {
             XMLNode a = top("a");
             a.addChild("b").addText("1");
             a.addText("");
             return a;
         },
         "<a><b>1</b></a>", "<a>\n\t<b>\n\t\t1\n\t</b>\n</a>\n"},
        {[] {
             XMLNode x = top("xml", 1);
             x.addAttribute("version", "1.0");
             x.addChild("Map");
             return x;
         },
         "<?xml version=\"1.0\"?><Map/>", "<?xml version=\"1.0\"?>\n<Map/>\n"},
        // "<?xml?>" would read back as the name "xml?".
        {[] { return top("xml", 1); }, "<?xml ?>", "<?xml ?>\n"},
        {[] {
             XMLNode a = top("a");
             a.addClear(" c<&> ", "<!--", "-->");
             a.addClear("", "<![CDATA[", "]]>");
             a.addClear("raw", nullptr, nullptr);
             return a;
         },
         "<a><!-- c<&> --><![CDATA[]]>raw</a>", "<a>\n\t<!-- c<&> -->\n\t<![CDATA[]]>\nraw\n</a>\n"},
        // The unnamed wrapper: its children at its own level, texts one deeper.
        {[] {
             XMLNode wrapper = top(nullptr);
             wrapper.addChild("a");
             wrapper.addText("t");
             wrapper.addChild("b").addChild("c");
             return wrapper;
         },
         "<a/>t<b><c/></b>", "<a/>\n\tt\n<b>\n\t<c/>\n</b>\n"},
    };
    for (const auto &c : cases) {
        const XMLNode node = c.build();
        EXPECT_EQ(serialise(node, 0), c.unformatted);
        for (int nFormat : {1, -1}) EXPECT_EQ(serialise(node, nFormat), c.formatted);
    }
}

TEST_F(XMLWriter, EmptyHandleGivesNullAndAnEmptyWrapperTheEmptyText)
{
    EXPECT_EQ(serialise(XMLNode(), 1), "(null)");
    EXPECT_EQ(serialise(top(nullptr), 1), "");
}

class XMLWriteFile : public XMLWriter {
protected:
    void SetUp() override
    {
        XMLWriter::SetUp();
        char pattern[] = "/tmp/tramox_write_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        path = dir + "/out.xml";
    }
    void TearDown() override
    {
        std::filesystem::remove_all(dir);
        XMLWriter::TearDown();
    }
    std::string read(const std::string &file)
    {
        std::stringstream s;
        s << std::ifstream(file, std::ios::binary).rdbuf();
        return s.str();
    }
    std::string dir, path;
};

TEST_F(XMLWriteFile, PutsTheMarkAndDeclarationLineInFront)
{
    const struct {
        bool declaration, utf8;
        const char *encoding;
        std::string header;
    } cases[] = {
        {false, true, nullptr, kHeader},
        {false, true, "ISO-8859-1", kHeader}, // a name is ignored under UTF-8
        {false, false, nullptr, kHeader},
        {false, false, "ISO-8859-1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"},
        {true, true, "ISO-8859-1", "\xEF\xBB\xBF"},
        {true, false, nullptr, ""},
    };
    std::ofstream(path) << std::string(500, 'x'); // replaced, not appended to
    for (const auto &c : cases) {
        XMLNode::setGlobalOptions(1, c.utf8);
        XMLNode node = top(c.declaration ? "xml" : "Settings", c.declaration);
        node.addChild("Width").addText("800");
        EXPECT_EQ(node.writeToFile(path.c_str(), c.encoding, 0), eXMLErrorNone);
        EXPECT_EQ(read(path), c.header + serialise(node, 0));
    }
}

TEST_F(XMLWriteFile, BackslashSeparatesFolders)
{
    std::filesystem::create_directory(dir + "/sub");
    EXPECT_EQ(top("a").writeToFile((dir + "\\sub\\out.xml").c_str(), nullptr, 1), eXMLErrorNone);
    EXPECT_EQ(read(dir + "/sub/out.xml"), std::string(kHeader) + "<a/>\n");
}

TEST_F(XMLWriteFile, ReportsFailures)
{
    EXPECT_EQ(top("a").writeToFile((dir + "/missing/out.xml").c_str()), eXMLErrorCannotOpenWriteFile);
    EXPECT_TRUE(std::filesystem::is_empty(dir));
    // An empty handle has no text to write: the header alone, and a failed write.
    EXPECT_EQ(XMLNode().writeToFile(path.c_str()), eXMLErrorCannotWriteFile);
    EXPECT_EQ(read(path), kHeader);
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_EQ(top("a").writeToFile("/dev/full"), eXMLErrorCannotWriteFile);
    }
}

} // namespace
