// Parser inputs that once broke the faster text and memory handling give the tree the character rules give.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "xmlParser.h"

namespace {

TEST(XmlParse, ManyAttributesBesideContent) {
    // More attributes than the order array's first block, beside a text: the arrays are trimmed at the close.
    std::string xml = "<a";
    for (int i = 0; i < 200; i++) xml += " n" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
    xml += ">t<b/></a>";
    XMLResults results;
    XMLNode a = XMLNode::parseString(xml.c_str(), nullptr, &results);
    ASSERT_EQ(results.error, eXMLErrorNone);
    EXPECT_EQ(a.nAttribute(), 200);
    EXPECT_STREQ(a.getAttribute("n199"), "199");
    EXPECT_STREQ(a.getText(0), "t");
    EXPECT_EQ(a.nChildNode(), 1);
}

TEST(XmlParse, ReferencesAreFoundOnlyAtCharacterStarts) {
    // Name, UTF-8 in force, document, error, the element's first text and its attribute v (null: not checked).
    const std::tuple<const char*, char, const char*, XMLError, const char*, const char*> cases[] = {
        // Under UTF-8, 0xE5 starts a three-byte character that takes "&l": no reference starts there.
        {"ampersand inside a UTF-8 sequence", 1, "<a>\xE5&lt;x</a>", eXMLErrorNone, "\xE5&lt;x", nullptr},
        // One byte per character: the same bytes hold a reference.
        {"ampersand after a Latin-1 byte", 0, "<a>\xE5&lt;x</a>", eXMLErrorNone, "\xE5<x", nullptr},
        {"bad reference after a whole sequence", 1, "<a>\xC3\xA9&bad;</a>", eXMLErrorUnknownEscapeSequence, nullptr, nullptr},
        {"reference after a whole sequence", 1, "<a>\xC3\xA9&amp;</a>", eXMLErrorNone, "\xC3\xA9&", nullptr},
        // The lead byte takes the quote after it: the value ends at the next one.
        {"quote inside a UTF-8 sequence", 1, "<a v=\"\xE5\"x\"/>", eXMLErrorNone, nullptr, "\xE5\"x"},
    };
    for (const auto& [name, utf8, xml, error, text, attribute] : cases) {
        SCOPED_TRACE(name);
        XMLNode::setGlobalOptions(1, utf8);
        XMLResults results;
        XMLNode a = XMLNode::parseString(xml, nullptr, &results);
        EXPECT_EQ(results.error, error);
        EXPECT_STREQ(text ? a.getText(0) : nullptr, text);
        EXPECT_STREQ(attribute ? a.getAttribute("v") : nullptr, attribute);
    }
    XMLNode::setGlobalOptions(1, 1);
}

}  // namespace
