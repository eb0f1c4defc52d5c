// xmlParser: node model, parser, file loading, writer, editing operations
// and the Base64 codec, in that order; the tables and helpers at the top are
// shared by all of them.
#include "xmlParser.h"

#include <array>
#include <cassert>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define XML_CHECKED_MEMORY 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(XML_CHECKED_MEMORY)
#include <sanitizer/asan_interface.h>
#define XML_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define XML_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define XML_POISON(p, n) (static_cast<void>(p), static_cast<void>(n))
#define XML_UNPOISON(p, n) (static_cast<void>(p), static_cast<void>(n))
#endif

// ===== tables shared by the parser and the writer ============================

namespace {

// Bytes in the character that starts with each byte value, for UTF-8 text.
const char XML_utf8ByteTable[256] = {
    0,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, // 0x00
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, // 0x20
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, // 0x40
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, // 0x60
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, // 0x80 continuation
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, // 0xA0 continuation
    1,1,2,2,2,2,2,2,2,2,2,2,2,2,2,2, 2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2, // 0xC0
    3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3, 4,4,4,4,4,1,1,1,1,1,1,1,1,1,1,1  // 0xE0
};

// One byte per character.
const char XML_asciiByteTable[256] = {
    0,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1
};

} // namespace

// Raw sections, tried in this order at the start of every token.
struct ALLXMLClearTag {
    const char *lpszOpen;
    int openTagLen;
    const char *lpszClose;
    bool internalSubset; // a "[ ... ]" before the close text belongs to the section
};

namespace {

const ALLXMLClearTag XMLClearTags[] = {
    {"<![CDATA[", 9, "]]>", false},
    {"<PRE>", 5, "</PRE>", false},
    {"<Script>", 8, "</Script>", false},
    {"<!--", 4, "-->", false},
    {"<!DOCTYPE", 9, ">", true},
    {nullptr, 0, nullptr, false}
};

// The named entities, as written (s, l) and the character they stand for (c).
struct XMLCharacterEntity {
    const char *s;
    int l;
    char c;
};
const XMLCharacterEntity XMLEntities[] = {
    {"&amp;", 5, '&'},
    {"&lt;", 4, '<'},
    {"&gt;", 4, '>'},
    {"&quot;", 6, '"'},
    {"&apos;", 6, '\''},
    {nullptr, 0, 0}
};

} // namespace

// ===== document memory =========================================================

// The memory of one parsed document. Its records, names, values, texts and
// the exact arrays of its closed elements are carved from a few large
// blocks, which go back together when the last of those records is freed:
// one allocation per block instead of several per element, and no piece
// freed on its own. Whatever an edit adds later comes from malloc; releasing
// a piece that lies in a block does nothing.
struct XMLArena {
    // One block; its bytes follow this header.
    struct Block {
        Block *next;
        size_t size;
    };
    Block *blocks;         // newest (and largest) first: most pieces lie in the first one looked at
    char *cursor, *end;    // free space left in the newest block
    size_t nextBlockSize;
    long nRecords;         // records carved from the blocks and not yet freed
    // While parsing: growth arrays given back by closed elements, by size, for the next elements to reuse.
    struct Spare {
        size_t bytes;
        void *list;
    } spares[4];
};

namespace {

// ===== process-wide state ======================================================

// Everything the library keeps between calls, in one place (XMLNode::IsError
// aside, which is part of the interface). The library is single-threaded:
// these are read and written without locks.
struct ProcessWideState {
    // Bytes in the character that starts with each byte value, for parsing
    // and writing alike. setGlobalOptions chooses it, and openFileHelper
    // chooses it from the file's start; it holds for every later parse and
    // write until changed. parseFile reads converted UTF-16 text under the
    // UTF-8 table and puts the caller's table back afterwards.
    const char *byteTable = XML_utf8ByteTable;
    // Whether parseFile tests files for UTF-16 text (setGlobalOptions).
    char guessUnicodeChars = 1;
    // Growth step of the node arrays: 50 inside parseString, 0 (exact sizes)
    // at any other time.
    int memoryIncrease = 0;
    // The document parseString is building, null at any other time: while
    // set, new records and their strings come from its blocks.
    XMLArena *parseArena = nullptr;
};

ProcessWideState processWide;

// ===== small helpers ===========================================================

int mmin(int a, int b) { return a < b ? a : b; }

bool isXMLWhitespace(char c) { return c == '\n' || c == ' ' || c == '\t' || c == '\r'; }

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Locale-independent ASCII case-insensitive comparison of at most n bytes (0 when equal).
int xmlStrnicmp(const char *a, const char *b, size_t n)
{
    for (; n; --n, ++a, ++b) {
        const char ca = asciiLower(*a), cb = asciiLower(*b);
        if (ca != cb) return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
        if (!ca) return 0;
    }
    return 0;
}

// Locale-independent ASCII case-insensitive comparison (0 when equal).
int xmlStricmp(const char *a, const char *b) { return xmlStrnicmp(a, b, static_cast<size_t>(-1)); }

// True when name is not null and equals the (possibly null) stored name, ignoring case.
bool sameName(const char *stored, const char *name) { return stored && name && !xmlStricmp(stored, name); }

// ===== document memory: blocks, growth arrays, order ==========================

XMLArena *arenaCreate(size_t inputLength)
{
    XMLArena *a = static_cast<XMLArena *>(calloc(1, sizeof(XMLArena)));
    // A tree takes a few times its text; later blocks double, up to 64 MB.
    if (a) a->nextBlockSize = inputLength < (1u << 20) ? 2 * inputLength + 2048 : (4u << 20);
    return a;
}

// The link to the next free growth array, kept in the array's first bytes.
void *&nextSpare(void *p) { return *static_cast<void **>(p); }

// A malloc'd growth array of `bytes` bytes, reused when a closed element gave one back.
void *takeGrowthArray(size_t bytes)
{
    if (processWide.parseArena)
        for (XMLArena::Spare &s : processWide.parseArena->spares)
            if (s.bytes == bytes && s.list) {
                void *p = s.list;
                s.list = nextSpare(p);
                return p;
            }
    return malloc(bytes);
}

// Gives back a growth array of `bytes` bytes: kept for reuse during a parse, else freed.
void giveBackGrowthArray(void *p, size_t bytes)
{
    if (processWide.parseArena)
        for (XMLArena::Spare &s : processWide.parseArena->spares)
            if (s.bytes == bytes || (!s.bytes && !s.list)) {
                s.bytes = bytes;
                nextSpare(p) = s.list;
                s.list = p;
                return;
            }
    free(p);
}

// Frees the growth arrays kept for reuse, at the end of a parse.
void arenaFreeSpares(XMLArena *a)
{
    for (XMLArena::Spare &s : a->spares)
        for (void *p = s.list, *next; p; p = next) {
            next = nextSpare(p);
            free(p);
        }
    memset(a->spares, 0, sizeof a->spares);
}

void arenaFree(XMLArena *a)
{
    for (XMLArena::Block *b = a->blocks, *next; b; b = next) {
        next = b->next;
        XML_UNPOISON(b, sizeof *b + b->size);
        free(b);
    }
    free(a);
}

char *blockBytes(XMLArena::Block *b) { return reinterpret_cast<char *>(b + 1); }
const char *blockBytes(const XMLArena::Block *b) { return reinterpret_cast<const char *>(b + 1); }

char *alignUp(char *p, size_t align)
{
    return reinterpret_cast<char *>((reinterpret_cast<uintptr_t>(p) + align - 1) & ~static_cast<uintptr_t>(align - 1));
}

// n bytes aligned to align (a power of two), or null when memory runs out.
inline void *arenaAlloc(XMLArena *a, size_t n, size_t align)
{
    char *p = alignUp(a->cursor, align);
    if (!a->cursor || p > a->end || n > static_cast<size_t>(a->end - p)) {
        const size_t size = n + align > a->nextBlockSize ? n + align : a->nextBlockSize;
        XMLArena::Block *b = static_cast<XMLArena::Block *>(malloc(sizeof(XMLArena::Block) + size));
        if (!b) return nullptr;
        b->next = a->blocks;
        b->size = size;
        a->blocks = b;
        a->cursor = blockBytes(b);
        a->end = a->cursor + size;
        if (a->nextBlockSize < (64u << 20)) a->nextBlockSize *= 2;
        p = alignUp(a->cursor, align);
    }
    a->cursor = p + n;
    return p;
}

// Gives back the unused end of the latest piece p (now `used` bytes long).
void arenaShrinkLast(XMLArena *a, char *p, size_t used)
{
    if (p + used <= a->cursor && p >= blockBytes(a->blocks)) a->cursor = p + used;
}

inline bool arenaOwns(const XMLArena *a, const void *p)
{
    const char *c = static_cast<const char *>(p);
    for (const XMLArena::Block *b = a->blocks; b; b = b->next)
        if (c >= blockBytes(b) && c < blockBytes(b) + b->size) return true;
    return false;
}

// Frees a string or array of record d, unless it lies in the blocks of d's document.
inline void releasePiece(const XMLNode::XMLNodeDataTag *d, const void *p)
{
    if (p && !(d->pArena && arenaOwns(d->pArena, p))) free(const_cast<void *>(p));
}

// n bytes for a new string: from the document being parsed, else from malloc.
char *newStringBytes(size_t n)
{
    void *p = processWide.parseArena ? arenaAlloc(processWide.parseArena, n, 1) : malloc(n);
    return static_cast<char *>(p);
}

// A malloc'd copy of cbData bytes of lpszData (cbData 0: the whole string); null in, null out.
char *stringDup(const char *lpszData, int cbData = 0)
{
    if (!lpszData) return nullptr;
    if (cbData == 0) cbData = static_cast<int>(strlen(lpszData));
    char *copy = static_cast<char *>(malloc(cbData + 1));
    if (!copy) return nullptr;
    memcpy(copy, lpszData, cbData);
    copy[cbData] = 0;
    return copy;
}

// Grows array p of record d so that newsize elements fit: blocks of memInc elements, or exact sizes when
// memInc is 0. *pnCapacity tracks the allocated element count and forces growth whenever it would be exceeded.
// An array lying in the document's blocks moves to malloc'd memory (the blocks never grow in place).
void *growArray(const XMLNode::XMLNodeDataTag *d, void *p, int newsize, int memInc, int sizeofElem, int *pnCapacity)
{
    int capacity;
    // While parsing, most arrays get one item (an element's one text, a leaf's order): the first item
    // gets an exact array in the document's blocks, and only a second moves it to a growth array.
    XMLArena *const arena = processWide.parseArena;
    const bool parsing = memInc > 1 && arena && d->pArena == arena;
    if (!p && parsing && newsize == 1) {
        capacity = 1;
        p = arenaAlloc(arena, sizeofElem, sizeof(void *));
    } else if (!p) {
        capacity = memInc > newsize ? memInc : newsize;
        p = takeGrowthArray(static_cast<size_t>(capacity) * sizeofElem);
    } else if (parsing && *pnCapacity == 1 && newsize < memInc && arenaOwns(arena, p)) {
        capacity = memInc;
        void *moved = takeGrowthArray(static_cast<size_t>(capacity) * sizeofElem);
        if (moved) memcpy(moved, p, sizeofElem);
        p = moved;
    } else if (memInc == 0 || newsize % memInc == 0 || newsize > *pnCapacity) {
        capacity = memInc == 0 ? newsize : newsize + memInc;
        if (d->pArena && arenaOwns(d->pArena, p)) {
            void *moved = malloc(static_cast<size_t>(capacity) * sizeofElem);
            if (moved) memcpy(moved, p, static_cast<size_t>(mmin(*pnCapacity, capacity)) * sizeofElem);
            p = moved;
        } else {
            p = realloc(p, static_cast<size_t>(capacity) * sizeofElem);
        }
    } else {
        return p;
    }
    *pnCapacity = capacity;
    return p;
}

inline void *myRealloc(const XMLNode::XMLNodeDataTag *d, void *p, int newsize, int memInc, int sizeofElem,
                       int *pnCapacity)
{
    // While parsing, an array reaches a multiple of memInc exactly when it is full: most calls end here.
    if (p && memInc && newsize < *pnCapacity) return p;
    return growArray(d, p, newsize, memInc, sizeofElem, pnCapacity);
}

// The item type of an order entry, and the entry for item `index` of a type.
int entryType(int entry) { return entry & 3; }
int orderEntry(int index, XMLElementType type) { return (index << 2) | type; }

// Position in d's order array of the entry (index, xtype); -1 for a negative index.
int findPosition(XMLNode::XMLNodeDataTag *d, int index, XMLElementType xtype)
{
    if (index < 0) return -1;
    const int entry = orderEntry(index, xtype);
    int i = 0;
    while (d->pOrder[i] != entry) {
        i++;
        assert(i < d->nChild + d->nText + d->nClear + 1);
    }
    return i;
}

// Removes the order entry (index, t) after the caller lowered t's count, renumbering later t entries.
void removeOrderElement(XMLNode::XMLNodeDataTag *d, XMLElementType t, int index)
{
    const int n = d->nChild + d->nText + d->nClear;
    int *o = d->pOrder;
    int i = findPosition(d, index, t);
    memmove(o + i, o + i + 1, (n - i) * sizeof(int));
    for (; i < n; i++)
        if (entryType(o[i]) == t) o[i] -= 4;
}

// Makes room for one more item of type xtype at order position *pos (append when out of range).
// Returns the possibly moved typed array; *pos becomes the slot where the caller stores the item.
void *addToOrder(XMLNode::XMLNodeDataTag *d, int *pos, int nc, void *p, int size, XMLElementType xtype,
                 int *pnCapacity)
{
    p = myRealloc(d, p, nc + 1, processWide.memoryIncrease, size, pnCapacity);
    const int n = d->nChild + d->nText + d->nClear;
    d->pOrder = static_cast<int *>(
        myRealloc(d, d->pOrder, n + 1, processWide.memoryIncrease * 3, sizeof(int), &d->nOrderCapacity));
    int *o = d->pOrder;
    if (*pos < 0 || *pos >= n) {
        o[n] = orderEntry(nc, xtype);
        *pos = nc;
        return p;
    }
    int i = *pos;
    while (i < n && entryType(o[i]) != xtype) i++;
    const int k = i < n ? o[i] >> 2 : nc;
    memmove(o + *pos + 1, o + *pos, (n - *pos) * sizeof(int));
    o[*pos] = orderEntry(k, xtype);
    for (i = *pos + 1; i <= n; i++)
        if (entryType(o[i]) == xtype) o[i] += 4;
    char *bytes = static_cast<char *>(p);
    memmove(bytes + static_cast<size_t>(k + 1) * size, bytes + static_cast<size_t>(k) * size,
            static_cast<size_t>(nc - k) * size);
    *pos = k;
    return p;
}

// Moves one growth array of a parsed record into an exact array in its document's blocks (freed when
// empty); used only while parsing. The growth block goes straight back to serve the next element.
void *trimArray(XMLArena *arena, void *p, int count, int size, int *pnCapacity)
{
    if (!p) return nullptr;
    const bool inBlocks = arena && arenaOwns(arena, p); // a first item's array, not a growth array
    if (inBlocks && count == *pnCapacity) return p;
    const size_t grown = static_cast<size_t>(*pnCapacity) * size;
    if (count == 0) {
        if (!inBlocks) giveBackGrowthArray(p, grown);
        *pnCapacity = 0;
        return nullptr;
    }
    // The order array holds no attributes, so its count can exceed what it holds.
    const int held = count < *pnCapacity ? count : *pnCapacity;
    const size_t bytes = static_cast<size_t>(count) * size;
    void *exact = arena ? arenaAlloc(arena, bytes, sizeof(void *)) : malloc(bytes);
    if (!exact) return p;
    *pnCapacity = count;
    memcpy(exact, p, static_cast<size_t>(held) * size);
    if (!inBlocks) giveBackGrowthArray(p, grown);
    return exact;
}

// Trims array p of record d (typed) to its used length; see trimArray.
template <class Item> void trimTo(XMLNode::XMLNodeDataTag *d, Item *&p, int count, int *pnCapacity)
{
    p = static_cast<Item *>(trimArray(d->pArena, p, count, sizeof(Item), pnCapacity));
}

// Returns the spare block capacity of d's arrays while a parse is growing them in blocks.
void exactMemory(XMLNode::XMLNodeDataTag *d)
{
    if (processWide.memoryIncrease <= 1) return;
    trimTo(d, d->pOrder, d->nAttribute + d->nChild + d->nText + d->nClear, &d->nOrderCapacity);
    trimTo(d, d->pChild, d->nChild, &d->nChildCapacity);
    trimTo(d, d->pAttribute, d->nAttribute, &d->nAttributeCapacity);
    trimTo(d, d->pText, d->nText, &d->nTextCapacity);
    trimTo(d, d->pClear, d->nClear, &d->nClearCapacity);
}

// Opens a file, reading a backslash in its name as a folder separator.
FILE *openFileWithPosixPath(const char *filename, const char *mode)
{
    char *path = stringDup(filename);
    if (!path) return nullptr;
    for (char *c = path; *c; c++)
        if (*c == '\\') *c = '/';
    FILE *f = fopen(path, mode);
    free(path);
    return f;
}

} // namespace

