// xmlParser: a small, tolerant XML document library.
//
// A document is a tree of element records shared through XMLNode handles
// (one pointer each, reference counted): copying a handle shares the record,
// and a record is freed when its last handle goes. A handle kept on an inner
// element keeps that element and its subtree alive, without parent, after
// the root is gone. The empty handle stands for "no element" in every result.
//
// Reading: XMLNode::parseString parses 0-terminated 8-bit text; parseFile and
// openFileHelper read a file first. The parser accepts elements, attributes
// with quoted or bare values, text, the five named entities, numeric
// character references, "<?" declarations, and raw "clear" sections
// (CDATA, comments, <PRE>, <Script>, <!DOCTYPE; a DOCTYPE's internal
// subset "[ ... ]" is part of its section, kept but not processed). A
// missing end tag is a warning (the tree is still returned); every other
// problem is an error with a line and column. White space at both ends of
// a text is trimmed; the writer therefore writes white space at the ends of
// a text as character references ("&#32;"), so that it reads back.
//
// Text encoding: the library works on 8-bit text. By default characters are
// read as UTF-8 sequences; setGlobalOptions can switch to one byte per
// character. A numeric character reference ("&#233;", "&#xE9;") becomes the
// UTF-8 bytes of its code point, or a single byte (values 1 to 255) when
// reading one byte per character; 0, surrogates and unrepresentable values
// are eXMLErrorUnknownEscapeSequence. Files holding UTF-16 text (little- or
// big-endian, with or without a byte-order mark) are converted to UTF-8 when
// read, and converted text is always parsed as UTF-8.
//
// Nesting: elements may nest XML_MAX_NESTING deep (declarations count, as
// everything after a "<?" declaration is its content); deeper input is the
// error eXMLErrorNestingTooDeep rather than a stack overflow.
//
// File names: on POSIX systems a backslash in a file name given to
// parseFile, openFileHelper or writeToFile separates folders, so
// "Maps\\Level1.map" names Maps/Level1.map.
//
// Memory: a parsed document's records, strings and arrays are carved from a
// few large blocks that the document owns; they go back together when the
// last record of the document is freed, so a handle kept on one element keeps
// the whole document's blocks. Everything added or replaced later comes from
// malloc and goes back with free. The members ending in _WOSD take ownership
// of the strings they are given (they must come from malloc); the same
// members without the suffix store copies. Strings returned by queries point into the tree and stay valid
// while their record lives; strings returned by the writer belong to the
// caller. Names (elements, attributes, entities) compare ignoring ASCII case.
//
// The library is single-threaded: its options and XMLNode::IsError are
// process-wide.
#pragma once

/// Every failure or warning the library reports; 0 is success.
enum XMLError {
    eXMLErrorNone = 0,
    eXMLErrorMissingEndTag,           ///< warning: an element was closed without its own end tag
    eXMLErrorEmpty,                   ///< the file holds no data
    eXMLErrorFirstNotStartTag,        ///< reserved
    eXMLErrorMissingTagName,          ///< "<" without a name after it
    eXMLErrorMissingEndTagName,       ///< "</" without "name>" after it
    eXMLErrorNoMatchingQuote,         ///< reserved
    eXMLErrorUnmatchedEndTag,         ///< an end tag that no open element matches
    eXMLErrorUnmatchedEndClearTag,    ///< a clear section without its close text
    eXMLErrorUnexpectedToken,         ///< a token that does not belong inside a start tag
    eXMLErrorInvalidTag,              ///< reserved
    eXMLErrorNoElements,              ///< parseString was given no text
    eXMLErrorFileNotFound,            ///< the file cannot be opened for reading
    eXMLErrorFirstTagNotFound,        ///< no element with the requested tag
    eXMLErrorUnknownEscapeSequence,   ///< a bad entity or character reference
    eXMLErrorCharConversionError,     ///< 16-bit text that cannot be converted (e.g. an unpaired surrogate)
    eXMLErrorCannotOpenWriteFile,     ///< the file cannot be created for writing
    eXMLErrorCannotWriteFile,         ///< a write or the close failed
    eXMLErrorBase64DataSizeIsNotMultipleOf4, ///< warning: Base64 text length not a multiple of 4
    eXMLErrorBase64DecodeIllegalCharacter,   ///< Base64 text holds a byte outside the alphabet
    eXMLErrorBase64DecodeTruncatedData,      ///< warning: Base64 text ends inside a group
    eXMLErrorBase64DecodeBufferTooSmall,     ///< the caller's buffer cannot hold the decoded bytes
    eXMLErrorNestingTooDeep           ///< elements nested deeper than XML_MAX_NESTING
};

