typedef struct { int a; double b; } pair_t;
union u { int i; float f; };
enum color { RED, GREEN };
typedef int (*handler_t)(int);
struct rec { char name[8]; int *p; unsigned char flags; };
pair_t make_pair(int a, double b);
unsigned long hash(const char *s, unsigned n);
char first(char c, float f, double d);
void paint(enum color c, pair_t p, union u v);
int call(handler_t h, void *data);
void fill(struct rec *out, const struct rec *in);
int count_up(int);
/* A frame whose array member a list may fill without its inner braces. */
typedef struct { unsigned char n; short s[2]; } frame_t;
frame_t take_frame(void);
