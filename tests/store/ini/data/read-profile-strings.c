/* Reads INI values and key lists through the Windows private-profile functions, for
 * record-ini-reading.py. Each line of the input is one call, its fields separated by TAB and
 * written as hexadecimal bytes (code page 936, passed as they are):
 *     FILE SECTION KEY FALLBACK
 * where a KEY of "-" asks for the section's key list. Each call prints one line: the number that
 * GetPrivateProfileStringA returned, a TAB, and that many bytes of its buffer in hexadecimal. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

enum { kBufferSize = 65536, kLineSize = 4 * kBufferSize };

/* Turns the hexadecimal text at *field (up to the next TAB or the end) into bytes, ended by NUL. */
static char* Unhex(char** field) {
    char* text = *field;
    size_t length = strcspn(text, "\t");
    char* bytes = malloc(length / 2 + 1);
    for (size_t i = 0; i + 1 < length; i += 2) {
        unsigned value = 0;
        sscanf(text + i, "%2x", &value);
        bytes[i / 2] = (char)value;
    }
    bytes[length / 2] = '\0';
    *field = text[length] == '\t' ? text + length + 1 : text + length;
    return bytes;
}

int main(void) {
    static char line[kLineSize];
    static char buffer[kBufferSize];
    while (fgets(line, sizeof line, stdin)) {
        line[strcspn(line, "\r\n")] = '\0';
        char* field = line;
        char* file = Unhex(&field);
        char* section = Unhex(&field);
        const int keyList = strncmp(field, "-\t", 2) == 0;
        char* key = keyList ? (field += 2, NULL) : Unhex(&field);
        char* fallback = Unhex(&field);
        const DWORD count =
            GetPrivateProfileStringA(section, key, fallback, buffer, kBufferSize, file);
        printf("%lu\t", (unsigned long)count);
        for (DWORD i = 0; i < count; ++i)
            printf("%02x", (unsigned char)buffer[i]);
        printf("\n");
        free(file);
        free(section);
        free(key);
        free(fallback);
    }
    return 0;
}
