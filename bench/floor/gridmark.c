/* I/O floor for gridmark: read every cell with scanf, echo it with printf,
   compute nothing. */
#include <stdio.h>

int main(void) {
    int size = 0;
    char cell = 0;
    if (scanf("%d\n", &size) != 1) return 1;
    for (long long i = 0; i < (long long)size * size; ++i) {
        if (scanf("%c\n", &cell) != 1) return 1;
        printf("%c\n", cell);
    }
    printf("special diagonal matrix");
    return 0;
}
