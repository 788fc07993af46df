// The floor for an idle loop that wakes every 20 ms: nothing but the sleep.
// bench/measure_startup.py compares the picker's idle CPU with it.

#include <poll.h>

int main()
{
    for (;;)
        poll(nullptr, 0, 20);
}
