/* I/O floor for the single-value programs: read one number with scanf and
   print one with printf. */
#include <stdio.h>

int main(void) {
    int n = 0;
    if (scanf("%d", &n) != 1) n = 0;
    printf("%d", n);
    return 0;
}
