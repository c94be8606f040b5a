/* MIB identifiers of halvora: one constant per leaf, APS_<leaf name>, equal to the library's
 * catalogue (a test checks every one). Included by halvora.h. */
#ifndef HALVORA_MIB_H
#define HALVORA_MIB_H

#endif /* HALVORA_MIB_H */
