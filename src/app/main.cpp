#include "app/RunGame.h"

int main(int argc, char* argv[]) {
    return torvane::runGame(argc, argv);
}
