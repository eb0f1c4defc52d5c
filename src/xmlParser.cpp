// xmlParser: node model, parser and file loading. The writer, editing and
// Base64 members live in xmlParserWriter.inc, included at the end so that both
// halves share the helpers and tables defined here.
#include "xmlParser.h"

#include <cassert>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// ===== tables shared by the parser and the writer ============================

/// Bytes in the character that starts with each byte value, for UTF-8 text.
static const char XML_utf8ByteTable[256] = {
    0,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, // 0x00
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, // 0x20
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, // 0x40
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, // 0x60
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, // 0x80 continuation
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, // 0xA0 continuation
    1,1,2,2,2,2,2,2,2,2,2,2,2,2,2,2, 2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2, // 0xC0
    3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3, 4,4,4,4,4,1,1,1,1,1,1,1,1,1,1,1  // 0xE0
};

/// One byte per character.
static const char XML_asciiByteTable[256] = {
    0,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1
};

/// The table in force for parsing and writing (setGlobalOptions, openFileHelper).
static const char *XML_ByteTable = XML_utf8ByteTable;

/// Whether parseFile tests files for UTF-16 text.
static char guessUnicodeChars = 1;

/// Raw sections, tried in this order at the start of every token.
struct ALLXMLClearTag {
    const char *lpszOpen;
    int openTagLen;
    const char *lpszClose;
};
static const ALLXMLClearTag XMLClearTags[] = {
    {"<![CDATA[", 9, "]]>"},
    {"<PRE>", 5, "</PRE>"},
    {"<Script>", 8, "</Script>"},
    {"<!--", 4, "-->"},
    {"<!DOCTYPE", 9, ">"},
    {0, 0, 0}
};

/// The named entities, as written (s, l) and the character they stand for (c).
struct XMLCharacterEntity {
    const char *s;
    int l;
    char c;
};
static const XMLCharacterEntity XMLEntities[] = {
    {"&amp;", 5, '&'},
    {"&lt;", 4, '<'},
    {"&gt;", 4, '>'},
    {"&quot;", 6, '"'},
    {"&apos;", 6, '\''},
    {0, 0, 0}
};

/// Growth step of the node arrays: 50 during a parse, 0 (exact sizes) otherwise.
static int memoryIncrease = 0;

// ===== small helpers ===========================================================

[[maybe_unused]] static int mmin(int a, int b) { return a < b ? a : b; }

[[maybe_unused]] static bool isXMLWhitespace(char c) { return c == '\n' || c == ' ' || c == '\t' || c == '\r'; }

static char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

/// Locale-independent ASCII case-insensitive comparison of at most n bytes (0 when equal).
static int xmlStrnicmp(const char *a, const char *b, size_t n)
{
    for (; n; --n, ++a, ++b) {
        const char ca = asciiLower(*a), cb = asciiLower(*b);
        if (ca != cb) return (unsigned char)ca < (unsigned char)cb ? -1 : 1;
        if (!ca) return 0;
    }
    return 0;
}

/// Locale-independent ASCII case-insensitive comparison (0 when equal).
static int xmlStricmp(const char *a, const char *b) { return xmlStrnicmp(a, b, (size_t)-1); }

/// True when name is not null and equals the (possibly null) stored name, ignoring case.
static bool sameName(const char *stored, const char *name) { return stored && name && !xmlStricmp(stored, name); }

/// A malloc'd copy of cbData bytes of lpszData (cbData 0: the whole string); null in, null out.
static char *stringDup(const char *lpszData, int cbData = 0)
{
    if (!lpszData) return 0;
    if (cbData == 0) cbData = (int)strlen(lpszData);
    char *copy = (char *)malloc(cbData + 1);
    if (!copy) return 0;
    memcpy(copy, lpszData, cbData);
    copy[cbData] = 0;
    return copy;
}

