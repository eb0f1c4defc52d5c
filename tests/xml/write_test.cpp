// The writer: escaping, the serialised shapes, and files.
#include <cstring>
#include <filesystem>
#include <random>

#include "xml_helpers.h"

namespace {

const char kHeader[] = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

using XMLWriter = XMLOptions;

// Exact heap blocks: ASan catches a read past the terminator or a write past the measured size.
std::string escapeExactly(const std::string &text)
{
    char *source = strdup(text.c_str()), *dest = static_cast<char *>(malloc(lengthXMLString(source) + 1));
    const std::string escaped = toXMLString(dest, source);
    EXPECT_EQ(int(escaped.size()), lengthXMLString(source)) << text;
    free(dest), free(source);
    return escaped;
}

TEST_F(XMLWriter, EscapesTheFiveCharactersOnlyWithinTheMeasuredSize)
{
    const std::tuple<const char *, bool, const char *> cases[] = {
        {"a<b&c>\"'", true, "a&lt;b&amp;c&gt;&quot;&apos;"}, {"tab\there\r\n\x01", true, "tab\there\r\n\x01"},
        {"caf\xC3\xA9 \xF0\x9F\x98\x80<", true, "caf\xC3\xA9 \xF0\x9F\x98\x80&lt;"},
        {"\xC3<", true, "\xC3<"}, {"\xC3<", false, "\xC3&lt;"}, // under UTF-8 the byte after a lead byte is its own
        {"a\xE2\x82", true, "a\xE2\x82"}, // cut short: written up to the terminator
    };
    char *buffer = nullptr; // the fast form reuses one buffer, growing it
    int size = 0;
    for (const auto &[source, utf8, expected] : cases) {
        XMLNode::setGlobalOptions(1, utf8);
        EXPECT_EQ(escapeExactly(source), expected);
        EXPECT_STREQ(toXMLStringFast(&buffer, &size, source), expected);
    }
    free(buffer);
    std::mt19937 random(4);
    for (int i = 0; i < 1000; i++) {
        XMLNode::setGlobalOptions(1, i % 4 < 2);
        std::string s(random() % 12, ' ');
        for (char &c : s) c = static_cast<char>(1 + random() % 255);
        if (i % 2) s += "\xC3\xE2\xF0"[random() % 3];
        escapeExactly(s);
    }
}

XMLNode top(const char *name, char declaration = 0) { return XMLNode::createXMLTopNode(name, declaration); }

TEST_F(XMLWriter, SerialisesEachShapeFormattedAndUnformatted)
{
    XMLNode built = top("b"); // what a parse never gives: a nameless attribute, an empty text, bare clear text
    built.addAttribute("", "skipped"), built.addText(""), built.addClear("raw", nullptr, nullptr);
    // parsed text (null: built), unformatted where it differs from the text, formatted
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"<b x=\"&lt;&apos;&quot;&gt;&amp;\" flag v=\"\"/>", nullptr, "<b x=\"&lt;&apos;&quot;&gt;&amp;\" flag v=\"\"/>\n"},
        {"<a><b>1</b></a>", nullptr, "<a>\n\t<b>\n\t\t1\n\t</b>\n</a>\n"},
        {"<?xml version=\"1.0\"?><Map/>", nullptr, "<?xml version=\"1.0\"?>\n<Map/>\n"},
        {"<?xml?>", "<?xml ?>", "<?xml ?>\n"}, // "<?xml?>" would read back as the name "xml?"
        {"<a><!-- c<&> --><![CDATA[]]></a>", nullptr, "<a>\n\t<!-- c<&> -->\n\t<![CDATA[]]>\n</a>\n"},
        {"<!DOCTYPE a [<!ENTITY e '>'>]><a/>", nullptr, "\t<!DOCTYPE a [<!ENTITY e '>'>]>\n<a/>\n"},
        // white space at a text's ends is kept as references, or reading would trim it
        {"<a>&#32;t &#10;</a><b>&#9;</b><c>&lt;&#10;</c><d>\xC3\xA9&#32;</d>", nullptr,
         "<a>\n\t&#32;t &#10;\n</a>\n<b>\n\t&#9;\n</b>\n<c>\n\t&lt;&#10;\n</c>\n<d>\n\t\xC3\xA9&#32;\n</d>\n"},
        // the unnamed wrapper: its children at its own level, texts one deeper
        {"<a/>t<b><c/></b>", nullptr, "<a/>\n\tt\n<b>\n\t<c/>\n</b>\n"}, {"", nullptr, ""},
        {nullptr, "<b>raw</b>", "<b>\nraw\n</b>\n"},
    };
    for (const auto &[source, unformatted, formatted] : cases) {
        const XMLNode node = source ? XMLNode::parseString(source) : built;
        EXPECT_EQ(serialise(node, 0), unformatted ? unformatted : source);
        for (int nFormat : {1, -1}) EXPECT_EQ(serialise(node, nFormat), formatted);
    }
    EXPECT_EQ(serialise(XMLNode(), 1), "(null)");
}

TEST_F(XMLWriter, FilesGetTheMarkAndDeclarationLineInFrontAndFailuresAreReported)
{
    const std::tuple<bool, bool, const char *, std::string> cases[] = { // declaration, UTF-8, encoding, header
        {false, true, nullptr, kHeader}, {false, true, "ISO-8859-1", kHeader}, // a name is ignored under UTF-8
        {false, false, nullptr, kHeader}, {false, false, "ISO-8859-1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"},
        {true, true, "ISO-8859-1", "\xEF\xBB\xBF"}, {true, false, nullptr, ""},
    };
    TempDir dir;
    const std::string path = dir.path + "/out.xml";
    writeFile(path, std::string(500, 'x')); // replaced, not appended to
    for (const auto &[declaration, utf8, encoding, header] : cases) {
        XMLNode::setGlobalOptions(1, utf8);
        XMLNode node = top(declaration ? "xml" : "Settings", declaration);
        node.addChild("Width").addText("800");
        EXPECT_EQ(node.writeToFile(path.c_str(), encoding, 0), eXMLErrorNone);
        EXPECT_EQ(readFile(path), header + serialise(node, 0));
    }
    std::filesystem::create_directory(dir.path + "/sub");
    EXPECT_EQ(top("a").writeToFile((dir.path + "\\sub\\b.xml").c_str(), nullptr, 1), eXMLErrorNone);
    EXPECT_EQ(readFile(dir.path + "/sub/b.xml"), std::string(kHeader) + "<a/>\n");

    EXPECT_EQ(top("a").writeToFile((dir.path + "/missing/out.xml").c_str()), eXMLErrorCannotOpenWriteFile);
    EXPECT_FALSE(std::filesystem::exists(dir.path + "/missing"));
    // An empty handle has no text to write: the header alone, and a failed write.
    EXPECT_EQ(XMLNode().writeToFile((dir.path + "/out.xml").c_str()), eXMLErrorCannotWriteFile);
    EXPECT_EQ(readFile(dir.path + "/out.xml"), kHeader);
    EXPECT_TRUE(!std::filesystem::exists("/dev/full") || top("a").writeToFile("/dev/full") == eXMLErrorCannotWriteFile);
}

} // namespace
