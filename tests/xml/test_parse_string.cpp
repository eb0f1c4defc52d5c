// Parsing text: the tree built, the error or warning, and where it is reported.
#include <gtest/gtest.h>

#include <string>

#include "xml_dump.h"
#include "xmlParser.h"

namespace {

struct ParseCase {
    const char *input;
    const char *tag;
    XMLError error;
    int line, column; // -1: left as the caller set them
    const char *dump;
};

void PrintTo(const ParseCase &c, std::ostream *os) { *os << '"' << c.input << '"'; }

class ParseString : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseString, BuildsTreeAndReportsPosition)
{
    const ParseCase &c = GetParam();
    XMLResults results;
    results.nLine = results.nColumn = -1;
    XMLNode node = XMLNode::parseString(c.input, c.tag, &results);
    EXPECT_EQ(results.error, c.error) << XMLNode::getError(results.error);
    EXPECT_EQ(results.nLine, c.line);
    EXPECT_EQ(results.nColumn, c.column);
    EXPECT_EQ(xmlDump(node), c.dump);
}

const XMLError OK = eXMLErrorNone, WARN = eXMLErrorMissingEndTag;

INSTANTIATE_TEST_SUITE_P(Structure, ParseString, ::testing::Values(
    ParseCase{"<Settings></Settings>", "Settings", OK, -1, -1, "Settings"},
    ParseCase{"<?xml version=\"1.0\"?><Map><Width>10</Width></Map>", nullptr, OK, -1, -1,
              "?xml(version=1.0){Map{Width{'10'}}}"},
    ParseCase{"<?xml version=\"1.0\"?><Map><Width>10</Width></Map>", "Map", OK, -1, -1, "Map{Width{'10'}}"},
    ParseCase{"<?xml?><r/>", nullptr, OK, -1, -1, "?xml{r}"},
    ParseCase{"<?a?><?b?><c/>", nullptr, OK, -1, -1, "?a{?b{c}}"},
    ParseCase{"<x/><?d?><Map/>", "map", OK, -1, -1, "Map"},
    ParseCase{"<!-- c --><Map/>", "Map", OK, -1, -1, "Map"},
    ParseCase{"<!-- c --><Map/>", nullptr, OK, -1, -1, "#{<!-- c --> Map}"},
    ParseCase{"<a/><b/>", nullptr, OK, -1, -1, "#{a b}"},
    ParseCase{"", nullptr, OK, -1, -1, "#"},
    ParseCase{"", "Map", eXMLErrorFirstTagNotFound, 0, 0, "-"},
    ParseCase{"<x><Map/></x>", "Map", OK, -1, -1, "Map"},
    ParseCase{"<x><y><Map/></y></x>", "Map", eXMLErrorFirstTagNotFound, 0, 0, "-"},
    ParseCase{"<A></a>", nullptr, OK, -1, -1, "A"},
    ParseCase{"<a>t</a>tail", nullptr, OK, -1, -1, "a{'t'}"},
    ParseCase{"<a>  two\n words  </a>", nullptr, OK, -1, -1, "a{'two\n words'}"},
    ParseCase{"<a>x<b/>y<c>z</c></a>", nullptr, OK, -1, -1, "a{'x' b 'y' c{'z'}}"}));

INSTANTIATE_TEST_SUITE_P(Attributes, ParseString, ::testing::Values(
    ParseCase{"<a b=c d></a>", nullptr, OK, -1, -1, "a(b=c d)"},
    ParseCase{"<a x='1' y=\"2\" z=3/>", nullptr, OK, -1, -1, "a(x=1 y=2 z=3)"},
    ParseCase{"<a x=\"\"/>", nullptr, OK, -1, -1, "a(x=)"},
    ParseCase{"<a x=\"it's\" y='say \"hi\"'/>", nullptr, OK, -1, -1, "a(x=it's y=say \"hi\")"},
    ParseCase{"<a x=\"&lt;&#x41;\"/>", nullptr, OK, -1, -1, "a(x=<A)"},
    ParseCase{"<a x=\">\"/>", nullptr, OK, -1, -1, "a(x=>)"},
    ParseCase{"<a x=\"1 2/>", nullptr, OK, -1, -1, "a(x=\"1 2)"},
    ParseCase{"<a x=\"<\"/>", nullptr, eXMLErrorUnexpectedToken, 1, 8, "-"},
    ParseCase{"<a b==c/>", nullptr, eXMLErrorUnexpectedToken, 1, 7, "-"},
    ParseCase{"<a =b/>", nullptr, eXMLErrorUnexpectedToken, 1, 5, "-"},
    ParseCase{"<?xml version=1.0?><r/>", nullptr, OK, -1, -1, "?xml(version=1.0){r}"},
    ParseCase{"<?xml standalone?><r/>", nullptr, OK, -1, -1, "?xml(standalone){r}"},
    ParseCase{"<?xml a=\"1\" ?><r/>", nullptr, OK, -1, -1, "?xml(a=1){r}"}));

