#include "lists.h"

#include <utility>
#include <vector>

#include "batch.h"

namespace gl1 {

namespace {

// GL's least nesting depth for lists calling lists.
const int kMaxNesting = 64;
// Names above this are refused rather than reserved room for.
const unsigned kMaxName = 1u << 20;

struct List {
    bool reserved = false;
    std::vector<Command> commands;
    std::vector<KeptBitmap> bitmaps;
};

struct Lists {
    std::vector<List> byName;  // index: the list's name; 0 is never one
    bool compiling = false;
    bool executing = false;  // GL_COMPILE_AND_EXECUTE
    unsigned compiledName = 0;
    List compiled;
    int depth = 0;
};

Lists& All() {
    static Lists lists;
    return lists;
}

void FreeBitmaps(List& list) {
    for (const KeptBitmap& b : list.bitmaps) FreeFromAtlas(b.place);
    list.bitmaps.clear();
}

void Replay(const List& list) {
    for (const Command& c : list.commands) {
        switch (c.op) {
            case Op::kBegin: Begin(c.value); break;
            case Op::kEnd: End(); break;
            case Op::kVertex: Vertex3d(c.f[0], c.f[1], c.f[2]); break;
            case Op::kColor: Color3f(c.f[0], c.f[1], c.f[2]); break;
            case Op::kNormal: Normal3f(c.f[0], c.f[1], c.f[2]); break;
            case Op::kTexCoord: TexCoord2f(c.f[0], c.f[1]); break;
            case Op::kEnable: Enable(c.value); break;
            case Op::kDisable: Disable(c.value); break;
            case Op::kBindTexture: BindTexture(0x0DE1, c.value); break;
            case Op::kLightPosition: Lightfv(kLight0, kPosition, c.f); break;
            case Op::kBitmap: DrawBitmap(list.bitmaps[c.value]); break;
            case Op::kCallList: CallList(c.value); break;
            case Op::kListBase: ListBase(c.value); break;
            case Op::kRasterPos: RasterPos2f(c.f[0], c.f[1]); break;
            case Op::kMatrixMode: MatrixMode(c.value); break;
            case Op::kLoadIdentity: LoadIdentity(); break;
            case Op::kPushMatrix: PushMatrix(); break;
            case Op::kPopMatrix: PopMatrix(); break;
            case Op::kTranslate: Translatef(c.f[0], c.f[1], c.f[2]); break;
            case Op::kRotate: Rotated(c.f[0], c.f[1], c.f[2], c.f[3]); break;
            case Op::kScale: Scalef(c.f[0], c.f[1], c.f[2]); break;
        }
    }
}

}  // namespace

bool Record(const Command& command) {
    Lists& l = All();
    if (!l.compiling) return false;
    l.compiled.commands.push_back(command);
    return !l.executing;
}

bool RecordBitmap(const KeptBitmap& bitmap) {
    Lists& l = All();
    if (!l.compiling) return false;
    l.compiled.commands.push_back({Op::kBitmap, static_cast<unsigned>(l.compiled.bitmaps.size()), {}});
    l.compiled.bitmaps.push_back(bitmap);
    return !l.executing;
}

bool Compiling() {
    return All().compiling;
}

void ForgetLists() {
    // The atlas went with the context; only the memory is left to free.
    All() = Lists();
}

unsigned GenLists(int range) {
    if (range <= 0) return 0;
    std::vector<List>& lists = All().byName;
    // The first run of `range` free names after 0.
    unsigned start = 1;
    for (unsigned name = 1; name < lists.size() && name - start < static_cast<unsigned>(range); ++name)
        if (lists[name].reserved) start = name + 1;
    const unsigned end = start + static_cast<unsigned>(range);
    if (end > kMaxName) return 0;
    if (lists.size() < end) lists.resize(end);
    for (unsigned name = start; name < end; ++name) lists[name].reserved = true;
    return start;
}

void DeleteLists(unsigned list, int range) {
    std::vector<List>& lists = All().byName;
    for (unsigned name = list; range > 0 && name < lists.size() && name < list + static_cast<unsigned>(range); ++name) {
        FreeBitmaps(lists[name]);
        lists[name] = List();
    }
}

void NewList(unsigned list, unsigned mode) {
    Lists& l = All();
    if (l.compiling || list == 0 || list >= kMaxName || (mode != kCompile && mode != kCompileAndExecute)) return;
    l.compiling = true;
    l.executing = mode == kCompileAndExecute;
    l.compiledName = list;
    l.compiled = List();
    l.compiled.reserved = true;
}

void EndList() {
    Lists& l = All();
    if (!l.compiling) return;
    l.compiling = false;
    if (l.byName.size() <= l.compiledName) l.byName.resize(l.compiledName + 1);
    List& slot = l.byName[l.compiledName];
    FreeBitmaps(slot);
    slot = std::move(l.compiled);
    l.compiled = List();
}

void CallList(unsigned list) {
    if (Record({Op::kCallList, list, {}})) return;
    Lists& l = All();
    if (list >= l.byName.size() || l.depth >= kMaxNesting) return;
    ++l.depth;
    Replay(l.byName[list]);
    --l.depth;
}

void CallLists(int n, unsigned type, const void* lists) {
    // Byte names are what the text writer uses.
    if (type != kUnsignedByte || !lists) return;
    const unsigned char* names = static_cast<const unsigned char*>(lists);
    for (int i = 0; i < n; ++i) CallList(Current().listBase + names[i]);
}

void ListBase(unsigned base) {
    if (Record({Op::kListBase, base, {}})) return;
    Current().listBase = base;
}

}  // namespace gl1
