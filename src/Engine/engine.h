// The game page: plays one level, five gliding frames per game step.
#pragma once

#include <ctime>

#include "Engine/rules.h"
#include "MenuPages/pagebase.h"

class Snake;
class Map;
class Food;
struct GLUquadric;

class Engine : public PageBase {
public:
    explicit Engine(int Level);
    ~Engine() override;

    void Initialize() override;
    void Run() override;
    void Finish() override;
    void Work() override;
    void MouseMove(int x, int y) override;
    void MouseDown(int x, int y, int but) override;
    void MouseUp(int x, int y, int but) override;
    void KeyDown(long key) override;
    void KeyUp(long key) override;

    // One frame with every segment k cells along its last step, presented.
    // The page's own loop draws only these; the whole-step Draw() of other
    // pages stays the base's empty one.
    using PageBase::Draw;
    void Draw(float k);
    // The level and length read-out.
    void DrawExtras();

    // Read-only views for tests and tools.
    const Snake* GetSnake() const { return snake; }
    const Map* GetMap() const { return map; }
    const Food* GetFood() const { return food; }
    int Distance() const { return distance; }
    int XAngle() const { return xAngle; }
    int ZAngle() const { return zAngle; }
    int Collided() const { return collided; }
    // Number of Work calls so far.
    long Steps() const { return steps; }
    // Length that completes this level.
    int TargetLength() const { return ::TargetLength(level); }

    // The one quadric every sphere is drawn with; lives while a level runs.
    static GLUquadric* quadric;

    int level;

private:
    // What a step of the rules did, for its presentation to show and sound.
    struct StepOutcome {
        bool blocked = false;  // a wall ahead: the snake stayed
        bool bitten = false;
        bool ate = false;
        bool nextLevel = false;  // the meal completed a level before the last
    };
    // The rules of one step: the move, the bite, the meal, the level switch.
    StepOutcome Step();
    // The step on screen and in the speaker: five frames paced to the clock,
    // or a short wait while blocked, and the step's sounds.
    void Present(const StepOutcome& outcome);
    void DrawPacedFrames();
    void InitFood();
    // Hands over to the next page: the page switch every ending uses.
    void FinishWith(PageBase* next);

    Snake* snake = nullptr;
    Map* map = nullptr;
    Food* food = nullptr;
    int distance;
    int xAngle;
    int zAngle;
    int collided = 0;
    clock_t prevtime = 0;
    clock_t currtime = 0;
    long steps = 0;
};
