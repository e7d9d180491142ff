#define FROM_HEADER 1