/// Kinds of item in a node, as enumContents reports them.
enum XMLElementType {
    eNodeChild = 0,
    eNodeAttribute = 1,
    eNodeText = 2,
    eNodeClear = 3,
    eNodeNULL = 4
};

/// Outcome of a parse: the error (or warning) and the 1-based position where it was found.
struct XMLResults {
    enum XMLError error;
    int nLine, nColumn;
};

/// A clear section: raw text between an open and a close delimiter (delimiters not owned).
struct XMLClear {
    const char *lpszValue;
    const char *lpszOpenTag;
    const char *lpszCloseTag;
};

/// An attribute; lpszValue is null for an attribute written without a value.
struct XMLAttribute {
    const char *lpszName;
    const char *lpszValue;
};

/// Deepest element nesting the parser accepts; deeper input is eXMLErrorNestingTooDeep.
enum { XML_MAX_NESTING = 1000 };

struct XMLNodeContents;
struct XML;            // parser state, internal
struct XMLElementParser; // one element's parse, internal
struct XMLArena;       // memory blocks of one parsed document, internal
struct ALLXMLClearTag; // row of the clear-section table, internal
struct XMLWriterOutput; // the writer's growing text, internal

/// Handle to a shared, reference-counted element record; empty when it refers to none.
class XMLNode {
public:
    /// The shared element record. Internal: use the members of XMLNode.
    struct XMLNodeDataTag {
        const char *lpszName;            ///< element name, null for the unnamed root wrapper
        int nChild, nText, nClear, nAttribute; ///< used entries of each array
        char isDeclaration;              ///< nonzero for an element opened by "<?"
        XMLNodeDataTag *pParent;         ///< parent record (not owned), null for a top node
        XMLNode *pChild;                 ///< child handles, one reference each
        const char **pText;              ///< text items
        XMLClear *pClear;                ///< clear sections
        XMLAttribute *pAttribute;        ///< attributes in the order added
        int *pOrder;                     ///< content in document order: (index << 2) | XMLElementType
        int ref_count;                   ///< handles on this record, the parent's slot included
        int nChildCapacity, nTextCapacity, nClearCapacity, nAttributeCapacity, nOrderCapacity; ///< allocated entries
        XMLArena *pArena;                ///< blocks of the parse that made this record, null for records made by edits
    };

    // ----- handles ---------------------------------------------------------
    /// The empty handle.
    XMLNode() : d(nullptr) {}
    /// Shares A's record.
    XMLNode(const XMLNode &A);
    /// Releases the current record and shares A's.
    XMLNode &operator=(const XMLNode &A);
    /// Releases the record (freed with its subtree when this was the last handle).
    ~XMLNode();

    /// The empty handle returned for "no element".
    static XMLNode emptyXMLNode;
    /// The clear section returned for "no section" (all pointers null).
    static XMLClear emptyXMLClear;
    /// The attribute returned for "no attribute" (both pointers null).
    static XMLAttribute emptyXMLAttribute;
    /// 1 when the latest openFileHelper reported anything but eXMLErrorNone, else 0.
    static int IsError;

    // ----- parsing and files ------------------------------------------------
    /// Parses lpszXML; with a non-empty tag returns the first element of that name. pResults may be null.
    static XMLNode parseString(const char *lpszXML, const char *tag = nullptr, XMLResults *pResults = nullptr);
    /// Reads a whole file (UTF-16 converted to UTF-8, UTF-8 mark skipped) and parses it.
    static XMLNode parseFile(const char *filename, const char *tag = nullptr, XMLResults *pResults = nullptr);
    /// Guesses the encoding from the file's start, parses it, and sets IsError.
    static XMLNode openFileHelper(const char *filename, const char *tag = nullptr);
    /// The message for an error code ("Unknown" for any other value).
    static const char *getError(XMLError error);
    /// Sets whether files are tested for UTF-16, and whether text is read as UTF-8 (else one byte per character).
    static void setGlobalOptions(char guessUnicodeChars = 1, char strictUTF8Parsing = 1);
    /// The options in force, as setGlobalOptions takes them (either pointer may be null), so that a caller
    /// who changes them for a moment can put them back.
    static void getGlobalOptions(char *guessUnicodeChars, char *strictUTF8Parsing);
    /// 1 when the first l bytes of buf should be read as UTF-8 (UTF-16 text counts as UTF-8: it is converted to it), else 0.
    static char guessUTF8ParsingParameterValue(void *buf, int l, char useXMLEncodingAttribute = 1);

