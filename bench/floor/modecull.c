/* I/O floor for modecull: read the header and elements with scanf, print the
   array once per pass with printf, compute nothing. */
#include <stdio.h>
#include <stdlib.h>

int main(void) {
    int length = 0, passes = 0, modulus = 0;
    if (scanf("%d %d %d", &length, &passes, &modulus) != 3 || length < 0) return 1;
    int* values = malloc(sizeof(int) * (size_t)(length + 1));
    for (int i = 0; i < length; ++i)
        if (scanf("%d", &values[i]) != 1) return 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (int i = 0; i < length; ++i) printf("%d ", values[i]);
        putchar('\n');
    }
    free(values);
    return 0;
}