/// Grows array p so that newsize elements fit: blocks of memInc elements, or exact sizes when memInc is 0.
/// pnCapacity, when given, tracks the allocated element count and forces growth whenever it would be exceeded.
static void *myRealloc(void *p, int newsize, int memInc, int sizeofElem, int *pnCapacity = 0)
{
    int capacity;
    if (!p) {
        capacity = memInc > newsize ? memInc : newsize;
        p = malloc((size_t)capacity * sizeofElem);
    } else if (memInc == 0) {
        capacity = newsize;
        p = realloc(p, (size_t)capacity * sizeofElem);
    } else if (newsize % memInc == 0 || (pnCapacity && newsize > *pnCapacity)) {
        capacity = newsize + memInc;
        p = realloc(p, (size_t)capacity * sizeofElem);
    } else {
        return p;
    }
    if (pnCapacity) *pnCapacity = capacity;
    return p;
}

/// Position in d's order array of the entry (index, xtype); -1 for a negative index.
static int findPosition(XMLNode::XMLNodeDataTag *d, int index, XMLElementType xtype)
{
    if (index < 0) return -1;
    const int entry = (index << 2) | xtype;
    int i = 0;
    while (d->pOrder[i] != entry) i++;
    return i;
}

/// Removes the order entry (index, t) after the caller lowered t's count, renumbering later t entries.
static void removeOrderElement(XMLNode::XMLNodeDataTag *d, XMLElementType t, int index)
{
    const int n = d->nChild + d->nText + d->nClear;
    int *o = d->pOrder;
    int i = findPosition(d, index, t);
    memmove(o + i, o + i + 1, (n - i) * sizeof(int));
    for (; i < n; i++)
        if ((o[i] & 3) == (int)t) o[i] -= 4;
}

/// Makes room for one more item of type xtype at order position *pos (append when out of range).
/// Returns the possibly moved typed array; *pos becomes the slot where the caller stores the item.
static void *addToOrder(XMLNode::XMLNodeDataTag *d, int *pos, int nc, void *p, int size, XMLElementType xtype,
                        int *pnCapacity)
{
    p = myRealloc(p, nc + 1, memoryIncrease, size, pnCapacity);
    const int n = d->nChild + d->nText + d->nClear;
    d->pOrder = (int *)myRealloc(d->pOrder, n + 1, memoryIncrease * 3, sizeof(int), &d->nOrderCapacity);
    int *o = d->pOrder;
    if (*pos < 0 || *pos >= n) {
        o[n] = (nc << 2) | xtype;
        *pos = nc;
        return p;
    }
    int i = *pos;
    while (i < n && (o[i] & 3) != (int)xtype) i++;
    const int k = i < n ? o[i] >> 2 : nc;
    memmove(o + *pos + 1, o + *pos, (n - *pos) * sizeof(int));
    o[*pos] = (k << 2) | xtype;
    for (i = *pos + 1; i <= n; i++)
        if ((o[i] & 3) == (int)xtype) o[i] += 4;
    char *bytes = (char *)p;
    memmove(bytes + (size_t)(k + 1) * size, bytes + (size_t)k * size, (size_t)(nc - k) * size);
    *pos = k;
    return p;
}

/// Removes d from its parent's children without touching d's reference count or d->pParent.
void detachFromParent(XMLNode::XMLNodeDataTag *d)
{
    XMLNode::XMLNodeDataTag *pa = d->pParent;
    int i = 0;
    while (pa->pChild[i].d != d) i++;
    pa->nChild--;
    if (pa->nChild) {
        memmove((void *)(pa->pChild + i), (void *)(pa->pChild + i + 1), (pa->nChild - i) * sizeof(XMLNode));
    } else {
        free(pa->pChild);
        pa->pChild = 0;
        pa->nChildCapacity = 0;
    }
    removeOrderElement(pa, eNodeChild, i);
}

/// Shrinks one array to count elements (freed when empty); used only while parsing.
static void *trimArray(void *p, int count, int size, int *pnCapacity)
{
    if (!p) return 0;
    if (count == 0) {
        free(p);
        *pnCapacity = 0;
        return 0;
    }
    *pnCapacity = count;
    return realloc(p, (size_t)count * size);
}

