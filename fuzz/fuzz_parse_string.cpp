// Parses arbitrary bytes as XML text and walks whatever tree comes out.
// The first byte picks the character table, whether a tag is searched and
// whether the tree is written back formatted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "xmlParser.h"

namespace {

int walk(const XMLNode &node, int depth)
{
    int items = node.nElement();
    for (int i = 0; i < node.nElement(); i++) {
        const XMLNodeContents c = node.enumContents(i);
        if (c.type == eNodeChild && depth < 64) items += walk(c.child, depth + 1);
    }
    if (node.getName()) items += node.nChildNode(node.getName()) + (node.getAttribute(node.getName()) != nullptr);
    return items;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0) return 0;
    const uint8_t options = data[0];
    const std::string text(reinterpret_cast<const char *>(data + 1), size - 1); // 0-terminated copy
    XMLNode::setGlobalOptions(1, options & 1);
    const char *tag = (options & 2) ? "a" : nullptr;
    XMLResults results;
    XMLNode root = XMLNode::parseString(text.c_str(), tag, &results);
    XMLNode inner = root.getChildNode(0);
    walk(root, 0);
    free(root.createXMLString(options & 4 ? 1 : 0));
    root = XMLNode(); // the inner handle must outlive its root
    walk(inner, 0);
    return 0;
}