// Removes d from its parent's children without touching d's reference count or d->pParent.
void detachFromParent(XMLNode::XMLNodeDataTag *d)
{
    XMLNode::XMLNodeDataTag *pa = d->pParent;
    int i = 0;
    while (pa->pChild[i].d != d) i++;
    pa->nChild--;
    if (pa->nChild) {
        memmove(static_cast<void *>(pa->pChild + i), static_cast<void *>(pa->pChild + i + 1),
                (pa->nChild - i) * sizeof(XMLNode));
    } else {
        releasePiece(pa, pa->pChild);
        pa->pChild = nullptr;
        pa->nChildCapacity = 0;
    }
    removeOrderElement(pa, eNodeChild, i);
}

// ===== node model ==============================================================

XMLNode XMLNode::emptyXMLNode;
XMLClear XMLNode::emptyXMLClear = {nullptr, nullptr, nullptr};
XMLAttribute XMLNode::emptyXMLAttribute = {nullptr, nullptr};
int XMLNode::IsError = 0;

XMLNode::XMLNode(XMLNodeDataTag *p) : d(p) { d->ref_count++; }

XMLNode::XMLNode(XMLNodeDataTag *pParent, const char *lpszName, char isDeclaration)
{
    if (processWide.parseArena) {
        d = static_cast<XMLNodeDataTag *>(
            arenaAlloc(processWide.parseArena, sizeof(XMLNodeDataTag), alignof(XMLNodeDataTag)));
        memset(d, 0, sizeof(XMLNodeDataTag));
        d->pArena = processWide.parseArena;
        processWide.parseArena->nRecords++;
    } else {
        d = static_cast<XMLNodeDataTag *>(calloc(1, sizeof(XMLNodeDataTag)));
    }
    d->lpszName = lpszName;
    d->isDeclaration = isDeclaration;
    d->pParent = pParent;
    d->ref_count = 1;
}

XMLNode::XMLNode(const XMLNode &A) : d(A.d)
{
    if (d) d->ref_count++;
}

XMLNode &XMLNode::operator=(const XMLNode &A)
{
    if (this != &A) {
        XMLNodeDataTag *shared = A.d;
        if (shared) shared->ref_count++; // before releasing: A may live inside our own record
        deleteNodeContent(0);
        d = shared;
    }
    return *this;
}

XMLNode::~XMLNode() { deleteNodeContent(0); }

void XMLNode::deleteNodeContent(char force)
{
    if (!d) return;
    d->ref_count--;
    if (d->ref_count > 0 && !force) {
        d = nullptr;
        return;
    }
    XMLNodeDataTag *r = d;
    d = nullptr;
    if (r->pParent) detachFromParent(r);
    for (int i = 0; i < r->nChild; i++) {
        if (r->pChild[i].d) r->pChild[i].d->pParent = nullptr;
        r->pChild[i].deleteNodeContent(force);
    }
    releasePiece(r, r->pChild);
    for (int i = 0; i < r->nText; i++) releasePiece(r, r->pText[i]);
    releasePiece(r, r->pText);
    for (int i = 0; i < r->nClear; i++) releasePiece(r, r->pClear[i].lpszValue);
    releasePiece(r, r->pClear);
    for (int i = 0; i < r->nAttribute; i++) {
        releasePiece(r, r->pAttribute[i].lpszName);
        releasePiece(r, r->pAttribute[i].lpszValue);
    }
    releasePiece(r, r->pAttribute);
    releasePiece(r, r->pOrder);
    releasePiece(r, r->lpszName);
    if (!r->pArena) {
        free(r);
    } else if (--r->pArena->nRecords == 0) {
        arenaFree(r->pArena);
    } else {
        XML_POISON(r, sizeof *r); // a handle used after its record went is still caught in checked builds
    }
}

XMLNode XMLNode::createXMLTopNode_WOSD(const char *lpszName, char isDeclaration)
{
    XMLNode top(nullptr, lpszName, isDeclaration);
    return top;
}

XMLNode XMLNode::createXMLTopNode(const char *lpszName, char isDeclaration)
{
    return createXMLTopNode_WOSD(stringDup(lpszName), isDeclaration);
}

XMLNode XMLNode::addChild_WOSD(const char *lpszName, char isDeclaration, int pos)
{
    if (!lpszName || !d) return emptyXMLNode;
    d->pChild = static_cast<XMLNode *>(
        addToOrder(d, &pos, d->nChild, d->pChild, sizeof(XMLNode), eNodeChild, &d->nChildCapacity));
    new (&d->pChild[pos]) XMLNode(d, lpszName, isDeclaration); // the slot is raw memory: the parent's reference
    d->nChild++;
    return d->pChild[pos];
}

XMLNode XMLNode::addChild(const char *lpszName, char isDeclaration, int pos)
{
    return d && lpszName ? addChild_WOSD(stringDup(lpszName), isDeclaration, pos) : emptyXMLNode;
}

XMLNode XMLNode::addChild(XMLNode childNode, int pos)
{
    XMLNodeDataTag *dc = childNode.d;
    if (!dc || !d) return childNode;
    for (XMLNodeDataTag *a = d; a; a = a->pParent)
        if (a == dc) return emptyXMLNode; // would put the node inside itself
    if (dc->pParent) {
        if (dc->pParent == d) {
            // pos names a position in the order as it is now, before the node leaves it
            const int n = d->nChild + d->nText + d->nClear;
            int index = 0;
            while (d->pChild[index].d != dc) index++;
            const int old = findPosition(d, index, eNodeChild);
            if (pos < 0 || pos >= n) pos = -1;
            else if (pos > old) pos--;
        }
        detachFromParent(dc);
    } else {
        dc->ref_count++;
    }
    dc->pParent = d;
    d->pChild = static_cast<XMLNode *>(
        addToOrder(d, &pos, d->nChild, d->pChild, sizeof(XMLNode), eNodeChild, &d->nChildCapacity));
    d->pChild[pos].d = dc;
    d->nChild++;
    return XMLNode(dc);
}

XMLAttribute *XMLNode::addAttribute_WOSD(const char *lpszName, const char *lpszValue)
{
    if (!lpszName || !d) return &emptyXMLAttribute;
    d->pAttribute = static_cast<XMLAttribute *>(myRealloc(d, d->pAttribute, d->nAttribute + 1,
                                                          processWide.memoryIncrease, sizeof(XMLAttribute),
                                                          &d->nAttributeCapacity));
    XMLAttribute *a = d->pAttribute + d->nAttribute++;
    a->lpszName = lpszName;
    a->lpszValue = lpszValue;
    return a;
}

XMLAttribute *XMLNode::addAttribute(const char *lpszName, const char *lpszValue)
{
    if (!lpszName || !d) return &emptyXMLAttribute;
    return addAttribute_WOSD(stringDup(lpszName), stringDup(lpszValue));
}

const char *XMLNode::addText_WOSD(const char *lpszValue, int pos)
{
    if (!lpszValue || !d) return nullptr;
    d->pText = static_cast<const char **>(
        addToOrder(d, &pos, d->nText, d->pText, sizeof(char *), eNodeText, &d->nTextCapacity));
    d->pText[pos] = lpszValue;
    d->nText++;
    return lpszValue;
}

const char *XMLNode::addText(const char *lpszValue, int pos)
{
    return d && lpszValue ? addText_WOSD(stringDup(lpszValue), pos) : nullptr;
}

XMLClear *XMLNode::addClear_WOSD(const char *lpszValue, const char *lpszOpen, const char *lpszClose, int pos)
{
    if (!lpszValue || !d) return &emptyXMLClear;
    d->pClear = static_cast<XMLClear *>(
        addToOrder(d, &pos, d->nClear, d->pClear, sizeof(XMLClear), eNodeClear, &d->nClearCapacity));
    XMLClear *c = d->pClear + pos;
    c->lpszValue = lpszValue;
    c->lpszOpenTag = lpszOpen;
    c->lpszCloseTag = lpszClose;
    d->nClear++;
    return c;
}

XMLClear *XMLNode::addClear(const char *lpszValue, const char *lpszOpen, const char *lpszClose, int pos)
{
    if (!lpszValue || !d) return &emptyXMLClear;
    return addClear_WOSD(stringDup(lpszValue), lpszOpen, lpszClose, pos);
}

// ----- queries -------------------------------------------------------------------

