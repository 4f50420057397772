/* I/O floor for the word programs: read the count and every word with scanf
   into a word slot, print one word with printf, compute nothing. */
#include <stdio.h>

int main(void) {
    int count = 0;
    char word[64] = "";
    if (scanf("%d\n", &count) != 1) return 1;
    for (int i = 0; i < count; ++i)
        if (scanf("%63s", word) != 1) return 1;
    printf("%s", word);
    return 0;
}
