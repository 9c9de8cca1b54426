#include <cstdio>
int main() { std::puts("corvanta QX"); return 0; }
