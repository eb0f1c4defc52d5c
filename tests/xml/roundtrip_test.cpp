// Round trip as a property: seeded random trees, serialised and parsed back, give the same tree item for item.
#include <random>

#include "xml_helpers.h"

namespace {

const char *const kNames[] = {"a", "Map", "x1", "d\xC3\xA9j\xC3\xA0", "\xE5\x90\x8D", "snake_case", "with-dash", "n.dot", "ns:tag"};
const char *const kAttributeNames[] = {"id", "Flag", "v\xC3\xA9", "data-k", "a.b"};
// The escaped characters, other punctuation the parser treats specially, multi-byte UTF-8, an entity as text, white space.
const char *const kPieces[] = {"a", "0", "<", ">", "&", "\"", "'", "=", "/", "?", "!", "-", "]", "[", ";", "#",
                               "&amp;", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", " ", "\t", "\n", "\r"};
const char *const kClearKinds[][2] = {{"<![CDATA[", "]]>"}, {"<!--", "-->"}, {"<PRE>", "</PRE>"}, {"<!DOCTYPE", ">"}};

struct TreeGenerator {
    std::mt19937 random;

    template <class T, size_t N> const T &pick(const T (&items)[N]) { return items[random() % N]; }
    std::string value()
    {
        std::string s;
        for (int n = random() % 6; n > 0; n--) s += pick(kPieces);
        return s;
    }
    XMLNode document() // a root element, sometimes inside an XML declaration as a file has it
    {
        if (random() % 4) return fill(XMLNode::createXMLTopNode(pick(kNames)), 0);
        XMLNode top = XMLNode::createXMLTopNode("xml", 1);
        top.addAttribute("version", "1.0");
        if (random() % 2 == 0) top.addAttribute("standalone", nullptr);
        fill(top.addChild(pick(kNames)), 1);
        return top;
    }
    XMLNode fill(XMLNode node, int depth)
    {
        for (int n = random() % 4; n > 0; n--) {
            const std::string v = value();
            node.addAttribute(pick(kAttributeNames), random() % 4 == 0 ? nullptr : v.c_str());
        }
        bool lastWasText = false; // two texts in a row would be read back as one
        for (int n = depth < 4 ? random() % 6 : 0; n > 0; n--) {
            const int kind = random() % 3;
            if (kind == 0) {
                fill(node.addChild(pick(kNames)), depth + 1);
            } else if (kind == 1) { // white space at either end included
                if (!lastWasText) node.addText((pick(kPieces) + value() + pick(kPieces)).c_str());
            } else {
                const auto &clear = pick(kClearKinds);
                const std::string v = value(); // not one that ends the section early or opens a subset
                if (v.find(clear[1]) != std::string::npos || (clear[1][0] == '>' && v.find('[') != std::string::npos)) continue;
                node.addClear(v.c_str(), clear[0], clear[1]);
            }
            lastWasText = kind == 1;
        }
        return node;
    }
};

using XMLRoundTrip = XMLOptions;

// Every tenth tree also goes through a file (a declaration is never the root of one).
TEST_F(XMLRoundTrip, SerialisedTreesAndFilesParseBackToTheSameTree)
{
    TempDir dir;
    const std::string path = dir.path + "/tree.xml";
    for (bool utf8 : {true, false}) {
        XMLNode::setGlobalOptions(1, utf8);
        TreeGenerator generate{std::mt19937(utf8 ? 11 : 12)};
        for (int round = 0; round < 400; round++) {
            XMLNode tree = generate.document();
            const std::string dump = xmlDump(tree);
            for (int nFormat : {0, 1}) {
                const std::string text = serialise(tree, nFormat);
                XMLResults results;
                ASSERT_EQ(xmlDump(XMLNode::parseString(text.c_str(), nullptr, &results)), dump) << utf8 << nFormat << ": " << text;
                ASSERT_EQ(results.error, eXMLErrorNone);
                if (round % 10 || tree.isDeclaration()) continue;
                ASSERT_EQ(tree.writeToFile(path.c_str(), nullptr, nFormat), eXMLErrorNone);
                ASSERT_EQ(xmlDump(XMLNode::parseFile(path.c_str(), tree.getName(), &results)), dump) << text;
                ASSERT_EQ(results.error, eXMLErrorNone);
            }
        }
    }
}

} // namespace