const char *XMLNode::getName() const { return d ? d->lpszName : nullptr; }
char XMLNode::isEmpty() const { return d == nullptr; }
char XMLNode::isDeclaration() const { return d ? d->isDeclaration : 0; }
int XMLNode::nChildNode() const { return d ? d->nChild : 0; }
int XMLNode::nText() const { return d ? d->nText : 0; }
int XMLNode::nClear() const { return d ? d->nClear : 0; }
int XMLNode::nAttribute() const { return d ? d->nAttribute : 0; }
int XMLNode::nElement() const { return d ? d->nAttribute + d->nChild + d->nText + d->nClear : 0; }

int XMLNode::nChildNode(const char *name) const
{
    int count = 0;
    for (int i = 0; i < nChildNode(); i++)
        if (sameName(d->pChild[i].d->lpszName, name)) count++;
    return count;
}

XMLNode XMLNode::getChildNode(int i) const
{
    return (i >= 0 && i < nChildNode()) ? d->pChild[i] : emptyXMLNode;
}

XMLNode XMLNode::getChildNode(const char *name, int *j) const
{
    for (int i = j ? *j : 0; i < nChildNode(); i++) {
        if (sameName(d->pChild[i].d->lpszName, name)) {
            if (j) *j = i + 1;
            return d->pChild[i];
        }
    }
    return emptyXMLNode;
}

XMLNode XMLNode::getChildNode(const char *name, int j) const
{
    int next = 0;
    while (j-- > 0) getChildNode(name, &next);
    return getChildNode(name, &next);
}

XMLNode XMLNode::getParentNode() const
{
    return (d && d->pParent) ? XMLNode(d->pParent) : emptyXMLNode;
}

const char *XMLNode::getText(int i) const { return (i >= 0 && i < nText()) ? d->pText[i] : nullptr; }

XMLClear XMLNode::getClear(int i) const { return (i >= 0 && i < nClear()) ? d->pClear[i] : emptyXMLClear; }

XMLAttribute XMLNode::getAttribute(int i) const
{
    return (i >= 0 && i < nAttribute()) ? d->pAttribute[i] : emptyXMLAttribute;
}

const char *XMLNode::getAttributeName(int i) const { return getAttribute(i).lpszName; }
const char *XMLNode::getAttributeValue(int i) const { return getAttribute(i).lpszValue; }

const char *XMLNode::getAttribute(const char *name, int *j) const
{
    for (int i = j ? *j : 0; i < nAttribute(); i++) {
        if (sameName(d->pAttribute[i].lpszName, name)) {
            if (j) *j = i + 1;
            return d->pAttribute[i].lpszValue;
        }
    }
    return nullptr;
}

const char *XMLNode::getAttribute(const char *name, int j) const
{
    int next = 0;
    while (j-- > 0) getAttribute(name, &next);
    return getAttribute(name, &next);
}

char XMLNode::isAttributeSet(const char *name) const
{
    for (int i = 0; i < nAttribute(); i++)
        if (sameName(d->pAttribute[i].lpszName, name)) return 1;
    return 0;
}

XMLNodeContents XMLNode::enumContents(int i) const
{
    XMLNodeContents c;
    c.type = eNodeNULL;
    c.attrib = emptyXMLAttribute;
    c.text = nullptr;
    c.clear = emptyXMLClear;
    if (i < 0 || i >= nElement()) return c;
    if (i < d->nAttribute) {
        c.type = eNodeAttribute;
        c.attrib = d->pAttribute[i];
        return c;
    }
    const int entry = d->pOrder[i - d->nAttribute];
    c.type = static_cast<XMLElementType>(entryType(entry));
    switch (c.type) {
    case eNodeChild: c.child = d->pChild[entry >> 2]; break;
    case eNodeText: c.text = d->pText[entry >> 2]; break;
    case eNodeClear: c.clear = d->pClear[entry >> 2]; break;
    default: break;
    }
    return c;
}

// ===== parser ======================================================================

// State of one parse.
struct XML {
    const char *lpXML;      // the whole input
    int nIndex;             // offset of the next unread character
    int nIndexMissigEndTag; // offset recorded with the latest eXMLErrorMissingEndTag
    XMLError error;         // latest error or warning
    const char *lpEndTag;   // name of an end tag still waiting for an enclosing element
    int cbEndTag;           // its length; 0 when none is waiting
    int nFirst;             // 1 until the outermost element parse starts
    int nDepth;             // elements open around the current one
};

namespace {

struct NextToken {
    const ALLXMLClearTag *pClr; // the clear section opened here, for eTokenClear
    const char *pStr;           // start of the token, null at the end of the input
};

enum XMLTokenTypeTag {
    eTokenText = 0,
    eTokenQuotedText,
    eTokenTagStart,       // "<"
    eTokenTagEnd,         // "</"
    eTokenCloseTag,       // ">"
    eTokenEquals,         // "="
    eTokenDeclaration,    // "<?"
    eTokenShortHandClose, // "/>"
    eTokenClear,
    eTokenError           // end of input
};

enum Status { eInsideTag = 0, eOutsideTag };
enum Attrib { eAttribName = 0, eAttribEquals, eAttribValue };

// Bytes of the character at s under the current table, never reaching past a 0 byte or `remaining` bytes.
int charLength(const char *s, int remaining)
{
    int n = processWide.byteTable[static_cast<unsigned char>(*s)];
    for (int k = 1; k < n; k++)
        if (k >= remaining || !s[k]) return k;
    return n;
}

// Reads one character and returns its first byte; at the terminator it stays put and returns 0.
inline char getNextChar(XML *pXML)
{
    const char *s = pXML->lpXML + pXML->nIndex;
    if (static_cast<unsigned char>(*s) < 0x80) { // ASCII is one byte under both tables: the common case, without a lookup
        if (*s) pXML->nIndex++;
    } else {
        pXML->nIndex += charLength(s, 4);
    }
    return *s;
}

// The ASCII bytes that may end a text token: the end, whitespace, "<", ">", "=" and "/" (when ">" follows).
const bool textStop[128] = {
    /*0*/ 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    /* */ 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0,
    /*@*/ 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    /*`*/ 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// Where a text token that goes on at p ends: at the end, white space, "<", ">", "=" or "/>".
inline const char *textTokenEnd(const char *p)
{
    for (;; p++) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c >= 0x80) {
            p += charLength(p, 4) - 1;
            continue;
        }
        if (!textStop[c] || (c == '/' && p[1] != '>')) continue;
        return p;
    }
}

// Whether a clear section's opening has c as its second character (either case): most tags need no row.
bool opensClearSection(char c)
{
    static const std::array<bool, 256> seconds = [] {
        std::array<bool, 256> is = {};
        for (const ALLXMLClearTag *row = XMLClearTags; row->lpszOpen; row++)
            is[static_cast<unsigned char>(asciiLower(row->lpszOpen[1]))] = true;
        return is;
    }();
    return seconds[static_cast<unsigned char>(asciiLower(c))];
}

// Reads the next token; *pcbToken gets its length (not set for clear sections).
NextToken GetNextToken(XML *pXML, int *pcbToken, XMLTokenTypeTag *pType)
{
    NextToken result = {nullptr, nullptr};
    const char *start = pXML->lpXML + pXML->nIndex;
    while (isXMLWhitespace(*start)) start++;
    const int indexStart = static_cast<int>(start - pXML->lpXML);
    pXML->nIndex = indexStart;
    const char ch = getNextChar(pXML);
    if (!ch) {
        *pcbToken = 0;
        *pType = eTokenError;
        return result;
    }
    result.pStr = pXML->lpXML + indexStart;
    // Every clear section opens with "<": its second character picks the rows worth comparing.
    const char second = ch == '<' && opensClearSection(result.pStr[1]) ? asciiLower(result.pStr[1]) : 0;
    for (const ALLXMLClearTag *row = XMLClearTags; second && row->lpszOpen; row++) {
        if (second == asciiLower(row->lpszOpen[1]) && !xmlStrnicmp(row->lpszOpen, result.pStr, row->openTagLen)) {
            pXML->nIndex = indexStart + row->openTagLen;
            *pType = eTokenClear;
            result.pClr = row;
            return result;
        }
    }
    const char *xml = pXML->lpXML;
    bool text = false;
    switch (ch) {
    case '"':
    case '\'': {
        *pType = eTokenQuotedText;
        const char *p = xml + pXML->nIndex;
        while (*p && *p != ch && *p != '<') p += static_cast<unsigned char>(*p) < 0x80 ? 1 : charLength(p, 4);
        pXML->nIndex = static_cast<int>(p - xml) + (*p ? 1 : 0);
        if (*p != ch) {
            pXML->nIndex = indexStart + 1;
            text = true;
        }
        break;
    }
    case '<':
        if (xml[pXML->nIndex] == '/') {
            pXML->nIndex++;
            *pType = eTokenTagEnd;
        } else if (xml[pXML->nIndex] == '?') {
            pXML->nIndex++;
            *pType = eTokenDeclaration;
        } else {
            *pType = eTokenTagStart;
        }
        break;
    case '/':
        if (xml[pXML->nIndex] == '>') {
            pXML->nIndex++;
            *pType = eTokenShortHandClose;
        } else {
            text = true;
        }
        break;
    case '=': *pType = eTokenEquals; break;
    case '>': *pType = eTokenCloseTag; break;
    default: text = true; break;
    }
    int cbWhitespace = 0;
    if (text) {
        *pType = eTokenText;
        const char *p = textTokenEnd(xml + pXML->nIndex);
        // whitespace ends the token and is consumed; "<", ">", "=", "/>" and the end are left unread
        cbWhitespace = *p && isXMLWhitespace(*p);
        pXML->nIndex = static_cast<int>(p - xml) + cbWhitespace;
    }
    *pcbToken = pXML->nIndex - indexStart - cbWhitespace;
    return result;
}

// Reads "&#ddd;" or "&#xhh;" at s (lo bytes available); returns its length and the code point in *pValue, or 0.
int readCharacterReference(const char *s, int lo, unsigned long *pValue)
{
    int i = 2;
    int base = 10;
    if (i < lo && (s[i] == 'x' || s[i] == 'X')) {
        base = 16;
        i++;
    }
    const int firstDigit = i;
    unsigned long value = 0;
    for (; i < lo && s[i] && s[i] != ';'; i++) {
        const char c = s[i];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return 0;
        value = value * base + digit;
        if (value > 0x10FFFF) return 0;
    }
    if (i >= lo || s[i] != ';' || i == firstDigit) return 0;
    *pValue = value;
    return i + 1;
}

// Bytes of code point v in UTF-8.
int utf8Length(unsigned long v) { return v < 0x80 ? 1 : v < 0x800 ? 2 : v < 0x10000 ? 3 : 4; }

// Bytes that encode code point v in the current text encoding (0: not representable).
int encodedLength(unsigned long v)
{
    if (v == 0 || (v >= 0xD800 && v <= 0xDFFF)) return 0;
    if (processWide.byteTable != XML_utf8ByteTable) return v < 0x100 ? 1 : 0;
    return utf8Length(v);
}

// Writes code point v as n bytes: UTF-8 when n > 1, the byte itself when n is 1.
void encodeCodePoint(char *out, unsigned long v, int n)
{
    if (n == 1) {
        out[0] = static_cast<char>(v);
        return;
    }
    static const unsigned char lead[] = {0, 0, 0xC0, 0xE0, 0xF0};
    for (int k = n - 1; k > 0; k--, v >>= 6) out[k] = static_cast<char>(0x80 | (v & 0x3F));
    out[0] = static_cast<char>(lead[n] | v);
}

// Reads the entity or character reference at s; returns its length and the bytes it stands for, or 0.
int readReference(const char *s, int lo, char out[4], int *pcbOut)
{
    if (lo > 2 && s[1] == '#') {
        unsigned long v;
        const int len = readCharacterReference(s, lo, &v);
        *pcbOut = len ? encodedLength(v) : 0;
        if (!*pcbOut) return 0;
        encodeCodePoint(out, v, *pcbOut);
        return len;
    }
    const char second = asciiLower(s[1]);
    for (const XMLCharacterEntity *e = XMLEntities; e->s; e++) {
        if (e->s[1] == second && e->l <= lo && !xmlStrnicmp(s, e->s, e->l)) {
            out[0] = e->c;
            *pcbOut = 1;
            return e->l;
        }
    }
    return 0;
}

