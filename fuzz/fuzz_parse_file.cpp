// Writes arbitrary bytes to a file and loads it through openFileHelper and
// parseFile: encoding guess, UTF-16 detection and conversion, byte-order marks.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "xmlParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string path = "/tmp/tramox_fuzz_parse_file_" + std::to_string(getpid()) + ".xml";
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) return 0;
    fwrite(data, 1, size, f);
    fclose(f);
    XMLNode helper = XMLNode::openFileHelper(path.c_str(), nullptr);
    XMLResults results;
    XMLNode tagged = XMLNode::parseFile(path.c_str(), "a", &results);
    helper.nElement(), tagged.getChildNode(0).getText(0);
    remove(path.c_str());
    return 0;
}
