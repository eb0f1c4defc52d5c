// XML parsing and writing throughput of the Tramox library against three
// established parsers, on the same documents in the same run.
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <tinyxml2.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "documents.h"
#include "report.h"
#include "xmlParser.h"

namespace {

struct Document {
    std::string name;
    std::string text;
};

// Each library: parse the text into its tree and free it; parse, then write
// the tree back as indented text `repeat` times (only the writing is timed,
// the result is the time of one).
struct Library {
    const char* name;
    void (*parse)(const std::string& text);
    double (*write)(const std::string& text, int repeat);
};

template <typename F>
double EachOf(int repeat, F f) {
    return BestSeconds([&] {
               for (int r = 0; r < repeat; r++) f();
           }) /
           repeat;
}

void ParseTramox(const std::string& text) {
    XMLResults results;
    XMLNode root = XMLNode::parseString(text.c_str(), nullptr, &results);
    // A missing end tag is a warning: the whole document was read.
    if (results.error != eXMLErrorNone && results.error != eXMLErrorMissingEndTag) std::abort();
}

double WriteTramox(const std::string& text, int repeat) {
    XMLNode root = XMLNode::parseString(text.c_str(), nullptr, nullptr);
    return EachOf(repeat, [&] { std::free(root.createXMLString(1)); });
}

void ParsePugi(const std::string& text) {
    pugi::xml_document doc;
    if (!doc.load_buffer(text.data(), text.size())) std::abort();
}

double WritePugi(const std::string& text, int repeat) {
    pugi::xml_document doc;
    doc.load_buffer(text.data(), text.size());
    return EachOf(repeat, [&] {
        std::ostringstream out;
        doc.save(out);
    });
}

void ParseTiny(const std::string& text) {
    tinyxml2::XMLDocument doc;
    if (doc.Parse(text.data(), text.size()) != tinyxml2::XML_SUCCESS) std::abort();
}

double WriteTiny(const std::string& text, int repeat) {
    tinyxml2::XMLDocument doc;
    doc.Parse(text.data(), text.size());
    return EachOf(repeat, [&] {
        tinyxml2::XMLPrinter printer;
        doc.Print(&printer);
    });
}

void ParseLibxml2(const std::string& text) {
    xmlDocPtr doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr,
                                  XML_PARSE_NONET | XML_PARSE_HUGE | XML_PARSE_NOWARNING | XML_PARSE_NOERROR);
    if (!doc) std::abort();
    xmlFreeDoc(doc);
}

double WriteLibxml2(const std::string& text, int repeat) {
    xmlDocPtr doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr,
                                  XML_PARSE_NONET | XML_PARSE_HUGE);
    double s = EachOf(repeat, [&] {
        xmlChar* out = nullptr;
        int size = 0;
        xmlDocDumpFormatMemory(doc, &out, &size, 1);
        xmlFree(out);
    });
    xmlFreeDoc(doc);
    return s;
}

const Library kLibraries[] = {
    {"Tramox", ParseTramox, WriteTramox},
    {"pugixml", ParsePugi, WritePugi},
    {"tinyxml2", ParseTiny, WriteTiny},
    {"libxml2", ParseLibxml2, WriteLibxml2},
};

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// An internal subset ("<!DOCTYPE x [ ... ]>") is cut out, for every parser
// alike: the library keeps it as one clear section without reading its
// declarations, and the figures of earlier runs were taken without it.
std::string WithoutInternalSubset(std::string text) {
    const size_t start = text.find("<!DOCTYPE");
    if (start == std::string::npos) return text;
    const size_t close = text.find('>', start), open = text.find('[', start);
    if (open == std::string::npos || open > close) return text;
    return text.erase(start, text.find("]>", open) + 2 - start);
}

std::vector<Document> Documents() {
    std::vector<Document> docs = {
        {"generated", GeneratedDocument(12u << 20)},
        {"128x128 map", SquareMap(128)},
        {"settings file", SettingsDocument()},
    };
    // XML files Debian ships (shared-mime-info, iso-codes, xkb-data).
    for (const char* path : {"/usr/share/mime/packages/freedesktop.org.xml", "/usr/share/xml/iso-codes/iso_639-3.xml",
                             "/usr/share/X11/xkb/rules/evdev.xml"}) {
        std::string text = ReadFile(path);
        if (text.empty()) {
            std::fprintf(stderr, "xml_bench: %s is missing, skipped\n", path);
            continue;
        }
        const std::string file = path;
        docs.push_back({file.substr(file.rfind('/') + 1), WithoutInternalSubset(text)});
    }
    return docs;
}

std::string Size(size_t bytes) {
    char text[32];
    if (bytes >= 1u << 20)
        std::snprintf(text, sizeof text, "%.1f MB", bytes / 1048576.0);
    else
        std::snprintf(text, sizeof text, "%.1f kB", bytes / 1024.0);
    return text;
}

}  // namespace

int main() {
    xmlInitParser();
    for (const Document& doc : Documents()) {
        const double mb = doc.text.size() / 1048576.0;
        // Small documents are parsed many times per run, so that the clock's
        // resolution does not count.
        const int repeat = doc.text.size() < 100000 ? static_cast<int>(200000 / doc.text.size()) + 1 : 1;
        double parse[4], write[4];
        for (int i = 0; i < 4; i++) {
            const Library& lib = kLibraries[i];
            parse[i] = EachOf(repeat, [&] { lib.parse(doc.text); });
            write[i] = lib.write(doc.text, repeat);
        }
        const std::string subject = doc.name + " (" + Size(doc.text.size()) + ")";
        for (int i = 1; i < 4; i++) {
            Row("XML parse", subject, Figure(mb / parse[0], "MB/s"),
                std::string(kLibraries[i].name) + " " + Figure(mb / parse[i], "MB/s"), parse[i] / parse[0]);
        }
        for (int i = 1; i < 4; i++) {
            Row("XML write", subject, Figure(mb / write[0], "MB/s"),
                std::string(kLibraries[i].name) + " " + Figure(mb / write[i], "MB/s"), write[i] / write[0]);
        }
    }
    xmlCleanupParser();
    return 0;
}