// Decodes entities and character references in the first lo bytes of s into a new string.
// Returns null (error eXMLErrorUnknownEscapeSequence) on a bad reference; null in, null out.
char *fromXMLString(const char *s, int lo, XML *pXML)
{
    if (!s) return nullptr;
    const char *zero = lo > 0 ? static_cast<const char *>(memchr(s, 0, lo)) : s;
    const int plain = zero ? static_cast<int>(zero - s) : lo;
    // A reference is never shorter than the bytes it stands for, so the
    // result fits in the input's size; one pass decodes, and a result that
    // came out shorter is trimmed to its exact size.
    char *result = newStringBytes(plain + 1);
    if (!result) return nullptr;
    const char *amp = static_cast<const char *>(memchr(s, '&', plain));
    if (!amp) { // most runs hold no reference: the bytes themselves
        memcpy(result, s, plain);
        result[plain] = 0;
        return result;
    }
    // Bytes before the first byte of a multi-byte character start characters of their own.
    int i = 0;
    while (i < amp - s && static_cast<unsigned char>(s[i]) < 0x80) i++;
    memcpy(result, s, i);
    char *out = result + i;
    for (int n; i < plain; i += n) {
        if (s[i] == '&') {
            int cbOut;
            n = readReference(s + i, lo - i, out, &cbOut);
            if (!n) {
                if (!processWide.parseArena) free(result);
                pXML->error = eXMLErrorUnknownEscapeSequence;
                return nullptr;
            }
            out += cbOut;
        } else {
            n = static_cast<unsigned char>(s[i]) < 0x80 ? 1 : charLength(s + i, lo - i);
            if (n == 1) // the whole run of ASCII bytes up to the next reference or multi-byte character
                while (i + n < plain && static_cast<unsigned char>(s[i + n]) < 0x80 && s[i + n] != '&') n++;
            memcpy(out, s + i, n);
            out += n;
        }
    }
    *out = 0;
    const size_t size = out - result + 1;
    if (processWide.parseArena) arenaShrinkLast(processWide.parseArena, result, size);
    else if (size < static_cast<size_t>(plain) + 1) result = static_cast<char *>(realloc(result, size));
    return result;
}

// 0 when copen (an end tag in the input) names the element cclose, ignoring case; else 1.
int myTagCompare(const char *cclose, const char *copen)
{
    if (!cclose) return 1;
    const size_t l = strlen(cclose);
    if (xmlStrnicmp(cclose, copen, l)) return 1;
    const char c = copen[l];
    return (isXMLWhitespace(c) || c == '/' || c == '<' || c == '>' || c == '=') ? 0 : 1;
}

// Lowers *pcbText past the trailing whitespace of the text at lpszToken.
void FindEndOfText(const char *lpszToken, int *pcbText)
{
    assert(lpszToken);
    while (*pcbText > 0 && isXMLWhitespace(lpszToken[*pcbText - 1])) (*pcbText)--;
}

// Sets the 1-based line and column of the character at offset nUpto.
void CountLinesAndColumns(const char *lpXML, int nUpto, XMLResults *pResults)
{
    assert(lpXML && pResults);
    XML xml = {lpXML, 0, 0, eXMLErrorNone, nullptr, 0, 0, 0};
    pResults->nLine = 1;
    pResults->nColumn = 1;
    while (xml.nIndex < nUpto) {
        const char ch = getNextChar(&xml);
        if (!ch) break;
        if (ch == '\n') {
            pResults->nLine++;
            pResults->nColumn = 1;
        } else {
            pResults->nColumn++;
        }
    }
}

// A copy of exactly cb bytes (cb may be 0), from the document being parsed.
char *copyBytes(const char *s, int cb)
{
    char *copy = newStringBytes(cb + 1);
    if (!copy) return nullptr;
    memcpy(copy, s, cb);
    copy[cb] = 0;
    return copy;
}

// Whether c starts an element's name that the token after "<" reads as text: a letter, "_" or ":", and no
// clear section opens with it.
bool startsPlainName(char c)
{
    return ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':') && !opensClearSection(c);
}

// For name="value" at p, with a name that starts with a letter, "_" or ":" and a value closed by its quote
// before any "<", where the closing quote lies (and *value where the value starts); else null.
const char *plainAttributeValueEnd(const char *p, const char **value)
{
    const char c = *p;
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':')) return nullptr;
    p = textTokenEnd(p);
    while (isXMLWhitespace(*p)) p++;
    if (*p++ != '=') return nullptr;
    while (isXMLWhitespace(*p)) p++;
    const char quote = *p;
    if (quote != '"' && quote != '\'') return nullptr;
    *value = p + 1;
    for (p++; *p && *p != quote && *p != '<';) p += static_cast<unsigned char>(*p) < 0x80 ? 1 : charLength(p, 4);
    return *p == quote ? p : nullptr;
}

// The length of "name>" when s starts with exactly that, else 0. Only names that the tokens after "</" read
// the same way qualify: ASCII, not opening with a quote, not ending with "/" (which would be read as "/>").
size_t plainEndTagLength(const char *name, const char *s)
{
    if (!name || !*name || *name == '"' || *name == '\'') return 0;
    size_t k = 0;
    for (; name[k]; k++)
        if (name[k] != s[k] || static_cast<unsigned char>(name[k]) >= 0x80) return 0;
    return s[k] == '>' && name[k - 1] != '/' ? k + 1 : 0;
}

// The end of what follows "[" up to the "]" that closes it, passing over quoted literals, comments and
// processing instructions, which may hold "]"; null when there is none.
const char *internalSubsetEnd(const char *p)
{
    for (; *p && *p != ']'; p++) {
        const char *skipped = p;
        if (*p == '"' || *p == '\'') skipped = strchr(p + 1, *p);
        else if (!strncmp(p, "<!--", 4)) skipped = strstr(p + 4, "-->");
        else if (!strncmp(p, "<?", 2)) skipped = strstr(p + 2, "?>");
        if (!skipped) return nullptr;
        p = skipped;
    }
    return *p ? p : nullptr;
}

// Where the close text of a clear section that began just before `start` lies, or null. A section that
// may hold an internal subset ("<!DOCTYPE d [ <!ENTITY ...> ]>") and has a "[" before its first close
// text, outside quoted literals, ends at the first close text after the "]" that closes the subset;
// any other ends at its first close text.
const char *clearSectionEnd(const char *start, const ALLXMLClearTag *pClear)
{
    const char *end = strstr(start, pClear->lpszClose);
    if (!end || !pClear->internalSubset) return end;
    for (const char *p = start; p < end; p++) {
        if (*p == '"' || *p == '\'') {
            const char *q = static_cast<const char *>(memchr(p + 1, *p, end - p - 1));
            if (!q) return end;
            p = q;
        } else if (*p == '[') {
            const char *closing = internalSubsetEnd(p + 1);
            return closing ? strstr(closing, pClear->lpszClose) : nullptr;
        }
    }
    return end;
}

} // namespace

int XMLNode::ParseClearTag(XML *pXML, const ALLXMLClearTag *pClear)
{
    const char *start = pXML->lpXML + pXML->nIndex;
    const char *end = clearSectionEnd(start, pClear);
    if (!end) {
        pXML->error = eXMLErrorUnmatchedEndClearTag;
        return 0;
    }
    pXML->nIndex = static_cast<int>(end - pXML->lpXML) + static_cast<int>(strlen(pClear->lpszClose));
    addClear_WOSD(copyBytes(start, static_cast<int>(end - start)), pClear->lpszOpen, pClear->lpszClose, -1);
    return 1;
}

namespace {

// What one step of an element's parse gives: the parse fails (0) or closes the element (1), as
// ParseXMLElement returns them, or it goes on; a shortcut may find markup of another shape, which the
// tokens then read.
enum XMLParseStep { eStepFailed = 0, eStepClosed = 1, eStepGoOn, eStepOtherShape };

} // namespace

// The parse of one element, from just after its name (or, for the root wrapper, the start of the input).
// Shortcuts read the commonest shapes of markup whole; the token state machine reads everything else, and
// reads those shapes the same way. The members are inline, and the loop that calls them is
// ParseXMLElement's, which holds the state: so it stays in registers (as calls, or with the state behind a
// pointer, the parse took 4 to 8% more instructions).
struct XMLElementParser {
    XMLNode &node;
    XMLNode::XMLNodeDataTag *d;
    XML *pXML;
    Status status;
    Attrib attrib = eAttribName;
    const char *lpszText = nullptr; // start of the pending text run, null when none
    const char *lpszTemp = nullptr; // pending attribute name, between its token and what follows it
    int cbTemp = 0;

    // shortcuts
    XMLParseStep readStartTagClose(const char *p);
    XMLParseStep readQuotedAttribute(const char *p);
    void skipText();
    XMLParseStep readPlainStartTag();
    XMLParseStep readPlainEndTag();
    // tokens
    XMLParseStep readToken();
    XMLParseStep contentToken(const NextToken &token, XMLTokenTypeTag type);
    XMLParseStep startTagToken(const NextToken &token, int cbToken, XMLTokenTypeTag type);
    XMLParseStep childStartTokens(const NextToken &tagStart, char isDeclaration);
    XMLParseStep endTagTokens(const NextToken &tagEnd);
    // shared by both
    XMLParseStep child(const char *name, int cbName, char isDeclaration);
    bool flushText(const char *end);
    XMLParseStep unexpectedToken()
    {
        pXML->error = eXMLErrorUnexpectedToken;
        return eStepFailed;
    }
};

int XMLNode::ParseXMLElement(XML *pXML)
{
    assert(pXML);
    XMLElementParser element = {*this, d, pXML, pXML->nFirst ? eOutsideTag : eInsideTag};
    pXML->nFirst = 0;
    for (;;) {
        // the markup in front: by its shortcut when one reads it, else by the next token
        XMLParseStep step = eStepOtherShape;
        if (element.status == eOutsideTag) {
            element.skipText();
            step = element.readPlainStartTag();
            if (step == eStepOtherShape) step = element.readPlainEndTag();
        } else if (element.attrib == eAttribName) { // where a name or the tag's end may come
            const char *p = pXML->lpXML + pXML->nIndex;
            while (isXMLWhitespace(*p)) p++;
            step = element.readStartTagClose(p);
            if (step == eStepOtherShape) step = element.readQuotedAttribute(p);
        }
        if (step == eStepOtherShape) step = element.readToken();
        if (step != eStepGoOn) return step;
    }
}

// ----- shortcuts -----------------------------------------------------------------------------------

// ">" at p, inside a start tag: the tag ends.
inline XMLParseStep XMLElementParser::readStartTagClose(const char *p)
{
    if (*p != '>') return eStepOtherShape;
    pXML->nIndex = static_cast<int>(p + 1 - pXML->lpXML);
    status = eOutsideTag;
    return eStepGoOn;
}

// name="value" at p, inside a start tag, with a plain name and a value closed by its quote: one attribute.
// A declaration's last value may end in the "?" of "?>": the tokens read those.
inline XMLParseStep XMLElementParser::readQuotedAttribute(const char *p)
{
    const char *value = nullptr;
    const char *valueEnd = d->isDeclaration ? nullptr : plainAttributeValueEnd(p, &value);
    if (!valueEnd) return eStepOtherShape;
    const char *nameEnd = textTokenEnd(p);
    pXML->nIndex = static_cast<int>(valueEnd + 1 - pXML->lpXML);
    char *decoded = fromXMLString(value, static_cast<int>(valueEnd - value), pXML);
    if (!decoded) return eStepFailed;
    node.addAttribute_WOSD(copyBytes(p, static_cast<int>(nameEnd - p)), decoded);
    return eStepGoOn;
}

// Text between tags, up to the next "<" or the end: every token in it would only extend the text run.
inline void XMLElementParser::skipText()
{
    const char *p = pXML->lpXML + pXML->nIndex;
    while (isXMLWhitespace(*p)) p++;
    if (*p && *p != '<') {
        if (!lpszText) lpszText = p;
        for (unsigned char c; (c = static_cast<unsigned char>(*p)) && c != '<';) p += c < 0x80 ? 1 : charLength(p, 4);
    }
    pXML->nIndex = static_cast<int>(p - pXML->lpXML);
}

// "<name" where the name starts with a letter that opens no clear section: a child starts.
inline XMLParseStep XMLElementParser::readPlainStartTag()
{
    const char *p = pXML->lpXML + pXML->nIndex;
    if (p[0] != '<' || !startsPlainName(p[1])) return eStepOtherShape;
    pXML->nIndex++;
    if (!flushText(p)) return eStepFailed;
    const char *end = textTokenEnd(p + 1);
    pXML->nIndex = static_cast<int>(end - pXML->lpXML) + (*end && isXMLWhitespace(*end));
    return child(p + 1, static_cast<int>(end - p - 1), 0);
}

// "</name>" with this element's name written as in its start tag: the element ends.
inline XMLParseStep XMLElementParser::readPlainEndTag()
{
    const char *p = pXML->lpXML + pXML->nIndex;
    const size_t length = p[0] == '<' && p[1] == '/' ? plainEndTagLength(d->lpszName, p + 2) : 0;
    if (!length) return eStepOtherShape;
    pXML->nIndex += 2;
    if (!flushText(p)) return eStepFailed;
    pXML->nIndex += static_cast<int>(length);
    exactMemory(d);
    return eStepClosed;
}

// ----- the token state machine -------------------------------------------------------------------

