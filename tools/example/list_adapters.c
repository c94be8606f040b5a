/* The smallest halvora caller: initialize, search every adapter, print what was found. */
#include "halvora.h"

#include <stdio.h>

int main(void) {
    APS_INTERFACE_LIST list;
    int32_t i, count;

    apsInitialize();
    list = apsSearchInterface(NULL, 0);
    count = apsGetInterfaceCount(list);
    printf("%d adapter(s)\n", (int)count);
    for (i = 0; i < count; ++i) {
        const char* name = apsGetInstanceName(list, i);
        const char* friendly = apsGetFriendlyName(list, i);
        printf("%d\t%s\t%s\n", (int)i, name ? name : "(null)", friendly ? friendly : "(null)");
    }
    apsCloseHandle(list);
    return 0;
}
