// The node model: shared records, lookups, insertion order, parsed memory.
#include <cstring>
#include <new>
#include <vector>

#include "xml_helpers.h"

namespace {

TEST(XMLHandle, CopiesShareOneRecordAndInnerHandlesOutliveTheirRoot)
{
    XMLNode a = XMLNode::createXMLTopNode("a"), b = a;
    b.addText("seen by both");
    EXPECT_STREQ(a.getText(), "seen by both");
    XMLNode &self = b;
    b = self, b = XMLNode::createXMLTopNode("other"); // ASan/LSan catch a bad release

    XMLNode n = XMLNode::parseString("<a><b><c/></b></a>");
    n = n.getChildNode(0); // the only handle on "a" gives way to its child
    EXPECT_EQ(xmlDump(n), "b{c}");
    XMLNode alias = n;
    alias.deleteNodeContent(1); // forced: gone for every handle
    EXPECT_TRUE(alias.isEmpty());
    new (&n) XMLNode(); // n's record went with it: drop the handle without a release

    XMLNode root = XMLNode::parseString("<a><b x=\"1\"><c>t</c></b><d/></a>"), inner = root.getChildNode("b");
    for (int i = 0; i < 100; i++) root.addChild("more"); // the parent's arrays move
    inner.addText("u");
    EXPECT_EQ(xmlDump(root.getChildNode(0)), "b(x=1){c{'t'} 'u'}");
    root = XMLNode();
    EXPECT_TRUE(inner.getParentNode().isEmpty());
    EXPECT_EQ(xmlDump(inner.getChildNode(0).getParentNode()), "b(x=1){c{'t'} 'u'}");
}

TEST(XMLQuery, NeutralResultsAndNamedLookupsIgnoringCaseByRank)
{
    const XMLNode none, leaf = XMLNode::parseString("<Width/>");
    for (const XMLNode *n : {&none, &leaf}) {
        EXPECT_TRUE(!n->getText(0) && !n->getClear(0).lpszValue && !n->getAttribute(0).lpszName && !n->getAttributeName(-1));
        EXPECT_TRUE(n->getChildNode(0).isEmpty() && n->getChildNode("Width").isEmpty());
        EXPECT_EQ(n->enumContents(0).type, eNodeNULL);
    }
    EXPECT_EQ(XMLNode::parseString("<a x=\"1\">t</a>").enumContents(-1).type, eNodeNULL);

    XMLNode map = XMLNode::parseString("<Map k=\"1\" flag K=\"2\"><Row n=\"0\"/><Cell/><row n=\"1\"/><ROW n=\"2\"/></Map>");
    EXPECT_EQ(map.nChildNode("row"), 3);
    std::string seen;
    int j = 0;
    for (XMLNode row = map.getChildNode("Row", &j); !row.isEmpty(); row = map.getChildNode("Row", &j))
        seen += row.getAttribute("n");
    EXPECT_EQ(seen + std::to_string(j), "0124");
    EXPECT_STREQ(map.getChildNode("row", 2).getAttribute("N"), "2");
    EXPECT_TRUE(map.getChildNode("row", 3).isEmpty());
    EXPECT_STREQ(map.getAttribute("k", 1), "2");
    j = 1;
    EXPECT_STREQ(map.getAttribute("k", &j), "2");
    EXPECT_EQ(map.getAttribute("k", &j), nullptr);
    EXPECT_EQ(map.isAttributeSet("FLAG"), 1);
    EXPECT_EQ(map.getAttribute("flag"), nullptr); // set, without a value
}

// Each step adds a child ('c'), text ('t') or clear section ('x') labelled by its
// rank, or moves the first child ('m'), at an order position.
TEST(XMLBuild, PlacesItemsAtOrderPositionsRefusesCyclesAndMovesNodes)
{
    const std::pair<std::vector<std::pair<char, int>>, const char *> cases[] = {
        {{{'c', -1}, {'t', -1}, {'x', -1}, {'t', 0}}, "n{'3' c0 '1' <!--2-->}"},
        {{{'t', -1}, {'c', 1}, {'c', 99}, {'t', 1}}, "n{'0' '3' c1 c2}"},
        {{{'c', -1}, {'c', -1}, {'t', 1}, {'x', 0}, {'c', 2}, {'t', 0}}, "n{'5' <!--3--> c0 c4 '2' c1}"},
        // a move counts positions in the order as it stands before the move
        {{{'c', -1}, {'c', -1}, {'t', -1}, {'m', -1}}, "n{c1 '2' c0}"},
        {{{'c', -1}, {'c', -1}, {'t', -1}, {'c', -1}, {'m', 3}}, "n{c1 '2' c0 c3}"},
        {{{'c', -1}, {'c', -1}, {'m', 1}}, "n{c0 c1}"},
    };
    for (const auto &[steps, dump] : cases) {
        XMLNode n = XMLNode::createXMLTopNode("n");
        int counter = 0;
        for (const auto &[kind, pos] : steps) {
            const std::string label = std::to_string(counter++);
            if (kind == 'c') n.addChild(("c" + label).c_str(), 0, pos);
            else if (kind == 't') n.addText(label.c_str(), pos);
            else if (kind == 'x') n.addClear(label.c_str(), "<!--", "-->", pos);
            else n.addChild(n.getChildNode(0), pos);
        }
        EXPECT_EQ(xmlDump(n), dump);
    }

    XMLNode n = XMLNode::parseString("<a><b><c/></b><d/></a>"), none;
    EXPECT_TRUE(!n.addText(nullptr) && !n.addClear(nullptr, "<!--", "-->")->lpszValue && !n.addAttribute(nullptr, "v")->lpszName);
    EXPECT_TRUE(n.addChild(static_cast<const char *>(nullptr)).isEmpty() && none.addChild("c").isEmpty());
    EXPECT_EQ(none.addChild(n).inspectRecord(), n.inspectRecord()); // handed back unchanged
    EXPECT_TRUE(n.getChildNode(0).getChildNode(0).addChild(n).isEmpty()); // LSan catches a cycle kept
    EXPECT_TRUE(n.addChild(n).isEmpty());

    XMLNode to = XMLNode::parseString("<to><y/></to>"), b = n.getChildNode("b");
    EXPECT_EQ(to.addChild(b, 0).inspectRecord(), b.inspectRecord());
    EXPECT_EQ(xmlDump(n) + " " + xmlDump(to), "a{d} to{b{c} y}");
    EXPECT_EQ(b.getParentNode().inspectRecord(), to.inspectRecord());
}

// Parsed pieces share their document's blocks: ASan catches one freed alone, LSan blocks never freed.
TEST(XMLParsedMemory, PiecesLiveWhileAnyRecordOfTheDocumentDoes)
{
    XMLNode source = XMLNode::parseString("<a><b x=\"1\">t<!--k--></b><c/></a>"), top = XMLNode::createXMLTopNode("top");
    XMLNode b = top.addChild(source.getChildNode("b"));
    source = XMLNode();
    b.updateName_WOSD(b.getName()), b.updateText_WOSD(b.getText(0), 0); // parsed strings handed back
    b.updateAttribute_WOSD(strdup("2"), strdup("y"), 0), b.addChild("d"), b.updateClear("m", 0);
    EXPECT_EQ(xmlDump(top), "top{b(y=2){'t' <!--m--> d}}");
    b.deleteText(0), b.deleteClear(0), b.deleteAttribute(0);
    EXPECT_EQ(xmlDump(top), "top{b{d}}");

    // A text larger than a block, and enough elements to fill several.
    std::string many = "<m>" + std::string(5 << 20, 'x') + "</m><n>";
    for (int i = 0; i < 50000; i++) many += "<e k=\"" + std::to_string(i) + "\">" + std::to_string(i) + "</e>";
    XMLNode doc = XMLNode::parseString((many + "</n>").c_str());
    EXPECT_EQ(strlen(doc.getChildNode("m").getText()), 5u << 20);
    XMLNode n = doc.getChildNode("n");
    ASSERT_EQ(n.nChildNode(), 50000);
    EXPECT_STREQ(n.getChildNode(49999).getText(), "49999");
    EXPECT_STREQ(n.getChildNode(12345).getAttribute("k"), "12345");

#if defined(__SANITIZE_ADDRESS__)
    // A record freed while its document lives on is still caught when used.
    XMLNode gone = doc.getChildNode("m"), alias = gone;
    alias.deleteNodeContent(1);
    EXPECT_DEATH(gone.getName(), "use-after-poison");
    new (&gone) XMLNode(); // its record went: drop the handle without a release
#endif
}

} // namespace