inline XMLParseStep XMLElementParser::readToken()
{
    int cbToken;
    XMLTokenTypeTag type;
    const NextToken token = GetNextToken(pXML, &cbToken, &type);
    if (type == eTokenError) { // the end of the input; a pending text run is dropped
        if (!d->isDeclaration && d->pParent) {
            pXML->error = eXMLErrorMissingEndTag;
            pXML->nIndexMissigEndTag = pXML->nIndex;
        }
        return eStepFailed;
    }
    return status == eOutsideTag ? contentToken(token, type) : startTagToken(token, cbToken, type);
}

// A token between tags.
inline XMLParseStep XMLElementParser::contentToken(const NextToken &token, XMLTokenTypeTag type)
{
    switch (type) {
    case eTokenText:
    case eTokenQuotedText:
    case eTokenCloseTag:
    case eTokenEquals:
    case eTokenShortHandClose:
        if (!lpszText) lpszText = token.pStr;
        return eStepGoOn;
    case eTokenTagStart:
    case eTokenDeclaration: return childStartTokens(token, type == eTokenDeclaration);
    case eTokenTagEnd: return endTagTokens(token);
    case eTokenClear:
        // decoded like any other run: a following comment must not change the text before it
        if (!flushText(token.pStr)) return eStepFailed;
        return node.ParseClearTag(pXML, token.pClr) ? eStepGoOn : eStepFailed;
    case eTokenError: break;
    }
    return eStepGoOn;
}

// A token inside a start tag, after its name: attributes as name, name=value or name="value".
inline XMLParseStep XMLElementParser::startTagToken(const NextToken &token, int cbToken, XMLTokenTypeTag type)
{
    switch (attrib) {
    case eAttribName:
        if (type == eTokenText) {
            lpszTemp = token.pStr;
            cbTemp = cbToken;
            attrib = eAttribEquals;
        } else if (type == eTokenCloseTag) {
            status = eOutsideTag;
        } else if (type == eTokenShortHandClose) {
            exactMemory(d);
            return eStepClosed;
        } else {
            return unexpectedToken();
        }
        return eStepGoOn;
    case eAttribEquals:
        if (type == eTokenText) { // the name before it has no value
            node.addAttribute_WOSD(copyBytes(lpszTemp, cbTemp), nullptr);
            lpszTemp = token.pStr;
            cbTemp = cbToken;
        } else if (type == eTokenCloseTag || type == eTokenShortHandClose) {
            if (d->isDeclaration && lpszTemp[cbTemp - 1] == '?') cbTemp--;
            if (cbTemp) node.addAttribute_WOSD(copyBytes(lpszTemp, cbTemp), nullptr);
            if (type == eTokenShortHandClose) {
                exactMemory(d);
                return eStepClosed;
            }
            status = eOutsideTag;
        } else if (type == eTokenEquals) {
            attrib = eAttribValue;
        } else {
            return unexpectedToken();
        }
        return eStepGoOn;
    case eAttribValue: {
        if (type != eTokenText && type != eTokenQuotedText) return unexpectedToken();
        const char *value = token.pStr;
        if (d->isDeclaration && cbToken > 0 && value[cbToken - 1] == '?') cbToken--;
        if (type == eTokenQuotedText) {
            value++;
            cbToken -= 2;
        }
        char *decoded = fromXMLString(value, cbToken, pXML);
        if (!decoded) return eStepFailed;
        node.addAttribute_WOSD(copyBytes(lpszTemp, cbTemp), decoded);
        attrib = eAttribName;
        return eStepGoOn;
    }
    }
    return eStepGoOn;
}

// "<" or "<?" read: the name follows, then the child's content.
inline XMLParseStep XMLElementParser::childStartTokens(const NextToken &tagStart, char isDeclaration)
{
    if (!flushText(tagStart.pStr)) return eStepFailed;
    int cbName;
    XMLTokenTypeTag type;
    const NextToken name = GetNextToken(pXML, &cbName, &type);
    if (type != eTokenText) {
        pXML->error = eXMLErrorMissingTagName;
        return eStepFailed;
    }
    if (isDeclaration && cbName > 1 && name.pStr[cbName - 1] == '?') cbName--; // "<?name?>"
    return child(name.pStr, cbName, isDeclaration);
}

// "</" read: a name and ">" follow. The element ends; a name not its own waits for the enclosing elements.
inline XMLParseStep XMLElementParser::endTagTokens(const NextToken &tagEnd)
{
    if (!flushText(tagEnd.pStr)) return eStepFailed;
    int cbName, cbClose;
    XMLTokenTypeTag type;
    const char *name = GetNextToken(pXML, &cbName, &type).pStr;
    if (type == eTokenText) GetNextToken(pXML, &cbClose, &type);
    else type = eTokenError;
    if (type != eTokenCloseTag) {
        pXML->error = eXMLErrorMissingEndTagName;
        return eStepFailed;
    }
    if (myTagCompare(d->lpszName, name)) {
        pXML->error = eXMLErrorMissingEndTag;
        pXML->nIndexMissigEndTag = pXML->nIndex;
        pXML->lpEndTag = name;
        pXML->cbEndTag = cbName;
    }
    exactMemory(d);
    return eStepClosed;
}

// ----- shared by shortcuts and tokens ---------------------------------------------------------------

// Adds the child named by the cbName bytes at name and parses it. An end tag that closed the child without
// naming it ends this element too, and is used up here when it names this element.
inline XMLParseStep XMLElementParser::child(const char *name, int cbName, char isDeclaration)
{
    if (pXML->nDepth >= XML_MAX_NESTING) {
        pXML->error = eXMLErrorNestingTooDeep;
        return eStepFailed;
    }
    XMLNode pNew = node.addChild_WOSD(copyBytes(name, cbName), isDeclaration, -1);
    pXML->nDepth++;
    const int closed = pNew.ParseXMLElement(pXML);
    pXML->nDepth--;
    if (!closed) return eStepFailed;
    if (!pXML->cbEndTag) return eStepGoOn;
    if (!d->lpszName) {
        pXML->error = eXMLErrorUnmatchedEndTag;
        return eStepFailed;
    }
    if (!myTagCompare(d->lpszName, pXML->lpEndTag)) pXML->cbEndTag = 0;
    return eStepClosed;
}

// Adds the pending text run, up to end, to the element, trimmed and decoded; false on a bad reference.
inline bool XMLElementParser::flushText(const char *end)
{
    if (!lpszText) return true;
    int cbText = static_cast<int>(end - lpszText);
    FindEndOfText(lpszText, &cbText);
    char *text = fromXMLString(lpszText, cbText, pXML);
    lpszText = nullptr;
    if (!text) return false;
    node.addText_WOSD(text, -1);
    return true;
}

XMLNode XMLNode::parseString(const char *lpszXML, const char *tag, XMLResults *pResults)
{
    if (!lpszXML) {
        if (pResults) {
            pResults->error = eXMLErrorNoElements;
            pResults->nLine = pResults->nColumn = 0;
        }
        return emptyXMLNode;
    }
    XML xml = {lpszXML, 0, 0, eXMLErrorNone, nullptr, 0, 1, 0};
    processWide.parseArena = arenaCreate(strlen(lpszXML));
    XMLNode xnode(nullptr, nullptr, 0);
    processWide.memoryIncrease = 50;
    xnode.ParseXMLElement(&xml);
    processWide.memoryIncrease = 0;
    if (processWide.parseArena) arenaFreeSpares(processWide.parseArena);
    processWide.parseArena = nullptr;
    if (xnode.nChildNode() == 1 && xnode.nElement() == 1) xnode = xnode.getChildNode(0);
    if (xml.error != eXMLErrorNone && xml.error != eXMLErrorMissingEndTag) xnode = emptyXMLNode;
    else if (tag && *tag && !sameName(xnode.getName(), tag)) {
        XMLNode searched = xnode;
        int i = 0;
        while (i < searched.nChildNode()) {
            XMLNode child = searched.getChildNode(i);
            if (sameName(child.getName(), tag)) break;
            if (child.isDeclaration()) {
                searched = child;
                i = 0;
            } else {
                i++;
            }
        }
        xnode = searched.getChildNode(i);
        if (xnode.isEmpty()) {
            if (pResults) {
                pResults->error = eXMLErrorFirstTagNotFound;
                pResults->nLine = pResults->nColumn = 0;
            }
            return emptyXMLNode;
        }
    }
    if (pResults) {
        pResults->error = xml.error;
        if (xml.error != eXMLErrorNone)
            CountLinesAndColumns(lpszXML, xml.error == eXMLErrorMissingEndTag ? xml.nIndexMissigEndTag : xml.nIndex,
                                 pResults);
    }
    return xnode;
}

const char *XMLNode::getError(XMLError error)
{
    switch (error) {
    case eXMLErrorNone: return "No error";
    case eXMLErrorMissingEndTag: return "Warning: Unmatched end tag";
    case eXMLErrorEmpty: return "Error: No XML data";
    case eXMLErrorFirstNotStartTag: return "Error: First token not start tag";
    case eXMLErrorMissingTagName: return "Error: Missing start tag name";
    case eXMLErrorMissingEndTagName: return "Error: Missing end tag name";
    case eXMLErrorNoMatchingQuote: return "Error: Unmatched quote";
    case eXMLErrorUnmatchedEndTag: return "Error: Unmatched end tag";
    case eXMLErrorUnmatchedEndClearTag: return "Error: Unmatched clear tag end";
    case eXMLErrorUnexpectedToken: return "Error: Unexpected token found";
    case eXMLErrorInvalidTag: return "Error: Invalid tag found";
    case eXMLErrorNoElements: return "Error: No elements found";
    case eXMLErrorFileNotFound: return "Error: File not found";
    case eXMLErrorFirstTagNotFound: return "Error: First Tag not found";
    case eXMLErrorUnknownEscapeSequence: return "Error: Unknown character entity";
    case eXMLErrorCharConversionError: return "Error: unable to convert between UNICODE and MultiByte chars";
    case eXMLErrorCannotOpenWriteFile: return "Error: unable to open file for writing";
    case eXMLErrorCannotWriteFile: return "Error: cannot write into file";
    case eXMLErrorBase64DataSizeIsNotMultipleOf4: return "Warning: Base64-string length is not a multiple of 4";
    case eXMLErrorBase64DecodeIllegalCharacter: return "Error: Base64-string contains an illegal character";
    case eXMLErrorBase64DecodeTruncatedData: return "Warning: Base64-string is truncated";
    case eXMLErrorBase64DecodeBufferTooSmall: return "Error: Base64 decode output buffer is too small";
    case eXMLErrorNestingTooDeep: return "Error: Elements nested too deeply";
    }
    return "Unknown";
}

void XMLNode::setGlobalOptions(char guessUnicode, char strictUTF8Parsing)
{
    processWide.guessUnicodeChars = guessUnicode;
    processWide.byteTable = strictUTF8Parsing ? XML_utf8ByteTable : XML_asciiByteTable;
}

void XMLNode::getGlobalOptions(char *guessUnicode, char *strictUTF8Parsing)
{
    if (guessUnicode) *guessUnicode = processWide.guessUnicodeChars;
    if (strictUTF8Parsing) *strictUTF8Parsing = processWide.byteTable == XML_utf8ByteTable;
}

// ===== files ========================================================================

namespace {

// Byte order of 16-bit text, as myIsTextUnicode reports it.
enum { eNotUTF16 = 0, eUTF16LittleEndian = 1, eUTF16BigEndian = 2 };

// Tests whether l bytes look like UTF-16 text: a byte-order mark, or (in the first 1024 bytes) most
// units with a zero high byte on one side and almost no zero bytes on the other, as ASCII-range
// markup in UTF-16 gives and 8-bit text never does. Returns the byte order or eNotUTF16.
char myIsTextUnicode(const void *buffer, int l)
{
    const unsigned char *b = static_cast<const unsigned char *>(buffer);
    if (l < 2) return eNotUTF16;
    if (b[0] == 0xFF && b[1] == 0xFE) return eUTF16LittleEndian;
    if (b[0] == 0xFE && b[1] == 0xFF) return eUTF16BigEndian;
    if (l % 2) return eNotUTF16;
    const int units = mmin(l, 1024) / 2;
    int zeroEven = 0, zeroOdd = 0;
    for (int i = 0; i < units; i++) {
        zeroEven += b[2 * i] == 0;
        zeroOdd += b[2 * i + 1] == 0;
    }
    // More than half of the units in the ASCII range, and fewer than one in eight of them mirrored.
    if (2 * zeroOdd > units && 8 * zeroEven < zeroOdd) return eUTF16LittleEndian;
    if (2 * zeroEven > units && 8 * zeroOdd < zeroEven) return eUTF16BigEndian;
    return eNotUTF16;
}

// Converts `units` UTF-16 units at s (byte order as given) to a new UTF-8 string; null on an unpaired surrogate.
char *myWideCharToMultiByte(const unsigned char *s, int units, char byteOrder)
{
    const int hi = byteOrder == eUTF16BigEndian ? 0 : 1;
    char *result = static_cast<char *>(malloc(static_cast<size_t>(units) * 3 + 1));
    if (!result) return nullptr;
    char *out = result;
    for (int i = 0; i < units; i++) {
        unsigned long v = static_cast<unsigned long>(s[2 * i + hi]) << 8 | s[2 * i + 1 - hi];
        if (v >= 0xD800 && v <= 0xDBFF && i + 1 < units) {
            const unsigned long low = static_cast<unsigned long>(s[2 * i + 2 + hi]) << 8 | s[2 * i + 3 - hi];
            if (low >= 0xDC00 && low <= 0xDFFF) {
                v = 0x10000 + ((v - 0xD800) << 10) + (low - 0xDC00);
                i++;
            }
        }
        if (v >= 0xD800 && v <= 0xDFFF) { // a surrogate without its other half
            free(result);
            return nullptr;
        }
        const int n = utf8Length(v);
        encodeCodePoint(out, v, n);
        out += n;
    }
    *out = 0;
    return result;
}

// Bytes of the file start that the encoding guess looks at.
enum { XML_GUESS_SAMPLE = 200 };

} // namespace