    // ----- queries (neutral results on the empty handle) -------------------
    /// The element name (null for the root wrapper or the empty handle).
    const char *getName() const;
    /// 1 for the empty handle.
    char isEmpty() const;
    /// Nonzero when the element came from a "<?" tag.
    char isDeclaration() const;
    /// Number of child elements.
    int nChildNode() const;
    /// Number of child elements called name.
    int nChildNode(const char *name) const;
    /// Number of text items.
    int nText() const;
    /// Number of clear sections.
    int nClear() const;
    /// Number of attributes.
    int nAttribute() const;
    /// Number of attributes, children, texts and clear sections together.
    int nElement() const;
    /// Child i in document order among children, or the empty node.
    XMLNode getChildNode(int i = 0) const;
    /// First child called name from index *j on; on a match *j becomes its index + 1 (the iteration idiom).
    XMLNode getChildNode(const char *name, int *j = nullptr) const;
    /// The child called name of rank j (0 = first), or the empty node.
    XMLNode getChildNode(const char *name, int j) const;
    /// The parent element, or the empty node.
    XMLNode getParentNode() const;
    /// Text item i, or null.
    const char *getText(int i = 0) const;
    /// A copy of clear section i, or of emptyXMLClear.
    XMLClear getClear(int i = 0) const;
    /// A copy of attribute i, or of emptyXMLAttribute.
    XMLAttribute getAttribute(int i = 0) const;
    /// Name of attribute i, or null.
    const char *getAttributeName(int i = 0) const;
    /// Value of attribute i, or null.
    const char *getAttributeValue(int i = 0) const;
    /// Value of the first attribute called name from index *j on; on a match *j becomes its index + 1.
    const char *getAttribute(const char *name, int *j = nullptr) const;
    /// Value of the attribute called name of rank j, or null.
    const char *getAttribute(const char *name, int j) const;
    /// 1 when an attribute called name exists.
    char isAttributeSet(const char *name) const;
    /// Item i of nElement(): attributes first, then the content in document order.
    XMLNodeContents enumContents(int i) const;

    // ----- building (pos: an order position to insert before; -1 appends) --
    /// A new top node named lpszName (copied).
    static XMLNode createXMLTopNode(const char *lpszName, char isDeclaration = 0);
    /// A new top node taking ownership of lpszName.
    static XMLNode createXMLTopNode_WOSD(const char *lpszName, char isDeclaration = 0);
    /// Adds a child element named lpszName (copied); the empty node for a null name.
    XMLNode addChild(const char *lpszName, char isDeclaration = 0, int pos = -1);
    /// Adds a child element taking ownership of lpszName.
    XMLNode addChild_WOSD(const char *lpszName, char isDeclaration = 0, int pos = -1);
    /// Moves (or adds) an existing element here; the empty node when that would make a cycle.
    XMLNode addChild(XMLNode childNode, int pos = -1);
    /// Appends an attribute (both strings copied; a null value means no value).
    XMLAttribute *addAttribute(const char *lpszName, const char *lpszValue);
    /// Appends an attribute taking ownership of both strings.
    XMLAttribute *addAttribute_WOSD(const char *lpszName, const char *lpszValue);
    /// Adds a text item (copied); null for a null value.
    const char *addText(const char *lpszValue, int pos = -1);
    /// Adds a text item taking ownership of lpszValue.
    const char *addText_WOSD(const char *lpszValue, int pos = -1);
    /// Adds a clear section (value copied; delimiters kept by the caller).
    XMLClear *addClear(const char *lpszValue, const char *lpszOpen, const char *lpszClose, int pos = -1);
    /// Adds a clear section taking ownership of lpszValue.
    XMLClear *addClear_WOSD(const char *lpszValue, const char *lpszOpen, const char *lpszClose, int pos = -1);

