// Helpers shared by the XML tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "xmlParser.h"

// The character options and IsError are process-wide: put them back after each test.
struct XMLOptions : ::testing::Test {
    void TearDown() override { XMLNode::setGlobalOptions(1, 1), XMLNode::IsError = 0; }
};

// A one-line picture of a tree: "?" a declaration, "#" the unnamed wrapper, "-" the empty node;
// attributes in parentheses, content in document order in braces, texts quoted, clear sections delimited.
//   <?xml v="1"?><a b c="d">t<!--x--><e/></a>  ->  ?xml(v=1){a(b c=d){'t' <!--x--> e}}
std::string xmlDump(const XMLNode &node);

// createXMLString as a string ("(null)" for no text), checking the size it reports.
std::string serialise(const XMLNode &node, int nFormat);

std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &bytes);

// A private folder under /tmp, removed with everything in it.
struct TempDir {
    TempDir();
    ~TempDir();
    std::string path;
};
