// The food: one blue sphere on a cell, replaced after every meal.
#pragma once

class Food {
public:
    Food(int X, int Y);
    void Draw() const;

    int x;
    int y;
};
