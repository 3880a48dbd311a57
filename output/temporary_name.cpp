#ifdef _WIN32
// Declares rand_s, which draws from the system's cryptographic generator.
#define _CRT_RAND_S
#include <stdlib.h>
#else
#include <sys/random.h>
#endif

#include <cerrno>
#include <cstring>

#include "output/temporary_name.h"

#ifdef _WIN32
bool SystemRandomBytes(unsigned char* bytes, size_t count) {
    for (size_t i = 0; i < count; i++) {
        unsigned int value = 0;
        if (rand_s(&value) != 0) {
            return false;
        }
        bytes[i] = static_cast<unsigned char>(value);
    }
    return true;
}
#else
bool SystemRandomBytes(unsigned char* bytes, size_t count) {
    size_t filled = 0;
    while (filled < count) {
        const ssize_t got = getrandom(bytes + filled, count - filled, 0);
        if (got < 0 && errno != EINTR) {
            return false;
        }
        filled += got > 0 ? static_cast<size_t>(got) : 0;
    }
    return true;
}
#endif

RandomSource temporaryNameSource = SystemRandomBytes;

size_t FolderLength(const char* path) {
    size_t length = 0;
    for (size_t i = 0; path[i] != '\0'; i++) {
#ifdef _WIN32
        const bool separator = path[i] == '\\' || path[i] == '/' || path[i] == ':';
#else
        const bool separator = path[i] == '/';
#endif
        if (separator) {
            length = i + 1;
        }
    }
    return length;
}

bool FormTemporaryName(const char* target, char* name, size_t size) {
    static const char kHex[] = "0123456789abcdef";
    const size_t folder = FolderLength(target);
    unsigned char random[8];
    if (folder + kTemporaryNameBytes > size || !temporaryNameSource(random, sizeof random)) {
        return false;
    }
    memcpy(name, target, folder);
    char* at = name + folder;
    *at++ = '.';
    *at++ = '~';
    for (unsigned char byte : random) {
        *at++ = kHex[byte >> 4];
        *at++ = kHex[byte & 15];
    }
    *at = '\0';
    return true;
}

// A name already taken is drawn again; after this many draws something is wrong.
static const int kTemporaryNameDraws = 16;

int TakeFreshName(const char* target, char* name, size_t size, NameTaker take, void* context) {
    for (int draw = 0; draw < kTemporaryNameDraws; draw++) {
        if (!FormTemporaryName(target, name, size)) {
            return EIO;
        }
        const int error = take(name, context);
        if (error != EEXIST) {
            return error;
        }
    }
    return kEveryNameTaken;
}
