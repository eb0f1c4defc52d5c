#include "Engine/map.h"

#include <GL/gl.h>

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
    cellList = glGenLists(1);
    if (cellList) {
        glNewList(cellList, GL_COMPILE);
        DrawCells();
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
    if (cellList) glDeleteLists(cellList, 1);
    cellList = 0;
}

void Map::Draw() const {
    if (cellList)
        glCallList(cellList);
    else
        DrawCells();
}

void Map::DrawCells() const {
    for (int i = 0; i < height; i++)
        for (int j = 0; j < width; j++) elements[i][j]->Draw();
}

int Map::IsOnWall(int X, int Y) const {
    if (X < 0 || Y < 0 || X >= width || Y >= height) return 1;
    return elements[Y][X]->IsWall() ? 1 : 0;
}
