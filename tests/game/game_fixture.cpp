#include "game_fixture.h"

#include "rand15.h"

std::string RowXml(const std::string& cells) {
    std::string row = "<Row>";
    for (char c : cells) row += c == '#' ? "<Cell>Wall</Cell>" : "<Cell>Grass</Cell>";
    return row + "</Row>\n";
}

std::string MapXml(const std::vector<std::string>& rows, const std::string& grass, const std::string& wall) {
    std::string xml = "<Map><Width>" + std::to_string(rows[0].size()) + "</Width><Height>" +
                      std::to_string(rows.size()) + "</Height><GrassT>" + grass + "</GrassT><WallT>" + wall +
                      "</WallT>\n";
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) xml += RowXml(*row);
    return xml + "</Map>\n";
}

std::pair<int, int> ExpectedFood(unsigned seed, const std::vector<std::string>& rows) {
    const int width = static_cast<int>(rows[0].size()), height = static_cast<int>(rows.size());
    SRand15(seed);
    for (;;) {
        int fx = Rand15() / (32768 / width);
        int fy = Rand15() / (32768 / height);
        bool onSnake = fy == 1 && fx >= 1 && fx <= 3;
        if (fx < width && fy < height && !onSnake && rows[height - 1 - fy][fx] != '#') return {fx, fy};
    }
}

unsigned SeedPlacingFoodAt(int x, int y, const std::vector<std::string>& rows) {
    unsigned seed = 1;
    while (ExpectedFood(seed, rows) != std::pair{x, y}) seed++;
    return seed;
}

int LitPixels(const platform::Frame& f) {
    int lit = 0;
    for (size_t i = 0; i < f.rgba.size(); i += 4) lit += (f.rgba[i] | f.rgba[i + 1] | f.rgba[i + 2]) != 0;
    return lit;
}
