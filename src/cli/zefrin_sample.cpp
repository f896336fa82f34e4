#include <cstdio>

int main() {
  std::puts("Zefrin: the engine is being built.");
  return 0;
}
