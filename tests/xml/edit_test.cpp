// Editing operations: updates, deletes, positions and the attribute search; ownership in the _WOSD forms.
#include <cstring>
#include <functional>
#include <vector>

#include "xml_helpers.h"

namespace {

// Content at order positions 0 to 6: c, t1, k1, d, t2, C, k2.
const char kSample[] = "a(x=1 X=2 flag){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]>}";
XMLNode sample()
{
    XMLNode a = XMLNode::parseString("<a x=\"1\" X=\"2\" flag><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></a>");
    EXPECT_EQ(xmlDump(a), kSample);
    return a;
}

// Each row: edits applied in turn, whether each returned a stored item, the tree after.
TEST(XMLEdit, UpdatesAndDeletes)
{
    XMLAttribute q = {"q", "7"};
    XMLClear fresh = {"n", "<PRE>", "</PRE>"};
    const std::tuple<std::function<bool(XMLNode &)>, bool, const char *> cases[] = {
        {[](XMLNode &a) { return a.updateText("n", 1) && a.updateText("m", a.getText(0)); }, true,
         "a(x=1 X=2 flag){c 'm' <!--k1--> d 'n' C <![CDATA[k2]]>}"},
        {[](XMLNode &a) { return a.updateText("n", 5) && a.updateText("o", "t2"); }, true, // "t2" at another address: appended
         "a(x=1 X=2 flag){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]> 'n' 'o'}"},
        {[](XMLNode &a) { return a.updateText(nullptr, 0) || a.updateName(nullptr) || a.updateAttribute("9", nullptr, 7) ||
                                  a.updateClear(nullptr, 0); }, false, kSample},
        {[](XMLNode &a) { return a.updateName("b") && a.updateAttribute("9", nullptr, "X") && a.updateAttribute("8", "z", 1); },
         true, "b(x=9 z=8 flag){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]>}"},
        {[](XMLNode &a) { return a.updateAttribute("9", "n", 7) && a.updateAttribute("8", nullptr, "m"); }, true,
         "a(x=1 X=2 flag n=9 m=8){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]>}"},
        {[&q](XMLNode &a) { XMLAttribute old = a.getAttribute(2); return a.updateAttribute(&q, &old); }, true,
         "a(x=1 X=2 q=7){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]>}"},
        {[](XMLNode &a) { return a.updateClear("n", 0) && a.updateClear("m", 2); }, true,
         "a(x=1 X=2 flag){c 't1' <!--n--> d 't2' C <![CDATA[k2]]> <![CDATA[m]]>}"},
        {[&fresh](XMLNode &a) { XMLClear none = a.getClear(9); return a.updateClear(&fresh, &none); }, true,
         "a(x=1 X=2 flag){c 't1' <!--k1--> d 't2' C <![CDATA[k2]]> <![CDATA[n]]>}"}, // not the first section
        {[](XMLNode &a) { return a.deleteText(0), a.deleteAttribute("X"), true; }, true,
         "a(X=2 flag){c <!--k1--> d 't2' C <![CDATA[k2]]>}"},
        {[](XMLNode &a) { XMLClear first = a.getClear(0);
             return a.deleteClear(a.getClear(1).lpszValue), a.deleteClear(&first), true; }, true,
         "a(x=1 X=2 flag){c 't1' d 't2' C}"},
        {[](XMLNode &a) { XMLClear none = a.getClear(5); // deletes that find nothing
             return a.deleteText("t1"), a.deleteText(-1), a.deleteText(2), a.deleteClear(&none), a.deleteClear("k1"),
                    a.deleteAttribute(3), true; }, true, kSample},
    };
    for (const auto &[edit, stored, dump] : cases) {
        XMLNode a = sample();
        EXPECT_EQ(edit(a), stored) << dump;
        EXPECT_EQ(xmlDump(a), dump);
    }
    XMLNode a = sample(); // emptied arrays take items again
    a.deleteText(0), a.deleteText(0), a.deleteClear(0), a.deleteClear(0);
    a.updateText("u"), a.updateClear("v");
    EXPECT_EQ(xmlDump(a), "a(x=1 X=2 flag){c d C 'u' <![CDATA[v]]>}");
}

// ASan catches a string freed twice or while stored, LSan one never freed. The plain forms
// go through the _WOSD ones, so the edit table covers replacing with fresh strings.
TEST(XMLEditOwnership, FreesWhatItReplacesOnceAndNeverWhatItWasHandedBack)
{
    char open[] = "<!--", close[] = "-->"; // on the stack: freeing one is caught
    XMLNode a = XMLNode::createXMLTopNode_WOSD(strdup("a"));
    a.addAttribute_WOSD(strdup("x"), strdup("1")), a.addText_WOSD(strdup("t"));
    a.addClear_WOSD(strdup("k"), open, close);
    a.updateName_WOSD(a.getName()), a.updateText_WOSD(a.getText(0), 0); // handed back what it holds
    XMLAttribute *stored = a.updateAttribute_WOSD(a.getAttributeValue(0), a.getAttributeName(0), 0);
    a.updateAttribute_WOSD(stored, stored);
    XMLClear section = a.getClear(0);
    a.updateClear_WOSD(&section, &section);
    EXPECT_EQ(xmlDump(a), "a(x=1){'t' <!--k-->}");
    XMLClear replacement = {strdup("m"), 0, 0}; // no tags: the old ones stay
    a.updateClear_WOSD(&replacement, &section);
    EXPECT_EQ(a.getClear(0).lpszOpenTag, open);
    EXPECT_EQ(xmlDump(a), "a(x=1){'t' <!--m-->}");

    // What a _WOSD member refuses (a null result) stays the caller's.
    char *refused = strdup("v");
    EXPECT_EQ(a.updateAttribute_WOSD(refused, nullptr, 9), nullptr);
    EXPECT_EQ(XMLNode().updateText_WOSD(refused, 0), nullptr);
    free(refused);
    a.deleteClear(0);
}

TEST(XMLLocate, FindsOrderPositionsAndChildrenByAttribute)
{
    const XMLNode a = sample();
    XMLClear k2 = a.getClear(1), none = a.getClear(9);
    const std::pair<int, int> cases[] = {
        {a.positionOfText(1), 4}, {a.positionOfText(99), 4}, {a.positionOfText(-1), -1}, {a.positionOfText("t2"), -1},
        {a.positionOfClear(&k2), 6}, {a.positionOfClear(&none), -1}, {a.positionOfChildNode(a.getChildNode(1)), 3},
        {a.positionOfChildNode(XMLNode::createXMLTopNode("c")), -1}, {a.positionOfChildNode("c", 1), 5},
        {a.positionOfChildNode("C", 2), -1}, {XMLNode().positionOfChildNode(0), -1},
    };
    for (size_t i = 0; i < std::size(cases); i++) EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;

    XMLNode parent = XMLNode::parseString("<p><row a=\"1\"/><row a=\"2\"/><cell a=\"1\"/><ROW b=\"1\"/><row A=\"1\"/>"
                                          "<row a a=\"1\"/><row a=\"x\" a=\"1\"/></p>");
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
}

} // namespace
