#include "xml_dump.h"

std::string xmlDump(const XMLNode &node)
{
    if (node.isEmpty()) return "-";
    std::string out = node.isDeclaration() ? "?" : "";
    out += node.getName() ? node.getName() : "#";
    const int nAttribute = node.nAttribute();
    for (int i = 0; i < nAttribute; i++) {
        const XMLAttribute a = node.getAttribute(i);
        out += i ? " " : "(";
        out += a.lpszName;
        if (a.lpszValue) out += std::string("=") + a.lpszValue;
    }
    if (nAttribute) out += ")";
    const int n = node.nElement();
    for (int i = nAttribute; i < n; i++) {
        out += i == nAttribute ? "{" : " ";
        const XMLNodeContents c = node.enumContents(i);
        switch (c.type) {
        case eNodeChild: out += xmlDump(c.child); break;
        case eNodeText: out += std::string("'") + c.text + "'"; break;
        case eNodeClear: out += std::string(c.clear.lpszOpenTag) + c.clear.lpszValue + c.clear.lpszCloseTag; break;
        default: out += "?!"; break;
        }
    }
    if (n > nAttribute) out += "}";
    return out;
}
