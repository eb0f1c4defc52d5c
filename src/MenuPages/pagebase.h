// Base class of every page: the page loop and the common GL state the menu
// pages start from.
#pragma once

class PageBase {
public:
    PageBase();
    // Virtual so that the page loop can free finished pages through this type.
    virtual ~PageBase();
    // A page owns what it loads (a level's snake and map, a picture's
    // texture); a copy would free them twice.
    PageBase(const PageBase&) = delete;
    PageBase& operator=(const PageBase&) = delete;

    virtual void Initialize();
    virtual void Run();
    virtual void Finish();
    virtual void Work();
    virtual void Draw();
    virtual void MouseMove(int x, int y);
    virtual void MouseDown(int x, int y, int but);
    virtual void MouseUp(int x, int y, int but);
    virtual void KeyDown(long key);
    virtual void KeyUp(long key);

    int finishRun;

protected:
    // The viewport over the whole screen, a perspective projection, an
    // identity modelview matrix and the GL state every page starts from.
    static void SetUpView(double fieldOfView, double nearPlane, double farPlane);
};
