// Editing operations: updates, deletes, positions and the attribute search,
// with the ownership rules of the _WOSD forms.
#include "xmlParser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

std::string xml(const XMLNode &node)
{
    char *text = node.createXMLString(0);
    std::string result = text ? text : "(null)";
    free(text);
    return result;
}

char *heapCopy(const char *s) { return strcpy(static_cast<char *>(malloc(strlen(s) + 1)), s); }

// For each kind, the order entries name items 0, 1, 2, ... in turn, and there
// is one entry per item.
void expectOrderConsistent(const XMLNode &node)
{
    const XMLNode::XMLNodeDataTag *d = node.inspectRecord();
    const int n = d->nChild + d->nText + d->nClear;
    int next[4] = {0, 0, 0, 0};
    for (int i = 0; i < n; i++) {
        const int type = d->pOrder[i] & 3;
        ASSERT_NE(type, eNodeAttribute);
        EXPECT_EQ(d->pOrder[i] >> 2, next[type]++) << "order entry " << i;
    }
    EXPECT_EQ(next[eNodeChild], d->nChild);
    EXPECT_EQ(next[eNodeText], d->nText);
    EXPECT_EQ(next[eNodeClear], d->nClear);
}

// <a x="1" X="2" y="3" flag>: child c, text t1, comment k1, child d, text t2,
// child C, CDATA k2, at order positions 0 to 6.
XMLNode sample()
{
    XMLNode a = XMLNode::createXMLTopNode("a");
    a.addAttribute("x", "1");
    a.addAttribute("X", "2");
    a.addAttribute("y", "3");
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

const char kSample[] = "<a x=\"1\" X=\"2\" y=\"3\" flag><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></a>";

struct EditCase {
    const char *what;
    std::function<bool(XMLNode &)> edit; // true when the edit reported a stored item
    bool stored;
    std::string expected;
};

void runEditCases(const std::vector<EditCase> &cases)
{
    for (const EditCase &c : cases) {
        XMLNode a = sample();
        EXPECT_EQ(c.edit(a), c.stored) << c.what;
        EXPECT_EQ(xml(a), c.expected) << c.what;
        expectOrderConsistent(a);
    }
}

TEST(XMLEdit, UpdatesTexts)
{
    runEditCases({
        {"by index", [](XMLNode &a) { return a.updateText("n", 1) != nullptr; }, true,
         "<a x=\"1\" X=\"2\" y=\"3\" flag><c/>t1<!--k1--><d/>n<C/><![CDATA[k2]]></a>"},
        {"index past the end appends after the last item",
         [](XMLNode &a) { return a.updateText("n", 5) != nullptr; }, true,
         "<a x=\"1\" X=\"2\" y=\"3\" flag><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]>n</a>"},
        {"negative index appends too", [](XMLNode &a) { return a.updateText("n", -1) != nullptr; }, true,
         "<a x=\"1\" X=\"2\" y=\"3\" flag><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]>n</a>"},
        {"by stored pointer", [](XMLNode &a) { return a.updateText("n", a.getText(1)) != nullptr; }, true,
         "<a x=\"1\" X=\"2\" y=\"3\" flag><c/>t1<!--k1--><d/>n<C/><![CDATA[k2]]></a>"},
        {"null pointer names the first text",
         [](XMLNode &a) { return a.updateText("n", static_cast<const char *>(nullptr)) != nullptr; }, true,
         "<a x=\"1\" X=\"2\" y=\"3\" flag><c/>n<!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"equal contents under another pointer is not the stored text",
         [](XMLNode &a) { return a.updateText("n", "t2") != nullptr; }, true,
         "<a x=\"1\" X=\"2\" y=\"3\" flag><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]>n</a>"},
        {"a null text stores nothing", [](XMLNode &a) { return a.updateText(nullptr, 0) != nullptr; }, false,
         kSample},
    });
}

TEST(XMLEdit, UpdateTextFillsAndThenReplacesASettingsValue)
{
    XMLNode width = XMLNode::createXMLTopNode("ScreenWidth");
    EXPECT_STREQ(width.updateText("1024"), "1024");
    EXPECT_EQ(xml(width), "<ScreenWidth>1024</ScreenWidth>");
    width.updateText("800");
    EXPECT_EQ(xml(width), "<ScreenWidth>800</ScreenWidth>");
}

TEST(XMLEdit, UpdatesNamesAndAttributes)
{
    XMLAttribute q = {"q", "7"};
    runEditCases({
        {"name", [](XMLNode &a) { return a.updateName("b") != nullptr; }, true,
         "<b x=\"1\" X=\"2\" y=\"3\" flag><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></b>"},
        {"a null name is refused", [](XMLNode &a) { return a.updateName(nullptr) != nullptr; }, false, kSample},
        {"value by index", [](XMLNode &a) { return a.updateAttribute("9", nullptr, 2) != nullptr; }, true,
         "<a x=\"1\" X=\"2\" y=\"9\" flag><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"value and name by index", [](XMLNode &a) { return a.updateAttribute("9", "z", 0) != nullptr; }, true,
         "<a z=\"9\" X=\"2\" y=\"3\" flag><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"value taken away", [](XMLNode &a) { return a.updateAttribute(nullptr, nullptr, 0) != nullptr; }, true,
         "<a x X=\"2\" y=\"3\" flag><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"index past the end adds a named attribute",
         [](XMLNode &a) { return a.updateAttribute("9", "n", 7) != nullptr; }, true,
         "<a x=\"1\" X=\"2\" y=\"3\" flag n=\"9\"><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"index past the end without a name", [](XMLNode &a) { return a.updateAttribute("9", nullptr, 7) != nullptr; },
         false, kSample},
        {"negative index without a name", [](XMLNode &a) { return a.updateAttribute("9", nullptr, -1) != nullptr; },
         false, kSample},
        {"by name, first match, any case", [](XMLNode &a) { return a.updateAttribute("9", nullptr, "X") != nullptr; },
         true, "<a x=\"9\" X=\"2\" y=\"3\" flag><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"missing name adds the new name", [](XMLNode &a) { return a.updateAttribute("9", "n", "m") != nullptr; },
         true, "<a x=\"1\" X=\"2\" y=\"3\" flag n=\"9\"><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"missing name adds the old name", [](XMLNode &a) { return a.updateAttribute("9", nullptr, "m") != nullptr; },
         true, "<a x=\"1\" X=\"2\" y=\"3\" flag m=\"9\"><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"no names at all",
         [](XMLNode &a) { return a.updateAttribute("9", nullptr, static_cast<const char *>(nullptr)) != nullptr; },
         false, kSample},
        {"record form replaces by the old record's name",
         [&q](XMLNode &a) {
             XMLAttribute old = a.getAttribute(2);
             return a.updateAttribute(&q, &old) != nullptr;
         },
         true, "<a x=\"1\" X=\"2\" q=\"7\" flag><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"record form without an old record adds",
         [&q](XMLNode &a) { return a.updateAttribute(&q, nullptr) != nullptr; }, true,
         "<a x=\"1\" X=\"2\" y=\"3\" flag q=\"7\"><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
    });
}

TEST(XMLEdit, UpdatesClearSections)
{
    runEditCases({
        {"value by index keeps the delimiters", [](XMLNode &a) { return a.updateClear("n", 0) != nullptr; }, true,
         "<a x=\"1\" X=\"2\" y=\"3\" flag><c/>t1<!--n--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"index past the end adds a CDATA section", [](XMLNode &a) { return a.updateClear("n", 2) != nullptr; }, true,
         std::string(kSample, strlen(kSample) - 4) + "<![CDATA[n]]></a>"},
        {"by stored pointer",
         [](XMLNode &a) { return a.updateClear("n", a.getClear(1).lpszValue) != nullptr; }, true,
         "<a x=\"1\" X=\"2\" y=\"3\" flag><c/>t1<!--k1--><d/>t2<C/><![CDATA[n]]></a>"},
        {"equal contents under another pointer adds",
         [](XMLNode &a) { return a.updateClear("n", "k1") != nullptr; }, true,
         std::string(kSample, strlen(kSample) - 4) + "<![CDATA[n]]></a>"},
        {"record form",
         [](XMLNode &a) {
             XMLClear fresh = {"n", "<PRE>", "</PRE>"};
             XMLClear old = a.getClear(0);
             return a.updateClear(&fresh, &old) != nullptr;
         },
         true, "<a x=\"1\" X=\"2\" y=\"3\" flag><c/>t1<!--n--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"the record for no section names none, not the first",
         [](XMLNode &a) {
             XMLClear fresh = {"n", 0, 0};
             XMLClear none = a.getClear(9);
             return a.updateClear(&fresh, &none) != nullptr;
         },
         true, std::string(kSample, strlen(kSample) - 4) + "<![CDATA[n]]></a>"},
        {"record form without an old record",
         [](XMLNode &a) {
             XMLClear fresh = {"n", 0, 0};
             return a.updateClear(&fresh, nullptr) != nullptr;
         },
         false, kSample},
        {"a null value stores nothing", [](XMLNode &a) { return a.updateClear(nullptr, 0) != nullptr; }, false,
         kSample},
    });
}

TEST(XMLEdit, DeletesItemsAndRenumbersTheOrder)
{
    const auto done = [](std::function<void(XMLNode &)> f) {
        return [f](XMLNode &a) {
            f(a);
            return true;
        };
    };
    runEditCases({
        {"text by index", done([](XMLNode &a) { a.deleteText(0); }), true,
         "<a x=\"1\" X=\"2\" y=\"3\" flag><c/><!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"text by stored pointer", done([](XMLNode &a) { a.deleteText(a.getText(1)); }), true,
         "<a x=\"1\" X=\"2\" y=\"3\" flag><c/>t1<!--k1--><d/><C/><![CDATA[k2]]></a>"},
        {"text of equal contents is not the stored one", done([](XMLNode &a) { a.deleteText("t1"); }), true,
         kSample},
        {"null text pointer names the first", done([](XMLNode &a) { a.deleteText(static_cast<const char *>(0)); }),
         true, "<a x=\"1\" X=\"2\" y=\"3\" flag><c/><!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"text indexes out of range", done([](XMLNode &a) {
             a.deleteText(-1);
             a.deleteText(2);
         }),
         true, kSample},
        {"attribute by name: the first, any case", done([](XMLNode &a) { a.deleteAttribute("X"); }), true,
         "<a X=\"2\" y=\"3\" flag><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"attribute by index", done([](XMLNode &a) { a.deleteAttribute(3); }), true,
         "<a x=\"1\" X=\"2\" y=\"3\"><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"attribute by record", done([](XMLNode &a) {
             XMLAttribute y = {"Y", 0};
             a.deleteAttribute(&y);
             a.deleteAttribute(static_cast<XMLAttribute *>(nullptr));
         }),
         true, "<a x=\"1\" X=\"2\" flag><c/>t1<!--k1--><d/>t2<C/><![CDATA[k2]]></a>"},
        {"attribute indexes out of range", done([](XMLNode &a) {
             a.deleteAttribute(-1);
             a.deleteAttribute(4);
             a.deleteAttribute("missing");
         }),
         true, kSample},
        {"clear section by index", done([](XMLNode &a) { a.deleteClear(0); }), true,
         "<a x=\"1\" X=\"2\" y=\"3\" flag><c/>t1<d/>t2<C/><![CDATA[k2]]></a>"},
        {"clear section by stored pointer and by record", done([](XMLNode &a) {
             a.deleteClear(a.getClear(1).lpszValue);
             XMLClear first = a.getClear(0);
             a.deleteClear(&first);
         }),
         true, "<a x=\"1\" X=\"2\" y=\"3\" flag><c/>t1<d/>t2<C/></a>"},
        {"the record for no section deletes nothing", done([](XMLNode &a) {
             XMLClear none = a.getClear(5);
             a.deleteClear(&none);
             a.deleteClear(static_cast<XMLClear *>(nullptr));
             a.deleteClear("k1");
         }),
         true, kSample},
    });
}

