/* I/O floor for digitgen: read the cases with scanf, print lines of the
   same shape (a digit at a time, as the digits of a generator are printed)
   with printf, compute nothing. */
#include <stdio.h>

int main(void) {
    int count = 0, n = 0;
    if (scanf("%d", &count) != 1) return 1;
    for (int i = 0; i < count; ++i) {
        if (scanf("%d", &n) != 1) return 1;
        if (n % 2 != 0) {
            puts("No solution");
            continue;
        }
        printf("%d = %d + (", n, n);
        for (int p = 1000000000; p > 1; p /= 10) printf("%d+", n / p % 10);
        printf("%d)", n % 10);
        putchar('\n');
    }
    return 0;
}
