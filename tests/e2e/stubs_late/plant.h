/* A unit that regulates through a driver the tests replace. */
int read_level(int tank, int *level);
void open_valve(int tank);
int regulate(int tank);
