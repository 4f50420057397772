/* I/O floor for pivotseek: read the elements and the key with scanf, print
   one answer with printf, compute nothing. */
#include <stdio.h>

int main(void) {
    int length = 0, value = 0, key = 0;
    if (scanf("%d", &length) != 1) return 1;
    for (int i = 0; i < length; ++i)
        if (scanf("%d", &value) != 1) return 1;
    if (scanf("%d", &key) != 1) return 1;
    printf("pos=%d", key);
    return 0;
}
