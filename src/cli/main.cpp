#include <cstdio>
int main() { std::puts("morvane-cli"); return 0; }
