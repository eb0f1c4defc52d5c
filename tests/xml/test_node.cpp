// The node model: shared records, lookups, insertion order, growth of the arrays.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "xml_dump.h"
#include "xmlParser.h"

namespace {

int refs(const XMLNode &n) { return n.inspectRecord()->ref_count; }

// Every order entry of a type names the next item of that type: 0, 1, 2, ...
void expectOrderInvariant(const XMLNode &n)
{
    const XMLNode::XMLNodeDataTag *d = n.inspectRecord();
    int next[4] = {0, 0, 0, 0};
    for (int i = 0; i < d->nChild + d->nText + d->nClear; i++) {
        const int type = d->pOrder[i] & 3;
        EXPECT_EQ(d->pOrder[i] >> 2, next[type]++) << "entry " << i;
    }
    EXPECT_EQ(next[eNodeChild], d->nChild);
    EXPECT_EQ(next[eNodeText], d->nText);
    EXPECT_EQ(next[eNodeClear], d->nClear);
}

TEST(XMLHandle, CopiesShareOneRecordAndAssignmentKeepsCountsRight)
{
    XMLNode a = XMLNode::createXMLTopNode("a");
    EXPECT_EQ(refs(a), 1);
    {
        XMLNode b = a;
        EXPECT_EQ(refs(a), 2);
        b.addText("seen by both");
        EXPECT_STREQ(a.getText(), "seen by both");
        XMLNode &self = b;
        b = self;
        EXPECT_EQ(refs(a), 2);
        b = a; // another handle on the same record
        EXPECT_EQ(refs(a), 2);
    }
    EXPECT_EQ(refs(a), 1);
    XMLNode other = XMLNode::createXMLTopNode("other");
    XMLNode c = a;
    c = other;
    EXPECT_EQ(refs(a), 1);
    EXPECT_EQ(refs(other), 2);
}

TEST(XMLHandle, InnerHandleOutlivesItsRoot)
{
    XMLNode root = XMLNode::parseString("<a><b x=\"1\"><c>t</c></b><d/></a>");
    XMLNode b = root.getChildNode("b");
    EXPECT_EQ(refs(b), 2);
    root = XMLNode();
    EXPECT_TRUE(b.getParentNode().isEmpty());
    EXPECT_EQ(refs(b), 1);
    EXPECT_EQ(xmlDump(b), "b(x=1){c{'t'}}");
    EXPECT_EQ(xmlDump(b.getChildNode(0).getParentNode()), xmlDump(b));
}

TEST(XMLHandle, AssigningAChildOverItsOwnParentKeepsTheChild)
{
    XMLNode n = XMLNode::parseString("<a><b><c/></b></a>");
    n = n.getChildNode(0); // the only handle on "a" gives way to its child
    EXPECT_EQ(xmlDump(n), "b{c}");
    EXPECT_TRUE(n.getParentNode().isEmpty());
}

TEST(XMLHandle, ChildHandlesSurviveGrowthOfTheParentsArray)
{
    XMLNode root = XMLNode::createXMLTopNode("r");
    XMLNode first = root.addChild("first");
    for (int i = 0; i < 100; i++) root.addChild("more");
    first.addText("still here");
    EXPECT_STREQ(root.getChildNode(0).getText(), "still here");
    EXPECT_EQ(refs(first), 2);
}

TEST(XMLHandle, ForcedDeleteDestroysASharedTree)
{
    XMLNode root = XMLNode::parseString("<a><b/></a>");
    XMLNode alias = root;
    alias.deleteNodeContent(1);
    EXPECT_TRUE(alias.isEmpty());
    // root's record is gone with it; the handle may only be dropped without a release.
    new (&root) XMLNode();
}

TEST(XMLQuery, EmptyHandleAndOutOfRangeGiveNeutralResults)
{
    const XMLNode none;
    const XMLNode leaf = XMLNode::parseString("<Width/>");
    for (const XMLNode *n : {&none, &leaf}) {
        EXPECT_EQ(n->getText(0), nullptr);
        EXPECT_TRUE(n->getChildNode(0).isEmpty());
        EXPECT_TRUE(n->getChildNode("Width").isEmpty());
        EXPECT_TRUE(n->getParentNode().isEmpty());
        EXPECT_EQ(n->getClear(0).lpszValue, nullptr);
        EXPECT_EQ(n->getAttribute(0).lpszName, nullptr);
        EXPECT_EQ(n->getAttribute("x"), nullptr);
        EXPECT_EQ(n->getAttributeName(-1), nullptr);
        EXPECT_EQ(n->isAttributeSet("x"), 0);
        EXPECT_EQ(n->nChildNode("x"), 0);
        EXPECT_EQ(n->nElement(), 0);
        EXPECT_EQ(n->enumContents(0).type, eNodeNULL);
    }
    EXPECT_EQ(none.getName(), nullptr);
    EXPECT_EQ(none.isEmpty(), 1);
    EXPECT_EQ(none.isDeclaration(), 0);
    EXPECT_EQ(leaf.isEmpty(), 0);
}

TEST(XMLQuery, NamedLookupsIgnoreCaseAndIterate)
{
    XMLNode map = XMLNode::parseString("<Map><Row n=\"0\"/><Cell/><row n=\"1\"/><ROW n=\"2\"/></Map>");
    EXPECT_EQ(map.nChildNode("row"), 3);
    EXPECT_EQ(map.nChildNode(nullptr), 0);
    EXPECT_TRUE(map.getChildNode(static_cast<const char *>(nullptr)).isEmpty());

    std::vector<std::string> seen;
    int j = 0;
    for (XMLNode row = map.getChildNode("Row", &j); !row.isEmpty(); row = map.getChildNode("Row", &j))
        seen.push_back(row.getAttribute("n"));
    EXPECT_EQ(seen, (std::vector<std::string>{"0", "1", "2"}));
    EXPECT_EQ(j, 4);

    EXPECT_STREQ(map.getChildNode("row", 2).getAttribute("N"), "2");
    EXPECT_TRUE(map.getChildNode("row", 3).isEmpty());
    EXPECT_STREQ(map.getChildNode("cell", 0).getName(), "Cell");
}

TEST(XMLQuery, AttributesByNameAndRank)
{
    XMLNode a = XMLNode::parseString("<a k=\"1\" flag K=\"2\" other=\"x\"/>");
    EXPECT_STREQ(a.getAttribute("k", 1), "2");
    EXPECT_EQ(a.getAttribute("k", 2), nullptr);
    int j = 1;
    EXPECT_STREQ(a.getAttribute("k", &j), "2");
    EXPECT_EQ(j, 3);
    EXPECT_EQ(a.getAttribute("k", &j), nullptr);
    EXPECT_EQ(j, 3);
    EXPECT_EQ(a.isAttributeSet("FLAG"), 1);
    EXPECT_EQ(a.getAttribute("flag"), nullptr); // set, without a value
    EXPECT_EQ(a.isAttributeSet(nullptr), 0);
}

TEST(XMLQuery, EnumContentsListsAttributesThenDocumentOrder)
{
    XMLNode a = XMLNode::parseString("<a x=\"1\">t<b/><!--c-->u</a>");
    ASSERT_EQ(a.nElement(), 5);
    const XMLNodeContents items[] = {a.enumContents(0), a.enumContents(1), a.enumContents(2),
                                     a.enumContents(3), a.enumContents(4)};
    EXPECT_EQ(items[0].type, eNodeAttribute);
    EXPECT_STREQ(items[0].attrib.lpszValue, "1");
    EXPECT_EQ(items[1].type, eNodeText);
    EXPECT_STREQ(items[1].text, "t");
    EXPECT_EQ(items[2].type, eNodeChild);
    EXPECT_STREQ(items[2].child.getName(), "b");
    EXPECT_EQ(items[3].type, eNodeClear);
    EXPECT_STREQ(items[3].clear.lpszValue, "c");
    EXPECT_STREQ(items[4].text, "u");
    EXPECT_EQ(a.enumContents(a.nElement()).type, eNodeNULL);
    EXPECT_EQ(a.enumContents(-1).type, eNodeNULL);
}

// Builds content by inserting at given order positions and checks the resulting order.
struct InsertCase {
    const char *name;
    std::vector<std::pair<char, int>> steps; // kind ('c' child, 't' text, 'x' clear) and position
    const char *dump;
};

class XMLInsert : public ::testing::TestWithParam<InsertCase> {};

TEST_P(XMLInsert, PlacesItemsAndKeepsTheOrderInvariant)
{
    XMLNode n = XMLNode::createXMLTopNode("n");
    int counter = 0;
    for (const auto &[kind, pos] : GetParam().steps) {
        const std::string label = std::to_string(counter++);
        if (kind == 'c') n.addChild(("c" + label).c_str(), 0, pos);
        else if (kind == 't') n.addText(label.c_str(), pos);
        else n.addClear(label.c_str(), "<!--", "-->", pos);
        expectOrderInvariant(n);
    }
    EXPECT_EQ(xmlDump(n), GetParam().dump);
}

INSTANTIATE_TEST_SUITE_P(Positions, XMLInsert, ::testing::Values(
    InsertCase{"append", {{'c', -1}, {'t', -1}, {'x', -1}}, "n{c0 '1' <!--2-->}"},
    InsertCase{"textBeforeChild", {{'c', -1}, {'t', -1}, {'t', 0}}, "n{'2' c0 '1'}"},
    InsertCase{"beyondCountAppends", {{'t', -1}, {'c', 1}, {'c', 99}}, "n{'0' c1 c2}"},
    InsertCase{"middleOfSameKind", {{'t', -1}, {'t', -1}, {'t', 1}}, "n{'0' '2' '1'}"},
    InsertCase{"interleaved", {{'c', -1}, {'c', -1}, {'t', 1}, {'x', 0}, {'c', 2}, {'t', 0}},
               "n{'5' <!--3--> c0 c4 '2' c1}"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(XMLBuild, AddOperationsRefuseNullAndEmptyHandles)
{
    XMLNode n = XMLNode::createXMLTopNode("n");
    EXPECT_EQ(n.addAttribute_WOSD(nullptr, nullptr), &XMLNode::emptyXMLAttribute);
    EXPECT_EQ(n.addClear(nullptr, "<!--", "-->"), &XMLNode::emptyXMLClear);
    EXPECT_EQ(n.addText(nullptr), nullptr);
    EXPECT_TRUE(n.addChild(static_cast<const char *>(nullptr)).isEmpty());
    EXPECT_EQ(n.nElement(), 0);
    XMLNode none;
    EXPECT_TRUE(none.addChild("c").isEmpty());
    EXPECT_EQ(none.addText("t"), nullptr);
    EXPECT_EQ(none.addAttribute("a", "v"), &XMLNode::emptyXMLAttribute);
    EXPECT_EQ(none.addClear("v", "<!--", "-->"), &XMLNode::emptyXMLClear);
    EXPECT_EQ(none.addChild(n).inspectRecord(), n.inspectRecord()); // handed back unchanged
    EXPECT_EQ(refs(n), 1);
    EXPECT_TRUE(n.getParentNode().isEmpty());
}

TEST(XMLBuild, OwningVariantsAdoptTheirStrings)
{
    XMLNode n = XMLNode::createXMLTopNode_WOSD(strdup("n"));
    XMLNode c = n.addChild_WOSD(strdup("c"));
    EXPECT_EQ(refs(c), 2);
    XMLAttribute *a = n.addAttribute_WOSD(strdup("k"), nullptr);
    EXPECT_STREQ(a->lpszName, "k");
    EXPECT_EQ(a->lpszValue, nullptr);
    char *text = strdup("t");
    EXPECT_EQ(n.addText_WOSD(text), text);
    static const char open[] = "<!--", close[] = "-->";
    XMLClear *clear = n.addClear_WOSD(strdup("v"), open, close);
    EXPECT_EQ(clear->lpszOpenTag, open); // delimiters are stored, not copied
    EXPECT_EQ(xmlDump(n), "n(k){c 't' <!--v-->}");
}

TEST(XMLBuild, AddingAnExistingNodeMovesIt)
{
    XMLNode from = XMLNode::parseString("<from><m/><x/></from>");
    XMLNode to = XMLNode::parseString("<to><y/></to>");
    XMLNode m = from.getChildNode("m");
    XMLNode added = to.addChild(m, 0);
    EXPECT_EQ(added.inspectRecord(), m.inspectRecord());
    EXPECT_EQ(xmlDump(from), "from{x}");
    EXPECT_EQ(xmlDump(to), "to{m y}");
    EXPECT_EQ(m.getParentNode().inspectRecord(), to.inspectRecord());
    EXPECT_EQ(refs(m), 3); // the slot, m and added
    expectOrderInvariant(from);
    expectOrderInvariant(to);

    XMLNode loose = XMLNode::createXMLTopNode("loose");
    to.addChild(loose);
    EXPECT_EQ(refs(loose), 2);
    EXPECT_EQ(xmlDump(to), "to{m y loose}");
}

struct MoveCase {
    int child; // index of the child moved
    int pos;   // position as the order stands before the move
    const char *dump;
};

class XMLMoveWithinParent : public ::testing::TestWithParam<MoveCase> {};

TEST_P(XMLMoveWithinParent, PositionCountsTheOrderBeforeTheMove)
{
    XMLNode p = XMLNode::parseString("<p><a/><b/>t<c/></p>");
    p.addChild(p.getChildNode(GetParam().child), GetParam().pos);
    EXPECT_EQ(xmlDump(p), GetParam().dump);
    expectOrderInvariant(p);
}

INSTANTIATE_TEST_SUITE_P(Positions, XMLMoveWithinParent, ::testing::Values(
    MoveCase{0, -1, "p{b 't' c a}"}, MoveCase{0, 4, "p{b 't' c a}"}, MoveCase{0, 3, "p{b 't' a c}"},
    MoveCase{2, 0, "p{c a b 't'}"}, MoveCase{1, 1, "p{a b 't' c}"}, MoveCase{1, 2, "p{a b 't' c}"}));

TEST(XMLBuild, RefusesToMakeACycle)
{
    XMLNode root = XMLNode::parseString("<a><b><c/></b></a>");
    XMLNode c = root.getChildNode(0).getChildNode(0);
    EXPECT_TRUE(c.addChild(root).isEmpty());
    EXPECT_TRUE(root.addChild(root).isEmpty());
    EXPECT_EQ(xmlDump(root), "a{b{c}}");
    EXPECT_EQ(refs(root), 1);
}

// Capacities of a record's arrays, in elements.
struct Capacity {
    int child, text, attribute, order;
};

Capacity capacity(const XMLNode &n)
{
    const XMLNode::XMLNodeDataTag *d = n.inspectRecord();
    return {d->pChild ? d->nChildCapacity : 0, d->pText ? d->nTextCapacity : 0,
            d->pAttribute ? d->nAttributeCapacity : 0, d->pOrder ? d->nOrderCapacity : 0};
}

std::string repeat(const char *s, int n)
{
    std::string out;
    while (n-- > 0) out += s;
    return out;
}

TEST(XMLGrowth, ClosedElementsAreTrimmedAndLaterAdditionsAreExact)
{
    XMLNode a = XMLNode::parseString("<a x=\"1\"><b/><b/><b/></a>");
    EXPECT_EQ(capacity(a).child, 3);
    EXPECT_EQ(capacity(a).attribute, 1);
    EXPECT_EQ(capacity(a).order, 4); // the trim counts the attributes too
    a.addChild("b");
    EXPECT_EQ(capacity(a).child, 4);
    a.addText("t");
    EXPECT_EQ(capacity(a).text, 1);
    EXPECT_EQ(capacity(a).order, 5);
}

TEST(XMLGrowth, ElementsLeftOpenKeepTheirBlocks)
{
    struct Case {
        int children;
        int expectedChild, expectedOrder;
    } cases[] = {{1, 50, 150}, {49, 50, 150}, {50, 100, 150}, {99, 100, 150}, {100, 150, 150}, {150, 200, 300}};
    for (const Case &c : cases) {
        XMLResults results;
        XMLNode a = XMLNode::parseString(("<a>" + repeat("<b/>", c.children)).c_str(), nullptr, &results);
        EXPECT_EQ(results.error, eXMLErrorMissingEndTag);
        EXPECT_EQ(a.nChildNode(), c.children);
        EXPECT_EQ(capacity(a).child, c.expectedChild) << c.children << " children";
        EXPECT_EQ(capacity(a).order, c.expectedOrder) << c.children << " children";
        expectOrderInvariant(a);
    }
}

TEST(XMLGrowth, ElementClosedByAnotherEndTagKeepsItsBlocks)
{
    XMLNode a = XMLNode::parseString("<a><b><c/><c/></a>");
    EXPECT_EQ(capacity(a.getChildNode(0)).child, 2); // b reads the end tag (a mismatch) and is trimmed
    EXPECT_EQ(capacity(a).child, 50);                // a is closed by that end tag, read by b
}

} // namespace
