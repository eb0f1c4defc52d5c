// The game's rules that the game, the map tools and the tests share.
#pragma once

// Levels 1 to 10; completing the tenth wins the game.
constexpr int kLevelCount = 10;

// The snake's length that completes level `level`.
constexpr int TargetLength(int level) { return 5 * level + 5; }

// Floor cells a map for level `level` needs: one more than the target, since
// food is placed once more right after the completing meal.
constexpr int MinFloorCells(int level) { return TargetLength(level) + 1; }

// Where every level's snake starts, head first, heading towards +x.
struct StartCell {
    int x, y;
};
constexpr StartCell kStartCells[] = {{3, 1}, {2, 1}, {1, 1}};
constexpr int kStartLength = static_cast<int>(sizeof kStartCells / sizeof kStartCells[0]);
constexpr int kStartXDir = 1, kStartYDir = 0;

// A map is 1 to 128 cells each way; a texture name has 1 to 15 characters.
constexpr int kMaxMapSide = 128;
constexpr int kMaxTextureName = 15;