INSTANTIATE_TEST_SUITE_P(EndTags, ParseString, ::testing::Values(
    ParseCase{"<a><b></a>", nullptr, WARN, 1, 11, "a{b}"},
    ParseCase{"<a><b></c></a>", nullptr, eXMLErrorUnmatchedEndTag, 1, 11, "-"},
    ParseCase{"<a>", nullptr, WARN, 1, 4, "a"},
    ParseCase{"<a>\n  <b>\n</a>", nullptr, WARN, 3, 5, "a{b}"},
    ParseCase{"<a><b><c></a>x", nullptr, WARN, 1, 14, "a{b{c}}"},
    ParseCase{"</x><a/>", nullptr, WARN, 1, 5, "#"},
    ParseCase{"<?xml?><a>", nullptr, WARN, 1, 11, "?xml{a}"},
    ParseCase{"<a>text", nullptr, WARN, 1, 8, "a"},
    ParseCase{"<a><b></a><c>&x;</c>", nullptr, eXMLErrorUnknownEscapeSequence, 1, 19, "-"},
    ParseCase{"<a></>", nullptr, eXMLErrorMissingEndTagName, 1, 7, "-"},
    ParseCase{"<a></a", nullptr, eXMLErrorMissingEndTagName, 1, 7, "-"},
    ParseCase{"<a></a b>", nullptr, eXMLErrorMissingEndTagName, 1, 9, "-"},
    ParseCase{"<a><>", nullptr, eXMLErrorMissingTagName, 1, 6, "-"},
    ParseCase{"<a><", nullptr, eXMLErrorMissingTagName, 1, 5, "-"}));

INSTANTIATE_TEST_SUITE_P(Entities, ParseString, ::testing::Values(
    ParseCase{"<a>x &amp; &#65;&#x42; &LT;</a>", nullptr, OK, -1, -1, "a{'x & AB <'}"},
    ParseCase{"<a>&quot;&apos;&gt;&#X43;</a>", nullptr, OK, -1, -1, "a{'\"'>C'}"},
    ParseCase{"<a>&#233;&#x4E2D;&#x1F600;</a>", nullptr, OK, -1, -1, "a{'\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80'}"},
    ParseCase{"<a>&foo;</a>", nullptr, eXMLErrorUnknownEscapeSequence, 1, 11, "-"},
    ParseCase{"<a>&#12a;</a>", nullptr, eXMLErrorUnknownEscapeSequence, 1, 12, "-"},
    ParseCase{"<a>&amp</a>", nullptr, eXMLErrorUnknownEscapeSequence, 1, 10, "-"},
    ParseCase{"<a>&#65</a>", nullptr, eXMLErrorUnknownEscapeSequence, 1, 10, "-"},
    ParseCase{"<a>&#;</a>", nullptr, eXMLErrorUnknownEscapeSequence, 1, 9, "-"},
    ParseCase{"<a>&#0;</a>", nullptr, eXMLErrorUnknownEscapeSequence, 1, 10, "-"},
    ParseCase{"<a>&#xD800;</a>", nullptr, eXMLErrorUnknownEscapeSequence, 1, 14, "-"},
    ParseCase{"<a>&#x110000;</a>", nullptr, eXMLErrorUnknownEscapeSequence, 1, 16, "-"},
    ParseCase{"<a>&#99999999999999999999;</a>", nullptr, eXMLErrorUnknownEscapeSequence, 1, 29, "-"},
    ParseCase{"<a>&</a>", nullptr, eXMLErrorUnknownEscapeSequence, 1, 7, "-"},
    ParseCase{"<a>it's \"so\"</a>", nullptr, OK, -1, -1, "a{'it's \"so\"'}"}));

