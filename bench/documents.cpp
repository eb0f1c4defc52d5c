#include "documents.h"

#include <cstdint>

#include "Engine/mapfile.h"
#include "Engine/texturelist.h"

namespace {

// A fixed linear congruential sequence: the same document in every run.
class Sequence {
public:
    unsigned Next(unsigned below) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned>(state_ >> 33) % below;
    }

private:
    std::uint64_t state_ = 42;
};

const char* const kWords[] = {"meadow", "river", "stone", "lantern", "harbour", "copper", "willow",
                              "signal", "orchard", "ember",  "quartz", "tundra",  "falcon", "marble"};
const char* const kNames[] = {"entry", "item", "group", "note", "record", "part", "detail", "ref"};

std::string Words(Sequence& seq, int count) {
    std::string s;
    for (int i = 0; i < count; i++) {
        if (i) s += ' ';
        s += kWords[seq.Next(14)];
        switch (seq.Next(12)) {
            case 0: s += " &amp; "; break;
            case 1: s += " &lt;x&gt; "; break;
            case 2: s += " &#65;&#x42;"; break;
            case 3: s += " &quot;q&quot;"; break;
            default: break;
        }
    }
    return s;
}

void Element(Sequence& seq, std::string& out, int depth, int indent) {
    const char* name = kNames[seq.Next(8)];
    out.append(indent, ' ');
    out += '<';
    out += name;
    const int attributes = 1 + static_cast<int>(seq.Next(6));
    for (int a = 0; a < attributes; a++) {
        out += " a" + std::to_string(a) + "=\"" + Words(seq, 1 + static_cast<int>(seq.Next(3))) + "\"";
    }
    const unsigned shape = seq.Next(10);
    if (depth == 0 || shape == 0) {
        out += "/>\n";
        return;
    }
    out += '>';
    if (shape < 6) {
        out += Words(seq, 2 + static_cast<int>(seq.Next(10)));
    } else if (shape == 6) {
        out += "<!-- " + Words(seq, 3) + " -->";
    } else if (shape == 7) {
        out += "<![CDATA[" + std::string(kWords[seq.Next(14)]) + " <raw> & ]]>";
    }
    out += '\n';
    const int children = depth > 6 ? static_cast<int>(seq.Next(3)) : 1 + static_cast<int>(seq.Next(6));
    for (int c = 0; c < children; c++) Element(seq, out, depth - 1, indent + 1);
    out.append(indent, ' ');
    out += "</";
    out += name;
    out += ">\n";
}

}  // namespace

std::string GeneratedDocument(size_t minBytes) {
    Sequence seq;
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<catalogue>\n";
    while (out.size() < minBytes) {
        // Alternately deep and narrow, and shallow and wide.
        const int depth = seq.Next(2) ? 24 : 4;
        Element(seq, out, depth, 1);
    }
    return out + "</catalogue>\n";
}

std::string SquareMap(int side) {
    MapFileData map;
    map.width = map.height = side;
    map.grassT = kGrass;
    map.wallT = kBrick;
    for (int y = 0; y < side; y++)
        for (int x = 0; x < side; x++) {
            const bool edge = x == 0 || y == 0 || x == side - 1 || y == side - 1;
            const bool block = x % 6 == 3 && y % 5 == 3;
            map.cells.push_back(edge || block ? "Wall" : "Grass");
        }
    return MapFileText(map);
}

std::string SettingsDocument() {
    return "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Settings><ScreenWidth>1024</ScreenWidth>"
           "<ScreenHeight>768</ScreenHeight><ScreenColor>32</ScreenColor><EngineDistance>2048</EngineDistance>"
           "<EngineXAngle>45</EngineXAngle><EngineZAngle>0</EngineZAngle></Settings>";
}
