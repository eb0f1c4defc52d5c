#include "game_fixture.h"

#include "proc.h"
#include "settings.h"
#include "texter.h"

GameTest::GameTest() {
    platform::Install(&backend);
}

GameTest::~GameTest() {
    // Frees whatever start-up made, any queued page included.
    ReleaseProgram();
    platform::Install(nullptr);
}

void GameTest::StartGraphics(int width, int height) {
    backend.SetDesktopMode({width, height, 24});
    GameSettings = new Settings;
    GameSettings->GenerateDefaultSettings();
    ScreenWidth = width;
    ScreenHeight = height;
    ScreenColor = 24;
    ASSERT_TRUE(InitOpenGL());
    texter = new Texter;
    texter->Load();
}

void GameTest::WriteMap(int level, const std::vector<std::string>& rows, const std::string& grass,
                        const std::string& wall) {
    std::string xml = "<Map><Width>" + std::to_string(rows[0].size()) + "</Width><Height>" +
                      std::to_string(rows.size()) + "</Height><GrassT>" + grass + "</GrassT><WallT>" + wall +
                      "</WallT>\n";
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        xml += "<Row>";
        for (char c : *row) xml += c == '#' ? "<Cell>Wall</Cell>" : "<Cell>Grass</Cell>";
        xml += "</Row>\n";
    }
    dir.Write("Maps/Level" + std::to_string(level) + ".map", xml + "</Map>\n");
}

FoodCell ExpectedFood(unsigned seed, const std::vector<std::string>& rows) {
    const int width = static_cast<int>(rows[0].size()), height = static_cast<int>(rows.size());
    auto floor = [&](int x, int y) { return rows[height - 1 - y][x] != '#'; };
    SRand15(seed);
    for (;;) {
        int fx = Rand15() / (32768 / width);
        int fy = Rand15() / (32768 / height);
        bool onSnake = fy == 1 && fx >= 1 && fx <= 3;
        if (fx < width && fy < height && !onSnake && floor(fx, fy)) return {fx, fy};
    }
}
