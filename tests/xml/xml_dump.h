// Test helper: a compact one-line picture of an XML tree.
#pragma once

#include <string>

#include "xmlParser.h"

// An element is its name ("?" before a declaration's, "#" for the unnamed
// wrapper), its attributes in parentheses (name=value, or the bare name when
// it has no value), and its content in braces in document order: child
// elements, texts in single quotes, clear sections with their delimiters.
// Items are separated by a space. The empty node is "-".
//   <?xml v="1"?><a b c="d">t<!--x--><e/></a>  ->  ?xml(v=1){a(b c=d){'t' <!--x--> e}}
std::string xmlDump(const XMLNode &node);
