/* Stands in the application slot of dovrel-cleaner.app for tests while the
   build has no application target. */
#include <stdio.h>

int main(void) {
    puts("dovrel-cleaner: placeholder");
    return 0;
}