/// Returns the spare block capacity of d's arrays while a parse is growing them in blocks.
[[maybe_unused]] static void exactMemory(XMLNode::XMLNodeDataTag *d)
{
    if (memoryIncrease <= 1) return;
    d->pOrder = (int *)trimArray(d->pOrder, d->nAttribute + d->nChild + d->nText + d->nClear, sizeof(int),
                                 &d->nOrderCapacity);
    d->pChild = (XMLNode *)trimArray(d->pChild, d->nChild, sizeof(XMLNode), &d->nChildCapacity);
    d->pAttribute = (XMLAttribute *)trimArray(d->pAttribute, d->nAttribute, sizeof(XMLAttribute),
                                              &d->nAttributeCapacity);
    d->pText = (const char **)trimArray(d->pText, d->nText, sizeof(char *), &d->nTextCapacity);
    d->pClear = (XMLClear *)trimArray(d->pClear, d->nClear, sizeof(XMLClear), &d->nClearCapacity);
}

/// Opens a file, reading a backslash in its name as a folder separator.
[[maybe_unused]] static FILE *openFileWithPosixPath(const char *filename, const char *mode)
{
    char *path = stringDup(filename);
    if (!path) return 0;
    for (char *c = path; *c; c++)
        if (*c == '\\') *c = '/';
    FILE *f = fopen(path, mode);
    free(path);
    return f;
}

// ===== node model ==============================================================

XMLNode XMLNode::emptyXMLNode;
XMLClear XMLNode::emptyXMLClear = {0, 0, 0};
XMLAttribute XMLNode::emptyXMLAttribute = {0, 0};
int XMLNode::IsError = 0;

XMLNode::XMLNode(XMLNodeDataTag *p) : d(p) { d->ref_count++; }

XMLNode::XMLNode(XMLNodeDataTag *pParent, const char *lpszName, char isDeclaration)
{
    d = (XMLNodeDataTag *)calloc(1, sizeof(XMLNodeDataTag));
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
        d = 0;
        return;
    }
    XMLNodeDataTag *r = d;
    d = 0;
    if (r->pParent) detachFromParent(r);
    for (int i = 0; i < r->nChild; i++) {
        if (r->pChild[i].d) r->pChild[i].d->pParent = 0;
        r->pChild[i].deleteNodeContent(force);
    }
    free(r->pChild);
    for (int i = 0; i < r->nText; i++) free((void *)r->pText[i]);
    free(r->pText);
    for (int i = 0; i < r->nClear; i++) free((void *)r->pClear[i].lpszValue);
    free(r->pClear);
    for (int i = 0; i < r->nAttribute; i++) {
        free((void *)r->pAttribute[i].lpszName);
        free((void *)r->pAttribute[i].lpszValue);
    }
    free(r->pAttribute);
    free(r->pOrder);
    free((void *)r->lpszName);
    free(r);
}

XMLNode XMLNode::createXMLTopNode_WOSD(const char *lpszName, char isDeclaration)
{
    XMLNode top(0, lpszName, isDeclaration);
    return top;
}

XMLNode XMLNode::createXMLTopNode(const char *lpszName, char isDeclaration)
{
    return createXMLTopNode_WOSD(stringDup(lpszName), isDeclaration);
}

XMLNode XMLNode::addChild_WOSD(const char *lpszName, char isDeclaration, int pos)
{
    if (!lpszName || !d) return emptyXMLNode;
    d->pChild = (XMLNode *)addToOrder(d, &pos, d->nChild, d->pChild, sizeof(XMLNode), eNodeChild,
                                      &d->nChildCapacity);
    d->pChild[pos].d = 0;
    d->pChild[pos] = XMLNode(d, lpszName, isDeclaration);
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
    d->pChild = (XMLNode *)addToOrder(d, &pos, d->nChild, d->pChild, sizeof(XMLNode), eNodeChild,
                                      &d->nChildCapacity);
    d->pChild[pos].d = dc;
    d->nChild++;
    return XMLNode(dc);
}

