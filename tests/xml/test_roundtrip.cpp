// Round trip as a property: seeded random trees, serialised and parsed back,
// give the same tree item for item.
#include "xmlParser.h"
#include "xml_dump.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <unistd.h>

namespace {

class TreeGenerator {
public:
    explicit TreeGenerator(unsigned seed) : random(seed) {}

    // A root element, sometimes inside an XML declaration as a file has it.
    XMLNode document(bool allowDeclaration)
    {
        if (allowDeclaration && chance(4)) {
            XMLNode declaration = XMLNode::createXMLTopNode("xml", 1);
            declaration.addAttribute("version", "1.0");
            if (chance(2)) declaration.addAttribute("standalone", nullptr);
            fill(declaration.addChild(pick(kNames)), 1);
            return declaration;
        }
        XMLNode root = XMLNode::createXMLTopNode(pick(kNames));
        fill(root, 0);
        return root;
    }

private:
    static constexpr const char *kNames[] = {
        "a", "Map", "Row", "Cell", "x1", "d\xC3\xA9j\xC3\xA0", "\xD0\xB8\xD0\xBC\xD1\x8F", "\xE5\x90\x8D",
        "snake_case", "with-dash", "n.dot", "ns:tag"};
    static constexpr const char *kAttributeNames[] = {"id", "x", "Flag", "v\xC3\xA9", "data-k", "a.b"};
    // Pieces of texts and values: the five escaped characters, whitespace,
    // other punctuation the parser treats specially, multi-byte UTF-8, and an
    // entity written as text.
    static constexpr const char *kPieces[] = {
        "a", "Z", "0", "<", ">", "&", "\"", "'", "=", "/", "?", "!", "-", "]", "[", ";", "#", "&amp;",
        "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", " ", "\t", "\n", "\r"};
    static constexpr int kFirstWhitespacePiece = 21;
    struct ClearKind {
        const char *open, *close;
    };
    static constexpr ClearKind kClearKinds[] = {
        {"<![CDATA[", "]]>"}, {"<!--", "-->"}, {"<PRE>", "</PRE>"}, {"<!DOCTYPE", ">"}};

    template <class T, size_t N>
    const T &pick(const T (&items)[N])
    {
        return items[random() % N];
    }
    bool chance(int oneIn) { return random() % oneIn == 0; }

    // Texts start and end with a character the parser does not trim.
    std::string text()
    {
        std::string s = kPieces[random() % kFirstWhitespacePiece];
        for (int n = random() % 8; n > 0; n--) s += pick(kPieces);
        return s + kPieces[random() % kFirstWhitespacePiece];
    }

    // Values keep whatever whitespace they hold; some are empty.
    std::string value()
    {
        std::string s;
        for (int n = random() % 6; n > 0; n--) s += pick(kPieces);
        return s;
    }

    void fill(XMLNode node, int depth)
    {
        for (int n = random() % 4; n > 0; n--) {
            const std::string v = value();
            node.addAttribute(pick(kAttributeNames), chance(4) ? nullptr : v.c_str());
        }
        bool lastWasText = false;
        for (int n = depth < 4 ? random() % 6 : 0; n > 0; n--) {
            switch (random() % 3) {
            case 0:
                fill(node.addChild(pick(kNames)), depth + 1);
                lastWasText = false;
                break;
            case 1:
                // Two texts in a row would be read back as one.
                if (!lastWasText) node.addText(text().c_str());
                lastWasText = true;
                break;
            default: {
                const ClearKind &kind = pick(kClearKinds);
                std::string v = value();
                if (v.find(kind.close) != std::string::npos) break;
                node.addClear(v.c_str(), kind.open, kind.close);
                lastWasText = false;
                break;
            }
            }
        }
    }

    std::mt19937 random;
};

std::string serialise(const XMLNode &node, int nFormat)
{
    char *s = node.createXMLString(nFormat);
    std::string text = s;
    free(s);
    return text;
}

class XMLRoundTrip : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { XMLNode::setGlobalOptions(1, GetParam()); }
    void TearDown() override { XMLNode::setGlobalOptions(1, 1); }
};

TEST_P(XMLRoundTrip, SerialisedTreesParseBackToTheSameTree)
{
    TreeGenerator generate(GetParam() ? 11 : 12);
    for (int round = 0; round < 400; round++) {
        XMLNode tree = generate.document(true);
        for (int nFormat : {0, 1}) {
            const std::string text = serialise(tree, nFormat);
            XMLResults results;
            XMLNode parsed = XMLNode::parseString(text.c_str(), nullptr, &results);
            ASSERT_EQ(results.error, eXMLErrorNone) << text;
            ASSERT_EQ(xmlDump(parsed), xmlDump(tree)) << "format " << nFormat << ": " << text;
        }
    }
}

TEST_P(XMLRoundTrip, WrittenFilesReadBackToTheSameTree)
{
    TreeGenerator generate(GetParam() ? 21 : 22);
    char path[] = "/tmp/tramox_roundtrip_XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    for (int round = 0; round < 40; round++) {
        XMLNode tree = generate.document(false);
        ASSERT_EQ(tree.writeToFile(path, nullptr, round % 2), eXMLErrorNone);
        XMLResults results;
        XMLNode parsed = XMLNode::parseFile(path, tree.getName(), &results);
        ASSERT_EQ(results.error, eXMLErrorNone);
        ASSERT_EQ(xmlDump(parsed), xmlDump(tree));
    }
    remove(path);
}

INSTANTIATE_TEST_SUITE_P(CharacterTables, XMLRoundTrip, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool> &info) { return info.param ? "UTF8" : "Bytes"; });

} // namespace
