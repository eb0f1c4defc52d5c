// Base64 decoding of arbitrary text: decodeSize and both decode forms agree,
// and no decode writes past a buffer of the measured size (the unit tests
// cover encoding and decoding back).
#include "xmlParser.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) abort(); \
    } while (0)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size); // ends at its first NUL for the tool

    XMLError sizeError;
    const unsigned int measured = XMLParserBase64Tool::decodeSize(text.c_str(), &sizeError);
    // Exactly the measured size, on the heap so that a write past it is caught.
    unsigned char *exact = static_cast<unsigned char *>(malloc(measured ? measured : 1));
    XMLError staticError;
    const unsigned char result = XMLParserBase64Tool::decode(text.c_str(), exact, static_cast<int>(measured), &staticError);

    XMLParserBase64Tool tool;
    int length = -1;
    XMLError memberError;
    const unsigned char *decoded = tool.decode(text.c_str(), &length, &memberError);

    if (sizeError == eXMLErrorBase64DecodeIllegalCharacter) {
        FUZZ_CHECK(measured == 0 && !decoded && length == 0);
        FUZZ_CHECK(memberError == eXMLErrorBase64DecodeIllegalCharacter);
    } else {
        // The decoder reads a prefix of what decodeSize accepted, and never needs more than it measured.
        FUZZ_CHECK(result != 0);
        FUZZ_CHECK(staticError == eXMLErrorNone || staticError == eXMLErrorBase64DecodeTruncatedData);
        FUZZ_CHECK((result == 2) == (staticError == eXMLErrorNone));
        if (measured == 0) {
            FUZZ_CHECK(!decoded && length == 0);
        } else {
            FUZZ_CHECK(decoded && memberError == staticError);
            FUZZ_CHECK(length >= 0 && static_cast<unsigned int>(length) <= measured);
            if (result == 2) FUZZ_CHECK(static_cast<unsigned int>(length) == measured);
            FUZZ_CHECK(memcmp(decoded, exact, length) == 0);
        }
    }
    free(exact);
    return 0;
}
