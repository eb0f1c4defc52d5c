#include "Engine/snake.h"

#include "Engine/map.h"
#include "Engine/rules.h"
#include "Engine/snakeelement.h"

Snake::Snake() : nextXDir(kStartXDir), nextYDir(kStartYDir), nElements(kStartLength), Elements{} {
    for (int i = 0; i < kStartLength; i++) Elements[i] = new SnakeElement(kStartCells[i].x, kStartCells[i].y);
}

Snake::~Snake() {
    for (int i = 0; i < nElements; i++) delete Elements[i];
}

void Snake::SetNextDir(int x, int y, const Map* map) {
    const SnakeElement* head = Elements[0];
    if (map->IsOnWall(head->XPos + x, head->YPos + y)) return;
    // Compared with the head's last step, not the pending one, so two quick
    // key presses can never reverse the snake.
    if (x == 0 && head->XDir == 0) return;
    if (y == 0 && head->YDir == 0) return;
    nextXDir = x;
    nextYDir = y;
}

void Snake::MoveForward(const Map* /*map*/) {
    for (int i = nElements - 1; i > 0; i--) *Elements[i] = *Elements[i - 1];
    SnakeElement* head = Elements[0];
    head->XDir = nextXDir;
    head->YDir = nextYDir;
    head->XPos += head->XDir;
    head->YPos += head->YDir;
}

int Snake::Grow() {
    if (nElements >= kCapacity) return 0;
    const SnakeElement* tail = Elements[nElements - 1];
    SnakeElement* added = new SnakeElement(tail->XPos - tail->XDir, tail->YPos - tail->YDir);
    // Still until its first move, so the frames draw it on its own cell.
    added->XDir = 0;
    added->YDir = 0;
    Elements[nElements++] = added;
    return 1;
}

void Snake::Draw() const {
    for (int i = 0; i < nElements; i++) Elements[i]->Draw(i, nElements);
}

void Snake::Draw(float k) const {
    for (int i = 0; i < nElements; i++) Elements[i]->Draw(i, nElements, k);
}

int Snake::IsClear(int x, int y) const {
    for (int i = 0; i < nElements; i++)
        if (Elements[i]->XPos == x && Elements[i]->YPos == y) return 0;
    return 1;
}

int Snake::Collision() const {
    const SnakeElement* head = Elements[0];
    for (int i = 1; i < nElements; i++)
        if (Elements[i]->XPos == head->XPos && Elements[i]->YPos == head->YPos) return 1;
    return 0;
}

int Snake::NextX() const { return Elements[0]->XPos + nextXDir; }
int Snake::NextY() const { return Elements[0]->YPos + nextYDir; }
int Snake::CurrX() const { return Elements[0]->XPos; }
int Snake::CurrY() const { return Elements[0]->YPos; }
