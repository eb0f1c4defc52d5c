#include "Engine/mapfile.h"

#include <cstdlib>

#include "xmlParser.h"

bool MapFileData::IsWall(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return true;
    return Cell(x, y) == "Wall";
}

namespace {

const char* FirstText(const XMLNode& node) {
    return node.isEmpty() ? nullptr : node.getText(0);
}

// A side length: present, and 1 to kMaxMapSide as atoi reads it ("12abc" is 12).
int ReadSide(const XMLNode& root, const char* name, std::vector<std::string>* problems) {
    const char* text = FirstText(root.getChildNode(name));
    if (!text || !*text) {
        problems->push_back(std::string(name) + " is missing");
        return 0;
    }
    int value = atoi(text);
    if (value < 1 || value > kMaxMapSide) {
        problems->push_back(std::string(name) + " must be from 1 to " + std::to_string(kMaxMapSide) + ", not \"" +
                            text + "\"");
        return 0;
    }
    return value;
}

std::string ReadTextureName(const XMLNode& root, const char* name, std::vector<std::string>* problems) {
    const char* text = FirstText(root.getChildNode(name));
    if (!text || !*text) {
        problems->push_back(std::string(name) + " is missing");
        return "";
    }
    std::string value = text;
    if (value.size() > static_cast<size_t>(kMaxTextureName))
        problems->push_back(std::string(name) + " \"" + value + "\" is longer than " +
                            std::to_string(kMaxTextureName) + " characters");
    return value;
}

void ReadCells(const XMLNode& root, MapFileData* out, std::vector<std::string>* problems) {
    out->cells.assign(static_cast<size_t>(out->width) * out->height, std::string());
    // Each lookup goes on from the previous match: linear in the file, not quadratic.
    int nextRow = 0;
    for (int y = 0; y < out->height; y++) {
        XMLNode row = root.getChildNode("Row", &nextRow);
        if (row.isEmpty()) {
            problems->push_back("Row " + std::to_string(y) + " is missing (Height is " + std::to_string(out->height) + ")");
            return;
        }
        int nextCell = 0;
        for (int x = 0; x < out->width; x++) {
            XMLNode cell = row.getChildNode("Cell", &nextCell);
            if (cell.isEmpty()) {
                problems->push_back("Row " + std::to_string(y) + " has no Cell " + std::to_string(x) + " (Width is " +
                                    std::to_string(out->width) + ")");
                break;
            }
            const char* text = FirstText(cell);
            if (!text) {
                problems->push_back("Cell " + std::to_string(x) + " of Row " + std::to_string(y) + " has no text");
                continue;
            }
            out->cells[static_cast<size_t>(y) * out->width + x] = text;
        }
    }
}

std::string Escaped(const std::string& text) {
    char* escaped = toXMLString(text.c_str());
    std::string result = escaped ? escaped : "";
    free(escaped);
    return result;
}

// Parses the file once more to learn why it gave no Map element.
std::string WhyUnreadable(const std::string& path) {
    XMLResults results;
    XMLNode::parseFile(path.c_str(), "Map", &results);
    switch (results.error) {
        case eXMLErrorFileNotFound: return "the file is missing or cannot be opened";
        case eXMLErrorEmpty: return "the file is empty";
        case eXMLErrorFirstTagNotFound: return "the file has no Map element";
        default:
            return std::string("the file is not well-formed XML (") + XMLNode::getError(results.error) + " at line " +
                   std::to_string(results.nLine) + ", column " + std::to_string(results.nColumn) + ")";
    }
}

}  // namespace

std::vector<std::string> ReadMapFile(const std::string& path, MapFileData* out) {
    *out = MapFileData();
    std::vector<std::string> problems;
    XMLNode root = XMLNode::openFileHelper(path.c_str(), "Map");
    if (root.isEmpty()) {
        problems.push_back(WhyUnreadable(path));
        return problems;
    }
    int width = ReadSide(root, "Width", &problems);
    int height = ReadSide(root, "Height", &problems);
    out->grassT = ReadTextureName(root, "GrassT", &problems);
    out->wallT = ReadTextureName(root, "WallT", &problems);
    if (width && height) {
        out->width = width;
        out->height = height;
        ReadCells(root, out, &problems);
    }
    if (!problems.empty()) *out = MapFileData();
    return problems;
}

MapFileData MapFromRows(const std::vector<std::string>& rows, const std::string& floorTexture,
                        const std::string& wallTexture) {
    MapFileData map;
    map.width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    map.height = static_cast<int>(rows.size());
    map.grassT = floorTexture;
    map.wallT = wallTexture;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        for (char c : *row) map.cells.push_back(c == '#' ? "Wall" : "Grass");
    return map;
}

std::string MapFileText(const MapFileData& map) {
    std::string xml = "<Map>\n  <Width>" + std::to_string(map.width) + "</Width>\n  <Height>" +
                      std::to_string(map.height) + "</Height>\n  <GrassT>" + Escaped(map.grassT) +
                      "</GrassT>\n  <WallT>" + Escaped(map.wallT) + "</WallT>\n";
    for (int y = 0; y < map.height; y++) {
        xml += "  <Row>";
        for (int x = 0; x < map.width; x++) xml += "<Cell>" + Escaped(map.Cell(x, y)) + "</Cell>";
        xml += "</Row>\n";
    }
    return xml + "</Map>\n";
}
