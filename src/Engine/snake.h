// The player's snake: a chain of segments, head first.
#pragma once

class Map;
class SnakeElement;

class Snake {
public:
    enum { kCapacity = 128 };

    Snake();
    ~Snake();
    Snake(const Snake&) = delete;
    Snake& operator=(const Snake&) = delete;

    // Accepts a turn to (x, y) unless it runs along the head's axis of
    // motion or the neighbouring cell that way is a wall.
    void SetNextDir(int x, int y, const Map* map);
    // Advances every segment by one cell; the head takes the pending direction.
    void MoveForward(const Map* map);
    // Appends a segment on the cell the tail has just left. Returns 0 (and
    // changes nothing) when the snake is at its capacity.
    int Grow();
    void Draw() const;
    void Draw(float k) const;
    // 1 if no segment lies on cell (x, y).
    int IsClear(int x, int y) const;
    // 1 if a segment other than the head lies on the head's cell.
    int Collision() const;
    int NextX() const;
    int NextY() const;
    int CurrX() const;
    int CurrY() const;

    int nextXDir;
    int nextYDir;
    int nElements;
    SnakeElement* Elements[kCapacity];
};
