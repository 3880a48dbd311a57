#include "win32/settings.h"

#include <windows.h>

#include "win32/wide_text.h"

static const wchar_t kSettingsKey[] = L"Software\\Odontra";

// Longest value read, in wide characters with the zero.
static const DWORD kValueUnits = 256;

bool ReadSetting(const wchar_t* name, char* out, size_t size) {
    wchar_t value[kValueUnits];
    DWORD bytes = sizeof value;
    // RRF_RT_REG_SZ refuses every other type; a value longer than the buffer fails.
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_SZ, nullptr, value,
                     &bytes) != ERROR_SUCCESS) {
        return false;
    }
    ToUtf8(value, out, size);
    return true;
}

void WriteSetting(const wchar_t* name, const char* value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    wchar_t wide[kValueUnits];
    ToWide(value, wide, kValueUnits);
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(wide),
                   static_cast<DWORD>((wcslen(wide) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}
