/* I/O floor for primepair: read the cases with scanf, print lines of the
   same shape with printf, compute nothing. */
#include <stdio.h>

int main(void) {
    int count = 0, n = 0;
    if (scanf("%d", &count) != 1) return 1;
    for (int i = 0; i < count; ++i) {
        if (scanf("%d", &n) != 1) return 1;
        if (n <= 3)
            puts("No Solutions");
        else
            printf("%d = %d + %d\n", n, n / 2, n / 2);
    }
    return 0;
}