TEST(XMLEdit, DeletingTheFirstTextMovesTheSecondIntoItsIndex)
{
    XMLNode a = XMLNode::createXMLTopNode("a");
    a.addChild("c1");
    a.addText("t1");
    a.addChild("c2");
    a.addText("t2");
    a.deleteText(0);
    EXPECT_STREQ(a.getText(0), "t2");
    EXPECT_EQ(a.positionOfText(0), 2);
    expectOrderConsistent(a);
}

TEST(XMLEdit, DeletingTheLastItemReleasesItsArrayAndAddingStillWorks)
{
    XMLNode a = XMLNode::createXMLTopNode("a");
    a.addText("t");
    a.addClear("k", "<!--", "-->");
    a.addAttribute("x", "1");
    a.deleteText(0);
    a.deleteClear(0);
    a.deleteAttribute(0);
    EXPECT_EQ(a.inspectRecord()->pText, nullptr);
    EXPECT_EQ(a.inspectRecord()->pClear, nullptr);
    EXPECT_EQ(a.inspectRecord()->pAttribute, nullptr);
    a.addText("u");
    a.updateClear("v", 0);
    a.updateAttribute("2", "y", 0);
    EXPECT_EQ(xml(a), "<a y=\"2\">u<![CDATA[v]]></a>");
}

