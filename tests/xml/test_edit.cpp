// Editing operations: updates, deletes, positions and the attribute search,
// with the ownership rules of the _WOSD forms.
#include "xmlParser.h"
#include "xml_dump.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

// Each kind's order entries name its items 0, 1, 2, ... once each.
void expectOrderConsistent(const XMLNode &node)
{
    const XMLNode::XMLNodeDataTag *d = node.inspectRecord();
    int next[4] = {0, 0, 0, 0};
    for (int i = 0; i < d->nChild + d->nText + d->nClear; i++) {
        const int type = d->pOrder[i] & 3;
        ASSERT_NE(type, eNodeAttribute);
        EXPECT_EQ(d->pOrder[i] >> 2, next[type]++) << "order entry " << i;
    }
    EXPECT_EQ(next[eNodeChild], d->nChild);
    EXPECT_EQ(next[eNodeText], d->nText);
    EXPECT_EQ(next[eNodeClear], d->nClear);
}

// Content at order positions 0 to 6: c, t1, k1, d, t2, C, k2.
const char kSample[] = "a(x=1 X=2 flag){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]>}";
XMLNode sample()
{
    XMLNode a = XMLNode::createXMLTopNode("a");
    a.addAttribute("x", "1");
    a.addAttribute("X", "2");
    a.addAttribute("flag", nullptr);
    a.addChild("c");
    a.addText("t1");
    a.addClear("k1", "<!--", "-->");
    a.addChild("d");
    a.addText("t2");
    a.addChild("C");
    a.addClear("k2", "<![CDATA[", "]]>");
    return a;
}

struct EditCase {
    std::function<bool(XMLNode &)> edit; // true when the edit returned a stored item
    bool stored;
    const char *dump;
};

TEST(XMLEdit, UpdatesAndDeletes)
{
    XMLAttribute q = {"q", "7"};
    XMLClear fresh = {"n", "<PRE>", "</PRE>"};
    const EditCase cases[] = {
        // texts
        {[](XMLNode &a) { return a.updateText("n", 1); }, true, "a(x=1 X=2 flag){c 't1' <!--k1--> d 'n' C <![CDATA[k2]]>}"},
        {[](XMLNode &a) { return a.updateText("n", 5); }, true,
         "a(x=1 X=2 flag){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]> 'n'}"},
        {[](XMLNode &a) { return a.updateText("n", a.getText(1)); }, true,
         "a(x=1 X=2 flag){c 't1' <!--k1--> d 'n' C <![CDATA[k2]]>}"},
        {[](XMLNode &a) { return a.updateText("n", "t2"); }, true, // equal contents, another pointer
         "a(x=1 X=2 flag){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]> 'n'}"},
        {[](XMLNode &a) { return a.updateText(nullptr, 0); }, false, kSample},
        // names and attributes
        {[](XMLNode &a) { return a.updateName("b"); }, true, "b(x=1 X=2 flag){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]>}"},
        {[](XMLNode &a) { return a.updateName(nullptr); }, false, kSample},
        {[](XMLNode &a) { return a.updateAttribute("9", "z", 0); }, true,
         "a(z=9 X=2 flag){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]>}"},
        {[](XMLNode &a) { return a.updateAttribute("9", "n", 7); }, true,
         "a(x=1 X=2 flag n=9){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]>}"},
        {[](XMLNode &a) { return a.updateAttribute("9", nullptr, 7); }, false, kSample},
        {[](XMLNode &a) { return a.updateAttribute("9", nullptr, "X"); }, true,
         "a(x=9 X=2 flag){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]>}"},
        {[](XMLNode &a) { return a.updateAttribute("9", nullptr, "m"); }, true,
         "a(x=1 X=2 flag m=9){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]>}"},
        {[&q](XMLNode &a) {
             XMLAttribute old = a.getAttribute(2);
             return a.updateAttribute(&q, &old);
         },
         true, "a(x=1 X=2 q=7){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]>}"},
        // clear sections
        {[](XMLNode &a) { return a.updateClear("n", 0); }, true, "a(x=1 X=2 flag){c 't1' <!--n--> d 't2' C <![CDATA[k2]]>}"},
        {[](XMLNode &a) { return a.updateClear("n", 2); }, true,
         "a(x=1 X=2 flag){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]> <![CDATA[n]]>}"},
        {[&fresh](XMLNode &a) {
             XMLClear none = a.getClear(9); // names no section, not the first one
             return a.updateClear(&fresh, &none);
         },
         true, "a(x=1 X=2 flag){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]> <![CDATA[n]]>}"},
        {[](XMLNode &a) { return a.updateClear(nullptr, 0); }, false, kSample},
        // deletes
        {[](XMLNode &a) { return a.deleteText(0), true; }, true, "a(x=1 X=2 flag){c <!--k1--> d 't2' C <![CDATA[k2]]>}"},
        {[](XMLNode &a) { return a.deleteText("t1"), a.deleteText(-1), a.deleteText(2), true; }, true, kSample},
        {[](XMLNode &a) { return a.deleteAttribute("X"), true; }, true,
         "a(X=2 flag){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]>}"},
        {[](XMLNode &a) {
             XMLClear first = a.getClear(0);
             return a.deleteClear(a.getClear(1).lpszValue), a.deleteClear(&first), true;
         },
         true, "a(x=1 X=2 flag){c 't1' d 't2' C}"},
        {[](XMLNode &a) {
             XMLClear none = a.getClear(5);
             return a.deleteClear(&none), a.deleteClear("k1"), a.deleteAttribute(3), true;
         },
         true, kSample},
    };
    for (const EditCase &c : cases) {
        XMLNode a = sample();
        EXPECT_EQ(c.edit(a), c.stored) << c.dump;
        EXPECT_EQ(xmlDump(a), c.dump);
        expectOrderConsistent(a);
    }
}