INSTANTIATE_TEST_SUITE_P(ClearSections, ParseString, ::testing::Values(
    ParseCase{"<a><!-- c --> t</a>", nullptr, OK, -1, -1, "a{<!-- c --> 't'}"},
    ParseCase{"<a>x&amp;y <!--c--></a>", nullptr, OK, -1, -1, "a{'x&y' <!--c-->}"},
    ParseCase{"<a><![CDATA[]]></a>", nullptr, OK, -1, -1, "a{<![CDATA[]]>}"},
    ParseCase{"<a><![cdata[<b>&x;]]></a>", nullptr, OK, -1, -1, "a{<![CDATA[<b>&x;]]>}"},
    ParseCase{"<a><pre>x</PRE></a>", nullptr, OK, -1, -1, "a{<PRE>x</PRE>}"},
    ParseCase{"<a><pre>x</pre></a>", nullptr, eXMLErrorUnmatchedEndClearTag, 1, 9, "-"},
    ParseCase{"<a><!-- never closed</a>", nullptr, eXMLErrorUnmatchedEndClearTag, 1, 8, "-"},
    ParseCase{"<!DOCTYPE r><r/>", nullptr, OK, -1, -1, "#{<!DOCTYPE r> r}"},
    ParseCase{"<a <!--c-->/>", nullptr, eXMLErrorUnexpectedToken, 1, 8, "-"}));

TEST(ParseStringResult, TaggedElementIsCutLooseFromTheRestOfTheDocument)
{
    XMLNode map = XMLNode::parseString("<?xml version=\"1.0\"?><Map><Width>10</Width></Map>", "Map");
    EXPECT_TRUE(map.getParentNode().isEmpty());
    EXPECT_EQ(map.inspectRecord()->ref_count, 1);
    EXPECT_EQ(map.getChildNode("Width").getParentNode().getName(), std::string("Map"));
}

TEST(ParseStringResult, NullTextReportsNoElements)
{
    XMLResults results;
    results.nLine = results.nColumn = 7;
    EXPECT_TRUE(XMLNode::parseString(nullptr, nullptr, &results).isEmpty());
    EXPECT_EQ(results.error, eXMLErrorNoElements);
    EXPECT_EQ(results.nLine, 0);
    EXPECT_TRUE(XMLNode::parseString(nullptr).isEmpty()); // no results record: nothing written
}

TEST(ParseStringResult, ErrorMessages)
{
    EXPECT_STREQ(XMLNode::getError(eXMLErrorNone), "No error");
    EXPECT_STREQ(XMLNode::getError(eXMLErrorMissingEndTag), "Warning: Unmatched end tag");
    EXPECT_STREQ(XMLNode::getError(eXMLErrorBase64DecodeBufferTooSmall), "Error: Base64 decode output buffer is too small");
    EXPECT_STREQ(XMLNode::getError(static_cast<XMLError>(99)), "Unknown");
    for (int e = eXMLErrorNone; e <= eXMLErrorNestingTooDeep; e++)
        EXPECT_STRNE(XMLNode::getError(static_cast<XMLError>(e)), "Unknown") << e;
}

std::string nested(int depth, const char *inner = "")
{
    std::string s;
    for (int i = 0; i < depth; i++) s += "<e>";
    s += inner;
    for (int i = 0; i < depth; i++) s += "</e>";
    return s;
}

TEST(ParseStringNesting, AcceptsTheLimitAndRejectsDeeper)
{
    XMLResults results;
    XMLNode deepest = XMLNode::parseString(nested(XML_MAX_NESTING, "x").c_str(), nullptr, &results);
    EXPECT_EQ(results.error, eXMLErrorNone);
    for (int i = 1; i < XML_MAX_NESTING; i++) deepest = deepest.getChildNode(0);
    EXPECT_STREQ(deepest.getText(), "x");

    const std::string tooDeep = nested(XML_MAX_NESTING + 1);
    EXPECT_TRUE(XMLNode::parseString(tooDeep.c_str(), nullptr, &results).isEmpty());
    EXPECT_EQ(results.error, eXMLErrorNestingTooDeep);
    EXPECT_EQ(results.nColumn, 3 * XML_MAX_NESTING + 3); // just after the name of the first element too deep
}

TEST(ParseStringNesting, RunawayInputIsAnErrorNotACrash)
{
    std::string open;
    for (int i = 0; i < 200000; i++) open += "<a>";
    XMLResults results;
    EXPECT_TRUE(XMLNode::parseString(open.c_str(), nullptr, &results).isEmpty());
    EXPECT_EQ(results.error, eXMLErrorNestingTooDeep);
    std::string declarations;
    for (int i = 0; i < 5000; i++) declarations += "<?p?>";
    EXPECT_TRUE(XMLNode::parseString(declarations.c_str(), nullptr, &results).isEmpty());
    EXPECT_EQ(results.error, eXMLErrorNestingTooDeep);
}

} // namespace