// ----- ownership ----------------------------------------------------------------

TEST(XMLEditOwnership, HandingBackTheStoredStringFreesNothing)
{
    XMLNode a = XMLNode::createXMLTopNode("a");
    a.addAttribute("x", "1");
    a.addText("t");
    a.addClear("k", "<!--", "-->");
    EXPECT_EQ(a.updateName_WOSD(a.getName()), a.getName());
    EXPECT_EQ(a.updateText_WOSD(a.getText(0), 0), a.getText(0));
    EXPECT_NE(a.updateAttribute_WOSD(a.getAttributeValue(0), a.getAttributeName(0), 0), nullptr);
    XMLAttribute *stored = a.updateAttribute_WOSD(a.getAttributeValue(0), nullptr, 0);
    EXPECT_NE(a.updateAttribute_WOSD(stored, stored), nullptr);
    EXPECT_NE(a.updateClear_WOSD(a.getClear(0).lpszValue, 0), nullptr);
    XMLClear section = a.getClear(0);
    EXPECT_NE(a.updateClear_WOSD(&section, &section), nullptr);
    // Every string is still readable, and freed once when the tree goes.
    EXPECT_EQ(xml(a), "<a x=\"1\">t<!--k--></a>");
}

TEST(XMLEditOwnership, ReplacedStringsAreFreedAndNewOnesAdopted)
{
    XMLNode a = XMLNode::createXMLTopNode("a");
    a.addAttribute("x", "1");
    a.addText("t");
    a.addClear("k", "<!--", "-->");
    a.updateName_WOSD(heapCopy("b"));
    a.updateText_WOSD(heapCopy("u"), 0);
    a.updateText_WOSD(heapCopy("v"), 3);
    a.updateAttribute_WOSD(heapCopy("2"), heapCopy("y"), 0);
    a.updateAttribute_WOSD(heapCopy("3"), nullptr, "Y");
    a.updateAttribute_WOSD(heapCopy("4"), nullptr, "z");
    XMLAttribute added = {heapCopy("w"), heapCopy("5")};
    a.updateAttribute_WOSD(&added, nullptr);
    a.updateClear_WOSD(heapCopy("l"), 0);
    XMLClear fresh = {heapCopy("m"), 0, 0};
    XMLClear old = a.getClear(0);
    a.updateClear_WOSD(&fresh, &old);
    EXPECT_EQ(xml(a), "<b y=\"3\" z=\"4\" w=\"5\">u<!--m-->v</b>");
}