TEST(XMLEdit, DeletingTheLastItemReleasesItsArrayAndAddingStillWorks)
{
    XMLNode a = XMLNode::createXMLTopNode("a");
    a.addText("t");
    a.addClear("k", "<!--", "-->");
    a.deleteText(0);
    a.deleteClear(0);
    EXPECT_EQ(a.inspectRecord()->pText, nullptr);
    EXPECT_EQ(a.inspectRecord()->pClear, nullptr);
    a.updateText("u");
    a.updateClear("v");
    EXPECT_EQ(xmlDump(a), "a{'u' <![CDATA[v]]>}");
}

// AddressSanitizer reports a string freed twice or freed while stored, and
// LeakSanitizer one never freed.
TEST(XMLEditOwnership, FreesWhatItReplacesOnceAndNeverWhatItWasHandedBack)
{
    char open[] = "<!--", close[] = "-->"; // on the stack: freeing one is caught
    XMLNode a = XMLNode::createXMLTopNode("a");
    a.addAttribute("x", "1");
    a.addText("t");
    a.addClear("k", open, close);
    a.updateName_WOSD(a.getName());
    a.updateText_WOSD(a.getText(0), 0);
    XMLAttribute *stored = a.updateAttribute_WOSD(a.getAttributeValue(0), a.getAttributeName(0), 0);
    a.updateAttribute_WOSD(stored, stored);
    XMLClear section = a.getClear(0);
    a.updateClear_WOSD(&section, &section);
    EXPECT_EQ(xmlDump(a), "a(x=1){'t' <!--k-->}");

    a.updateName_WOSD(strdup("b"));
    a.updateText_WOSD(strdup("u"), 0);
    a.updateAttribute_WOSD(strdup("2"), strdup("y"), 0);
    a.updateAttribute_WOSD(strdup("3"), nullptr, "z");
    XMLAttribute added = {strdup("w"), strdup("5")};
    a.updateAttribute_WOSD(&added, nullptr);
    XMLClear replacement = {strdup("m"), 0, 0};
    a.updateClear_WOSD(&replacement, &section);
    EXPECT_EQ(a.getClear(0).lpszOpenTag, open);
    EXPECT_EQ(xmlDump(a), "b(y=2 z=3 w=5){'u' <!--m-->}");

    // What a _WOSD member refuses (a null result) stays the caller's.
    char *refused = strdup("v");
    EXPECT_EQ(a.updateAttribute_WOSD(refused, nullptr, 9), nullptr);
    EXPECT_EQ(XMLNode().updateText_WOSD(refused, 0), nullptr);
    free(refused);
    a.deleteClear(0);
}

TEST(XMLLocate, FindsOrderPositions)
{
    const XMLNode a = sample();
    XMLClear k2 = a.getClear(1), none = a.getClear(9);
    const std::initializer_list<std::pair<int, int>> cases = {
        {a.positionOfText(1), 4},        {a.positionOfText(99), 4},          {a.positionOfText(-1), -1},
        {a.positionOfText(a.getText(1)), 4}, {a.positionOfText("t2"), -1},     {a.positionOfClear(5), 6},
        {a.positionOfClear(&k2), 6},     {a.positionOfClear((XMLClear *)0), 2}, {a.positionOfClear(&none), -1},
        {a.positionOfChildNode(9), 5},   {a.positionOfChildNode(a.getChildNode(1)), 3},
        {a.positionOfChildNode(XMLNode::createXMLTopNode("c")), -1},         {a.positionOfChildNode("c", 1), 5},
        {a.positionOfChildNode("C", 2), -1}, {a.positionOfChildNode(nullptr, 1), 3},
        {a.indexText(nullptr), 0},       {XMLNode::createXMLTopNode("b").positionOfText(0), -1},
        {XMLNode().positionOfChildNode(0), -1},
    };
    int i = 0;
    for (const auto &c : cases) EXPECT_EQ(c.first, c.second) << "case " << i++;
}

TEST(XMLLocate, SearchesChildrenByAttribute)
{
    XMLNode parent = XMLNode::createXMLTopNode("p");
    const std::vector<std::vector<const char *>> children = {
        {"row", "a", "1"}, {"row", "a", "2"}, {"cell", "a", "1"}, {"ROW", "b", "1"},
        {"row", "A", "1"}, {"row", "a", nullptr, "a", "1"},       {"row", "a", "x", "a", "1"},
    };
    for (const auto &spec : children) {
        XMLNode c = parent.addChild(spec[0]);
        for (size_t i = 1; i + 1 < spec.size(); i += 2) c.addAttribute(spec[i], spec[i + 1]);
    }
    const auto found = [&parent](const char *name, const char *attribute, const char *value) {
        std::vector<int> positions;
        int k = 0;
        for (XMLNode c; !(c = parent.getChildNodeWithAttribute(name, attribute, value, &k)).isEmpty();)
            positions.push_back(parent.positionOfChildNode(c));
        EXPECT_EQ(k, positions.empty() ? 0 : positions.back() + 1);
        return positions;
    };
    EXPECT_EQ(found("row", "a", nullptr), (std::vector<int>{0, 1, 4, 5, 6}));
    // An attribute of that name without a value ends the walk over the child's attributes.
    EXPECT_EQ(found("row", "a", "1"), (std::vector<int>{0, 4, 6}));
    EXPECT_EQ(found("Row", "a", "X"), (std::vector<int>{6}));
    EXPECT_EQ(found("row", "missing", nullptr), std::vector<int>{});
    EXPECT_EQ(parent.positionOfChildNode(parent.getChildNodeWithAttribute("row", "a", "2")), 1);
}

} // namespace
