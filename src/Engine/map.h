// The playfield of one level: a grid of wall and floor cells with the two
// textures they are drawn with.
#pragma once

#include <string>

#include "Engine/mapfile.h"

class MapElement;

class Map {
public:
    explicit Map(const char* mapName);
    ~Map();
    Map(const Map&) = delete;
    Map& operator=(const Map&) = delete;

    // Reads "Maps\\<name>.map", creates the cells and loads both textures.
    // Returns 0 when the file is missing or incomplete; Error() then says
    // which file and what is wrong, and the map stays empty.
    int LoadMap();
    const std::string& Error() const { return error; }
    // The file LoadMap reads, named as every game file is ("Maps\\Level1.map").
    std::string FileName() const;

    void LoadTextures(const char* grasst, const char* wallt);
    // Releases the textures and the compiled cells.
    void FreeTextures();
    // Draws every cell the view can reach: replays the cells compiled when
    // the map was loaded.
    void Draw() const;
    // Draws every cell call by call, as the compiled cells hold them.
    void DrawCells() const;
    // 1 if cell (X, Y) is a wall; anything outside the grid is wall.
    int IsOnWall(int X, int Y) const;

    int width = 0;
    int height = 0;
    std::string MapName;
    // [0] the wall texture, [1] the floor texture.
    unsigned int textures[2] = {0, 0};

private:
    MapElement* elements[kMaxMapSide][kMaxMapSide] = {};
    std::string error;
    // Cells of one row are compiled in pieces of this many, so that a frame
    // replays only the pieces the view can reach.
    static constexpr int kPieceCells = 16;
    int PiecesPerRow() const { return (width + kPieceCells - 1) / kPieceCells; }
    void DrawPiece(int row, int piece) const;
    // Whether the box x0..x1, y0..y1 (floor to wall top) lies wholly outside
    // the view of the clip matrix `clip` (column-major, projection times modelview).
    static bool OutsideView(const double* clip, double x0, double x1, double y0, double y1);
    // Display lists of the pieces, row by row; the map never changes after
    // loading, so each frame replays them instead of issuing every vertex.
    unsigned int cellLists = 0;
};
