#include "blkdev.h"

/* Reads a block, xors the key into every byte, raises the level for the
 * strong keys and writes the block back. */
int cache_patch(unsigned int lba, BYTE key)
{
    BYTE block[BLOCK_SIZE];
    size_t i;
    if (blk_read(lba, block, sizeof block) != 0) {
        return -1;
    }
    for (i = 0; i < sizeof block; ++i) {
        block[i] = (BYTE)(block[i] ^ key);
    }
    blk_level((uint8_t)(key > 0x80 ? 200 : 10));
    return blk_write(lba, block, sizeof block);
}

/* Hands three counters to the driver, which reorders them. */
int cache_rotate(void)
{
    int v[3] = {1, 2, 3};
    blk_swap(v);
    return v[0] * 100 + v[1] * 10 + v[2];
}

int cache_tag(void)
{
    int code = -1;
    blk_log("cache");
    if (blk_status(&code) != 0) {
        return -1;
    }
    return code;
}
