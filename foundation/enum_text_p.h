// Tables between enumerated values and their identifier texts, shared by the
// text conversions of styles and configurations.
#pragma once

#include <cstring>

struct EnumText {
    const char* text;
    int value;
};

// The text of `value`, or null when the table has none.
template <int N>
const char* enumToText(const EnumText (&table)[N], int value)
{
    for (const EnumText& entry : table)
        if (entry.value == value)
            return entry.text;
    return nullptr;
}

// The value whose text equals `text` exactly, or 0; *ok tells which.
template <int N>
int enumFromText(const EnumText (&table)[N], const char* text, bool* ok)
{
    for (const EnumText& entry : table) {
        if (text && std::strcmp(entry.text, text) == 0) {
            if (ok)
                *ok = true;
            return entry.value;
        }
    }
    if (ok)
        *ok = false;
    return 0;
}