    // ----- editing ------------------------------------------------------------
    /// Replaces the element name (copied); returns the stored name.
    const char *updateName(const char *lpszName);
    /// Replaces the element name, taking ownership.
    const char *updateName_WOSD(const char *lpszName);
    /// Replaces attribute i's value (and name when given); past the end adds it when a name is given.
    XMLAttribute *updateAttribute(const char *lpszNewValue, const char *lpszNewName = nullptr, int i = 0);
    /// As above, taking ownership of the strings.
    XMLAttribute *updateAttribute_WOSD(const char *lpszNewValue, const char *lpszNewName = nullptr, int i = 0);
    /// Replaces the attribute called lpszOldName, or adds one.
    XMLAttribute *updateAttribute(const char *lpszNewValue, const char *lpszNewName, const char *lpszOldName);
    /// As above, taking ownership of the strings.
    XMLAttribute *updateAttribute_WOSD(const char *lpszNewValue, const char *lpszNewName, const char *lpszOldName);
    /// Replaces the attribute named like oldAttribute with newAttribute's name and value, or adds it.
    XMLAttribute *updateAttribute(XMLAttribute *newAttribute, XMLAttribute *oldAttribute);
    /// As above, taking ownership of newAttribute's strings.
    XMLAttribute *updateAttribute_WOSD(XMLAttribute *newAttribute, XMLAttribute *oldAttribute);
    /// Replaces text i; past the end appends the text.
    const char *updateText(const char *lpszNewValue, int i = 0);
    /// As above, taking ownership.
    const char *updateText_WOSD(const char *lpszNewValue, int i = 0);
    /// Replaces the stored text lpszOldValue (null: the first text), or appends.
    const char *updateText(const char *lpszNewValue, const char *lpszOldValue);
    /// As above, taking ownership.
    const char *updateText_WOSD(const char *lpszNewValue, const char *lpszOldValue);
    /// Replaces clear section i's value; past the end appends a CDATA section.
    XMLClear *updateClear(const char *lpszNewContent, int i = 0);
    /// As above, taking ownership.
    XMLClear *updateClear_WOSD(const char *lpszNewContent, int i = 0);
    /// Replaces the section whose stored value is lpszOldValue (null: the first), or appends a CDATA section.
    XMLClear *updateClear(const char *lpszNewValue, const char *lpszOldValue);
    /// As above, taking ownership.
    XMLClear *updateClear_WOSD(const char *lpszNewValue, const char *lpszOldValue);
    /// Replaces the value of the section stored as oldP with newP's value, or appends a CDATA section.
    XMLClear *updateClear(XMLClear *newP, XMLClear *oldP);
    /// As above, taking ownership of newP's value.
    XMLClear *updateClear_WOSD(XMLClear *newP, XMLClear *oldP);
    /// Removes attribute i.
    void deleteAttribute(int i = 0);
    /// Removes the first attribute called lpszName.
    void deleteAttribute(const char *lpszName);
    /// Removes the attribute named like a.
    void deleteAttribute(XMLAttribute *a);
    /// Removes text i.
    void deleteText(int i = 0);
    /// Removes the stored text lpszValue (null: the first).
    void deleteText(const char *lpszValue);
    /// Removes clear section i.
    void deleteClear(int i = 0);
    /// Removes the section whose stored value is lpszValue (null: the first).
    void deleteClear(const char *lpszValue);
    /// Removes the section stored as a.
    void deleteClear(XMLClear *a);
    /// Releases this handle; with force nonzero destroys the record and its subtree even if shared.
    void deleteNodeContent(char force = 0);

