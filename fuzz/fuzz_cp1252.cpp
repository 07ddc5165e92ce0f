// Windows-1252: every byte decodes to a character that encodes back to it,
// and any text encodes to one byte per character.
#include "fuzzsupport.h"

#include "storage/cp1252.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = Cp1252::decode(bytes);
    FUZZ_CHECK(text.size() == qsizetype(size));
    FUZZ_CHECK(Cp1252::canEncode(text));
    FUZZ_CHECK(Cp1252::encode(text) == bytes);

    // The same bytes read as UTF-16 text, surrogates and all.
    const QString utf16(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    const QByteArray encoded = Cp1252::encode(utf16);
    FUZZ_CHECK(encoded.size() <= utf16.size());
    if (Cp1252::canEncode(utf16)) {
        FUZZ_CHECK(encoded.size() == utf16.size());
        FUZZ_CHECK(Cp1252::decode(encoded) == utf16);
    }
    // Whatever came out is bytes of the code page again.
    FUZZ_CHECK(Cp1252::encode(Cp1252::decode(encoded)) == encoded);
    return 0;
}
