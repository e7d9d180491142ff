extern char text[10];
void fill(void);
