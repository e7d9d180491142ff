#include <string.h>
#include "unit.h"

struct digest dig;
BYTE hash[4];
uint8_t raw;
enum level lvl;
jsmntype_t kind;
struct stat st;
struct span sp;
struct pair pairs[4];
int table[6];
double rate;

void compute(void)
{
    static const BYTE h[4] = {0xba, 0x00, 0x7f, 0x10};
    int i;
    memcpy(hash, h, sizeof h);
    dig.len = (__u8)(dig.len + 4);
    for (i = 0; i < 4; ++i) dig.bytes[i] = (BYTE)(dig.bytes[i] + 1);
    dig.key[2] = 0;
    strcpy(dig.name, "ok");
    raw = (uint8_t)(raw ^ 0xff);
    put(raw);
    lvl = L_NEXT;
    kind = JSMN_OBJECT;
    st.st_mtime = 1234;
    sp.tail = sp.len + sp.st[0] + sp.st[1];
    for (i = 0; i < 4; ++i) pairs[i].b = pairs[i].a * 10;
    for (i = 0; i < 6; ++i) table[i] = table[i] * 2;
    rate = rate + 0.000000001;
}
