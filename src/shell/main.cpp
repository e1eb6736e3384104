// vettora-shell: the console of the rule language. For now it prints the
// engine's version line.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      std::printf("usage: vettora-shell [--version] [--help]\n");
      return 0;
    }
  }
  std::printf("Vettora %s\n", VETTORA_VERSION);
  return 0;
}