XMLNode XMLNode::parseFile(const char *filename, const char *tag, XMLResults *pResults)
{
    XMLResults ignored;
    if (!pResults) pResults = &ignored;
    pResults->nLine = pResults->nColumn = 0;
    FILE *f = filename ? openFileWithPosixPath(filename, "rb") : nullptr;
    if (!f) {
        pResults->error = eXMLErrorFileNotFound;
        return emptyXMLNode;
    }
    // A directory or a device opens too: it is unreadable rather than empty.
    long size = fseek(f, 0, SEEK_END) == 0 ? ftell(f) : -1;
    char *buffer = nullptr;
    if (size > 0 && size < 0x7FFFFFFF && fseek(f, 0, SEEK_SET) == 0) buffer = static_cast<char *>(malloc(size + 1));
    if (buffer) {
        size = static_cast<long>(fread(buffer, 1, size, f)); // a file cut short meanwhile gives what is left
        if (ferror(f)) {
            free(buffer);
            buffer = nullptr;
        }
    }
    fclose(f);
    if (!buffer || size == 0) {
        pResults->error = size == 0 ? eXMLErrorEmpty : eXMLErrorFileNotFound;
        free(buffer);
        return emptyXMLNode;
    }
    buffer[size] = 0;
    int headerSize = 0;
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(buffer);
    const char byteOrder =
        processWide.guessUnicodeChars ? myIsTextUnicode(buffer, static_cast<int>(size)) : static_cast<char>(eNotUTF16);
    if (byteOrder != eNotUTF16) {
        const int mark = (bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF);
        char *converted = myWideCharToMultiByte(bytes + 2 * mark, static_cast<int>(size / 2) - mark, byteOrder);
        free(buffer);
        if (!converted) {
            pResults->error = eXMLErrorCharConversionError;
            return emptyXMLNode;
        }
        // Converted text is UTF-8 whatever the table in force.
        const char *table = processWide.byteTable;
        processWide.byteTable = XML_utf8ByteTable;
        XMLNode x = parseString(converted, tag, pResults);
        processWide.byteTable = table;
        free(converted);
        return x;
    }
    if (bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) headerSize = 3;
    XMLNode x = parseString(buffer + headerSize, tag, pResults);
    free(buffer);
    return x;
}

XMLNode XMLNode::openFileHelper(const char *filename, const char *tag)
{
    FILE *f = filename ? openFileWithPosixPath(filename, "rb") : nullptr;
    if (f) {
        char sample[XML_GUESS_SAMPLE];
        const int count = static_cast<int>(fread(sample, 1, sizeof sample, f));
        setGlobalOptions(1, guessUTF8ParsingParameterValue(sample, count, 1));
        fclose(f);
    }
    XMLResults results;
    XMLNode x = parseFile(filename, tag, &results);
    IsError = results.error != eXMLErrorNone;
    return x;
}

