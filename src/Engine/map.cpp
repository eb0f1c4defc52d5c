#include "Engine/map.h"

#include <GL/gl.h>

#include <algorithm>

#include "Engine/gamefiles.h"
#include "Engine/mapelement.h"
#include "texturefile.h"

Map::Map(const char* mapName) : MapName(mapName) {}

Map::~Map() {
    for (int i = 0; i < height; i++)
        for (int j = 0; j < width; j++) delete elements[i][j];
}

std::string Map::FileName() const {
    return MapFile(MapName);
}

int Map::LoadMap() {
    MapFileData data;
    std::vector<std::string> problems = ReadMapFile(FileName(), &data);
    if (!problems.empty()) {
        error = "Cannot load the map " + FileName() + ":";
        for (const std::string& p : problems) error += "\n" + p + ".";
        return 0;
    }
    width = data.width;
    height = data.height;
    for (int i = 0; i < height; i++)
        for (int j = 0; j < width; j++) elements[i][j] = new MapElement(data.Cell(j, i).c_str(), j, i, this);
    LoadTextures(data.grassT.c_str(), data.wallT.c_str());
    const int pieces = height * PiecesPerRow();
    cellLists = glGenLists(pieces);
    for (int i = 0; cellLists && i < pieces; i++) {
        glNewList(cellLists + i, GL_COMPILE);
        DrawPiece(i / PiecesPerRow(), i % PiecesPerRow());
        glEndList();
    }
    return 1;
}

void Map::LoadTextures(const char* grasst, const char* wallt) {
    glEnable(GL_TEXTURE_2D);
    glGenTextures(2, textures);
    // The wall texture goes first, into slot 0.
    LoadTextureFile(TextureFile(wallt).c_str(), textures[0], GL_NEAREST);
    LoadTextureFile(TextureFile(grasst).c_str(), textures[1], GL_NEAREST);
    glDisable(GL_TEXTURE_2D);
}

void Map::FreeTextures() {
    glDeleteTextures(2, textures);
    textures[0] = textures[1] = 0;
    if (cellLists) glDeleteLists(cellLists, height * PiecesPerRow());
    cellLists = 0;
}

void Map::Draw() const {
    if (!cellLists) return DrawCells();
    // Pieces go in the order of DrawCells, so where cells meet at equal
    // depth the same one wins; a piece left out lies wholly outside the view
    // and would not have touched a pixel.
    double modelview[16], projection[16], clip[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    for (int c = 0; c < 4; c++)
        for (int r = 0; r < 4; r++) {
            clip[c * 4 + r] = 0;
            for (int k = 0; k < 4; k++) clip[c * 4 + r] += projection[k * 4 + r] * modelview[c * 4 + k];
        }
    for (int row = 0; row < height; row++)
        for (int piece = 0; piece < PiecesPerRow(); piece++) {
            const double x0 = 64.0 * piece * kPieceCells, x1 = 64.0 * std::min(width, (piece + 1) * kPieceCells);
            if (OutsideView(clip, x0, x1, 64.0 * row, 64.0 * row + 64)) continue;
            glCallList(cellLists + row * PiecesPerRow() + piece);
        }
}

void Map::DrawCells() const {
    for (int i = 0; i < height; i++)
        for (int piece = 0; piece < PiecesPerRow(); piece++) DrawPiece(i, piece);
}

void Map::DrawPiece(int row, int piece) const {
    for (int j = piece * kPieceCells; j < std::min(width, (piece + 1) * kPieceCells); j++) elements[row][j]->Draw();
}

bool Map::OutsideView(const double* clip, double x0, double x1, double y0, double y1) {
    // Every corner of the box the cells fill (walls reach 32 up) beyond one
    // and the same clip plane.
    int beyond[6] = {0, 0, 0, 0, 0, 0};
    for (int corner = 0; corner < 8; corner++) {
        const double x = corner & 1 ? x1 : x0, y = corner & 2 ? y1 : y0, z = corner & 4 ? 32.0 : 1.0;
        double v[4];
        for (int r = 0; r < 4; r++) v[r] = clip[r] * x + clip[4 + r] * y + clip[8 + r] * z + clip[12 + r];
        for (int axis = 0; axis < 3; axis++) {
            beyond[2 * axis] += v[axis] > v[3];
            beyond[2 * axis + 1] += v[axis] < -v[3];
        }
    }
    for (int count : beyond)
        if (count == 8) return true;
    return false;
}

int Map::IsOnWall(int X, int Y) const {
    if (X < 0 || Y < 0 || X >= width || Y >= height) return 1;
    return elements[Y][X]->IsWall() ? 1 : 0;
}
