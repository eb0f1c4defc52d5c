// The text writer: one bitmap display list per printable ASCII character,
// made by the backend from the system's bold monospaced face.
#pragma once

// The characters that have a list: codes 32 to 127. The browser build's
// glyph file is made for the same run.
const int kTexterFirstChar = 32;
const int kTexterCharCount = 96;

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