char XMLNode::guessUTF8ParsingParameterValue(void *buf, int l, char useXMLEncodingAttribute)
{
    const unsigned char *b = static_cast<const unsigned char *>(buf);
    if (!b || l < 25) return 0;
    if (myIsTextUnicode(b, l)) return 1; // parseFile converts it to UTF-8
    if (b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return 1;
    for (int i = 0; i < l && b[i];) {
        const int n = XML_utf8ByteTable[b[i]];
        for (int k = 1; k < n && i + k < l; k++)
            if ((b[i + k] & 0xC0) != 0x80) return 0;
        i += n;
    }
    if (!useXMLEncodingAttribute) return 1;
    char sample[XML_GUESS_SAMPLE + 1];
    const int n = mmin(l, XML_GUESS_SAMPLE);
    memcpy(sample, b, n);
    sample[n] = 0;
    const char *p = strstr(sample, "encoding");
    if (!p) return 1;
    p += 8;
    while (isXMLWhitespace(*p)) p++;
    if (*p++ != '=') return 1;
    while (isXMLWhitespace(*p)) p++;
    if (*p != '"' && *p != '\'') return 1;
    p++;
    while (isXMLWhitespace(*p)) p++;
    return (!xmlStrnicmp(p, "utf-8", 5) || !xmlStrnicmp(p, "utf8", 4)) ? 1 : 0;
}

// ===== escaping ================================================================

namespace {

// Bytes the writer copies as they are, for each character table: one-byte
// characters other than the terminator and the five escaped ones.
struct PlainBytes {
    bool byte[256];
};

PlainBytes plainBytes(const char *table)
{
    PlainBytes plain = {};
    for (int c = 0; c < 256; c++) plain.byte[c] = table[c] == 1 && !strchr("&<>\"'", c);
    return plain;
}

const PlainBytes plainUtf8 = plainBytes(XML_utf8ByteTable), plainAscii = plainBytes(XML_asciiByteTable);

const XMLCharacterEntity *entityFor(unsigned char c)
{
    const XMLCharacterEntity *entity = XMLEntities;
    while (entity->s && static_cast<unsigned char>(entity->c) != c) entity++;
    return entity->s ? entity : nullptr;
}

// Writes the escaped form of source into out, which takes runs of bytes
// (out.put(bytes, length)): runs of plain bytes go at once. A character
// whose byte sequence is cut short by the terminator ends at the terminator:
// nothing past it is read. The bytes after a lead byte belong to its
// character and are copied as they are.
// With keepEnds (element text), white space as the first or last character is
// written as a character reference: the parser trims white space at both ends
// of a text, so written as it is it would be lost.
template <class Out> void escapeXMLText(Out &out, const char *source, bool keepEnds)
{
    const unsigned char *s = reinterpret_cast<const unsigned char *>(source);
    const bool *plain = processWide.byteTable == XML_utf8ByteTable ? plainUtf8.byte : plainAscii.byte;
    char reference[8];
    if (keepEnds && isXMLWhitespace(static_cast<char>(*s))) {
        out.put(reference, snprintf(reference, sizeof reference, "&#%d;", *s));
        s++;
    }
    for (;;) {
        const unsigned char *run = s;
        while (plain[*s]) s++;
        if (s != run) {
            if (!*s && keepEnds && isXMLWhitespace(static_cast<char>(s[-1]))) {
                out.put(reinterpret_cast<const char *>(run), static_cast<int>(s - run - 1));
                out.put(reference, snprintf(reference, sizeof reference, "&#%d;", s[-1]));
            } else {
                out.put(reinterpret_cast<const char *>(run), static_cast<int>(s - run));
            }
        }
        if (!*s) return;
        if (const XMLCharacterEntity *entity = entityFor(*s)) {
            out.put(entity->s, entity->l);
            s++;
            continue;
        }
        const int charLen = processWide.byteTable[*s];
        int i = 1;
        while (i < charLen && s[i]) i++;
        out.put(reinterpret_cast<const char *>(s), i);
        s += i;
    }
}

// Counts, or writes into a buffer already measured.
struct MeasuredOutput {
    char *dest;
    int n;
    void put(const char *s, int len)
    {
        if (dest) memcpy(dest + n, s, len);
        n += len;
    }
};

int escapeXMLText(char *dest, const char *source)
{
    MeasuredOutput out = {dest, 0};
    escapeXMLText(out, source, false);
    return out.n;
}

} // namespace

int lengthXMLString(const char *source) { return source ? escapeXMLText(nullptr, source) : 0; }

char *toXMLString(char *dest, const char *source)
{
    dest[source ? escapeXMLText(dest, source) : 0] = 0;
    return dest;
}

char *toXMLString(const char *source)
{
    char *dest = static_cast<char *>(malloc(lengthXMLString(source) + 1));
    return dest ? toXMLString(dest, source) : nullptr;
}

char *toXMLStringFast(char **dest, int *destSz, const char *source)
{
    int needed = lengthXMLString(source) + 1;
    if (*destSz < needed) {
        // On a failed growth the caller keeps its old buffer and size.
        char *grown = static_cast<char *>(realloc(*dest, needed));
        if (!grown) return nullptr;
        *dest = grown;
        *destSz = needed;
    }
    return toXMLString(*dest, source);
}

// ===== serialiser ==============================================================

// The serialiser's text, written in one pass into a buffer that doubles as
// it fills (measuring first would read every string twice). After a failed
// growth nothing more is written and the result is null.
struct XMLWriterOutput {
    char *text = nullptr;
    size_t n = 0, capacity = 0;
    bool failed = false;

    ~XMLWriterOutput() { free(text); }

    bool reserve(size_t more)
    {
        if (n + more <= capacity) return true;
        if (failed) return false;
        size_t grown = capacity ? capacity * 2 : 4096;
        while (grown < n + more) grown *= 2;
        char *bigger = static_cast<char *>(realloc(text, grown));
        if (!bigger) {
            failed = true;
            return false;
        }
        text = bigger;
        capacity = grown;
        return true;
    }
    void put(char c)
    {
        if (reserve(1)) text[n++] = c;
    }
    void put(const char *s, size_t len)
    {
        if (!reserve(len)) return;
        memcpy(text + n, s, len);
        n += len;
    }
    void put(const char *s) { put(s, strlen(s)); }
    void escaped(const char *s, bool keepEnds = false) { escapeXMLText(*this, s, keepEnds); }
    void tabs(int count)
    {
        if (count <= 0 || !reserve(count)) return;
        memset(text + n, '\t', count);
        n += count;
    }
    // Formatted output ends lines and tags with a line feed.
    void lineEnd(int nFormat)
    {
        if (nFormat >= 0) put('\n');
    }
    // The character just written is replaced by c (the space after the last
    // attribute becomes '>' or '?').
    void replaceLast(char c)
    {
        if (!failed) text[n - 1] = c;
    }
    void takeBackLast()
    {
        if (!failed) n--;
    }
};

namespace {

bool isNonEmpty(const char *s) { return s && *s; }

// "<name" and the attributes, then what ends the start tag: "?>" for a declaration, ">" before content,
// nothing before the "/>" of an element without content.
void writeStartTag(const XMLNode::XMLNodeDataTag *pEntry, size_t cbElement, bool hasContent, XMLWriterOutput &out,
                   int nFormat)
{
    if (nFormat >= 0) out.tabs(nFormat);
    out.put('<');
    if (pEntry->isDeclaration) out.put('?');
    out.put(pEntry->lpszName, cbElement);
    out.put(' ');
    bool wroteAttribute = false;
    for (int i = 0; i < pEntry->nAttribute; i++) {
        const XMLAttribute &attribute = pEntry->pAttribute[i];
        if (!isNonEmpty(attribute.lpszName)) continue;
        wroteAttribute = true;
        out.put(attribute.lpszName);
        if (attribute.lpszValue) {
            out.put("=\"", 2);
            out.escaped(attribute.lpszValue);
            out.put('"');
        }
        out.put(' ');
    }
    if (pEntry->isDeclaration) {
        // "<?xml?>" would read back as a name "xml?": without attributes the space after the name stays.
        if (wroteAttribute)
            out.replaceLast('?');
        else
            out.put('?');
        out.put('>');
        out.lineEnd(nFormat);
    } else if (hasContent) {
        out.replaceLast('>');
        out.lineEnd(nFormat);
    } else {
        out.takeBackLast(); // the space; "/>" follows in the end tag
    }
}

// A text of an element written at level nFormat, on a line of its own one level deeper.
void writeText(const char *text, XMLWriterOutput &out, int nFormat)
{
    if (!isNonEmpty(text)) return;
    if (nFormat >= 0) out.tabs(nFormat + 1);
    out.escaped(text, true);
    out.lineEnd(nFormat);
}

// A clear section, its value as it is between its delimiters.
void writeClear(const XMLClear &clear, XMLWriterOutput &out, int nFormat)
{
    if (isNonEmpty(clear.lpszOpenTag)) {
        if (nFormat >= 0) out.tabs(nFormat + 1);
        out.put(clear.lpszOpenTag);
    }
    if (isNonEmpty(clear.lpszValue)) out.put(clear.lpszValue);
    if (isNonEmpty(clear.lpszCloseTag)) out.put(clear.lpszCloseTag);
    out.lineEnd(nFormat);
}

// "</name>" after content, "/>" without.
void writeEndTag(const XMLNode::XMLNodeDataTag *pEntry, size_t cbElement, bool hasContent, XMLWriterOutput &out,
                 int nFormat)
{
    if (hasContent) {
        if (nFormat >= 0) out.tabs(nFormat);
        out.put("</", 2);
        out.put(pEntry->lpszName, cbElement);
        out.put('>');
    } else {
        out.put("/>", 2);
    }
    out.lineEnd(nFormat);
}

} // namespace

// The element at level nFormat (-1: unformatted). A node without a name (the parser's wrapper) writes only
// its content, its children at its own level; a declaration has no end tag, and its content follows it.
void XMLNode::CreateXMLStringR(const XMLNodeDataTag *pEntry, XMLWriterOutput &out, int nFormat)
{
    const int nElementI = pEntry->nChild + pEntry->nText + pEntry->nClear;
    const size_t cbElement = pEntry->lpszName ? strlen(pEntry->lpszName) : 0;
    if (cbElement) writeStartTag(pEntry, cbElement, nElementI > 0, out, nFormat);
    int contentLevel = -1;
    if (nFormat >= 0) contentLevel = (cbElement && !pEntry->isDeclaration) ? nFormat + 1 : nFormat;
    for (int i = 0; i < nElementI; i++) {
        const int entry = pEntry->pOrder[i];
        const int index = entry >> 2;
        switch (entryType(entry)) {
        case eNodeText: writeText(pEntry->pText[index], out, nFormat); break;
        case eNodeClear: writeClear(pEntry->pClear[index], out, nFormat); break;
        case eNodeChild: CreateXMLStringR(pEntry->pChild[index].d, out, contentLevel); break;
        default: break;
        }
    }
    if (cbElement && !pEntry->isDeclaration) writeEndTag(pEntry, cbElement, nElementI > 0, out, nFormat);
}

char *XMLNode::createXMLString(int nFormat, int *pnSize) const
{
    if (pnSize) *pnSize = 0;
    if (!d) return nullptr;
    XMLWriterOutput out;
    CreateXMLStringR(d, out, nFormat ? 0 : -1);
    if (!out.reserve(1) || out.failed) return nullptr;
    out.text[out.n] = 0;
    // The buffer is given back at its exact size, as the caller may keep it.
    char *text = static_cast<char *>(realloc(out.text, out.n + 1));
    if (!text) text = out.text;
    out.text = nullptr;
    if (pnSize) *pnSize = static_cast<int>(out.n);
    return text;
}

namespace {

// Writes the byte-order mark and the declaration line that precede the
// serialised text; false on a failed write.
bool writeXMLFileHeader(FILE *f, bool isDeclarationNode, const char *encoding)
{
    static const unsigned char byteOrderMark[3] = {0xEF, 0xBB, 0xBF};
    const bool utf8 = processWide.byteTable == XML_utf8ByteTable;
    if (isDeclarationNode) return !utf8 || fwrite(byteOrderMark, 1, 3, f) == 3;
    if (!encoding || utf8) {
        static const char line[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
        return fwrite(byteOrderMark, 1, 3, f) == 3 && fwrite(line, 1, sizeof(line) - 1, f) == sizeof(line) - 1;
    }
    return fprintf(f, "<?xml version=\"1.0\" encoding=\"%s\"?>\n", encoding) >= 0;
}

} // namespace

XMLError XMLNode::writeToFile(const char *filename, const char *encoding, char nFormat) const
{
    int length = 0;
    char *text = createXMLString(nFormat, &length);
    FILE *f = openFileWithPosixPath(filename, "wb");
    if (!f) {
        free(text);
        return eXMLErrorCannotOpenWriteFile;
    }
    // An empty handle has nothing to write: only the header goes out, and the
    // missing body is reported as a failed write.
    bool written = writeXMLFileHeader(f, d && d->isDeclaration, encoding) && text &&
                   fwrite(text, 1, length, f) == static_cast<size_t>(length);
    written = (fclose(f) == 0) && written;
    free(text);
    return written ? eXMLErrorNone : eXMLErrorCannotWriteFile;
}

// ===== editing: names, attributes, texts, clear sections =======================
//
// The _WOSD members take ownership of the strings they store. A _WOSD member
// that returns null has stored nothing: the strings it was given stay the
// caller's. The copying members pass fresh copies on and take them back in
// that case.

namespace {

// Stores value in *slot of record d, releasing what it replaces unless it is that very string.
void replaceOwnedString(const XMLNode::XMLNodeDataTag *d, const char **slot, const char *value)
{
    if (*slot == value) return;
    releasePiece(d, *slot);
    *slot = value;
}

template <class Stored> Stored freeCopiesUnlessStored(Stored stored, const char *copy, const char *otherCopy = nullptr)
{
    if (!stored) {
        free(const_cast<char *>(copy));
        free(const_cast<char *>(otherCopy));
    }
    return stored;
}

// Closes the gap left by item i of a typed array whose count has not yet been
// lowered; an emptied array is released.
template <class Item>
void removeArrayItem(const XMLNode::XMLNodeDataTag *d, Item *&array, int &count, int &capacity, int i)
{
    count--;
    memmove(array + i, array + i + 1, (count - i) * sizeof(Item));
    if (count == 0) {
        releasePiece(d, array);
        array = nullptr;
        capacity = 0;
    }
}

int attributeIndex(const XMLNode::XMLNodeDataTag *d, const char *lpszName)
{
    for (int i = 0; i < d->nAttribute; i++)
        if (sameName(d->pAttribute[i].lpszName, lpszName)) return i;
    return -1;
}

// An update addresses an existing item by an index from 0 to count - 1; any
// other index means the item is to be added.
bool namesExistingItem(int i, int count) { return i >= 0 && i < count; }

} // namespace

const char *XMLNode::updateName_WOSD(const char *lpszName)
{
    // Only the parser's top wrapper is nameless: a name is never taken away.
    if (!d || !lpszName) return nullptr;
    replaceOwnedString(d, &d->lpszName, lpszName);
    return d->lpszName;
}

const char *XMLNode::updateName(const char *lpszName)
{
    const char *copy = stringDup(lpszName);
    return freeCopiesUnlessStored(updateName_WOSD(copy), copy);
}

XMLAttribute *XMLNode::updateAttribute_WOSD(const char *lpszNewValue, const char *lpszNewName, int i)
{
    if (!d) return nullptr;
    if (!namesExistingItem(i, d->nAttribute)) return lpszNewName ? addAttribute_WOSD(lpszNewName, lpszNewValue) : nullptr;
    XMLAttribute *attribute = d->pAttribute + i;
    replaceOwnedString(d, &attribute->lpszValue, lpszNewValue);
    if (lpszNewName) replaceOwnedString(d, &attribute->lpszName, lpszNewName);
    return attribute;
}

XMLAttribute *XMLNode::updateAttribute(const char *lpszNewValue, const char *lpszNewName, int i)
{
    const char *value = stringDup(lpszNewValue);
    const char *name = stringDup(lpszNewName);
    return freeCopiesUnlessStored(updateAttribute_WOSD(value, name, i), value, name);
}

XMLAttribute *XMLNode::updateAttribute_WOSD(const char *lpszNewValue, const char *lpszNewName, const char *lpszOldName)
{
    if (!d) return nullptr;
    int i = attributeIndex(d, lpszOldName);
    if (i >= 0) return updateAttribute_WOSD(lpszNewValue, lpszNewName, i);
    if (lpszNewName) return addAttribute_WOSD(lpszNewName, lpszNewValue);
    const char *name = stringDup(lpszOldName);
    return freeCopiesUnlessStored(updateAttribute_WOSD(lpszNewValue, name, d->nAttribute), name);
}

XMLAttribute *XMLNode::updateAttribute(const char *lpszNewValue, const char *lpszNewName, const char *lpszOldName)
{
    const char *value = stringDup(lpszNewValue);
    const char *name = stringDup(lpszNewName);
    return freeCopiesUnlessStored(updateAttribute_WOSD(value, name, lpszOldName), value, name);
}

XMLAttribute *XMLNode::updateAttribute_WOSD(XMLAttribute *newAttribute, XMLAttribute *oldAttribute)
{
    if (!newAttribute) return nullptr;
    if (!oldAttribute) return updateAttribute_WOSD(newAttribute->lpszValue, newAttribute->lpszName, -1);
    return updateAttribute_WOSD(newAttribute->lpszValue, newAttribute->lpszName, oldAttribute->lpszName);
}

XMLAttribute *XMLNode::updateAttribute(XMLAttribute *newAttribute, XMLAttribute *oldAttribute)
{
    if (!newAttribute) return nullptr;
    XMLAttribute copy = {stringDup(newAttribute->lpszName), stringDup(newAttribute->lpszValue)};
    return freeCopiesUnlessStored(updateAttribute_WOSD(&copy, oldAttribute), copy.lpszName, copy.lpszValue);
}

const char *XMLNode::updateText_WOSD(const char *lpszNewValue, int i)
{
    if (!d || !lpszNewValue) return nullptr;
    if (!namesExistingItem(i, d->nText)) return addText_WOSD(lpszNewValue, -1);
    replaceOwnedString(d, d->pText + i, lpszNewValue);
    return lpszNewValue;
}

const char *XMLNode::updateText(const char *lpszNewValue, int i)
{
    const char *copy = stringDup(lpszNewValue);
    return freeCopiesUnlessStored(updateText_WOSD(copy, i), copy);
}

const char *XMLNode::updateText_WOSD(const char *lpszNewValue, const char *lpszOldValue)
{
    return updateText_WOSD(lpszNewValue, indexText(lpszOldValue));
}

const char *XMLNode::updateText(const char *lpszNewValue, const char *lpszOldValue)
{
    return updateText(lpszNewValue, indexText(lpszOldValue));
}

XMLClear *XMLNode::updateClear_WOSD(const char *lpszNewContent, int i)
{
    if (!d || !lpszNewContent) return nullptr;
    if (!namesExistingItem(i, d->nClear))
        return addClear_WOSD(lpszNewContent, XMLClearTags[0].lpszOpen, XMLClearTags[0].lpszClose, -1);
    XMLClear *clear = d->pClear + i;
    replaceOwnedString(d, &clear->lpszValue, lpszNewContent);
    return clear;
}

XMLClear *XMLNode::updateClear(const char *lpszNewContent, int i)
{
    const char *copy = stringDup(lpszNewContent);
    return freeCopiesUnlessStored(updateClear_WOSD(copy, i), copy);
}

XMLClear *XMLNode::updateClear_WOSD(const char *lpszNewValue, const char *lpszOldValue)
{
    return updateClear_WOSD(lpszNewValue, indexClear(lpszOldValue));
}

XMLClear *XMLNode::updateClear(const char *lpszNewValue, const char *lpszOldValue)
{
    return updateClear(lpszNewValue, indexClear(lpszOldValue));
}

namespace {

// A section record names the section whose value it points to. A record with
// no value (a copy of emptyXMLClear, as getClear returns for "none") names no
// section, rather than the first one.
int sectionIndex(const XMLNode &node, const XMLClear *section)
{
    return section->lpszValue ? node.indexClear(section->lpszValue) : -1;
}

} // namespace

XMLClear *XMLNode::updateClear_WOSD(XMLClear *newP, XMLClear *oldP)
{
    if (!newP || !oldP) return nullptr;
    return updateClear_WOSD(newP->lpszValue, sectionIndex(*this, oldP));
}

XMLClear *XMLNode::updateClear(XMLClear *newP, XMLClear *oldP)
{
    if (!newP || !oldP) return nullptr;
    return updateClear(newP->lpszValue, sectionIndex(*this, oldP));
}

// ===== editing: deletes ========================================================

void XMLNode::deleteAttribute(int i)
{
    if (!d || !namesExistingItem(i, d->nAttribute)) return;
    releasePiece(d, d->pAttribute[i].lpszName);
    releasePiece(d, d->pAttribute[i].lpszValue);
    removeArrayItem(d, d->pAttribute, d->nAttribute, d->nAttributeCapacity, i);
}

void XMLNode::deleteAttribute(const char *lpszName)
{
    if (d) deleteAttribute(attributeIndex(d, lpszName));
}

void XMLNode::deleteAttribute(XMLAttribute *a)
{
    if (a) deleteAttribute(a->lpszName);
}

void XMLNode::deleteText(int i)
{
    if (!d || !namesExistingItem(i, d->nText)) return;
    releasePiece(d, d->pText[i]);
    removeArrayItem(d, d->pText, d->nText, d->nTextCapacity, i);
    removeOrderElement(d, eNodeText, i);
}

void XMLNode::deleteText(const char *lpszValue) { deleteText(indexText(lpszValue)); }

void XMLNode::deleteClear(int i)
{
    if (!d || !namesExistingItem(i, d->nClear)) return;
    releasePiece(d, d->pClear[i].lpszValue);
    removeArrayItem(d, d->pClear, d->nClear, d->nClearCapacity, i);
    removeOrderElement(d, eNodeClear, i);
}

void XMLNode::deleteClear(const char *lpszValue) { deleteClear(indexClear(lpszValue)); }

void XMLNode::deleteClear(XMLClear *a)
{
    if (a) deleteClear(sectionIndex(*this, a));
}

// ===== locating ================================================================

int XMLNode::indexText(const char *lpszValue) const
{
    if (!d || d->nText == 0) return -1;
    if (!lpszValue) return 0;
    for (int i = 0; i < d->nText; i++)
        if (d->pText[i] == lpszValue) return i;
    return -1;
}

int XMLNode::indexClear(const char *lpszValue) const
{
    if (!d || d->nClear == 0) return -1;
    if (!lpszValue) return 0;
    for (int i = 0; i < d->nClear; i++)
        if (d->pClear[i].lpszValue == lpszValue) return i;
    return -1;
}

namespace {

// Order position of item i of one kind; an index past the end means the last
// item of that kind.
int positionOfItem(XMLNode::XMLNodeDataTag *d, int i, int count, XMLElementType type)
{
    if (!d || i < 0 || count == 0) return -1;
    return findPosition(d, i < count ? i : count - 1, type);
}

} // namespace

int XMLNode::positionOfText(int i) const { return positionOfItem(d, i, d ? d->nText : 0, eNodeText); }

int XMLNode::positionOfText(const char *lpszValue) const
{
    int i = indexText(lpszValue);
    return i < 0 ? -1 : positionOfText(i);
}

int XMLNode::positionOfClear(int i) const { return positionOfItem(d, i, d ? d->nClear : 0, eNodeClear); }

int XMLNode::positionOfClear(const char *lpszValue) const
{
    int i = indexClear(lpszValue);
    return i < 0 ? -1 : positionOfClear(i);
}

int XMLNode::positionOfClear(XMLClear *a) const
{
    if (!a) return positionOfClear(0);
    int i = sectionIndex(*this, a);
    return i < 0 ? -1 : positionOfClear(i);
}

int XMLNode::positionOfChildNode(int i) const { return positionOfItem(d, i, d ? d->nChild : 0, eNodeChild); }

int XMLNode::positionOfChildNode(XMLNode x) const
{
    if (!d || !x.d) return -1;
    for (int i = 0; i < d->nChild; i++)
        if (d->pChild[i].d == x.d) return findPosition(d, i, eNodeChild);
    return -1;
}

int XMLNode::positionOfChildNode(const char *name, int count) const
{
    if (!name) return positionOfChildNode(count);
    if (!d || count < 0) return -1;
    for (int i = 0; i < d->nChild; i++)
        if (sameName(d->pChild[i].d->lpszName, name) && count-- == 0) return findPosition(d, i, eNodeChild);
    return -1;
}

namespace {

// With no wanted value any attribute of that name will do; otherwise the
// first of that name with a value decides, and one without a value ends the
// search.
bool carriesAttribute(const XMLNode::XMLNodeDataTag *d, const char *attributeName, const char *attributeValue)
{
    for (int i = 0; i < d->nAttribute; i++) {
        const XMLAttribute &attribute = d->pAttribute[i];
        if (!sameName(attribute.lpszName, attributeName)) continue;
        if (!attributeValue) return true;
        if (!attribute.lpszValue) return false;
        if (!xmlStricmp(attribute.lpszValue, attributeValue)) return true;
    }
    return false;
}

} // namespace

XMLNode XMLNode::getChildNodeWithAttribute(const char *name, const char *attributeName, const char *attributeValue,
                                           int *k) const
{
    int i = k ? *k : 0;
    for (;;) {
        XMLNode child = getChildNode(name, &i);
        if (!child.d) return emptyXMLNode;
        if (carriesAttribute(child.d, attributeName, attributeValue)) {
            if (k) *k = i;
            return child;
        }
    }
}

// ===== base64 ==================================================================

namespace {

constexpr char base64EncodeTable[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Classes of a byte for the decoder besides the 6-bit values 0 to 63.
enum : unsigned char { base64Fill = 64, base64Skip, base64End, base64Illegal };

struct Base64DecodeTable {
    unsigned char cls[256];

    constexpr void set(char c, unsigned char value) { cls[static_cast<unsigned char>(c)] = value; }
};

constexpr Base64DecodeTable makeBase64DecodeTable()
{
    Base64DecodeTable table = {};
    for (int b = 0; b < 256; b++) table.cls[b] = base64Illegal;
    for (int v = 0; v < 64; v++) table.set(base64EncodeTable[v], static_cast<unsigned char>(v));
    table.set('=', base64Fill);
    table.set('\t', base64Skip);
    table.set('\n', base64Skip);
    table.set('\r', base64Skip);
    table.set(' ', base64Skip);
    table.set('\0', base64End);
    return table;
}

constexpr Base64DecodeTable base64DecodeTable = makeBase64DecodeTable();

unsigned char base64Class(const char *s) { return base64DecodeTable.cls[static_cast<unsigned char>(*s)]; }

// The class of the next character that is not skipped; the end of the text
// is never read past.
unsigned char nextBase64Class(const char *&s)
{
    unsigned char cls;
    do {
        cls = base64Class(s);
        if (cls != base64End) s++;
    } while (cls == base64Skip);
    return cls;
}

// Size of the encoded text, terminator included, without overflow.
long long base64EncodedSize(long long inlen, char formatted)
{
    return ((inlen - 1) / 3) * 4 + 5 + (formatted ? inlen / 54 : 0);
}

// Result codes of the decoder.
enum : unsigned char { base64Failed = 0, base64Truncated = 1, base64Complete = 2 };

// Decodes into buf (len bytes) and leaves in *written how many bytes it stored.
unsigned char decodeBase64(const char *data, unsigned char *buf, int len, XMLError *xe, int *written)
{
    XMLError ignored;
    if (!xe) xe = &ignored;
    *xe = eXMLErrorNone;
    *written = 0;
    if (len < 0) len = 0;
    if (!data) return base64Complete;
    int &p = *written;
    auto fail = [xe](XMLError e) {
        *xe = e;
        return base64Failed;
    };
    auto truncated = [xe]() {
        *xe = eXMLErrorBase64DecodeTruncatedData;
        return base64Truncated;
    };
    for (;;) {
        unsigned char c1 = nextBase64Class(data);
        if (c1 == base64Illegal) return fail(eXMLErrorBase64DecodeIllegalCharacter);
        if (c1 == base64End) return base64Complete;
        if (c1 == base64Fill) return p == len ? base64Complete : truncated();

        unsigned char c2 = nextBase64Class(data);
        if (c2 == base64Illegal) return fail(eXMLErrorBase64DecodeIllegalCharacter);
        if (c2 == base64End || c2 == base64Fill) return truncated();
        if (p == len) return fail(eXMLErrorBase64DecodeBufferTooSmall);
        buf[p++] = static_cast<unsigned char>((c1 << 2) | ((c2 >> 4) & 0x03));

        unsigned char c3 = nextBase64Class(data);
        if (c3 == base64Illegal) return fail(eXMLErrorBase64DecodeIllegalCharacter);
        if (c3 == base64End) return truncated();
        if (p == len) return c3 == base64Fill ? base64Complete : fail(eXMLErrorBase64DecodeBufferTooSmall);
        if (c3 == base64Fill) return truncated();
        buf[p++] = static_cast<unsigned char>(((c2 << 4) & 0xF0) | ((c3 >> 2) & 0x0F));

        unsigned char c4 = nextBase64Class(data);
        if (c4 == base64Illegal) return fail(eXMLErrorBase64DecodeIllegalCharacter);
        if (c4 == base64End) return truncated();
        if (p == len) return c4 == base64Fill ? base64Complete : fail(eXMLErrorBase64DecodeBufferTooSmall);
        if (c4 == base64Fill) return truncated();
        buf[p++] = static_cast<unsigned char>(((c3 << 6) & 0xC0) | c4);
    }
}

} // namespace

XMLParserBase64Tool::XMLParserBase64Tool() : buf(nullptr), buflen(0) {}

XMLParserBase64Tool::~XMLParserBase64Tool() { freeBuffer(); }

void XMLParserBase64Tool::freeBuffer()
{
    free(buf);
    buf = nullptr;
    buflen = 0;
}

void XMLParserBase64Tool::alloc(int newsize)
{
    if (newsize <= buflen) return;
    // On a failed growth the old buffer and its size stay as they were.
    void *grown = realloc(buf, newsize);
    if (!grown) return;
    buf = grown;
    buflen = newsize;
}

int XMLParserBase64Tool::encodeLength(int inlen, char formatted)
{
    return static_cast<int>(base64EncodedSize(inlen, formatted));
}

char *XMLParserBase64Tool::encode(unsigned char *inbuf, unsigned int inlen, char formatted)
{
    const long long size = base64EncodedSize(inlen, formatted);
    if (size > INT_MAX) return nullptr;
    alloc(static_cast<int>(size));
    if (buflen < size) return nullptr;
    char *out = static_cast<char *>(buf);
    unsigned int groups = inlen / 3;
    for (unsigned int g = 1; g <= groups; g++, inbuf += 3) {
        unsigned long bits = (static_cast<unsigned long>(inbuf[0]) << 16) | (inbuf[1] << 8) | inbuf[2];
        *out++ = base64EncodeTable[(bits >> 18) & 0x3F];
        *out++ = base64EncodeTable[(bits >> 12) & 0x3F];
        *out++ = base64EncodeTable[(bits >> 6) & 0x3F];
        *out++ = base64EncodeTable[bits & 0x3F];
        if (formatted && g % 18 == 0) *out++ = '\n';
    }
    switch (inlen % 3) {
    case 1:
        *out++ = base64EncodeTable[inbuf[0] >> 2];
        *out++ = base64EncodeTable[(inbuf[0] & 0x03) << 4];
        *out++ = '=';
        *out++ = '=';
        break;
    case 2: {
        unsigned int bits = (inbuf[0] << 8) | inbuf[1];
        *out++ = base64EncodeTable[(bits >> 10) & 0x3F];
        *out++ = base64EncodeTable[(bits >> 4) & 0x3F];
        *out++ = base64EncodeTable[(bits & 0x0F) << 2];
        *out++ = '=';
        break;
    }
    default:
        break;
    }
    *out = 0;
    return static_cast<char *>(buf);
}

unsigned int XMLParserBase64Tool::decodeSize(const char *data, XMLError *xe)
{
    XMLError ignored;
    if (!xe) xe = &ignored;
    *xe = eXMLErrorNone;
    if (!data) return 0;
    unsigned long long count = 0;
    const char *s = data;
    for (; *s; s++) {
        unsigned char cls = base64Class(s);
        if (cls == base64Illegal) {
            *xe = eXMLErrorBase64DecodeIllegalCharacter;
            return 0;
        }
        if (cls != base64Skip) count++;
    }
    if (count % 4) *xe = eXMLErrorBase64DataSizeIsNotMultipleOf4;
    if (count == 0) return 0;
    // The fill at the end carries no data, whitespace after it included.
    while (s > data) {
        unsigned char cls = base64Class(--s);
        if (cls == base64Fill)
            count--;
        else if (cls != base64Skip)
            break;
    }
    return static_cast<unsigned int>((count * 3) / 4);
}

unsigned char XMLParserBase64Tool::decode(const char *data, unsigned char *buf, int len, XMLError *xe)
{
    int written;
    return decodeBase64(data, buf, len, xe, &written);
}

unsigned char *XMLParserBase64Tool::decode(const char *data, int *outlen, XMLError *xe)
{
    XMLError ignored;
    if (!xe) xe = &ignored;
    int decoded = 0;
    unsigned char *result = nullptr;
    const unsigned int size = decodeSize(data, xe);
    if (size > 0 && size < static_cast<unsigned int>(INT_MAX)) {
        alloc(static_cast<int>(size) + 1);
        if (buflen > static_cast<int>(size) &&
            decodeBase64(data, static_cast<unsigned char *>(buf), static_cast<int>(size), xe, &decoded) != base64Failed)
            result = static_cast<unsigned char *>(buf);
    }
    // The size reported is what was decoded, which is less than the text's
    // measure when a fill character stands inside it.
    if (outlen) *outlen = result ? decoded : 0;
    return result;
}