XMLAttribute *XMLNode::addAttribute_WOSD(const char *lpszName, const char *lpszValue)
{
    if (!lpszName || !d) return &emptyXMLAttribute;
    d->pAttribute = (XMLAttribute *)myRealloc(d->pAttribute, d->nAttribute + 1, memoryIncrease,
                                              sizeof(XMLAttribute), &d->nAttributeCapacity);
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
    if (!lpszValue || !d) return 0;
    d->pText = (const char **)addToOrder(d, &pos, d->nText, d->pText, sizeof(char *), eNodeText,
                                         &d->nTextCapacity);
    d->pText[pos] = lpszValue;
    d->nText++;
    return lpszValue;
}

const char *XMLNode::addText(const char *lpszValue, int pos)
{
    return d && lpszValue ? addText_WOSD(stringDup(lpszValue), pos) : 0;
}

XMLClear *XMLNode::addClear_WOSD(const char *lpszValue, const char *lpszOpen, const char *lpszClose, int pos)
{
    if (!lpszValue || !d) return &emptyXMLClear;
    d->pClear = (XMLClear *)addToOrder(d, &pos, d->nClear, d->pClear, sizeof(XMLClear), eNodeClear,
                                       &d->nClearCapacity);
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

const char *XMLNode::getName() const { return d ? d->lpszName : 0; }
char XMLNode::isEmpty() const { return d == 0; }
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

const char *XMLNode::getText(int i) const { return (i >= 0 && i < nText()) ? d->pText[i] : 0; }

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
    return 0;
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
    c.text = 0;
    c.clear = emptyXMLClear;
    if (i < 0 || i >= nElement()) return c;
    if (i < d->nAttribute) {
        c.type = eNodeAttribute;
        c.attrib = d->pAttribute[i];
        return c;
    }
    const int entry = d->pOrder[i - d->nAttribute];
    c.type = (XMLElementType)(entry & 3);
    switch (c.type) {
    case eNodeChild: c.child = d->pChild[entry >> 2]; break;
    case eNodeText: c.text = d->pText[entry >> 2]; break;
    case eNodeClear: c.clear = d->pClear[entry >> 2]; break;
    default: break;
    }
    return c;
}

// ===== parser ======================================================================

struct XML {
    const char *lpXML;
    int nIndex;
    int nIndexMissigEndTag;
    XMLError error;
    const char *lpEndTag;
    int cbEndTag;
    int nFirst;
};

XMLNode XMLNode::parseString(const char *lpszXML, const char *tag, XMLResults *pResults)
{
    (void)lpszXML;
    (void)tag;
    if (pResults) {
        pResults->error = eXMLErrorNoElements;
        pResults->nLine = pResults->nColumn = 0;
    }
    return emptyXMLNode;
}

int XMLNode::ParseXMLElement(XML *pXML)
{
    (void)pXML;
    return 0;
}

int XMLNode::ParseClearTag(XML *pXML, const ALLXMLClearTag *pClear)
{
    (void)pXML;
    (void)pClear;
    return 0;
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
    guessUnicodeChars = guessUnicode;
    XML_ByteTable = strictUTF8Parsing ? XML_utf8ByteTable : XML_asciiByteTable;
}

// ===== files ========================================================================

XMLNode XMLNode::parseFile(const char *filename, const char *tag, XMLResults *pResults)
{
    (void)filename;
    (void)tag;
    if (pResults) {
        pResults->error = eXMLErrorFileNotFound;
        pResults->nLine = pResults->nColumn = 0;
    }
    return emptyXMLNode;
}

XMLNode XMLNode::openFileHelper(const char *filename, const char *tag)
{
    XMLResults results;
    XMLNode x = parseFile(filename, tag, &results);
    IsError = results.error != eXMLErrorNone;
    return x;
}

char XMLNode::guessUTF8ParsingParameterValue(void *buf, int l, char useXMLEncodingAttribute)
{
    (void)buf;
    (void)l;
    (void)useXMLEncodingAttribute;
    return 1;
}

#include "xmlParserWriter.inc"
