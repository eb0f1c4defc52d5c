// Parsing text: the tree built, the error or warning, where it is reported, and its message.
#include <set>

#include "xml_helpers.h"

namespace {

const XMLError OK = eXMLErrorNone, WARN = eXMLErrorMissingEndTag, TOKEN = eXMLErrorUnexpectedToken,
               ESCAPE = eXMLErrorUnknownEscapeSequence, NOTAG = eXMLErrorFirstTagNotFound,
               UNCLOSED = eXMLErrorUnmatchedEndClearTag, NOENDNAME = eXMLErrorMissingEndTagName;

TEST(ParseString, BuildsTreeAndReportsPosition)
{
    // text, tag searched for, error, line and column (-1: left as the caller set them), tree
    const std::tuple<const char *, const char *, XMLError, int, int, const char *> cases[] = {
        // declarations, wrappers and the tag search
        {"<?xml version=\"1.0\"?><Map><Width>10</Width></Map>", nullptr, OK, -1, -1, "?xml(version=1.0){Map{Width{'10'}}}"},
        {"<?xml version=\"1.0\"?><Map><Width>10</Width></Map>", "Map", OK, -1, -1, "Map{Width{'10'}}"},
        {"<?a?><?b?><c/>", nullptr, OK, -1, -1, "?a{?b{c}}"}, {"<x/><?d?><Map/>", "map", OK, -1, -1, "Map"},
        {"<!-- c --><Map/>", nullptr, OK, -1, -1, "#{<!-- c --> Map}"}, {"", nullptr, OK, -1, -1, "#"},
        {"", "Map", NOTAG, 0, 0, "-"}, {"<x><Map/></x>", "Map", OK, -1, -1, "Map"},
        {"<x><y><Map/></y></x>", "Map", NOTAG, 0, 0, "-"}, {"<A></a>tail", nullptr, OK, -1, -1, "A"},
        {"<a>  two\n words  </a>", nullptr, OK, -1, -1, "a{'two\n words'}"},
        // attributes, with and without values or quotes
        {"<a b=c d x='1' y=\"\" z=\"it's\"></a>", nullptr, OK, -1, -1, "a(b=c d x=1 y= z=it's)"},
        {"<a x=\"&lt;&#x41;>\"/>", nullptr, OK, -1, -1, "a(x=<A>)"},
        {"<a x=\"1 2/>", nullptr, OK, -1, -1, "a(x=\"1 2)"}, // unterminated quote: read as an unquoted value
        {"<a x=\"<\"/>", nullptr, TOKEN, 1, 8, "-"}, {"<a b==c/>", nullptr, TOKEN, 1, 7, "-"},
        {"<?xml version=1.0 standalone ?><r/>", nullptr, OK, -1, -1, "?xml(version=1.0 standalone){r}"},
        // end tags; an error after a warning wins
        {"<a>\n  <b>\n</a>", nullptr, WARN, 3, 5, "a{b}"}, {"</x><a/>", nullptr, WARN, 1, 5, "#"},
        {"<a>text", nullptr, WARN, 1, 8, "a"}, {"<a><b></c></a>", nullptr, eXMLErrorUnmatchedEndTag, 1, 11, "-"},
        {"<a><b></a><c>&x;</c>", nullptr, ESCAPE, 1, 19, "-"}, {"<a></>", nullptr, NOENDNAME, 1, 7, "-"},
        {"<a></></a>", nullptr, NOENDNAME, 1, 7, "-"}, // the error ends the parse: nothing after it is read
        {"<a><", nullptr, eXMLErrorMissingTagName, 1, 5, "-"},
        // names whose end tag reads otherwise than the start tag: "a/" then "/>", a quote, a cut lead byte
        {"<a/ ></a/>", nullptr, NOENDNAME, 1, 11, "-"}, {"<\"a></\"a>\"", nullptr, NOENDNAME, 1, 11, "-"},
        {"<?ab\xC3?>x</ab\xC3>><c/>", nullptr, OK, -1, -1, "#{?ab\xC3{'x'} c}"},
        {"<a x = \"1\" y='&amp;'z=\"2\"/>", nullptr, OK, -1, -1, "a(x=1 y=& z=2)"},
        {"<a x=\"1\" y=\"&z;\"/>", nullptr, ESCAPE, 1, 17, "-"},
        // entities and numeric references; a lead byte at the very end is not read past the terminator
        {"<a>x &amp; &#65;&#x42; &LT;&quot;&apos;&gt;&#X43;</a>", nullptr, OK, -1, -1, "a{'x & AB <\"'>C'}"},
        {"<a>&#233;&#x4E2D;&#x1F600;</a>", nullptr, OK, -1, -1, "a{'\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80'}"},
        {"<a>&#12a;</a>", nullptr, ESCAPE, 1, 12, "-"}, {"<a>&amp</a>", nullptr, ESCAPE, 1, 10, "-"},
        {"<a>&#0;</a>", nullptr, ESCAPE, 1, 10, "-"}, {"<a>&#xD800;</a>", nullptr, ESCAPE, 1, 14, "-"},
        {"<a>&#x110000;</a>", nullptr, ESCAPE, 1, 16, "-"},
        {"<a>&#99999999999999999999;</a>", nullptr, ESCAPE, 1, 29, "-"}, {"<a>x\xC3", nullptr, WARN, 1, 6, "a"},
        // clear sections
        {"<a>x&amp;y <!--c--> t</a>", nullptr, OK, -1, -1, "a{'x&y' <!--c--> 't'}"},
        {"<a><![cdata[<b>&x;]]><![CDATA[]]></a>", nullptr, OK, -1, -1, "a{<![CDATA[<b>&x;]]> <![CDATA[]]>}"},
        {"<a><pre>x</PRE></a>", nullptr, OK, -1, -1, "a{<PRE>x</PRE>}"}, {"<a><pre>x</pre></a>", nullptr, UNCLOSED, 1, 9, "-"},
        {"<a><!-- never closed</a>", nullptr, UNCLOSED, 1, 8, "-"}, {"<a <!--c-->/>", nullptr, TOKEN, 1, 8, "-"},
        {"<!DOCTYPE r SYSTEM \"a[b\"><r/>", nullptr, OK, -1, -1, "#{<!DOCTYPE r SYSTEM \"a[b\"> r}"},
        // an internal subset ends at its "]", wherever quotes, comments and instructions hide "]" or ">"
        {"<!DOCTYPE r [<!ENTITY e \"]>\"><!--]>--><?p ]>?><!ATTLIST r a CDATA '>'>]><r/>", nullptr, OK, -1, -1,
         "#{<!DOCTYPE r [<!ENTITY e \"]>\"><!--]>--><?p ]>?><!ATTLIST r a CDATA '>'>]> r}"},
        {"<!DOCTYPE r [<!ENTITY e 'x'>\n<r/>", nullptr, UNCLOSED, 1, 10, "-"},
    };
    for (const auto &[input, tag, error, line, column, dump] : cases) {
        XMLResults results = {eXMLErrorEmpty, -1, -1};
        XMLNode node = XMLNode::parseString(input, tag, &results);
        EXPECT_EQ(results.error, error) << input << ": " << XMLNode::getError(results.error);
        EXPECT_EQ(std::make_pair(results.nLine, results.nColumn), std::make_pair(line, column)) << input;
        EXPECT_EQ(xmlDump(node), dump);
        EXPECT_TRUE(!tag || node.getParentNode().isEmpty()) << input; // the found element is cut loose
    }
}

// Messages a player reads (the map loader shows them): each code its own, the warnings called warnings.
TEST(ParseString, EachCodeHasItsOwnMessageAndAnyOtherValueIsUnknown)
{
    const std::pair<int, const char *> messages[] = {
        {eXMLErrorMissingEndTag, "Warning: Unmatched end tag"},
        {eXMLErrorBase64DataSizeIsNotMultipleOf4, "Warning: Base64-string length is not a multiple of 4"},
        {eXMLErrorBase64DecodeTruncatedData, "Warning: Base64-string is truncated"},
        {eXMLErrorNestingTooDeep + 1, "Unknown"}, {31, "Unknown"}};
    for (const auto &[code, message] : messages) EXPECT_STREQ(XMLNode::getError(static_cast<XMLError>(code)), message);
    std::set<std::string> seen = {"Unknown"};
    for (int code = eXMLErrorNone; code <= eXMLErrorNestingTooDeep; code++)
        EXPECT_TRUE(seen.insert(XMLNode::getError(static_cast<XMLError>(code))).second) << code;
}

TEST(ParseString, NullTextNestingLimitAndRunawayInput)
{
    XMLResults results;
    EXPECT_TRUE(XMLNode::parseString(nullptr, nullptr, &results).isEmpty());
    EXPECT_EQ(results.error, eXMLErrorNoElements);

    std::string open, close, runaway, declarations;
    for (int i = 0; i < XML_MAX_NESTING; i++) open += "<e>", close += "</e>";
    XMLNode deepest = XMLNode::parseString((open + "x" + close).c_str(), nullptr, &results);
    EXPECT_EQ(results.error, eXMLErrorNone);
    for (int i = 1; i < XML_MAX_NESTING; i++) deepest = deepest.getChildNode(0);
    EXPECT_STREQ(deepest.getText(), "x");

    EXPECT_TRUE(XMLNode::parseString((open + "<e></e>" + close).c_str(), nullptr, &results).isEmpty());
    EXPECT_EQ(results.error, eXMLErrorNestingTooDeep);
    EXPECT_EQ(results.nColumn, 3 * XML_MAX_NESTING + 3); // just after the name of the first element too deep

    for (int i = 0; i < 200000; i++) runaway += "<a>";
    for (int i = 0; i < 5000; i++) declarations += "<?p?>";
    for (const std::string &text : {runaway, declarations}) {
        EXPECT_TRUE(XMLNode::parseString(text.c_str(), nullptr, &results).isEmpty());
        EXPECT_EQ(results.error, eXMLErrorNestingTooDeep);
    }
}

} // namespace
