// One cell of a map: a textured floor square or a four-faced wall block.
#pragma once

#include <string>

class Map;

class MapElement {
public:
    MapElement(const char* Type, int X, int Y, const Map* _map);

    // Exactly "Wall" (letter case included) is a wall; any other text is floor.
    bool IsWall() const { return type == "Wall"; }
    void Draw() const;

private:
    void DrawFloor() const;
    void DrawWall() const;

    int x;
    int y;
    const Map* map;

public:
    std::string type;
};
