int add(int a, int b);
