#include "output/wide_path.h"

#ifdef _WIN32
#include "text/utf8.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16");

bool WidePath(const char* name, wchar_t* out) {
    return Utf8ToUtf16(name, reinterpret_cast<char16_t*>(out), kWidePathUnits);
}

bool NarrowPath(const wchar_t* path, char* out, size_t size) {
    return Utf16ToUtf8(reinterpret_cast<const char16_t*>(path), out, size);
}
#endif