TEST(XMLEditOwnership, RefusedStringsStayTheCallers)
{
    XMLNode a = XMLNode::createXMLTopNode("a");
    XMLNode none;
    char *value = heapCopy("v");
    EXPECT_EQ(a.updateAttribute_WOSD(value, nullptr, 3), nullptr);
    EXPECT_EQ(none.updateText_WOSD(value, 0), nullptr);
    EXPECT_EQ(none.updateName_WOSD(value), nullptr);
    EXPECT_EQ(none.updateClear_WOSD(value, 0), nullptr);
    XMLClear fresh = {value, 0, 0};
    EXPECT_EQ(a.updateClear_WOSD(&fresh, nullptr), nullptr);
    free(value);
    EXPECT_EQ(xml(a), "<a/>");
}

TEST(XMLEditOwnership, DelimitersAreNeverFreed)
{
    // Delimiters on the stack: freeing one would be caught by AddressSanitizer.
    char open[] = "<!--", close[] = "-->";
    XMLNode a = XMLNode::createXMLTopNode("a");
    a.addClear("k", open, close);
    a.addClear("l", open, close);
    a.updateClear("n", 0);
    XMLClear fresh = {"m", "<PRE>", "</PRE>"};
    XMLClear old = a.getClear(0);
    a.updateClear(&fresh, &old);
    EXPECT_EQ(a.getClear(0).lpszOpenTag, open);
    a.deleteClear(0);
    a.deleteClear(a.getClear(0).lpszValue);
    EXPECT_EQ(xml(a), "<a/>");
}

