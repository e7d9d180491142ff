/* Every kind of declaration the listing describes. */
#define N 8
struct node { struct node *next; unsigned flags : 3; char name[N + 1]; };
extern struct node head;
extern unsigned short counter;
enum colour { RED, GREEN = 4, BLUE };
extern enum colour paint;
typedef long count_t;
extern count_t total;
extern double ratio;
extern int (*handler)(int code, const char *text);
extern const char *message;
extern union value { int i; float f; } current;
extern int table[N * 2];
void unit_init(void);
int unit_step(int n);
