/* A block cache over a block device driver: the cache is the unit under
 * test, the driver is stubbed. */
#ifndef BLKDEV_H
#define BLKDEV_H
#include <stddef.h>
#include <stdint.h>

typedef uint8_t BYTE;
#define BLOCK_SIZE 8

/* The driver. */
int blk_read(unsigned int lba, BYTE *buf, size_t len) __attribute__((nonnull(2)));
int blk_write(unsigned int lba, const BYTE data[], size_t len);
void blk_level(uint8_t level);
void blk_swap(int v[3]);
void blk_log(const char *text);
int blk_status(int *code) __attribute__((warn_unused_result));

/* The cache. */
int cache_patch(unsigned int lba, BYTE key);
int cache_rotate(void);
int cache_tag(void);
#endif
