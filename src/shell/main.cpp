// Until the main window exists the program can only report that.
#include <cstdio>

int main()
{
    std::puts("Tavlix: the game rules are built; the game window is not available in this build yet.");
    return 0;
}