// ----- locating -------------------------------------------------------------------

struct PositionCase {
    const char *what;
    std::function<int(const XMLNode &)> find;
    int expected;
};

TEST(XMLLocate, FindsOrderPositions)
{
    const XMLNode a = sample();
    XMLNode stranger = XMLNode::createXMLTopNode("c");
    const PositionCase cases[] = {
        {"text 0", [](const XMLNode &n) { return n.positionOfText(0); }, 1},
        {"text 1", [](const XMLNode &n) { return n.positionOfText(1); }, 4},
        {"text past the end is the last", [](const XMLNode &n) { return n.positionOfText(99); }, 4},
        {"negative text index", [](const XMLNode &n) { return n.positionOfText(-1); }, -1},
        {"text by stored pointer", [](const XMLNode &n) { return n.positionOfText(n.getText(1)); }, 4},
        {"text by another pointer", [](const XMLNode &n) { return n.positionOfText("t2"); }, -1},
        {"clear 0", [](const XMLNode &n) { return n.positionOfClear(0); }, 2},
        {"clear past the end", [](const XMLNode &n) { return n.positionOfClear(5); }, 6},
        {"clear by stored pointer", [](const XMLNode &n) { return n.positionOfClear(n.getClear(1).lpszValue); }, 6},
        {"clear by record", [](const XMLNode &n) {
             XMLClear k = n.getClear(1);
             return n.positionOfClear(&k);
         },
         6},
        {"null clear record is section 0", [](const XMLNode &n) { return n.positionOfClear((XMLClear *)0); }, 2},
        {"record for no section", [](const XMLNode &n) {
             XMLClear none = n.getClear(9);
             return n.positionOfClear(&none);
         },
         -1},
        {"child 1", [](const XMLNode &n) { return n.positionOfChildNode(1); }, 3},
        {"child past the end", [](const XMLNode &n) { return n.positionOfChildNode(9); }, 5},
        {"child by handle", [](const XMLNode &n) { return n.positionOfChildNode(n.getChildNode(2)); }, 5},
        {"child not of this node", [&stranger](const XMLNode &n) { return n.positionOfChildNode(stranger); }, -1},
        {"empty child handle", [](const XMLNode &n) { return n.positionOfChildNode(XMLNode()); }, -1},
        {"named child, rank 1, any case", [](const XMLNode &n) { return n.positionOfChildNode("c", 1); }, 5},
        {"named child, rank past the count", [](const XMLNode &n) { return n.positionOfChildNode("C", 2); }, -1},
        {"null name means the child index", [](const XMLNode &n) { return n.positionOfChildNode(nullptr, 1); }, 3},
        {"index of a stored text", [](const XMLNode &n) { return n.indexText(n.getText(1)); }, 1},
        {"index of the null text", [](const XMLNode &n) { return n.indexText(nullptr); }, 0},
        {"index of a stored section", [](const XMLNode &n) { return n.indexClear(n.getClear(1).lpszValue); }, 1},
    };
    for (const PositionCase &c : cases) EXPECT_EQ(c.find(a), c.expected) << c.what;

    const XMLNode bare = XMLNode::createXMLTopNode("bare");
    EXPECT_EQ(bare.positionOfText(99), -1);
    EXPECT_EQ(bare.positionOfClear(0), -1);
    EXPECT_EQ(bare.positionOfChildNode(0), -1);
    EXPECT_EQ(bare.indexText(nullptr), -1);
    EXPECT_EQ(bare.indexClear(nullptr), -1);
}