    // ----- locating -----------------------------------------------------------
    /// Index of the stored text lpszValue; null gives 0 when there is a text; -1 when none.
    int indexText(const char *lpszValue) const;
    /// Index of the section whose stored value is lpszValue; null gives 0 when there is one; -1 when none.
    int indexClear(const char *lpszValue) const;
    /// Order position of text i (past the end: the last text); -1 when none.
    int positionOfText(int i = 0) const;
    /// Order position of the stored text lpszValue, or -1.
    int positionOfText(const char *lpszValue) const;
    /// Order position of clear section i (past the end: the last); -1 when none.
    int positionOfClear(int i = 0) const;
    /// Order position of the section whose stored value is lpszValue, or -1.
    int positionOfClear(const char *lpszValue) const;
    /// Order position of the section stored as a (null: section 0), or -1.
    int positionOfClear(XMLClear *a) const;
    /// Order position of child i (past the end: the last child); -1 when none.
    int positionOfChildNode(int i = 0) const;
    /// Order position of the child x, or -1.
    int positionOfChildNode(XMLNode x) const;
    /// Order position of the child called name of rank count (null name: child count), or -1.
    int positionOfChildNode(const char *name, int count = 0) const;
    /// Next child called name from index *k on carrying attributeName (= attributeValue when given); *k moves past it.
    XMLNode getChildNodeWithAttribute(const char *name, const char *attributeName,
                                      const char *attributeValue = nullptr, int *k = nullptr) const;

    // ----- writing ------------------------------------------------------------
    /// The subtree as text (malloc'd, caller frees); nFormat nonzero indents with tabs. *pnSize gets the length.
    char *createXMLString(int nFormat = 1, int *pnSize = nullptr) const;
    /// Writes the subtree to a file after a byte-order mark and declaration line as needed.
    XMLError writeToFile(const char *filename, const char *encoding = nullptr, char nFormat = 1) const;

    // ----- internal inspection ------------------------------------------------
    /// The shared record (null for the empty handle), for tests and diagnostics only.
    const XMLNodeDataTag *inspectRecord() const { return d; }

private:
    XMLNodeDataTag *d;

    explicit XMLNode(XMLNodeDataTag *p);
    XMLNode(XMLNodeDataTag *pParent, const char *lpszName, char isDeclaration);

    int ParseXMLElement(XML *pXML);
    int ParseClearTag(XML *pXML, const ALLXMLClearTag *pClear);
    static void CreateXMLStringR(const XMLNodeDataTag *pEntry, XMLWriterOutput &out, int nFormat);

    friend void detachFromParent(XMLNodeDataTag *d);
    friend struct XMLElementParser;
};

/// One item of a node as enumContents gives it; only the member named by type is meaningful.
struct XMLNodeContents {
    enum XMLElementType type;
    XMLNode child;
    XMLAttribute attrib;
    const char *text;
    XMLClear clear;
};

/// Escaped form of source (the five entities) written into dest, which holds lengthXMLString(source) + 1 bytes.
char *toXMLString(char *dest, const char *source);
/// Length of the escaped form of source, without the terminator.
int lengthXMLString(const char *source);
/// Escaped form of source in a new malloc'd string (caller frees).
char *toXMLString(const char *source);
/// Escaped form of source in the caller's growable buffer *dest of *destSz bytes.
char *toXMLStringFast(char **dest, int *destSz, const char *source);

/// Base64 encoder and decoder keeping its latest result in its own buffer.
class XMLParserBase64Tool {
public:
    XMLParserBase64Tool();
    ~XMLParserBase64Tool();
    XMLParserBase64Tool(const XMLParserBase64Tool &) = delete;
    XMLParserBase64Tool &operator=(const XMLParserBase64Tool &) = delete;

    /// Buffer size encode needs for inlen bytes, terminator included.
    static int encodeLength(int inlen, char formatted = 0);
    /// Base64 text of inbuf (line feed every 72 characters when formatted); owned by this object.
    char *encode(unsigned char *inbuf, unsigned int inlen, char formatted = 0);
    /// Number of bytes data decodes to; *xe gets the error or warning.
    static unsigned int decodeSize(const char *data, XMLError *xe = nullptr);
    /// Decodes data into this object's buffer (null on failure); *outlen gets the size.
    unsigned char *decode(const char *data, int *outlen = nullptr, XMLError *xe = nullptr);
    /// Decodes data into buf of len bytes: 0 failure, 1 truncated data, 2 success.
    static unsigned char decode(const char *data, unsigned char *buf, int len, XMLError *xe = nullptr);
    /// Frees the buffer.
    void freeBuffer();

private:
    void *buf;
    int buflen;
    void alloc(int newsize);
};
