#include "xml_helpers.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

std::string xmlDump(const XMLNode &node)
{
    if (node.isEmpty()) return "-";
    std::string out = node.isDeclaration() ? "?" : "";
    out += node.getName() ? node.getName() : "#";
    const int nAttribute = node.nAttribute(), n = node.nElement();
    for (int i = 0; i < n; i++) {
        if (i == 0) out += nAttribute ? "(" : "{";
        else out += i == nAttribute ? "){" : " ";
        const XMLNodeContents c = node.enumContents(i);
        switch (c.type) {
        case eNodeAttribute:
            out += c.attrib.lpszName;
            if (c.attrib.lpszValue) out += std::string("=") + c.attrib.lpszValue;
            break;
        case eNodeChild: out += xmlDump(c.child); break;
        case eNodeText: out += std::string("'") + c.text + "'"; break;
        case eNodeClear: out += std::string(c.clear.lpszOpenTag) + c.clear.lpszValue + c.clear.lpszCloseTag; break;
        default: out += "?!"; break;
        }
    }
    if (n) out += n > nAttribute ? "}" : ")";
    return out;
}

std::string serialise(const XMLNode &node, int nFormat)
{
    int size = -1;
    char *text = node.createXMLString(nFormat, &size);
    const std::string result = text ? text : "(null)";
    EXPECT_EQ(size, text ? static_cast<int>(result.size()) : 0);
    free(text);
    return result;
}

std::string readFile(const std::string &path)
{
    std::stringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

void writeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

TempDir::TempDir()
{
    char pattern[] = "/tmp/tramox_xml_XXXXXX";
    EXPECT_NE(mkdtemp(pattern), nullptr);
    path = pattern;
}

TempDir::~TempDir() { std::filesystem::remove_all(path); }