std::vector<std::string> idsFound(const XMLNode &parent, const char *name, const char *attribute, const char *value)
{
    std::vector<std::string> ids;
    int k = 0;
    for (XMLNode c = parent.getChildNodeWithAttribute(name, attribute, value, &k); !c.isEmpty();
         c = parent.getChildNodeWithAttribute(name, attribute, value, &k))
        ids.push_back(c.getAttribute("id"));
    return ids;
}

TEST(XMLLocate, SearchesChildrenByAttribute)
{
    XMLNode parent = XMLNode::createXMLTopNode("p");
    const std::vector<std::vector<const char *>> children = {
        {"row", "0", "a", "1"}, {"row", "1", "a", "2"},  {"cell", "2", "a", "1"},        {"ROW", "3", "b", "1"},
        {"row", "4", "A", "1"}, {"row", "5", "a", nullptr, "a", "1"}, {"row", "6", "a", "x", "a", "1"},
    };
    for (const auto &spec : children) {
        XMLNode c = parent.addChild(spec[0]);
        c.addAttribute("id", spec[1]);
        for (size_t i = 2; i + 1 < spec.size(); i += 2) c.addAttribute(spec[i], spec[i + 1]);
    }
    using Ids = std::vector<std::string>;
    EXPECT_EQ(idsFound(parent, "row", "a", nullptr), (Ids{"0", "1", "4", "5", "6"}));
    // A value-less attribute of that name ends the walk over the child's attributes.
    EXPECT_EQ(idsFound(parent, "row", "a", "1"), (Ids{"0", "4", "6"}));
    EXPECT_EQ(idsFound(parent, "row", "a", "X"), (Ids{"6"}));
    EXPECT_EQ(idsFound(parent, "Row", "b", nullptr), (Ids{"3"}));
    EXPECT_EQ(idsFound(parent, "row", "missing", nullptr), Ids{});

    int k = 5;
    EXPECT_STREQ(parent.getChildNodeWithAttribute("row", "a", "1", &k).getAttribute("id"), "6");
    EXPECT_EQ(k, 7);
    EXPECT_TRUE(parent.getChildNodeWithAttribute("row", "a", "1", &k).isEmpty());
    EXPECT_EQ(k, 7);
    EXPECT_STREQ(parent.getChildNodeWithAttribute("row", "a", "2").getAttribute("id"), "1");
}

TEST(XMLLocate, EmptyHandleChangesNothingAndFindsNothing)
{
    XMLNode none;
    XMLAttribute attribute = {"x", "1"};
    XMLClear section = {"k", 0, 0};
    EXPECT_EQ(none.updateName("a"), nullptr);
    EXPECT_EQ(none.updateText("t", 0), nullptr);
    EXPECT_EQ(none.updateText("t", "u"), nullptr);
    EXPECT_EQ(none.updateAttribute("1", "x", 0), nullptr);
    EXPECT_EQ(none.updateAttribute("1", "x", "y"), nullptr);
    EXPECT_EQ(none.updateAttribute(&attribute, &attribute), nullptr);
    EXPECT_EQ(none.updateClear("k", 0), nullptr);
    EXPECT_EQ(none.updateClear(&section, &section), nullptr);
    none.deleteAttribute(0);
    none.deleteAttribute("x");
    none.deleteText(0);
    none.deleteText("t");
    none.deleteClear(0);
    none.deleteClear(&section);
    EXPECT_EQ(none.indexText("t"), -1);
    EXPECT_EQ(none.indexClear(nullptr), -1);
    EXPECT_EQ(none.positionOfText(0), -1);
    EXPECT_EQ(none.positionOfClear(&section), -1);
    EXPECT_EQ(none.positionOfChildNode("c", 0), -1);
    EXPECT_TRUE(none.getChildNodeWithAttribute("c", "x").isEmpty());
    EXPECT_TRUE(none.isEmpty());
}

} // namespace
