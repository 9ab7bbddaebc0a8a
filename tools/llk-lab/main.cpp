// llk-lab: the game's rules on the command line.
#include <cstdio>

int main()
{
    std::fputs("usage: llk-lab link|shift|pairs|run|bot ...\n", stderr);
    return 2;
}
