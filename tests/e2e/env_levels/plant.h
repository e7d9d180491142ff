extern int gain, offset, limit, speed;
int regulate(int v);
