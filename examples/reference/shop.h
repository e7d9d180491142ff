/* Declarations of a small shop unit, for the examples of the language
   reference (docs/language.md): one of each kind of variable a script
   sets and checks, and two functions the examples replace with stubs. */
#ifndef SHOP_H
#define SHOP_H

#define SHOP_SIZE 4

enum colour { RED, GREEN, BLUE };

struct point {
    int x;
    int y;
};

struct item {
    char name[12];
    int price;
};

extern int count;
extern int total;
extern double ratio;
extern float weight;
extern char grade;
extern char label[16];
extern const char *message;
extern int stock[SHOP_SIZE];
extern int grid[2][3];
extern struct item basket[2];
extern struct point where;
extern enum colour paint;
extern int *cursor;
extern unsigned char digest[4];

int shop_add(int a, int b);
int shop_total(void);

/* The shop's driver: replaced by stubs in the examples. */
int shop_read(int channel, int *value);
void shop_log(const char *text);

#endif
