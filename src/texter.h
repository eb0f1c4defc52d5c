// The text writer: one bitmap display list per printable ASCII character,
// made by the backend from the system's bold monospaced face.
#pragma once

class Texter {
public:
    Texter();
    ~Texter();
    void Load();
    void Write(int x, int y, const char* text);
    void Unload();

private:
    unsigned int base;
};
